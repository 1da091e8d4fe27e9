// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <string_view>

namespace znakovit {

inline constexpr int LetterCount = 49;
inline constexpr int GridSide = 7;

enum class LetterColour { Red, Blue, Yellow };

struct Letter
{
    std::u16string_view glyph; // the letter as its picture shows it
    std::u16string_view name;  // in old-style spelling, as the name picture letters it
    std::u16string_view sound; // the sound hint, shown in parentheses after the name
    int number;                // its number value, 0 where it has none
    LetterColour colour;       // the colour of its letter picture
};

// The alphabet in grid order: letter i stands in row i / 7, column i % 7.
inline constexpr std::array<Letter, LetterCount> Letters{{
    {u"А", u"Азъ", u"а", 1, LetterColour::Red},
    {u"Б", u"Боги", u"б", 0, LetterColour::Blue},
    {u"В", u"Вѣди", u"в", 2, LetterColour::Blue},
    {u"Г", u"Глаголи", u"г", 3, LetterColour::Blue},
    {u"Д", u"Добро", u"д", 4, LetterColour::Blue},
    {u"Є", u"Єсть", u"е", 5, LetterColour::Red},
    {u"Є", u"Есмь", u"йе", 0, LetterColour::Red},

    {u"Ж", u"Животъ", u"ж", 0, LetterColour::Blue},
    {u"Ѕ", u"Ѕѣло", u"дз", 6, LetterColour::Blue},
    {u"Ꙁ", u"Ꙁемля", u"з", 7, LetterColour::Blue},
    {u"И", u"Иже", u"и-долг.", 8, LetterColour::Red},
    {u"І", u"Іжеи", u"и - ровное", 10, LetterColour::Red},
    {u"Ї", u"Їнить", u"и – полукрат.", 0, LetterColour::Red},
    {u"Ћ", u"Ћервь", u"гх", 0, LetterColour::Red},

    {u"К", u"Како", u"к", 20, LetterColour::Blue},
    {u"Л", u"Людїе", u"л", 30, LetterColour::Blue},
    {u"М", u"Мыслетѣ", u"м", 40, LetterColour::Blue},
    {u"Н", u"Нашь", u"н", 50, LetterColour::Blue},
    {u"О", u"Онъ", u"о - долг.", 70, LetterColour::Red},
    {u"П", u"Покои", u"п", 80, LetterColour::Blue},
    {u"Р", u"Рѣци", u"ръ", 100, LetterColour::Blue},

    {u"С", u"Слово", u"с", 200, LetterColour::Blue},
    {u"Т", u"Твѣрдо", u"тэ", 300, LetterColour::Blue},
    {u"У", u"Укъ", u"у", 400, LetterColour::Red},
    {u"Ȣ", u"Ȣкъ", u"оу", 0, LetterColour::Yellow},
    {u"Ф", u"Фѣрть", u"ф", 500, LetterColour::Blue},
    {u"Х", u"Хѣръ", u"х", 600, LetterColour::Blue},
    {u"Ѿ", u"Ѿъ", u"от", 800, LetterColour::Red},

    {u"Ц", u"Ци", u"ц", 900, LetterColour::Blue},
    {u"Ч", u"Червль", u"ч", 90, LetterColour::Blue},
    {u"Ш", u"Ша", u"ш", 0, LetterColour::Blue},
    {u"Щ", u"Ща", u"шт", 0, LetterColour::Blue},
    {u"Ъ", u"Єръ", u"о-крат.", 0, LetterColour::Red},
    {u"Ы", u"Єры", u"ы –мягк.", 0, LetterColour::Red},
    {u"Ь", u"Єрь", u"е-крат.", 0, LetterColour::Red},

    {u"Ѣ", u"Ять", u"ие", 0, LetterColour::Red},
    {u"Ю", u"Юнь", u"о, ю", 0, LetterColour::Red},
    {u"Ꙗ", u"Арь", u"а-крат., я", 0, LetterColour::Red},
    {u"Ѥ", u"Эдо", u"ие-крат., э", 0, LetterColour::Red},
    {u"Ѡ", u"Ѡъ", u"ом, о-мягк.", 0, LetterColour::Red},
    {u"Ѧ", u"Єнъ", u"е-носов.", 0, LetterColour::Red},
    {u"Ѫ", u"Одь", u"е-крат.,нос.; еу; ю", 0, LetterColour::Red},

    {u"Ѩ", u"Ёта", u"ё-крат., носовое", 0, LetterColour::Red},
    {u"Ѭ", u"Ота", u"о-крат., носовое", 0, LetterColour::Red},
    {u"Ѯ", u"Кси", u"кс", 60, LetterColour::Blue},
    {u"Ѱ", u"Пси", u"пс", 700, LetterColour::Blue},
    {u"Ѳ", u"Фита", u"ф-мяг.", 9, LetterColour::Blue},
    {u"Ѵ", u"Ижица", u"й, у, ю, и, в, н", 0, LetterColour::Red},
    {u"Ӕ", u"Ижа", u"й", 0, LetterColour::Red},
}};

// The tooltip of a letter picture: "Число: N" for a letter with a number, else empty.
QString toolTipText(int index);

// The meanings string of a letter: items joined by "; ", the whole closed by ";".
QString meanings(int index);

inline QString toQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

} // namespace znakovit
