// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ApplicationWindows.h"

#include "app/ApplicationIdentity.h"
#include "app/MainForm.h"
#include "controls/About.h"
#include "controls/AccessibleControls.h"
#include "controls/DesignFonts.h"
#include "controls/DicHelp.h"
#include "controls/TrHelp.h"
#include "speech/Speaker.h"
#include "translator/Trans.h"

#include <QApplication>

namespace slovnik {

void prepareApplication()
{
    nameApplication();
    setApplicationFont();
    // Qt keeps the first accessible interface it makes for a widget.
    installAccessibleControls();
}

ApplicationWindows::ApplicationWindows(const ExternalModule &module) :
    speaker(std::make_unique<Speaker>()),
    MainForm(std::make_unique<TMainForm>(module)),
    TransForm(std::make_unique<TTransForm>(MainForm->flagImages())),
    TrHelpForm(std::make_unique<TTrHelpForm>()),
    AboutForm(std::make_unique<TAboutForm>()),
    DicHelpForm(std::make_unique<TDicHelpForm>())
{
    MainForm->setCompanionWindows({TransForm.get(), DicHelpForm.get(), AboutForm.get()});
    TransForm->setHelpWindow(TrHelpForm.get());
    MainForm->setSpeaker(*speaker);
    TransForm->setSpeaker(*speaker);
}

ApplicationWindows::~ApplicationWindows() = default;

int runMessageLoop(TMainForm &mainForm)
{
    mainForm.show();
    return QApplication::exec();
}

} // namespace slovnik
