// slovnik: an English-Czech and Czech-English dictionary with a word-by-word translator.

#include "app/ApplicationWindows.h"
#include "app/MainForm.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The program reads no arguments, and neither does the toolkit: "-reverse" or "-style" would
    // otherwise change the windows. The toolkit sees the program's name alone; its settings from
    // the environment (QT_QPA_PLATFORM and the like) still apply.
    int programNameOnly = argc > 0 ? 1 : 0;
    QApplication application(programNameOnly, argv);
    slovnik::prepareApplication();
    const slovnik::ApplicationWindows windows;
    return slovnik::runMessageLoop(*windows.MainForm);
}
