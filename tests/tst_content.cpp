// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed data: the 49 letters' tooltips and meanings, and the sixteen alphabet truths.
#include "content/azbist.h"
#include "content/letters.h"

#include <QRegularExpression>
#include <QTest>

using namespace znakovit;

namespace {

struct Row
{
    int number; // 0: no number
    int items;
    int length;
};

// Number value, item count and target length of each letter's meanings string.
constexpr Row Table[LetterCount] = {
    {1, 9, 101},  {0, 5, 81},    {2, 8, 170},   {3, 8, 136},   {4, 12, 157},  {5, 3, 99},
    {0, 7, 164},  {0, 6, 159},   {6, 7, 102},   {7, 7, 139},   {8, 7, 122},   {10, 8, 176},
    {0, 6, 149},  {0, 6, 217},   {20, 8, 189},  {30, 7, 230},  {40, 11, 184}, {50, 4, 137},
    {70, 5, 149}, {80, 8, 150},  {100, 7, 147}, {200, 5, 104}, {300, 7, 164}, {400, 6, 158},
    {0, 9, 192},  {500, 6, 152}, {600, 7, 198}, {800, 8, 292}, {900, 5, 100}, {90, 7, 143},
    {0, 8, 144},  {0, 7, 183},   {0, 4, 125},   {0, 6, 155},   {0, 5, 135},   {0, 3, 175},
    {0, 4, 192},  {0, 4, 129},   {0, 5, 156},   {0, 3, 123},   {0, 5, 143},   {0, 5, 95},
    {0, 5, 184},  {0, 3, 165},   {60, 3, 57},   {700, 2, 83},  {9, 6, 156},   {0, 6, 142},
    {0, 5, 116},
};

// The strings that are quoted word for word must have exactly their length.
constexpr int Quoted[] = {0, 1, 5, 11, 44, 45};

QStringList itemsOf(const QString& text)
{
    return text.chopped(1).split(QStringLiteral("; "));
}

} // namespace

class tst_content : public QObject
{
    Q_OBJECT

private slots:
    void meaningsFormat_data();
    void meaningsFormat();
    void meaningsTotals();
    void quotedMeanings();
    void tooltips_data();
    void tooltips();
    void tooltipCount();
    void findLine_data();
    void findLine();
    void lineMembers_data();
    void lineMembers();
    void sentences_data();
    void sentences();
    void quotedSentence();
};

void tst_content::meaningsFormat_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < LetterCount; ++i)
        QTest::addRow("%d %s", i, qPrintable(toQString(Letters[std::size_t(i)].name))) << i;
}

void tst_content::meaningsFormat()
{
    QFETCH(int, index);
    const QString text = meanings(index);
    const Row& row = Table[index];

    QVERIFY2(text.endsWith(QLatin1Char(';')), qPrintable(text));
    QVERIFY(!text.startsWith(QLatin1Char(' ')));
    QVERIFY(!text.contains(QStringLiteral("  ")));
    // Only Cyrillic letters, blank, comma, hyphen, parentheses and ";" (and the one Latin i).
    static const QRegularExpression allowed(QStringLiteral("^[А-Яа-яЁё ,\\-();i]+$"));
    QVERIFY2(allowed.match(text).hasMatch(), qPrintable(text));
    QCOMPARE(text.count(QLatin1Char('i')), index == 11 ? 1 : 0);
    // Every ";" but the closing one is followed by exactly one blank and then a letter.
    static const QRegularExpression separator(QStringLiteral(";(?!$)(?! \\S)"));
    QVERIFY2(!separator.match(text).hasMatch(), qPrintable(text));

    const QStringList items = itemsOf(text);
    QCOMPARE(items.size(), row.items);
    for (const QString& item : items) {
        QVERIFY2(!item.isEmpty() && item.front().isLetter(), qPrintable(item));
        QVERIFY2(item.back().isLetter() || item.back() == QLatin1Char(')'), qPrintable(item));
        QVERIFY(!item.contains(QLatin1Char(';')));
        static const QRegularExpression remark(QStringLiteral("^[^()]*(\\([^()]+\\)[^()]*)?$"));
        QVERIFY2(remark.match(item).hasMatch(), qPrintable(item));
    }

    if (std::find(std::begin(Quoted), std::end(Quoted), index) != std::end(Quoted))
        QCOMPARE(text.size(), row.length);
    else
        QVERIFY2(
            std::abs(text.size() - row.length) <= row.length * 15 / 100,
            qPrintable(QStringLiteral("length %1, table %2").arg(text.size()).arg(row.length)));
}

void tst_content::meaningsTotals()
{
    int items = 0, capitals = 0;
    for (int i = 0; i < LetterCount; ++i) {
        for (const QString& item : itemsOf(meanings(i))) {
            ++items;
            capitals += item.front().isUpper() ? 1 : 0;
        }
    }
    QCOMPARE(items, 298);
    QVERIFY2(capitals < items / 10, "most items begin with a small letter");
}

void tst_content::quotedMeanings()
{
    // The мiр of letter 11 has a Latin i, which a comparison must keep apart from the Cyrillic і.
    const QString eleven = meanings(11);
    QVERIFY(eleven.contains(QStringLiteral("вселенная (м") + QChar(0x0069) + QStringLiteral("р)")));
    QVERIFY(!eleven.contains(QStringLiteral("м") + QChar(0x0456) + QStringLiteral("р")));
    QCOMPARE(meanings(0).right(4), QStringLiteral("; я;"));
    QCOMPARE(meanings(1), QStringLiteral("множество Богов; Божественное; множество; превосходящее "
                                         "(преобладающее); большое;"));
    QCOMPARE(meanings(44),
             QStringLiteral("дух, духовность, духовное; духовные структуры; мир духов;"));
    QCOMPARE(itemsOf(meanings(45)).last(), QStringLiteral("Бессмертное начало в человеке"));
    QCOMPARE(itemsOf(meanings(5)).at(1),
             QStringLiteral("земная (планетарная) форма жизни - бытиё"));
}

void tst_content::tooltips_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    for (int i = 0; i < LetterCount; ++i)
        QTest::addRow("%d", i) << i
                               << (Table[i].number
                                       ? QStringLiteral("Число: %1").arg(Table[i].number)
                                       : QString());
}

void tst_content::tooltips()
{
    QFETCH(int, index);
    QFETCH(QString, expected);
    QCOMPARE(toolTipText(index), expected);
}

void tst_content::tooltipCount()
{
    int withNumber = 0;
    for (int i = 0; i < LetterCount; ++i)
        withNumber += toolTipText(i).startsWith(QStringLiteral("Число: ")) ? 1 : 0;
    QCOMPARE(withNumber, 27);
}

void tst_content::findLine_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("number"); // -1: no line
    for (int i = -1; i <= LetterCount; ++i) {
        const bool inGrid = i >= 0 && i < LetterCount;
        QTest::addRow("row of %d", i) << 0 << i << (inGrid ? i / 7 : -1);
        QTest::addRow("column of %d", i) << 1 << i << (inGrid ? i % 7 : -1);
        const int row = i / 7, column = i % 7;
        const int diagonal = !inGrid             ? -1
                             : row == column     ? 0 // the centre selects the main one
                             : row + column == 6 ? 1
                                                 : -1;
        QTest::addRow("diagonal of %d", i) << 2 << i << diagonal;
    }
    QTest::addRow("no direction 3") << 3 << 0 << -1;
}

void tst_content::findLine()
{
    QFETCH(int, direction);
    QFETCH(int, index);
    QFETCH(int, number);
    const AzbIstLine* line = FindAzbIstLine(direction, qint16(index));
    if (number < 0) {
        QVERIFY(line == nullptr);
        return;
    }
    QVERIFY(line != nullptr);
    QCOMPARE(line->direction, direction);
    QCOMPARE(line->number, number);
    QVERIFY(std::find(line->members.begin(), line->members.end(), index) != line->members.end());
}

void tst_content::lineMembers_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QList<int>>("members");
    for (int r = 0; r < 7; ++r) {
        QList<int> members;
        for (int c = 0; c < 7; ++c)
            members << 7 * r + c;
        QTest::addRow("row %d", r) << r << members;
    }
    for (int c = 0; c < 7; ++c) {
        QList<int> members;
        for (int r = 0; r < 7; ++r)
            members << 7 * r + c;
        QTest::addRow("column %d", c) << 7 + c << members;
    }
    QTest::newRow("main diagonal") << 14 << QList<int>{0, 8, 16, 24, 32, 40, 48};
    QTest::newRow("anti-diagonal") << 15 << QList<int>{6, 12, 18, 24, 30, 36, 42};
}

void tst_content::lineMembers()
{
    QFETCH(int, line);
    QFETCH(QList<int>, members);
    const AzbIstLine& l = AzbIstLines[std::size_t(line)];
    QCOMPARE(QList<int>(l.members.begin(), l.members.end()), members);
    // Every line but the anti-diagonal is selected by all its members; 24 selects the main one.
    for (int m : members)
        QCOMPARE(l.selectedBy(qint16(m)), !(line == 15 && m == 24));
}

void tst_content::sentences_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("start");
    const int lengths[] = {141, 192, 261, 210, 170, 241, 158, 155,
                           94,  142, 185, 145, 201, 250, 103, 113};
    const char* starts[] = {
        "Я Богов",         "Жизнь во",         "Стремление людей", "Материализованная мысль",
        "Все устремления", "Творение Бытия",   "Смысл Бытия",      "Я живу",
        "Боги усердно",    "Глубинные знания", "Глаголь Истину",   "Добрые деяния",
        "Бытиё в",         "Всё сущее",        "Я весьма",         "Все сущие Общиные"};
    for (int i = 0; i < 16; ++i)
        QTest::addRow("line %d", i) << i << lengths[i] << QString::fromUtf8(starts[i]);
}

void tst_content::sentences()
{
    QFETCH(int, line);
    QFETCH(int, length);
    QFETCH(QString, start);
    const QString text = AzbIstLines[std::size_t(line)].text();
    QCOMPARE(text.size(), length);
    QVERIFY2(text.startsWith(start), qPrintable(text));
    QVERIFY(text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('"')));
    QCOMPARE(text.trimmed(), text);
}

void tst_content::quotedSentence()
{
    const QString text = FindAzbIstLine(1, 8)->text();
    QCOMPARE(text.count(QChar(0x0022)), 2);
    QVERIFY(text.contains(QStringLiteral("Свыше: \"К истокам")));
    QVERIFY(text.endsWith(QStringLiteral("Судьбу.\"")));
}

QTEST_GUILESS_MAIN(tst_content)
#include "tst_content.moc"
