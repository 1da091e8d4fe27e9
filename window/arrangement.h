// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QSizeF>

// How the window's controls stand: the desktop's arrangement, or on an upright page narrower
// than the window (a phone or tablet held upright) the portrait one, which stacks the same
// controls: the title, the grid at full width, the banner, the options, the text, the buttons.
enum class Arrangement { Desktop, Portrait };

// The arrangement for a page of the given size (CSS pixels), and how many of the page's
// pixels one pixel of the window takes there so that the window fits the page whole.
struct PageFit
{
    Arrangement arrangement;
    qreal scale;
};
PageFit fitToPage(QSizeF page);

// The size of the window's layout in each arrangement, in pixels.
QSize layoutSize(Arrangement arrangement);
