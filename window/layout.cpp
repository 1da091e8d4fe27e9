// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the window's controls: where each stands, what it shows, how the controls
// overlap and how the user's events reach the handlers.
#include "window/frmbukv.h"

#include "window/arrangement.h"
#include "window/desktop.h"
#include "window/placement.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QIcon>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <span>
#include <string_view>

namespace {

using namespace znakovit;

struct Place
{
    std::string_view name;
    int left, top, width, height; // twips
};

// One arrangement of the window: where each control of fixed size stands, in twips from the
// top-left corner of the client area; where the letter grid and the name pictures start; and
// at what share of their own size the title, the banners and the name pictures are drawn.
struct Table
{
    std::span<const Place> places;
    int gridLeft, gridTop;
    int nameLeft, nameTop;
    qreal pictureScale;
};

// clang-format off
constexpr Place DesktopPlaces[] = {
    {"frmBukv",      0,     0,     17850, 8280},
    {"imgTitle",     3960,  600,   10125, 840},
    {"lblNum",       720,   1320,  3855,  375},
    {"Shape1",       600,   1800,  6015,  6015},
    {"imgChoose",    7080,  1920,  10065, 1335},
    {"imgChoose2",   7080,  1920,  10065, 1335},
    {"imgChoose3",   7080,  1920,  10065, 1335},
    {"optDirect(0)", 8640,  3000,  2055,  270},
    {"optDirect(1)", 10920, 3000,  1815,  270},
    {"optDirect(2)", 12960, 3000,  1815,  270},
    {"lblObraz",     6960,  3480,  10095, 2895},
    {"lblAzbIst",    6960,  3480,  10095, 2895},
    {"cmdAzbIst",    7080,  7080,  3615,  975},
    {"cmdCheck",     10920, 7080,  3015,  975},
    {"lstMix",       16800, -2520, 3615,  3210},
    {"lstMix2",      17040, -2640, 3615,  3210},
};

// Upright: the title across the top, the number, the grid at full width, the banner with the
// name pictures drawn smaller, the options under it, the text tall enough for the longest
// meanings at this width, and the two buttons side by side.
constexpr Place PortraitPlaces[] = {
    {"frmBukv",      0,     0,     6030,  13935},
    {"imgTitle",     120,   90,    5790,  480},
    {"lblNum",       120,   600,   3855,  375},
    {"Shape1",       0,     990,   6015,  6015},
    {"imgChoose",    120,   7065,  5760,  765},
    {"imgChoose2",   120,   7065,  5760,  765},
    {"imgChoose3",   120,   7065,  5760,  765},
    {"optDirect(0)", 120,   7875,  2055,  270},
    {"optDirect(1)", 2235,  7875,  1815,  270},
    {"optDirect(2)", 4110,  7875,  1815,  270},
    {"lblObraz",     60,    8205,  5910,  4800},
    {"lblAzbIst",    60,    8205,  5910,  4800},
    {"cmdAzbIst",    120,   13065, 3390,  780},
    {"cmdCheck",     3630,  13065, 2280,  780},
    {"lstMix",       16800, -2520, 3615,  3210},
    {"lstMix2",      17040, -2640, 3615,  3210},
};
// clang-format on

constexpr Table DesktopTable{DesktopPlaces, 720, 1920, 7320, 2160, 1.0};
// The pictures at the title's share: 675 pixels wide there, 386 here, the grid's width.
constexpr Table PortraitTable{PortraitPlaces, 120, 1110, 255, 7200, 386.0 / 675.0};

constexpr const Table& tableOf(Arrangement arrangement)
{
    return arrangement == Arrangement::Portrait ? PortraitTable : DesktopTable;
}

// The letter grid: letter i at column i % 7, row i / 7, in either arrangement.
constexpr int CellPitch = 840, CellSize = 750;

constexpr quint32 Grey = 0x00808080, DarkBlue = 0x00C00000;
constexpr quint32 PaleYellow = 0x00C0FFFF;
constexpr int ShapeBorderWidth = 3;

constexpr const Place& placeOf(const Table& table, std::string_view name)
{
    for (const Place& place : table.places)
        if (place.name == name)
            return place;
    throw "no such control";
}

QRect rectOf(const Table& table, std::string_view name)
{
    const Place& p = placeOf(table, name);
    return toPixels(p.left, p.top, p.width, p.height);
}

// The first of the faces that is installed, asked for alone: with a missing face first, or
// with more than one, Qt has fontconfig sort every installed font to find fallbacks.
QFont face(const QStringList& families, qreal points)
{
    const QStringList installed = QFontDatabase::families();
    const auto found = std::find_if(families.begin(), families.end(), [&](const QString& family) {
        return installed.contains(family, Qt::CaseInsensitive);
    });
    QFont font;
    font.setFamilies(found != families.end() ? QStringList{*found} : families);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

QFont arial(qreal points)
{
    return face({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, points);
}

QFont timesNewRoman(qreal points)
{
    return face({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")}, points);
}

QString picturePath(const char* stem, int index)
{
    return QStringLiteral(":/pictures/%1_%2.png")
        .arg(QLatin1String(stem))
        .arg(index, 2, 10, QLatin1Char('0'));
}

QString nameText(const Letter& letter)
{
    return toQString(letter.name) + QStringLiteral(" (") + toQString(letter.sound) +
           QLatin1Char(')');
}

} // namespace

void frmBukv::createControls()
{
    setObjectName(QStringLiteral("frmBukv"));
    setWindowTitle(Caption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // The window keeps its own light colours, which its pictures and text colours are drawn for.
    setPalette(lightPalette());
    QIcon icon;
    // Sizes a title bar or task bar asks for; each is decoded here, so the larger ones are
    // left to the desktop's own icon theme.
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(readPng(QStringLiteral(":/pictures/icon_%1.png").arg(size)));
    setWindowIcon(icon);
    placeWindow(this, layoutSize(Arrangement::Desktop));

    const auto named = [](QWidget* control, const QString& name) {
        control->setObjectName(name);
        return control;
    };
    const auto picture = [&](int index, const QString& name, const QString& path) {
        auto* image = new Image(index, this);
        named(image, name);
        image->setPicture(path);
        return image;
    };
    const auto banner = [&](const char* name, const char* stem, const QString& text) {
        Image* image = picture(-1, QLatin1String(name),
                               QStringLiteral(":/pictures/%1.png").arg(QLatin1String(stem)));
        image->setAccessibleName(text);
        return image;
    };
    const auto label = [&](const char* name, const QFont& font, quint32 colour) {
        auto* text = new Label(this);
        named(text, QLatin1String(name));
        text->setFont(font);
        text->setForeColor(colour);
        return text;
    };
    const auto nameOf = [&](int i) {
        Image* image = picture(i, QStringLiteral("imgWhat(%1)").arg(i), picturePath("what", i));
        image->setAccessibleName(toQString(Letters[std::size_t(i)].glyph) + QStringLiteral(" – ") +
                                 nameText(Letters[std::size_t(i)]));
        image->hide();
        imgWhat[std::size_t(i)] = image;
    };

    // Controls are created from the back to the front: each lies in front of those before it.
    for (int i = 0; i < LetterCount; ++i) {
        Image* letter = picture(i, QStringLiteral("imgBukv(%1)").arg(i), picturePath("bukv", i));
        letter->setToolTip(toolTipText(i));
        letter->setAccessibleName(toQString(Letters[std::size_t(i)].name));
        letter->setAccessibleDescription(toolTipText(i));
        imgBukv[std::size_t(i)] = letter;
    }
    lblObraz = label("lblObraz", timesNewRoman(20.25), MeaningsColour);
    for (int i = 0; i <= 6; ++i)
        nameOf(i);
    imgChoose =
        banner("imgChoose", "choose", QStringLiteral("Выберите буквицу, чтобы узнать о ней"));
    imgTitle = banner("imgTitle", "title", QStringLiteral("Древлесловенская Буквица"));
    for (int i = 7; i < LetterCount; ++i)
        nameOf(i);
    imgChoose2 =
        banner("imgChoose2", "choose2", QStringLiteral("Выберите буквицу, отвечающую образу:"));
    imgChoose2->hide();
    Shape1 = new Shape(PaleYellow, ShapeBorderWidth, this);
    named(Shape1, QStringLiteral("Shape1"));
    lblNum = label("lblNum", arial(15.75), Grey);
    imgChoose3 = banner("imgChoose3", "choose3", QStringLiteral("Выберите Азбучную Истину"));
    imgChoose3->hide();
    lblAzbIst = label("lblAzbIst", timesNewRoman(20.25), DarkBlue);
    lblAzbIst->hide();

    const auto button = [&](const char* name, const QString& caption, const QString& tip) {
        auto* push = new QPushButton(caption, this);
        named(push, QLatin1String(name));
        push->setFont(arial(15.75));
        push->setToolTip(tip);
        push->setAutoDefault(false);
        return push;
    };
    const auto list = [&](const char* name) {
        auto* items = new QListWidget(this);
        named(items, QLatin1String(name));
        items->setSortingEnabled(false);
        items->setFocusPolicy(Qt::NoFocus);
        items->hide();
        return items;
    };
    cmdCheck =
        button("cmdCheck", QStringLiteral("&Провериться"), QStringLiteral("Выполнить задание"));
    lstMix = list("lstMix");
    lstMix2 = list("lstMix2");
    cmdAzbIst = button("cmdAzbIst", QStringLiteral("К Азбучным &Истинам"),
                       QStringLiteral("Узнать об Азбучных Истинах"));

    directions_ = new QButtonGroup(this);
    const QString captions[] = {QStringLiteral("По &горизонтали"), QStringLiteral("По &вертикали"),
                                QStringLiteral("По &диагонали")};
    for (int k = 0; k < 3; ++k) {
        const QString name = QStringLiteral("optDirect(%1)").arg(k);
        auto* option = new QRadioButton(captions[k], this);
        named(option, name);
        option->setFont(arial(12));
        option->hide();
        directions_->addButton(option, k);
        optDirect[std::size_t(k)] = option;
    }
    optDirect[0]->setChecked(true);
    placeControls();

    setTabOrder(cmdAzbIst, cmdCheck);
    setTabOrder(cmdCheck, optDirect[0]);
    setTabOrder(optDirect[0], optDirect[1]);
    setTabOrder(optDirect[1], optDirect[2]);
    cmdAzbIst->setFocus();
}

// Tab goes round the buttons and the option group, which it enters at its selected option;
// the arrow keys move within the group.
bool frmBukv::focusNextPrevChild(bool next)
{
    QList<QWidget*> stops;
    for (QWidget* stop : {static_cast<QWidget*>(cmdAzbIst), static_cast<QWidget*>(cmdCheck),
                          static_cast<QWidget*>(directions_->checkedButton())})
        if (stop && stop->isVisibleTo(this) && stop->isEnabled())
            stops << stop;
    if (stops.isEmpty())
        return false;
    QWidget* current = focusWidget();
    if (qobject_cast<QRadioButton*>(current))
        current = directions_->checkedButton();
    const auto count = stops.size();
    const auto at = stops.indexOf(current);
    const auto target = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    stops[target]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// Puts every control where the arrangement in force has it. Only places and the pictures'
// drawn sizes change: what each control shows stays, and so does the state of the window.
void frmBukv::placeControls()
{
    const Table& table = tableOf(arrangement_);
    for (const Place& place : table.places) {
        const QString name = QString::fromLatin1(place.name.data(), qsizetype(place.name.size()));
        if (auto* control = findChild<QWidget*>(name, Qt::FindDirectChildrenOnly))
            control->setGeometry(toPixels(place.left, place.top, place.width, place.height));
    }
    for (Image* picture : {imgTitle, imgChoose, imgChoose2, imgChoose3})
        picture->setPictureScale(table.pictureScale);
    for (int i = 0; i < LetterCount; ++i) {
        const int row = i / GridSide, column = i % GridSide;
        imgBukv[std::size_t(i)]->setGeometry(toPixels(table.gridLeft + CellPitch * column,
                                                      table.gridTop + CellPitch * row, CellSize,
                                                      CellSize));
        Image* name = imgWhat[std::size_t(i)];
        name->setPictureScale(table.pictureScale);
        const QSize size = name->pictureSize();
        name->setGeometry(
            QRect(QPoint(toPixels(table.nameLeft), toPixels(table.nameTop)),
                  size.isValid() ? (QSizeF(size) * table.pictureScale).toSize() : QSize()));
    }
}

void frmBukv::arrange(Arrangement arrangement)
{
    arrangement_ = arrangement;
    placeControls();
    resizeLayout(this, layoutSize(arrangement));
}

QSize layoutSize(Arrangement arrangement)
{
    return rectOf(tableOf(arrangement), "frmBukv").size();
}

PageFit fitToPage(QSizeF page)
{
    if (page.isEmpty())
        return {Arrangement::Desktop, 1.0};
    const QSizeF desktop = layoutSize(Arrangement::Desktop);
    const bool upright = page.height() > page.width() && page.width() < desktop.width();
    const Arrangement arrangement = upright ? Arrangement::Portrait : Arrangement::Desktop;
    const QSizeF size = layoutSize(arrangement);
    const qreal fits = std::min(page.width() / size.width(), page.height() / size.height());
    // The desktop's window is never drawn larger than its own size; the portrait one grows to
    // fill a tall page, as on a tablet held upright.
    return {arrangement, upright ? fits : std::min(1.0, fits)};
}

void frmBukv::connectEvents()
{
    for (Image* letter : imgBukv) {
        connect(letter, &Image::Click, this, &frmBukv::imgBukv_Click);
        connect(letter, &Image::MouseMove, this, &frmBukv::imgBukv_MouseMove);
    }
    connect(cmdCheck, &QPushButton::clicked, this, &frmBukv::cmdCheck_Click);
    connect(cmdAzbIst, &QPushButton::clicked, this, &frmBukv::cmdAzbIst_Click);
    connect(directions_, &QButtonGroup::idClicked, this, &frmBukv::optDirect_Click);
}
