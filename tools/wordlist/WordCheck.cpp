// SPDX-License-Identifier: GPL-2.0-or-later
// Measures the word list with the program's own engine, for the maintainer's coverage check:
// which entries can be found at all, what the translator offers first for a word, how many lines
// the dictionary lists for a word.
//
//   slovnik-wordcheck unreachable                    the entries no typed text lists
//   slovnik-wordcheck first-offers --en-cs|--cs-en   per word: the translator's chosen offer
//   slovnik-wordcheck lookup-count                   per English word: lines the dictionary lists
//
// Words come one a line on standard input, UTF-8; answers go to standard output, one a line.

#include "common/CollectedResults.h"
#include "common/Translation.h"
#include "engine/Dic.h"
#include "engine/Query.h"
#include "engine/QueryRun.h"
#include "engine/Search.h"
#include "text/Cp1250.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace slovnik {
namespace {

using enum TranslationDirection;

class CountingList final : public ResultList {
public:
    void addLine(std::string_view) override { ++count; }
    void clearLines() override { count = 0; }
    void setSorted(bool) override { }
    void setRedrawSuspended(bool) override { }
    void selectFirstLine() override { }
    int count = 0;
};

// The entry's result line, as the searches build it.
std::string lineOf(const DictionaryEntry &entry, TranslationDirection direction)
{
    struct Capture final : LineSink {
        void addLine(std::string_view line) override { text = line; }
        std::string text;
    } capture;
    ExactSearch(std::span(&entry, 1), fieldText(SearchedField(entry, direction)), direction, capture);
    return capture.text;
}

// The dictionary's query run over a table of the one entry: it lists the entry or nothing.
bool listsEntry(const DictionaryEntry &entry, std::string_view typed, TranslationDirection direction)
{
    CountingList list;
    QuietSearchHost host;
    QueryRun(std::span(&entry, 1), list, host).run(typed, direction);
    return list.count > 0;
}

// Reachable when the field itself, or any beginning of it, typed into the query box lists it.
bool reachable(const DictionaryEntry &entry, TranslationDirection direction)
{
    const std::string_view field = fieldText(SearchedField(entry, direction));
    for (std::size_t length = field.size(); length > 0; --length) {
        if (listsEntry(entry, field.substr(0, length), direction))
            return true;
    }
    return false;
}

QByteArray utf8(std::string_view cp1250)
{
    return fromCp1250(cp1250).toUtf8();
}

void print(const QByteArray &text)
{
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
}

int unreachable()
{
    int count = 0;
    const Table &table = readableTable();
    for (std::size_t i = 0; i < EntryCount; ++i) {
        const DictionaryEntry &entry = table[i];
        for (const TranslationDirection direction : {EnglishToCzech, CzechToEnglish}) {
            if (reachable(entry, direction))
                continue;
            ++count;
            print(QByteArray::number(qulonglong(i)) + '\t' + utf8(lineOf(entry, direction)) + '\n');
        }
    }
    print("unreachable entries: " + QByteArray::number(count) + '\n');
    return 0;
}

// Each line of standard input (without its line end) and the answer for it, TAB between.
int eachWord(const std::function<QByteArray(const std::string &)> &answer)
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return 1;
    for (QByteArray line = in.readLine(); !line.isEmpty(); line = in.readLine()) {
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        print(line + '\t' + answer(toCp1250(QString::fromUtf8(line))) + '\n');
    }
    return 0;
}

QByteArray firstOffer(const std::string &word, TranslationDirection direction)
{
    const QStringList offers = wordOffers(readableTable(), lowerAsciiLetters(word), direction);
    return offers.isEmpty() ? QByteArray() : offers.front().toUtf8();
}

QByteArray lookupCount(const std::string &word)
{
    CollectedResults list;
    QuietSearchHost host;
    QueryRun(readableTable(), list, host).run(word, EnglishToCzech);
    return QByteArray::number(list.lines().size());
}

int usage()
{
    std::fputs("usage: slovnik-wordcheck unreachable | first-offers --en-cs|--cs-en | "
               "lookup-count\n",
               stderr);
    return 2;
}

} // namespace
} // namespace slovnik

int main(int argc, char *argv[])
{
    using namespace slovnik;
    using enum TranslationDirection;
    const std::string_view command = argc > 1 ? argv[1] : "";
    const std::string_view option = argc > 2 ? argv[2] : "";
    if (command == "unreachable")
        return unreachable();
    if (command == "lookup-count")
        return eachWord(lookupCount);
    if (command == "first-offers" && (option == "--en-cs" || option == "--cs-en")) {
        const TranslationDirection direction = option == "--en-cs" ? EnglishToCzech : CzechToEnglish;
        return eachWord([direction](const std::string &word) { return firstOffer(word, direction); });
    }
    return usage();
}
