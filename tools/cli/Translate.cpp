// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/cli/Commands.h"

#include "common/Translation.h"
#include "engine/BaseForms.h"
#include "engine/BestReading.h"
#include "engine/Dic.h"
#include "engine/ProgramReading.h"
#include "engine/Translate.h"
#include "text/Cp1250.h"
#include "tools/cli/Cli.h"

#include <QStringList>

#include <string>
#include <vector>

namespace slovnik::cli {
namespace {

// The text box's lines: a Windows line end counts as one break, like a paste into the box.
QStringList sourceLines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

} // namespace

int translate(const QString &text, TranslationDirection direction, TranslateOutput output, std::FILE *out,
              std::FILE *err)
{
    const SourceWords source = splitSourceLines(sourceLines(text));
    if (source.truncated)
        std::fprintf(err, "slovnik-cli: %s.\n", qPrintable(shortenedTextNotice()));
    if (source.words.empty())
        return Success;

    const std::unique_ptr<const ReadingIndex> reader = programReadingIndex(direction);
    const ReadingIndex &index = *reader;
    const std::vector<TextWord> words = textWords(index, source.words, source.clauseEnds);
    QByteArray printed;
    std::vector<std::string> chosen;
    for (std::size_t at = 0; at < source.words.size(); ++at) {
        const std::string &word = source.words[at];
        const QStringList offers = wordOffers(readableTable(), word, direction);
        chosen.push_back(offers.isEmpty() ? std::string() : toCp1250(offers.front()));
        if (output != TranslateOutput::Offers)
            continue;
        std::vector<std::string> scanned;
        for (const QString &offer : offers)
            scanned.push_back(toCp1250(offer));
        printed += fromCp1250(word).toUtf8() + '\n';
        for (const QString &offer : offers)
            printed += "  " + offer.toUtf8() + '\n';
        for (const std::string &line : phraseLines(index, words, at))
            printed += "  + " + fromCp1250(line).toUtf8() + '\n';
        for (const BaseFormOffer &offer :
             missingBaseFormOffers(readableTable(), scanned, word, WordScan::TranslatorBox, direction))
            printed += "  ~ " + fromCp1250(offer.line).toUtf8() + '\n';
    }
    if (output == TranslateOutput::Sentence)
        printed = fromCp1250(buildSentence(chosen)).toUtf8() + '\n';
    if (output == TranslateOutput::FilledSentence) {
        const std::vector<BoxReading> reading = bestReading(index, source.words, source.clauseEnds, {});
        for (std::size_t at = 0; at < reading.size(); ++at) {
            if (reading[at].kind == BoxReading::Kind::Line)
                chosen[at] = reading[at].line;
            else if (reading[at].kind == BoxReading::Kind::Nothing)
                chosen[at].clear();
        }
        printed = fromCp1250(readingSentence(chosen, coveredBoxes(reading))).toUtf8() + '\n';
    }
    return writeAll(printed, out, err);
}

} // namespace slovnik::cli
