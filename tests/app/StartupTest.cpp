// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/Startup.h"
#include "app/ApplicationIdentity.h"
#include "app/ApplicationWindows.h"
#include "app/MainForm.h"
#include "controls/About.h"
#include "controls/DicHelp.h"
#include "controls/Ex3DButton.h"
#include "controls/Icons.h"
#include "controls/TrHelp.h"
#include "data/WordList.h"
#include "engine/Dic.h"
#include "support/NamedControls.h"
#include "tests/support/WhatTheUserMeets.h"
#include "translator/Trans.h"

#include <QFile>
#include <QPointer>
#include <QtTest>
#include <algorithm>

#include <memory>
#include <string>
#include <vector>

using namespace slovnik;
using namespace slovnik::support;

namespace {

constexpr std::uint32_t kRecordedResult = 0xC0FFEE42;

WordListReading readTheWordList()
{
    QFile file(QStringLiteral(SLOVNIK_WORDLIST_FILE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the word list %s", SLOVNIK_WORDLIST_FILE);
    return readWordList(file.readAll());
}

const WordListReading &wordList()
{
    static const WordListReading reading = readTheWordList();
    return reading;
}

// The stored form of the first English word: every character one higher.
bool tableStillScrambled()
{
    std::string stored = wordList().pairs.front().english;
    for (char &c : stored)
        c = static_cast<char>(static_cast<unsigned char>(c) + 1u);
    return fieldText(DictionaryTable[0].English) == stored;
}

struct ModuleCalls {
    std::vector<int> ordinals;
    bool tableScrambledAtEveryCall = true;
    qsizetype mostWindowsAtACall = 0;
} moduleCalls;

void noteCall(int ordinal)
{
    moduleCalls.ordinals.push_back(ordinal);
    moduleCalls.tableScrambledAtEveryCall &= tableStillScrambled();
    // Windows, not the drop-down lists' pop-ups, which are top-level widgets too.
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    const auto windows = std::count_if(topLevels.cbegin(), topLevels.cend(), [](const QWidget *w) {
        return w->windowType() == Qt::Window || w->windowType() == Qt::Dialog;
    });
    moduleCalls.mostWindowsAtACall = std::max<qsizetype>(moduleCalls.mostWindowsAtACall, windows);
}

void recordingOrdinal1() noexcept
{
    noteCall(1);
}

std::uint32_t recordingOrdinal2() noexcept
{
    noteCall(2);
    return kRecordedResult;
}

// Every window sets its caption while it is being created, so the caption changes give the order
// in which the windows came to exist.
class CreationOrder : public QObject {
public:
    QStringList classes;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowTitleChange) {
            const QString name = QString::fromLatin1(watched->metaObject()->className());
            if (name.startsWith(QLatin1String("slovnik::T")) && !classes.contains(name))
                classes.append(name);
        }
        return false;
    }
};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void moduleIsCalledOnceEachInOrderBeforeTheTableIsReadable();
    void tableIsReadableFromStartUp();
    void directionStartsCzechToEnglish();
    void windowsAreCreatedHiddenInTheirFixedOrder();
    void captionsAreTheWindowsOwn();
    void messageLoopShowsOnlyTheDictionaryWindowAndEndsWhenItCloses();
    void closingAnotherWindowOnlyHidesIt();
    void cleanupTestCase();

private:
    CreationOrder m_creationOrder;
    std::unique_ptr<ApplicationWindows> m_windows;
};

void StartupTest::initTestCase()
{
    QVERIFY(!wordList().pairs.empty());
    QVERIFY(tableStillScrambled());
    QCOMPARE(ExternalModuleResult, 0u);

    nameApplication();
    qApp->installEventFilter(&m_creationOrder);
    m_windows = std::make_unique<ApplicationWindows>(ExternalModule{recordingOrdinal1, recordingOrdinal2});
    qApp->removeEventFilter(&m_creationOrder);
}

void StartupTest::moduleIsCalledOnceEachInOrderBeforeTheTableIsReadable()
{
    QCOMPARE(moduleCalls.ordinals, (std::vector<int>{1, 2}));
    QVERIFY(moduleCalls.tableScrambledAtEveryCall);
    QCOMPARE(moduleCalls.mostWindowsAtACall, 1); // the dictionary window, being created
    QCOMPARE(ExternalModuleResult, kRecordedResult);
}

void StartupTest::tableIsReadableFromStartUp()
{
    const std::vector<WordPair> &pairs = wordList().pairs;
    QCOMPARE(pairs.size(), EntryCount);
    for (std::size_t i = 0; i < EntryCount; ++i) {
        if (fieldText(DictionaryTable[i].English) != pairs[i].english
            || fieldText(DictionaryTable[i].Czech) != pairs[i].czech)
            QFAIL(qPrintable(QStringLiteral("entry %1 is not the word list's pair").arg(i)));
    }
}

void StartupTest::directionStartsCzechToEnglish()
{
    QVERIFY(showsImage(*named<TEx3DButton>(*m_windows->MainForm, "LangBtn"),
                       *m_windows->MainForm->flagImages(), FlagImage::CzechToEnglish));
}

void StartupTest::windowsAreCreatedHiddenInTheirFixedOrder()
{
    QCOMPARE(m_creationOrder.classes,
             QStringList({"slovnik::TMainForm", "slovnik::TTransForm", "slovnik::TTrHelpForm",
                          "slovnik::TAboutForm", "slovnik::TDicHelpForm"}));
    const QList<QWidget *> windows{m_windows->MainForm.get(), m_windows->TransForm.get(),
                                   m_windows->TrHelpForm.get(), m_windows->AboutForm.get(),
                                   m_windows->DicHelpForm.get()};
    for (const QWidget *window : windows)
        QVERIFY2(window->isHidden(), window->metaObject()->className());
}

void StartupTest::captionsAreTheWindowsOwn()
{
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Anglicko - český slovník"));
    QCOMPARE(m_windows->MainForm->windowTitle(), QStringLiteral(" Anglicko - český slovnik + translátor"));
}

void StartupTest::messageLoopShowsOnlyTheDictionaryWindowAndEndsWhenItCloses()
{
    ApplicationWindows &w = *m_windows;
    QList<bool> visibleInTheLoop;
    bool translatorShownAtTheEnd = false;
    QTimer::singleShot(0, qApp, [&] {
        visibleInTheLoop = {w.MainForm->isVisible(), w.TransForm->isVisible(), w.TrHelpForm->isVisible(),
                            w.AboutForm->isVisible(), w.DicHelpForm->isVisible()};
        w.TransForm->show();
        translatorShownAtTheEnd = w.TransForm->isVisible();
        w.MainForm->close();
    });
    // Should closing the dictionary window not end the loop, this ends it with a failing code.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    guard.start(10000);

    QCOMPARE(runMessageLoop(*w.MainForm), 0);
    QCOMPARE(visibleInTheLoop, QList<bool>({true, false, false, false, false}));
    QVERIFY(translatorShownAtTheEnd);
    QVERIFY(w.TransForm->isVisible());
}

void StartupTest::closingAnotherWindowOnlyHidesIt()
{
    const QList<QWidget *> windows{m_windows->TransForm.get(), m_windows->TrHelpForm.get(),
                                   m_windows->AboutForm.get(), m_windows->DicHelpForm.get()};
    for (QWidget *window : windows) {
        const QPointer<QWidget> alive(window);
        window->show();
        QVERIFY(window->close());
        QCoreApplication::processEvents();
        QVERIFY2(alive, window->metaObject()->className());
        QVERIFY(window->isHidden());
    }
}

void StartupTest::cleanupTestCase()
{
    m_windows.reset();
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
