// Build-time generator: the committed word list -> the scrambled initialiser of the word table.
// Usage: slovnik-tablegen WORDLIST.tsv OUTPUT.inc

#include "data/WordList.h"
#include "engine/Dic.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <string>

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

int main(int argc, char *argv[])
{
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
