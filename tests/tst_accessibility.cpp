// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology reads of the window, through Qt's accessibility interfaces:
// the framed letters as selected, a letter's press action, and no unseen controls.
#include "testsupport.h"

#include <QAccessible>
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

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void pressDoesWhatClickDoes_data();
    void pressDoesWhatClickDoes();
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
    clicked.scripted = pressed.scripted = false;
    for (Rig* rig : {&clicked, &pressed}) {
        rig->w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig->w));
        enter(*rig, mode);
    }
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
