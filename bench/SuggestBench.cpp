// SPDX-License-Identifier: GPL-2.0-or-later
// What spelling help costs: the worst single suggestion over misspellings of 1 to 20 letters in
// both directions, and a keystroke that finds nothing and asks for suggestions instead.

#include "common/CollectedResults.h"
#include "engine/Cp1250Letters.h"
#include "engine/Dic.h"
#include "engine/QueryRun.h"
#include "engine/Search.h"
#include "engine/Suggest.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

using namespace slovnik;

constexpr auto kEn = TranslationDirection::EnglishToCzech;
constexpr auto kCs = TranslationDirection::CzechToEnglish;
constexpr std::size_t kWordsPerLength = 5;
constexpr std::size_t kSuggestionsShown = 5;

// The commonest words of each length 1 to 20 in the searched field, each mistyped twice over:
// written without diacritics and with its middle letter replaced by the next one in the
// alphabet. A line of letters with no word near it is added for each length too, since a text
// that nothing resembles runs longest before the search gives up on it.
std::vector<std::string> misspellings(TranslationDirection direction)
{
    std::vector<std::string> typed;
    for (std::size_t length = 1; length <= FieldCapacity; ++length) {
        std::size_t taken = 0;
        for (const DictionaryEntry &entry : readableTable()) {
            std::string word(fieldText(SearchedField(entry, direction)));
            if (word.size() != length || taken == kWordsPerLength)
                continue;
            for (char &c : word) {
                if (const char base = cp1250::baseLetter(static_cast<unsigned char>(c)))
                    c = base;
            }
            char &middle = word[length / 2];
            middle = middle >= 'a' && middle < 'z' ? static_cast<char>(middle + 1) : 'a';
            typed.push_back(std::move(word));
            ++taken;
        }
        std::string letters;
        for (std::size_t i = 0; i < length; ++i)
            letters += static_cast<char>('a' + (i * 7) % 26);
        typed.push_back(letters);
    }
    return typed;
}

// Each word's time is the best of all iterations, so that a pause of the machine is not taken
// for the cost of a word; the worst of those is the figure that matters.
void worstSuggestion(benchmark::State &state, TranslationDirection direction)
{
    Suggester suggester(readableTable());
    const std::vector<std::string> words = misspellings(direction);
    suggester.suggest("warm", direction, kSuggestionsShown); // gathers the words once
    std::vector<double> best(words.size(), 1e9);
    for (auto _ : state) {
        for (std::size_t k = 0; k < words.size(); ++k) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(suggester.suggest(words[k], direction, MaxSuggestions));
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            best[k] = std::min(best[k], took.count());
        }
    }
    const auto worst = std::max_element(best.begin(), best.end());
    state.counters["worst_ms"] = *worst;
    state.counters["words"] = static_cast<double>(words.size());
    state.SetLabel("worst '" + words[static_cast<std::size_t>(worst - best.begin())] + "'");
}
void BM_WorstSuggestion_English(benchmark::State &state)
{
    worstSuggestion(state, kEn);
}
void BM_WorstSuggestion_Czech(benchmark::State &state)
{
    worstSuggestion(state, kCs);
}
BENCHMARK(BM_WorstSuggestion_English)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstSuggestion_Czech)->Unit(benchmark::kMillisecond);

// The first suggestion of a direction gathers the field's words: the one slower call.
void BM_FirstSuggestion(benchmark::State &state)
{
    for (auto _ : state) {
        Suggester suggester(readableTable());
        benchmark::DoNotOptimize(suggester.suggest("recieve", kEn, kSuggestionsShown));
    }
}
BENCHMARK(BM_FirstSuggestion)->Unit(benchmark::kMillisecond);

// A keystroke that finds nothing: the English query run with its four scans, then suggestions.
void BM_NoHitKeystroke(benchmark::State &state)
{
    CollectedResults list;
    QuietSearchHost host;
    QueryRun queryRun(readableTable(), list, host);
    Suggester suggester(readableTable());
    std::size_t shown = 0;
    for (auto _ : state) {
        queryRun.run("recieving", kEn);
        if (list.lines().size() == 0)
            shown = suggester.suggest("recieving", kEn, kSuggestionsShown).size();
    }
    state.counters["suggestions"] = static_cast<double>(shown);
}
BENCHMARK(BM_NoHitKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace
