// SPDX-License-Identifier: GPL-3.0-or-later
// Letter study: a click on a letter that is not framed selects it.
#include "testsupport.h"

using namespace testsupport;

namespace {

// Clicks a letter with draws that leave its items in stored order.
void studyInOrder(Rig& rig, int letter)
{
    const QString& stored = rig.w.Obraz[std::size_t(letter)];
    rig.script(drawsInOrder(int(itemsOf(stored).size())));
    rig.w.imgBukv_Click(letter);
}

} // namespace

class tst_Study : public QObject
{
    Q_OBJECT

private slots:
    void select_data();
    void select();
    void clickOnSelectedLetter();
    void numberLabel_data();
    void numberLabel();
    void reselectAfterUncheck();
};

// From the opening look, or with another letter selected: the frame and the name picture
// move, the meanings come in the drawn order, and nothing else changes.
void tst_Study::select_data()
{
    QTest::addColumn<int>("before"); // -1: the first click after start
    QTest::addColumn<int>("letter");
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("meanings");

    const QString letter5 = znakovit::meanings(5);
    QTest::newRow("first click, letter 5, shuffled")
        << -1 << 5 << QList<int>{3, 1, 2} << QStringLiteral("Число: 5")
        << QStringLiteral("Нахождение в проявленном состоянии; пять элементов жизни; "
                          "земная (планетарная) форма жизни - бытиё");
    QTest::newRow("first click, letter 0")
        << -1 << 0 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << QStringLiteral("Число: 1")
        << inStoredOrder(znakovit::meanings(0));
    QTest::newRow("first click, letter 1 without a number")
        << -1 << 1 << QList<int>{2, 1, 3, 4, 5} << QString()
        << QStringLiteral("Божественное; множество Богов; множество; "
                          "превосходящее (преобладающее); большое");
    QTest::newRow("first click, letter 48") << -1 << 48 << QList<int>{1, 2, 3, 4, 5} << QString()
                                            << inStoredOrder(znakovit::meanings(48));
    QTest::newRow("letter 3, then 10")
        << 3 << 10 << QList<int>{1, 2, 3, 4, 5, 6, 7} << QStringLiteral("Число: 8")
        << inStoredOrder(znakovit::meanings(10));
    QTest::newRow("letter 48, then 0")
        << 48 << 0 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << QStringLiteral("Число: 1")
        << inStoredOrder(znakovit::meanings(0));
    QTest::newRow("letter 44, then 45")
        << 44 << 45 << QList<int>{2, 1} << QStringLiteral("Число: 700")
        << QStringLiteral("Бессмертное начало в человеке; "
                          "душа и все, что к ней относится, душевные структуры");
}

void tst_Study::select()
{
    QFETCH(int, before);
    QFETCH(int, letter);
    QFETCH(QList<int>, order);
    QFETCH(QString, number);
    QFETCH(QString, meanings);

    Rig rig;
    if (before >= 0)
        studyInOrder(rig, before);
    const Look start = Look::of(rig.w);
    const QString stored = rig.w.Obraz[std::size_t(letter)];
    rig.script(drawsFor(order, int(order.size())));

    rig.w.imgBukv_Click(letter);

    Look expected = start;
    expected.framed = {letter};
    expected.names = {letter};
    expected.choose = false;
    expected.num = number;
    expected.obraz = meanings;
    expected.Last = qint16(letter);
    expected.mix = itemsOf(stored);
    expected.mix2 = meanings.split(QStringLiteral("; "));
    COMPARE_LOOK(Look::of(rig.w), expected);
    QVERIFY(rig.draws.empty());
}

// Only the number label is written again: no new shuffle (the script is empty, so a
// draw would fail the test), the lists keep what the first click left.
void tst_Study::clickOnSelectedLetter()
{
    Rig rig;
    studyInOrder(rig, 5);
    rig.w.lblNum->setText(QString());
    Look expected = Look::of(rig.w);
    expected.num = QStringLiteral("Число: 5");

    rig.w.imgBukv_Click(5);
    COMPARE_LOOK(Look::of(rig.w), expected);
    rig.w.imgBukv_Click(5);
    COMPARE_LOOK(Look::of(rig.w), expected);
}

// Written on every click, framed letter or not; emptied for a letter without a number
// and for every letter while the alphabet truths are shown.
void tst_Study::numberLabel_data()
{
    QTest::addColumn<bool>("truths");
    QTest::addColumn<int>("hover"); // -1: no hover before the click
    QTest::addColumn<int>("letter");
    QTest::addColumn<QString>("number");

    QTest::newRow("study, letter 0") << false << -1 << 0 << QStringLiteral("Число: 1");
    QTest::newRow("study, letter 1") << false << -1 << 1 << QString();
    QTest::newRow("study, letter 11") << false << -1 << 11 << QStringLiteral("Число: 10");
    QTest::newRow("study, letter 46") << false << -1 << 46 << QStringLiteral("Число: 9");
    QTest::newRow("truths, letter 0 unframed") << true << -1 << 0 << QString();
    QTest::newRow("truths, letter 11 framed") << true << 11 << 11 << QString();
    QTest::newRow("truths, letter 1 framed") << true << 4 << 1 << QString();
}

void tst_Study::numberLabel()
{
    QFETCH(bool, truths);
    QFETCH(int, hover);
    QFETCH(int, letter);
    QFETCH(QString, number);

    Rig rig;
    rig.scripted = false;
    if (truths)
        rig.w.cmdAzbIst_Click();
    if (hover >= 0)
        rig.w.imgBukv_MouseMove(hover);
    rig.w.lblNum->setText(QStringLiteral("прежнее"));

    rig.w.imgBukv_Click(letter);
    QCOMPARE(rig.w.lblNum->text(), number);
}

// Leaving the alphabet truths removes every frame, that of letter Last too; selecting
// that letter again must still end with it framed and its picture shown.
void tst_Study::reselectAfterUncheck()
{
    Rig rig;
    studyInOrder(rig, 20);
    rig.w.cmdAzbIst_Click();
    rig.w.cmdAzbIst_Click();
    QCOMPARE(framedLetters(rig.w), QList<int>{});
    QCOMPARE(namesShown(rig.w), QList<int>{});
    QCOMPARE(rig.w.Last, 20);

    studyInOrder(rig, 20);
    QCOMPARE(framedLetters(rig.w), QList<int>{20});
    QCOMPARE(namesShown(rig.w), QList<int>{20});
    QCOMPARE(rig.w.lblObraz->text(), inStoredOrder(znakovit::meanings(20)));
    QVERIFY(rig.w.imgChoose->isHidden());
    QVERIFY(rig.draws.empty());
}

QTEST_MAIN(tst_Study)
#include "tst_study.moc"
