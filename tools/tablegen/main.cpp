// SPDX-License-Identifier: GPL-2.0-or-later
// Build-time generator of the engine's parts, from the committed word list alone: the scrambled
// initialiser of the word table; the positions of the reviewed everyday lines in it; and the
// table's positions in the byte order of each field, which the engine's reading index looks words
// up by. The lists' collated order of the result lines is not made here: that needs the built
// engine and ICU, and is slovnik-tableorder's (tools/tableorder).
// Usage: slovnik-tablegen WORDLIST.tsv OUTPUT.inc
//        slovnik-tablegen --everyday WORDLIST.tsv EVERYDAY_EN.tsv EVERYDAY_CS.tsv OUTPUT.inc
//        slovnik-tablegen --word-order WORDLIST.tsv OUTPUT.inc

#include "data/WordList.h"
#include "engine/Dic.h"
#include "text/Cp1250.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The stored form keeps the plain length and shifts every character up by one.
QByteArray storedField(const std::string &plain)
{
    QByteArray out = "{" + QByteArray::number(plain.size()) + ",{";
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const auto stored = static_cast<unsigned char>(static_cast<unsigned char>(plain[i]) + 1u);
        out += (i ? "," : "") + QByteArray::number(stored);
    }
    return out + "}}";
}

int fail(const QString &message)
{
    std::fprintf(stderr, "slovnik-tablegen: %s\n", qPrintable(message));
    return 1;
}

} // namespace

namespace {

QByteArray readAll(const char *path, QString &error)
{
    QFile input(QString::fromLocal8Bit(path));
    if (!input.open(QIODevice::ReadOnly))
        error = QStringLiteral("cannot read %1: %2").arg(input.fileName(), input.errorString());
    return input.readAll();
}

// A reviewed list: "word<TAB>translation" lines, '#' starting a comment; English first in the
// English list, Czech first in the Czech one.
std::vector<std::pair<QString, QString>> reviewedPairs(const QByteArray &utf8)
{
    std::vector<std::pair<QString, QString>> pairs;
    for (const QByteArray &line : utf8.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() >= 2)
            pairs.emplace_back(QString::fromUtf8(fields[0]), QString::fromUtf8(fields[1]));
    }
    return pairs;
}

// Each reviewed line's position: the pair of the English list (English, Czech), and of the Czech
// list (Czech, English). A reviewed pair that the table lacks marks nothing.
int writeEverydayPositions(char *argv[])
{
    QString error;
    const QByteArray list = readAll(argv[2], error);
    const QByteArray english = readAll(argv[3], error);
    const QByteArray czech = readAll(argv[4], error);
    if (!error.isEmpty())
        return fail(error);
    const slovnik::WordListReading reading = slovnik::readWordList(list);
    std::map<std::pair<QString, QString>, std::size_t> positions;
    for (std::size_t at = 0; at < reading.pairs.size(); ++at) {
        const slovnik::WordPair &pair = reading.pairs[at];
        positions.emplace(std::pair(QString::fromLatin1(pair.english), QString::fromLatin1(pair.czech)), at);
    }
    std::set<std::size_t> marked;
    const auto mark = [&](const QString &englishWord, const QString &czechWord) {
        const auto found = positions.find({QString::fromLatin1(slovnik::toCp1250(englishWord)),
                                           QString::fromLatin1(slovnik::toCp1250(czechWord))});
        if (found != positions.end())
            marked.insert(found->second);
    };
    for (const auto &[word, translation] : reviewedPairs(english))
        mark(word, translation);
    for (const auto &[word, translation] : reviewedPairs(czech))
        mark(translation, word);

    QSaveFile output(QString::fromLocal8Bit(argv[5]));
    if (!output.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1").arg(output.fileName()));
    output.write("// Generated from the reviewed everyday lines by slovnik-tablegen; do not edit.\n");
    for (const std::size_t position : marked)
        output.write(QByteArray::number(static_cast<qulonglong>(position)) + ",\n");
    if (!output.commit())
        return fail(QStringLiteral("cannot write %1").arg(output.fileName()));
    return 0;
}

// The table's positions ordered by the English field, then by the Czech one, each byte by byte and
// then by position: what the reading index would otherwise sort at run time.
int writeWordOrder(char *argv[])
{
    QString error;
    const QByteArray list = readAll(argv[2], error);
    if (!error.isEmpty())
        return fail(error);
    const slovnik::WordListReading reading = slovnik::readWordList(list);
    QSaveFile output(QString::fromLocal8Bit(argv[3]));
    if (!output.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1").arg(output.fileName()));
    output.write("// Generated from the word list by slovnik-tablegen; do not edit.\n");
    for (const auto field : {&slovnik::WordPair::english, &slovnik::WordPair::czech}) {
        std::vector<std::size_t> order(reading.pairs.size());
        for (std::size_t at = 0; at < order.size(); ++at)
            order[at] = at;
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return reading.pairs[a].*field < reading.pairs[b].*field;
        });
        for (const std::size_t position : order)
            output.write(QByteArray::number(static_cast<qulonglong>(position)) + ",\n");
    }
    if (!output.commit())
        return fail(QStringLiteral("cannot write %1").arg(output.fileName()));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 6 && std::string_view(argv[1]) == "--everyday")
        return writeEverydayPositions(argv);
    if (argc == 4 && std::string_view(argv[1]) == "--word-order")
        return writeWordOrder(argv);
    if (argc != 3)
        return fail(QStringLiteral("usage: slovnik-tablegen WORDLIST.tsv OUTPUT.inc"));

    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(input.fileName(), input.errorString()));
    const slovnik::WordListReading reading = slovnik::readWordList(input.readAll());
    for (const QString &problem : reading.problems)
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(problem));
    if (!reading.problems.isEmpty())
        return fail(QStringLiteral("the word list breaks %1 rule(s)").arg(reading.problems.size()));
    if (reading.pairs.size() != slovnik::EntryCount)
        return fail(QStringLiteral("the word list holds %1 pairs, the table takes exactly %2")
                        .arg(reading.pairs.size())
                        .arg(slovnik::EntryCount));

    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1").arg(output.fileName()));
    output.write("// Generated from the word list by slovnik-tablegen; do not edit.\n");
    for (const slovnik::WordPair &pair : reading.pairs)
        output.write("{" + storedField(pair.english) + "," + storedField(pair.czech) + "},\n");
    if (!output.commit())
        return fail(QStringLiteral("cannot write %1").arg(output.fileName()));
    return 0;
}
