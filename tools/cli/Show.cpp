// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/cli/Commands.h"

#include "app/SessionBus.h"
#include "tools/cli/Cli.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>

#include <cstdlib>

namespace slovnik::cli {
namespace {

// The bus's own limit for an answer; a program that must first start is well inside it.
constexpr int kCallTimeoutMilliseconds = 25000;

// One line, Czech and then English, as a learner's key binding may show it in a notification.
int fail(std::FILE *err, int code, const char *czech, const QString &english)
{
    std::fprintf(err, "slovnik-cli: show: %s / %s\n", czech, qPrintable(english));
    return code;
}

// The tokens with which a launcher or a key binding lets the started command raise a window:
// xdg-activation's on Wayland, the startup-notification id on X11.
QVariantMap platformData()
{
    QVariantMap data;
    if (const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN"); !token.isEmpty())
        data.insert(QStringLiteral("activation-token"), QString::fromUtf8(token));
    if (const QByteArray id = qgetenv("DESKTOP_STARTUP_ID"); !id.isEmpty())
        data.insert(QStringLiteral("desktop-startup-id"), QString::fromUtf8(id));
    return data;
}

// The bus's connection keeps a thread that reads messages until its static manager ends, at the
// process's exit; a message read after the application, or Qt's table of the bus's types, had
// ended (an error answer's notice, the bus's own signals) would print warnings on the error output.
// Made before the connection, both are ended after it.
void applicationToTheEnd()
{
    static int argc = 1;
    static char name[] = "slovnik-cli";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    qRegisterMetaType<QDBusMessage>();
    qRegisterMetaType<QDBusError>();
}

} // namespace

int show(ShowSource source, const QString &text, std::FILE *err)
{
    if (!bus::sessionBusPresent(std::getenv("DBUS_SESSION_BUS_ADDRESS"), std::getenv("XDG_RUNTIME_DIR")))
        return fail(err, Unavailable, "není spuštěna sběrnice sezení D-Bus",
                    QStringLiteral("there is no D-Bus session bus"));
    if (!QCoreApplication::instance())
        applicationToTheEnd();
    QDBusConnection connection = QDBusConnection::sessionBus();
    if (!connection.isConnected())
        return fail(err, Unavailable, "sběrnice sezení D-Bus neodpovídá",
                    QStringLiteral("the D-Bus session bus cannot be reached"));

    constexpr const char *kActions[]{bus::kLookUpSelection, bus::kLookUpClipboard, bus::kLookUp,
                                     bus::kTranslateClipboard};
    const char *const action = kActions[static_cast<int>(source)];
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(bus::kServiceName), QString::fromLatin1(bus::kObjectPath),
        QString::fromLatin1(bus::kApplicationInterface), QStringLiteral("ActivateAction"));
    QVariantList parameter;
    if (source == ShowSource::Text)
        parameter << QVariant::fromValue(QDBusVariant(text));
    call << QString::fromLatin1(action) << parameter << platformData();
    const QDBusMessage reply = connection.call(call, QDBus::Block, kCallTimeoutMilliseconds);
    if (reply.type() != QDBusMessage::ErrorMessage)
        return Success;
    if (reply.errorName() == QLatin1StringView(bus::kNothingToLookUp))
        return fail(err, BadInput, "není co vyhledat, výběr i schránka jsou prázdné",
                    QStringLiteral("nothing to look up: the selection and the clipboard hold no text"));
    return fail(err, Unavailable, "slovník nelze zobrazit", reply.errorMessage());
}

} // namespace slovnik::cli
