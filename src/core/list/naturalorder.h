// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCollator>
#include <QString>

#include <algorithm>
#include <utility>
#include <vector>

namespace quillora {

// The order a file manager shows a folder in: numbers by their value
// ("sales-2" before "sales-10"), letter case and punctuation aside
// ("sales-2024-01" before "Sales Export H2"); names equal so are kept apart
// by their code points.
class NaturalOrder
{
public:
    NaturalOrder();

    // Sorts items by the name each holds, a key made once for each: a
    // folder of many files sorts in moments.
    template <typename Item, typename Name>
    void sort(std::vector<Item> &items, Name nameOf) const
    {
        std::vector<std::pair<QCollatorSortKey, Item>> keyed;
        keyed.reserve(items.size());
        for (Item &item : items)
            keyed.emplace_back(m_collator.sortKey(nameOf(item)), std::move(item));
        std::sort(keyed.begin(), keyed.end(), [&](const auto &a, const auto &b) {
            const int order = a.first.compare(b.first);
            return order != 0 ? order < 0 : nameOf(a.second) < nameOf(b.second);
        });
        items.clear();
        for (auto &[key, item] : keyed)
            items.push_back(std::move(item));
    }

private:
    QCollator m_collator;
};

} // namespace quillora
