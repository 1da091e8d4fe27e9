// SPDX-License-Identifier: GPL-3.0-or-later
// The window right after start-up, the shared random numbers, and Uncheck.
#include "window/frmbukv.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <limits>

class tst_startup : public QObject
{
    Q_OBJECT

private slots:
    void noPluginLoadedByShow();
    void startState();
    void seededOnceAtStart();
    void uncheck_data();
    void uncheck();
    void randomBits_data();
    void randomBits();
    void randomSequences();
};

// Every picture is a PNG, which Qt reads without a plugin; a reader left to guess the
// format loads every image-format plugin, and an icon read from a file may load the
// icon engines. Runs first, so that nothing else in this suite has loaded them before.
void tst_startup::noPluginLoadedByShow()
{
#ifndef Q_OS_LINUX
    QSKIP("reads the loaded libraries from /proc/self/maps, which only Linux has");
#else
    frmBukv w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString loaded = QString::fromLocal8Bit(maps.readAll());
    QVERIFY(loaded.contains(QLatin1String("Qt6Gui"))); // the list is the real one
    for (const char* kind : {"/imageformats/", "/iconengines/"})
        QVERIFY2(!loaded.contains(QLatin1String(kind)),
                 qPrintable(QStringLiteral("a plugin from %1 is loaded").arg(QLatin1String(kind))));
#endif
}

void tst_startup::startState()
{
    frmBukv w;
    QVERIFY(w.AzbIst);
    QVERIFY(!w.Check);
    QCOMPARE(w.Last, qint16(0));
    QCOMPARE(w.Rand, qint16(0));
    for (int i = 0; i < znakovit::LetterCount; ++i) {
        QCOMPARE(w.imgBukv[std::size_t(i)]->borderStyle(), 0);
        QCOMPARE(w.Obraz[std::size_t(i)], znakovit::meanings(i));
        QVERIFY(!w.Obraz[std::size_t(i)].isEmpty());
    }
    QCOMPARE(w.palette().color(QPalette::Window), toQColor(ButtonFace));
    QCOMPARE(w.windowTitle(), QStringLiteral("Знаковит 1.7"));
}

void tst_startup::seededOnceAtStart()
{
    int seeded = 0, drawn = 0;
    Services services;
    services.Randomize = [&] { ++seeded; };
    services.Rnd = [&] {
        ++drawn;
        return 0.0f;
    };
    services.MsgBox = [](const QString&) {};
    frmBukv w(services);
    QCOMPARE(seeded, 1);
    QCOMPARE(drawn, 0);
}

void tst_startup::uncheck_data()
{
    QTest::addColumn<QList<int>>("framed");
    QTest::newRow("none framed") << QList<int>{};
    QTest::newRow("one letter") << QList<int>{5};
    QTest::newRow("a row") << QList<int>{7, 8, 9, 10, 11, 12, 13};
    QTest::newRow("the anti-diagonal") << QList<int>{6, 12, 18, 24, 30, 36, 42};
    QTest::newRow("the corners") << QList<int>{0, 6, 42, 48};
}

void tst_startup::uncheck()
{
    QFETCH(QList<int>, framed);
    frmBukv w;
    for (int i : framed)
        w.imgBukv[std::size_t(i)]->setBorderStyle(1);
    w.lblAzbIst->setText(QStringLiteral("Смысл"));
    w.lblObraz->setText(QStringLiteral("образ"));
    w.lblNum->setText(QStringLiteral("Число: 5"));
    w.imgWhat[5]->show();
    w.Last = 5;

    w.Uncheck();

    for (const Image* letter : w.imgBukv)
        QCOMPARE(letter->borderStyle(), 0);
    QCOMPARE(w.lblAzbIst->text(), QString());
    // Nothing else changes: labels, pictures, visibility and state stay.
    QCOMPARE(w.lblObraz->text(), QStringLiteral("образ"));
    QCOMPARE(w.lblNum->text(), QStringLiteral("Число: 5"));
    QVERIFY(!w.imgWhat[5]->isHidden());
    QVERIFY(w.lblAzbIst->isHidden());
    QCOMPARE(w.Last, qint16(5));
    QVERIFY(w.AzbIst);
}

void tst_startup::randomBits_data()
{
    QTest::addColumn<quint32>("word");
    QTest::addColumn<float>("expected");
    QTest::newRow("zero") << 0u << 0.0f;
    QTest::newRow("low bits are dropped") << 0xFFu << 0.0f;
    QTest::newRow("half") << 0x80000000u << 0.5f;
    QTest::newRow("largest") << 0xFFFFFFFFu << std::nextafter(1.0f, 0.0f);
}

void tst_startup::randomBits()
{
    QFETCH(quint32, word);
    QFETCH(float, expected);
    const float u = RandomSource::fromBits(word);
    QCOMPARE(u, expected);
    QVERIFY(u >= 0.0f && u < 1.0f);
    // The self-test's 48 letters and a 12-item shuffle never overflow their range.
    QVERIFY(int(48.0f * u) + 1 <= 48);
    QVERIFY(int(12.0f * u) + 1 <= 12);
}

void tst_startup::randomSequences()
{
    const auto draw = [](RandomSource& source) {
        QList<float> values;
        for (int k = 0; k < 16; ++k)
            values << source.next();
        return values;
    };
    RandomSource a, b, c;
    a.seed(1);
    b.seed(2);
    c.seed(1);
    const QList<float> first = draw(a);
    QCOMPARE(draw(c), first);
    QVERIFY(draw(b) != first);
    for (float u : first)
        QVERIFY(u >= 0.0f && u < 1.0f);

    // Two starts of the program seed from the clock and go their own ways.
    const auto start = [] {
        const Services services = Services::platform();
        services.Randomize();
        QList<float> values;
        for (int k = 0; k < 16; ++k)
            values << services.Rnd();
        return values;
    };
    const QList<float> run1 = start();
    QTest::qWait(2);
    QVERIFY(start() != run1);
}

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
