// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;

// Tells assistive technology what the eye sees of the window: which letters are framed
// (as selected), a press action on each letter that does what a click does, the window
// as a window named by its title, and none of the controls the user never sees.
// Safe to call more than once; the window calls it before it builds its controls.
void installAccessibility();

// Announces that a picture was framed or unframed.
void announceSelectionChange(QObject* picture);
