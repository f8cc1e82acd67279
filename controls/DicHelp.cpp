// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/DicHelp.h"

namespace slovnik {

TDicHelpForm::TDicHelpForm(QWidget *parent) :
    HelpWindow({QSize(355, 320), true, ":/help/DicHelp.txt"}, parent)
{
    setWindowTitle(QStringLiteral("Slovník - nápověda"));
}

} // namespace slovnik
