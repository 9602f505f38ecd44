// Page addresses, and the page procedures that hand them to the browser.
#include "core/web/pageopener.h"

#include "fakes.h"

#include <QTest>

using namespace tavrisk;
using namespace tavrisk::testing;

class TestPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void addresses_data();
    void addresses();
    void eachProcedureOpensOnce();
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
    PageOpener help(opener);
    help.openHomePage();
    help.openHomePage(); // twice is twice: nothing remembers an opened page
    help.openHelpPage();
    help.openDownloadPage();
    help.openDonatePage();
    help.openFullBrandPage();
    help.openCoBrandPage();
    help.openSoftwareListPage();
    QStringList keys;
    for (const QString &a : opener.opened)
        keys << a.section(QStringLiteral("?page="), 1);
    QCOMPARE(keys, QStringList({"home-page", "home-page", "help-web-page", "download-web-page",
                                "donate", "fully-branded", "co-brand", "quorvanesoftwares"}));
}

QTEST_APPLESS_MAIN(TestPages)
#include "tst_pages.moc"
