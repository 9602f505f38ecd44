#include "gui/resultwindow.h"

#include "gui/accessibility.h"
#include "gui/controls.h"
#include "gui/label.h"
#include "gui/linklabel.h"
#include "gui/look.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>

namespace tavrisk::gui {

namespace {

QGroupBox *addFrame(QWidget *parent, const char *name, const QString &caption, const QRect &rect,
                    const QFont &font, const QColor &background, const QColor &captionColour)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    place(frame, rect);
    fitTitle(frame, font);
    frame->setFlat(false);
    setBackground(frame, background);
    setForeground(frame, captionColour);
    return frame;
}

constexpr std::array<const char *, AnimalCount> Numbers{"One", "Two", "Three", "Four", "Five"};

} // namespace

ResultWindow::ResultWindow() : MainForm("resultWindow", 9135, 6495, MenuSet::Result)
{
    QWidget *top = addBand(client(), "topBand", twipsRect(0, 0, 9135, 735), colour::Pink);
    addBanner(top, twipsRect(120, 160, 8880, 555));

    const QFont bold = programFont(8.25, Bold);
    QGroupBox *panel = addFrame(
        client(), "resultFrame", QCoreApplication::translate("ResultWindow", "QV Tavrisk Result"),
        twipsRect(0, 720, 9135, 4935), programFont(9, Bold), colour::Orange, Qt::black);
    addLabel(panel, "introText",
             QCoreApplication::translate(
                 "ResultWindow",
                 "This test is based on the Japanese Animal Archetypes. The desert represents a "
                 "difficult circumstance in life. Each animal stands for the different "
                 "characteristics in your life. The one that you sacrificed initially is what is "
                 "least important to you. The one that you keep with you till the last is the "
                 "most important to you."),
             twipsRect(120, 240, 8895, 855), bold, colour::Blue, Fit::Wrapped);

    QGroupBox *legend = addFrame(
        panel, "meaningsList",
        QCoreApplication::translate("ResultWindow", "Each Animal Represents the Following:"),
        twipsRect(120, 1200, 4095, 1695), bold, colour::Pink, colour::Brown);
    QGroupBox *chosen =
        addFrame(panel, "chosenList",
                 QCoreApplication::translate("ResultWindow",
                                             "You chose the animals in the following order:"),
                 twipsRect(4320, 1200, 4695, 1695), bold, colour::Pink, colour::Brown);
    QGroupBox *valued = addFrame(
        panel, "valuedList",
        QCoreApplication::translate(
            "ResultWindow", "You value the different characteristics in the following order:"),
        twipsRect(120, 3000, 8895, 1815), bold, colour::Pink, colour::Brown);

    // Each list is spoken, heading then lines, when the window opens.
    m_lists = {legend, chosen, valued};
    for (QWidget *list : m_lists)
        makeNotice(list);

    for (int i = 0; i < AnimalCount; ++i) {
        const QRect line = twipsRect(480, 360 + 240 * i, 2430, 195);
        const QByteArray legendName = QByteArray("meaningLine") + Numbers[i];
        addLabel(legend, legendName.constData(), animalMeaning(i), line, bold, colour::Maroon,
                 Fit::ToText);
        const QByteArray orderName = QByteArray("chosenLine") + Numbers[i];
        m_order[i] = addLabel(chosen, orderName.constData(), animalMeaning(i), line, bold,
                              colour::Maroon, Fit::ToText);
        // valuedLineFive stands at the top, valuedLineOne at the bottom.
        const int slot = AnimalCount - 1 - i;
        const QByteArray valueName = QByteArray("valuedLine") + Numbers[slot];
        m_value[slot] = addLabel(valued, valueName.constData(), animalMeaning(AnimalCount - 1 - i),
                                 line, bold, colour::Maroon, Fit::ToText);
    }

    QWidget *bottom = addBand(client(), "bottomBand", twipsRect(0, 5640, 9135, 855), colour::Pink);
    addExitButton(bottom, twipsRect(6600, 240, 1140, 465));
    m_back = addButton(bottom, "backButton", QCoreApplication::translate("ResultWindow", "&Back"),
                       twipsRect(7800, 240, 1140, 465), bold, colour::Silver);
    connect(m_back, &QPushButton::clicked, this, &ResultWindow::backClicked);
    connect(menus().back, &QAction::triggered, m_back, &QPushButton::click);
    addOffers(bottom, 120, 160);

    setTabOrder(m_back, exitButton());
    setFirstStop(m_back);
    m_back->setFocus();
}

void ResultWindow::activatedAfterShow()
{
    for (QWidget *list : m_lists)
        announce(list);
}

void ResultWindow::setLines(const ResultLines &lines)
{
    for (int i = 0; i < AnimalCount; ++i) {
        m_order[i]->setText(lines.order[i]);
        m_order[i]->fit();
        m_value[i]->setText(lines.value[i]);
        m_value[i]->fit();
    }
}

} // namespace tavrisk::gui
