// The promotional texts and the draws that pick them: the offer label in
// front on the question window, the support text of the exit window.
#include "core/platform/random.h"
#include "core/promotion/draws.h"
#include "core/promotion/texts.h"
#include "core/web/addresses.h"

#include <QTest>
#include <limits>
#include <random>

using namespace tavrisk;

class TestPromotion : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void coBrandNumber_data();
    void coBrandNumber();
    void coBrandOdds();
    void supportTextDraw();
};

void TestPromotion::coBrandNumber_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("outcome");
    const int co = int(OfferInFront::CoBrand), full = int(OfferInFront::FullBrand),
              kept = int(OfferInFront::AsDefined);
    QTest::newRow("0") << 0.0f << 1 << co;
    QTest::newRow("just below 1/12") << 0.083f << 1 << co;
    QTest::newRow("1/12 exactly rounds 1.5 to 2") << 1.0f / 12.0f << 2 << full;
    QTest::newRow("1/6") << 1.0f / 6.0f << 2 << full;
    QTest::newRow("0.25 rounds 2.5 to 2") << 0.25f << 2 << full;
    QTest::newRow("just above 0.25") << 0.2501f << 3 << co;
    QTest::newRow("5/12 rounds 3.5 to 4") << 5.0f / 12.0f << 4 << full;
    QTest::newRow("0.5") << 0.5f << 4 << full;
    QTest::newRow("0.6") << 0.6f << 5 << co;
    QTest::newRow("0.75 rounds 5.5 to 6") << 0.75f << 6 << full;
    QTest::newRow("0.9") << 0.9f << 6 << full;
    QTest::newRow("11/12 rounds 6.5 to 6") << 11.0f / 12.0f << 6 << full;
    QTest::newRow("just above 11/12") << 0.9168f << 7 << kept;
    QTest::newRow("largest draw") << unitFloatFromBits(0xffffffffu) << 7 << kept;
}

void TestPromotion::coBrandNumber()
{
    QFETCH(float, r);
    QFETCH(int, number);
    QFETCH(int, outcome);
    QCOMPARE(tavrisk::coBrandNumber(r), number);
    QCOMPARE(int(coBrandOutcome(number)), outcome);
}

void TestPromotion::coBrandOdds()
{
    // Over many seeded draws the three outcomes come near 5/12, 1/2 and 1/12.
    std::mt19937 engine(12345);
    const int draws = 120000;
    int counts[3] = {};
    for (int i = 0; i < draws; ++i)
        ++counts[int(coBrandOutcome(tavrisk::coBrandNumber(unitFloatFromBits(engine()))))];
    const double tolerance = 0.01;
    QVERIFY(qAbs(counts[int(OfferInFront::CoBrand)] / double(draws) - 5.0 / 12) < tolerance);
    QVERIFY(qAbs(counts[int(OfferInFront::FullBrand)] / double(draws) - 0.5) < tolerance);
    QVERIFY(qAbs(counts[int(OfferInFront::AsDefined)] / double(draws) - 1.0 / 12) < tolerance);
}

void TestPromotion::supportTextDraw()
{
    QCOMPARE(supportTextIndex(0.0f), 0);
    QCOMPARE(supportTextIndex(0.2499f), 0);
    QCOMPARE(supportTextIndex(0.25f), 1);
    QCOMPARE(supportTextIndex(0.75f), 3);
    QCOMPARE(supportTextIndex(0.99999994f), 3);
    // Whatever a faulty source hands over, one of the four texts comes out.
    QCOMPARE(supportTextIndex(1.0f), 3);
    QCOMPARE(supportTextIndex(-0.5f), 0);
    QCOMPARE(supportTextIndex(std::numeric_limits<float>::quiet_NaN()), 0);
    QVERIFY(supportText(1).endsWith(siteHost()));
    QVERIFY(supportText(3).contains(QStringLiteral("activites")));
}

QTEST_APPLESS_MAIN(TestPromotion)
#include "tst_promotion.moc"
