// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "fonts.h"
#include "letterforms.h"

#include "content/letters.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace gen {

namespace {

const QColor White(255, 255, 255);
const QColor Ground(240, 240, 240); // the window's own grey, behind names, title and banners
const QColor Ink(0, 0, 0);
const QColor TitleGreen(0, 64, 0);
const QColor Cream(246, 246, 231);

constexpr qreal CapUnits = 717; // TriodPostnaja's capital height in EmPx units

QColor letterColour(int index)
{
    switch (znakovit::Letters.at(index).colour) {
    case znakovit::LetterColour::Red:
        return {255, 51, 51};
    case znakovit::LetterColour::Yellow:
        return {255, 212, 0};
    case znakovit::LetterColour::Blue:
        break;
    }
    return {0, 0, 255};
}

// A blank picture of logical size size at scale, with fixed metadata so that every run
// writes the same bytes.
QImage canvas(QSize size, int scale, const QColor& ground)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(ground);
    image.setDotsPerMeterX(3780 * scale);
    image.setDotsPerMeterY(3780 * scale);
    return image;
}

// Rounds a logical offset to whole device pixels, so stems and baselines sit on the pixel
// grid the same way in every picture of a kind.
qreal snapped(qreal logical, int scale)
{
    return std::round(logical * scale) / scale;
}

QPainterPath scaledPath(const QPainterPath& path, qreal factor)
{
    return QTransform::fromScale(factor, factor).map(path);
}

void fill(QImage& image, int scale, const QPainterPath& path, const QColor& colour)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.fillPath(path, colour);
}

// ---- letter pictures ----------------------------------------------------------------------

constexpr qreal LetterCap = 39;   // capital height in a letter picture
constexpr qreal LetterMargin = 2; // white kept clear all round

QPainterPath letterOutline(int index, int scale)
{
    const QPainterPath form = letterForm(index).path;
    const QRectF ink = form.boundingRect();
    const qreal room = LetterSide - 2 * LetterMargin;
    const qreal k = std::min({LetterCap / CapUnits, room / ink.width(), room / ink.height()});
    const QPointF centre(LetterSide / 2.0, LetterSide / 2.0);
    const QPointF offset = centre - ink.center() * k;
    QPainterPath path = scaledPath(form, k);
    path.translate(snapped(offset.x(), scale), snapped(offset.y(), scale));
    return path;
}

// ---- name pictures ------------------------------------------------------------------------

constexpr qreal NameOldEm = 46;    // the old-style part: capitals 32 px high
constexpr qreal NameSerifEm = 43;  // the sound hint: capitals 28 px high, a step below the name
constexpr qreal NameBaseline = 45; // from the top of a picture NameHeight high
constexpr qreal NameSide = 14;     // room left and right of the lettering

struct Line
{
    QPainterPath path; // baseline at y = 0, logical pixels
    qreal width = 0;
};

Line appended(Line line, const Run& run, qreal em)
{
    line.path.addPath(scaledPath(run.path, em / EmPx).translated(line.width, 0));
    line.width += run.advance * em / EmPx;
    return line;
}

Line nameLine(int index)
{
    const znakovit::Letter& letter = znakovit::Letters.at(index);
    Line line;
    line = appended(line, leadingForms(index), NameOldEm);
    line = appended(line,
                    textRun(Face::Old, QStringLiteral(" – ") +
                                           oldStyleText(znakovit::toQString(letter.name)) +
                                           QStringLiteral(" ")),
                    NameOldEm);
    line = appended(
        line, textRun(Face::Serif, QStringLiteral("(%1)").arg(znakovit::toQString(letter.sound))),
        NameSerifEm);
    return line;
}

} // namespace

QImage letterPicture(int index, int scale)
{
    QImage image = canvas({LetterSide, LetterSide}, scale, White);
    fill(image, scale, letterOutline(index, scale), letterColour(index));
    return image;
}

QImage namePicture(int index, int scale)
{
    const Line line = nameLine(index);
    const QRectF ink = line.path.boundingRect();
    const int width = std::max(NameMinWidth, int(std::ceil(ink.width() + 2 * NameSide)));
    const int height = index == 44 ? TallNameHeight : NameHeight;
    QImage image = canvas({width, height}, scale, Ground);
    // Lettering starts the same way in every name picture; a short one is padded on the right.
    const qreal x = snapped(NameSide - ink.left(), scale);
    // A taller picture keeps the lettering in its middle, as a shorter one has it.
    const qreal baseline = NameBaseline + (height - NameHeight) / 2.0;
    fill(image, scale, line.path.translated(x, snapped(baseline, scale)), Ink);
    return image;
}

// ---- title --------------------------------------------------------------------------------

QImage titlePicture(int scale)
{
    const QString title = QStringLiteral("Древлесловенская Буквица");
    constexpr qreal Em = 48, Side = 16;
    // Letters placed one by one, the spare width shared out between them, so that the
    // lettering fills the picture from side to side.
    qreal natural = 0;
    for (const QChar c : title)
        natural += textRun(Face::Old, c).advance * Em / EmPx;
    const qreal tracking = (TitleSize.width() - 2 * Side - natural) / (title.size() - 1);
    Line line;
    for (const QChar c : title) {
        line = appended(line, textRun(Face::Old, c), Em);
        line.width += tracking;
    }
    const QRectF ink = line.path.boundingRect();
    QImage image = canvas(TitleSize, scale, Ground);
    // The capitals sit a little above the middle, leaving room for the tails of р, у and ц.
    const qreal baseline = snapped(39.5, scale);
    const qreal x = snapped((TitleSize.width() - ink.width()) / 2 - ink.left(), scale);
    fill(image, scale, line.path.translated(x, baseline), TitleGreen);
    return image;
}

// ---- banners ------------------------------------------------------------------------------

QImage bannerPicture(int which, int scale)
{
    static const QString texts[] = {
        QStringLiteral("Выберите буквицу, чтобы узнать о ней"),
        QStringLiteral("Выберите буквицу, отвечающую образу:"),
        QStringLiteral("Выберите Азбучную Истину"),
    };
    static const QColor arrows[] = {{55, 166, 1}, {208, 0, 0}, {14, 62, 186}};
    QImage image = canvas(BannerSize, scale, Ground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    const QPointF c(44.5, BannerSize.height() / 2.0);
    constexpr qreal Radius = 29, RingWidth = 3.5;
    p.setPen(QPen(Ink, RingWidth));
    p.setBrush(White);
    p.drawEllipse(c, Radius, Radius);

    QPainterPath arrow;
    arrow.moveTo(c + QPointF(-19, 0));
    arrow.lineTo(c + QPointF(-2, -15));
    arrow.lineTo(c + QPointF(-2, -6.5));
    arrow.lineTo(c + QPointF(18, -6.5));
    arrow.lineTo(c + QPointF(18, 6.5));
    arrow.lineTo(c + QPointF(-2, 6.5));
    arrow.lineTo(c + QPointF(-2, 15));
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(arrows[which]);
    p.drawPath(arrow);

    constexpr qreal Em = 25, Left = 92;
    const Run text = textRun(Face::Sans, texts[which]);
    const qreal cap = 1409.0 / 2048 * Em; // Liberation Sans capital height
    const qreal baseline = snapped(c.y() + cap / 2, scale);
    p.fillPath(scaledPath(text.path, Em / EmPx).translated(Left, baseline), Ink);
    return image;
}

// ---- icons --------------------------------------------------------------------------------

namespace {

struct IconGrid
{
    int side;
    int cells;   // cells a row
    int cell;    // cell side in pixels
    int gap;     // cream between cells
    int frame;   // the dark frame round the grid
    int rows[7]; // which rows (and columns) of the letter grid the cells show
};

// Pixel-aligned at every size: 2 * frame + cells * cell + (cells - 1) * gap == side. The small
// sizes show a few rows of the letter grid, always with Ȣ's yellow among them.
constexpr IconGrid Grids[] = {
    {16, 3, 4, 1, 1, {0, 3, 6}},
    {24, 3, 6, 2, 1, {0, 3, 6}},
    {32, 4, 6, 2, 1, {0, 2, 3, 5}},
    {48, 5, 8, 1, 2, {0, 2, 3, 4, 6}},
    {64, 7, 8, 1, 1, {0, 1, 2, 3, 4, 5, 6}},
    {128, 7, 16, 2, 2, {0, 1, 2, 3, 4, 5, 6}},
    {256, 7, 32, 4, 4, {0, 1, 2, 3, 4, 5, 6}},
};

const QColor Frame = TitleGreen;

// The browser edition's icons (its web app manifest): the whole grid at 192 and 512 px, and
// a maskable one for launchers that cut icons to a shape of their own. A mask may leave no
// more than the central circle of 80 % of the side, so there the cream grid keeps to that
// circle and the frame's green, as wide as it takes, fills the picture to its edges.
struct AppIcon
{
    const char* name;
    IconGrid grid;
};
constexpr AppIcon AppIcons[] = {
    {"znakovit-192", {192, 7, 24, 3, 3, {0, 1, 2, 3, 4, 5, 6}}},
    {"znakovit-512", {512, 7, 64, 8, 8, {0, 1, 2, 3, 4, 5, 6}}},
    {"znakovit-maskable-512", {512, 7, 36, 4, 118, {0, 1, 2, 3, 4, 5, 6}}},
};
// The cream square's corners lie (side / 2 - frame) * sqrt(2) from the centre: within
// 0.4 * side when 25 * (side - 2 * frame)^2 <= 8 * side^2.
constexpr bool insideSafeCircle(const IconGrid& g)
{
    const int inner = g.side - 2 * g.frame;
    return 25 * inner * inner <= 8 * g.side * g.side;
}
static_assert(insideSafeCircle(AppIcons[2].grid));

QImage drawIcon(const IconGrid& grid)
{
    const int side = grid.side;
    Q_ASSERT(2 * grid.frame + grid.cells * grid.cell + (grid.cells - 1) * grid.gap == side);
    QImage image = canvas({side, side}, 1, Frame);
    QPainter p(&image);
    p.fillRect(QRect(grid.frame, grid.frame, side - 2 * grid.frame, side - 2 * grid.frame), Cream);
    for (int r = 0; r < grid.cells; ++r) {
        for (int c = 0; c < grid.cells; ++c) {
            const int index = grid.rows[r] * znakovit::GridSide + grid.rows[c];
            const QRect cell(grid.frame + c * (grid.cell + grid.gap),
                             grid.frame + r * (grid.cell + grid.gap), grid.cell, grid.cell);
            p.fillRect(cell, White);
            if (grid.cell >= 16) {
                // Large enough for the letters themselves, as their pictures draw them.
                p.setRenderHint(QPainter::Antialiasing);
                const qreal k = grid.cell / qreal(LetterSide);
                QPainterPath glyph = letterOutline(index, 1);
                glyph = scaledPath(glyph, k).translated(cell.topLeft());
                p.fillPath(glyph, letterColour(index));
            } else {
                // A whole-pixel bar in the letter's colour, centred in its cell.
                const int w = grid.cell <= 6 ? 2 : 4, h = grid.cell == 4 ? 2 : grid.cell - 2;
                const QRect mark(cell.left() + (grid.cell - w) / 2,
                                 cell.top() + (grid.cell - h) / 2, w, h);
                p.fillRect(mark, letterColour(index));
            }
        }
    }
    return image;
}

} // namespace

QImage iconPicture(int side)
{
    const IconGrid* grid = std::find_if(std::begin(Grids), std::end(Grids),
                                        [side](const IconGrid& g) { return g.side == side; });
    Q_ASSERT(grid != std::end(Grids));
    return drawIcon(*grid);
}

QList<std::pair<QString, QImage>> appIconPictures()
{
    QList<std::pair<QString, QImage>> icons;
    for (const AppIcon& icon : AppIcons)
        icons.append({QString::fromLatin1(icon.name), drawIcon(icon.grid)});
    return icons;
}

// ---- contact sheet ------------------------------------------------------------------------

QImage contactSheet(int scale)
{
    constexpr int Pad = 12, Column = LetterSide + 8 + 640;
    constexpr int Rows = (znakovit::LetterCount + 1) / 2, RowHeight = TallNameHeight + 6;
    const int top = Pad + TitleSize.height() + 3 * (BannerSize.height() + 4) + Pad;
    const QSize size(2 * Column + 3 * Pad, top + Rows * RowHeight + 256 + 2 * Pad);
    QImage sheet = canvas(size, scale, QColor(200, 200, 200));
    QPainter p(&sheet);
    int y = Pad;
    p.drawImage(QPoint(Pad, y) * scale, titlePicture(scale));
    y += TitleSize.height() + 4;
    for (int b = 0; b < 3; ++b, y += BannerSize.height() + 4)
        p.drawImage(QPoint(Pad, y) * scale, bannerPicture(b, scale));
    for (int i = 0; i < znakovit::LetterCount; ++i) {
        const QPoint at(Pad + (i / Rows) * (Column + Pad), top + (i % Rows) * RowHeight);
        p.drawImage(at * scale, letterPicture(i, scale));
        p.drawImage((at + QPoint(LetterSide + 8, 0)) * scale, namePicture(i, scale));
    }
    // The icons have no twins: shown at their own pixel size on either sheet.
    int x = Pad * scale;
    const int iconTop = (top + Rows * RowHeight + Pad) * scale;
    for (const IconGrid& g : Grids) {
        p.drawImage(QPoint(x, iconTop), iconPicture(g.side));
        x += g.side + Pad * scale;
    }
    return sheet;
}

} // namespace gen
