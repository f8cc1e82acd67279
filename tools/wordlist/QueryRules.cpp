// SPDX-License-Identifier: GPL-2.0-or-later
// The program's query rules for the word-list scripts, which choose the table and so cannot link
// the engine that holds it: for each word on standard input (UTF-8, one a line), one line of
//
//   lower-cased TAB cleaned query TAB plural TAB comparative TAB verb form
//
// where the reductions are of the word as given (empty where a rule gives nothing). Each answer
// is flushed at once, so that a script can keep one process and ask a word at a time.

#include "engine/Analyze.h"
#include "engine/Direction.h"
#include "engine/Query.h"
#include "text/Cp1250.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

QByteArray utf8(const std::string &cp1250)
{
    return slovnik::fromCp1250(cp1250).toUtf8();
}

} // namespace

int main()
{
    using namespace slovnik;
    for (std::string line; std::getline(std::cin, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string word = toCp1250(QString::fromUtf8(line));
        const QByteArray answer = utf8(lowerAsciiLetters(word)) + '\t'
            + utf8(cleanedQuery(word, TranslationDirection::EnglishToCzech)) + '\t' + utf8(ReducePlural(word))
            + '\t' + utf8(ReduceComparative(word)) + '\t' + utf8(ReduceVerbForm(word)) + '\n';
        std::fwrite(answer.constData(), 1, static_cast<std::size_t>(answer.size()), stdout);
        std::fflush(stdout);
    }
    return 0;
}
