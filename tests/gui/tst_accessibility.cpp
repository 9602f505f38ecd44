// What a screen reader gets, through Qt's own accessibility interfaces.
#include "app/controller.h"
#include "gui/aboutbox.h"
#include "gui/exitwindow.h"
#include "gui/linklabel.h"
#include "gui/questionwindow.h"
#include "gui/resultwindow.h"

#include "programtest.h"
#include "widgethelpers.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <memory>

using namespace tavrisk;
using namespace tavrisk::app;
using namespace tavrisk::testing;

class TestAccessibility : public ProgramTest
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();

    void windowsAreNamedByTheirTitle();
    void labelsReadAsShown();
    void animalsAreANamedGroup();
    void pressActionClicksLinks_data();
    void pressActionClicksLinks();
    void aboutLinks();
    void fieldsReadWithTheirHint();
};

namespace {
QAccessibleInterface *iface(QObject *o)
{
    return QAccessible::queryAccessibleInterface(o);
}
} // namespace

void TestAccessibility::initTestCase()
{
    ProgramTest::initTestCase();
    QAccessible::setActive(true);
}

void TestAccessibility::windowsAreNamedByTheirTitle()
{
    QCOMPARE(iface(m_controller->question())->text(QAccessible::Name), expectedCaption());
    gui::AboutBox about;
    QCOMPARE(iface(&about)->text(QAccessible::Name), expectedCaption());
    showResult();
    QCOMPARE(iface(m_controller->result())->text(QAccessible::Name), expectedCaption());
    QTest::mouseClick(m_controller->result()->exitButton(), Qt::LeftButton);
    QCOMPARE(iface(m_controller->exitWindow())->text(QAccessible::Name), expectedCaption());
}

void TestAccessibility::labelsReadAsShown()
{
    gui::AboutBox about;
    for (QWidget *w : std::initializer_list<QWidget *>{m_controller->question(), &about}) {
        for (QLabel *label : w->findChildren<QLabel *>()) {
            if (label->text().isEmpty())
                continue;
            QAccessibleInterface *i = iface(label);
            QVERIFY(i);
            const bool link = qobject_cast<gui::LinkLabel *>(label);
            QCOMPARE(i->role(), link ? QAccessible::Link : QAccessible::StaticText);
            QCOMPARE(i->text(QAccessible::Name), label->text());
        }
    }
    // One ampersand where one is shown, and the two-line prompt as two lines.
    QTest::mouseClick(m_controller->question()->nextButton(), Qt::LeftButton);
    const QString prompt = iface(m_controller->question()->messageLabel())->text(QAccessible::Name);
    QCOMPARE(prompt.split(u'\n').size(), 2);
    const QString offer = iface(m_controller->question()->coBrandLabel())->text(QAccessible::Name);
    QVERIFY(offer.contains(QStringLiteral("name &  link")));
}

void TestAccessibility::animalsAreANamedGroup()
{
    gui::QuestionWindow *q = m_controller->question();
    QAccessibleInterface *group = iface(q->option(0))->parent();
    QVERIFY(group);
    QCOMPARE(group->role(), QAccessible::Grouping);
    QCOMPARE(group->text(QAccessible::Name), QStringLiteral("Animals"));
    QCOMPARE(group->childCount(), 5);
    q->option(2)->click();
    for (int i = 0; i < 5; ++i) {
        QAccessibleInterface *option = group->child(i);
        QCOMPARE(option->role(), QAccessible::RadioButton);
        QCOMPARE(option->text(QAccessible::Name), animalCaption(i));
        QCOMPARE(bool(option->state().checked), i == 2);
    }
}

void TestAccessibility::pressActionClicksLinks_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("label");
    QTest::newRow("banner") << "question"
                            << "Label61";
    QTest::newRow("title") << "question"
                           << "Label2";
    QTest::newRow("full brand") << "question"
                                << "lblFullBrand";
    QTest::newRow("co-brand") << "question"
                              << "lblCobrand";
    QTest::newRow("result banner") << "result"
                                   << "Label61";
    QTest::newRow("software list") << "exit"
                                   << "lblGoToHome";
}

// Where each link leads is the menus test's; here, that the press action
// clicks the link, once.
void TestAccessibility::pressActionClicksLinks()
{
    QFETCH(QString, window);
    QFETCH(QString, label);
    QWidget *w = m_controller->question();
    if (window == QLatin1String("result")) {
        w = showResult();
    } else if (window == QLatin1String("exit")) {
        w = exitFromQuestion();
    }
    auto *linkLabel = w->findChild<gui::LinkLabel *>(label);
    QVERIFY(linkLabel);
    QSignalSpy clicks(linkLabel, &gui::LinkLabel::clicked);
    QAccessibleInterface *link = iface(linkLabel);
    QVERIFY(link);
    QCOMPARE(link->role(), QAccessible::Link);
    QVERIFY(link->state().linked);
    QAccessibleActionInterface *actions = link->actionInterface();
    QVERIFY(actions);
    QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(m_fakes->opener.opened.size(), 1);
    // Labels still take no focus: the tab order is untouched.
    QCOMPARE(linkLabel->focusPolicy(), Qt::NoFocus);
}

void TestAccessibility::aboutLinks()
{
    gui::AboutBox about;
    QStringList pages;
    connect(&about, &gui::AboutBox::pageRequested, this, [&](Page p) { pages << pageKey(p); });
    for (const char *name : {"lblHomePage", "Label5"}) {
        QAccessibleInterface *link = iface(about.findChild<QLabel *>(name));
        QCOMPARE(link->role(), QAccessible::Link);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    // One page a press; which page is the menus test's.
    QCOMPARE(pages.size(), 2);
}

void TestAccessibility::fieldsReadWithTheirHint()
{
    QWidget *e = exitFromQuestion();
    const QStringList fields{"txtName", "txtEmail", "txtMessage", "txtFriendName",
                             "txtFriendEmail"};
    for (int i = 0; i < fields.size(); ++i) {
        QAccessibleInterface *field = iface(e->findChild<QWidget *>(fields[i]));
        QVERIFY(field);
        QCOMPARE(field->role(), QAccessible::EditableText);
        QCOMPARE(field->text(QAccessible::Name), placeholder(ReferField(i)));
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
