// Page addresses, the co-brand draw and the random numbers behind it.
#include "core/platform/random.h"
#include "core/promotion/promotion.h"
#include "core/web/pages.h"

#include "fakes.h"

#include <QTest>
#include <limits>
#include <random>

using namespace tavrisk;
using namespace tavrisk::testing;

class TestPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void addresses_data();
    void addresses();
    void eachProcedureOpensOnce();
    void unitFloat_data();
    void unitFloat();
    void generatorStaysInRange();
    void coBrandNumber_data();
    void coBrandNumber();
    void coBrandOdds();
    void labelDisplayText_data();
    void labelDisplayText();
};

void TestPages::addresses_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("key");
    QTest::newRow("home") << int(Page::Home) << "home-page";
    QTest::newRow("help") << int(Page::Help) << "help-web-page";
    QTest::newRow("download") << int(Page::Download) << "download-web-page";
    QTest::newRow("donate") << int(Page::Donate) << "donate";
    QTest::newRow("full brand") << int(Page::FullBrand) << "fully-branded";
    QTest::newRow("co-brand") << int(Page::CoBrand) << "co-brand";
    QTest::newRow("software list") << int(Page::SoftwareList) << "quorvanesoftwares";
}

void TestPages::addresses()
{
    QFETCH(int, page);
    QFETCH(QString, key);
    const QString expected = QStringLiteral("http://") + siteHost() +
                             QStringLiteral("/qv-free-tavrisk/ssd.php?page=") + key;
    QCOMPARE(pageAddress(Page(page)).toString(QUrl::FullyEncoded), expected);
    QVERIFY(pageAddress(Page(page)).isValid());
}

void TestPages::eachProcedureOpensOnce()
{
    FakeOpener opener;
    ModHelp help(opener);
    help.OpenHomePage();
    help.OpenHomePage(); // twice is twice: nothing remembers an opened page
    help.OpenHelpPage();
    help.OpenDownloadPage();
    help.OpenDonatePage();
    help.OpenFullBrandPage();
    help.OpenCoBrandPage();
    help.OpenSoftwareListPage();
    QStringList keys;
    for (const QString &a : opener.opened)
        keys << a.section(QStringLiteral("?page="), 1);
    QCOMPARE(keys, QStringList({"home-page", "home-page", "help-web-page", "download-web-page",
                                "donate", "fully-branded", "co-brand", "quorvanesoftwares"}));
}

void TestPages::unitFloat_data()
{
    QTest::addColumn<quint32>("bits");
    QTest::addColumn<float>("expected");
    QTest::newRow("lowest") << quint32(0) << 0.0f;
    QTest::newRow("low byte ignored") << quint32(0xff) << 0.0f;
    QTest::newRow("half") << quint32(0x80000000u) << 0.5f;
    QTest::newRow("highest") << std::numeric_limits<quint32>::max() << 16777215.0f / 16777216.0f;
}

void TestPages::unitFloat()
{
    QFETCH(quint32, bits);
    QFETCH(float, expected);
    const float r = unitFloatFromBits(bits);
    QCOMPARE(r, expected);
    QVERIFY(r >= 0.0f && r < 1.0f);
}

void TestPages::generatorStaysInRange()
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

void TestPages::coBrandNumber_data()
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

void TestPages::coBrandNumber()
{
    QFETCH(float, r);
    QFETCH(int, number);
    QFETCH(int, outcome);
    QCOMPARE(tavrisk::coBrandNumber(r), number);
    QCOMPARE(int(coBrandOutcome(number)), outcome);
}

void TestPages::coBrandOdds()
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

void TestPages::labelDisplayText_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("escaped ampersand") << "name &&  link"
                                       << "name &  link";
    QTest::newRow("access key marker") << "&Next"
                                       << "Next";
    QTest::newRow("trailing lone ampersand") << "a&"
                                             << "a";
    QTest::newRow("three") << "a&&&b"
                           << "a&b";
    QTest::newRow("none") << "plain"
                          << "plain";
}

void TestPages::labelDisplayText()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QCOMPARE(tavrisk::labelDisplayText(caption), shown);
}

QTEST_APPLESS_MAIN(TestPages)
#include "tst_pages.moc"
