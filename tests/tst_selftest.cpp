// SPDX-License-Identifier: GPL-3.0-or-later
// The self-test: a question from "&Провериться", the answer by a click on a letter.
#include "testsupport.h"

#include <QApplication>
#include <QMessageBox>

#include <cmath>
#include <optional>

using namespace testsupport;

namespace {

const QString Right = QStringLiteral("Правильно");
const QString Wrong = QStringLiteral("Не правильно");

// u in the middle of the stretch of [0, 1) that asks the letter.
float drawAsking(int letter)
{
    return (float(letter) - 0.5f) / 48.0f;
}

void studyInOrder(Rig& rig, int letter)
{
    rig.script(drawsInOrder(int(itemsOf(rig.w.Obraz[std::size_t(letter)]).size())));
    rig.w.imgBukv_Click(letter);
}

} // namespace

class tst_SelfTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void ask_data();
    void ask();
    void everyLetterButTheFirstAsked();
    void questionForLetter1();
    void answer_data();
    void answer();
    void nextClickStudiesAgain();
    void realMessageBox();
};

void tst_SelfTest::cleanup()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->metaObject()->className()));
}

// The question is shown in red over whatever was studied before: that letter loses its
// frame but keeps its picture (covered by the banner), its number and Last.
void tst_SelfTest::ask_data()
{
    QTest::addColumn<int>("studied"); // -1: none since start
    QTest::addColumn<float>("u");
    QTest::addColumn<int>("asked");

    QTest::newRow("u = 0 asks letter 1") << 5 << 0.0f << 1;
    QTest::newRow("largest u below 1 asks letter 48") << 5 << std::nextafter(1.0f, 0.0f) << 48;
    QTest::newRow("u = 0.5 asks letter 25") << 10 << 0.5f << 25;
    // 48 × 0x1.d55554p-3 rounds up to 11 in float; in double it stays below.
    QTest::newRow("product rounded in float") << 10 << 0x1.d55554p-3f << 12;
    QTest::newRow("studied letter asked") << 20 << drawAsking(20) << 20;
    QTest::newRow("nothing studied yet") << -1 << drawAsking(30) << 30;
}

void tst_SelfTest::ask()
{
    QFETCH(int, studied);
    QFETCH(float, u);
    QFETCH(int, asked);

    Rig rig;
    if (studied >= 0)
        studyInOrder(rig, studied);
    Look expected = Look::of(rig.w);
    rig.script({u});

    rig.w.cmdCheck_Click();

    expected.framed = {};
    expected.obrazColour = QuestionColour;
    expected.obraz = inStoredOrder(znakovit::meanings(asked));
    expected.Check = true;
    expected.Rand = qint16(asked);
    expected.choose2 = true;
    expected.checkShown = false;
    expected.azbIstButtonShown = false;
    COMPARE_LOOK(Look::of(rig.w), expected);
    QVERIFY(rig.draws.empty());
}

// One draw per question; the stretches of [0, 1) asking each letter are 1/48 wide.
void tst_SelfTest::everyLetterButTheFirstAsked()
{
    Rig rig;
    for (int letter = 1; letter <= 48; ++letter) {
        rig.script({drawAsking(letter)});
        rig.w.cmdCheck_Click();
        QCOMPARE(rig.w.Rand, letter);
        QCOMPARE(rig.drawn, letter);
    }
}

void tst_SelfTest::questionForLetter1()
{
    Rig rig;
    rig.script({0.0f});
    rig.w.cmdCheck_Click();
    QCOMPARE(rig.w.lblObraz->text(), QStringLiteral("Множество Богов; Божественное; множество; "
                                                    "превосходящее (преобладающее); большое"));
}

// The window while the box is up and after it: Last is the letter studied before the
// question, Rand the asked one, Index the clicked one.
void tst_SelfTest::answer_data()
{
    QTest::addColumn<Box>("kind");
    QTest::addColumn<int>("studied"); // -1: none since start
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QList<int>>("namesWhileUp");
    QTest::addColumn<QString>("numberWhileUp");

    const QString n8 = QStringLiteral("Число: 8"), n100 = QStringLiteral("Число: 100");
    // A box that returns at once, as in a browser tab, shows the window as the desktop's box
    // does: the same steps before it, the same after its dismissal.
    for (const auto& [kind, suffix] :
         {std::pair{Box::Waits, ""}, std::pair{Box::ReturnsAtOnce, ", box returns at once"}}) {
        const Box box = kind;
        const auto row = [suffix = suffix](const char* name) -> QTestData& {
            return QTest::newRow(qPrintable(QLatin1String(name) + QLatin1String(suffix)));
        };
        row("right") << box << 5 << 10 << 10 << Right << QList<int>{10} << n8;
        row("right, asked letter studied before")
            << box << 10 << 10 << 10 << Right << QList<int>{10} << n8;
        row("right, nothing studied yet")
            << box << -1 << 48 << 48 << Right << QList<int>{48} << QString();
        row("wrong") << box << 5 << 10 << 20 << Wrong << QList<int>{5} << n100;
        row("wrong, asked letter studied before")
            << box << 10 << 10 << 20 << Wrong << QList<int>{10} << n100;
        row("wrong, clicked letter studied before")
            << box << 20 << 10 << 20 << Wrong << QList<int>{20} << n100;
        row("wrong, letter 0 clicked, nothing studied yet")
            << box << -1 << 1 << 0 << Wrong << QList<int>{} << QStringLiteral("Число: 1");
        row("wrong, clicked letter has no number")
            << box << 3 << 2 << 1 << Wrong << QList<int>{3} << QString();
    }
}

void tst_SelfTest::answer()
{
    QFETCH(Box, kind);
    QFETCH(int, studied);
    QFETCH(int, asked);
    QFETCH(int, clicked);
    QFETCH(QString, box);
    QFETCH(QList<int>, namesWhileUp);
    QFETCH(QString, numberWhileUp);

    Rig rig(kind);
    if (studied >= 0)
        studyInOrder(rig, studied);
    rig.script({drawAsking(asked)});
    rig.w.cmdCheck_Click();
    const Look question = Look::of(rig.w);
    const bool right = clicked == asked;

    Look whileUp = question;
    whileUp.framed = {clicked};
    whileUp.names = namesWhileUp;
    whileUp.choose = false;
    whileUp.num = numberWhileUp;
    whileUp.obrazColour = right ? AnsweredColour : QuestionColour;
    whileUp.mix = {};
    whileUp.mix2 = {};
    std::optional<Look> seen;
    rig.whileBoxUp = [&](const QString&) { seen = Look::of(rig.w); };

    rig.w.imgBukv_Click(clicked);

    QCOMPARE(rig.boxes, QStringList{box});
    QVERIFY(seen);
    COMPARE_LOOK(*seen, whileUp);
    if (kind == Box::ReturnsAtOnce) {
        COMPARE_LOOK(Look::of(rig.w), whileUp);
        rig.dismissBox();
    }

    Look after = whileUp;
    after.framed = {asked};
    after.names = {asked};
    after.num = QString();
    after.obrazColour = AnsweredColour;
    after.Last = qint16(asked);
    after.Check = false;
    after.choose2 = false;
    after.checkShown = true;
    after.azbIstButtonShown = true;
    COMPARE_LOOK(Look::of(rig.w), after);
    QVERIFY(rig.draws.empty());
}

// One click answers one question: the next click on a letter is a study click again.
void tst_SelfTest::nextClickStudiesAgain()
{
    Rig rig;
    rig.script({drawAsking(7)});
    rig.w.cmdCheck_Click();
    rig.w.imgBukv_Click(8);
    QCOMPARE(framedLetters(rig.w), QList<int>{7});

    studyInOrder(rig, 8);
    QCOMPARE(rig.boxes.size(), 1);
    QCOMPARE(framedLetters(rig.w), QList<int>{8});
    QCOMPARE(namesShown(rig.w), QList<int>{8});
    QCOMPARE(rig.w.lblObraz->text(), inStoredOrder(znakovit::meanings(8)));
    QCOMPARE(rig.w.lblObraz->foreColor(), AnsweredColour);
    QCOMPARE(rig.w.lblNum->text(), QStringLiteral("Число: 6"));
    QVERIFY(rig.draws.empty());
}

// The platform's own modal box, closed from a timer once it is up. A wrong answer, so
// that the question is still red while the box shows.
void tst_SelfTest::realMessageBox()
{
    std::deque<float> draws;
    bool ranDry = false;
    Services services = Services::platform();
    services.Randomize = [] {};
    services.Rnd = [&] {
        ranDry = ranDry || draws.empty();
        if (ranDry)
            return 0.5f;
        const float u = draws.front();
        draws.pop_front();
        return u;
    };
    frmBukv w(services);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    draws = {drawAsking(10)};
    w.cmdCheck_Click();
    QCOMPARE(w.Rand, 10);

    struct WhileUp
    {
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::Information;
        QList<QAbstractButton*> buttons;
        QMessageBox::StandardButton okRole = QMessageBox::NoButton;
        QList<int> framed;
        quint32 colour = 0;
        QString number;
        bool check = false;
        int width = 0, titleWidth = 0;
        QWidget* parent = nullptr;
        Qt::WindowModality modality = Qt::NonModal;
    };
    std::optional<WhileUp> seen;
    const auto poll = pollMessageBox([&](QMessageBox* box) {
        seen = WhileUp{box->text(),
                       box->windowTitle(),
                       box->icon(),
                       box->buttons(),
                       box->standardButton(box->buttons().value(0)),
                       framedLetters(w),
                       w.lblObraz->foreColor(),
                       w.lblNum->text(),
                       w.Check,
                       box->width(),
                       box->fontMetrics().horizontalAdvance(box->windowTitle()),
                       box->parentWidget(),
                       box->windowModality()};
        box->button(QMessageBox::Ok)->click();
        return false;
    });

    w.imgBukv_Click(20);

    QVERIFY2(seen, "no message box came up");
    QCOMPARE(seen->text, Wrong);
    QCOMPARE(seen->title, QStringLiteral("Знаковит 1.7"));
    QCOMPARE(seen->icon, QMessageBox::NoIcon);
    QCOMPARE(seen->buttons.size(), 1);
    QCOMPARE(seen->okRole, QMessageBox::Ok);
    QCOMPARE(seen->framed, QList<int>{20});
    QCOMPARE(seen->colour, QuestionColour);
    QCOMPARE(seen->number, QStringLiteral("Число: 100"));
    QVERIFY(seen->check);
    QCOMPARE(seen->parent, &w);
    QCOMPARE(seen->modality, Qt::ApplicationModal);
    // Wide enough for its title, not just for its short text.
    QVERIFY2(seen->width > seen->titleWidth + 100,
             qPrintable(QStringLiteral("%1 / %2").arg(seen->width).arg(seen->titleWidth)));

    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(framedLetters(w), QList<int>{10});
    QCOMPARE(namesShown(w), QList<int>{10});
    QCOMPARE(w.lblObraz->foreColor(), AnsweredColour);
    QCOMPARE(w.lblNum->text(), QString());
    QCOMPARE(w.Last, 10);
    QVERIFY(!w.Check);
    QVERIFY(!ranDry);
}

QTEST_MAIN(tst_SelfTest)
#include "tst_selftest.moc"
