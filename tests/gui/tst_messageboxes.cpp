// The program's message boxes as Qt shows them: texts, icons, buttons.
#include "app/controller.h"
#include "core/web/addresses.h"
#include "gui/qtservices.h"
#include "gui/questionwindow.h"

#include "programtest.h"
#include "widgethelpers.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace tavrisk;
using namespace tavrisk::app;
using namespace tavrisk::testing;

class TestMessageBoxes : public ProgramTest
{
    Q_OBJECT
private Q_SLOTS:
    void messageBoxes_data();
    void messageBoxes();
};

void TestMessageBoxes::messageBoxes_data()
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

void TestMessageBoxes::messageBoxes()
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

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
