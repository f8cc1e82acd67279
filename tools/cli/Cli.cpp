// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/cli/Cli.h"

#include "engine/Suggest.h"
#include "engine/Translate.h"
#include "tools/cli/Commands.h"

#include <QFile>
#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace slovnik::cli {
namespace {

/// What one command line asks for, after the options are read.
struct Request {
    TranslationDirection direction = TranslationDirection::CzechToEnglish;
    std::optional<TranslateOutput> output;
    std::optional<QString> wavFile;
    std::optional<ShowSource> source;
    QString text;
};

/// The options a command takes beyond --help, --version and --.
enum Options : unsigned {
    NoOptions = 0,
    DirectionOptions = 1,
    OutputOptions = 2,
    WavOption = 4,
    SourceOptions = 8
};

/// Where a command's text comes from; OptionalArgument stands in for a source option.
enum class Text { None, Argument, StandardInput, OptionalArgument };

struct Command {
    const char *name;
    const char *arguments;
    /// The help's lines; "{words}" and "{suggestions}" stand for the limits they name.
    const char *description;
    unsigned options;
    Text text;
    int (*action)(const Request &, std::FILE *in, std::FILE *out, std::FILE *err);
};

int translateInput(const Request &request, std::FILE *in, std::FILE *out, std::FILE *err);
int showRequested(const Request &request, std::FILE *in, std::FILE *out, std::FILE *err);

constexpr Command kCommands[] = {
    {"dump", "",
     "print every entry of the word table in stored order as\n"
     "POSITION<TAB>ENGLISH<TAB>CZECH, positions from 0",
     NoOptions, Text::None,
     [](const Request &, std::FILE *, std::FILE *out, std::FILE *err) { return dump(out, err); }},
    {"lookup", "[DIRECTION] [--] TEXT",
     "look TEXT up as if typed into the dictionary's query box and\n"
     "print the result lines in the window's order, one a line",
     DirectionOptions, Text::Argument,
     [](const Request &request, std::FILE *, std::FILE *out, std::FILE *err) {
         return lookup(request.text, request.direction, out, err);
     }},
    {"suggest", "[DIRECTION] [--] WORD",
     "the dictionary's words closest to a mistyped WORD, best first,\n"
     "one a line, at most {suggestions}; nothing when none is close",
     DirectionOptions, Text::Argument,
     [](const Request &request, std::FILE *, std::FILE *out, std::FILE *err) {
         return suggest(request.text, request.direction, out, err);
     }},
    {"translate", "[DIRECTION] [--offers | --fill]",
     "read a text from standard input, translate it word by word\n"
     "choosing each word's first offer, and print the sentence;\n"
     "with --offers print each word and its offers instead: the\n"
     "phrases that start at the word after \"+ \", then the lines of\n"
     "the words it is a form of after \"~ \"; with --fill print the\n"
     "best reading: phrases as phrases, each word's everyday line",
     DirectionOptions | OutputOptions, Text::StandardInput, &translateInput},
    {"forms", "[DIRECTION] [--] WORD",
     "the dictionary's words of which WORD is a form (psa: pes),\n"
     "best first, one a line; a negated form's as its negation",
     DirectionOptions, Text::Argument,
     [](const Request &request, std::FILE *, std::FILE *out, std::FILE *err) {
         return forms(request.text, request.direction, out, err);
     }},
    {"say", "[--wav FILE] [--] TEXT",
     "read the first {words} words of TEXT aloud in English; with --wav\n"
     "write them to FILE as a 16-bit mono WAV file instead",
     WavOption, Text::Argument,
     [](const Request &request, std::FILE *, std::FILE *, std::FILE *err) {
         return say(request.text, request.wavFile, err);
     }},
    {"show", "[--selection | --clipboard | [--] TEXT]",
     "bring the running dictionary window to the front (starting\n"
     "it when it is not running) with the selected text, the\n"
     "clipboard's or TEXT looked up as its paste button looks\n"
     "one up; the selection when nothing is given. The command\n"
     "to bind to a key. With --translate-clipboard the translator\n"
     "shows the clipboard's text split into words instead",
     SourceOptions, Text::OptionalArgument, &showRequested},
};

constexpr const char *kUsageEnd
    = "\n"
      "Directions:\n"
      "  --cs-en                   TEXT or WORD is Czech (the default, as the window starts)\n"
      "  --en-cs                   TEXT or WORD is English; lookup finds inflected forms too\n"
      "\n"
      "Options:\n"
      "  -h, --help                show this help and exit\n"
      "  -V, --version             show the version and exit\n"
      "\n"
      "Exit status: 0 on success (also when nothing is found), 1 when the input is not valid\n"
      "UTF-8 and when show has nothing to look up, 2 on wrong usage, 3 when the output cannot be\n"
      "written, when say has no voice or no audio output, and when show finds no session bus or\n"
      "cannot reach the program.\n";

// The help, its command list made from the table.
QByteArray usage()
{
    constexpr qsizetype descriptionColumn = 28;
    const QString indent(descriptionColumn, u' ');
    QString text = QStringLiteral("Usage: slovnik-cli COMMAND [OPTIONS]\n\n"
                                  "The English-Czech dictionary of slovnik on the command line.\n\n"
                                  "Commands:\n");
    for (const Command &command : kCommands) {
        QString line = QStringLiteral("  %1 %2").arg(QLatin1StringView(command.name),
                                                     QLatin1StringView(command.arguments));
        line = line.trimmed().prepend(u"  ");
        text += line.size() < descriptionColumn ? line.leftJustified(descriptionColumn)
                                                : line + u'\n' + indent;
        text += QString::fromUtf8(command.description)
                    .replace(u"{words}"_qs, QString::number(MaxWords))
                    .replace(u"{suggestions}"_qs, QString::number(MaxSuggestions))
                    .replace(u'\n', u'\n' + indent)
            + u'\n';
    }
    return text.toUtf8() + kUsageEnd;
}

int wrongUsage(std::FILE *err, const QString &message)
{
    std::fprintf(err, "slovnik-cli: %s\nTry 'slovnik-cli --help'.\n", qPrintable(message));
    return WrongUsage;
}

std::optional<QString> decodeUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

int notUtf8(std::FILE *err, const QString &what)
{
    std::fprintf(err, "slovnik-cli: %s is not valid UTF-8\n", qPrintable(what));
    return BadInput;
}

int translateInput(const Request &request, std::FILE *in, std::FILE *out, std::FILE *err)
{
    QByteArray input;
    char buffer[1 << 16];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
        input.append(buffer, static_cast<qsizetype>(got));
    const std::optional<QString> text = decodeUtf8(input);
    if (!text)
        return notUtf8(err, QStringLiteral("translate: the standard input"));
    return translate(*text, request.direction, request.output.value_or(TranslateOutput::Sentence), out, err);
}

constexpr const char16_t *kSourceOptions = u"--selection, --clipboard and --translate-clipboard";

std::optional<ShowSource> showSource(const QByteArray &option)
{
    if (option == "--selection")
        return ShowSource::Selection;
    if (option == "--clipboard")
        return ShowSource::Clipboard;
    if (option == "--translate-clipboard")
        return ShowSource::TranslateClipboard;
    return std::nullopt;
}

int showRequested(const Request &request, std::FILE *, std::FILE *, std::FILE *err)
{
    return show(request.source.value_or(ShowSource::Selection), request.text, err);
}

// --help and --version anywhere before "--" win over everything else on the line.
std::optional<int> helpOrVersion(const QByteArrayList &arguments, std::FILE *out, std::FILE *err)
{
    for (const QByteArray &argument : arguments) {
        if (argument == "--")
            break;
        if (argument == "-h" || argument == "--help")
            return writeAll(usage(), out, err);
        if (argument == "-V" || argument == "--version")
            return writeAll("slovnik-cli " SLOVNIK_VERSION "\n", out, err);
    }
    return std::nullopt;
}

// Reads the command's options and its text, or says what is wrong and how to exit.
std::optional<int> parse(const Command &command, const QByteArrayList &arguments, Request &request,
                         std::FILE *err)
{
    const QString name = QString::fromLatin1(command.name);
    QByteArrayList texts;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QByteArray &argument = arguments[i];
        const bool option = !optionsEnded && argument.startsWith('-') && argument.size() > 1;
        const bool outputOption = argument == "--offers" || argument == "--fill";
        if (!option)
            texts << argument;
        else if (argument == "--")
            optionsEnded = true;
        else if ((command.options & DirectionOptions) && (argument == "--en-cs" || argument == "--cs-en"))
            request.direction = argument == "--en-cs" ? TranslationDirection::EnglishToCzech
                                                      : TranslationDirection::CzechToEnglish;
        else if ((command.options & OutputOptions) && outputOption && request.output)
            return wrongUsage(err, name + u": give at most one of --offers and --fill"_qs);
        else if ((command.options & OutputOptions) && outputOption)
            request.output
                = argument == "--offers" ? TranslateOutput::Offers : TranslateOutput::FilledSentence;
        else if ((command.options & WavOption) && argument == "--wav" && ++i == arguments.size())
            return wrongUsage(err, name + u": --wav needs a FILE"_qs);
        else if ((command.options & WavOption) && argument == "--wav")
            request.wavFile = QFile::decodeName(arguments[i]);
        else if ((command.options & SourceOptions) && showSource(argument) && request.source)
            return wrongUsage(err, name + u": give at most one of "_qs + QString::fromUtf16(kSourceOptions));
        else if ((command.options & SourceOptions) && showSource(argument))
            request.source = showSource(argument);
        else
            return wrongUsage(
                err, QStringLiteral("%1: unknown option '%2'").arg(name, QString::fromUtf8(argument)));
    }
    const bool takesText = command.text == Text::Argument || command.text == Text::OptionalArgument;
    if (command.text == Text::OptionalArgument && request.source && !texts.isEmpty())
        return wrongUsage(err, name + u": give either a source option or TEXT"_qs);
    if (command.text == Text::OptionalArgument && texts.isEmpty())
        return std::nullopt;
    if (!takesText && !texts.isEmpty())
        return wrongUsage(err,
                          QStringLiteral("%1: unexpected argument '%2'%3")
                              .arg(name, QString::fromUtf8(texts.front()),
                                   command.text == Text::StandardInput
                                       ? u" (the text comes on standard input)"_qs
                                       : QString()));
    if (!takesText)
        return std::nullopt;
    if (texts.size() != 1)
        return wrongUsage(err,
                          QStringLiteral("%1 takes exactly one TEXT, got %2").arg(name).arg(texts.size()));
    const std::optional<QString> text = decodeUtf8(texts.front());
    if (!text)
        return notUtf8(err, name + u": TEXT"_qs);
    request.text = *text;
    if (command.text == Text::OptionalArgument)
        request.source = ShowSource::Text;
    return std::nullopt;
}

} // namespace

int writeAll(const QByteArray &text, std::FILE *out, std::FILE *err)
{
    return writeAllBytes(std::string_view(text.constData(), static_cast<std::size_t>(text.size())), out, err);
}

int run(const QByteArrayList &arguments, std::FILE *in, std::FILE *out, std::FILE *err)
{
    if (arguments.isEmpty())
        return wrongUsage(err, QStringLiteral("no command given"));
    const QByteArray &name = arguments.front();
    const auto command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                      [&](const Command &known) { return name == known.name; });
    const bool known = command != std::end(kCommands);
    // A command's own help is the whole help; in place of a command only the two options count.
    if (const auto done = helpOrVersion(known ? arguments.mid(1) : arguments.mid(0, 1), out, err))
        return *done;
    if (!known)
        return wrongUsage(err, QStringLiteral("unknown command '%1'").arg(QString::fromUtf8(name)));
    Request request;
    if (const auto refused = parse(*command, arguments.mid(1), request, err))
        return *refused;
    return command->action(request, in, out, err);
}

} // namespace slovnik::cli
