// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/TranslatorWindow.h"

#include "controls/Ex3DButton.h"
#include "controls/Icons.h"
#include "support/NamedControls.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QtTest>

#include <algorithm>

namespace slovnik::support {

TranslatorWindow::TranslatorWindow(std::span<const DictionaryEntry> table) :
    flags(createFlagImages(&flagOwner)),
    form(flags, table)
{
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
}

void settle()
{
    QCoreApplication::processEvents();
}

void split(TTransForm &form, const QString &text)
{
    named<QPlainTextEdit>(form, "Memo1")->setPlainText(text);
    QTest::mouseClick(named<TEx3DButton>(form, "ToListBtn"), Qt::LeftButton);
    settle();
}

void translate(TTransForm &form, const QString &text)
{
    split(form, text);
    QTest::mouseClick(named<TEx3DButton>(form, "TransBtn"), Qt::LeftButton);
}

QList<QComboBox *> wordBoxes(const TTransForm &form)
{
    // A window never shown has not built its word area yet, and has no boxes.
    const QWidget *const panel = named<QWidget>(form, "ComboPanel");
    if (!panel)
        return {};
    QList<QComboBox *> boxes = panel->findChildren<QComboBox *>(Qt::FindDirectChildrenOnly);
    std::ranges::sort(boxes, {}, [](const QComboBox *box) { return box->y(); });
    return boxes;
}

int wordCount(const TTransForm &form)
{
    return static_cast<int>(wordBoxes(form).size());
}

} // namespace slovnik::support
