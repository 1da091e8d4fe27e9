// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of Знаковит from the letter table and writes them as PNG files.
//
//   znakovit_generator [--ico FILE] [--sheet DIR] [--web DIR] PICTURES_DIR
//
// PICTURES_DIR receives bukv_NN, what_NN, title, choose, choose2, choose3 (each with its
// @2x twin) and icon_16 … icon_256; the Windows icon goes to FILE (by default
// PICTURES_DIR/../znakovit.ico); with --sheet, DIR receives contact-sheet.png and
// contact-sheet@2x.png for review; with --web, DIR receives the browser edition's icons
// znakovit-192, znakovit-512 and znakovit-maskable-512 (packaging/web/icons).
#include "fonts.h"
#include "letterforms.h"
#include "output.h"
#include "pictures.h"

#include "content/letters.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QSet>

#include <cstdio>

using namespace gen;
using znakovit::LetterCount;
using znakovit::Letters;
using znakovit::toQString;

namespace {

void fail(const QString& what)
{
    std::fprintf(stderr, "znakovit_generator: %s\n", qPrintable(what));
    std::exit(1);
}

// Every character to be lettered must have a glyph of its own in its face: a missing one
// would be drawn as an empty box.
void checkCoverage()
{
    for (int i = 0; i < LetterCount; ++i) {
        const QString old = oldStyleText(toQString(Letters[i].name));
        if (!covers(Face::Old, old))
            fail(QStringLiteral("TriodPostnaja lacks a character of \"%1\"").arg(old));
        if (!covers(Face::Serif, toQString(Letters[i].sound)))
            fail(QStringLiteral("Liberation Serif lacks a character of \"%1\"")
                     .arg(toQString(Letters[i].sound)));
        if (leadingForms(i).path.isEmpty())
            fail(QStringLiteral("TriodPostnaja lacks the form of letter %1").arg(i));
    }
}

QString twoDigits(int i)
{
    return QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
}

// The limits the window is laid out for; a picture outside them is a fault of this program.
void checkNamePictures(const QList<QImage>& names)
{
    int tallestOther = 0;
    for (int i = 0; i < names.size(); ++i) {
        const QSize s = names[i].size();
        if (s.width() < NameMinWidth || s.width() > NameMaxWidth || s.height() > TallNameHeight)
            fail(
                QStringLiteral("name picture %1 is %2 x %3").arg(i).arg(s.width()).arg(s.height()));
        if (i != 44)
            tallestOther = std::max(tallestOther, s.height());
    }
    if (names[44].height() != TallNameHeight || tallestOther >= TallNameHeight)
        fail(QStringLiteral("the name picture of Ѯ must be the one tallest"));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the pictures of Знаковит."));
    parser.addHelpOption();
    const QCommandLineOption icoOption(QStringLiteral("ico"),
                                       QStringLiteral("Where to write the Windows icon."),
                                       QStringLiteral("file"));
    const QCommandLineOption sheetOption(QStringLiteral("sheet"),
                                         QStringLiteral("Where to write the contact sheets."),
                                         QStringLiteral("dir"));
    const QCommandLineOption webOption(
        QStringLiteral("web"), QStringLiteral("Where to write the icons of the browser edition."),
        QStringLiteral("dir"));
    parser.addOption(icoOption);
    parser.addOption(sheetOption);
    parser.addOption(webOption);
    parser.addPositionalArgument(QStringLiteral("pictures"),
                                 QStringLiteral("Directory to write the pictures into."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    const QDir out(parser.positionalArguments().constFirst());
    if (!QDir().mkpath(out.path()))
        fail(QStringLiteral("cannot make %1").arg(out.path()));
    const QString ico = parser.isSet(icoOption) ? parser.value(icoOption)
                                                : out.filePath(QStringLiteral("../znakovit.ico"));

    if (const QString missing = loadFonts(); !missing.isEmpty())
        fail(QStringLiteral("missing fonts:\n") + missing);
    checkCoverage();

    int written = 0;
    auto write = [&](const QString& path, const QByteArray& bytes) {
        if (!writeFile(path, bytes))
            fail(QStringLiteral("cannot write %1").arg(path));
        ++written;
    };
    auto writePair = [&](const QString& stem, auto draw) {
        write(out.filePath(stem + QStringLiteral(".png")), pngBytes(draw(1)));
        write(out.filePath(stem + QStringLiteral("@2x.png")), pngBytes(draw(2)));
    };

    QSet<QByteArray> seen;
    QList<QImage> names;
    for (int i = 0; i < LetterCount; ++i) {
        for (int scale : {1, 2}) {
            const QImage letter = letterPicture(i, scale);
            const QByteArray bits(reinterpret_cast<const char*>(letter.constBits()),
                                  letter.sizeInBytes());
            if (seen.contains(bits))
                fail(QStringLiteral("letter picture %1 looks like another one").arg(i));
            seen.insert(bits);
        }
        names.append(namePicture(i, 1));
        writePair(QStringLiteral("bukv_") + twoDigits(i),
                  [i](int s) { return letterPicture(i, s); });
        writePair(QStringLiteral("what_") + twoDigits(i), [i](int s) { return namePicture(i, s); });
    }
    checkNamePictures(names);

    writePair(QStringLiteral("title"), [](int s) { return titlePicture(s); });
    const QString banners[] = {QStringLiteral("choose"), QStringLiteral("choose2"),
                               QStringLiteral("choose3")};
    for (int b = 0; b < 3; ++b)
        writePair(banners[b], [b](int s) { return bannerPicture(b, s); });

    QList<QByteArray> icons;
    const QList<int> sides{16, 24, 32, 48, 64, 128, 256};
    for (int side : sides) {
        const QImage icon = iconPicture(side);
        write(out.filePath(QStringLiteral("icon_%1.png").arg(side)), pngBytes(icon));
        icons.append(pngBytes(icon, true));
    }
    write(ico, icoBytes(icons, sides));

    if (parser.isSet(sheetOption)) {
        const QDir sheets(parser.value(sheetOption));
        QDir().mkpath(sheets.path());
        write(sheets.filePath(QStringLiteral("contact-sheet.png")), pngBytes(contactSheet(1)));
        write(sheets.filePath(QStringLiteral("contact-sheet@2x.png")), pngBytes(contactSheet(2)));
    }
    if (parser.isSet(webOption)) {
        const QDir web(parser.value(webOption));
        if (!QDir().mkpath(web.path()))
            fail(QStringLiteral("cannot make %1").arg(web.path()));
        for (const auto& [name, icon] : appIconPictures())
            write(web.filePath(name + QStringLiteral(".png")), pngBytes(icon));
    }
    std::printf("wrote %d files\n", written);
    return 0;
}
