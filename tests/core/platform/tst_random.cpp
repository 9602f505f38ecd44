// The random numbers the draws take: always in [0, 1), never 1.
#include "core/platform/random.h"

#include <QTest>
#include <limits>

using namespace tavrisk;

class TestRandom : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void unitFloat_data();
    void unitFloat();
    void generatorStaysInRange();
};

void TestRandom::unitFloat_data()
{
    QTest::addColumn<quint32>("bits");
    QTest::addColumn<float>("expected");
    QTest::newRow("lowest") << quint32(0) << 0.0f;
    QTest::newRow("low byte ignored") << quint32(0xff) << 0.0f;
    QTest::newRow("half") << quint32(0x80000000u) << 0.5f;
    QTest::newRow("highest") << std::numeric_limits<quint32>::max() << 16777215.0f / 16777216.0f;
}

void TestRandom::unitFloat()
{
    QFETCH(quint32, bits);
    QFETCH(float, expected);
    const float r = unitFloatFromBits(bits);
    QCOMPARE(r, expected);
    QVERIFY(r >= 0.0f && r < 1.0f);
}

void TestRandom::generatorStaysInRange()
{
    ClockSeededRandom random;
    random.seedFromClock();
    float lowest = 1, highest = 0;
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    QVERIFY(lowest < 0.001f && highest > 0.999f);
}

QTEST_APPLESS_MAIN(TestRandom)
#include "tst_random.moc"
