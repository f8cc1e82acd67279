#include "common/Translation.h"

#include "common/ListOrder.h"
#include "engine/BaseForms.h"
#include "engine/Query.h"
#include "engine/ResultLine.h"
#include "text/Cp1250.h"

#include <algorithm>
#include <vector>

namespace slovnik {
namespace {

// A word box's list: offers come in unsorted during a scan and the whole list is sorted when
// the scan ends, so offers of an earlier scan for the same word stay ahead of equal ones.
class OfferList final : public LineSink {
public:
    void addLine(std::string_view line) override { m_offers.append(fromCp1250(line)); }

    int AddPrefixOffers(std::span<const DictionaryEntry> table, std::string_view word,
                        TranslationDirection direction)
    {
        const int hits = prefixOffers(table, word, direction, *this);
        m_offers.sort();
        return hits;
    }

    void AddReducedOffers(std::span<const DictionaryEntry> table, std::string_view word,
                          TranslationDirection direction)
    {
        for (const std::string &form : reducedOfferForms(word))
            AddPrefixOffers(table, form, direction);
    }

    QStringList offers() const { return m_offers.lines(); }
    QStringList sorted()
    {
        m_offers.sort();
        return m_offers.lines();
    }

private:
    CollatedLines m_offers{resultLineCollator()};
};

} // namespace

QStringList wordOffers(std::span<const DictionaryEntry> table, std::string_view word,
                       TranslationDirection direction)
{
    const std::string lowered = lowerAsciiLetters(word);
    if (lowered.empty())
        return {};
    OfferList list;
    if (list.AddPrefixOffers(table, lowered, direction) == 0
        && direction == TranslationDirection::EnglishToCzech)
        list.AddReducedOffers(table, lowered, direction);
    return list.offers();
}

QStringList suggestedOffers(Suggester &suggester, std::span<const DictionaryEntry> table,
                            std::string_view word, TranslationDirection direction)
{
    QStringList offers;
    for (const std::string &suggestion : suggester.suggest(word, direction, ShownSuggestions)) {
        OfferList lines;
        ExactSearch(table, suggestion, direction, lines);
        offers += lines.sorted();
    }
    return offers;
}

BoxOffers boxOffers(Suggester &suggester, std::span<const DictionaryEntry> table, std::string_view word,
                    TranslationDirection direction)
{
    BoxOffers offers{wordOffers(table, word, direction), {}, {}};
    std::vector<std::string> scanned;
    for (const QString &line : offers.scanned)
        scanned.push_back(toCp1250(line));
    const std::string lowered = lowerAsciiLetters(word);
    offers.onlyLongerWords = !scanned.empty()
        && std::none_of(scanned.begin(), scanned.end(),
                        [&](const std::string &line) { return resultLineParts(line).word == lowered; });
    for (const BaseFormOffer &offer : boxBaseFormOffers(table, scanned, word, direction))
        offers.baseForms.append({fromCp1250(offer.line), fromCp1250(offer.base), offer.negated});
    if (offers.scanned.isEmpty()) {
        for (const QString &line : suggestedOffers(suggester, table, word, direction)) {
            const bool baseFormLine
                = std::any_of(offers.baseForms.cbegin(), offers.baseForms.cend(),
                              [&](const BaseFormLine &offer) { return offer.line == line; });
            if (!baseFormLine)
                offers.suggestions.append(line);
        }
    }
    return offers;
}

SourceWords splitSourceLines(const QStringList &lines)
{
    std::vector<std::string> encoded;
    encoded.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString &line : lines)
        encoded.push_back(toCp1250(line));
    return splitSourceText(encoded);
}

QString shortenedTextNotice()
{
    return QStringLiteral("Zdrojový text byl zkrácen na prvních %1 slov").arg(MaxWords);
}

} // namespace slovnik
