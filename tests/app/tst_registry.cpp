// endProgram: load order, re-entry from unload steps, failing steps.
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
    registry.endProgram();
    QCOMPARE(unloaded, QStringList({"a", "b", "c"}));
    QCOMPARE(end.ended, 1);
    QVERIFY(registry.loadOrder().isEmpty());
}

void TestRegistry::nestedCallsFromUnloadSteps()
{
    // As the program has it: the start-up window and the exit window both
    // call endProgram from their unload steps.
    FakeEnd end;
    WindowRegistry registry(end);
    QStringList unloaded;
    registry.loaded(QStringLiteral("startup"), [&] {
        unloaded << QStringLiteral("startup");
        registry.endProgram();
    });
    registry.loaded(QStringLiteral("exitWindow"), [&] {
        unloaded << QStringLiteral("exitWindow");
        registry.endProgram();
    });
    registry.loaded(QStringLiteral("other"), [&] { unloaded << QStringLiteral("other"); });
    registry.endProgram();
    QCOMPARE(unloaded, QStringList({"startup", "exitWindow", "other"}));
    QCOMPARE(end.ended, 1);
    registry.endProgram(); // after the end, nothing more happens
    QCOMPARE(end.ended, 1);
}

void TestRegistry::windowBeingUnloadedIsPassedOver()
{
    FakeEnd end;
    WindowRegistry registry(end);
    int exitUnloads = 0;
    registry.loaded(QStringLiteral("startup"), [&] { registry.endProgram(); });
    registry.loaded(QStringLiteral("exitWindow"), [&] { ++exitUnloads; });
    // The user closes the exit window: its unload step calls endProgram.
    QVERIFY(registry.unloading(QStringLiteral("exitWindow")));
    QVERIFY(!registry.unloading(QStringLiteral("exitWindow")));
    registry.endProgram();
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
    registry.endProgram();
    QCOMPARE(tried, 2);
    QCOMPARE(end.ended, 1);
}

void TestRegistry::onlyTheStartupWindow()
{
    FakeEnd end;
    WindowRegistry registry(end);
    registry.loaded(QStringLiteral("startup"), [&] { registry.endProgram(); });
    registry.endProgram();
    QCOMPARE(end.ended, 1);
}

void TestRegistry::reloadGoesToTheEnd()
{
    FakeEnd end;
    WindowRegistry registry(end);
    registry.loaded(QStringLiteral("startup"), {});
    registry.loaded(QStringLiteral("questionWindow"), {});
    registry.loaded(QStringLiteral("exitWindow"), {});
    registry.unloaded(QStringLiteral("questionWindow"));
    registry.loaded(QStringLiteral("resultWindow"), {});
    registry.loaded(QStringLiteral("questionWindow"), {});
    QCOMPARE(registry.loadOrder(),
             QStringList({"startup", "exitWindow", "resultWindow", "questionWindow"}));
}

QTEST_APPLESS_MAIN(TestRegistry)
#include "tst_registry.moc"
