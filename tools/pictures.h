// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <utility>

namespace gen {

// Every picture is drawn at its logical size times scale (1 or 2): the outlines are drawn
// at that resolution, never upscaled.

inline constexpr int LetterSide = 50;
inline constexpr QSize TitleSize{675, 56};
inline constexpr QSize BannerSize{671, 89};
inline constexpr int NameHeight = 61;     // every name picture but the tallest lettering's
inline constexpr int TallNameHeight = 73; // the name picture of Ѯ, whose tail hangs lowest
inline constexpr int NameMinWidth = 265;
inline constexpr int NameMaxWidth = 655;

QImage letterPicture(int index, int scale);
QImage namePicture(int index, int scale);
QImage titlePicture(int scale);
// which: 0 the study banner (green arrow), 1 the self-test one (red), 2 the truths one (blue).
QImage bannerPicture(int which, int scale);
QImage iconPicture(int side);
// The icons of the browser edition's web app manifest, each with its file name (no suffix).
QList<std::pair<QString, QImage>> appIconPictures();
// Every letter picture beside its name picture, the title, the banners and the icons.
QImage contactSheet(int scale);

} // namespace gen
