// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology reads of the window, through Qt's accessibility interfaces:
// the framed letters as selected, a letter's press action, and no unseen controls.
#include "testsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>

using namespace testsupport;

namespace {

QAccessibleInterface* letterOf(const frmBukv& w, int index)
{
    return QAccessible::queryAccessibleInterface(w.imgBukv[std::size_t(index)]);
}

QList<int> selectedLetters(const frmBukv& w)
{
    QList<int> result;
    for (int i = 0; i < znakovit::LetterCount; ++i)
        if (letterOf(w, i)->state().selected)
            result << i;
    return result;
}

enum class Mode { Study, Question, Truths };

// Brings the window into the mode; in each, letter 3 was studied before.
void enter(Rig& rig, Mode mode)
{
    frmBukv& w = rig.w;
    w.imgBukv_Click(3);
    if (mode == Mode::Question)
        w.cmdCheck_Click();
    if (mode == Mode::Truths) {
        w.cmdAzbIst_Click();
        w.imgBukv_MouseMove(10); // frames row 1
    }
}

QAccessibleActionInterface* actionsOf(QWidget* control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->actionInterface() : nullptr;
}

// The one action a reader offers for a control: a letter's or a button's press, an
// option's toggle.
QString mainAction(QWidget* control)
{
    return qobject_cast<QRadioButton*>(control) ? QAccessibleActionInterface::toggleAction()
                                                : QAccessibleActionInterface::pressAction();
}

// Shows the window of a rig that draws from its seeded source, and brings it into the mode:
// twin rigs then draw the same numbers.
[[nodiscard]] bool showInMode(Rig& rig, Mode mode)
{
    rig.scripted = false;
    rig.w.show();
    if (!QTest::qWaitForWindowExposed(&rig.w))
        return false;
    enter(rig, mode);
    return true;
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void pressDoesWhatClickDoes_data();
    void pressDoesWhatClickDoes();
    void controlActsAsTheEyeSees_data();
    void controlActsAsTheEyeSees();
    void pressesWaitForTheBox();
    void windowAndUnseenControls();
};

void tst_Accessibility::pressDoesWhatClickDoes_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("letter");
    QTest::newRow("study, another letter") << Mode::Study << 9;
    QTest::newRow("study, the same letter") << Mode::Study << 3;
    QTest::newRow("waiting question") << Mode::Question << 20;
    QTest::newRow("truths, off the line") << Mode::Truths << 30;
    QTest::newRow("truths, on the line") << Mode::Truths << 11;
}

// One window is clicked with the mouse, its twin pressed through its accessible action;
// both draw the same random numbers and must end alike.
void tst_Accessibility::pressDoesWhatClickDoes()
{
    QFETCH(Mode, mode);
    QFETCH(int, letter);

    Rig clicked, pressed;
    QVERIFY(showInMode(clicked, mode) && showInMode(pressed, mode));
    QCOMPARE(selectedLetters(pressed.w), framedLetters(pressed.w));

    QTest::mouseClick(clicked.w.imgBukv[std::size_t(letter)], Qt::LeftButton);
    QAccessibleInterface* target = letterOf(pressed.w, letter);
    QVERIFY(target->actionInterface());
    QCOMPARE(target->actionInterface()->actionNames(),
             QStringList{QAccessibleActionInterface::pressAction()});
    QSignalSpy clicks(pressed.w.imgBukv[std::size_t(letter)], &Image::Click);
    QVERIFY(clicks.isValid());
    target->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), letter);
    COMPARE_LOOK(Look::of(pressed.w), Look::of(clicked.w));
    QCOMPARE(pressed.boxes, clicked.boxes);
    QCOMPARE(selectedLetters(pressed.w), framedLetters(pressed.w));
}

void tst_Accessibility::controlActsAsTheEyeSees_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("acts");
    QTest::newRow("Провериться, study") << Mode::Study << "cmdCheck" << true;
    QTest::newRow("Провериться hidden, question") << Mode::Question << "cmdCheck" << false;
    QTest::newRow("Провериться disabled, truths") << Mode::Truths << "cmdCheck" << false;
    QTest::newRow("mode button, study") << Mode::Study << "cmdAzbIst" << true;
    QTest::newRow("mode button hidden, question") << Mode::Question << "cmdAzbIst" << false;
    QTest::newRow("mode button, truths") << Mode::Truths << "cmdAzbIst" << true;
    QTest::newRow("option, truths") << Mode::Truths << "optDirect(1)" << true;
    QTest::newRow("selected option, truths") << Mode::Truths << "optDirect(0)" << true;
    QTest::newRow("option hidden, study") << Mode::Study << "optDirect(1)" << false;
}

// A button's or an option's action does what a mouse click on it does where the eye sees a
// control that takes clicks; on a hidden or disabled one it does nothing, quietly.
void tst_Accessibility::controlActsAsTheEyeSees()
{
    QFETCH(Mode, mode);
    QFETCH(QString, control);
    QFETCH(bool, acts);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));

    Rig clicked, pressed;
    QVERIFY(showInMode(clicked, mode) && showInMode(pressed, mode));
    if (acts)
        QTest::mouseClick(clicked.w.findChild<QWidget*>(control), Qt::LeftButton);

    QWidget* target = pressed.w.findChild<QWidget*>(control);
    QAccessibleActionInterface* actions = actionsOf(target);
    QVERIFY(actions);
    const bool offered = actions->actionNames().contains(mainAction(target));
    actions->doAction(mainAction(target));
    QTest::qWait(200); // what Qt's own buttons would do later, they do by now
    COMPARE_LOOK(Look::of(pressed.w), Look::of(clicked.w));
    QCOMPARE(offered, acts);
}

// The answer's real modal box is up: presses from the bus on another letter, on the hidden
// buttons and on a hidden option change nothing. One box, no second answer, no new question,
// no mode switch; after OK the window is exactly as a mouse answer leaves it.
void tst_Accessibility::pressesWaitForTheBox()
{
    const auto asking10 = [] { return 9.5f / 48.0f; };
    Services services = Services::platform();
    services.Randomize = [] {};
    services.Rnd = asking10;
    frmBukv w(services);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.cmdCheck_Click();

    Rig clicked;
    clicked.script({asking10()});
    clicked.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&clicked.w));
    clicked.w.cmdCheck_Click();
    QTest::mouseClick(clicked.w.imgBukv[20], Qt::LeftButton);

    const QList<QWidget*> others{w.imgBukv[30], w.imgBukv[10], w.cmdCheck, w.cmdAzbIst,
                                 w.optDirect[1]};
    QList<QWidget*> boxes;
    bool pressed = false;
    int ticks = 0;
    const auto poll = pollMessageBox([&](QMessageBox* box) {
        if (!boxes.contains(box))
            boxes << box;
        if (!std::exchange(pressed, true)) {
            for (QWidget* control : others)
                actionsOf(control)->doAction(mainAction(control));
        } else if (++ticks >= 20) { // room for whatever the presses would set off
            box->button(QMessageBox::Ok)->click();
        }
        return true;
    });

    actionsOf(w.imgBukv[20])->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(pressed && !QApplication::activeModalWidget());
    QTest::qWait(200);

    QCOMPARE(boxes.size(), 1);
    COMPARE_LOOK(Look::of(w), Look::of(clicked.w));
    QCOMPARE(clicked.boxes, QStringList{QStringLiteral("Не правильно")});
}

// The window is a window named by its title; of its children, the work lists and the
// decorative square are absent, and every control that is hidden says so.
void tst_Accessibility::windowAndUnseenControls()
{
    Rig rig;
    frmBukv& w = rig.w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&w);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), frmBukv::Caption);

    int shownNames = 0;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        QCOMPARE(window->indexOfChild(child), i);
        QObject* control = child->object();
        QVERIFY2(control != w.lstMix && control != w.lstMix2 && control != w.Shape1,
                 qPrintable(control->objectName()));
        QCOMPARE(child->state().invisible, static_cast<QWidget*>(control)->isHidden());
        shownNames +=
            control->objectName().startsWith(QLatin1String("imgWhat")) && !child->state().invisible;
    }
    QCOMPARE(shownNames, 0);
    // A letter is found under the pointer where the square's line passes over it.
    const QPoint corner = w.imgBukv[0]->mapToGlobal(QPoint(1, 1));
    QCOMPARE(window->childAt(corner.x(), corner.y())->object(), w.imgBukv[0]);
    for (QListWidget* list : {w.lstMix, w.lstMix2})
        QVERIFY(QAccessible::queryAccessibleInterface(list)->state().invisible);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
