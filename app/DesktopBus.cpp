// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/DesktopBus.h"

#include "app/MainForm.h"
#include "controls/WindowPlacement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace slovnik {

namespace {

constexpr int kLatestJoinMilliseconds = 2000;

bool isBlank(const QString &text)
{
    return text.trimmed().isEmpty();
}

// The primary selection where the platform has one, else (or when nothing is selected) the
// clipboard, as the learner would paste it.
QString selectionOrClipboard()
{
    QClipboard *const clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection()) {
        const QString selected = clipboard->text(QClipboard::Selection);
        if (!isBlank(selected))
            return selected;
    }
    return clipboard->text();
}

// The one string of "look-up"; a bus variant arrives wrapped.
std::optional<QString> textParameter(const QVariantList &parameter)
{
    if (parameter.size() != 1)
        return std::nullopt;
    QVariant value = parameter.front();
    if (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    if (value.metaType() != QMetaType::fromType<QString>())
        return std::nullopt;
    return value.toString();
}

// On Wayland a window may take the focus only with the token its caller got from the compositor
// (xdg-activation); Qt hands it on with the next activation request.
void bringToFront(QWidget &window, const QVariantMap &platformData)
{
    const QString token = platformData.value(QStringLiteral("activation-token")).toString();
    if (!token.isEmpty() && QGuiApplication::platformName().startsWith(u"wayland"))
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    if (window.isMinimized())
        window.showNormal();
    showInFront(&window);
}

void clickButton(QWidget &window, const char *name)
{
    if (auto *const button = window.findChild<QAbstractButton *>(QLatin1StringView(name)))
        button->click();
}

} // namespace

void keepOffAnAbsentBus()
{
    if (!bus::sessionBusPresent(qgetenv("DBUS_SESSION_BUS_ADDRESS").constData(),
                                qgetenv("XDG_RUNTIME_DIR").constData()))
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus::kNoBusAddress);
}

DesktopBus::DesktopBus(TMainForm &dictionary, QWidget &translator) :
    QObject(&dictionary),
    m_dictionary(dictionary),
    m_translator(translator)
{
}

void DesktopBus::joinAfterFirstPaint()
{
    m_joinRequested = true;
    m_dictionary.installEventFilter(this);
    // A window the display never exposes (a compositor that keeps it back) is never painted; the
    // program still answers, a moment later.
    QTimer::singleShot(kLatestJoinMilliseconds, this, [this] {
        if (!m_joinRequested)
            return;
        m_joinRequested = false;
        m_dictionary.removeEventFilter(this);
        join();
    });
}

bool DesktopBus::join()
{
    if (!bus::sessionBusPresent(qgetenv("DBUS_SESSION_BUS_ADDRESS").constData(),
                                qgetenv("XDG_RUNTIME_DIR").constData()))
        return false;
    QDBusConnection connection = QDBusConnection::sessionBus();
    if (!connection.isConnected()
        || !connection.registerObject(QString::fromLatin1(bus::kObjectPath), this,
                                      QDBusConnection::ExportScriptableSlots))
        return false;
    // Not queued: a second program must not take the name over when the first one ends.
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply
        = connection.interface()->registerService(QString::fromLatin1(bus::kServiceName),
                                                  QDBusConnectionInterface::DontQueueService,
                                                  QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered)
        return true;
    connection.unregisterObject(QString::fromLatin1(bus::kObjectPath));
    return false;
}

bool DesktopBus::eventFilter(QObject *watched, QEvent *event)
{
    if (m_joinRequested && watched == &m_dictionary && event->type() == QEvent::Paint) {
        m_joinRequested = false;
        m_dictionary.removeEventFilter(this);
        // After the paint has reached the screen, not inside it.
        QTimer::singleShot(0, this, [this] { join(); });
    } else if (watched == m_modalWindow && event->type() == QEvent::Hide) {
        m_modalWindow->removeEventFilter(this);
        // Once the modal loop has returned, so that the call runs where the learner is.
        QTimer::singleShot(0, this, &DesktopBus::runHeldCall);
    }
    return false;
}

void DesktopBus::Activate(const QVariantMap &platformData)
{
    if (!heldBackByModalWindow({QString(), {}, platformData}))
        bringToFront(m_dictionary, platformData);
}

void DesktopBus::ActivateAction(const QString &name, const QVariantList &parameter,
                                const QVariantMap &platformData)
{
    const Call call{name, parameter, platformData};
    if (heldBackByModalWindow(call))
        return;
    if (const auto error = perform(call))
        sendErrorReply(error->first, error->second);
}

void DesktopBus::Open(const QStringList &, const QVariantMap &)
{
    sendErrorReply(QString::fromLatin1(bus::kNotSupported), QStringLiteral("slovnik opens no files"));
}

std::optional<std::pair<QString, QString>> DesktopBus::perform(const Call &call)
{
    const auto nothing = std::pair{QString::fromLatin1(bus::kNothingToLookUp),
                                   QStringLiteral("nothing is selected and the clipboard holds no text")};
    if (call.action.isEmpty()) {
        bringToFront(m_dictionary, call.platformData);
        return std::nullopt;
    }
    if (call.action == QLatin1StringView(bus::kTranslateClipboard)) {
        if (isBlank(QGuiApplication::clipboard()->text()))
            return nothing;
        bringToFront(m_translator, call.platformData);
        // Queued: a text of more words than the translator takes tells so in a modal message,
        // which must not hold the caller's answer back.
        QTimer::singleShot(0, &m_translator, [this] {
            clickButton(m_translator, "PasteBtn");
            clickButton(m_translator, "ToListBtn");
        });
        return std::nullopt;
    }
    std::optional<QString> text;
    if (call.action == QLatin1StringView(bus::kLookUpSelection))
        text = selectionOrClipboard();
    else if (call.action == QLatin1StringView(bus::kLookUpClipboard))
        text = QGuiApplication::clipboard()->text();
    else if (call.action == QLatin1StringView(bus::kLookUp))
        text = textParameter(call.parameter);
    else
        return std::pair{QString::fromLatin1(bus::kInvalidArgs),
                         QStringLiteral("unknown action ") + call.action};
    if (!text)
        return std::pair{QString::fromLatin1(bus::kInvalidArgs), QStringLiteral("look-up takes one string")};
    if (isBlank(*text))
        return nothing;
    m_dictionary.pasteIntoQuery(*text);
    bringToFront(m_dictionary, call.platformData);
    return std::nullopt;
}

bool DesktopBus::heldBackByModalWindow(const Call &call)
{
    QWidget *const modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    if (m_heldCall) {
        sendErrorReply(QDBusError::LimitsExceeded, QStringLiteral("a dialog of slovnik is open"));
        return true;
    }
    setDelayedReply(true);
    m_heldCall = call;
    m_heldMessage = message();
    m_modalWindow = modal;
    modal->installEventFilter(this);
    // The learner sees what holds the call back.
    showInFront(modal);
    return true;
}

void DesktopBus::runHeldCall()
{
    if (!m_heldCall)
        return;
    if (QWidget *const modal = QApplication::activeModalWidget()) {
        // Another modal window took its place.
        m_modalWindow = modal;
        modal->installEventFilter(this);
        return;
    }
    const Call call = *m_heldCall;
    m_heldCall.reset();
    const auto error = perform(call);
    const QDBusMessage answer
        = error ? m_heldMessage.createErrorReply(error->first, error->second) : m_heldMessage.createReply();
    QDBusConnection::sessionBus().send(answer);
}

} // namespace slovnik
