#include "core/quiz/content.h"

#include <QTest>

using namespace tavrisk;

class TestContent : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void meaningLookup_data();
    void meaningLookup();
    void resultLines();
    void prompts();
};

void TestContent::meaningLookup_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("meaning");
    QTest::newRow("Monkey") << "Monkey"
                            << "Monkey - Your Offspring";
    QTest::newRow("Lion") << "Lion"
                          << "Lion - Your Dignity";
    QTest::newRow("Cow") << "Cow"
                         << "Cow - Your Simple Wants";
    QTest::newRow("Sheep") << "Sheep"
                           << "Sheep - Your Friendship";
    QTest::newRow("Horse") << "Horse"
                           << "Horse - Your Obsession";
    QTest::newRow("other case unchanged") << "horse"
                                          << "horse";
    QTest::newRow("empty unchanged") << ""
                                     << "";
    QTest::newRow("trailing space unchanged") << "Cow "
                                              << "Cow ";
    QTest::newRow("a meaning is no caption") << "Cow - Your Simple Wants"
                                             << "Cow - Your Simple Wants";
}

void TestContent::meaningLookup()
{
    QFETCH(QString, caption);
    QFETCH(QString, meaning);
    QCOMPARE(meaningOf(caption), meaning);
}

void TestContent::resultLines()
{
    QCOMPARE(resultLine(1, QStringLiteral("Monkey")), QStringLiteral("1. Monkey"));
    QCOMPARE(resultLine(5, QString()), QStringLiteral("5. "));
}

void TestContent::prompts()
{
    const QStringList lines = prompt(2).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[1], QStringLiteral("Choose one of the below"));
    QVERIFY(lines[0].endsWith(QStringLiteral("one more animal.")));
    QVERIFY(prompt(5).isEmpty());
    for (int screen : {1, 3, 4})
        QVERIFY2(!prompt(screen).contains(u'\n') && !prompt(screen).contains(u'\r'),
                 "only screen 2 has two lines");
}

QTEST_APPLESS_MAIN(TestContent)
#include "tst_content.moc"
