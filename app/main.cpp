// slovnik: an English-Czech and Czech-English dictionary with a word-by-word translator.

#include "ApplicationWindows.h"
#include "MainForm.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Qt takes its own options (-platform and the like) from the command line; the program reads
    // nothing else there.
    QApplication application(argc, argv);
    slovnik::prepareApplication();
    const slovnik::ApplicationWindows windows;
    return slovnik::runMessageLoop(*windows.MainForm);
}
