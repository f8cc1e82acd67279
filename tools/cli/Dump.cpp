// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/cli/Commands.h"

#include "engine/Dic.h"
#include "text/Cp1250.h"
#include "tools/cli/Cli.h"

#include <QByteArray>

namespace slovnik::cli {

int dump(std::FILE *out, std::FILE *err)
{
    const Table &table = readableTable();
    QByteArray text;
    text.reserve(static_cast<qsizetype>(EntryCount * 2 * FieldCapacity));
    for (std::size_t position = 0; position < EntryCount; ++position) {
        const DictionaryEntry &entry = table[position];
        text += QByteArray::number(static_cast<qulonglong>(position)) + '\t'
            + fromCp1250(fieldText(entry.English)).toUtf8() + '\t'
            + fromCp1250(fieldText(entry.Czech)).toUtf8() + '\n';
    }
    return writeAll(text, out, err);
}

} // namespace slovnik::cli
