// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/AccessibleControls.h"

#include "controls/Ex3DButton.h"
#include "controls/ExDialog.h"
#include "controls/LinkLabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QTimer>

#include <functional>

namespace slovnik {

namespace {

// A widget that is pressed as a whole: its role, its name and what pressing it does.
class PressableWidget final : public QAccessibleWidget {
public:
    PressableWidget(QWidget *widget, QAccessible::Role role, std::function<QString()> name,
                    std::function<void()> press) :
        QAccessibleWidget(widget, role),
        m_name(std::move(name)),
        m_press(std::move(press))
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return m_name();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction()) {
            // The bus answers the press only when this returns: a button that opens a modal
            // window would keep the screen reader waiting until the window closed. The widget
            // is the timer's context, so a widget gone by then is not pressed.
            if (widget()->isEnabled())
                QTimer::singleShot(0, widget(), m_press);
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    std::function<QString()> m_name;
    std::function<void()> m_press;
};

// A combo box as Qt presents it (its list, then its text field when editable; a press opens or
// closes the list), except that its name is its label: Qt on Linux names it by its text, which
// makes the name of the query box whatever was typed. The chosen line is its value and its text.
class LabelledComboBox final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LabelledComboBox(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return box()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == box()->view())
            return 0;
        if (box()->isEditable() && child->object() == box()->lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QLineEdit *const field = box()->lineEdit();
        if (field && QRect(field->mapToGlobal(QPoint(0, 0)), field->size()).contains(x, y))
            return child(1);
        return nullptr;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return box()->currentText();
        const QString text = QAccessibleWidget::text(kind);
        // A box without a label is still named by what it shows, as Qt names it.
        if (kind == QAccessible::Name && text.isEmpty())
            return box()->currentText();
        return text;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString &actionName) override
    {
        if (actionName != showMenuAction() && actionName != pressAction())
            return;
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    // The text: the chosen line, read-only.
    QString text(int startOffset, int endOffset) const override
    {
        return box()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(box()->currentText().size()); }
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = offset;
        *endOffset = offset;
        return {};
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
};

QString firstNonEmpty(std::initializer_list<QString> texts)
{
    for (const QString &text : texts) {
        if (!text.isEmpty())
            return text;
    }
    return {};
}

QAccessibleInterface *buttonInterface(TEx3DButton *button)
{
    return new PressableWidget(
        button, QAccessible::Button,
        [button] {
            return firstNonEmpty({button->accessibleName(), button->caption(), button->toolTip()});
        },
        [button] { button->click(); });
}

QAccessibleInterface *linkInterface(LinkLabel *link)
{
    return new PressableWidget(
        link, QAccessible::Link,
        [link] {
            return firstNonEmpty({link->accessibleName(), link->text()});
        },
        [link] { link->activate(); });
}

// A window the user moves between (not a list's pop-up, a menu or a hint): a frame named by its
// caption, as the window lists of a desktop show it; the message dialog is an alert, whose text
// a screen reader reads out when it appears.
QAccessibleInterface *windowInterface(QWidget *window)
{
    const Qt::WindowType type = window->windowType();
    if (type != Qt::Window && type != Qt::Dialog)
        return nullptr;
    return new QAccessibleWidget(
        window, qobject_cast<TDlgForm *>(window) ? QAccessible::AlertMessage : QAccessible::Window);
}

QAccessibleInterface *controlsFactory(const QString &className, QObject *object)
{
    if (auto *const button = qobject_cast<TEx3DButton *>(object))
        return buttonInterface(button);
    if (auto *const link = qobject_cast<LinkLabel *>(object))
        return linkInterface(link);
    auto *const widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    // Qt asks for each class from the object's own up to QObject. A window of ours is reached at
    // Qt's plain window classes; a window that Qt knows by a class of its own (a button shown
    // alone) keeps Qt's interface.
    if (widget->isWindow()) {
        if (className == QLatin1String("QWidget") || className == QLatin1String("QDialog"))
            return windowInterface(widget);
        return nullptr;
    }
    if (auto *const box = qobject_cast<QComboBox *>(object))
        return new LabelledComboBox(box);
    // Qt shows a bare frame, a panel or a bevel, as a frame: the role of a window.
    if (className == QLatin1String("QFrame"))
        return new QAccessibleWidget(widget, QAccessible::Client);
    return nullptr;
}

} // namespace

void installAccessibleControls()
{
    // Qt keeps one copy of each factory, so a second call adds nothing.
    QAccessible::installFactory(controlsFactory);
}

void nameComboBox(QComboBox &box, const QString &name)
{
    box.setAccessibleName(name);
    box.view()->setAccessibleName(name);
    if (QLineEdit *const field = box.lineEdit())
        field->setAccessibleName(name);
}

} // namespace slovnik
