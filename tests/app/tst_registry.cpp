// EndProgram: load order, re-entry from unload steps, failing steps.
#include "app/windowregistry.h"

#include "fakes.h"

#include <QTest>
#include <stdexcept>

using namespace tavrisk;
using namespace tavrisk::app;
using namespace tavrisk::testing;

class TestRegistry : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void unloadsInLoadOrderThenEnds();
    void nestedCallsFromUnloadSteps();
    void windowBeingUnloadedIsPassedOver();
    void failingUnloadsStillEnd();
    void onlyTheStartupWindow();
    void reloadGoesToTheEnd();
};

void TestRegistry::unloadsInLoadOrderThenEnds()
{
    FakeEnd end;
    WindowRegistry registry(end);
    QStringList unloaded;
    for (const char *name : {"a", "b", "c"}) {
        const QString n = QLatin1String(name);
        registry.loaded(n, [&unloaded, n, &end] {
            QCOMPARE(end.ended, 0);
            unloaded << n;
        });
    }
    registry.EndProgram();
    QCOMPARE(unloaded, QStringList({"a", "b", "c"}));
    QCOMPARE(end.ended, 1);
    QVERIFY(registry.loadOrder().isEmpty());
}

void TestRegistry::nestedCallsFromUnloadSteps()
{
    // As the program has it: the start-up window and the exit window both
    // call EndProgram from their unload steps.
    FakeEnd end;
    WindowRegistry registry(end);
    QStringList unloaded;
    registry.loaded(QStringLiteral("startup"), [&] {
        unloaded << QStringLiteral("startup");
        registry.EndProgram();
    });
    registry.loaded(QStringLiteral("frmNagScreen2"), [&] {
        unloaded << QStringLiteral("frmNagScreen2");
        registry.EndProgram();
    });
    registry.loaded(QStringLiteral("other"), [&] { unloaded << QStringLiteral("other"); });
    registry.EndProgram();
    QCOMPARE(unloaded, QStringList({"startup", "frmNagScreen2", "other"}));
    QCOMPARE(end.ended, 1);
    registry.EndProgram(); // after the end, nothing more happens
    QCOMPARE(end.ended, 1);
}

void TestRegistry::windowBeingUnloadedIsPassedOver()
{
    FakeEnd end;
    WindowRegistry registry(end);
    int exitUnloads = 0;
    registry.loaded(QStringLiteral("startup"), [&] { registry.EndProgram(); });
    registry.loaded(QStringLiteral("frmNagScreen2"), [&] { ++exitUnloads; });
    // The user closes the exit window: its unload step calls EndProgram.
    QVERIFY(registry.unloading(QStringLiteral("frmNagScreen2")));
    QVERIFY(!registry.unloading(QStringLiteral("frmNagScreen2")));
    registry.EndProgram();
    QCOMPARE(exitUnloads, 0);
    QCOMPARE(end.ended, 1);
}

void TestRegistry::failingUnloadsStillEnd()
{
    FakeEnd end;
    WindowRegistry registry(end);
    int tried = 0;
    for (const char *name : {"a", "b"})
        registry.loaded(QLatin1String(name), [&] {
            ++tried;
            throw std::runtime_error("unload failed");
        });
    registry.EndProgram();
    QCOMPARE(tried, 2);
    QCOMPARE(end.ended, 1);
}

void TestRegistry::onlyTheStartupWindow()
{
    FakeEnd end;
    WindowRegistry registry(end);
    registry.loaded(QStringLiteral("startup"), [&] { registry.EndProgram(); });
    registry.EndProgram();
    QCOMPARE(end.ended, 1);
}

void TestRegistry::reloadGoesToTheEnd()
{
    FakeEnd end;
    WindowRegistry registry(end);
    registry.loaded(QStringLiteral("startup"), {});
    registry.loaded(QStringLiteral("frmMain"), {});
    registry.loaded(QStringLiteral("frmNagScreen2"), {});
    registry.unloaded(QStringLiteral("frmMain"));
    registry.loaded(QStringLiteral("frmDisplay"), {});
    registry.loaded(QStringLiteral("frmMain"), {});
    QCOMPARE(registry.loadOrder(),
             QStringList({"startup", "frmNagScreen2", "frmDisplay", "frmMain"}));
}

QTEST_APPLESS_MAIN(TestRegistry)
#include "tst_registry.moc"
