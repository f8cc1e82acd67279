// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/MainForm.h"
#include "app/Startup.h"
#include "morvella/Morvella.h"

#include <QtTest>

using namespace slovnik;

// The program's own module, bound at load time, as the dictionary window calls it.
class ModuleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dictionaryWindowStoresTheModulesStamp();
};

void ModuleTest::dictionaryWindowStoresTheModulesStamp()
{
    QCOMPARE(ExternalModuleResult, 0u);
    const TMainForm window;
    // The module gives its stamp only to a caller that called ordinal 1 first.
    QVERIFY(ExternalModuleResult != 0);
    QCOMPARE(ExternalModuleResult, morvellaOrdinal2());
}

QTEST_MAIN(ModuleTest)
#include "ModuleTest.moc"
