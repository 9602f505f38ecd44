// The link labels of both main windows: the pages they open, the pointer
// over them, the offer the co-brand draw puts in front, and the text a
// caption with access-key markers draws.
#include "app/controller.h"
#include "core/web/addresses.h"
#include "gui/label.h"
#include "gui/questionwindow.h"
#include "gui/resultwindow.h"

#include "programtest.h"
#include "widgethelpers.h"

#include <QPushButton>

using namespace tavrisk;
using namespace tavrisk::app;
using namespace tavrisk::testing;

class TestLinks : public ProgramTest
{
    Q_OBJECT
private Q_SLOTS:
    void linkLabelsOpenTheirPages_data();
    void linkLabelsOpenTheirPages();
    void handPointerOverLinks();
    void coBrandDraw_data();
    void coBrandDraw();
    void labelDisplayText_data();
    void labelDisplayText();
};

void TestLinks::linkLabelsOpenTheirPages_data()
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

void TestLinks::linkLabelsOpenTheirPages()
{
    QFETCH(bool, result);
    QFETCH(QString, label);
    QFETCH(QString, key);
    m_fakes->random.fallback = 0.0f; // nothing else drawn: the defined label stays in front
    gui::MainForm *w = mainForm(result);
    QWidget *target =
        label == QLatin1String("offer") ? w->offerInFront() : w->findChild<QWidget *>(label);
    QVERIFY(target);
    QVERIFY(clickWhereSeen(w, target));
    QCOMPARE(pagesOpened(), QStringList{key});
}

void TestLinks::handPointerOverLinks()
{
    for (bool result : {false, true}) {
        restartProgram([](FakeServices &) {});
        gui::MainForm *w = mainForm(result);
        for (const char *name : {"bannerLink", "fullBrandLink", "coBrandLink"})
            QCOMPARE(w->findChild<QWidget *>(name)->cursor().shape(), Qt::PointingHandCursor);
        if (!result)
            QCOMPARE(w->findChild<QWidget *>("titleLink")->cursor().shape(), Qt::ArrowCursor);
    }
}

void TestLinks::coBrandDraw_data()
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

void TestLinks::coBrandDraw()
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

void TestLinks::labelDisplayText_data()
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

void TestLinks::labelDisplayText()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QCOMPARE(gui::labelDisplayText(caption), shown);
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
