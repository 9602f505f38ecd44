// The refer-a-friend submission: checks, their order, and the address.
#include "core/referral/address.h"
#include "core/referral/hints.h"
#include "core/referral/referralform.h"
#include "core/web/addresses.h"

#include <QTest>
#include <QUrlQuery>

using namespace tavrisk;

using Fields = std::array<QString, ReferFieldCount>;
Q_DECLARE_METATYPE(Fields)

class TestReferral : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void trimming_data();
    void trimming();
    void placeholderRule_data();
    void placeholderRule();
    void checks_data();
    void checks();
    void untouchedMessageIsSentWithItsLineBreak();
    void hostileValuesArriveIntact_data();
    void hostileValuesArriveIntact();
    void everySubmissionGivesTheAddress();
};

namespace {
Fields good()
{
    return {"Ann", "ann@mail.example", "Your Message\r\n", "Bob", "bob@mail.example"};
}
} // namespace

void TestReferral::trimming_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("spaces") << "  a b  "
                            << "a b";
    QTest::newRow("tabs stay") << "\ta\t"
                               << "\ta\t";
    QTest::newRow("line breaks stay") << " a\r\n "
                                      << "a\r\n";
    QTest::newRow("only spaces") << "   "
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestReferral::trimming()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(trimSpaces(in), out);
}

void TestReferral::placeholderRule_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("onEnter");
    QTest::addColumn<QString>("onLeave");
    const int name = int(ReferField::Name), message = int(ReferField::Message);
    QTest::newRow("placeholder empties") << name << "Your Name"
                                         << ""
                                         << "Your Name";
    QTest::newRow("placeholder with spaces") << name << "  Your Name "
                                             << ""
                                             << "  Your Name ";
    QTest::newRow("other case is text") << name << "your name"
                                        << "your name"
                                        << "your name";
    QTest::newRow("blank comes back") << name << "   "
                                      << "   "
                                      << "Your Name";
    QTest::newRow("empty comes back") << name << ""
                                      << ""
                                      << "Your Name";
    QTest::newRow("message keeps its CR LF") << message << "Your Message\r\n"
                                             << "Your Message\r\n"
                                             << "Your Message\r\n";
    QTest::newRow("a tab is not blank") << name << "\t"
                                        << "\t"
                                        << "\t";
}

void TestReferral::placeholderRule()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, onEnter);
    QFETCH(QString, onLeave);
    QCOMPARE(placeholderOnEnter(text, ReferField(field)), onEnter);
    QCOMPARE(placeholderOnLeave(text, ReferField(field)), onLeave);
}

void TestReferral::checks_data()
{
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<QString>("message"); // empty: the address is opened
    auto with = [](ReferField f, const QString &v) {
        Fields x = good();
        x[int(f)] = v;
        return x;
    };
    Fields initial;
    for (int i = 0; i < ReferFieldCount; ++i)
        initial[i] = initialText(ReferField(i));
    QTest::newRow("untouched form") << initial << "Please Enter Proper Email Address";
    QTest::newRow("same address") << with(ReferField::FriendEmail, "ann@mail.example")
                                  << "Please Enter Distinct Email Addresses";
    QTest::newRow("same after trimming") << with(ReferField::FriendEmail, "  ann@mail.example ")
                                         << "Please Enter Distinct Email Addresses";
    QTest::newRow("other letter case is distinct")
        << with(ReferField::FriendEmail, "ANN@mail.example") << "";
    QTest::newRow("both empty") << [&] {
        Fields x = good();
        x[int(ReferField::Email)] = x[int(ReferField::FriendEmail)] = QString();
        return x;
    }() << "Please Enter Distinct Email Addresses";
    QTest::newRow("no @") << with(ReferField::Email, "ann.mail.example")
                          << "Please Enter Proper Email Address";
    QTest::newRow("friend's has no .")
        << with(ReferField::FriendEmail, "bob@mail") << "Please Enter Proper Email Address";
    QTest::newRow("@ and . alone pass") << with(ReferField::Email, ".@") << "";
    QTest::newRow("dot last passes") << with(ReferField::Email, "a@b.") << "";
    QTest::newRow("name placeholder")
        << with(ReferField::Name, "Your Name") << "Please Enter Your Name";
    QTest::newRow("name only spaces") << with(ReferField::Name, "   ") << "Please Enter Your Name";
    QTest::newRow("message emptied")
        << with(ReferField::Message, "") << "Please Enter Your Message";
    QTest::newRow("message placeholder without CR LF")
        << with(ReferField::Message, "Your Message") << "Please Enter Your Message";
    QTest::newRow("friend's name placeholder")
        << with(ReferField::FriendName, "Friend's Name") << "Please Enter Your Friend's Name";
    QTest::newRow("name wins over friend's name") << [&] {
        Fields x = with(ReferField::Name, "");
        x[int(ReferField::FriendName)] = QString();
        return x;
    }() << "Please Enter Your Name";
    QTest::newRow("good form") << good() << "";
}

void TestReferral::checks()
{
    QFETCH(Fields, fields);
    QFETCH(QString, message);
    ReferralForm module;
    const Referral outcome = module.submit(fields);
    // Either a refusal or an address, never both.
    QCOMPARE(outcome.refusal, message);
    QCOMPARE(outcome.address.isEmpty(), !message.isEmpty());
    // Captured values are trimmed and kept, whether or not a check failed.
    for (int i = 0; i < ReferFieldCount; ++i)
        QCOMPARE(module.captured()[i], trimSpaces(fields[i]));
}

void TestReferral::untouchedMessageIsSentWithItsLineBreak()
{
    const QUrl address = referralAddress(good());
    QVERIFY(address.toString(QUrl::FullyEncoded)
                .contains(QStringLiteral("&taf3=Your%20Message%0D%0A&")));
    QCOMPARE(QUrlQuery(address).queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded),
             QStringLiteral("Your Message\r\n"));
}

void TestReferral::hostileValuesArriveIntact_data()
{
    QTest::addColumn<Fields>("fields");
    QTest::newRow("query syntax") << Fields{"A&taf5=x", "a=b@c.d", "#frag?q", "50% + 50%",
                                            "x@y.z&page=home"};
    QTest::newRow("spaces and breaks")
        << Fields{" a b ", "m@n.o", "line 1\r\nline 2\n", "tab\there", "p@q.r"};
    QTest::newRow("non-ASCII") << Fields{"Zoë Ørsted", "zoë@exämple.de", "日本語のメッセージ",
                                         "Владимир", "w@x.y"};
    QTest::newRow("slashes and plus") << Fields{"a/b\\c", "a+b@c.d", "%2526", "'quoted\"", "e@f.g"};
    QTest::newRow("field-length value")
        << Fields{QString(32767, u'&'), "m@n.o", QString(32767, u'é'), "f", "p@q.r"};
}

void TestReferral::hostileValuesArriveIntact()
{
    QFETCH(Fields, fields);
    const QUrl address = referralAddress(fields);
    QVERIFY(address.isValid());
    const QString encoded = address.toString(QUrl::FullyEncoded);
    QVERIFY(encoded.startsWith(
        QStringLiteral("http://") + siteHost() +
        QStringLiteral("/qv-free-tavrisk/ssd.php?page=qvqs-refer-a-friend&taf1=")));
    QVERIFY(!encoded.contains(u'#'));
    // Parsed back, exactly seven parameters, in order, each as captured.
    const QUrlQuery query(QUrl(encoded, QUrl::StrictMode));
    const auto items = query.queryItems(QUrl::FullyDecoded);
    QCOMPARE(items.size(), 7);
    QCOMPARE(items[0], qMakePair(QStringLiteral("page"), QStringLiteral("qvqs-refer-a-friend")));
    for (int i = 0; i < ReferFieldCount; ++i) {
        QCOMPARE(items[i + 1].first, QStringLiteral("taf%1").arg(i + 1));
        QCOMPARE(items[i + 1].second, fields[i]);
    }
    QCOMPARE(items[6], qMakePair(QStringLiteral("taf6"), productFolderAddress()));
}

void TestReferral::everySubmissionGivesTheAddress()
{
    ReferralForm module;
    const Referral first = module.submit(good());
    QCOMPARE(module.submit(good()).address, first.address);
    QCOMPARE(first.address, referralAddress(good()));
    Fields bad = good();
    bad[int(ReferField::Email)] = QStringLiteral("nobody");
    QVERIFY(module.submit(bad).address.isEmpty());
}

QTEST_APPLESS_MAIN(TestReferral)
#include "tst_referral.moc"
