// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/frmbukv.h"
void frmBukv::cmdCheck_Click() {}
void frmBukv::answer(int) {}
