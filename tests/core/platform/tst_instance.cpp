// The single-instance lock with real processes: refusal, a killed holder, races.
#include "core/platform/instancelock.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <QUuid>
#include <memory>
#include <vector>

using namespace tavrisk;

class TestInstance : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_name = QStringLiteral("tavrisk-") + QUuid::createUuid().toString(QUuid::Id128);
    }
    void secondCopyIsRefused();
    void killedHolderDoesNotBlock();
    void simultaneousStarts_data();
    void simultaneousStarts();

private:
    std::unique_ptr<QProcess> start();
    static QString answer(QProcess &p);
    static bool finishes(QProcess &p);
    QString m_name;
};

std::unique_ptr<QProcess> TestInstance::start()
{
    auto p = std::make_unique<QProcess>();
    p->setProgram(QStringLiteral(LOCKHOLDER));
    p->setArguments({m_name});
    p->start();
    return p;
}

QString TestInstance::answer(QProcess &p)
{
    if (!p.waitForReadyRead(20000))
        return QStringLiteral("no answer");
    return QString::fromLatin1(p.readLine()).trimmed();
}

// Waiting on one process can notice that another already ended (on Windows
// every child's end is one event), and waitForFinished() is false for a
// process that has.
bool TestInstance::finishes(QProcess &p)
{
    return p.state() == QProcess::NotRunning || p.waitForFinished(20000);
}

void TestInstance::secondCopyIsRefused()
{
    auto first = start();
    QCOMPARE(answer(*first), QStringLiteral("locked"));
    auto second = start();
    QCOMPARE(answer(*second), QStringLiteral("refused"));
    QVERIFY(finishes(*second));
    QCOMPARE(second->exitCode(), 1);
    QCOMPARE(first->state(), QProcess::Running); // the first copy is untouched

    first->closeWriteChannel();
    QVERIFY(finishes(*first));
    QCOMPARE(first->exitCode(), 0);
    auto third = start();
    QCOMPARE(answer(*third), QStringLiteral("locked"));
    third->closeWriteChannel();
    QVERIFY(finishes(*third));
}

void TestInstance::killedHolderDoesNotBlock()
{
    for (int round = 0; round < 3; ++round) {
        auto holder = start();
        QCOMPARE(answer(*holder), QStringLiteral("locked"));
        holder->kill(); // SIGKILL: no chance to clean up
        QVERIFY(finishes(*holder));
        QCOMPARE(holder->exitStatus(), QProcess::CrashExit);
#ifndef Q_OS_WIN // a named mutex leaves nothing behind
        QVERIFY(QFile::exists(SystemInstanceLock::lockPath(m_name))); // left behind
#endif
    }
    auto next = start();
    QCOMPARE(answer(*next), QStringLiteral("locked"));
    next->closeWriteChannel();
    QVERIFY(finishes(*next));
}

void TestInstance::simultaneousStarts_data()
{
    QTest::addColumn<int>("copies");
    for (int round = 1; round <= 5; ++round)
        QTest::addRow("round %d", round) << 10;
}

void TestInstance::simultaneousStarts()
{
    QFETCH(int, copies);
    std::vector<std::unique_ptr<QProcess>> all;
    for (int i = 0; i < copies; ++i)
        all.push_back(start());
    int locked = 0, refused = 0;
    for (auto &p : all) {
        const QString a = answer(*p);
        locked += a == QLatin1String("locked");
        refused += a == QLatin1String("refused");
    }
    QCOMPARE(locked, 1);
    QCOMPARE(refused, copies - 1);
    for (auto &p : all) {
        p->closeWriteChannel();
        QVERIFY(finishes(*p));
    }
}

QTEST_GUILESS_MAIN(TestInstance)
#include "tst_instance.moc"
