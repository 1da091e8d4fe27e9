// SPDX-License-Identifier: GPL-3.0-or-later
// Alphabet truths: the mode button, the hover over the letters, the direction options.
#include "testsupport.h"

using namespace testsupport;

namespace {

// The lines in the table's order: rows 0..6, columns 0..6, main and anti-diagonal.
const znakovit::AzbIstLine& row(int r)
{
    return znakovit::AzbIstLines[std::size_t(r)];
}
const znakovit::AzbIstLine& column(int c)
{
    return znakovit::AzbIstLines[std::size_t(7 + c)];
}
const znakovit::AzbIstLine& mainDiagonal()
{
    return znakovit::AzbIstLines[14];
}
const znakovit::AzbIstLine& antiDiagonal()
{
    return znakovit::AzbIstLines[15];
}

// Runs a blank-separated list of user actions: "t" the mode button, "oK" a click on
// option K, "hN" the pointer over letter N, "cN" a click on letter N (its items drawn in
// stored order), "qN" "&Провериться" asking letter N.
void perform(Rig& rig, const QString& actions)
{
    frmBukv& w = rig.w;
    for (const QString& action : actions.split(u' ', Qt::SkipEmptyParts)) {
        const int n = action.mid(1).toInt();
        switch (action[0].unicode()) {
        case 't':
            w.cmdAzbIst->click();
            break;
        case 'o':
            w.optDirect[std::size_t(n)]->click();
            break;
        case 'h':
            w.imgBukv_MouseMove(n);
            break;
        case 'c':
            if (!w.Check && w.imgBukv[std::size_t(n)]->borderStyle() == 0)
                rig.script(drawsInOrder(int(itemsOf(w.Obraz[std::size_t(n)]).size())));
            w.imgBukv_Click(n);
            break;
        case 'q':
            rig.script({(float(n) - 0.5f) / 48.0f});
            w.cmdCheck->click();
            break;
        default:
            QFAIL(qPrintable(QStringLiteral("unknown action ") + action));
        }
    }
}

} // namespace

class tst_Truths : public QObject
{
    Q_OBJECT

private slots:
    void hoverInStudyMode_data();
    void hoverInStudyMode();
    void enter_data();
    void enter();
    void hover_data();
    void hover();
    void clickInMode_data();
    void clickInMode();
    void studyFrameInMode();
    void leave_data();
    void leave();
};

void tst_Truths::hoverInStudyMode_data()
{
    QTest::addColumn<QString>("setup");
    QTest::newRow("at start, rows") << QString();
    QTest::newRow("letter 5 studied, columns") << QStringLiteral("t o1 t c5");
    QTest::newRow("letter 24 studied, diagonals") << QStringLiteral("t o2 t c24");
    QTest::newRow("question waiting") << QStringLiteral("c5 q9");
    QTest::newRow("question answered") << QStringLiteral("c5 q9 c9");
}

void tst_Truths::hoverInStudyMode()
{
    QFETCH(QString, setup);
    Rig rig;
    perform(rig, setup);
    const Look before = Look::of(rig.w);
    for (int i = 0; i < znakovit::LetterCount; ++i)
        rig.w.imgBukv_MouseMove(i);
    COMPARE_LOOK(Look::of(rig.w), before);
}

// Entering frames nothing and covers what letter study showed without removing it.
void tst_Truths::enter_data()
{
    QTest::addColumn<QString>("setup");
    QTest::newRow("at start") << QString();
    QTest::newRow("letter 5 studied") << QStringLiteral("c5");
    QTest::newRow("question answered wrongly") << QStringLiteral("c5 q9 c8");
    QTest::newRow("again, diagonals chosen before") << QStringLiteral("t o2 h12 t c30");
}

void tst_Truths::enter()
{
    QFETCH(QString, setup);
    Rig rig;
    perform(rig, setup);
    Look expected = Look::of(rig.w);

    perform(rig, QStringLiteral("t"));

    expected.framed = {};
    expected.num = QString();
    expected.azbIst = QString();
    expected.azbIstShown = true;
    expected.optionsShown = {true, true, true};
    expected.choose3 = true;
    expected.checkEnabled = false;
    expected.azbIstCaption = QStringLiteral("Назад к &Буквице");
    expected.azbIstTip = QStringLiteral("Узнать о Буквице");
    expected.obrazColour = AnsweredColour;
    expected.AzbIst = false;
    COMPARE_LOOK(Look::of(rig.w), expected);
}

// Only the frames, the sentence and the chosen option change.
void tst_Truths::hover_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<int>("option");
    QTest::addColumn<QList<int>>("framed");
    QTest::addColumn<QString>("sentence");

    const auto line = [](const znakovit::AzbIstLine& l) { return membersOf(l); };
    const QList<int> none;

    QTest::newRow("rows: 10") << "h10" << 0 << line(row(1)) << row(1).text();
    QTest::newRow("rows: 10, then 12 is framed") << "h10 h12" << 0 << line(row(1)) << row(1).text();
    QTest::newRow("rows: 10, 12, then 17") << "h10 h12 h17" << 0 << line(row(2)) << row(2).text();
    QTest::newRow("rows: 48") << "h48" << 0 << line(row(6)) << row(6).text();
    QTest::newRow("columns: 10") << "o1 h10" << 1 << line(column(3)) << column(3).text();
    QTest::newRow("columns: 8, with quotation marks")
        << "o1 h8" << 1 << QList<int>{1, 8, 15, 22, 29, 36, 43}
        << QStringLiteral("Боги усердно людям утверждают Свыше: "
                          "\"К истокам возвращайтесь и созидайте собственную Судьбу.\"");
    QTest::newRow("columns: 0") << "o1 h0" << 1 << line(column(0)) << column(0).text();
    QTest::newRow("diagonals: 24 gives the main one")
        << "o2 h24" << 2 << QList<int>{0, 8, 16, 24, 32, 40, 48} << mainDiagonal().text();
    QTest::newRow("diagonals: 12, then 18 and 24 are framed")
        << "o2 h12 h18 h24" << 2 << QList<int>{6, 12, 18, 24, 30, 36, 42} << antiDiagonal().text();
    QTest::newRow("diagonals: 12, then 0")
        << "o2 h12 h0" << 2 << line(mainDiagonal()) << mainDiagonal().text();
    QTest::newRow("diagonals: 1 frames nothing") << "o2 h1" << 2 << none << QString();
    QTest::newRow("diagonals: 24, then 1, 2, 3, 4")
        << "o2 h24 h1 h2 h3 h4" << 2 << none << QString();
    QTest::newRow("row 1, then columns chosen") << "h10 o1" << 1 << line(row(1)) << QString();
    QTest::newRow("row 1, columns chosen, 9 is framed")
        << "h10 o1 h9" << 1 << line(row(1)) << QString();
    QTest::newRow("row 1, columns chosen, then 3")
        << "h10 o1 h9 h3" << 1 << line(column(3)) << column(3).text();
    QTest::newRow("main diagonal, then rows chosen")
        << "o2 h24 o0" << 0 << line(mainDiagonal()) << QString();
    QTest::newRow("nothing framed, then rows chosen") << "o2 h1 o0" << 0 << none << QString();
    // A click on the option already selected counts as a choice too.
    QTest::newRow("row 1, rows chosen again") << "h10 o0" << 0 << line(row(1)) << QString();
}

void tst_Truths::hover()
{
    QFETCH(QString, actions);
    QFETCH(int, option);
    QFETCH(QList<int>, framed);
    QFETCH(QString, sentence);

    Rig rig;
    perform(rig, QStringLiteral("t"));
    Look expected = Look::of(rig.w);

    perform(rig, actions);

    expected.option = option;
    expected.framed = framed;
    expected.azbIst = sentence;
    COMPARE_LOOK(Look::of(rig.w), expected);
}

// A framed letter only empties the number label; an unframed one is studied as in
// letter study, which here shows only as its frame.
void tst_Truths::clickInMode_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("letter");
    QTest::addColumn<bool>("studied");

    QTest::newRow("framed by the hover") << "t h10" << 10 << false;
    QTest::newRow("framed, a line without sentence") << "t h10 o1" << 13 << false;
    QTest::newRow("unframed, before any hover") << "c5 t" << 10 << true;
    QTest::newRow("unframed, off the diagonals") << "t o2 h24 h1" << 3 << true;
    QTest::newRow("unframed, letter Last") << "c20 t" << 20 << true;
}

void tst_Truths::clickInMode()
{
    QFETCH(QString, setup);
    QFETCH(int, letter);
    QFETCH(bool, studied);

    Rig rig;
    perform(rig, setup);
    Look expected = Look::of(rig.w);
    rig.w.lblNum->setText(QStringLiteral("прежнее"));

    perform(rig, QStringLiteral("c%1").arg(letter));

    expected.num = QString();
    if (studied) {
        const QString stored = rig.w.Obraz[std::size_t(letter)];
        expected.framed = {letter};
        expected.names = {letter};
        expected.choose = false;
        expected.obraz = inStoredOrder(stored);
        expected.Last = qint16(letter);
        expected.mix = itemsOf(stored);
        expected.mix2 = inStoredOrder(stored).split(QStringLiteral("; "));
    }
    COMPARE_LOOK(Look::of(rig.w), expected);
    QVERIFY(rig.draws.empty());
}

// The frame that a click leaves stays under the pointer and goes with the next hover over
// an unframed letter.
void tst_Truths::studyFrameInMode()
{
    Rig rig;
    perform(rig, QStringLiteral("t o2 h1 c3 h3"));
    QCOMPARE(framedLetters(rig.w), QList<int>{3});
    perform(rig, QStringLiteral("o1"));
    QCOMPARE(framedLetters(rig.w), QList<int>{3});
    QCOMPARE(rig.w.lblAzbIst->text(), QString());
    perform(rig, QStringLiteral("o2 h2"));
    QCOMPARE(framedLetters(rig.w), QList<int>{});
    QCOMPARE(rig.w.lblAzbIst->text(), QString());
    QCOMPARE(rig.w.Last, 3);
    QCOMPARE(namesShown(rig.w), QList<int>{3});
}

// Leaving brings back the opening look of letter study; Last, the number label and the
// chosen option stay.
void tst_Truths::leave_data()
{
    QTest::addColumn<QString>("setup");
    QTest::newRow("right after entering") << QStringLiteral("t");
    QTest::newRow("line shown") << QStringLiteral("t h10");
    QTest::newRow("letter 5 studied before entering") << QStringLiteral("c5 t h30");
    QTest::newRow("study frame") << QStringLiteral("t o2 h1 c5");
    QTest::newRow("anti-diagonal, diagonals chosen") << QStringLiteral("t o2 h12");
    QTest::newRow("line without sentence") << QStringLiteral("c7 t h10 o1");
}

void tst_Truths::leave()
{
    QFETCH(QString, setup);
    Rig rig;
    perform(rig, setup);
    Look expected = Look::of(rig.w);

    perform(rig, QStringLiteral("t"));

    expected.framed = {};
    expected.names = {};
    expected.choose = true;
    expected.choose3 = false;
    expected.optionsShown = {false, false, false};
    expected.azbIst = QString();
    expected.azbIstShown = false;
    expected.obraz = QString();
    expected.obrazColour = AnsweredColour;
    expected.checkEnabled = true;
    expected.azbIstCaption = QStringLiteral("К Азбучным &Истинам");
    expected.azbIstTip = QStringLiteral("Узнать об Азбучных Истинах");
    expected.AzbIst = true;
    COMPARE_LOOK(Look::of(rig.w), expected);

    // Entering again shows the options with the selection they had.
    perform(rig, QStringLiteral("t"));
    QCOMPARE(Look::of(rig.w).option, expected.option);
}

QTEST_MAIN(tst_Truths)
#include "tst_truths.moc"
