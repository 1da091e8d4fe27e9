// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures compiled into the program: every one there at its size with its @2x twin,
// letters in their colours clear of the edges, lettering present, no two letters alike.
#include "content/letters.h"

#include <QColor>
#include <QImage>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>

using znakovit::LetterColour;
using znakovit::LetterCount;
using znakovit::Letters;

namespace {

constexpr int LetterSide = 50;
constexpr QSize TitleSize(675, 56);
constexpr QSize BannerSize(671, 89);
constexpr int NameMinWidth = 265, NameMaxWidth = 655, NameMinHeight = 46, NameMaxHeight = 73;
constexpr int TallName = 44; // Ѯ: its name picture is the one tallest
const QRgb White = qRgb(255, 255, 255);
const QRgb Ground = qRgb(240, 240, 240);

QString twoDigits(int i)
{
    return QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
}

QString resource(const QString& stem, int scale)
{
    return QStringLiteral(":/pictures/%1%2.png")
        .arg(stem, scale == 2 ? QStringLiteral("@2x") : QString());
}

QImage load(const QString& stem, int scale)
{
    return QImage(resource(stem, scale)).convertToFormat(QImage::Format_RGB32);
}

// The colour each letter picture is drawn in, written out here on its own so that a wrong
// entry in the letter table shows up as well as a wrong picture.
LetterColour expectedColour(int i)
{
    if (i == 24)
        return LetterColour::Yellow;
    const bool red = i == 0 || i == 5 || i == 6 || (i >= 10 && i <= 13) || i == 18 || i == 23 ||
                     i == 27 || (i >= 32 && i <= 43) || i == 47 || i == 48;
    return red ? LetterColour::Red : LetterColour::Blue;
}

// Ink is any pixel at least this far below white in some channel; fainter edge pixels of the
// antialiasing are too close to white to tell one colour from another.
bool isInk(QRgb p)
{
    return std::min({qRed(p), qGreen(p), qBlue(p)}) <= 239;
}

// Whether p is the letter colour, or it blended with white by the antialiasing: the channel
// the colour has at full keeps 255, the others fall together in the colour's proportions.
bool inClass(QRgb p, LetterColour colour)
{
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    switch (colour) {
    case LetterColour::Red: // 255, 51, 51
        return r >= 253 && std::abs(g - b) <= 3;
    case LetterColour::Blue: // 0, 0, 255
        return b >= 253 && std::abs(r - g) <= 3;
    case LetterColour::Yellow: // 255, 212, 0: green falls 43/255 as fast as blue
        return r >= 253 && std::abs((255 - g) - (255 - b) * 43.0 / 255) <= 3;
    }
    return false;
}

QRgb fullColour(LetterColour colour)
{
    switch (colour) {
    case LetterColour::Red:
        return qRgb(255, 51, 51);
    case LetterColour::Yellow:
        return qRgb(255, 212, 0);
    case LetterColour::Blue:
        break;
    }
    return qRgb(0, 0, 255);
}

bool near(QRgb a, QRgb b, int tolerance = 2)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The first pixel of the ring `width` pixels wide round the picture's edge that is not
// `ground`, as "x,y", or an empty string when the ring is all ground.
QString inkOnRing(const QImage& image, int width, QRgb ground)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool ring =
                x < width || y < width || x >= image.width() - width || y >= image.height() - width;
            if (ring && image.pixel(x, y) != ground)
                return QStringLiteral("%1,%2").arg(x).arg(y);
        }
    return {};
}

int countPixels(const QImage& image, const std::function<bool(QRgb)>& which)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += which(image.pixel(x, y)) ? 1 : 0;
    return n;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void letterInk_data();
    void letterInk();
    void lettersDiffer_data();
    void lettersDiffer();
    void nameLettering_data();
    void nameLettering();
    void tallestName();
    void titleAndBanners_data();
    void titleAndBanners();
    void icons_data();
    void icons();
};

// Every picture at its size; a twin is exactly double. A name picture has no one size: it is
// as wide as its lettering, within the room the window gives it.
void TestPictures::sizes_data()
{
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QSize>("size"); // invalid: a name picture, checked against its limits
    QTest::addColumn<bool>("twin");
    for (int i = 0; i < LetterCount; ++i) {
        const QString bukv = QStringLiteral("bukv_") + twoDigits(i);
        const QString what = QStringLiteral("what_") + twoDigits(i);
        QTest::newRow(qPrintable(bukv)) << bukv << QSize(LetterSide, LetterSide) << true;
        QTest::newRow(qPrintable(what)) << what << QSize() << true;
    }
    QTest::newRow("title") << QStringLiteral("title") << TitleSize << true;
    for (const char* banner : {"choose", "choose2", "choose3"})
        QTest::newRow(banner) << QString::fromLatin1(banner) << BannerSize << true;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        const QString icon = QStringLiteral("icon_%1").arg(side);
        QTest::newRow(qPrintable(icon)) << icon << QSize(side, side) << false;
    }
}

void TestPictures::sizes()
{
    QFETCH(QString, stem);
    QFETCH(QSize, size);
    QFETCH(bool, twin);
    const QImage one = load(stem, 1);
    QVERIFY2(!one.isNull(), qPrintable(resource(stem, 1)));
    if (size.isValid()) {
        QCOMPARE(one.size(), size);
    } else {
        QVERIFY2(one.width() >= NameMinWidth && one.width() <= NameMaxWidth,
                 qPrintable(QString::number(one.width())));
        QVERIFY2(one.height() >= NameMinHeight && one.height() <= NameMaxHeight,
                 qPrintable(QString::number(one.height())));
    }
    const QImage two = load(stem, 2);
    if (twin) {
        QVERIFY2(!two.isNull(), qPrintable(resource(stem, 2)));
        QCOMPARE(two.size(), one.size() * 2);
    } else {
        QVERIFY2(two.isNull(), "an icon has no @2x twin");
    }
}

// Each letter picture is drawn in its letter's colour alone, on white, clear of the edge, and
// has a body of ink (a glyph the font lacked would leave it blank).
void TestPictures::letterInk_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("scale");
    for (int i = 0; i < LetterCount; ++i)
        for (int scale : {1, 2})
            QTest::addRow("bukv_%s%s", qPrintable(twoDigits(i)), scale == 2 ? "@2x" : "")
                << i << scale;
}

void TestPictures::letterInk()
{
    QFETCH(int, index);
    QFETCH(int, scale);
    const LetterColour colour = expectedColour(index);
    QCOMPARE(int(Letters[index].colour), int(colour));
    const QImage image = load(QStringLiteral("bukv_") + twoDigits(index), scale);
    QVERIFY(!image.isNull());

    const QString touching = inkOnRing(image, scale, White);
    QVERIFY2(touching.isEmpty(), qPrintable(QStringLiteral("ink at the edge, ") + touching));

    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (isInk(p) && !inClass(p, colour))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, not of the letter's colour")
                                     .arg(x)
                                     .arg(y)
                                     .arg(QColor(p).name())));
        }
    // A letter some 40 px high has a few hundred pixels of solid colour at 1x.
    const int solid = countPixels(image, [&](QRgb p) { return near(p, fullColour(colour)); });
    QVERIFY2(solid >= 150 * scale * scale, qPrintable(QString::number(solid)));
}

void TestPictures::lettersDiffer_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
}

void TestPictures::lettersDiffer()
{
    QFETCH(int, scale);
    QList<QImage> images;
    for (int i = 0; i < LetterCount; ++i)
        images.append(load(QStringLiteral("bukv_") + twoDigits(i), scale));
    for (int i = 0; i < LetterCount; ++i)
        for (int j = i + 1; j < LetterCount; ++j)
            QVERIFY2(images[i] != images[j],
                     qPrintable(QStringLiteral("bukv_%1 and bukv_%2 are alike")
                                    .arg(twoDigits(i), twoDigits(j))));
}

// Black lettering on the window's grey, clear of the edges, with enough ink for the glyph,
// the dash, the name and the sound hint.
void TestPictures::nameLettering_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("scale");
    for (int i = 0; i < LetterCount; ++i)
        for (int scale : {1, 2})
            QTest::addRow("what_%s%s", qPrintable(twoDigits(i)), scale == 2 ? "@2x" : "")
                << i << scale;
}

void TestPictures::nameLettering()
{
    QFETCH(int, index);
    QFETCH(int, scale);
    const QImage image = load(QStringLiteral("what_") + twoDigits(index), scale);
    QVERIFY(!image.isNull());
    const QString touching = inkOnRing(image, 2 * scale, Ground);
    QVERIFY2(touching.isEmpty(), qPrintable(QStringLiteral("ink at the edge, ") + touching));
    const int coloured =
        countPixels(image, [](QRgb p) { return qRed(p) != qGreen(p) || qGreen(p) != qBlue(p); });
    QCOMPARE(coloured, 0);
    // Over 200 px of dark ink per character of the shortest line, "А – Азъ (а)", at 1x.
    const int dark = countPixels(image, [](QRgb p) { return qGray(p) < 96; });
    QVERIFY2(dark >= 800 * scale * scale, qPrintable(QString::number(dark)));
}

void TestPictures::tallestName()
{
    for (int scale : {1, 2}) {
        QCOMPARE(load(QStringLiteral("what_") + twoDigits(TallName), scale).height(),
                 NameMaxHeight * scale);
        for (int i = 0; i < LetterCount; ++i)
            if (i != TallName)
                QVERIFY2(load(QStringLiteral("what_") + twoDigits(i), scale).height() <
                             NameMaxHeight * scale,
                         qPrintable(twoDigits(i)));
    }
}

// The title lettered in dark green; each banner's arrow in its own colour inside a black ring,
// with its black line of text; all on the window's grey, clear of the edges.
void TestPictures::titleAndBanners_data()
{
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<int>("minimum"); // solid pixels of that colour at 1x
    QTest::addColumn<bool>("blackText");
    QTest::newRow("title") << QStringLiteral("title") << qRgb(0, 64, 0) << 2000 << false;
    QTest::newRow("choose") << QStringLiteral("choose") << qRgb(55, 166, 1) << 400 << true;
    QTest::newRow("choose2") << QStringLiteral("choose2") << qRgb(208, 0, 0) << 400 << true;
    QTest::newRow("choose3") << QStringLiteral("choose3") << qRgb(14, 62, 186) << 400 << true;
}

void TestPictures::titleAndBanners()
{
    QFETCH(QString, stem);
    QFETCH(QRgb, colour);
    QFETCH(int, minimum);
    QFETCH(bool, blackText);
    for (int scale : {1, 2}) {
        const QImage image = load(stem, scale);
        QVERIFY(!image.isNull());
        const QString touching = inkOnRing(image, 2 * scale, Ground);
        QVERIFY2(touching.isEmpty(), qPrintable(QStringLiteral("ink at the edge, ") + touching));
        const int solid = countPixels(image, [&](QRgb p) { return near(p, colour); });
        QVERIFY2(solid >= minimum * scale * scale, qPrintable(QString::number(solid)));
        if (blackText) {
            // The ring in the left sixth (its outline alone is some 600 px at 1x), the text
            // right of it (over 1000 px).
            const auto black = [](QRgb p) { return qGray(p) < 40; };
            const int left = image.width() / 6;
            const int ring = countPixels(image.copy(0, 0, left, image.height()), black);
            const int text =
                countPixels(image.copy(left, 0, image.width() - left, image.height()), black);
            QVERIFY2(ring >= 400 * scale * scale, qPrintable(QString::number(ring)));
            QVERIFY2(text >= 700 * scale * scale, qPrintable(QString::number(text)));
        }
    }
}

// The window icon: white cells on cream with red, blue and the one yellow letter.
void TestPictures::icons_data()
{
    QTest::addColumn<int>("side");
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        QTest::addRow("icon_%d", side) << side;
}

void TestPictures::icons()
{
    QFETCH(int, side);
    const QImage image = load(QStringLiteral("icon_%1").arg(side), 1);
    QVERIFY(!image.isNull());
    const auto has = [&](QRgb colour) {
        return countPixels(image, [&](QRgb p) { return near(p, colour); });
    };
    QVERIFY(has(qRgb(246, 246, 231)) > 0);
    QVERIFY(has(White) > side * side / 4);
    QVERIFY(has(fullColour(LetterColour::Red)) >= 4);
    QVERIFY(has(fullColour(LetterColour::Blue)) >= 4);
    QVERIFY(has(fullColour(LetterColour::Yellow)) >= 4);
}

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
