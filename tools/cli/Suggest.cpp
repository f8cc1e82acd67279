// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/cli/Commands.h"

#include "engine/Dic.h"
#include "engine/Suggest.h"
#include "text/Cp1250.h"
#include "tools/cli/Cli.h"

namespace slovnik::cli {

int suggest(const QString &word, TranslationDirection direction, std::FILE *out, std::FILE *err)
{
    Suggester suggester(readableTable());
    QByteArray printed;
    for (const std::string &suggestion : suggester.suggest(toCp1250(word), direction, MaxSuggestions))
        printed += fromCp1250(suggestion).toUtf8() + '\n';
    return writeAll(printed, out, err);
}

} // namespace slovnik::cli
