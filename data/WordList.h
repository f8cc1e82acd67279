// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The readable word list (data/wordlist.tsv): one "English<TAB>Czech" pair a line, UTF-8, in the
// order the table stores them. Reading it checks every rule the windows rely on.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace slovnik {

struct WordPair {
    std::string english; // Windows-1250
    std::string czech; // Windows-1250
};

struct WordListReading {
    std::vector<WordPair> pairs;
    QStringList problems; // one readable sentence per broken rule, with its line number
};

/// Parses the list's bytes. Each field must be 1 to 20 characters once in Windows-1250 (every
/// character representable), hold no "=" (the windows split result lines at the first "="), no
/// leading or trailing blank and no control character; no pair may stand twice. The count of
/// pairs is the caller's to check.
WordListReading readWordList(const QByteArray &utf8);

} // namespace slovnik
