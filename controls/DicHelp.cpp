#include "DicHelp.h"

#include "WindowPlacement.h"

namespace slovnik {

namespace {
constexpr QSize kClientSize(355, 320);
}

TDicHelpForm::TDicHelpForm(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Slovník - nápověda"));
    makeFixedDialogWindow(*this, kClientSize, true);
}

} // namespace slovnik
