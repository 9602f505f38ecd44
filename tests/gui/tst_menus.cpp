// The two main windows' menus: their commands, the pages they open, and the
// menu bar's overflow button.
#include "app/controller.h"
#include "core/web/addresses.h"
#include "gui/mainform.h"
#include "gui/menus.h"
#include "gui/resultwindow.h"

#include "programtest.h"
#include "widgethelpers.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>
#include <memory>

using namespace tavrisk;
using namespace tavrisk::app;
using namespace tavrisk::testing;

class TestMenus : public ProgramTest
{
    Q_OBJECT
private Q_SLOTS:
    void menuStructure_data();
    void menuStructure();
    void commandsOpenTheirPages_data();
    void commandsOpenTheirPages();
    void overflowButtonShowsTheStyleIcon();
};

void TestMenus::menuStructure_data()
{
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("file");
    QTest::addColumn<QStringList>("help");
    const QStringList help{
        "&Online Help",   "&Visit Us Online", "-", "Check for Software &Update", "-",
        "&About Software"};
    QStringList resultHelp = help;
    resultHelp[3] = QStringLiteral("&Check for Software Update");
    QTest::newRow("question window") << false << QStringList{"E&xit"} << help;
    QTest::newRow("result window") << true << QStringList{"&Back", "E&xit"} << resultHelp;
}

void TestMenus::menuStructure()
{
    QFETCH(bool, result);
    QFETCH(QStringList, file);
    QFETCH(QStringList, help);
    gui::MainForm *w = mainForm(result);
    QVERIFY(w);
    QStringList bar;
    for (QAction *a : w->menuBar()->actions())
        bar << a->text();
    QCOMPARE(bar, QStringList({"&File", "&Help", "&Donate", "Make Money &Online"}));
    auto items = [](QMenu *menu) {
        QStringList texts;
        for (QAction *a : menu->actions()) {
            QString t = a->isSeparator() ? QStringLiteral("-") : a->text();
            if (!a->shortcut().isEmpty() || a->isCheckable())
                t += QStringLiteral(" (shortcut or check mark)");
            texts << t;
        }
        return texts;
    };
    QCOMPARE(items(w->menuBar()->actions()[0]->menu()), file);
    QCOMPARE(items(w->menuBar()->actions()[1]->menu()), help);
    QCOMPARE(w->findChild<QAction *>("helpSeparator1")->isSeparator(), true);
    // Make Money Online can never be chosen.
    QAction *money = w->menus().makeMoneyOnline;
    QVERIFY(!money->isVisible() && !money->isEnabled());
    QVERIFY(w->menuBar()->actionGeometry(money).isEmpty());
    money->trigger();
    QVERIFY(m_fakes->opener.opened.isEmpty());
}

void TestMenus::commandsOpenTheirPages_data()
{
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("key");
    for (bool result : {false, true}) {
        const char *w = result ? "result" : "question";
        QTest::addRow("%s Online Help", w) << result << "onlineHelpAction"
                                           << "help-web-page";
        QTest::addRow("%s Visit", w) << result << "visitAction"
                                     << "home-page";
        QTest::addRow("%s Update", w) << result << "updateAction"
                                      << "download-web-page";
        QTest::addRow("%s Donate", w) << result << "donateAction"
                                      << "donate";
    }
}

void TestMenus::commandsOpenTheirPages()
{
    QFETCH(bool, result);
    QFETCH(QString, action);
    QFETCH(QString, key);
    gui::MainForm *w = mainForm(result);
    QAction *a = w->findChild<QAction *>(action);
    QVERIFY(a && a->isEnabled() && a->isVisible());
    a->trigger();
    a->trigger();
    const QString address = QStringLiteral("http://") + siteHost() +
                            QStringLiteral("/qv-free-tavrisk/ssd.php?page=") + key;
    QCOMPARE(m_fakes->opener.opened, QStringList({address, address}));
    QVERIFY(w->isVisible());
    QCOMPARE(m_fakes->settings.log.filter(QStringLiteral("write")).size(),
             1); // the first start only
}

// The overflow button's icon is read only when first needed; once the bar is
// too narrow for its menus, it must look as Fusion's own does. Both bars are
// painted first: from Qt 6.8 on, a drawn icon lists the sizes it was drawn at.
void TestMenus::overflowButtonShowsTheStyleIcon()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QMenuBar bar;
    QMenuBar fusionBar;
    fusionBar.setStyle(fusion.get());
    QList<QToolButton *> overflow;
    for (QMenuBar *b : {&bar, &fusionBar}) {
        gui::buildMenuBar(b, gui::MenuSet::Question);
        b->resize(60, 30);
        b->show();
        QVERIFY(QTest::qWaitForWindowExposed(b));
        overflow << b->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(overflow.last());
        QTRY_VERIFY(overflow.last()->isVisible());
    }
    QVERIFY(!overflow[0]->icon().isNull());
    QCOMPARE(overflow[0]->grab().toImage(), overflow[1]->grab().toImage());
    QCOMPARE(overflow[0]->icon().availableSizes(), overflow[1]->icon().availableSizes());
    for (int size : {8, 16, 32}) {
        QCOMPARE(overflow[0]->icon().pixmap(size).toImage(),
                 overflow[1]->icon().pixmap(size).toImage());
    }
    // A copy not yet drawn outlives the style that handed it out.
    const QIcon held = bar.style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    gui::configureApplication();
    const QIcon expected = fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QCOMPARE(held.pixmap(16).toImage(), expected.pixmap(16).toImage());
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
