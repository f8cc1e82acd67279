// SPDX-License-Identifier: GPL-2.0-or-later
// slovnik: an English-Czech and Czech-English dictionary with a word-by-word translator.

#include "app/ApplicationWindows.h"
#include "app/DesktopBus.h"
#include "app/MainForm.h"
#include "translator/Trans.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    slovnik::keepOffAnAbsentBus();
    // The program reads no arguments, and neither does the toolkit: "-reverse" or "-style" would
    // otherwise change the windows. The toolkit sees the program's name alone; its settings from
    // the environment (QT_QPA_PLATFORM and the like) still apply.
    int programNameOnly = argc > 0 ? 1 : 0;
    QApplication application(programNameOnly, argv);
    slovnik::prepareApplication();
    const slovnik::ApplicationWindows windows;
    // Owned by the dictionary window.
    auto *const desktopBus = new slovnik::DesktopBus(*windows.MainForm, *windows.TransForm);
    desktopBus->joinAfterFirstPaint();
    return slovnik::runMessageLoop(*windows.MainForm);
}
