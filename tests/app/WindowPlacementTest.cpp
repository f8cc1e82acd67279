// SPDX-License-Identifier: GPL-2.0-or-later
// Where the windows stand on a desktop whose window manager draws their frames: a centred window's
// frame in the middle of the screen's free area, and the translator's frame 1 pixel from the
// screen's right edge and 40 from its bottom. Run by with-window-manager.sh, under openbox.

#include "app/MainForm.h"
#include "controls/DicHelp.h"
#include "controls/Icons.h"
#include "controls/ImageList.h"
#include "tests/support/QuietModule.h"
#include "tests/support/SmallTable.h"
#include "translator/Trans.h"

#include <QScreen>
#include <QtTest>

using namespace slovnik;

namespace {

const std::vector<DictionaryEntry> kTable = slovnik::support::table({{"dog", "pes"}});

} // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void centredWindowsCentreTheirFrames_data();
    void centredWindowsCentreTheirFrames();
    void translatorKeepsItsGapsToTheScreenEdges();
};

void WindowPlacementTest::centredWindowsCentreTheirFrames_data()
{
    QTest::addColumn<bool>("dictionary");
    QTest::newRow("dictionary window") << true;
    QTest::newRow("dictionary help") << false;
}

void WindowPlacementTest::centredWindowsCentreTheirFrames()
{
    QFETCH(bool, dictionary);
    TMainForm form(slovnik::support::quietModule(), kTable);
    TDicHelpForm help;
    QWidget &window = dictionary ? static_cast<QWidget &>(form) : help;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The window manager draws a title bar taller than the other sides.
    QTRY_VERIFY(window.frameGeometry().height() - window.height()
                > window.frameGeometry().width() - window.width());
    const QRect free = window.screen()->availableGeometry();
    const auto offCentre = [&window, &free] {
        const QRect frame = window.frameGeometry();
        return QPoint((frame.left() - free.left()) - (free.right() - frame.right()),
                      (frame.top() - free.top()) - (free.bottom() - frame.bottom()));
    };
    QTRY_VERIFY2(std::abs(offCentre().x()) <= 1 && std::abs(offCentre().y()) <= 1,
                 qPrintable(u"%1, %2"_qs.arg(offCentre().x()).arg(offCentre().y())));
}

void WindowPlacementTest::translatorKeepsItsGapsToTheScreenEdges()
{
    QObject flagOwner;
    TTransForm form(createFlagImages(&flagOwner), kTable);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(form.frameGeometry().size() != form.size());
    const QRect screen = form.screen()->geometry();
    QTRY_COMPARE(screen.right() - form.frameGeometry().right(), 1);
    QTRY_COMPARE(screen.bottom() - form.frameGeometry().bottom(), 40);
}

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
