// SPDX-License-Identifier: GPL-2.0-or-later
// What base forms cost: one word's base forms, Czech and English, and a whole 128-word Czech
// text through the translator's logic with every box's base-form offers.

#include "common/Translation.h"
#include "engine/BaseForms.h"
#include "engine/Dic.h"
#include "engine/Translate.h"
#include "text/Cp1250.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace slovnik;

constexpr auto kEn = TranslationDirection::EnglishToCzech;
constexpr auto kCs = TranslationDirection::CzechToEnglish;

// Running text, inflected, negated, capitalised and punctuated as pasted.
const QString kCzechText = QStringLiteral(
    "Když jsem se včera večer vrátil domů, na stole ležel dopis od mé sestry. Psala, že se s "
    "manželem přestěhovali do Brna a že jejich nový byt je mnohem větší než ten starý. Děti prý "
    "chodí do nové školy a rychle si našly kamarády. Nejmladší syn se naučil jezdit na kole a každý "
    "den jezdí s tátou do parku. „Proč jsi mi nezavolala?“ zeptal jsem se jí druhý den ráno do "
    "telefonu. „Nevěděla jsem, jestli máš čas. Pořád pracuješ,“ odpověděla a zasmála se. „Pro tebe "
    "mám času dost. Přijedu k vám v sobotu, jestli chceš.“ V sobotu jsem vstal brzy, sbalil si "
    "tašku a šel na nádraží. Vlak jel pomalu, protože na trati opravovali koleje. Seděl jsem u "
    "okna a díval se na pole a lesy, které ubíhaly kolem. Naproti mně seděla starší paní s malým "
    "psem. Pes byl neklidný a pořád štěkal na lidi, kteří procházeli uličkou.");

const QString kEnglishText = QStringLiteral(
    "When I came home last night, there was a letter from my sister on the table. She wrote that "
    "she and her husband had moved to another city and that their new flat is much bigger than the "
    "old one. The children are going to a new school and they quickly found friends. “Why didn’t "
    "you call me?” I asked her the next morning.");

std::vector<std::string> words(const QString &text)
{
    return splitSourceLines({text}).words;
}

// Every word of the text in turn, one word per iteration.
void oneWord(benchmark::State &state, const QString &text, TranslationDirection direction)
{
    const std::vector<std::string> all = words(text);
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(baseForms(readableTable(), all[next], direction));
        next = (next + 1) % all.size();
    }
}
void BM_BaseFormsOfAWord_Czech(benchmark::State &state)
{
    oneWord(state, kCzechText, kCs);
}
void BM_BaseFormsOfAWord_English(benchmark::State &state)
{
    oneWord(state, kEnglishText, kEn);
}
BENCHMARK(BM_BaseFormsOfAWord_Czech)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BaseFormsOfAWord_English)->Unit(benchmark::kMicrosecond);

// The translate button's logic on 128 Czech words: each box's scan, then (unless `scanOnly`, the
// figure to compare with) its base-form offers.
void translateCzech(benchmark::State &state, bool scanOnly)
{
    const SourceWords source = splitSourceLines({kCzechText});
    if (source.words.size() != MaxWords)
        state.SkipWithError("the text must give the translator's full 128 words");
    std::size_t offered = 0;
    for (auto _ : state) {
        offered = 0;
        for (const std::string &word : source.words) {
            std::vector<std::string> scanned;
            for (const QString &line : wordOffers(readableTable(), word, kCs))
                scanned.push_back(toCp1250(line));
            if (!scanOnly)
                offered += missingBaseFormOffers(readableTable(), scanned, word, WordScan::TranslatorBox, kCs)
                               .size();
        }
    }
    state.counters["baseFormOffers"] = static_cast<double>(offered);
}
void BM_TranslateWithBaseForms_Czech(benchmark::State &state)
{
    translateCzech(state, false);
}
void BM_TranslateScanOnly_Czech(benchmark::State &state)
{
    translateCzech(state, true);
}
BENCHMARK(BM_TranslateWithBaseForms_Czech)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslateScanOnly_Czech)->Unit(benchmark::kMillisecond);

} // namespace
