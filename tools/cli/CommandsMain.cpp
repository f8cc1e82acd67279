// SPDX-License-Identifier: GPL-2.0-or-later
// The full slovnik-cli, with Qt: every command. The slovnik-cli a user runs (main.cpp) starts it
// for whatever it does not do itself, under the same name.

#include "tools/cli/Cli.h"

int main(int argc, char *argv[])
{
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    return slovnik::cli::run(arguments, stdin, stdout, stderr);
}
