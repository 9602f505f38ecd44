// Menus, link labels, the co-brand draw and the about box, on both main
// windows; the program's message boxes as Qt shows them.
#include "app/controller.h"
#include "core/web/pages.h"
#include "gui/aboutbox.h"
#include "gui/menus.h"
#include "gui/qtservices.h"
#include "gui/questionwindow.h"
#include "gui/resultwindow.h"

#include "programtest.h"
#include "widgethelpers.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
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
    void linkLabelsOpenTheirPages_data();
    void linkLabelsOpenTheirPages();
    void handPointerOverLinks();
    void overflowButtonShowsTheStyleIcon();
    void coBrandDraw_data();
    void coBrandDraw();
    void aboutBox_data();
    void aboutBox();
    void aboutLinksKeepItOpen();
    void messageBoxes_data();
    void messageBoxes();

private:
    gui::MainForm *form(bool result);
};

gui::MainForm *TestMenus::form(bool result)
{
    if (!result)
        return question();
    return showResult();
}

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
    gui::MainForm *w = form(result);
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
    gui::MainForm *w = form(result);
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

void TestMenus::linkLabelsOpenTheirPages_data()
{
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("key");
    for (bool result : {false, true}) {
        const char *w = result ? "result" : "question";
        QTest::addRow("%s banner", w) << result << "bannerLink"
                                      << "home-page";
        QTest::addRow("%s offer in front", w) << result << "offer"
                                              << "co-brand";
    }
    QTest::newRow("question title") << false << "titleLink"
                                    << "fully-branded";
}

void TestMenus::linkLabelsOpenTheirPages()
{
    QFETCH(bool, result);
    QFETCH(QString, label);
    QFETCH(QString, key);
    m_fakes->random.fallback = 0.0f; // nothing else drawn: the defined label stays in front
    gui::MainForm *w = form(result);
    QWidget *target =
        label == QLatin1String("offer") ? w->offerInFront() : w->findChild<QWidget *>(label);
    QVERIFY(target);
    QVERIFY(clickWhereSeen(w, target));
    QCOMPARE(pagesOpened(), QStringList{key});
}

void TestMenus::handPointerOverLinks()
{
    for (bool result : {false, true}) {
        restartProgram([](FakeServices &) {});
        gui::MainForm *w = form(result);
        for (const char *name : {"bannerLink", "fullBrandLink", "coBrandLink"})
            QCOMPARE(w->findChild<QWidget *>(name)->cursor().shape(), Qt::PointingHandCursor);
        if (!result)
            QCOMPARE(w->findChild<QWidget *>("titleLink")->cursor().shape(), Qt::ArrowCursor);
    }
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

void TestMenus::coBrandDraw_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("opens");
    QTest::newRow("1: co-brand") << 0.0f << "coBrandLink"
                                 << "co-brand";
    QTest::newRow("2: full brand") << 0.2f << "fullBrandLink"
                                   << "fully-branded";
    QTest::newRow("5: co-brand") << 0.6f << "coBrandLink"
                                 << "co-brand";
    QTest::newRow("6: full brand") << 0.85f << "fullBrandLink"
                                   << "fully-branded";
    QTest::newRow("7: as defined") << 0.95f << "coBrandLink"
                                   << "co-brand";
}

void TestMenus::coBrandDraw()
{
    QFETCH(float, r);
    QFETCH(QString, front);
    QFETCH(QString, opens);
    restartProgram([r](FakeServices &fakes) { fakes.random.script = {r}; });
    QCOMPARE(m_fakes->random.drawn, 1);
    gui::QuestionWindow *q = m_controller->question();
    QCOMPARE(q->offerInFront()->objectName(), front);
    QWidget *offer = q->offerInFront();
    QVERIFY(clickWhereSeen(q, offer));
    QCOMPARE(pagesOpened(), QStringList{opens});

    // The result window, and every question window after Back, show the defined one.
    showResult();
    QCOMPARE(m_controller->result()->offerInFront()->objectName(), QStringLiteral("coBrandLink"));
    QTest::mouseClick(m_controller->result()->backButton(), Qt::LeftButton);
    QCOMPARE(m_controller->question()->offerInFront()->objectName(), QStringLiteral("coBrandLink"));
    QCOMPARE(m_fakes->random.drawn, 2); // the exit window's support text; no second co-brand draw
}

void TestMenus::aboutBox_data()
{
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("how");
    for (bool result : {false, true}) {
        const char *w = result ? "result" : "question";
        for (const char *how : {"Enter", "Esc", "OK", "close box"})
            QTest::addRow("%s %s", w, how) << result << QString::fromLatin1(how);
    }
}

void TestMenus::aboutBox()
{
    QFETCH(bool, result);
    QFETCH(QString, how);
    gui::MainForm *w = form(result);
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

void TestMenus::aboutLinksKeepItOpen()
{
    gui::MainForm *w = form(false);
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

void TestMenus::messageBoxes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons"); // the default one first
    QTest::newRow("start-up notice")
        << "notice" << int(QMessageBox::Information) << QStringList{"OK"};
    QTest::newRow("start-up question")
        << "question" << int(QMessageBox::Information) << QStringList{"&Yes", "&No"};
    QTest::newRow("a window's refusal")
        << "refusal" << int(QMessageBox::Critical) << QStringList{"OK"};
}

void TestMenus::messageBoxes()
{
    QFETCH(QString, kind);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    gui::QtMessageBoxes boxes;
    QWidget *owner = question();
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        const auto closer = qScopeGuard([box] { box->close(); });
        QCOMPARE(box->windowTitle(), QStringLiteral("QV Tavrisk"));
        QCOMPARE(box->text(), QStringLiteral("Some text"));
        QCOMPARE(int(box->icon()), icon);
        QStringList shown;
        for (QAbstractButton *b : box->buttons())
            shown << b->text();
        shown.sort();
        QStringList expected = buttons;
        expected.sort();
        QCOMPARE(shown, expected);
        QCOMPARE(box->defaultButton()->text(), buttons.first());
        // Start-up boxes, owned by nothing, stay above every window; a
        // refusal stays above the window that raised it.
        const bool refusal = kind == QLatin1String("refusal");
        QCOMPARE(box->parentWidget(), refusal ? owner : nullptr);
        QCOMPARE(bool(box->windowFlags() & Qt::WindowStaysOnTopHint), !refusal);
        QTRY_VERIFY(box->isActiveWindow());
        seen = true;
        QTest::keyClick(box, Qt::Key_Return);
    });
    if (kind == QLatin1String("refusal")) {
        boxes.refuse(owner, QStringLiteral("Some text"));
    } else {
        const bool question = kind == QLatin1String("question");
        const auto answer =
            boxes.show(QStringLiteral("Some text"), QStringLiteral("QV Tavrisk"),
                       MessageBoxes::Icon::Information,
                       question ? MessageBoxes::Buttons::YesNo : MessageBoxes::Buttons::Ok);
        QCOMPARE(answer, question ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::Ok);
    }
    QVERIFY(seen);
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
