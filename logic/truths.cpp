// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/frmbukv.h"
void frmBukv::cmdAzbIst_Click() {}
void frmBukv::imgBukv_MouseMove(int) {}
void frmBukv::optDirect_Click(int) {}
