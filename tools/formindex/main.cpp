// SPDX-License-Identifier: GPL-2.0-or-later
// Build-time generator: the committed Czech forms (data/czech-forms.txt, written by
// make_czech_forms.py) -> the compiled-in index of forms and their base words (FormIndexLayout.h).
// Usage: slovnik-formindex FORMS.txt OUTPUT.inc

#include "engine/FormIndexLayout.h"
#include "text/Cp1250.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace slovnik::formindex;

int fail(const QString &message)
{
    std::fprintf(stderr, "slovnik-formindex: %s\n", qPrintable(message));
    return 1;
}

// A form written as the characters to drop from its base's end and what follows: "vědět" "1l".
QString decodedForm(const QString &base, const QString &written)
{
    qsizetype digits = 0;
    while (digits < written.size() && written[digits].isDigit())
        ++digits;
    const int dropped = written.left(digits).toInt();
    return base.left(std::max<qsizetype>(0, base.size() - dropped)) + written.mid(digits);
}

// Bytes as a C++ string literal, octal escapes for everything but plain printable ASCII.
QByteArray literal(const std::string &bytes)
{
    QByteArray out = "\"";
    std::size_t column = 0;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7f && c != '"' && c != '\\' && c != '?') {
            out += c;
            ++column;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\%03o", u);
            out += escape;
            column += 4;
        }
        if (column >= 96) {
            out += "\"\n\"";
            column = 0;
        }
    }
    return out + "\"";
}

QByteArray numbers(const std::vector<std::uint32_t> &values)
{
    QByteArray out;
    for (std::size_t i = 0; i < values.size(); ++i)
        out += QByteArray::number(values[i]) + (i % 16 == 15 ? ",\n" : ",");
    return out;
}

struct Reading {
    std::map<std::string, std::vector<std::string>> basesOfForm; // Windows-1250, in file order
    QStringList problems;
};

std::string encoded(const QString &text, const QString &where, QStringList &problems)
{
    const std::string bytes = slovnik::toCp1250(text);
    if (slovnik::fromCp1250(bytes) != text)
        problems << QStringLiteral("%1: \"%2\" has a character Windows-1250 lacks").arg(where, text);
    return bytes;
}

Reading readForms(const QString &text)
{
    Reading reading;
    bool ranking = false;
    const QStringList lines = text.split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString &line = lines[n];
        const QString where = QStringLiteral("line %1").arg(n + 1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line == QLatin1String("%%")) {
            ranking = true;
            continue;
        }
        const QStringList halves = line.split(u'\t');
        if (halves.size() < 2 || (!ranking && halves.size() != 2)) {
            reading.problems << where + QStringLiteral(": not a form and its bases");
            continue;
        }
        const QStringList words = halves[1].split(u' ', Qt::SkipEmptyParts);
        if (ranking) {
            // The bases of a form with more than one, best first (a base may hold a blank: "stát
            // se"): this order replaces file order.
            std::vector<std::string> bases;
            for (const QString &base : halves.mid(1))
                bases.push_back(encoded(base, where, reading.problems));
            reading.basesOfForm[encoded(halves[0], where, reading.problems)] = bases;
            continue;
        }
        // The empty base lists words of their own that have no base (and must not be read as
        // negations): they stand in the index with none.
        const std::string base = encoded(halves[0], where, reading.problems);
        for (const QString &written : words) {
            std::vector<std::string> &bases
                = reading.basesOfForm[encoded(decodedForm(halves[0], written), where, reading.problems)];
            if (!base.empty() && std::find(bases.begin(), bases.end(), base) == bases.end())
                bases.push_back(base);
        }
    }
    return reading;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3)
        return fail(QStringLiteral("usage: slovnik-formindex FORMS.txt OUTPUT.inc"));
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(input.fileName(), input.errorString()));
    Reading reading = readForms(QString::fromUtf8(input.readAll()));

    // Base numbers in order of first use; forms in byte order (std::string compares bytes unsigned).
    std::map<std::string, std::uint32_t> baseNumbers;
    std::string baseBytes;
    std::vector<std::uint32_t> baseStarts;
    std::string formBytes;
    std::vector<std::uint32_t> blockStarts;
    std::string previous;
    std::size_t count = 0;
    for (const auto &[form, bases] : reading.basesOfForm) {
        if (form.empty() || form.size() > kMaxFormLength || bases.size() > kMaxBasesPerForm) {
            reading.problems << QStringLiteral("the form \"%1\" is empty, too long or has too many bases")
                                    .arg(slovnik::fromCp1250(form));
            continue;
        }
        std::size_t shared = 0;
        if (count % kFormsPerBlock == 0)
            blockStarts.push_back(static_cast<std::uint32_t>(formBytes.size()));
        else
            while (shared < std::min(form.size(), previous.size()) && form[shared] == previous[shared])
                ++shared;
        formBytes += static_cast<char>(shared);
        formBytes += form.substr(shared);
        formBytes += '\0';
        formBytes += static_cast<char>(bases.size());
        for (const std::string &base : bases) {
            const auto [at, added]
                = baseNumbers.try_emplace(base, static_cast<std::uint32_t>(baseStarts.size()));
            if (added) {
                baseStarts.push_back(static_cast<std::uint32_t>(baseBytes.size()));
                baseBytes += base;
                baseBytes += '\0';
            }
            formBytes += static_cast<char>(at->second & 0xff);
            formBytes += static_cast<char>(at->second >> 8);
        }
        previous = form;
        ++count;
    }
    if (baseStarts.size() > kMaxBaseCount)
        reading.problems
            << QStringLiteral("%1 base words, the index takes %2").arg(baseStarts.size()).arg(kMaxBaseCount);
    for (const QString &problem : reading.problems)
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(problem));
    if (!reading.problems.isEmpty())
        return fail(QStringLiteral("the forms break %1 rule(s)").arg(reading.problems.size()));

    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1").arg(output.fileName()));
    output.write("// Generated from data/czech-forms.txt by slovnik-formindex; do not edit.\n");
    output.write("// " + QByteArray::number(static_cast<qulonglong>(count)) + " forms of "
                 + QByteArray::number(static_cast<qulonglong>(baseStarts.size())) + " base words.\n");
    output.write("constexpr char kFormBytes[] =\n" + literal(formBytes) + ";\n");
    output.write("constexpr std::uint32_t kFormBlocks[] = {\n" + numbers(blockStarts) + "};\n");
    output.write("constexpr char kBaseBytes[] =\n" + literal(baseBytes) + ";\n");
    output.write("constexpr std::uint32_t kBaseStarts[] = {\n" + numbers(baseStarts) + "};\n");
    if (!output.commit())
        return fail(QStringLiteral("cannot write %1").arg(output.fileName()));
    return 0;
}
