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
#include <optional>
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
struct ReviewedPair {
    QString word, translation;
    /// The sense the best reading gives, where the first offer stays the word's plain reviewed line.
    bool reading = false;
};

std::vector<ReviewedPair> reviewedPairs(const QByteArray &utf8)
{
    std::vector<ReviewedPair> pairs;
    for (const QByteArray &line : utf8.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() >= 2)
            pairs.push_back({QString::fromUtf8(fields[0]), QString::fromUtf8(fields[1]),
                             fields.size() >= 3 && fields[2] == "reading"});
    }
    return pairs;
}

// The pairs that mark each word's everyday line: a word's reading pair takes the place of its plain
// one.
std::vector<ReviewedPair> everydayPairs(const QByteArray &utf8)
{
    std::vector<ReviewedPair> pairs = reviewedPairs(utf8);
    std::set<QString> read;
    for (const ReviewedPair &pair : pairs)
        if (pair.reading)
            read.insert(pair.word);
    std::erase_if(pairs,
                  [&read](const ReviewedPair &pair) { return !pair.reading && read.contains(pair.word); });
    return pairs;
}

// Each reviewed line's position, per list: the pairs of the English list (English, Czech) mark the
// everyday sense of English words, those of the Czech list (Czech, English) of Czech words. A
// reviewed pair that the table lacks marks nothing.
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
    const auto position
        = [&](const QString &englishWord, const QString &czechWord) -> std::optional<std::size_t> {
        const auto found = positions.find({QString::fromLatin1(slovnik::toCp1250(englishWord)),
                                           QString::fromLatin1(slovnik::toCp1250(czechWord))});
        if (found == positions.end())
            return std::nullopt;
        return found->second;
    };
    std::set<std::size_t> ofEnglish;
    std::set<std::size_t> ofCzech;
    // A reading pair names a line the table must already hold: the word list is not chosen for it.
    QStringList unheld;
    const auto mark = [&](const ReviewedPair &pair, const QString &englishWord, const QString &czechWord,
                          std::set<std::size_t> &marked) {
        if (const auto at = position(englishWord, czechWord))
            marked.insert(*at);
        else if (pair.reading)
            unheld.append(englishWord + QStringLiteral(" = ") + czechWord);
    };
    for (const ReviewedPair &pair : everydayPairs(english))
        mark(pair, pair.word, pair.translation, ofEnglish);
    for (const ReviewedPair &pair : everydayPairs(czech))
        mark(pair, pair.translation, pair.word, ofCzech);
    if (!unheld.isEmpty())
        return fail(QStringLiteral("reading pairs the table does not hold: %1")
                        .arg(unheld.join(QStringLiteral(", "))));

    QSaveFile output(QString::fromLocal8Bit(argv[5]));
    if (!output.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1").arg(output.fileName()));
    output.write("// Generated from the reviewed everyday lines by slovnik-tablegen; do not edit.\n");
    for (const auto &[name, marked] :
         {std::pair("kEverydayOfEnglishWords", &ofEnglish), std::pair("kEverydayOfCzechWords", &ofCzech)}) {
        if (marked->empty())
            return fail(QStringLiteral("no reviewed everyday line is in the table"));
        output.write(QByteArray("constexpr std::uint16_t ") + name + "[] = {\n");
        for (const std::size_t at : *marked)
            output.write(QByteArray::number(static_cast<qulonglong>(at)) + ",\n");
        output.write("};\n");
    }
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
