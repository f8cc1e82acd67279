#include "tools/cli/Commands.h"

#include "common/Translation.h"
#include "engine/BaseForms.h"
#include "engine/Dic.h"
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

    QByteArray printed;
    std::vector<std::string> chosen;
    for (const std::string &word : source.words) {
        const QStringList offers = wordOffers(readableTable(), word, direction);
        std::vector<std::string> scanned;
        for (const QString &offer : offers)
            scanned.push_back(toCp1250(offer));
        const std::vector<BaseFormOffer> baseOffers = output == TranslateOutput::Sentence
            ? std::vector<BaseFormOffer>()
            : boxBaseFormOffers(readableTable(), scanned, word, direction);
        if (output == TranslateOutput::FilledSentence && !baseOffers.empty())
            chosen.push_back(baseOffers.front().line);
        else
            chosen.push_back(scanned.empty() ? std::string() : scanned.front());
        if (output == TranslateOutput::Offers) {
            printed += fromCp1250(word).toUtf8() + '\n';
            for (const QString &offer : offers)
                printed += "  " + offer.toUtf8() + '\n';
            for (const BaseFormOffer &offer : baseOffers)
                printed += "  ~ " + fromCp1250(offer.line).toUtf8() + '\n';
        }
    }
    if (output != TranslateOutput::Offers)
        printed = fromCp1250(buildSentence(chosen)).toUtf8() + '\n';
    return writeAll(printed, out, err);
}

} // namespace slovnik::cli
