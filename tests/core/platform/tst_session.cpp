// Which platform the program asks Qt for, from the session's environment.
#include "core/platform/session.h"

#include <QTest>

using namespace tavrisk;

class TestSession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void preferredPlatform_data();
    void preferredPlatform();
};

void TestSession::preferredPlatform_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("sessionType");
    QTest::addColumn<QString>("x11Display");
    QTest::addColumn<QString>("platform");
    QTest::newRow("Wayland with XWayland") << ""
                                           << "wayland-0"
                                           << "wayland"
                                           << ":0"
                                           << "xcb";
    QTest::newRow("Wayland socket alone names it") << ""
                                                   << "wayland-0"
                                                   << ""
                                                   << ":1"
                                                   << "xcb";
    QTest::newRow("session type alone names it") << ""
                                                 << ""
                                                 << "wayland"
                                                 << ":0"
                                                 << "xcb";
    QTest::newRow("Wayland without XWayland") << ""
                                              << "wayland-0"
                                              << "wayland"
                                              << ""
                                              << "";
    QTest::newRow("the user's choice stands") << "wayland"
                                              << "wayland-0"
                                              << "wayland"
                                              << ":0"
                                              << "";
    QTest::newRow("the user's xcb stands too") << "xcb"
                                               << "wayland-0"
                                               << "wayland"
                                               << ":0"
                                               << "";
    QTest::newRow("X11 session") << ""
                                 << ""
                                 << "x11"
                                 << ":0"
                                 << "";
    QTest::newRow("no session at all") << ""
                                       << ""
                                       << ""
                                       << ""
                                       << "";
}

void TestSession::preferredPlatform()
{
    QFETCH(QString, chosen);
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, sessionType);
    QFETCH(QString, x11Display);
    QFETCH(QString, platform);
    QCOMPARE(tavrisk::preferredPlatform(chosen, waylandDisplay, sessionType, x11Display), platform);
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
