// SPDX-License-Identifier: GPL-2.0-or-later
// What assistive technology sees of our own controls: the image button as a button and the link
// label as a link, each with a name and a press action that does what a click does.

#include "controls/AccessibleControls.h"
#include "controls/Ex3DButton.h"
#include "controls/LinkLabel.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace slovnik;

namespace {

QAccessibleInterface *accessibleOf(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// As the bus presses: the press is answered first, and the control acts from the event loop.
bool press(QWidget *widget)
{
    QAccessibleActionInterface *const actions = accessibleOf(widget)->actionInterface();
    if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
        return false;
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    return true;
}

} // namespace

class AccessibleControlsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();

    void imageButtonIsAButton();
    void imageButtonName_data();
    void imageButtonName();
    void pressingTheImageButtonClicksItOnce();
    void pressIsAnsweredBeforeTheButtonActs();
    void disabledImageButtonIgnoresThePress();
    void linkLabelIsAPressableLink();
    void disabledLinkLabelIgnoresThePress();
    void qtsOwnWidgetsKeepTheirInterfaces();
};

void AccessibleControlsTest::initTestCase()
{
    installAccessibleControls();
}

void AccessibleControlsTest::imageButtonIsAButton()
{
    QWidget window;
    auto *button = new TEx3DButton(&window);
    QAccessibleInterface *accessible = accessibleOf(button);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QCOMPARE(accessible->object(), button);
    QVERIFY(accessible->actionInterface());
    QVERIFY(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

void AccessibleControlsTest::imageButtonName_data()
{
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("name");
    QTest::newRow("the accessible name first") << QStringLiteral("Nápověda") << QStringLiteral("Help")
                                               << QStringLiteral("Hint") << QStringLiteral("Nápověda");
    QTest::newRow("else the caption") << QString() << QStringLiteral("Translátor") << QStringLiteral("Hint")
                                      << QStringLiteral("Translátor");
    QTest::newRow("else the hint") << QString() << QString() << QStringLiteral("Kopírovat")
                                   << QStringLiteral("Kopírovat");
    QTest::newRow("nothing to say") << QString() << QString() << QString() << QString();
}

void AccessibleControlsTest::imageButtonName()
{
    QFETCH(QString, accessibleName);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QString, name);
    TEx3DButton button;
    button.setAccessibleName(accessibleName);
    button.setCaption(caption);
    button.setToolTip(hint);
    QCOMPARE(accessibleOf(&button)->text(QAccessible::Name), name);
}

void AccessibleControlsTest::pressingTheImageButtonClicksItOnce()
{
    TEx3DButton button;
    button.setToolTip(QStringLiteral("Vložit"));
    QSignalSpy clicks(&button, &TEx3DButton::clicked);
    QVERIFY(press(&button));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(accessibleOf(&button)->text(QAccessible::Description), QStringLiteral("Vložit"));
}

// A button that opens a modal window would otherwise hold the screen reader's call until it closed.
void AccessibleControlsTest::pressIsAnsweredBeforeTheButtonActs()
{
    TEx3DButton button;
    QSignalSpy clicks(&button, &TEx3DButton::clicked);
    accessibleOf(&button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 0);
    QTRY_COMPARE(clicks.count(), 1);
}

void AccessibleControlsTest::disabledImageButtonIgnoresThePress()
{
    TEx3DButton button;
    button.setEnabled(false);
    QSignalSpy clicks(&button, &TEx3DButton::clicked);
    QVERIFY(press(&button));
    QCOMPARE(clicks.count(), 0);
    QVERIFY(accessibleOf(&button)->state().disabled);
}

void AccessibleControlsTest::linkLabelIsAPressableLink()
{
    LinkLabel label;
    label.setText(QStringLiteral("https://example.org/"));
    label.setToolTip(QStringLiteral("Připojit k internetové stránce"));
    QAccessibleInterface *accessible = accessibleOf(&label);
    QCOMPARE(accessible->role(), QAccessible::Link);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("https://example.org/"));
    QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("Připojit k internetové stránce"));
    QSignalSpy clicks(&label, &LinkLabel::clicked);
    QVERIFY(press(&label));
    QCOMPARE(clicks.count(), 1);
}

void AccessibleControlsTest::disabledLinkLabelIgnoresThePress()
{
    LinkLabel label;
    label.setEnabled(false);
    QSignalSpy clicks(&label, &LinkLabel::clicked);
    QVERIFY(press(&label));
    label.activate();
    QCOMPARE(clicks.count(), 0);
}

void AccessibleControlsTest::qtsOwnWidgetsKeepTheirInterfaces()
{
    QPushButton pushButton(QStringLiteral("OK"));
    QCOMPARE(accessibleOf(&pushButton)->role(), QAccessible::Button);
    QCOMPARE(accessibleOf(&pushButton)->text(QAccessible::Name), QStringLiteral("OK"));
    QLabel label(QStringLiteral("Zdrojový text"));
    QCOMPARE(accessibleOf(&label)->role(), QAccessible::StaticText);
}

QTEST_MAIN(AccessibleControlsTest)
#include "AccessibleControlsTest.moc"
