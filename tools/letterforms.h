// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fonts.h"

#include <QString>

namespace gen {

// The outline of a letter as its letter picture shows it, in TriodPostnaja's old-style
// forms: baseline at y = 0, pen at x = 0, EmPx units; advance is the room it takes in a line.
Run letterForm(int index);

// The glyphs that stand before the dash of a letter's name picture: its form, and for the
// small yus also its closed form.
Run leadingForms(int index);

// Text in old-style lettering with the characters TriodPostnaja lacks replaced by the forms
// that stand for them (the 8-shaped Ȣ is the face's monograph uk).
QString oldStyleText(QString text);

} // namespace gen
