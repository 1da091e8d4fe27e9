// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/azbist.h"

#include "content/letters.h"

namespace znakovit {
namespace {

constexpr std::uint64_t bitsOf(const std::array<qint16, 7>& letters)
{
    std::uint64_t bits = 0;
    for (qint16 letter : letters)
        bits |= std::uint64_t{1} << letter;
    return bits;
}

constexpr std::array<qint16, 7> lineThrough(int first, int step)
{
    std::array<qint16, 7> letters{};
    for (int k = 0; k < 7; ++k)
        letters[std::size_t(k)] = qint16(first + k * step);
    return letters;
}

constexpr AzbIstLine row(int r, std::u16string_view sentence)
{
    const auto members = lineThrough(GridSide * r, 1);
    return {0, r, members, bitsOf(members), sentence};
}

constexpr AzbIstLine column(int c, std::u16string_view sentence)
{
    const auto members = lineThrough(c, GridSide);
    return {1, c, members, bitsOf(members), sentence};
}

constexpr auto MainDiagonal = lineThrough(0, GridSide + 1);
constexpr auto AntiDiagonal = lineThrough(GridSide - 1, GridSide - 1);
// The centre letter lies on both diagonals and selects the main one.
constexpr std::uint64_t Centre = std::uint64_t{1} << 24;

// Column 1 quotes the gods' words in plain double quotes.
constexpr std::u16string_view Column1 = u"Боги усердно людям утверждают Свыше: \"К истокам "
                                        u"возвращайтесь и созидайте собственную Судьбу.\"";

} // namespace

const std::array<AzbIstLine, 16> AzbIstLines{{
    row(0,
        u"Я Богов и мудрость на Земле и Небесах ведаю, передаю Духовное богатство, накопленное в "
        u"Явном Мире, который есть всё сущее и многопроявленное."),
    row(1,
        u"Жизнь во всём её многообразии есть непрерывный процесс воплощения энергии созидания, "
        u"протекающий в гармоничном равновесии как во Вселенских, так и Общинных формах бытия, всё "
        u"есть Божественное."),
    row(2, u"Стремление людей к Божественному подобию есть стремление к созиданию и преобразованию "
           u"Явного Мира посредством материализации мыслей, как воплощение образа Творца, "
           u"достигая при этом состояния устойчивого равновесия путём отделения всего лишнего, "
           u"не гармоничного."),
    row(3, u"Материализованная мысль, как утверждение Небесами Миров Яви, есть зов к единению с "
           u"Творцом для стабильности, что суть значимо для гармонии и баланса во Вселенных, "
           u"созданных Всевышним как множество подобий себя."),
    row(4,
        u"Все устремления в совершенствовании проявленного Мира и его расширение путём разрастания "
        u"Потомственных Кругов под покровом Высших Сил есть Сотворённая Богом данная жизнь."),
    row(5,
        u"Творение Бытия по замыслу Всевышнего и в постоянной взаимосвязи с Его помыслами, Родами "
        u"нашими, созидая грядущее и есть потенциал Роста Мудрости Народа, необходимый для "
        u"наполнения Всевышнего Духовным опытом, приобретаемым Душой в Явном Мире."),
    row(6,
        u"Смысл Бытия в творении своей судьбы с целью самосовершенствования, достигающего своего "
        u"предела в равновесии Духа и Души во время их движения в Круге Абсолюта."),
    column(0, u"Я живу, созидательными деяниями совершенствуя душу по принципу подобия Всевышнему, "
              u"материализуя мысли с целью достижения гармонии и осознания смысла Бытия."),
    column(1, Column1),
    column(
        2,
        u"Глубинные знания о Земле мыслями получайте, призываем, для расширения взаимосвязи Мира "
        u"Божественного и Мира Земного и возрастания вашего Духа."),
    column(3, u"Глаголь Истину, то, что было известно нашим Предкам, незыблемые с течением времени "
              u"устои для защиты Родового Круга, неразрывной связи с истоками и наполнения Души "
              u"Изначальными Образами."),
    column(4,
           u"Добрые деяния в потоке, снисходящем от Творца, дают осознание зрелости Человеческой "
           u"души, укрепляют и ведут к просветлению, единению Души и Духа."),
    column(5, u"Бытиё в его общинной форме проявления находится в устойчивом равновесии и всеобщей "
              u"гармонии в случае взаимодействия в Проявленном мире между Всевышним, как истоком "
              u"питающей энергии и совершенной душой."),
    column(6,
           u"Всё сущее и проявленное, равно как и запредельное, потаённое, есть чётко определённые "
           u"формы бытия, отошедшие от целого и совершенствуемые путём приобретения Душой "
           u"Духовного опыта и наполнения Родовой памяти в течение Её Меры Времени (Круга "
           u"Абсолюта)."),
    {2, 0, MainDiagonal, bitsOf(MainDiagonal),
     u"Я весьма мудр в своём созидании, когда под покровом Небесным Устои творю Родовые в течение "
     u"жизни своей."},
    {2, 1, AntiDiagonal, bitsOf(AntiDiagonal) & ~Centre,
     u"Все сущие Общиные формы Бытия с Творцом установленную взаимосвязь расширяя постигают смысл "
     u"своего предназначения."},
}};

QString AzbIstLine::text() const
{
    return toQString(sentence);
}

const AzbIstLine* FindAzbIstLine(int direction, qint16 index)
{
    for (const AzbIstLine& line : AzbIstLines)
        if (line.direction == direction && line.selectedBy(index))
            return &line;
    return nullptr;
}

} // namespace znakovit
