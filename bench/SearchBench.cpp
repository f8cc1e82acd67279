// SPDX-License-Identifier: GPL-2.0-or-later
// The cost of one keystroke in the dictionary: the table scans of an English query run, beside a
// bare pass over the table, and the whole run with building, converting and sorting the lines.

#include "common/CollectedResults.h"
#include "engine/Dic.h"
#include "engine/QueryRun.h"
#include "engine/Search.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace slovnik;

constexpr auto kEn = TranslationDirection::EnglishToCzech;
constexpr auto kCs = TranslationDirection::CzechToEnglish;

struct CountingSink final : LineSink {
    std::size_t count = 0;
    void addLine(std::string_view line) override { count += line.size(); }
};

// The one-letter query with the most prefix hits in a direction: the slowest keystroke.
std::string worstLetter(TranslationDirection direction)
{
    std::string worst = "a";
    std::size_t most = 0;
    for (int c = 0; c < 256; ++c) {
        CountingSink sink;
        const std::string letter(1, static_cast<char>(c));
        PrefixSearch(readableTable(), letter, direction, sink);
        if (sink.count > most) {
            most = sink.count;
            worst = letter;
        }
    }
    return worst;
}

void BM_BarePass(benchmark::State &state)
{
    const std::span<const DictionaryEntry> table = readableTable();
    for (auto _ : state) {
        unsigned sum = 0;
        for (const DictionaryEntry &entry : table)
            sum += entry.English.length;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_BarePass);

// The scans of one English query run: the exact look-ups of its base forms, then the prefix.
void scansOfQueryRun(benchmark::State &state, const std::string &query)
{
    const std::span<const DictionaryEntry> table = readableTable();
    std::size_t scans = 0;
    for (auto _ : state) {
        CountingSink sink;
        scans = 1;
        for (const std::string &candidate : inflectedCandidates(query)) {
            ExactSearch(table, candidate, kEn, sink);
            ++scans;
        }
        PrefixSearch(table, query, kEn, sink);
        benchmark::DoNotOptimize(sink.count);
    }
    state.counters["scans"] = static_cast<double>(scans);
}
void BM_ScansOfEnglishRun_WorstLetter(benchmark::State &state)
{
    scansOfQueryRun(state, worstLetter(kEn));
}
void BM_ScansOfEnglishRun_dogs(benchmark::State &state)
{
    scansOfQueryRun(state, "dogs");
}
BENCHMARK(BM_ScansOfEnglishRun_WorstLetter);
BENCHMARK(BM_ScansOfEnglishRun_dogs);

void wholeQueryRun(benchmark::State &state, const std::string &query, TranslationDirection direction)
{
    CollectedResults list;
    QuietSearchHost host;
    QueryRun queryRun(readableTable(), list, host);
    for (auto _ : state)
        queryRun.run(query, direction);
    state.counters["lines"] = static_cast<double>(list.lines().size());
    state.SetLabel("query '" + query + "'");
}
void BM_WholeRun_English_WorstLetter(benchmark::State &state)
{
    wholeQueryRun(state, worstLetter(kEn), kEn);
}
void BM_WholeRun_Czech_WorstLetter(benchmark::State &state)
{
    wholeQueryRun(state, worstLetter(kCs), kCs);
}
void BM_WholeRun_English_dogs(benchmark::State &state)
{
    wholeQueryRun(state, "dogs", kEn);
}
BENCHMARK(BM_WholeRun_English_WorstLetter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeRun_Czech_WorstLetter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeRun_English_dogs)->Unit(benchmark::kMicrosecond);

} // namespace
