// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What a word box lists. A box holds its word's own lines as the places of their entries in the
// read-only table, in the order they are offered, and makes a line's text only when the box or
// its drop-down asks for it: 128 boxes of common words would otherwise keep some 32,000 lines.
// The few offers added after them (phrases, base forms, suggestions) keep their text and their
// marks (italics, grey, hints) as a box sets them.

#include "engine/Dic.h"
#include "engine/Direction.h"

#include <QAbstractListModel>
#include <QVariant>

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace slovnik {

class OfferModel final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit OfferModel(std::span<const DictionaryEntry> table, QObject *parent = nullptr);

    /// Replaces everything listed with the lines of `entries`, in that order, in one reset.
    void showEntries(std::vector<std::uint32_t> entries, TranslationDirection direction);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    /// Only an added offer takes data; the table's lines are read-only.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    /// Rows are inserted after the table's lines only, as added offers.
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    /// A box looks its lines up by their whole text: that one is compared in the table's own
    /// encoding, without making every line's text.
    QModelIndexList match(const QModelIndex &start, int role, const QVariant &value, int hits = 1,
                          Qt::MatchFlags flags
                          = Qt::MatchFlags(Qt::MatchStartsWith | Qt::MatchWrap)) const override;

private:
    int ownCount() const { return static_cast<int>(m_entries.size()); }

    const std::span<const DictionaryEntry> m_table;
    TranslationDirection m_direction = TranslationDirection::CzechToEnglish;
    std::vector<std::uint32_t> m_entries;
    // An added offer: its text under Qt::DisplayRole, and its few other roles, which a hash would
    // hold in a kilobyte.
    class AddedOffer {
    public:
        QVariant value(int role) const;
        void set(int role, const QVariant &value);

    private:
        std::vector<std::pair<int, QVariant>> m_roles;
    };
    std::vector<AddedOffer> m_added;
};

} // namespace slovnik
