// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Suggest.h"

#include "engine/BaseForms.h"
#include "engine/Cp1250Letters.h"
#include "engine/Query.h"
#include "engine/Search.h"
#include "engine/SearchOrder.h"
#include "engine/TypingErrors.h"

#include <algorithm>
#include <numeric>

namespace slovnik {
namespace {

using typing::Cost;

// The most that all the errors in one word may cost: three plain edits. It also bounds how much
// longer than any word a typed text can be and still be a mistyped word.
constexpr Cost kMaxBudget = 3 * typing::kEditCost;
constexpr std::size_t kMaxTypedLength = FieldCapacity + kMaxBudget / typing::kDoubledLetterCost;

// One plain edit for a one-letter word, and one more for every three letters after it: a short
// word changed twice is another word, a long one is still recognisable.
Cost budgetFor(std::size_t length)
{
    const auto grown = typing::kEditCost + typing::kEditCost * (length - 1) / 3;
    return static_cast<Cost>(std::min<std::size_t>(grown, kMaxBudget));
}

struct Ranked {
    Cost cost;
    std::uint32_t rank;
    std::uint32_t word;
};

// The best words so far, in their final order, in fixed room.
class BestWords {
public:
    BestWords(std::size_t limit, Cost budget) : m_limit(limit), m_budget(budget) { }

    /// A word costing more than this can never enter.
    Cost bound() const { return m_size < m_limit ? m_budget : m_best[m_size - 1].cost; }

    void offer(const Ranked &word)
    {
        const auto before = [](const Ranked &a, const Ranked &b) {
            return a.cost != b.cost ? a.cost < b.cost : a.rank < b.rank;
        };
        if (word.cost > m_budget || (m_size == m_limit && !before(word, m_best[m_size - 1])))
            return;
        std::size_t at = std::min(m_size, m_limit - 1);
        for (; at > 0 && before(word, m_best[at - 1]); --at)
            m_best[at] = m_best[at - 1];
        m_best[at] = word;
        m_size = std::min(m_size + 1, m_limit);
    }

    std::span<const Ranked> words() const { return {m_best.data(), m_size}; }

private:
    std::array<Ranked, MaxSuggestions> m_best{};
    std::size_t m_size = 0;
    std::size_t m_limit;
    Cost m_budget;
};

// The distance table between the typed text and one candidate, one row per character of the
// candidate. Rows depend only on the candidate's characters up to their own, so consecutive
// sorted candidates reuse the rows of the beginning they share, and a row whose every cell is
// over the bound rules out every candidate that begins with it.
class DistanceRows {
public:
    explicit DistanceRows(std::string_view typed) : m_typed(typed)
    {
        const auto &costs = typing::substitutionCosts();
        for (unsigned c = 0; c < 256; ++c) {
            for (std::size_t i = 0; i < typed.size(); ++i)
                m_substitution[c][i] = costs[static_cast<unsigned char>(typed[i])][c];
        }
        m_rows[0][0] = 0;
        for (std::size_t i = 1; i <= typed.size(); ++i) {
            m_deletion[i]
                = typing::insertionOrDeletionCost(byteAt(typed, i - 1), i > 1 ? byteAt(typed, i - 2) : 0);
            m_rows[0][i] = static_cast<Cost>(m_rows[0][i - 1] + m_deletion[i]);
        }
    }

    /// Fills row j (1-based) for the candidate `word`; returns the row's smallest cell.
    Cost fillRow(std::string_view word, std::size_t j)
    {
        const unsigned char c = byteAt(word, j - 1);
        const unsigned char before = j > 1 ? byteAt(word, j - 2) : 0;
        const Cost insertion = typing::insertionOrDeletionCost(c, before);
        const auto &above = m_rows[j - 1];
        auto &row = m_rows[j];
        const auto &substitution = m_substitution[c];
        row[0] = static_cast<Cost>(above[0] + insertion);
        Cost smallest = row[0];
        for (std::size_t i = 1; i <= m_typed.size(); ++i) {
            Cost cell = std::min({static_cast<Cost>(above[i] + insertion),
                                  static_cast<Cost>(row[i - 1] + m_deletion[i]),
                                  static_cast<Cost>(above[i - 1] + substitution[i - 1])});
            if (i > 1 && j > 1 && byteAt(m_typed, i - 1) == before && byteAt(m_typed, i - 2) == c
                && c != before) {
                const Cost swap = typing::transpositionCost(before, c);
                cell = std::min(cell, static_cast<Cost>(m_rows[j - 2][i - 2] + swap));
            }
            row[i] = cell;
            smallest = std::min(smallest, cell);
        }
        return smallest;
    }

    Cost distance(std::size_t j) const { return m_rows[j][m_typed.size()]; }

private:
    static unsigned char byteAt(std::string_view text, std::size_t i)
    {
        return static_cast<unsigned char>(text[i]);
    }

    std::string_view m_typed;
    std::array<std::array<std::uint8_t, kMaxTypedLength>, 256> m_substitution{};
    std::array<Cost, kMaxTypedLength + 1> m_deletion{};
    std::array<std::array<Cost, kMaxTypedLength + 1>, FieldCapacity + 1> m_rows{};
};

} // namespace

Suggester::Suggester(std::span<const DictionaryEntry> table) : m_table(table) { }

Suggester::Candidates Suggester::gather(std::span<const DictionaryEntry> table,
                                        TranslationDirection direction)
{
    const auto wordAt
        = [&](std::size_t position) { return fieldText(SearchedField(table[position], direction)); };
    // Made at the first misspelling a learner types, within that keystroke: one pass, no
    // reallocation on the way.
    Candidates candidates;
    candidates.bytes.reserve(table.size() * FieldCapacity / 2);
    candidates.offsets.reserve(table.size() + 1);
    candidates.ranks.reserve(table.size());
    candidates.shared.reserve(table.size());
    std::string_view previous;
    const auto take = [&](std::size_t position) {
        const std::string_view word = wordAt(position);
        if (word.empty() || word == previous)
            return;
        const auto mismatch = std::mismatch(word.begin(), word.end(), previous.begin(), previous.end());
        candidates.shared.push_back(static_cast<std::uint8_t>(mismatch.first - word.begin()));
        candidates.offsets.push_back(static_cast<std::uint32_t>(candidates.bytes.size()));
        candidates.ranks.push_back(static_cast<std::uint32_t>(position));
        candidates.bytes += word;
        for (const char c : word)
            candidates.alphabet[static_cast<unsigned char>(c)] = true;
        previous = word;
    };
    // In order of word and then of position, the first of each run of equal words is its
    // commonest. The program's own table comes in that order from the build; another is sorted.
    const std::span<const std::uint16_t> order = knownSearchOrder(table, direction);
    if (order.size() == table.size()) {
        // The order jumps about the table: each entry is asked for well before it is read.
        constexpr std::size_t kAhead = 16;
        for (std::size_t k = 0; k < order.size(); ++k) {
            if (k + kAhead < order.size())
                __builtin_prefetch(&SearchedField(table[order[k + kAhead]], direction));
            take(order[k]);
        }
    } else {
        std::vector<std::uint32_t> sorted(table.size());
        std::iota(sorted.begin(), sorted.end(), 0U);
        std::stable_sort(sorted.begin(), sorted.end(),
                         [&](std::uint32_t a, std::uint32_t b) { return wordAt(a) < wordAt(b); });
        for (const std::uint32_t position : sorted)
            take(position);
    }
    candidates.offsets.push_back(static_cast<std::uint32_t>(candidates.bytes.size()));
    // Kept for the program's life: only what the words take.
    candidates.bytes.shrink_to_fit();
    candidates.offsets.shrink_to_fit();
    candidates.ranks.shrink_to_fit();
    candidates.shared.shrink_to_fit();
    return candidates;
}

const Suggester::Candidates &Suggester::candidates(TranslationDirection direction)
{
    std::optional<Candidates> &slot = m_candidates[static_cast<std::size_t>(direction)];
    if (!slot)
        slot = gather(m_table, direction);
    return *slot;
}

std::vector<std::string> Suggester::suggest(std::string_view typed, TranslationDirection direction,
                                            std::size_t limit)
{
    // Punctuation stuck to the word ("freind;", "(freind)") goes as it goes for base forms.
    std::string query = cleanedWord(cleanedQuery(typed, direction));
    std::erase(query, '\'');
    limit = std::min(limit, MaxSuggestions);
    if (query.empty() || query.size() > kMaxTypedLength || limit == 0
        || readsAsNegation(m_table, query, direction))
        return {};
    const Candidates &words = candidates(direction);
    const auto couldBeMistyped = [&](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return words.alphabet[byte] || cp1250::baseLetter(byte) != 0 || c == ' ';
    };
    const auto letters = std::count_if(query.begin(), query.end(), [](char c) {
        return cp1250::baseLetter(static_cast<unsigned char>(c)) != 0;
    });
    if (!std::all_of(query.begin(), query.end(), couldBeMistyped)
        || 2 * static_cast<std::size_t>(letters) < query.size())
        return {};

    BestWords best(limit, budgetFor(query.size()));
    DistanceRows rows(query);
    std::size_t filled = 0; // rows of the last candidate's beginning in place
    std::size_t ruledOut = FieldCapacity + 1; // a beginning this long is over the bound
    for (std::size_t k = 0; k + 1 < words.offsets.size(); ++k) {
        if (words.shared[k] >= ruledOut)
            continue;
        ruledOut = FieldCapacity + 1;
        const std::string_view word(words.bytes.data() + words.offsets[k],
                                    words.offsets[k + 1] - words.offsets[k]);
        std::size_t j = std::min<std::size_t>(words.shared[k], filled);
        while (j < word.size()) {
            ++j;
            if (rows.fillRow(word, j) > best.bound()) {
                ruledOut = j;
                break;
            }
        }
        filled = j;
        if (ruledOut > FieldCapacity)
            best.offer({rows.distance(word.size()), words.ranks[k], static_cast<std::uint32_t>(k)});
    }

    std::vector<std::string> suggestions;
    for (const Ranked &ranked : best.words())
        suggestions.emplace_back(words.bytes.data() + words.offsets[ranked.word],
                                 words.offsets[ranked.word + 1] - words.offsets[ranked.word]);
    return suggestions;
}

} // namespace slovnik
