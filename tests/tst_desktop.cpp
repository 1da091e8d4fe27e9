// SPDX-License-Identifier: GPL-3.0-or-later
// The window on the desktops people run: any palette, any scale, window-state requests,
// placement on a screen larger than the window, and the letters' frame and click, read from
// the pixels the window has painted. CTest runs it at scales 1, 1.5 and 2 on a large screen.
#include "window/desktop.h"
#include "window/frmbukv.h"

#include <QApplication>
#include <QHash>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

Services quietServices()
{
    Services services;
    services.Randomize = [] {};
    // Steps through [0, 1), so that a shuffle draws every item in the end.
    services.Rnd = [step = 0]() mutable {
        step = (step + 1) % 97;
        return float(step) / 97.0f;
    };
    services.MsgBox = [](const QString&) {};
    return services;
}

// A dark desktop palette, like the dark colour schemes of the desktops' settings tools.
QPalette darkPalette()
{
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    return dark;
}

// The window as it paints itself, in device pixels, once the updates that wait are done.
QImage painted(QWidget& window)
{
    QTest::qWait(20);
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Counts the paint events that reach a control.
class Paints : public QObject
{
public:
    explicit Paints(QWidget* control) { control->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// A control's rectangle in the window's device pixels, each edge rounded as the painter does.
QRect deviceRect(const QWidget* control, qreal ratio)
{
    const QRect r(control->mapTo(control->window(), QPoint()), control->size());
    const int left = qRound(r.left() * ratio), top = qRound(r.top() * ratio);
    return QRect(QPoint(left, top),
                 QPoint(qRound((r.right() + 1) * ratio) - 1, qRound((r.bottom() + 1) * ratio) - 1));
}

struct Reading
{
    QColor back; // the most frequent colour
    QColor text; // the colour that stands out most against it
};

Reading read(const QImage& image, const QRect& area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb back = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            back = it.key();
        }
    QRgb text = back;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (contrastRatio(QColor(it.key()), QColor(back)) >
            contrastRatio(QColor(text), QColor(back)))
            text = it.key();
    return {QColor(back), QColor(text)};
}

} // namespace

class tst_Desktop : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void legibleOnAnyPalette_data();
    void legibleOnAnyPalette();
    void frameRing_data();
    void frameRing();
    void windowStates_data();
    void windowStates();
    void grownWindowKeepsItsLayoutCentred();
    void centredOnTheScreen();
    void keepsTheLearnersPlace();
    void clickNeedsPressAndReleaseOnTheLetter_data();
    void clickNeedsPressAndReleaseOnTheLetter();
    void platformChoice_data();
    void platformChoice();
};

void tst_Desktop::cleanup()
{
    QApplication::setPalette(QApplication::style()->standardPalette());
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->metaObject()->className()));
}

void tst_Desktop::legibleOnAnyPalette_data()
{
    QTest::addColumn<QPalette>("desktop");
    QTest::newRow("light desktop") << QApplication::style()->standardPalette();
    QTest::newRow("dark desktop") << darkPalette();
}

void tst_Desktop::legibleOnAnyPalette()
{
    QFETCH(QPalette, desktop);
    QApplication::setPalette(desktop);
    frmBukv w(quietServices());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const qreal ratio = w.devicePixelRatioF();

    // Each text against what lies behind it; the number label keeps the layout's grey, which
    // reaches 3.4:1 on the light back colour.
    struct Text
    {
        QWidget* control;
        QRect area;
        double least;
    };
    const auto whole = [&](QWidget* control) { return deviceRect(control, ratio); };
    const auto caption = [&](QPushButton* button) {
        return whole(button).adjusted(int(6 * ratio), int(6 * ratio), -int(6 * ratio),
                                      -int(6 * ratio));
    };
    const auto optionText = [&](QRadioButton* option) {
        QStyleOptionButton style;
        style.initFrom(option);
        const QRect text =
            option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        return whole(option).adjusted(int(text.left() * ratio), 0, 0, 0);
    };
    // Empty when every text reaches its least contrast.
    const auto failure = [&](const QImage& image, const QList<Text>& texts, const char* state) {
        for (const Text& t : texts) {
            const Reading r = read(image, t.area);
            const double found = contrastRatio(r.text, r.back);
            if (found < t.least)
                return QStringLiteral("%1 (%2): %3 on %4 is %5:1")
                    .arg(t.control->objectName(), QLatin1String(state), r.text.name(),
                         r.back.name())
                    .arg(found, 0, 'f', 2);
        }
        return QString();
    };

    // Letter study: a framed letter, its number and meanings, the two buttons.
    w.imgBukv_Click(0);
    QImage image = painted(w);
    QString failed = failure(image,
                             {{w.lblNum, whole(w.lblNum), 3.0},
                              {w.lblObraz, whole(w.lblObraz), 4.5},
                              {w.cmdAzbIst, caption(w.cmdAzbIst), 4.5},
                              {w.cmdCheck, caption(w.cmdCheck), 4.5}},
                             "study");
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    // The frame against the letter it surrounds.
    const QRect letter = whole(w.imgBukv[0]);
    const QColor frame(image.pixel(letter.center().x(), letter.top()));
    const QColor ground = read(image, letter).back;
    QVERIFY2(contrastRatio(frame, ground) >= 3.0,
             qPrintable(frame.name() + " on " + ground.name()));
    // The window's back colour is the light grey its pictures are drawn on: no dark notch
    // where a label covers a picture.
    const QColor back(image.pixel(int(3 * ratio), int(3 * ratio)));
    QVERIFY2(contrastRatio(back, read(image, whole(w.imgTitle)).back) < 1.1,
             qPrintable(back.name()));

    // A question in red.
    w.cmdCheck_Click();
    failed = failure(painted(w), {{w.lblObraz, whole(w.lblObraz), 4.5}}, "question");
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    w.imgBukv_Click(w.Rand);

    // The alphabet truths: the options on their banner, a sentence, a framed line.
    w.cmdAzbIst_Click();
    w.imgBukv_MouseMove(8);
    image = painted(w);
    failed = failure(image,
                     {{w.lblAzbIst, whole(w.lblAzbIst), 4.5},
                      {w.optDirect[0], optionText(w.optDirect[0]), 4.5},
                      {w.optDirect[1], optionText(w.optDirect[1]), 4.5},
                      {w.optDirect[2], optionText(w.optDirect[2]), 4.5},
                      {w.cmdAzbIst, caption(w.cmdAzbIst), 4.5}},
                     "truths");
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    const QRect inLine = whole(w.imgBukv[10]);
    const QColor lineFrame(image.pixel(inLine.left(), inLine.center().y()));
    QVERIFY2(contrastRatio(lineFrame, read(image, inLine).back) >= 3.0,
             qPrintable(lineFrame.name()));
}

void tst_Desktop::frameRing_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("top-left corner letter") << 0;
    QTest::newRow("middle letter") << 24;
    QTest::newRow("bottom-right corner letter") << 48;
}

// A framed letter shows a black ring on its outermost device pixels, on all four sides and
// about one logical pixel thick; inside it the picture is the same, pixel for pixel; outside
// it nothing changes; an unframed letter shows none. A change of style repaints the letter.
void tst_Desktop::frameRing()
{
    QFETCH(int, index);
    frmBukv w(quietServices());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Image* letter = w.imgBukv[std::size_t(index)];
    const qreal ratio = w.devicePixelRatioF();
    const int thick = std::max(1, qRound(ratio));
    const QRect r = deviceRect(letter, ratio);
    const QRect inside = r.adjusted(thick, thick, -thick, -thick);
    const QRect around = r.adjusted(-2, -2, 2, 2);

    const auto ringPixels = [&](const QImage& image) {
        QList<QRgb> ring;
        for (int d = 0; d < thick; ++d)
            for (int x = r.left(); x <= r.right(); ++x)
                ring << image.pixel(x, r.top() + d) << image.pixel(x, r.bottom() - d);
        for (int d = 0; d < thick; ++d)
            for (int y = r.top(); y <= r.bottom(); ++y)
                ring << image.pixel(r.left() + d, y) << image.pixel(r.right() - d, y);
        return ring;
    };
    const auto outside = [&](const QImage& image) {
        QImage copy = image.copy(around);
        for (int y = 0; y < copy.height(); ++y)
            for (int x = 0; x < copy.width(); ++x)
                if (r.contains(around.topLeft() + QPoint(x, y)))
                    copy.setPixel(x, y, 0);
        return copy;
    };
    const auto allBlack = [&](const QImage& image) {
        const QList<QRgb> ring = ringPixels(image);
        return std::all_of(ring.cbegin(), ring.cend(), [](QRgb p) { return qGray(p) == 0; });
    };
    const auto noneDark = [&](const QImage& image) {
        const QList<QRgb> ring = ringPixels(image);
        return std::none_of(ring.cbegin(), ring.cend(), [](QRgb p) { return qGray(p) < 128; });
    };

    const QImage plain = painted(w);
    QVERIFY2(noneDark(plain), "an unframed letter shows a ring");
    Paints paints(letter);
    letter->setBorderStyle(Framed);
    QTRY_VERIFY2(paints.count > 0, "the letter is not repainted");
    const QImage framed = painted(w);
    QVERIFY2(allBlack(framed), "the ring is missing or not on the outermost pixels");
    QCOMPARE(framed.copy(inside), plain.copy(inside));
    QCOMPARE(outside(framed), outside(plain));
    QCOMPARE(letter->geometry().size(), QSize(50, 50));

    paints.count = 0;
    letter->setBorderStyle(Unframed);
    QTRY_VERIFY2(paints.count > 0, "the letter is not repainted");
    QCOMPARE(painted(w).copy(r), plain.copy(r));
}

void tst_Desktop::windowStates_data()
{
    QTest::addColumn<Qt::WindowStates>("state");
    QTest::newRow("maximised") << Qt::WindowStates(Qt::WindowMaximized);
    QTest::newRow("full screen") << Qt::WindowStates(Qt::WindowFullScreen);
    QTest::newRow("maximised and full screen")
        << Qt::WindowStates(Qt::WindowMaximized | Qt::WindowFullScreen);
}

// Where the platform keeps a fixed size, a request to maximise or fill the screen leaves the
// window as it was: 1190 × 552, its layout in place, a close box only.
void tst_Desktop::windowStates()
{
    QFETCH(Qt::WindowStates, state);
    frmBukv w(quietServices());
    const Qt::WindowFlags flags = w.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint where = w.pos();
    const QRect letter = w.imgBukv[48]->geometry();

    w.setWindowState(state);
    QTest::qWait(50);
    QTRY_VERIFY(!(w.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)));
    QTRY_COMPARE(w.size(), QSize(1190, 552));
    QCOMPARE(w.pos(), where);
    QCOMPARE(w.imgBukv[48]->geometry(), letter);
    w.imgBukv_Click(48);
    QCOMPARE(w.imgBukv[48]->borderStyle(), Framed);
}

// Where the platform sets the size itself (native Wayland), the window grows and its layout
// stays whole, centred in it.
void tst_Desktop::grownWindowKeepsItsLayoutCentred()
{
    frmBukv w(quietServices());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect title = w.imgTitle->geometry(), letter = w.imgBukv[0]->geometry();
    w.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    w.resize(1400, 800);
    QTRY_COMPARE(w.size(), QSize(1400, 800));
    const QPoint by(105, 124);
    QCOMPARE(w.imgTitle->geometry(), title.translated(by));
    QCOMPARE(w.imgBukv[0]->geometry(), letter.translated(by));
    QCOMPARE(w.childAt(letter.center() + by), w.imgBukv[0]);
    w.resize(1190, 552);
    QTRY_COMPARE(w.imgBukv[0]->geometry(), letter);
}

void tst_Desktop::centredOnTheScreen()
{
    frmBukv w(quietServices());
    const QRect available = w.screen()->availableGeometry();
    if (available.width() < 1200 || available.height() < 600)
        QSKIP("the screen is smaller than the window; CTest gives this suite a larger one");
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The frame, as the platform reports it, centred on the available area.
    QTRY_VERIFY2((w.frameGeometry().center() - available.center()).manhattanLength() <= 1,
                 qPrintable(QStringLiteral("frame at %1,%2 %3×%4")
                                .arg(w.frameGeometry().x())
                                .arg(w.frameGeometry().y())
                                .arg(w.frameGeometry().width())
                                .arg(w.frameGeometry().height())));
}

// Centred once; then the window stands where it was put, through a minimise and a restore
// or a hide and a show, as long as it stays open.
void tst_Desktop::keepsTheLearnersPlace()
{
    frmBukv w(quietServices());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint aside = w.screen()->availableGeometry().topLeft() + QPoint(40, 30);
    w.move(aside);
    QTRY_COMPARE(w.pos(), aside);

    w.showMinimized();
    QTRY_VERIFY(w.isMinimized());
    w.showNormal();
    QTRY_VERIFY(!w.isMinimized());
    QTest::qWait(100);
    QCOMPARE(w.pos(), aside);

    w.hide();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(100);
    QCOMPARE(w.pos(), aside);
}

void tst_Desktop::clickNeedsPressAndReleaseOnTheLetter_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<bool>("pressHere");
    QTest::addColumn<int>("clicks");
    QTest::newRow("pressed and released on it") << Qt::LeftButton << QPoint(25, 25) << true << 1;
    QTest::newRow("released on its last pixel") << Qt::LeftButton << QPoint(49, 49) << true << 1;
    QTest::newRow("released just right of it") << Qt::LeftButton << QPoint(50, 25) << true << 0;
    QTest::newRow("released above it") << Qt::LeftButton << QPoint(25, -1) << true << 0;
    QTest::newRow("released on the next letter") << Qt::LeftButton << QPoint(60, 25) << true << 0;
    QTest::newRow("right button") << Qt::RightButton << QPoint(25, 25) << true << 0;
    QTest::newRow("pressed elsewhere") << Qt::LeftButton << QPoint(25, 25) << false << 0;
}

void tst_Desktop::clickNeedsPressAndReleaseOnTheLetter()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, release);
    QFETCH(bool, pressHere);
    QFETCH(int, clicks);
    frmBukv w(quietServices());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Image* letter = w.imgBukv[8];
    QSignalSpy clicked(letter, &Image::Click);
    QVERIFY(clicked.isValid());
    if (pressHere)
        QTest::mousePress(letter, button, {}, QPoint(25, 25));
    else
        QTest::mousePress(w.imgBukv[9], button, {}, QPoint(25, 25));
    // The letter holds the pointer from the press: the release comes to it wherever it is.
    QTest::mouseRelease(letter, button, {}, release);
    QCOMPARE(clicked.count(), clicks);
    QCOMPARE(letter->borderStyle(), clicks ? Framed : Unframed);
}

void tst_Desktop::platformChoice_data()
{
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("session");
    QTest::addColumn<QByteArray>("x11");
    QTest::addColumn<QByteArray>("platform");
    QTest::newRow("Wayland with XWayland")
        << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray(":0")
        << QByteArray("xcb;wayland");
    QTest::newRow("Wayland session, socket unset")
        << QByteArray() << QByteArray() << QByteArray("wayland") << QByteArray(":1")
        << QByteArray("xcb;wayland");
    QTest::newRow("Wayland without XWayland")
        << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray()
        << QByteArray();
    QTest::newRow("the user chose Wayland")
        << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray("wayland")
        << QByteArray(":0") << QByteArray();
    QTest::newRow("X11 session") << QByteArray() << QByteArray() << QByteArray("x11")
                                 << QByteArray(":0") << QByteArray();
}

void tst_Desktop::platformChoice()
{
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, session);
    QFETCH(QByteArray, x11);
    QFETCH(QByteArray, platform);
    QCOMPARE(preferredPlatform(chosen, wayland, session, x11), platform);
}

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
