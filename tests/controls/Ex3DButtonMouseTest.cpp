// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/controls/ButtonHost.h"
#include "tests/support/WhenShown.h"

#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

using namespace slovnik;
using namespace slovnik::support;
using namespace slovnik::buttontest;

// How the image button answers the mouse: pressing, clicking, hot-tracking, its menu.
class Ex3DButtonMouseTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pressedWhileHeldFollowsTheInsideTest_data();
    void pressedWhileHeldFollowsTheInsideTest();
    void releaseInsideClicksWhileStillDrawnPressed();
    void modalWindowOpenedByTheClickKeepsThePressedLook();
    void releaseOutsideGivesNoClick_data();
    void releaseOutsideGivesNoClick();
    void releaseReportedAwayFromTheLastMoveLeavesItUnpressed();
    void secondPressOfADoubleClickIsDrawnButFiresNoClick();
    void doubleClickClicksOnce();
    void pointerOverTheButtonMakesItHot();
    void clickingLeavesTheFocusWhereItWas();
    void forgetsADestroyedMenu();
    void dropdownMenuOpensBelowAndLeavesTheButtonAtRest();
};

void Ex3DButtonMouseTest::pressedWhileHeldFollowsTheInsideTest_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("pressed");

    QTest::newRow("inside") << QPoint(10, 10) << true;
    QTest::newRow("last column") << QPoint(95, 10) << true;
    QTest::newRow("x == width is outside") << QPoint(96, 10) << false;
    QTest::newRow("the row just below, y == height, is inside") << QPoint(10, 22) << true;
    QTest::newRow("two rows below") << QPoint(10, 23) << false;
    QTest::newRow("left of it") << QPoint(-1, 10) << false;
    QTest::newRow("above it") << QPoint(10, -1) << false;
}

void Ex3DButtonMouseTest::pressedWhileHeldFollowsTheInsideTest()
{
    QFETCH(QPoint, point);
    QFETCH(bool, pressed);

    Host host;
    host.press(QPoint(48, 11));
    QVERIFY(host.button->isDown());
    host.move(point);
    QCOMPARE(host.button->isDown(), pressed);
    host.move(QPoint(48, 11));
    QVERIFY(host.button->isDown());
    host.release(QPoint(48, 11));
}

void Ex3DButtonMouseTest::releaseInsideClicksWhileStillDrawnPressed()
{
    Host host;
    int clicks = 0;
    bool pressedDuringClick = false;
    connect(host.button, &TEx3DButton::clicked, host.button, [&] {
        ++clicks;
        pressedDuringClick = host.button->isDown();
    });
    host.press(QPoint(48, 11));
    host.release(QPoint(48, 11));
    QCOMPARE(clicks, 1);
    QVERIFY(pressedDuringClick);
    QVERIFY(!host.button->isDown());
}

// The modal window takes the pointer from the button; until it closes the button shows the sunken
// frame (shadow at top and left) with its content shifted.
void Ex3DButtonMouseTest::modalWindowOpenedByTheClickKeepsThePressedLook()
{
    Host host;
    host.button->setImages(nullptr);
    QImage duringModal;
    connect(host.button, &TEx3DButton::clicked, host.button, [&] {
        QDialog modal(&host.window);
        whenShown([&modal]() -> QWidget * { return modal.isVisible() ? &modal : nullptr; },
                  [&](QWidget &) {
                      // As an X11 desktop reports it when the modal window takes the pointer.
                      QEvent leave(QEvent::Leave);
                      QCoreApplication::sendEvent(host.button, &leave);
                      settle();
                      duringModal = host.picture();
                      modal.accept();
                  });
        modal.exec();
    });
    host.move(QPoint(48, 11));
    host.press(QPoint(48, 11));
    host.release(QPoint(48, 11));
    QVERIFY(!duringModal.isNull());
    QCOMPARE(pixel(duringModal, 0, 0), kDark);
    QCOMPARE(pixel(duringModal, 95, 21), kLight);
}

void Ex3DButtonMouseTest::releaseOutsideGivesNoClick_data()
{
    QTest::addColumn<QPoint>("point");

    QTest::newRow("far away") << QPoint(150, 60);
    QTest::newRow("x == width") << QPoint(96, 10);
    QTest::newRow("y == height: held inside, released outside") << QPoint(10, 22);
}

void Ex3DButtonMouseTest::releaseOutsideGivesNoClick()
{
    QFETCH(QPoint, point);

    Host host;
    int clicks = 0;
    connect(host.button, &TEx3DButton::clicked, host.button, [&] { ++clicks; });
    host.press(QPoint(48, 11));
    host.move(point);
    host.release(point);
    QCOMPARE(clicks, 0);
    QVERIFY(!host.button->isDown());
}

void Ex3DButtonMouseTest::releaseReportedAwayFromTheLastMoveLeavesItUnpressed()
{
    Host host;
    int clicks = 0;
    connect(host.button, &TEx3DButton::clicked, host.button, [&] { ++clicks; });
    // Straight to the widget, with no move in between: the platform path would add one.
    QTest::mousePress(host.button, Qt::LeftButton, {}, QPoint(48, 11));
    QTest::mouseRelease(host.button, Qt::LeftButton, {}, QPoint(150, 60));
    QCOMPARE(clicks, 0);
    QVERIFY(!host.button->isDown());
}

void Ex3DButtonMouseTest::secondPressOfADoubleClickIsDrawnButFiresNoClick()
{
    Host host;
    int clicks = 0;
    connect(host.button, &TEx3DButton::clicked, host.button, [&] { ++clicks; });
    QTest::mouseClick(host.button, Qt::LeftButton, {}, QPoint(48, 11));
    QCOMPARE(clicks, 1);
    QTest::mouseDClick(host.button, Qt::LeftButton, {}, QPoint(48, 11));
    QVERIFY(host.button->isDown());
    QTest::mouseRelease(host.button, Qt::LeftButton, {}, QPoint(48, 11));
    QCOMPARE(clicks, 1);
    QVERIFY(!host.button->isDown());
}

void Ex3DButtonMouseTest::doubleClickClicksOnce()
{
    Host host;
    int clicks = 0;
    connect(host.button, &TEx3DButton::clicked, host.button, [&] { ++clicks; });
    QTest::mouseDClick(host.handle(), Qt::LeftButton, {}, host.at(QPoint(48, 11)));
    QCOMPARE(clicks, 1);
    QVERIFY(!host.button->isDown());
}

void Ex3DButtonMouseTest::pointerOverTheButtonMakesItHot()
{
    Host host;
    QCOMPARE(leftEdge(host), kFace);
    host.move(QPoint(48, 11));
    QCOMPARE(leftEdge(host), kLight);
    host.move(QPoint(48, 40));
    QCOMPARE(leftEdge(host), kFace);
}

void Ex3DButtonMouseTest::clickingLeavesTheFocusWhereItWas()
{
    Host host;
    auto *edit = new QLineEdit(&host.window);
    edit->setGeometry(10, 50, 100, 22);
    edit->show();
    edit->setFocus();
    QCOMPARE(host.window.focusWidget(), edit);
    int clicks = 0;
    connect(host.button, &TEx3DButton::clicked, host.button, [&] { ++clicks; });
    host.press(QPoint(48, 11));
    host.release(QPoint(48, 11));
    QCOMPARE(clicks, 1);
    QCOMPARE(host.window.focusWidget(), edit);
}

void Ex3DButtonMouseTest::forgetsADestroyedMenu()
{
    Host host;
    auto menu = std::make_unique<QMenu>();
    host.button->setDropdownMenu(menu.get());
    menu.reset();
    QCOMPARE(host.button->dropdownMenu(), nullptr);

    // Without the menu a press is a plain press again.
    int clicks = 0;
    connect(host.button, &TEx3DButton::clicked, host.button, [&] { ++clicks; });
    host.press(QPoint(48, 11));
    host.release(QPoint(48, 11));
    QCOMPARE(clicks, 1);
}

void Ex3DButtonMouseTest::dropdownMenuOpensBelowAndLeavesTheButtonAtRest()
{
    Host host;
    QMenu menu;
    menu.addAction(QStringLiteral("Jedna"));
    host.button->setDropdownMenu(&menu);
    int clicks = 0;
    connect(host.button, &TEx3DButton::clicked, host.button, [&] { ++clicks; });

    QPoint shownAt;
    bool pressedWhileOpen = false;
    whenShown([] { return QApplication::activePopupWidget(); },
              [&](QWidget &popup) {
                  shownAt = popup.pos();
                  pressedWhileOpen = host.button->isDown();
                  popup.close();
              });
    host.move(QPoint(48, 11));
    host.press(QPoint(48, 11));

    QCOMPARE(shownAt, host.button->mapToGlobal(QPoint(0, 22)));
    QVERIFY(pressedWhileOpen);
    QVERIFY(!host.button->isDown());
    QCOMPARE(leftEdge(host), kFace);
    host.release(QPoint(48, 11));
    QCOMPARE(clicks, 0);
}

QTEST_MAIN(Ex3DButtonMouseTest)
#include "Ex3DButtonMouseTest.moc"
