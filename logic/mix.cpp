// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/frmbukv.h"
QString frmBukv::Mix(const QString&) { return {}; }
