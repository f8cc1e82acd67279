// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The running program on the session bus: org.freedesktop.Application under the desktop entry's
// name, so that a launcher's action, a key the learner bound, or `slovnik-cli show` brings the
// dictionary window to the front with a word looked up in it, as the paste button looks one up.
//
// What it takes is text only, read by the program itself (the selection, the clipboard) or given
// as the one string parameter of "look-up"; the query box cuts it as it cuts a paste. It opens no
// files (Open is refused), runs nothing and takes no file descriptors.
//
// The bus is joined once the dictionary window has been drawn, so the start never waits for it.
// Without a session bus nothing is joined, and nothing starts one. A second program started beside
// a first does not get the name and stays off the bus.
//
// A call that arrives while a modal window (About, the message dialog) is open waits, its answer
// held back, until that window closes; one call waits at a time, a further one is refused.

#include "app/SessionBus.h"

#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <QVariantMap>

#include <optional>

namespace slovnik {

class TMainForm;

/// In a session without a bus, sets DBUS_SESSION_BUS_ADDRESS to bus::kNoBusAddress, so that no
/// library of the toolkit (its accessibility bridge, its platform theme) starts one with
/// dbus-launch, which would write into the home and leave a bus running after the program ends.
/// Before the QApplication.
void keepOffAnAbsentBus();

class DesktopBus : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    /// Neither window is owned; both outlive this object.
    DesktopBus(TMainForm &dictionary, QWidget &translator);

    /// Joins the session bus when the dictionary window has painted for the first time, or after
    /// two seconds when it has not.
    void joinAfterFirstPaint();
    /// Joins now: the object, then the name. False when there is no session bus (none is started)
    /// or another program holds the name.
    bool join();

public Q_SLOTS:
    /// Brings the dictionary window to the front.
    Q_SCRIPTABLE void Activate(const QVariantMap &platformData);
    /// Runs one of the actions of app/SessionBus.h and brings its window to the front. Answers
    /// kNothingToLookUp when the text it reads is blank, kInvalidArgs for a wrong parameter or an
    /// unknown action.
    Q_SCRIPTABLE void ActivateAction(const QString &name, const QVariantList &parameter,
                                     const QVariantMap &platformData);
    /// Refused with kNotSupported: the program opens no files.
    Q_SCRIPTABLE void Open(const QStringList &uris, const QVariantMap &platformData);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Call {
        QString action;
        QVariantList parameter;
        QVariantMap platformData;
    };
    /// Runs a call; returns the error name and message for the caller, or nothing on success.
    std::optional<std::pair<QString, QString>> perform(const Call &call);
    /// Holds a call back while a modal window is open; true when it was held or refused.
    bool heldBackByModalWindow(const Call &call);
    void runHeldCall();

    TMainForm &m_dictionary;
    QWidget &m_translator;
    bool m_joinRequested = false;
    std::optional<Call> m_heldCall;
    QDBusMessage m_heldMessage;
    QPointer<QWidget> m_modalWindow;
};

} // namespace slovnik
