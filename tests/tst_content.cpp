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
    void quotedMeanings_data();
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

void tst_content::quotedMeanings_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("letter 0")
        << 0
        << QString::fromUtf16(
               u"Бог, живущий и созидающий на Земле; начало; изначалье; исток; един; "
               u"единый; единственное; человек; я;");
    QTest::newRow("letter 1") << 1
                              << QString::fromUtf16(
                                     u"множество Богов; Божественное; множество; превосходящее "
                                     u"(преобладающее); большое;");
    QTest::newRow("letter 5")
        << 5
        << QString::fromUtf16(u"пять элементов жизни; земная (планетарная) форма жизни - бытиё; "
                              u"нахождение в проявленном состоянии;");
    QTest::newRow("letter 11")
        << 11
        << QString::fromUtf16(
               u"уравнивание; вселенские понятия; истина (вселенского уровня); поток, "
               u"исходящий от Творца; вселенная (мiр); дух, проявляемый в матери; "
               u"связь с изначальной точкой; одухотворение;");
    QTest::newRow("letter 44") << 44
                               << QString::fromUtf16(
                                      u"дух, духовность, духовное; духовные структуры; мир духов;");
    QTest::newRow("letter 45")
        << 45
        << QString::fromUtf16(u"душа и все, что к ней относится, душевные структуры; Бессмертное "
                              u"начало в человеке;");
}

void tst_content::quotedMeanings()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QCOMPARE(meanings(index), text);
    // The мiр of letter 11 has a Latin i, which a comparison must keep apart from the Cyrillic і.
    if (index == 11)
        QVERIFY(
            text.contains(QStringLiteral("вселенная (м") + QChar(0x0069) + QStringLiteral("р)")));
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
    QTest::addColumn<QString>("sentence");
    // Every sentence word for word; column 1 holds the only quotation marks (U+0022).
    const char16_t* sentences[] = {
        // row 0
        u"Я Богов и мудрость на Земле и Небесах ведаю, передаю Духовное "
        u"богатство, накопленное в Явном Мире, который есть всё сущее и "
        u"многопроявленное.",
        // row 1
        u"Жизнь во всём её многообразии есть непрерывный процесс воплощения "
        u"энергии созидания, протекающий в гармоничном равновесии как во "
        u"Вселенских, так и Общинных формах бытия, всё есть Божественное.",
        // row 2
        u"Стремление людей к Божественному подобию есть стремление к созиданию "
        u"и преобразованию Явного Мира посредством материализации мыслей, как "
        u"воплощение образа Творца, достигая при этом состояния устойчивого "
        u"равновесия путём отделения всего лишнего, не гармоничного.",
        // row 3
        u"Материализованная мысль, как утверждение Небесами Миров Яви, есть "
        u"зов к единению с Творцом для стабильности, что суть значимо для "
        u"гармонии и баланса во Вселенных, созданных Всевышним как множество "
        u"подобий себя.",
        // row 4
        u"Все устремления в совершенствовании проявленного Мира и его "
        u"расширение путём разрастания Потомственных Кругов под покровом "
        u"Высших Сил есть Сотворённая Богом данная жизнь.",
        // row 5
        u"Творение Бытия по замыслу Всевышнего и в постоянной взаимосвязи с "
        u"Его помыслами, Родами нашими, созидая грядущее и есть потенциал "
        u"Роста Мудрости Народа, необходимый для наполнения Всевышнего "
        u"Духовным опытом, приобретаемым Душой в Явном Мире.",
        // row 6
        u"Смысл Бытия в творении своей судьбы с целью самосовершенствования, "
        u"достигающего своего предела в равновесии Духа и Души во время их "
        u"движения в Круге Абсолюта.",
        // column 0
        u"Я живу, созидательными деяниями совершенствуя душу по принципу "
        u"подобия Всевышнему, материализуя мысли с целью достижения гармонии и "
        u"осознания смысла Бытия.",
        // column 1
        u"Боги усердно людям утверждают Свыше: \"К истокам возвращайтесь и "
        u"созидайте собственную Судьбу.\"",
        // column 2
        u"Глубинные знания о Земле мыслями получайте, призываем, для "
        u"расширения взаимосвязи Мира Божественного и Мира Земного и "
        u"возрастания вашего Духа.",
        // column 3
        u"Глаголь Истину, то, что было известно нашим Предкам, незыблемые с "
        u"течением времени устои для защиты Родового Круга, неразрывной связи "
        u"с истоками и наполнения Души Изначальными Образами.",
        // column 4
        u"Добрые деяния в потоке, снисходящем от Творца, дают осознание "
        u"зрелости Человеческой души, укрепляют и ведут к просветлению, "
        u"единению Души и Духа.",
        // column 5
        u"Бытиё в его общинной форме проявления находится в устойчивом "
        u"равновесии и всеобщей гармонии в случае взаимодействия в Проявленном "
        u"мире между Всевышним, как истоком питающей энергии и совершенной "
        u"душой.",
        // column 6
        u"Всё сущее и проявленное, равно как и запредельное, потаённое, есть "
        u"чётко определённые формы бытия, отошедшие от целого и "
        u"совершенствуемые путём приобретения Душой Духовного опыта и "
        u"наполнения Родовой памяти в течение Её Меры Времени (Круга "
        u"Абсолюта).",
        // main diagonal
        u"Я весьма мудр в своём созидании, когда под покровом Небесным Устои "
        u"творю Родовые в течение жизни своей.",
        // anti-diagonal
        u"Все сущие Общиные формы Бытия с Творцом установленную взаимосвязь "
        u"расширяя постигают смысл своего предназначения.",
    };
    for (int i = 0; i < 16; ++i)
        QTest::addRow("line %d", i) << i << QString::fromUtf16(sentences[i]);
}

void tst_content::sentences()
{
    QFETCH(int, line);
    QFETCH(QString, sentence);
    QCOMPARE(AzbIstLines[std::size_t(line)].text(), sentence);
}

QTEST_GUILESS_MAIN(tst_content)
#include "tst_content.moc"
