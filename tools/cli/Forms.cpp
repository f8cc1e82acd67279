// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/cli/Commands.h"

#include "engine/BaseForms.h"
#include "engine/Dic.h"
#include "text/Cp1250.h"
#include "tools/cli/Cli.h"

namespace slovnik::cli {

int forms(const QString &word, TranslationDirection direction, std::FILE *out, std::FILE *err)
{
    const bool czech = direction == TranslationDirection::CzechToEnglish;
    QByteArray printed;
    for (const BaseForm &form : baseForms(readableTable(), toCp1250(word), direction))
        printed += fromCp1250(form.negated ? negatedWord(form.word, czech) : form.word).toUtf8() + '\n';
    return writeAll(printed, out, err);
}

} // namespace slovnik::cli
