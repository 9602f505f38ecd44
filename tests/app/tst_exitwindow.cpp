// The exit window's own controls: tab order, the referral form's hints,
// checks and submission, the visit check and the software list link.
#include "app/controller.h"
#include "core/promotion/texts.h"
#include "core/web/reminder.h"
#include "core/web/storeddate.h"
#include "gui/application.h"
#include "gui/exitwindow.h"

#include "programtest.h"
#include "widgethelpers.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>

using namespace tavrisk;
using namespace tavrisk::app;
using namespace tavrisk::testing;

class TestExitWindow : public ProgramTest
{
    Q_OBJECT
private Q_SLOTS:
    void exitWindowTabOrder();
    void placeholders();
    void emailFieldsRefuseSpaces();
    void visitCheckOpensOnce();
    void softwareListLink();
    void referralThroughTheForm();
    void defaultMessageInTheUsersLanguage();

private:
    // Types into a field as a user would: in, then out of it again.
    static void type(gui::ExitWindow *e, const char *name, const QString &text);
};

void TestExitWindow::type(gui::ExitWindow *e, const char *name, const QString &text)
{
    auto *field = e->findChild<QLineEdit *>(name);
    field->setFocus(Qt::TabFocusReason); // the placeholder clears
    QTest::keyClicks(field, text);
    e->exitButton()->setFocus(Qt::TabFocusReason);
}

void TestExitWindow::exitWindowTabOrder()
{
    gui::ExitWindow *e = exitFromQuestion();
    QVERIFY(activate(e));
    QCOMPARE(QApplication::focusWidget(), e->exitButton());
    QStringList order;
    for (int i = 0; i < 10; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // The link comes after the window's own stops.
    QCOMPARE(order, QStringList({"closeButton", "visitSiteCheck", "exitIcon", "nameField",
                                 "submitButton", "emailField", "friendEmailField",
                                 "friendNameField", "messageField", "goToHomeLink"}));
    QCOMPARE(QApplication::focusWidget(), e->exitButton());
    // Neither Enter nor Esc means anything to the window as a whole.
    QWidget *name = e->findChild<QWidget *>("nameField");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Escape);
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(m_fakes->end.ended, 0);
    QVERIFY(m_fakes->messages.shown.isEmpty());
}

void TestExitWindow::placeholders()
{
    gui::ExitWindow *e = exitFromQuestion();
    QVERIFY(activate(e));
    auto *name = e->findChild<QLineEdit *>("nameField");
    QCOMPARE(name->text(), QStringLiteral("Your Name"));
    // The hint goes one turn after the focus, once screen readers have heard of it.
    name->setFocus(Qt::TabFocusReason);
    QCOMPARE(name->text(), QStringLiteral("Your Name"));
    QTRY_COMPARE(name->text(), QString());
    QTest::keyClicks(name, QStringLiteral("   "));
    e->exitButton()->setFocus(Qt::TabFocusReason);
    QCOMPARE(name->text(), QStringLiteral("Your Name"));
    name->setText(QStringLiteral(" Your Name  "));
    name->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(name->text(), QString());
    QTest::keyClicks(name, QStringLiteral("Ann Lee"));
    e->exitButton()->setFocus();
    QCOMPARE(name->text(), QStringLiteral("Ann Lee"));
    // The message keeps its line break, so entering leaves it as it was.
    auto *message = e->findChild<QPlainTextEdit *>("messageField");
    message->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QCOMPARE(e->fieldText(ReferField::Message), QStringLiteral("Your Message\r\n"));
    QVERIFY(!message->visibleRegion().boundingRect().isValid() ||
            message->visibleRegion().isEmpty());
}

void TestExitWindow::emailFieldsRefuseSpaces()
{
    gui::ExitWindow *e = exitFromQuestion();
    QVERIFY(activate(e));
    for (const char *fieldName : {"emailField", "friendEmailField"}) {
        auto *field = e->findChild<QLineEdit *>(fieldName);
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("a b"));
        QCOMPARE(field->text(), QStringLiteral("ab"));
        QCOMPARE(QApplication::focusWidget(), field);
        // Pasted text is not filtered.
        field->insert(QStringLiteral(" c"));
        QCOMPARE(field->text(), QStringLiteral("ab c"));
    }
    QCOMPARE(m_fakes->messages.texts(),
             QStringList(2, QStringLiteral("Email Address Cannot Contain Space")));
    QCOMPARE(m_fakes->messages.shown[0].icon, MessageBoxes::Icon::Stop);
    QCOMPARE(m_fakes->messages.owners(), QList<const QObject *>(2, e));
    auto *name = e->findChild<QLineEdit *>("nameField");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("a b"));
    QCOMPARE(name->text(), QStringLiteral("a b"));
    QCOMPARE(m_fakes->messages.shown.size(), 2);
}

void TestExitWindow::visitCheckOpensOnce()
{
    gui::ExitWindow *e = exitFromQuestion();
    QCheckBox *check = e->visitCheck();
    QCOMPARE(check->text(),
             QStringLiteral("Click Here To Visit ") + siteHost() + QStringLiteral(" Now"));
    QCOMPARE(check->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QVERIFY(!check->isChecked());
    QCOMPARE(pagesOpened(), QStringList{"home-page"});
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QCOMPARE(m_fakes->opener.opened.size(), 2);
}

void TestExitWindow::softwareListLink()
{
    gui::ExitWindow *e = exitFromQuestion();
    auto *link = e->findChild<QLabel *>("goToHomeLink");
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(pagesOpened(), QStringList{"quorvanesoftwares"});
    QVERIFY(e->isVisible());
}

void TestExitWindow::referralThroughTheForm()
{
    gui::ExitWindow *e = exitFromQuestion();
    QVERIFY(activate(e));
    QTest::mouseClick(e->submitButton(), Qt::LeftButton);
    QCOMPARE(m_fakes->messages.texts(), QStringList{"Please Enter Proper Email Address"});

    type(e, "emailField", QStringLiteral("ann@mail.example"));
    type(e, "friendEmailField", QStringLiteral("bob@mail.example"));
    type(e, "nameField", QString()); // emptied: the placeholder comes back
    QTest::mouseClick(e->submitButton(), Qt::LeftButton);
    QCOMPARE(m_fakes->messages.texts().last(), QStringLiteral("Please Enter Your Name"));
    type(e, "nameField", QStringLiteral("Ann & Co"));
    type(e, "friendNameField", QStringLiteral("Bob"));
    QTest::mouseClick(e->submitButton(), Qt::LeftButton);
    QTest::mouseClick(e->submitButton(), Qt::LeftButton);
    QCOMPARE(m_fakes->messages.shown.size(), 2);
    QCOMPARE(m_fakes->messages.owners(), QList<const QObject *>(2, e));
    QCOMPARE(m_fakes->opener.opened.size(), 2);
    QCOMPARE(
        m_fakes->opener.opened[0],
        QStringLiteral("http://") + siteHost() +
            QStringLiteral("/qv-free-tavrisk/ssd.php?page=qvqs-refer-a-friend&taf1=Ann%20%26%20Co"
                           "&taf2=ann%40mail.example&taf3=Your%20Message%0D%0A&taf4=Bob"
                           "&taf5=bob%40mail.example&taf6=http%3A%2F%2F") +
            siteHost() + QStringLiteral("%2Fqv-free-tavrisk%2F"));
    QVERIFY(e->isVisible());
    QCOMPARE(e->fieldText(ReferField::Name), QStringLiteral("Ann & Co"));
}

// The default message goes out in the user's language, encoded like any text.
void TestExitWindow::defaultMessageInTheUsersLanguage()
{
    QVERIFY(!gui::installLanguage(QLocale(QStringLiteral("ru"))).isEmpty());
    const auto restore = qScopeGuard([] { gui::removeTranslations(); });
    restartProgram([](FakeServices &) {});
    gui::ExitWindow *e = exitFromQuestion();
    QVERIFY(activate(e));
    type(e, "nameField", QStringLiteral("Ann"));
    type(e, "emailField", QStringLiteral("ann@mail.example"));
    type(e, "friendNameField", QStringLiteral("Bob"));
    type(e, "friendEmailField", QStringLiteral("bob@mail.example"));
    QTest::mouseClick(e->submitButton(), Qt::LeftButton);
    QCOMPARE(m_fakes->opener.opened.size(), 1);
    const QString address = m_fakes->opener.opened[0];
    // "Your Message" and a line break, in Russian.
    QVERIFY2(address.contains(QStringLiteral("&taf3=%D0%92%D0%B0%D1%88%D0%B5%20%D1%81%D0%BE%D0%BE%"
                                             "D0%B1%D1%89%D0%B5%D0%BD%D0%B8%D0%B5%0D%0A&")),
             qPrintable(address));
}

QTEST_MAIN(TestExitWindow)
#include "tst_exitwindow.moc"
