#include "tools/cli/Cli.h"

int main(int argc, char *argv[])
{
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    return slovnik::cli::run(arguments, stdin, stdout, stderr);
}
