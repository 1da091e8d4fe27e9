// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QString>

namespace gen {

// The three faces the pictures are lettered in.
enum class Face {
    Old,   // TriodPostnaja: the old-style lettering of letters, names and the title
    Serif, // Liberation Serif: the sound hints
    Sans,  // Liberation Sans: the banners
};

// Outlines are taken at this pixel size, one pixel per font unit of TriodPostnaja, so that
// no hinting or rounding of a small size reaches them; pictures scale them down.
inline constexpr qreal EmPx = 1024;

// Loads the faces from their Debian packages' files. Returns an empty string on success,
// else what is missing.
QString loadFonts();

QFont font(Face face);

// True when every character of text has a glyph of its own in the face.
bool covers(Face face, const QString& text);

// A run of text as an outline: baseline at y = 0, pen starting at x = 0, in EmPx units.
struct Run
{
    QPainterPath path;
    qreal advance = 0;
};
Run textRun(Face face, const QString& text);

} // namespace gen
