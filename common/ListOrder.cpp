#include "common/ListOrder.h"

#include <algorithm>
#include <utility>

namespace slovnik {

QLocale listLocale()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return QLocale(QLocale::Czech, QLocale::Czechia);
    return system;
}

QCollator resultLineCollator()
{
    QCollator collator(listLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

QCollator wordListCollator()
{
    QCollator collator(listLocale());
    collator.setCaseSensitivity(Qt::CaseSensitive);
    return collator;
}

CollatedLines::CollatedLines(QCollator collator) : m_collator(std::move(collator)) { }

void CollatedLines::clear()
{
    m_items.clear();
}

void CollatedLines::append(const QString &line)
{
    m_items.push_back({line, m_collator.sortKey(line)});
}

void CollatedLines::sort()
{
    std::stable_sort(m_items.begin(), m_items.end(),
                     [](const Item &a, const Item &b) { return a.key.compare(b.key) < 0; });
}

QStringList CollatedLines::lines() const
{
    QStringList out;
    out.reserve(size());
    for (const Item &item : m_items)
        out.append(item.text);
    return out;
}

} // namespace slovnik
