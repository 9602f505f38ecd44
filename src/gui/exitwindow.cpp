#include "gui/exitwindow.h"

#include "core/program.h"
#include "core/promotion/texts.h"
#include "core/referral/hints.h"
#include "gui/accessibility.h"
#include "gui/controls.h"
#include "gui/icon.h"
#include "gui/label.h"
#include "gui/linklabel.h"
#include "gui/look.h"
#include "gui/refusals.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>

namespace tavrisk::gui {

namespace {

QGroupBox *addPanel(QWidget *parent, const char *name, const QString &caption, const QRect &rect)
{
    auto *panel = new QGroupBox(caption, parent);
    panel->setObjectName(QLatin1String(name));
    place(panel, rect);
    fitTitle(panel, programFont(9.75, Bold));
    setBackground(panel, colour::Navy);
    setForeground(panel, Qt::white);
    return panel;
}

// The promotion's two paragraphs are held apart by a run of spaces; wrapped
// text would swallow it, so it is shown as a paragraph break.
QString shownParagraphs(const QString &text)
{
    QString out = text;
    out.replace(paragraphSeparator(), QStringLiteral("\n\n"));
    return out;
}

bool refusesSpace(ReferField f)
{
    return f == ReferField::Email || f == ReferField::FriendEmail;
}

} // namespace

ExitWindow::ExitWindow(int supportIndex, Refusals &refusals)
    : FormWindow("exitWindow", 11115, 4725, Qt::white), m_refusals(refusals)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    QWidget *c = client();
    addSoftwares(c);
    addReferralForm(c);
    addVisitArea(c);
    QWidget *icon = addHeading(c, supportIndex);
    setKeyboardOrder(icon);
    setFirstStop(m_close);
    m_close->setFocus();
}

// The other programs, with a link to their page.
void ExitWindow::addSoftwares(QWidget *c)
{
    QGroupBox *softwares =
        addPanel(c, "downloadPanel",
                 QCoreApplication::translate("ExitWindow", "Download Quorvane Softwares"),
                 twipsRect(7320, 120, 3735, 4575));
    LinkLabel *goToHome = addLink(
        softwares, "goToHomeLink",
        QCoreApplication::translate("ExitWindow", "Click Here To Visit Quorvane Softwares"),
        twipsRect(75, 4250, 3585, 210), programFont(9, Bold | Underline), Qt::yellow, Fit::ToText);
    connect(goToHome, &LinkLabel::clicked, this,
            [this] { Q_EMIT pageRequested(Page::SoftwareList); });
    addLabel(softwares, "promotionText", shownParagraphs(promotionParagraph()),
             twipsRect(120, 360, 3495, 3855), programFont(9), Qt::white, Fit::Wrapped);
}

// The five fields and their button; each field shows its hint until used.
void ExitWindow::addReferralForm(QWidget *c)
{
    QGroupBox *refer =
        addPanel(c, "referralPanel", QCoreApplication::translate("ExitWindow", "Refer A Friend"),
                 twipsRect(120, 3240, 7065, 1455));
    auto *message = new QPlainTextEdit(refer);
    message->setObjectName(QStringLiteral("messageField"));
    place(message, twipsRect(4800, 3600, 1815, 495));
    message->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    message->setTabChangesFocus(true);
    m_fields[static_cast<int>(ReferField::Message)] = message;

    const QFont fieldFont = programFont(8.25);
    auto addField = [&](ReferField f, const char *name, const QRect &rect) {
        auto *edit = new QLineEdit(refer);
        edit->setObjectName(QLatin1String(name));
        edit->setFont(fieldFont);
        place(edit, rect);
        m_fields[static_cast<int>(f)] = edit;
    };
    addField(ReferField::FriendName, "friendNameField", twipsRect(85, 720, 3375, 285));
    addField(ReferField::FriendEmail, "friendEmailField", twipsRect(3600, 720, 3375, 285));
    addField(ReferField::Email, "emailField", twipsRect(3600, 360, 3375, 285));
    m_submit = addButton(refer, "submitButton",
                         QCoreApplication::translate("ExitWindow", "Refer A Friend &Now"),
                         twipsRect(1920, 1080, 3375, 285), programFont(8.25, Bold));
    connect(m_submit, &QPushButton::clicked, this, &ExitWindow::submitClicked);
    addField(ReferField::Name, "nameField", twipsRect(85, 360, 3375, 285));
    for (int i = 0; i < ReferFieldCount; ++i) {
        setFieldText(static_cast<ReferField>(i), initialText(static_cast<ReferField>(i)));
        m_fields[i]->setAccessibleName(placeholder(static_cast<ReferField>(i)));
        m_fields[i]->installEventFilter(this);
        m_fields[i]->setFont(fieldFont);
    }
}

// Exit, and the box that opens the home page.
void ExitWindow::addVisitArea(QWidget *c)
{
    m_close = addButton(c, "closeButton", QCoreApplication::translate("ExitWindow", "E&xit"),
                        twipsRect(6000, 2760, 1245, 375), programFont(8.25));
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);

    m_check = new QCheckBox(visitSiteCaption(), c);
    m_check->setObjectName(QStringLiteral("visitSiteCheck"));
    place(m_check, twipsRect(30, 2040, 7185, 555));
    fitCaption(m_check, programFont(14.25));
    m_check->setCursor(Qt::PointingHandCursor);
    setForeground(m_check, QColor(0, 0, 192));
    // Ticking it opens the home page and leaves it unticked again.
    connect(m_check, &QCheckBox::clicked, this, [this](bool ticked) {
        if (!ticked)
            return;
        m_check->setChecked(false);
        Q_EMIT pageRequested(Page::Home);
    });
}

// The icon, the support text and the caption; returns the icon.
QWidget *ExitWindow::addHeading(QWidget *c, int supportIndex)
{
    auto *icon = new QLabel(c);
    icon->setObjectName(QStringLiteral("exitIcon"));
    place(icon, twipsRect(360, 120, 540, 540));
    icon->setPixmap(programIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon->setFocusPolicy(Qt::TabFocus);
    // A stop of the keyboard order, so screen readers have a name to say.
    icon->setAccessibleName(text::windowCaption());

    m_support =
        addLabel(c, "supportText", supportText(supportIndex), twipsRect(120, 840, 6975, 1095),
                 programFont(9.75, Bold), Qt::black, Fit::Wrapped);
    QFont captionFont(QStringLiteral("MS Sans Serif"));
    captionFont.setStyleHint(QFont::SansSerif);
    captionFont.setPointSizeF(18);
    addLabel(c, "exitCaption", text::windowCaption(), twipsRect(1080, 240, 0, 0), captionFont,
             Qt::black, Fit::ToText);
    return icon;
}

void ExitWindow::setKeyboardOrder(QWidget *icon)
{
    QWidget *order[] = {m_close,
                        m_check,
                        icon,
                        field(ReferField::Name),
                        m_submit,
                        field(ReferField::Email),
                        field(ReferField::FriendEmail),
                        field(ReferField::FriendName),
                        field(ReferField::Message)};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QString ExitWindow::fieldText(ReferField f) const
{
    QWidget *w = field(f);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    // Multi-line text keeps its line breaks as CR LF.
    QString text = static_cast<QPlainTextEdit *>(w)->toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

void ExitWindow::setFieldText(ReferField f, const QString &text)
{
    QWidget *w = field(f);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(text);
    else
        static_cast<QPlainTextEdit *>(w)->setPlainText(shownLines(text));
}

std::array<QString, ReferFieldCount> ExitWindow::fieldTexts() const
{
    std::array<QString, ReferFieldCount> texts;
    for (int i = 0; i < ReferFieldCount; ++i)
        texts[i] = fieldText(static_cast<ReferField>(i));
    return texts;
}

void ExitWindow::showOnTop()
{
    if (!m_placed) {
        centreOnScreen();
        m_placed = true;
    }
    show();
    // It is the only window left: the keyboard goes to it, on Exit.
    activateWindow();
}

// Built hidden while the result window opened, it is reported on screen
// again, whole, once in front.
void ExitWindow::activatedAfterShow()
{
    reportShown(this);
}

// The hint goes one turn of the event loop after the focus came: cleared
// sooner, its text events reach screen readers before the focus does, and
// they take the field for one they already announced. A key that comes
// first clears it before it is typed.
void ExitWindow::enterField(ReferField f)
{
    m_entering[static_cast<int>(f)] = true;
    QMetaObject::invokeMethod(this, "finishPendingEntries", Qt::QueuedConnection);
}

void ExitWindow::finishPendingEntries()
{
    for (int i = 0; i < ReferFieldCount; ++i)
        finishEntering(static_cast<ReferField>(i));
}

void ExitWindow::finishEntering(ReferField f)
{
    if (!std::exchange(m_entering[static_cast<int>(f)], false) || !field(f)->hasFocus())
        return;
    const QString now = fieldText(f);
    const QString next = placeholderOnEnter(now, f);
    if (next != now)
        setFieldText(f, next);
}

bool ExitWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *const at = std::find(m_fields.begin(), m_fields.end(), watched);
    if (at == m_fields.end())
        return FormWindow::eventFilter(watched, event);
    const auto f = static_cast<ReferField>(at - m_fields.begin());
    switch (event->type()) {
    case QEvent::FocusIn:
        enterField(f);
        break;
    case QEvent::FocusOut: {
        m_entering[static_cast<int>(f)] = false;
        const QString now = fieldText(f);
        const QString next = placeholderOnLeave(now, f);
        if (next != now)
            setFieldText(f, next);
        break;
    }
    case QEvent::KeyPress:
    case QEvent::InputMethod:
        finishEntering(f);
        if (event->type() == QEvent::KeyPress && refusesSpace(f) &&
            static_cast<QKeyEvent *>(event)->text() == QStringLiteral(" ")) {
            m_refusals.refuse(this, spaceRefusedMessage());
            field(f)->setFocus();
            return true;
        }
        break;
    default:
        break;
    }
    return FormWindow::eventFilter(watched, event);
}

} // namespace tavrisk::gui
