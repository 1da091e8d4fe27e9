// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/frmbukv.h"

#include <QListWidget>

#include <vector>

// Shuffles one meanings string: cuts it into lstMix, draws the items into lstMix2 in a
// random order with the first one raised to a capital, and joins them with "; ".
// The caller empties both lists beforehand; Mix works on whatever they hold.
QString frmBukv::Mix(const QString& InpStr)
{
    // The character after each ";" is the separator's blank and is skipped unseen; text
    // after the last ";" never reaches the list.
    QString item;
    const qsizetype length = InpStr.size();
    for (qsizetype i = 0; i < length; ++i) {
        if (InpStr[i] != u';') {
            item += InpStr[i];
            continue;
        }
        lstMix->addItem(item);
        item.clear();
        ++i;
    }

    // Draw and redraw: a draw that hits an item already placed is thrown away, so every
    // order is equally likely. The product stays in single precision, and as Rnd stays
    // below 1 the draw never passes count.
    const int count = lstMix->count();
    std::vector<bool> placed(std::size_t(count) + 1, false);
    for (int j = 1; j <= count; ++j) {
        int r = 0;
        do {
            r = int(float(count) * services_.Rnd()) + 1;
            Q_ASSERT(r >= 1 && r <= count);
        } while (placed[std::size_t(r)]);
        placed[std::size_t(r)] = true;

        QString entry = lstMix->item(r - 1)->text();
        // An empty item has no first character to raise; it is placed as it is.
        if (j == 1 && !entry.isEmpty())
            entry[0] = entry[0].toUpper();
        lstMix2->addItem(entry);
    }

    QString result;
    const int placedCount = lstMix2->count();
    for (int k = 0; k < placedCount; ++k) {
        result += lstMix2->item(k)->text();
        if (k < placedCount - 1)
            result += QStringLiteral("; ");
    }
    return result;
}
