// The update reminder: when it asks, what it stores and opens, in which order.
#include "core/platform/scramble.h"
#include "core/platform/settings.h"
#include "core/web/reminder.h"
#include "core/web/storeddate.h"

#include "fakes.h"

#include <QTest>

using namespace tavrisk;
using namespace tavrisk::testing;

class TestReminder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void decision_data();
    void decision();
    void questionAndOrder();
    void firstStartRecordsSilently();
    void unreadableStoredTextActsAsFirstStart();
    void storeFailures();
    void dateRoundTrip_data();
    void dateRoundTrip();
    void twoDigitYears_data();
    void twoDigitYears();
    void yearWidened_data();
    void yearWidened();
};

namespace {
const QString Key = QStringLiteral("Duration");
}

void TestReminder::decision_data()
{
    QTest::addColumn<int>("offset"); // stored day minus today
    QTest::addColumn<bool>("asks");
    QTest::newRow("15 days ago") << -15 << true;
    QTest::newRow("14 days ago") << -14 << false;
    QTest::newRow("today") << 0 << false;
    QTest::newRow("14 days ahead") << 14 << false;
    QTest::newRow("15 days ahead") << 15 << true;
    QTest::newRow("a year ago") << -365 << true;
}

void TestReminder::decision()
{
    QFETCH(int, offset);
    QFETCH(bool, asks);
    FakeServices f;
    const QString stored = dateToText(f.clock.day.addDays(offset), f.clock.loc);
    f.settings.values[Key] = stored;
    f.messages.nextAnswer = MessageBoxes::Answer::No;
    checkUpdateReminder(f.services);
    QCOMPARE(f.messages.shown.size(), asks ? 1 : 0);
    // Either answer records today; no question, nothing stored.
    QCOMPARE(f.settings.values[Key], asks ? dateToText(f.clock.day, f.clock.loc) : stored);
    QVERIFY(f.opener.opened.isEmpty());
}

void TestReminder::questionAndOrder()
{
    FakeServices f;
    f.settings.values[Key] = QStringLiteral("11/20/2026"); // 18 days before 12/8/2026
    f.messages.nextAnswer = MessageBoxes::Answer::Yes;
    QStringList events;
    f.messages.onShow = [&] { events << QStringLiteral("ask"); };
    f.settings.onWrite = [&] { events << QStringLiteral("write"); };
    f.opener.onOpen = [&] { events << QStringLiteral("open"); };
    checkUpdateReminder(f.services);

    QCOMPARE(events, QStringList({"ask", "write", "open"}));
    QCOMPARE(f.messages.shown.size(), 1);
    const auto &box = f.messages.shown[0];
    QCOMPARE(box.text, QStringLiteral("There maybe an update to this software available\r"
                                      "Do you want to check for an update?"));
    QCOMPARE(box.title, QStringLiteral("QV Tavrisk"));
    QCOMPARE(box.icon, MessageBoxes::Icon::Information);
    QCOMPARE(box.buttons, MessageBoxes::Buttons::YesNo);
    QCOMPARE(box.owner, nullptr); // asked before any window is shown
    QCOMPARE(f.settings.values[Key], QStringLiteral("12/8/2026"));
    QCOMPARE(f.opener.opened.size(), 1);
    QVERIFY(f.opener.opened[0].endsWith(QStringLiteral("?page=download-web-page")));

    // The next start, with today recorded, asks nothing.
    checkUpdateReminder(f.services);
    QCOMPARE(f.messages.shown.size(), 1);
}

void TestReminder::firstStartRecordsSilently()
{
    FakeServices f;
    checkUpdateReminder(f.services);
    QVERIFY(f.messages.shown.isEmpty());
    QVERIFY(f.opener.opened.isEmpty());
    QCOMPARE(f.settings.log, QStringList({"read Duration", "write Duration=12/8/2026"}));
}

void TestReminder::unreadableStoredTextActsAsFirstStart()
{
    for (const char *stored : {"garbage", "31/31/2026", "08.12.2026", "\u00ff"}) {
        FakeServices f;
        f.settings.values[Key] = QString::fromUtf8(stored);
        checkUpdateReminder(f.services);
        QVERIFY2(f.messages.shown.isEmpty(), stored);
        QCOMPARE(f.settings.values[Key], QStringLiteral("12/8/2026"));
    }
}

void TestReminder::storeFailures()
{
    {
        FakeServices f;
        f.settings.readable = false;
        checkUpdateReminder(f.services);
        QVERIFY(f.messages.shown.isEmpty());
        QCOMPARE(f.settings.log, QStringList{"read Duration"});
    }
    {
        // Due, but the answer cannot be recorded: the page is not opened either.
        FakeServices f;
        f.settings.values[Key] = QStringLiteral("1/1/2026");
        f.settings.writable = false;
        f.messages.nextAnswer = MessageBoxes::Answer::Yes;
        checkUpdateReminder(f.services);
        QCOMPARE(f.messages.shown.size(), 1);
        QVERIFY(f.opener.opened.isEmpty());
    }
}

void TestReminder::dateRoundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("date");
    for (const char *name : {"C", "en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "ko_KR", "th_TH",
                             "ar_EG", "fa_IR", "ru_RU"}) {
        for (QDate d : {QDate(2026, 12, 8), QDate(1999, 12, 31), QDate(2000, 1, 1),
                        QDate(2024, 2, 29), QDate(2080, 7, 4)})
            QTest::addRow("%s %s", name, qPrintable(d.toString(Qt::ISODate)))
                << QString::fromLatin1(name) << d;
    }
}

void TestReminder::dateRoundTrip()
{
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    const QLocale loc(locale);
    const QString text = dateToText(date, loc);
    // Through the scrambled store and back, the same calendar day.
    const QString stored = unscrambleText(scrambleText(text));
    QCOMPARE(stored, text);
    QCOMPARE(textToDate(stored, loc, QDate(2026, 12, 8)), std::optional<QDate>(date));
}

void TestReminder::twoDigitYears_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("date");
    QTest::newRow("en_US this century") << "en_US"
                                        << "12/8/26" << QDate(2026, 12, 8) << QDate(2026, 12, 8);
    QTest::newRow("en_US last century") << "en_US"
                                        << "12/31/99" << QDate(2026, 12, 8) << QDate(1999, 12, 31);
    QTest::newRow("de_DE") << "de_DE"
                           << "24.11.26" << QDate(2026, 12, 8) << QDate(2026, 11, 24);
    QTest::newRow("across a century turn") << "en_US"
                                           << "1/3/00" << QDate(2099, 12, 20) << QDate(2100, 1, 3);
    QTest::newRow("ko_KR") << "ko_KR"
                           << "26. 11. 1." << QDate(2026, 12, 8) << QDate(2026, 11, 1);
}

void TestReminder::twoDigitYears()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QDate, today);
    QFETCH(QDate, date);
    QCOMPARE(textToDate(text, QLocale(locale), today), std::optional<QDate>(date));
}

void TestReminder::yearWidened_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("widened");
    QTest::newRow("at the end") << "M/d/yy"
                                << "M/d/yyyy";
    QTest::newRow("at the start") << "yy. M. d."
                                  << "yyyy. M. d.";
    QTest::newRow("alone") << "yy"
                           << "yyyy";
    QTest::newRow("already four") << "dd.MM.yyyy"
                                  << "dd.MM.yyyy";
    QTest::newRow("one") << "d/M/y"
                         << "d/M/y";
    QTest::newRow("three") << "yyy-MM-dd"
                           << "yyy-MM-dd";
    QTest::newRow("two runs") << "yy/yyyy/yy"
                              << "yyyy/yyyy/yyyy";
    QTest::newRow("none") << "dd MMM"
                          << "dd MMM";
    QTest::newRow("empty") << ""
                           << "";
}

void TestReminder::yearWidened()
{
    QFETCH(QString, format);
    QFETCH(QString, widened);
    QCOMPARE(fourDigitYear(format), widened);
    QCOMPARE(hasTwoDigitYear(format), widened != format);
}

QTEST_APPLESS_MAIN(TestReminder)
#include "tst_reminder.moc"
