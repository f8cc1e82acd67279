#include "TrHelp.h"

#include "WindowPlacement.h"

namespace slovnik {

namespace {
constexpr QSize kClientSize(259, 308);
}

TTrHelpForm::TTrHelpForm(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Translátor - nápověda"));
    makeFixedDialogWindow(*this, kClientSize, false);
}

} // namespace slovnik
