#include "Cli.h"

#include "Commands.h"

#include <QFile>
#include <QString>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

namespace slovnik::cli {
namespace {

constexpr const char *kUsage
    = "Usage: slovnik-cli COMMAND [OPTIONS]\n"
      "\n"
      "The English-Czech dictionary of slovnik on the command line.\n"
      "\n"
      "Commands:\n"
      "  dump                      print every entry of the word table in stored order as\n"
      "                            POSITION<TAB>ENGLISH<TAB>CZECH, positions from 0\n"
      "  lookup [DIRECTION] [--] TEXT\n"
      "                            look TEXT up as if typed into the dictionary's query box and\n"
      "                            print the result lines in the window's order, one a line\n"
      "  suggest [DIRECTION] [--] WORD\n"
      "                            the dictionary's words closest to a mistyped WORD, best first,\n"
      "                            one a line, at most 10; nothing when none is close\n"
      "  translate [DIRECTION] [--offers | --fill]\n"
      "                            read a text from standard input, translate it word by word\n"
      "                            choosing each word's first offer, and print the sentence;\n"
      "                            with --offers print each word and its offers instead, the\n"
      "                            lines of the words it is a form of last, each after \"~ \";\n"
      "                            with --fill choose the first of those where there are any\n"
      "  forms [DIRECTION] [--] WORD\n"
      "                            the dictionary's words of which WORD is a form (psa: pes),\n"
      "                            best first, one a line; a negated form's as its negation\n"
      "  say [--wav FILE] [--] TEXT\n"
      "                            read the first 128 words of TEXT aloud in English; with --wav\n"
      "                            write them to FILE as a 16-bit mono WAV file instead\n"
      "\n"
      "Directions:\n"
      "  --cs-en                   TEXT or WORD is Czech (the default, as the window starts)\n"
      "  --en-cs                   TEXT or WORD is English; lookup finds inflected forms too\n"
      "\n"
      "Options:\n"
      "  -h, --help                show this help and exit\n"
      "\n"
      "Exit status: 0 on success (also when nothing is found), 1 when the input is not valid\n"
      "UTF-8, 2 on wrong usage, 3 when the output cannot be written, and when say has no voice or\n"
      "no audio output.\n";

int wrongUsage(std::FILE *err, const QString &message)
{
    std::fprintf(err, "slovnik-cli: %s\nTry 'slovnik-cli --help'.\n", qPrintable(message));
    return WrongUsage;
}

bool asksForHelp(const QByteArrayList &arguments)
{
    for (const QByteArray &argument : arguments) {
        if (argument == "--")
            return false;
        if (argument == "-h" || argument == "--help")
            return true;
    }
    return false;
}

std::optional<QString> decodeUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<TranslationDirection> directionOption(const QByteArray &argument)
{
    if (argument == "--en-cs")
        return TranslationDirection::EnglishToCzech;
    if (argument == "--cs-en")
        return TranslationDirection::CzechToEnglish;
    return std::nullopt;
}

int notUtf8(std::FILE *err, const char *what)
{
    std::fprintf(err, "slovnik-cli: %s is not valid UTF-8\n", what);
    return BadInput;
}

int runTranslate(const QByteArrayList &arguments, std::FILE *in, std::FILE *out, std::FILE *err)
{
    TranslationDirection direction = TranslationDirection::CzechToEnglish;
    std::optional<TranslateOutput> output;
    for (const QByteArray &argument : arguments) {
        const bool outputOption = argument == "--offers" || argument == "--fill";
        if (const auto chosen = directionOption(argument))
            direction = *chosen;
        else if (outputOption && output)
            return wrongUsage(err, QStringLiteral("translate: give at most one of --offers and --fill"));
        else if (outputOption)
            output = argument == "--offers" ? TranslateOutput::Offers : TranslateOutput::FilledSentence;
        else
            return wrongUsage(
                err,
                QStringLiteral("translate: unexpected argument '%1' (the text comes on standard input)")
                    .arg(QString::fromUtf8(argument)));
    }
    QByteArray input;
    char buffer[1 << 16];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
        input.append(buffer, static_cast<qsizetype>(got));
    const std::optional<QString> text = decodeUtf8(input);
    if (!text)
        return notUtf8(err, "translate: the standard input");
    return translate(*text, direction, output.value_or(TranslateOutput::Sentence), out, err);
}

// lookup and suggest: [DIRECTION] [--] TEXT, with lookup's defaults.
int runWithOneText(const char *command, const QByteArrayList &arguments, std::FILE *out, std::FILE *err,
                   int (*action)(const QString &, TranslationDirection, std::FILE *, std::FILE *))
{
    const QString name = QString::fromLatin1(command);
    TranslationDirection direction = TranslationDirection::CzechToEnglish;
    QByteArrayList texts;
    bool optionsEnded = false;
    for (const QByteArray &argument : arguments) {
        if (!optionsEnded && argument == "--")
            optionsEnded = true;
        else if (const auto chosen = optionsEnded ? std::nullopt : directionOption(argument))
            direction = *chosen;
        else if (!optionsEnded && argument.startsWith('-') && argument.size() > 1)
            return wrongUsage(
                err, QStringLiteral("%1: unknown option '%2'").arg(name, QString::fromUtf8(argument)));
        else
            texts << argument;
    }
    if (texts.size() != 1)
        return wrongUsage(err,
                          QStringLiteral("%1 takes exactly one TEXT, got %2").arg(name).arg(texts.size()));
    const std::optional<QString> text = decodeUtf8(texts.front());
    if (!text)
        return notUtf8(err, (std::string(command) + ": TEXT").c_str());
    return action(*text, direction, out, err);
}

int runSay(const QByteArrayList &arguments, std::FILE *err)
{
    std::optional<QString> wavFile;
    QByteArrayList texts;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QByteArray &argument = arguments[i];
        if (!optionsEnded && argument == "--")
            optionsEnded = true;
        else if (!optionsEnded && argument == "--wav") {
            if (++i == arguments.size())
                return wrongUsage(err, QStringLiteral("say: --wav needs a FILE"));
            wavFile = QFile::decodeName(arguments[i]);
        } else if (!optionsEnded && argument.startsWith('-') && argument.size() > 1)
            return wrongUsage(err,
                              QStringLiteral("say: unknown option '%1'").arg(QString::fromUtf8(argument)));
        else
            texts << argument;
    }
    if (texts.size() != 1)
        return wrongUsage(err, QStringLiteral("say takes exactly one TEXT, got %1").arg(texts.size()));
    const std::optional<QString> text = decodeUtf8(texts.front());
    if (!text)
        return notUtf8(err, "say: TEXT");
    return say(*text, wavFile, err);
}

} // namespace

int writeAll(const QByteArray &text, std::FILE *out, std::FILE *err)
{
    const auto size = static_cast<std::size_t>(text.size());
    const bool written = std::fwrite(text.constData(), 1, size, out) == size;
    if (std::fflush(out) == 0 && written)
        return Success;
    std::fprintf(err, "slovnik-cli: cannot write the output: %s\n", std::strerror(errno));
    return CannotWrite;
}

int run(const QByteArrayList &arguments, std::FILE *in, std::FILE *out, std::FILE *err)
{
    if (arguments.isEmpty())
        return wrongUsage(err, QStringLiteral("no command given"));
    const QByteArray &command = arguments.front();
    const QByteArrayList rest = arguments.mid(1);
    if (command == "-h" || command == "--help"
        || ((command == "dump" || command == "lookup" || command == "suggest" || command == "translate"
             || command == "say" || command == "forms")
            && asksForHelp(rest))) {
        std::fputs(kUsage, out);
        return Success;
    }
    if (command == "dump") {
        if (!rest.isEmpty())
            return wrongUsage(
                err,
                QStringLiteral("dump takes no arguments, got '%1'").arg(QString::fromUtf8(rest.front())));
        return dump(out, err);
    }
    if (command == "lookup")
        return runWithOneText("lookup", rest, out, err, &lookup);
    if (command == "suggest")
        return runWithOneText("suggest", rest, out, err, &suggest);
    if (command == "forms")
        return runWithOneText("forms", rest, out, err, &forms);
    if (command == "translate")
        return runTranslate(rest, in, out, err);
    if (command == "say")
        return runSay(rest, err);
    return wrongUsage(err, QStringLiteral("unknown command '%1'").arg(QString::fromUtf8(command)));
}

} // namespace slovnik::cli
