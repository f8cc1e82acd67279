#include "Cli.h"

#include "Commands.h"

#include <QString>

namespace slovnik::cli {
namespace {

constexpr const char *kUsage =
    "Usage: slovnik-cli COMMAND [OPTIONS]\n"
    "\n"
    "The English-Czech dictionary of slovnik on the command line.\n"
    "\n"
    "Commands:\n"
    "  dump        print every entry of the word table in stored order as\n"
    "              POSITION<TAB>ENGLISH<TAB>CZECH, positions from 0\n"
    "\n"
    "Options:\n"
    "  -h, --help  show this help and exit\n";

int wrongUsage(std::FILE *err, const QString &message)
{
    std::fprintf(err, "slovnik-cli: %s\nTry 'slovnik-cli --help'.\n", qPrintable(message));
    return WrongUsage;
}

} // namespace

int run(const QByteArrayList &arguments, std::FILE *out, std::FILE *err)
{
    if (arguments.isEmpty())
        return wrongUsage(err, QStringLiteral("no command given"));
    const QByteArray &command = arguments.front();
    const QByteArrayList rest = arguments.mid(1);
    if (command == "-h" || command == "--help") {
        std::fputs(kUsage, out);
        return Success;
    }
    if (command == "dump") {
        if (rest.contains("-h") || rest.contains("--help")) {
            std::fputs(kUsage, out);
            return Success;
        }
        if (!rest.isEmpty())
            return wrongUsage(err, QStringLiteral("dump takes no arguments, got '%1'").arg(QString::fromUtf8(rest.front())));
        return dump(out);
    }
    return wrongUsage(err, QStringLiteral("unknown command '%1'").arg(QString::fromUtf8(command)));
}

} // namespace slovnik::cli
