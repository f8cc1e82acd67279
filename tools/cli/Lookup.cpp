// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/cli/Commands.h"

#include "common/CollectedResults.h"
#include "engine/Dic.h"
#include "tools/cli/Cli.h"

namespace slovnik::cli {

int lookup(const QString &text, TranslationDirection direction, std::FILE *out, std::FILE *err)
{
    CollectedResults list;
    QuietSearchHost host;
    QueryRun(readableTable(), list, host).run(toCp1250(text), direction);
    QByteArray printed;
    for (qsizetype i = 0; i < list.lines().size(); ++i)
        printed += list.lines().at(i).toUtf8() + '\n';
    return writeAll(printed, out, err);
}

} // namespace slovnik::cli
