// SPDX-License-Identifier: GPL-3.0-or-later
// Real mouse events on the shown window, and a long random run checking what must hold
// after every event.
#include "testsupport.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>

using namespace testsupport;

class tst_Events : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void clickReachesHandler_data();
    void clickReachesHandler();
    void moveReachesHandler_data();
    void moveReachesHandler();
    void fingerDrawsTheLines_data();
    void fingerDrawsTheLines();
    void tapIsAClick();
    void randomRun();

private:
    const std::unique_ptr<QPointingDevice> touchScreen{QTest::createTouchDevice()};
};

namespace {

bool show(frmBukv& w)
{
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

// Moves the pointer onto the middle of the control. QTest moves the system's pointer, and
// where the system reports the move later (Windows), waits until the control has it, so
// that what follows sees the window as the user would. False when it never arrives.
bool pointAt(QWidget* target)
{
    QTest::mouseMove(target);
    const QDeadlineTimer deadline(5000);
    while (!target->underMouse() && !deadline.hasExpired())
        QTest::qWait(1);
    return target->underMouse();
}

QPoint centreOf(const QWidget* control)
{
    return control->geometry().center();
}

// What must hold between any two events; empty when it does.
QString brokenInvariant(const frmBukv& w)
{
    const QList<int> framed = framedLetters(w);
    const QList<int> names = namesShown(w);
    if (names.size() > 1 || (names.size() == 1 && names[0] != w.Last))
        return QStringLiteral("name pictures shown other than imgWhat(Last)");
    if (w.Check && !w.AzbIst)
        return QStringLiteral("a question waits in alphabet-truths mode");
    if (w.AzbIst && framed.size() > (w.Check ? 0 : 1))
        return QStringLiteral("too many frames in letter study");
    if (!w.AzbIst && framed.size() > 1) {
        const auto line = std::find_if(znakovit::AzbIstLines.begin(), znakovit::AzbIstLines.end(),
                                       [&](const auto& l) { return membersOf(l) == framed; });
        if (line == znakovit::AzbIstLines.end())
            return QStringLiteral("frames that are not a line");
        if (!w.lblAzbIst->text().isEmpty() && w.lblAzbIst->text() != line->text())
            return QStringLiteral("the sentence of another line");
    }
    if (!w.lblAzbIst->text().isEmpty() && framed.size() != 7)
        return QStringLiteral("a sentence without its line");
    if (w.cmdCheck->isEnabled() != w.AzbIst)
        return QStringLiteral("cmdCheck enabled outside letter study");
    if (w.cmdCheck->isHidden() != w.Check || w.cmdAzbIst->isHidden() != w.Check)
        return QStringLiteral("buttons shown while a question waits, or hidden without one");
    if (w.imgChoose2->isHidden() == w.Check)
        return QStringLiteral("imgChoose2 out of step with the question");
    if (w.lblObraz->foreColor() != (w.Check ? QuestionColour : AnsweredColour))
        return QStringLiteral("lblObraz in the wrong colour");
    for (QWidget* truthsOnly :
         {static_cast<QWidget*>(w.imgChoose3), static_cast<QWidget*>(w.lblAzbIst),
          static_cast<QWidget*>(w.optDirect[0]), static_cast<QWidget*>(w.optDirect[1]),
          static_cast<QWidget*>(w.optDirect[2])})
        if (truthsOnly->isHidden() != w.AzbIst)
            return truthsOnly->objectName() + QStringLiteral(" shown in the wrong mode");
    if (w.Rand < (w.Check ? 1 : 0) || w.Rand > 48)
        return QStringLiteral("Rand out of range");
    return {};
}

} // namespace

void tst_Events::cleanup()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->metaObject()->className()));
}

void tst_Events::clickReachesHandler_data()
{
    QTest::addColumn<int>("letter");
    QTest::addColumn<QString>("number");
    QTest::newRow("letter 0") << 0 << QStringLiteral("Число: 1");
    QTest::newRow("letter 24") << 24 << QString();
    QTest::newRow("letter 48") << 48 << QString();
}

void tst_Events::clickReachesHandler()
{
    QFETCH(int, letter);
    QFETCH(QString, number);

    Rig rig;
    rig.script(drawsInOrder(int(itemsOf(rig.w.Obraz[std::size_t(letter)]).size())));
    QVERIFY(show(rig.w));

    QTest::mouseClick(rig.w.imgBukv[std::size_t(letter)], Qt::LeftButton);
    QCOMPARE(framedLetters(rig.w), QList<int>{letter});
    QCOMPARE(rig.w.Last, letter);
    QCOMPARE(rig.w.lblNum->text(), number);
    QCOMPARE(rig.w.lblObraz->text(), inStoredOrder(rig.w.Obraz[std::size_t(letter)]));
}

// The mode button and the options are clicked as the user would, so the option group's
// selection moves before the handler runs.
void tst_Events::moveReachesHandler_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("letter");
    QTest::addColumn<QList<int>>("framed");
    QTest::newRow("rows, letter 10") << 0 << 10 << QList<int>{7, 8, 9, 10, 11, 12, 13};
    QTest::newRow("columns, letter 10") << 1 << 10 << QList<int>{3, 10, 17, 24, 31, 38, 45};
    QTest::newRow("diagonals, letter 42") << 2 << 42 << QList<int>{6, 12, 18, 24, 30, 36, 42};
}

void tst_Events::moveReachesHandler()
{
    QFETCH(int, option);
    QFETCH(int, letter);
    QFETCH(QList<int>, framed);

    Rig rig;
    QVERIFY(show(rig.w));
    // The pointer comes from the buttons: a move to where it already rests sends no event.
    QVERIFY(pointAt(rig.w.cmdAzbIst));
    QTest::mouseClick(rig.w.cmdAzbIst, Qt::LeftButton);
    QVERIFY(!rig.w.AzbIst);
    QVERIFY(pointAt(rig.w.optDirect[std::size_t(option)]));
    QTest::mouseClick(rig.w.optDirect[std::size_t(option)], Qt::LeftButton);
    QVERIFY(rig.w.optDirect[std::size_t(option)]->isChecked());

    QVERIFY(pointAt(rig.w.imgBukv[std::size_t(letter)]));
    QCOMPARE(framedLetters(rig.w), framed);
}

// At least 20 000 events, as a person makes them: the pointer moves onto a letter before
// clicking it unless it already rests there, and onto a button or option before clicking
// it, which happens only while that control is shown and enabled. The window's draws and
// the choice of events come from one seeded source; the message box returns at once.
// A finger drawn over the grid in the alphabet truths frames the line through each letter it
// reaches, as the pointer does, although the letter first touched holds the touch; lifted
// after the drag, it clicks nothing.
void tst_Events::fingerDrawsTheLines_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QList<int>>("path");
    QTest::addColumn<QList<int>>("lines"); // the row, column or diagonal framed at each letter
    QTest::newRow("rows, down a column") << 0 << QList<int>{3, 10, 17} << QList<int>{0, 1, 2};
    QTest::newRow("columns, along a row") << 1 << QList<int>{21, 22, 23} << QList<int>{7, 8, 9};
    QTest::newRow("diagonals, main then anti")
        << 2 << QList<int>{0, 8, 12} << QList<int>{14, 14, 15};
}

void tst_Events::fingerDrawsTheLines()
{
    QFETCH(int, option);
    QFETCH(QList<int>, path);
    QFETCH(QList<int>, lines);

    Rig rig;
    rig.scripted = false;
    QVERIFY(show(rig.w));
    QTest::mouseClick(rig.w.cmdAzbIst, Qt::LeftButton);
    QTest::mouseClick(rig.w.optDirect[std::size_t(option)], Qt::LeftButton);
    QCOMPARE(rig.w.AzbIst, false);
    int clicks = 0;
    for (Image* letter : rig.w.imgBukv)
        connect(letter, &Image::Click, this, [&clicks] { ++clicks; });

    for (qsizetype step = 0; step < path.size(); ++step) {
        const QPoint at = centreOf(rig.w.imgBukv[std::size_t(path[step])]);
        if (step == 0)
            QTest::touchEvent(&rig.w, touchScreen.get()).press(0, at, &rig.w);
        else
            QTest::touchEvent(&rig.w, touchScreen.get()).move(0, at, &rig.w);
        const znakovit::AzbIstLine& line = znakovit::AzbIstLines[std::size_t(lines[step])];
        QCOMPARE(framedLetters(rig.w), membersOf(line));
        QCOMPARE(rig.w.lblAzbIst->text(), line.text());
    }
    QTest::touchEvent(&rig.w, touchScreen.get())
        .release(0, centreOf(rig.w.imgBukv[std::size_t(path.last())]), &rig.w);
    QCOMPARE(clicks, 0);
    QCOMPARE(framedLetters(rig.w), membersOf(znakovit::AzbIstLines[std::size_t(lines.last())]));
}

// A tap studies the letter as a click does; a finger drawn to another letter and lifted there
// studies neither.
void tst_Events::tapIsAClick()
{
    Rig rig;
    rig.scripted = false;
    QVERIFY(show(rig.w));
    const QPoint five = centreOf(rig.w.imgBukv[5]), six = centreOf(rig.w.imgBukv[6]);
    QTest::touchEvent(&rig.w, touchScreen.get()).press(0, five, &rig.w);
    QTest::touchEvent(&rig.w, touchScreen.get()).release(0, five, &rig.w);
    QCOMPARE(framedLetters(rig.w), QList<int>{5});
    QCOMPARE(namesShown(rig.w), QList<int>{5});
    QCOMPARE(rig.w.lblNum->text(), rig.w.imgBukv[5]->toolTip());

    QTest::touchEvent(&rig.w, touchScreen.get()).press(0, five, &rig.w);
    QTest::touchEvent(&rig.w, touchScreen.get()).move(0, six, &rig.w);
    QTest::touchEvent(&rig.w, touchScreen.get()).release(0, six, &rig.w);
    QCOMPARE(framedLetters(rig.w), QList<int>{5});
    QCOMPARE(rig.w.Last, 5);
}

void tst_Events::randomRun()
{
    constexpr int Events = 20000;
    Rig rig;
    rig.scripted = false;
    rig.source.seed(19450509);
    frmBukv& w = rig.w;
    QVERIFY(show(w));

    // Start with the pointer off the letters, wherever the last test left it.
    QVERIFY(pointAt(w.imgTitle));
    QWidget* under = w.imgTitle;
    int events = 0, answers = 0, truthsEvents = 0, lineShown = 0;
    QString last;
    const auto record = [&](const QString& action) {
        last = action;
        ++events;
        if (!w.AzbIst)
            ++truthsEvents;
        if (framedLetters(w).size() == 7)
            ++lineShown;
        return brokenInvariant(w);
    };
    const auto pick = [&](int n) { return std::min(n - 1, int(rig.source.next() * float(n))); };
    const auto moveOnto = [&](QWidget* target) {
        if (under == target)
            return QString();
        if (!pointAt(target))
            return QStringLiteral("the pointer never reached ") + target->objectName();
        under = target;
        return record(QStringLiteral("move onto ") + target->objectName());
    };
    const auto clickOn = [&](QWidget* target) {
        QString broken = moveOnto(target);
        if (!broken.isEmpty())
            return broken;
        QTest::mouseClick(target, Qt::LeftButton);
        return record(QStringLiteral("click on ") + target->objectName());
    };

    QElapsedTimer clock;
    clock.start();
    while (events < Events) {
        const int kind = pick(20);
        QWidget* target = nullptr;
        bool click = true;
        if (kind < 8) {
            target = w.imgBukv[std::size_t(pick(49))];
            click = false;
        } else if (kind < 15) {
            target = w.imgBukv[std::size_t(pick(49))];
            if (w.Check)
                ++answers;
        } else if (kind < 17) {
            target = w.cmdCheck;
        } else if (kind < 18) {
            target = w.cmdAzbIst;
        } else {
            target = w.optDirect[std::size_t(pick(3))];
        }
        if (!target->isVisible() || !target->isEnabled())
            continue;
        const QString broken = click ? clickOn(target) : moveOnto(target);
        QVERIFY2(
            broken.isEmpty(),
            qPrintable(QStringLiteral("after event %1 (%2): %3").arg(events).arg(last, broken)));
    }

    // The run reached every state worth checking.
    QCOMPARE(rig.boxes.size(), answers);
    QVERIFY(rig.boxes.contains(QStringLiteral("Правильно")));
    QVERIFY(rig.boxes.contains(QStringLiteral("Не правильно")));
    QVERIFY(truthsEvents > Events / 10);
    QVERIFY(lineShown > Events / 20);
    qInfo("%d events, %d answers, %lld ms", events, answers, qint64(clock.elapsed()));
}

QTEST_MAIN(tst_Events)
#include "tst_events.moc"
