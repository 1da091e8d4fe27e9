// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/letters.h"

namespace znakovit {

QString toolTipText(int index)
{
    const int number = Letters.at(std::size_t(index)).number;
    return number == 0 ? QString() : QStringLiteral("Число: %1").arg(number);
}

} // namespace znakovit
