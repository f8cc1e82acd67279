#include "Trans.h"

#include "Icons.h"

namespace slovnik {

namespace {
constexpr QSize kDesignSize(274, 376);
}

TTransForm::TTransForm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Translator"));
    setWindowIcon(translatorWindowIcon());
    resize(kDesignSize);
}

} // namespace slovnik
