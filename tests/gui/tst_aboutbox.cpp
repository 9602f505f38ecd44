// The about box, opened from either main window: its texts, its links and
// how it closes.
#include "app/controller.h"
#include "core/web/addresses.h"
#include "gui/aboutbox.h"
#include "gui/menus.h"
#include "gui/resultwindow.h"

#include "programtest.h"
#include "widgethelpers.h"

#include <QPushButton>
#include <QTimer>

using namespace tavrisk;
using namespace tavrisk::app;
using namespace tavrisk::testing;

class TestAboutBox : public ProgramTest
{
    Q_OBJECT
private Q_SLOTS:
    void aboutBox_data();
    void aboutBox();
    void aboutLinksKeepItOpen();
};

void TestAboutBox::aboutBox_data()
{
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("how");
    for (bool result : {false, true}) {
        const char *w = result ? "result" : "question";
        for (const char *how : {"Enter", "Esc", "OK", "close box"})
            QTest::addRow("%s %s", w, how) << result << QString::fromLatin1(how);
    }
}

void TestAboutBox::aboutBox()
{
    QFETCH(bool, result);
    QFETCH(QString, how);
    gui::MainForm *w = mainForm(result);
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        // Whatever fails below, the box must close or the test would hang.
        const auto closer = qScopeGuard([box] { box->close(); });
        QTRY_VERIFY(box->isActiveWindow());
        QCOMPARE(box->objectName(), QStringLiteral("aboutBox"));
        QVERIFY(box->isModal());
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        QCOMPARE(box->parentWidget(), w); // kept above the window it came from
        QCOMPARE(box->windowTitle(), expectedCaption());
        auto *ok = box->findChild<QPushButton *>("okButton");
        QTRY_COMPARE(QApplication::focusWidget(), ok);
        QVERIFY(ok->isDefault());
        // Nothing behind it takes input meanwhile.
        QVERIFY(QApplication::activeModalWidget() == box);
        QVERIFY(!w->isActiveWindow());
        seen = true;
        if (how == QLatin1String("Enter"))
            QTest::keyClick(box, Qt::Key_Return);
        else if (how == QLatin1String("Esc"))
            QTest::keyClick(box, Qt::Key_Escape);
        else if (how == QLatin1String("OK"))
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            box->close();
    });
    w->menus().about->trigger(); // returns once the box is closed
    QVERIFY(seen);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(w->isVisible());
    QVERIFY(m_fakes->opener.opened.isEmpty());
    if (result) {
        // The result window works as before.
        QCOMPARE(m_controller->result(), w);
        QTest::mouseClick(m_controller->result()->backButton(), Qt::LeftButton);
        QVERIFY(m_controller->question());
    }
}

void TestAboutBox::aboutLinksKeepItOpen()
{
    gui::MainForm *w = mainForm(false);
    QStringList openedWhileOpen;
    QTimer::singleShot(0, this, [&] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        const auto closer = qScopeGuard([box] { box->close(); });
        for (const char *name : {"homePageLink", "detailsLink"}) {
            auto *link = box->findChild<QLabel *>(name);
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(link, Qt::LeftButton);
            QVERIFY(box->isVisible());
        }
        openedWhileOpen = pagesOpened();
    });
    w->menus().about->trigger();
    QCOMPARE(openedWhileOpen, QStringList({"home-page", "fully-branded"}));
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
