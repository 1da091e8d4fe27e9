// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Gives the running application the program's name, which its message box and the
// desktop show. The program and the start-up benchmark start through it alike.
void nameApplication();
