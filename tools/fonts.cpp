// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>

namespace gen {

namespace {

struct FaceFile
{
    const char* family;
    const char* file;
    const char* package;
};

constexpr FaceFile Files[] = {
    {"TriodPostnaja", "/usr/share/fonts/truetype/triod-postnaja/TriodPostnaja.ttf",
     "fonts-triod-postnaja"},
    {"Liberation Serif", "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf",
     "fonts-liberation2"},
    {"Liberation Sans", "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
     "fonts-liberation2"},
};

const FaceFile& fileOf(Face face)
{
    return Files[static_cast<int>(face)];
}

} // namespace

QString loadFonts()
{
    QString missing;
    for (const FaceFile& f : Files) {
        const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(f.file));
        if (id < 0 || !QFontDatabase::applicationFontFamilies(id).contains(f.family))
            missing += QStringLiteral("%1 (%2, from the Debian package %3)\n")
                           .arg(f.family, f.file, f.package);
    }
    return missing;
}

QFont font(Face face)
{
    QFont f(QString::fromUtf8(fileOf(face).family));
    f.setPixelSize(int(EmPx));
    // A glyph the face lacks must show up as missing, not be borrowed from another face.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

bool covers(Face face, const QString& text)
{
    const QFontMetricsF fm(font(face));
    for (const char32_t c : text.toUcs4())
        if (!fm.inFontUcs4(c))
            return false;
    return true;
}

Run textRun(Face face, const QString& text)
{
    const QFont f = font(face);
    Run run;
    run.path.addText(0, 0, f, text);
    run.advance = QFontMetricsF(f).horizontalAdvance(text);
    return run;
}

} // namespace gen
