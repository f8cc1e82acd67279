// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/TrHelp.h"

namespace slovnik {

TTrHelpForm::TTrHelpForm(QWidget *parent) : HelpWindow({QSize(259, 308), false, ":/help/TrHelp.txt"}, parent)
{
    setWindowTitle(QStringLiteral("Translátor - nápověda"));
}

} // namespace slovnik
