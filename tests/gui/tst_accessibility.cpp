// What a screen reader gets, through Qt's own accessibility interfaces.
#include "app/controller.h"
#include "core/referral/hints.h"
#include "gui/aboutbox.h"
#include "gui/exitwindow.h"
#include "gui/linklabel.h"
#include "gui/questionwindow.h"
#include "gui/resultwindow.h"

#include "programtest.h"
#include "widgethelpers.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QGuiApplication>
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
    void focusReportedBeforeTheHintGoes_data();
    void focusReportedBeforeTheHintGoes();
    void renamedFocusIsReportedAnew();
    void resultListsAnnouncedOnOpening();
    void exitWindowShownAfterTheResult();
    void onlyTheFrontOfferIsExposed();
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
    // Events reach screen readers only through a live bridge: on Linux, the
    // AT-SPI bus of the session that tst_accessibility_atspi starts.
    if (qEnvironmentVariableIsSet("TAVRISK_EXPECT_BRIDGE"))
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 20000);
}

// What screen readers are told, event by event, needs a live bridge.
static bool bridgeLive()
{
    return QAccessible::isActive();
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
            const bool notice = label == m_controller->question()->messageLabel();
            // UI Automation has no notification role: a notice stays text there.
            const bool spoken = notice && QGuiApplication::platformName() != "windows";
            QCOMPARE(i->role(), link     ? QAccessible::Link
                                : spoken ? QAccessible::Notification
                                         : QAccessible::StaticText);
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
                            << "bannerLink";
    QTest::newRow("title") << "question"
                           << "titleLink";
    QTest::newRow("full brand") << "question"
                                << "fullBrandLink";
    QTest::newRow("co-brand") << "question"
                              << "coBrandLink";
    QTest::newRow("result banner") << "result"
                                   << "bannerLink";
    QTest::newRow("software list") << "exit"
                                   << "goToHomeLink";
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
    // The keyboard reaches links too (the keyboard test has where).
    QVERIFY(link->state().focusable);
}

void TestAccessibility::aboutLinks()
{
    gui::AboutBox about;
    QStringList pages;
    connect(&about, &gui::AboutBox::pageRequested, this, [&](Page p) { pages << pageKey(p); });
    for (const char *name : {"homePageLink", "detailsLink"}) {
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
    const QStringList fields{"nameField", "emailField", "messageField", "friendNameField",
                             "friendEmailField"};
    for (int i = 0; i < fields.size(); ++i) {
        QAccessibleInterface *field = iface(e->findChild<QWidget *>(fields[i]));
        QVERIFY(field);
        QCOMPARE(field->role(), QAccessible::EditableText);
        QCOMPARE(field->text(QAccessible::Name), placeholder(ReferField(i)));
    }
}

void TestAccessibility::focusReportedBeforeTheHintGoes_data()
{
    QTest::addColumn<QString>("field");
    for (const char *name : {"nameField", "emailField", "friendEmailField", "friendNameField"})
        QTest::newRow(name) << name;
}

// A screen reader takes the first event of a field for its focus, and drops
// the real focus event after it as a repeat: focus must come first.
void TestAccessibility::focusReportedBeforeTheHintGoes()
{
    if (!bridgeLive())
        QSKIP("no accessibility bridge here: tst_accessibility_atspi has one");
    QFETCH(QString, field);
    gui::ExitWindow *e = exitFromQuestion();
    QVERIFY(activate(e));
    auto *edit = e->findChild<QLineEdit *>(field);
    AccessibleEvents heard;
    edit->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(edit->text(), QString());
    const qsizetype focus = heard.indexOf(QAccessible::Focus, edit);
    QVERIFY(focus >= 0);
    const QList<QAccessible::Event> textEvents{
        QAccessible::TextInserted, QAccessible::TextRemoved, QAccessible::TextUpdated,
        QAccessible::TextCaretMoved, QAccessible::ValueChanged};
    for (QAccessible::Event type : textEvents) {
        const qsizetype text = heard.indexOf(type, edit);
        QVERIFY2(text == -1 || text > focus,
                 qPrintable(QStringLiteral("event %1 before the focus").arg(int(type), 0, 16)));
    }
    QVERIFY(heard.indexOf(QAccessible::TextRemoved, edit) > focus ||
            heard.indexOf(QAccessible::TextUpdated, edit) > focus);
}

// Giving up the animal the user is on renames their option: it is reported
// focused again, as an object screen readers have not heard of.
void TestAccessibility::renamedFocusIsReportedAnew()
{
    if (!bridgeLive())
        QSKIP("no accessibility bridge here: tst_accessibility_atspi has one");
    gui::QuestionWindow *q = m_controller->question();
    QVERIFY(activate(q));
    q->option(0)->setFocus(Qt::TabFocusReason);
    const QAccessible::Id before = QAccessible::uniqueId(iface(q->option(0)));
    AccessibleEvents events;
    q->nextButton()->click();
    QCOMPARE(QApplication::focusWidget(), q->option(0));
    const qsizetype focus = events.lastIndexOf(QAccessible::Focus, q->option(0));
    QVERIFY(focus > events.lastIndexOf(QAccessible::NameChanged, q->option(0)));
    QCOMPARE(events.events()[focus].name, QStringLiteral("Lion"));
    QVERIFY(QAccessible::uniqueId(iface(q->option(0))) != before);
    // Moving to another option is an ordinary focus change.
    events.clear();
    q->option(1)->setFocus(Qt::TabFocusReason);
    q->option(1)->click();
    const QAccessible::Id other = QAccessible::uniqueId(iface(q->option(0)));
    q->nextButton()->click();
    QCOMPARE(QApplication::focusWidget(), q->option(0));
    QCOMPARE(QAccessible::uniqueId(iface(q->option(0))), other);
}

// On opening, each list of the result is spoken, heading then its five
// lines as items of their own, in the order shown.
void TestAccessibility::resultListsAnnouncedOnOpening()
{
    if (!bridgeLive())
        QSKIP("no accessibility bridge here: tst_accessibility_atspi has one");
    AccessibleEvents events;
    gui::ResultWindow *r = showResult();
    QVERIFY(activate(r));
    // The window's own showing reports its frames too, before it is active;
    // the last three are said once it is.
    QList<AccessibleEvents::Event> shown;
    for (const auto &e : events.of(QAccessible::ObjectShow, QAccessible::Notification)) {
        if (e.object && r->isAncestorOf(static_cast<QWidget *>(e.object.data())))
            shown << e;
    }
    QVERIFY(shown.size() >= 3);
    shown = shown.mid(shown.size() - 3);
    QStringList headings;
    for (const auto &e : shown)
        headings << e.name;
    QCOMPARE(headings, QStringList({"Each Animal Represents the Following:",
                                    "You chose the animals in the following order:",
                                    "You value the different characteristics in the following "
                                    "order:"}));
    for (const auto &e : shown) {
        QAccessibleInterface *list = iface(e.object);
        QCOMPARE(list->childCount(), 5);
        int previousTop = -1;
        for (int i = 0; i < 5; ++i) {
            QAccessibleInterface *line = list->child(i);
            QCOMPARE(line->role(), QAccessible::StaticText);
            // Screen readers leave out lines that label something.
            QVERIFY(line->relations().isEmpty());
            QVERIFY(!line->text(QAccessible::Name).isEmpty());
            QVERIFY(line->rect().top() > previousTop);
            previousTop = line->rect().top();
        }
    }
    QCOMPARE(iface(shown[1].object)->child(0)->text(QAccessible::Name), r->orderLabel(0)->text());
    QCOMPARE(iface(shown[2].object)->child(0)->text(QAccessible::Name), r->valueLabel(4)->text());
    // Once a showing: activating the window again says nothing new.
    events.clear();
    QVERIFY(activate(m_controller->result()));
    QVERIFY(events.of(QAccessible::ObjectShow, QAccessible::Notification).isEmpty());
}

// Built hidden while the result window was opened, the exit window reports
// everything in it on screen once it is.
void TestAccessibility::exitWindowShownAfterTheResult()
{
    if (!bridgeLive())
        QSKIP("no accessibility bridge here: tst_accessibility_atspi has one");
    gui::ResultWindow *r = showResult();
    AccessibleEvents events;
    QTest::mouseClick(r->exitButton(), Qt::LeftButton);
    gui::ExitWindow *e = m_controller->exitWindow();
    QVERIFY(e && e->isVisible());
    QVERIFY(activate(e));
    // Screen readers heed the news of the active window only: after it is.
    const qsizetype active = events.indexOf(QAccessible::StateChanged, e);
    QVERIFY(active >= 0);
    for (QWidget *w : e->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        QVERIFY2(events.lastIndexOf(QAccessible::ObjectShow, w) > active,
                 qPrintable(w->objectName()));
        QVERIFY2(!iface(w)->state().invisible, qPrintable(w->objectName()));
    }
    const QStringList panels{
        iface(e->findChild<QWidget *>("downloadPanel"))->text(QAccessible::Name),
        iface(e->findChild<QWidget *>("referralPanel"))->text(QAccessible::Name)};
    QCOMPARE(panels, QStringList({"Download Quorvane Softwares", "Refer A Friend"}));
}

// The two offers share one place; only the one in front can be found.
void TestAccessibility::onlyTheFrontOfferIsExposed()
{
    for (int window = 0; window < 2; ++window) {
        gui::MainForm *w = m_controller->question();
        if (window == 1)
            w = showResult();
        for (auto front : {OfferInFront::FullBrand, OfferInFront::CoBrand}) {
            w->putInFront(front);
            QLabel *shown = w->offerInFront();
            QLabel *covered = shown == w->coBrandLabel()
                                  ? static_cast<QLabel *>(w->fullBrandLabel())
                                  : w->coBrandLabel();
            QCOMPARE(shown == w->coBrandLabel(), front == OfferInFront::CoBrand);
            QVERIFY(!iface(shown)->state().invisible);
            QVERIFY(iface(covered)->state().invisible);
            QVERIFY(!covered->isVisibleTo(w));
        }
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
