// SPDX-License-Identifier: GPL-2.0-or-later
#include "translator/OfferModel.h"

#include "engine/Search.h"
#include "text/Cp1250.h"

#include <algorithm>
#include <string>
#include <utility>

namespace slovnik {
namespace {

// A box reads its line under the role of an editable box, its list under the display role: both
// are the one text, as in any item.
int textRole(int role)
{
    return role == Qt::EditRole ? Qt::DisplayRole : role;
}

} // namespace

QVariant OfferModel::AddedOffer::value(int role) const
{
    const auto held = std::find_if(m_roles.cbegin(), m_roles.cend(),
                                   [role](const auto &pair) { return pair.first == role; });
    return held == m_roles.cend() ? QVariant() : held->second;
}

void OfferModel::AddedOffer::set(int role, const QVariant &value)
{
    const auto held = std::find_if(m_roles.begin(), m_roles.end(),
                                   [role](const auto &pair) { return pair.first == role; });
    if (held == m_roles.end())
        m_roles.emplace_back(role, value);
    else
        held->second = value;
}

OfferModel::OfferModel(std::span<const DictionaryEntry> table, QObject *parent) :
    QAbstractListModel(parent),
    m_table(table)
{
}

void OfferModel::showEntries(std::vector<std::uint32_t> entries, TranslationDirection direction)
{
    beginResetModel();
    m_entries = std::move(entries);
    m_direction = direction;
    m_added.clear();
    m_added.shrink_to_fit();
    endResetModel();
}

int OfferModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ownCount() + static_cast<int>(m_added.size());
}

QVariant OfferModel::data(const QModelIndex &index, int role) const
{
    // A box asks for the text of no line, too, as the text of an empty choice.
    if (!index.isValid() || index.model() != this)
        return {};
    const int row = index.row();
    if (row >= ownCount())
        return m_added[static_cast<std::size_t>(row - ownCount())].value(textRole(role));
    if (textRole(role) != Qt::DisplayRole)
        return {};
    ResultLineBuffer buffer;
    return fromCp1250(resultLineOf(m_table[m_entries[static_cast<std::size_t>(row)]], m_direction, buffer));
}

bool OfferModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.model() != this || index.row() < ownCount())
        return false;
    m_added[static_cast<std::size_t>(index.row() - ownCount())].set(textRole(role), value);
    const QList<int> roles
        = textRole(role) == Qt::DisplayRole ? QList<int>{Qt::DisplayRole, Qt::EditRole} : QList<int>{role};
    Q_EMIT dataChanged(index, index, roles);
    return true;
}

bool OfferModel::insertRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || count < 1 || row < ownCount() || row > rowCount())
        return false;
    beginInsertRows(parent, row, row + count - 1);
    const auto at = m_added.begin() + (row - ownCount());
    m_added.insert(at, static_cast<std::size_t>(count), AddedOffer());
    endInsertRows();
    return true;
}

bool OfferModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || count < 1 || row < 0 || row + count > rowCount())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    const int own = ownCount();
    const int ownEnd = std::min(row + count, own);
    if (row < own)
        m_entries.erase(m_entries.begin() + row, m_entries.begin() + ownEnd);
    const int addedFirst = std::max(row, own) - own;
    const int addedLast = row + count - own;
    if (addedLast > addedFirst)
        m_added.erase(m_added.begin() + addedFirst, m_added.begin() + addedLast);
    endRemoveRows();
    return true;
}

QModelIndexList OfferModel::match(const QModelIndex &start, int role, const QVariant &value, int hits,
                                  Qt::MatchFlags flags) const
{
    const QString text = value.toString();
    const std::string encoded = toCp1250(text);
    // A text the table's encoding cannot hold is compared as any model compares.
    if (textRole(role) != Qt::DisplayRole || flags != (Qt::MatchExactly | Qt::MatchCaseSensitive)
        || start.parent().isValid() || start.column() != 0 || value.userType() != QMetaType::QString
        || fromCp1250(encoded) != text)
        return QAbstractListModel::match(start, role, value, hits, flags);
    QModelIndexList found;
    ResultLineBuffer buffer;
    for (int row = std::max(start.row(), 0); row < rowCount() && (hits < 0 || found.size() < hits); ++row) {
        const bool equal = row < ownCount()
            ? resultLineOf(m_table[m_entries[static_cast<std::size_t>(row)]], m_direction, buffer) == encoded
            : m_added[static_cast<std::size_t>(row - ownCount())].value(Qt::DisplayRole) == value;
        if (equal)
            found.append(index(row));
    }
    return found;
}

} // namespace slovnik
