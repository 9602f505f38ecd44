// Scrambling and the settings store on real files.
#include "core/platform/applicationname.h"
#include "core/platform/scramble.h"
#include "core/platform/settings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrisk;

class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void scramble_data();
    void scramble();
    void unscrambleDropsLowCodes();
    void roundTrip_data();
    void roundTrip();
    void storedTextIsNotPlain();
    void absentReadsEmpty();
    void otherExecutableNameHasItsOwnValues();
    void damagedFiles_data();
    void damagedFiles();
    void unwritableStore();
    void applicationName_data();
    void applicationName();

private:
    QTemporaryDir m_dir;
};

void TestSettings::scramble_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("scrambled");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("key") << "Duration"
                         << "K|yh{pvu";
    QTest::newRow("date") << "12/8/2026"
                          << "896?6979=";
    QTest::newRow("highest shiftable code kept") << QString(QChar(248)) << QString(QChar(255));
    QTest::newRow("codes above 255-S dropped") << QStringLiteral("a\u00f9b\u00ffc") << "hij";
    QTest::newRow("outside Latin-1 stored as ?") << QStringLiteral("a\u20acb") << "hFi";
}

void TestSettings::scramble()
{
    QFETCH(QString, plain);
    QFETCH(QString, scrambled);
    QCOMPARE(scrambleText(plain), scrambled);
}

void TestSettings::unscrambleDropsLowCodes()
{
    QCOMPARE(unscrambleText(QStringLiteral("h\u0003i\u0006j")), QStringLiteral("abc"));
    QCOMPARE(unscrambleText(QString()), QString());
}

void TestSettings::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    for (const char *t : {"Duration", "12/8/2026", "08.12.2026", "2026-12-08", "8 Dec 2026",
                          "2026. 12. 8.", "Settings", " spaced out "})
        QTest::newRow(t) << QString::fromLatin1(t);
    QTest::newRow("all printable ASCII") << [] {
        QString all;
        for (int c = 32; c < 127; ++c)
            all += QChar(c);
        return all;
    }();
}

void TestSettings::roundTrip()
{
    QFETCH(QString, text);
    QCOMPARE(unscrambleText(scrambleText(text)), text);
    NativeSettingsStore store =
        NativeSettingsStore::atFile(m_dir.filePath(QStringLiteral("rt.ini")));
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), text));
    QCOMPARE(store.readSetting(QStringLiteral("Duration")), std::optional<QString>(text));
}

void TestSettings::storedTextIsNotPlain()
{
    const QString path = m_dir.filePath(QStringLiteral("plain.ini"));
    NativeSettingsStore store = NativeSettingsStore::atFile(path);
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("12/8/2026")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.contains("[Settings]"));
    QVERIFY(!content.contains("Duration"));
    QVERIFY(!content.contains("12/8/2026"));
    const QSettings raw(path, QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("Settings/") + scrambleText(QStringLiteral("Duration"))),
             QVariant(scrambleText(QStringLiteral("12/8/2026"))));
}

void TestSettings::absentReadsEmpty()
{
    NativeSettingsStore store =
        NativeSettingsStore::atFile(m_dir.filePath(QStringLiteral("absent.ini")));
    QCOMPARE(store.readSetting(QStringLiteral("Duration")), std::optional<QString>(QString()));
}

void TestSettings::otherExecutableNameHasItsOwnValues()
{
    // The test runs with its own XDG_CONFIG_HOME, so this is the real user-scope store.
    NativeSettingsStore shipped(QStringLiteral("QVFreeTavrisk"));
    NativeSettingsStore renamed(QStringLiteral("Tavrisk-copy"));
    QVERIFY(shipped.writeSetting(QStringLiteral("Duration"), QStringLiteral("1/2/2026")));
    QCOMPARE(shipped.readSetting(QStringLiteral("Duration")).value(), QStringLiteral("1/2/2026"));
    QCOMPARE(renamed.readSetting(QStringLiteral("Duration")).value(), QString());
    QVERIFY(shipped.location() != renamed.location());
    QVERIFY(shipped.location().contains(QStringLiteral("QVFreeTavrisk")));
#ifdef Q_OS_WIN
    // The registry key the location names holds the value.
    const QSettings key(shipped.location(), QSettings::NativeFormat);
    QVERIFY(key.contains(QStringLiteral("Settings/") + scrambleText(QStringLiteral("Duration"))));
#else
    QVERIFY(QFile::exists(shipped.location()));
#endif
}

void TestSettings::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise.append(char((i * 7919 + 13) % 256));
    QTest::newRow("random bytes") << noise;
    QTest::newRow("truncated") << QByteArray("[Settings]\nK|yhapvu=89");
    QTest::newRow("unterminated group") << QByteArray("[Sett");
    QTest::newRow("NUL bytes") << QByteArray("[Settings]\0\0\0K|yhapvu=\0", 23);
}

void TestSettings::damagedFiles()
{
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath(QStringLiteral("damaged.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    NativeSettingsStore store = NativeSettingsStore::atFile(path);
    store.readSetting(QStringLiteral("Duration")); // whatever it reads, it returns
    // Writing puts the store right again.
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("12/8/2026")));
    QCOMPARE(store.readSetting(QStringLiteral("Duration")).value(), QStringLiteral("12/8/2026"));
}

void TestSettings::unwritableStore()
{
    // A folder where the file should be, and a file where a folder should be:
    // neither can be written, even by root.
    const QString folder = m_dir.filePath(QStringLiteral("folder.ini"));
    QVERIFY(QDir().mkpath(folder));
    NativeSettingsStore inFolder = NativeSettingsStore::atFile(folder);
    QCOMPARE(inFolder.readSetting(QStringLiteral("Duration")), std::nullopt);
    QVERIFY(!inFolder.writeSetting(QStringLiteral("Duration"), QStringLiteral("x")));

    const QString plainFile = m_dir.filePath(QStringLiteral("plainfile"));
    QFile f(plainFile);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    NativeSettingsStore underFile =
        NativeSettingsStore::atFile(plainFile + QStringLiteral("/s.ini"));
    QVERIFY(!underFile.writeSetting(QStringLiteral("Duration"), QStringLiteral("x")));
}

void TestSettings::applicationName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("linux") << "/usr/bin/QVFreeTavrisk"
                           << "QVFreeTavrisk";
    QTest::newRow("windows") << "C:/Program Files/QV/QVFreeTavrisk.exe"
                             << "QVFreeTavrisk";
    QTest::newRow("renamed") << "/opt/x/My Copy.bin"
                             << "My Copy";
    QTest::newRow("dots kept") << "/opt/x/qv.free.tavrisk.exe"
                               << "qv.free.tavrisk";
}

void TestSettings::applicationName()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(applicationNameFromPath(path), name);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
