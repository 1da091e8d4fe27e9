// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <string_view>

namespace znakovit {

// One straight line of the letter grid and the alphabet truth that it carries.
struct AzbIstLine
{
    int direction;                 // 0 rows, 1 columns, 2 diagonals
    int number;                    // the row or column; for the diagonals 0 main, 1 anti
    std::array<qint16, 7> members; // ascending: the letters framed while the line is shown
    std::uint64_t selectors;       // bit i set: a hover over letter i selects the line
    std::u16string_view sentence;

    constexpr bool selectedBy(qint16 index) const
    {
        return index >= 0 && index < 49 && ((selectors >> index) & 1u) != 0;
    }
    QString text() const;
};

// Rows 0..6, columns 0..6, the main diagonal, the anti-diagonal.
extern const std::array<AzbIstLine, 16> AzbIstLines;

// The line of the given direction that a hover over the letter selects, or none.
const AzbIstLine* FindAzbIstLine(int direction, qint16 index);

} // namespace znakovit
