#include "About.h"

#include "WindowPlacement.h"

namespace slovnik {

namespace {
constexpr QSize kClientSize(536, 429);
}

TAboutForm::TAboutForm(QWidget *parent) : QDialog(parent)
{
    // One blank before, none after the hyphen: the window's own spelling.
    setWindowTitle(QStringLiteral(" Anglicko- český slovník"));
    makeFixedDialogWindow(*this, kClientSize, false);
}

} // namespace slovnik
