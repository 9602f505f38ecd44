#include "gui/questionwindow.h"

#include "gui/accessibility.h"
#include "gui/controls.h"
#include "gui/label.h"
#include "gui/linklabel.h"
#include "gui/look.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace tavrisk::gui {

// The window's texts, the Next button's among them, before any fitting.
static QFont boldFont()
{
    return programFont(8.25, Bold);
}

QuestionWindow::QuestionWindow() : MainForm("questionWindow", 7860, 6855, MenuSet::Question)
{
    QWidget *top = addBand(client(), "topBand", twipsRect(0, 0, 7860, 615), colour::Pink);
    addBanner(top, twipsRect(120, 135, 7560, 585));

    auto *panel = new QFrame(client());
    panel->setObjectName(QStringLiteral("storyPanel"));
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    place(panel, twipsRect(0, 600, 7860, 5295));
    setBackground(panel, colour::Orange);

    const QFont bold = boldFont();
    LinkLabel *title = addLink(panel, "titleLink", text::titleLabel(),
                               twipsRect(120, 240, 7575, 375), bold, Qt::black);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->unsetCursor();
    // Looks like plain text, yet opens the fully-branded page.
    connectLink(title, Page::FullBrand);
    addLabel(panel, "storyText", text::story(), twipsRect(480, 720, 6735, 615), bold, colour::Blue,
             Fit::Wrapped);
    m_message = addLabel(panel, "givenUpPrompt", QString(), twipsRect(480, 1560, 6735, 855), bold,
                         colour::Blue, Fit::Wrapped);
    // Each new question is spoken as it comes.
    makeNotice(m_message);

    // The options' own panel spans them exactly, so screen readers hear one named group.
    auto *animals =
        new Group(panel, "animalsGroup", QCoreApplication::translate("QuestionWindow", "Animals"),
                  twipsRect(480, 2400, 6855, 480 * 4 + 375));
    auto *group = new QButtonGroup(this);
    for (int i = 0; i < AnimalCount; ++i) {
        auto *option = new QRadioButton(animals);
        option->setObjectName(QStringLiteral("animalOption%1").arg(i));
        option->setFont(bold);
        place(option, twipsRect(0, 480 * i, 6855, 375));
        setBackground(option, colour::Pink);
        setForeground(option, colour::Maroon);
        group->addButton(option, i);
        m_options[i] = option;
    }
    // The group is one tab stop, at its selected option. Qt moves that stop
    // only when an option takes the focus, so a selection made any other way
    // (the program's own after a give-up, a screen reader's press) moves it here.
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked)
            return;
        for (QRadioButton *option : m_options) {
            const Qt::FocusPolicy policy = option->focusPolicy();
            option->setFocusPolicy(option == m_options.at(id)
                                       ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                       : Qt::FocusPolicy(policy & ~Qt::TabFocus));
        }
    });

    m_next = addButton(panel, "nextButton", text::nextCaption(), twipsRect(5040, 4800, 2295, 375),
                       bold, colour::Silver);
    connect(m_next, &QPushButton::clicked, this, &QuestionWindow::nextClicked);

    QWidget *bottom = addBand(client(), "bottomBand", twipsRect(0, 5880, 7860, 855), colour::Pink);
    addExitButton(bottom, twipsRect(6480, 240, 1260, 465));
    addOffers(bottom, 120, 160);
    bottom->raise();

    setTabOrder(exitButton(), m_options[0]);
    for (int i = 1; i < AnimalCount; ++i)
        setTabOrder(m_options[i - 1], m_options[i]);
    setTabOrder(m_options[AnimalCount - 1], m_next);

    display(QuestionScreen::design());
    setFirstStop(exitButton());
    exitButton()->setFocus();
}

QuestionScreen QuestionWindow::screen() const
{
    QuestionScreen s = m_shown;
    for (int i = 0; i < AnimalCount; ++i) {
        if (m_options[i]->isChecked())
            s.selected = i;
    }
    return s;
}

void QuestionWindow::display(const QuestionScreen &screen)
{
    m_shown = screen;
    const bool groupHadFocus = std::any_of(m_options.begin(), m_options.end(),
                                           [](const QRadioButton *o) { return o->hasFocus(); });
    QRadioButton *selected = m_options.at(screen.selected);
    selected->setChecked(true);
    // A keyboard user stays in the group, on its selection, even when the
    // option they were on is the one that goes.
    if (groupHadFocus)
        selected->setFocus(Qt::OtherFocusReason);
    const QString focusedCaption = groupHadFocus ? selected->text() : QString();
    for (int i = 0; i < AnimalCount; ++i) {
        m_options[i]->setText(screen.captions[i]);
        m_options[i]->setVisible(screen.visible[i]);
    }
    // The option the user is on may now carry the next animal's name.
    if (groupHadFocus && selected->text() != focusedCaption)
        reportFocusRenamed(selected);
    const QString message = shownLines(screen.message);
    const bool changed = message != m_message->text();
    m_message->setText(message);
    m_message->fit();
    if (changed && !message.isEmpty())
        announce(m_message);
    if (m_next->text() != screen.nextCaption) {
        m_next->setText(screen.nextCaption);
        fitCaption(m_next, boldFont());
    }
}

} // namespace tavrisk::gui
