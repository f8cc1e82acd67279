#include "Trans.h"

#include "Icons.h"

namespace slovnik {

namespace {
constexpr QSize kDesignSize(274, 376);
}

TTransForm::TTransForm(ImageList *flagImages, QWidget *parent)
    : QWidget(parent, Qt::Window), m_flagImages(flagImages)
{
    setWindowTitle(QStringLiteral("Translator"));
    setWindowIcon(translatorWindowIcon());
    resize(kDesignSize);
}

void TTransForm::setHelpWindow(QWidget *helpWindow)
{
    m_helpWindow = helpWindow;
}

} // namespace slovnik
