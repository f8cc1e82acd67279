#include "AccessibleControls.h"

#include "Ex3DButton.h"
#include "LinkLabel.h"

#include <QAccessibleWidget>

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
            if (widget()->isEnabled())
                m_press();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    std::function<QString()> m_name;
    std::function<void()> m_press;
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

QAccessibleInterface *controlsFactory(const QString &, QObject *object)
{
    if (auto *const button = qobject_cast<TEx3DButton *>(object))
        return buttonInterface(button);
    if (auto *const link = qobject_cast<LinkLabel *>(object))
        return linkInterface(link);
    return nullptr;
}

} // namespace

void installAccessibleControls()
{
    // Qt keeps one copy of each factory, so a second call adds nothing.
    QAccessible::installFactory(controlsFactory);
}

} // namespace slovnik
