// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the learner sees it: places, fonts, colours, texts, stacking, keyboard.
#include "window/frmbukv.h"

#include "testsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace znakovit;

namespace {

QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

QPoint twipsPoint(int x, int y)
{
    return {x / 15, y / 15};
}

// The name pictures stand from this corner and stay inside the banner area.
const QPoint NameCorner = twipsPoint(7320, 2160);
const QRect BannerArea = twips(7080, 1920, 10065, 1335);

Services quietServices()
{
    Services services;
    services.Randomize = [] {};
    services.Rnd = [] { return 0.0f; };
    services.MsgBox = [](const QString&) {};
    return services;
}

} // namespace

class tst_layout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void window();
    void geometry_data();
    void geometry();
    void letterPictures_data();
    void letterPictures();
    void namePictures_data();
    void namePictures();
    void fonts_data();
    void fonts();
    void textColours_data();
    void textColours();
    void captions();
    void startState();
    void stacking();
    void shapeLetsThePointerThrough();
    void framedLetterKeepsItsPicture();
    void labelsClipLongText();
    void tabOrder();
    void accessKeys_data();
    void accessKeys();
    void denseScreens();
    void screenReaders();
    void pageFit_data();
    void pageFit();
    void portrait();
    void portraitTextsFit();
    void turnKeepsWhatIsShown_data();
    void turnKeepsWhatIsShown();
};

void tst_layout::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
            std::none_of(QApplication::topLevelWidgets().cbegin(),
                         QApplication::topLevelWidgets().cend(),
                         [](const QWidget* w) { return w->isVisible(); }));
}

void tst_layout::window()
{
    frmBukv w(quietServices());
    QCOMPARE(w.windowTitle(), QStringLiteral("Знаковит 1.7"));
    QCOMPARE(w.size(), QSize(1190, 552));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    const Qt::WindowFlags flags = w.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!w.windowIcon().isNull());
    QVERIFY(w.windowIcon().availableSizes().contains(QSize(48, 48)));

    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    if (available.width() >= w.width() && available.height() >= w.height())
        QVERIFY(std::abs(w.geometry().center().x() - available.center().x()) <= 1);
    else
        QVERIFY(available.contains(w.geometry().topLeft()));
}

void tst_layout::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("imgTitle") << "imgTitle" << twips(3960, 600, 10125, 840);
    QTest::newRow("lblNum") << "lblNum" << twips(720, 1320, 3855, 375);
    QTest::newRow("Shape1") << "Shape1" << twips(600, 1800, 6015, 6015);
    QTest::newRow("imgChoose") << "imgChoose" << twips(7080, 1920, 10065, 1335);
    QTest::newRow("imgChoose2") << "imgChoose2" << twips(7080, 1920, 10065, 1335);
    QTest::newRow("imgChoose3") << "imgChoose3" << twips(7080, 1920, 10065, 1335);
    QTest::newRow("optDirect(0)") << "optDirect(0)" << twips(8640, 3000, 2055, 270);
    QTest::newRow("optDirect(1)") << "optDirect(1)" << twips(10920, 3000, 1815, 270);
    QTest::newRow("optDirect(2)") << "optDirect(2)" << twips(12960, 3000, 1815, 270);
    QTest::newRow("lblObraz") << "lblObraz" << twips(6960, 3480, 10095, 2895);
    QTest::newRow("lblAzbIst") << "lblAzbIst" << twips(6960, 3480, 10095, 2895);
    QTest::newRow("cmdAzbIst") << "cmdAzbIst" << twips(7080, 7080, 3615, 975);
    QTest::newRow("cmdCheck") << "cmdCheck" << twips(10920, 7080, 3015, 975);
    QTest::newRow("lstMix") << "lstMix" << twips(16800, -2520, 3615, 3210);
    QTest::newRow("lstMix2") << "lstMix2" << twips(17040, -2640, 3615, 3210);
}

void tst_layout::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    frmBukv w(quietServices());
    const auto* control = w.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), rect);
}

void tst_layout::letterPictures_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("toolTip");
    for (int i = 0; i < LetterCount; ++i)
        QTest::addRow("imgBukv(%d)", i)
            << i << twips(720 + 840 * (i % 7), 1920 + 840 * (i / 7), 750, 750) << toolTipText(i);
    // The ends of the grid, written out as the learner would measure them.
    QTest::newRow("imgBukv(48) corner") << 48 << twips(5760, 6960, 750, 750) << QString();
    QTest::newRow("imgBukv(7) corner") << 7 << twips(720, 2760, 750, 750) << QString();
    QTest::newRow("letter 29's number") << 29 << twips(1560, 5280, 750, 750) << "Число: 90";
    QTest::newRow("letter 1 has none") << 1 << twips(1560, 1920, 750, 750) << QString();
}

void tst_layout::letterPictures()
{
    QFETCH(int, index);
    QFETCH(QRect, rect);
    QFETCH(QString, toolTip);
    frmBukv w(quietServices());
    const Image* letter = w.imgBukv[std::size_t(index)];
    QCOMPARE(letter->geometry(), rect);
    if (!QTest::currentDataTag() || !QByteArray(QTest::currentDataTag()).contains("corner"))
        QCOMPARE(letter->toolTip(), toolTip);
    QCOMPARE(letter->index(), index);
    QCOMPARE(letter->focusPolicy(), Qt::NoFocus);
    // No two letters touch: a gap of 6 pixels on every side.
    for (const Image* other : w.imgBukv)
        if (other != letter)
            QVERIFY(!letter->geometry().adjusted(-5, -5, 5, 5).intersects(other->geometry()));
}

void tst_layout::namePictures_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < LetterCount; ++i)
        QTest::addRow("imgWhat(%d)", i) << i;
}

void tst_layout::namePictures()
{
    QFETCH(int, index);
    frmBukv w(quietServices());
    const Image* name = w.imgWhat[std::size_t(index)];
    const QImage picture(name->picture());
    QVERIFY(!picture.isNull());
    QCOMPARE(name->geometry(), QRect(NameCorner, picture.size()));
    QVERIFY(BannerArea.contains(name->geometry()));
    QVERIFY(name->toolTip().isEmpty());
    if (index == 44)
        QCOMPARE(name->geometry().bottom() + 1, BannerArea.bottom() + 1);
}

void tst_layout::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QStringList>("families");
    const QStringList arial{"Arial", "Liberation Sans"};
    const QStringList times{"Times New Roman", "Liberation Serif"};
    QTest::newRow("lblNum") << "lblNum" << 15.75 << arial;
    QTest::newRow("lblObraz") << "lblObraz" << 20.25 << times;
    QTest::newRow("lblAzbIst") << "lblAzbIst" << 20.25 << times;
    QTest::newRow("cmdAzbIst") << "cmdAzbIst" << 15.75 << arial;
    QTest::newRow("cmdCheck") << "cmdCheck" << 15.75 << arial;
    for (int k = 0; k < 3; ++k)
        QTest::addRow("optDirect(%d)", k)
            << QStringLiteral("optDirect(%1)").arg(k) << 12.0 << arial;
}

void tst_layout::fonts()
{
    QFETCH(QString, name);
    QFETCH(qreal, points);
    QFETCH(QStringList, families);
    frmBukv w(quietServices());
    const auto* control = w.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    const QFont font = control->font();
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.weight(), QFont::Normal);
    QVERIFY(!font.italic());
    QVERIFY(!font.families().isEmpty());
    QVERIFY(families.contains(font.families().first()));
    // Where the face itself is missing, its metric twin stands in, asked for alone: a list
    // of faces has Qt search fontconfig's fallbacks before the first paint.
    const QString used = QFontInfo(font).family();
    if (families.contains(used) == false)
        QSKIP(qPrintable(QStringLiteral("neither face is installed; got %1").arg(used)));
    QCOMPARE(font.families().size(), 1);
}

void tst_layout::textColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint32>("bgr");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("lblNum grey") << "lblNum" << 0x00808080u << QColor(128, 128, 128);
    QTest::newRow("lblObraz dark green") << "lblObraz" << 0x00004000u << QColor(0, 64, 0);
    QTest::newRow("lblAzbIst dark blue") << "lblAzbIst" << 0x00C00000u << QColor(0, 0, 192);
}

void tst_layout::textColours()
{
    QFETCH(QString, name);
    QFETCH(quint32, bgr);
    QFETCH(QColor, colour);
    frmBukv w(quietServices());
    const auto* label = w.findChild<Label*>(name);
    QVERIFY(label != nullptr);
    QCOMPARE(label->foreColor(), bgr);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->palette().color(QPalette::Window), w.palette().color(QPalette::Window));
    QCOMPARE(label->frameShape(), QFrame::NoFrame);
    QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QVERIFY(label->text().isEmpty());

    QCOMPARE(w.Shape1->borderColor(), 0x00C0FFFFu);
    QCOMPARE(toQColor(w.Shape1->borderColor()), QColor(255, 255, 192));
    QCOMPARE(w.Shape1->borderWidth(), 3);
}

void tst_layout::captions()
{
    frmBukv w(quietServices());
    QCOMPARE(w.cmdAzbIst->text(), QStringLiteral("К Азбучным &Истинам"));
    QCOMPARE(w.cmdAzbIst->toolTip(), QStringLiteral("Узнать об Азбучных Истинах"));
    QCOMPARE(w.cmdCheck->text(), QStringLiteral("&Провериться"));
    QCOMPARE(w.cmdCheck->toolTip(), QStringLiteral("Выполнить задание"));
    QCOMPARE(w.optDirect[0]->text(), QStringLiteral("По &горизонтали"));
    QCOMPARE(w.optDirect[1]->text(), QStringLiteral("По &вертикали"));
    QCOMPARE(w.optDirect[2]->text(), QStringLiteral("По &диагонали"));
    QVERIFY(w.optDirect[0]->isChecked());
    QVERIFY(!w.optDirect[1]->isChecked() && !w.optDirect[2]->isChecked());
    QVERIFY(w.optDirect[0]->autoExclusive());
    QVERIFY(!w.lstMix->isSortingEnabled() && !w.lstMix2->isSortingEnabled());
}

void tst_layout::startState()
{
    frmBukv w(quietServices());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QList<QWidget*> shown{w.imgTitle, w.imgChoose, w.Shape1,  w.lblNum,
                                w.lblObraz, w.cmdAzbIst, w.cmdCheck};
    const QList<QWidget*> hidden{w.imgChoose2,   w.imgChoose3,   w.lblAzbIst, w.optDirect[0],
                                 w.optDirect[1], w.optDirect[2], w.lstMix,    w.lstMix2};
    for (QWidget* control : shown)
        QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
    for (QWidget* control : hidden)
        QVERIFY2(control->isHidden(), qPrintable(control->objectName()));
    for (int i = 0; i < LetterCount; ++i) {
        QVERIFY(w.imgBukv[std::size_t(i)]->isVisible());
        QCOMPARE(w.imgBukv[std::size_t(i)]->borderStyle(), 0);
        QVERIFY(w.imgWhat[std::size_t(i)]->isHidden());
    }
    QVERIFY(w.cmdAzbIst->isEnabled() && w.cmdCheck->isEnabled());
    QVERIFY(w.lblNum->text().isEmpty() && w.lblObraz->text().isEmpty());
    QCOMPARE(w.lstMix->count() + w.lstMix2->count(), 0);
}

void tst_layout::stacking()
{
    frmBukv w(quietServices());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint inName = NameCorner + QPoint(10, 10);

    // The prompt banners cover the study banner and a shown name picture, and hide neither.
    const QPoint inBanner = BannerArea.topLeft() + QPoint(2, 2);
    QCOMPARE(w.childAt(inBanner), w.imgChoose);
    w.imgChoose2->show();
    QCOMPARE(w.childAt(inBanner), w.imgChoose2);
    w.imgChoose3->show();
    QCOMPARE(w.childAt(inBanner), w.imgChoose3);
    w.imgChoose3->hide();
    w.imgChoose2->hide();
    QCOMPARE(w.childAt(inBanner), w.imgChoose);

    w.imgChoose->hide();
    w.imgWhat[5]->show();
    QCOMPARE(w.childAt(inName), w.imgWhat[5]);
    w.imgChoose2->show();
    QCOMPARE(w.childAt(inName), w.imgChoose2);
    w.imgChoose3->show();
    QCOMPARE(w.childAt(inName), w.imgChoose3);
    w.imgChoose3->hide();
    w.imgChoose2->hide();
    QCOMPARE(w.childAt(inName), w.imgWhat[5]);
    QVERIFY(!w.imgWhat[5]->isHidden());

    // The study banner lies in front of the name pictures 0..6 and behind 7..48.
    w.imgChoose->show();
    QCOMPARE(w.childAt(inName), w.imgChoose);
    w.imgWhat[7]->show();
    QCOMPARE(w.childAt(inName), w.imgWhat[7]);

    // The truth label covers the meanings label.
    const QPoint inText = twipsPoint(6960 + 300, 3480 + 300);
    QCOMPARE(w.childAt(inText), w.lblObraz);
    w.lblAzbIst->show();
    QCOMPARE(w.childAt(inText), w.lblAzbIst);

    // The options stand over the bottom strip of the banner area.
    w.imgChoose3->show();
    const QPoint onOption = twipsPoint(8640 + 150, 3000 + 150);
    QVERIFY(BannerArea.contains(onOption));
    QCOMPARE(w.childAt(onOption), w.imgChoose3);
    w.optDirect[0]->show();
    QCOMPARE(w.childAt(onOption), w.optDirect[0]);

    // The number label covers the lower-left corner of the title.
    const QPoint corner = twipsPoint(3960 + 150, 1320 + 60);
    QCOMPARE(w.childAt(corner), w.lblNum);
    QCOMPARE(w.childAt(twipsPoint(3960 + 150, 600 + 150)), w.imgTitle);
}

void tst_layout::shapeLetsThePointerThrough()
{
    frmBukv w(quietServices());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The frame around the grid lies in front of it, yet the letters get the pointer.
    QVERIFY(w.Shape1->geometry().contains(w.imgBukv[24]->geometry()));
    QCOMPARE(w.childAt(w.imgBukv[24]->geometry().center()), w.imgBukv[24]);
    QCOMPARE(w.childAt(w.imgBukv[0]->geometry().topLeft()), w.imgBukv[0]);
}

void tst_layout::framedLetterKeepsItsPicture()
{
    frmBukv w(quietServices());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Image* letter = w.imgBukv[9];
    const QImage plain = letter->grab().toImage();
    letter->setBorderStyle(1);
    QCOMPARE(letter->borderStyle(), 1);
    const QImage framed = letter->grab().toImage();
    QCOMPARE(framed.size(), plain.size());
    QCOMPARE(letter->geometry(), twips(2400, 2760, 750, 750));
    // The inside is the same picture, pixel for pixel; the border shows on the edge.
    const qreal ratio = framed.devicePixelRatio();
    const QRect inside = QRect(QPoint(0, 0), framed.size())
                             .adjusted(int(ratio), int(ratio), -int(ratio), -int(ratio));
    QCOMPARE(framed.copy(inside), plain.copy(inside));
    QVERIFY(framed.pixel(0, framed.height() / 2) != plain.pixel(0, plain.height() / 2));
    letter->setBorderStyle(0);
    QCOMPARE(letter->grab().toImage(), plain);
}

void tst_layout::labelsClipLongText()
{
    frmBukv w(quietServices());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect before = w.lblObraz->geometry();
    QString longText;
    for (int i = 0; i < 12; ++i)
        longText += w.Obraz[std::size_t(27)];
    w.lblObraz->setText(longText);
    QCOMPARE(w.lblObraz->geometry(), before);
    QVERIFY(w.lblObraz->wordWrap());
    // The text needs more room than the label has: what does not fit is cut off.
    QVERIFY(w.lblObraz->heightForWidth(before.width()) > before.height());
    QCOMPARE(w.lblObraz->grab().deviceIndependentSize().toSize(), before.size());
}

void tst_layout::tabOrder()
{
    frmBukv w(quietServices());
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.cmdAzbIst);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.cmdCheck);
    // The options are hidden, so the focus goes round.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.cmdAzbIst);

    for (QRadioButton* option : w.optDirect)
        option->show();
    w.optDirect[1]->setChecked(true);
    w.cmdCheck->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.optDirect[1]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.cmdAzbIst);

    // Pictures and labels never take the focus.
    for (QWidget* control : w.findChildren<QWidget*>())
        if (qobject_cast<QLabel*>(control))
            QCOMPARE(control->focusPolicy(), Qt::NoFocus);
}

void tst_layout::accessKeys_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::newRow("Alt+И") << "cmdAzbIst" << int(0x0418);
    QTest::newRow("Alt+П") << "cmdCheck" << int(0x041F);
    QTest::newRow("Alt+Г") << "optDirect(0)" << int(0x0413);
    QTest::newRow("Alt+В") << "optDirect(1)" << int(0x0412);
    QTest::newRow("Alt+Д") << "optDirect(2)" << int(0x0414);
}

void tst_layout::accessKeys()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    frmBukv w(quietServices());
    auto* control = w.findChild<QAbstractButton*>(name);
    QVERIFY(control != nullptr);
    // Keep the handlers out of it: only the key's click is under test.
    control->disconnect(&w);
    w.findChild<QButtonGroup*>()->disconnect(&w);
    control->show();
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QSignalSpy clicked(control, &QAbstractButton::clicked);
    QVERIFY(clicked.isValid());

    const auto press = [&] {
        QTest::sendKeyEvent(QTest::Click, &w, Qt::Key(key), QString(QChar(key)), Qt::AltModifier);
    };
    press();
    QTRY_COMPARE(clicked.count(), 1);

    control->setEnabled(false);
    press();
    control->setEnabled(true);
    control->hide();
    press();
    QTest::qWait(50);
    QCOMPARE(clicked.count(), 1);
}

void tst_layout::denseScreens()
{
    frmBukv w(quietServices());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const qreal ratio = w.devicePixelRatioF();
    // Logical geometry stays; the pictures are as sharp as the screen.
    QCOMPARE(w.size(), QSize(1190, 552));
    for (const Image* picture : {w.imgBukv[0], w.imgBukv[48], w.imgTitle, w.imgChoose}) {
        const QPixmap pixmap = picture->pixmap();
        QVERIFY(!pixmap.isNull());
        QCOMPARE(pixmap.devicePixelRatio(), ratio > 1.0 ? 2.0 : 1.0);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), picture->size());
    }
}

void tst_layout::screenReaders()
{
    frmBukv w(quietServices());
    QCOMPARE(w.imgBukv[0]->accessibleName(), QStringLiteral("Азъ"));
    QCOMPARE(w.imgBukv[0]->accessibleDescription(), QStringLiteral("Число: 1"));
    QCOMPARE(w.imgBukv[24]->accessibleName(), QStringLiteral("Ȣкъ"));
    QVERIFY(w.imgBukv[24]->accessibleDescription().isEmpty());
    QCOMPARE(w.imgTitle->accessibleName(), QStringLiteral("Древлесловенская Буквица"));
    QCOMPARE(w.imgChoose->accessibleName(), QStringLiteral("Выберите буквицу, чтобы узнать о ней"));
    QCOMPARE(w.imgChoose2->accessibleName(),
             QStringLiteral("Выберите буквицу, отвечающую образу:"));
    QCOMPARE(w.imgChoose3->accessibleName(), QStringLiteral("Выберите Азбучную Истину"));
    QVERIFY(w.imgWhat[40]->accessibleName().contains(QStringLiteral("Єнъ (е-носов.)")));
}

// Which arrangement a page gets, and at what scale: always the whole window, never larger
// than its own size in the desktop's arrangement.
void tst_layout::pageFit_data()
{
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<qreal>("scale");
    QTest::newRow("desktop browser") << QSizeF(1280, 720) << false << 1.0;
    QTest::newRow("the window's own size") << QSizeF(1190, 552) << false << 1.0;
    QTest::newRow("tall, but as wide as the window") << QSizeF(1300, 1400) << false << 1.0;
    QTest::newRow("phone on its side") << QSizeF(844, 390) << false << 390.0 / 552;
    QTest::newRow("tablet on its side") << QSizeF(1180, 820) << false << 1180.0 / 1190;
    QTest::newRow("square") << QSizeF(600, 600) << false << 600.0 / 1190;
    QTest::newRow("too small for anything") << QSizeF(320, 240) << false << 320.0 / 1190;
    QTest::newRow("phone upright") << QSizeF(390, 844) << true << 844.0 / 929;
    QTest::newRow("narrow phone upright") << QSizeF(360, 800) << true << 800.0 / 929;
    QTest::newRow("tablet upright") << QSizeF(820, 1180) << true << 1180.0 / 929;
}

void tst_layout::pageFit()
{
    QFETCH(QSizeF, page);
    QFETCH(bool, portrait);
    QFETCH(qreal, scale);
    const PageFit fit = fitToPage(page);
    QCOMPARE(fit.arrangement == Arrangement::Portrait, portrait);
    QCOMPARE(fit.scale, scale);
    const QSizeF drawn = QSizeF(layoutSize(fit.arrangement)) * fit.scale;
    QVERIFY(drawn.width() <= page.width() + 1e-9 && drawn.height() <= page.height() + 1e-9);
    // A letter on a phone held upright is at least 44 CSS pixels square.
    if (QTest::currentDataTag() == QByteArray("phone upright"))
        QVERIFY(50 * fit.scale >= 44);
}

// The portrait arrangement: everything inside the window, nothing on top of anything else,
// the grid at full width, the pictures smaller and still sharp.
void tst_layout::portrait()
{
    frmBukv w(quietServices());
    w.arrange(Arrangement::Portrait);
    w.imgWhat[44]->show();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect window(QPoint(), layoutSize(Arrangement::Portrait));
    QCOMPARE(w.size(), window.size());
    QVERIFY(window.width() < window.height());

    const QRect grid = w.imgBukv[0]->geometry().united(w.imgBukv[48]->geometry());
    QCOMPARE(grid.size(), QSize(386, 386));
    QCOMPARE(window.width() - grid.width(), 2 * grid.left());
    QVERIFY(w.Shape1->geometry().contains(grid));
    for (int i = 0; i < LetterCount; ++i)
        QCOMPARE(w.imgBukv[std::size_t(i)]->geometry(),
                 QRect(grid.left() + 56 * (i % 7), grid.top() + 56 * (i / 7), 50, 50));

    // Top to bottom, each clear of the next.
    const QRect banner = w.imgChoose->geometry();
    const QList<QWidget*> column{w.imgTitle,     w.lblNum,   w.Shape1,   w.imgChoose,
                                 w.optDirect[0], w.lblObraz, w.cmdAzbIst};
    for (qsizetype i = 0; i + 1 < column.size(); ++i)
        QVERIFY2(column[i]->geometry().bottom() < column[i + 1]->geometry().top(),
                 qPrintable(column[i]->objectName()));
    for (const QWidget* control : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != w.lstMix && control != w.lstMix2)
            QVERIFY2(window.contains(control->geometry()), qPrintable(control->objectName()));
    QVERIFY(!w.cmdAzbIst->geometry().intersects(w.cmdCheck->geometry()));
    for (int k = 0; k + 1 < 3; ++k)
        QVERIFY(!w.optDirect[std::size_t(k)]->geometry().intersects(
            w.optDirect[std::size_t(k + 1)]->geometry()));
    QCOMPARE(w.lblAzbIst->geometry(), w.lblObraz->geometry());
    QCOMPARE(w.imgChoose2->geometry(), banner);
    QCOMPARE(w.imgChoose3->geometry(), banner);

    // Pictures drawn smaller, each at the share of its size the title has, from enough pixels.
    const qreal share = qreal(w.imgTitle->width()) / QImage(w.imgTitle->picture()).width();
    QCOMPARE(w.imgTitle->width(), grid.width());
    for (int i = 0; i < LetterCount; ++i) {
        const Image* name = w.imgWhat[std::size_t(i)];
        QCOMPARE(name->geometry().size(),
                 (QSizeF(QImage(name->picture()).size()) * share).toSize());
        QVERIFY(banner.contains(name->geometry()));
    }
    const qreal ratio = w.devicePixelRatioF();
    for (const Image* picture : {w.imgTitle, w.imgChoose, w.imgWhat[44]}) {
        const QPixmap pixmap = picture->pixmap();
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        QCOMPARE(pixmap.size(), (QSizeF(picture->size()) * ratio).toSize());
    }
    w.hide();
}

// The texts upright are as large as on the desktop: the captions fit their buttons, and the
// longest meanings and every sentence of the truths fit the text area whole.
void tst_layout::portraitTextsFit()
{
    frmBukv w(quietServices());
    w.arrange(Arrangement::Portrait);
    const QList<std::pair<QPushButton*, QString>> captions{
        {w.cmdAzbIst, QStringLiteral("К Азбучным &Истинам")},
        {w.cmdAzbIst, QStringLiteral("Назад к &Буквице")},
        {w.cmdCheck, QStringLiteral("&Провериться")}};
    for (const auto& [button, caption] : captions) {
        button->setText(caption);
        QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(caption));
    }
    const QFontMetrics metrics(w.lblObraz->font());
    const QRect area(QPoint(), w.lblObraz->contentsRect().size());
    QStringList texts;
    for (int i = 0; i < LetterCount; ++i)
        texts << meanings(i);
    for (const znakovit::AzbIstLine& line : znakovit::AzbIstLines)
        texts << line.text();
    for (const QString& text : texts)
        QVERIFY2(metrics.boundingRect(area, Qt::TextWordWrap, text).height() <= area.height(),
                 qPrintable(text));
}

// A turn of the device arranges the window anew and keeps all it shows; turned back, every
// control stands where the desktop's arrangement has it.
void tst_layout::turnKeepsWhatIsShown_data()
{
    QTest::addColumn<int>("activity");
    QTest::newRow("a studied letter") << 0;
    QTest::newRow("a waiting question") << 1;
    QTest::newRow("a line of the truths") << 2;
}

void tst_layout::turnKeepsWhatIsShown()
{
    QFETCH(int, activity);
    testsupport::Rig rig;
    rig.scripted = false;
    frmBukv& w = rig.w;
    frmBukv fresh(quietServices());
    w.imgBukv_Click(12);
    if (activity == 1)
        w.cmdCheck_Click();
    if (activity == 2) {
        w.cmdAzbIst_Click();
        w.optDirect[1]->setChecked(true);
        w.imgBukv_MouseMove(30);
    }
    const testsupport::Look before = testsupport::Look::of(w);
    w.arrange(Arrangement::Portrait);
    COMPARE_LOOK(testsupport::Look::of(w), before);
    w.arrange(Arrangement::Desktop);
    COMPARE_LOOK(testsupport::Look::of(w), before);
    QCOMPARE(w.size(), fresh.size());
    for (const QWidget* control : fresh.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* same = w.findChild<QWidget*>(control->objectName());
        QVERIFY(same);
        QCOMPARE(same->geometry(), control->geometry());
    }
    for (const Image* name : w.imgWhat)
        QCOMPARE(name->pictureScale(), 1.0);
}

QTEST_MAIN(tst_layout)
#include "tst_layout.moc"
