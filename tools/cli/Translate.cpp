#include "Commands.h"

#include "Cli.h"
#include "Cp1250.h"
#include "Dic.h"
#include "Translate.h"
#include "Translation.h"

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

int translate(const QString &text, TranslationDirection direction, bool listOffers, std::FILE *out,
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
        chosen.push_back(offers.isEmpty() ? std::string() : toCp1250(offers.front()));
        if (listOffers) {
            printed += fromCp1250(word).toUtf8() + '\n';
            for (const QString &offer : offers)
                printed += "  " + offer.toUtf8() + '\n';
        }
    }
    if (!listOffers)
        printed = fromCp1250(buildSentence(chosen)).toUtf8() + '\n';
    return writeAll(printed, out, err);
}

} // namespace slovnik::cli
