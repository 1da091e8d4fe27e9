// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class frmBukv;

// What the desktop and the browser editions do differently at start, each in a file of its
// own: app/desktop.cpp (Linux and Windows) and app/browser.cpp (WebAssembly).

// Before QApplication: false, having said why, where no window can be shown.
bool prepareEdition();
// After QApplication, before the window is made.
void prepareWindow();
// Shows the window as the edition's platform shows it.
void showWindow(frmBukv& window);
