// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/frmbukv.h"
void frmBukv::imgBukv_Click(int) {}
