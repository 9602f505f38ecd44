#include "gui/mainform.h"

#include "core/promotion/draws.h"
#include "core/promotion/texts.h"
#include "gui/controls.h"
#include "gui/label.h"
#include "gui/linklabel.h"
#include "gui/look.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPushButton>

namespace tavrisk::gui {

MainForm::MainForm(const char *name, int clientWidthTwips, int clientHeightTwips, MenuSet menus)
    : FormWindow(name, clientWidthTwips, clientHeightTwips, colour::Orange),
      m_menus(buildMenuBar(menuBar(), menus))
{
    auto page = [this](QAction *action, Page p) {
        connect(action, &QAction::triggered, this, [this, p] { Q_EMIT pageRequested(p); });
    };
    page(m_menus.onlineHelp, Page::Help);
    page(m_menus.visit, Page::Home);
    page(m_menus.update, Page::Download);
    page(m_menus.donate, Page::Donate);
    page(m_menus.makeMoneyOnline, Page::FullBrand);
    connect(m_menus.about, &QAction::triggered, this, &MainForm::aboutRequested);
}

void MainForm::connectLink(LinkLabel *label, Page page)
{
    connect(label, &LinkLabel::clicked, this, [this, page] { Q_EMIT pageRequested(page); });
}

void MainForm::addBanner(QWidget *band, const QRect &rect)
{
    LinkLabel *banner = addLink(band, "bannerLink", bannerCaption(), rect,
                                programFont(9, Bold | Underline), colour::Maroon);
    banner->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    connectLink(banner, Page::Home);
}

void MainForm::addOffers(QWidget *band, int left, int top)
{
    const QRect rect = twipsRect(left, top, 5985, 615);
    const QFont font = programFont(8.25, Bold | Underline);
    m_fullBrand = addLink(band, "fullBrandLink", fullBrandCaption(), rect, font, colour::Maroon);
    m_coBrand = addLink(band, "coBrandLink", labelDisplayText(coBrandCaption()), rect, font,
                        colour::Maroon);
    for (QLabel *offer : {static_cast<QLabel *>(m_fullBrand), static_cast<QLabel *>(m_coBrand)})
        setBackground(offer, colour::Pink);
    connectLink(m_fullBrand, Page::FullBrand);
    connectLink(m_coBrand, Page::CoBrand);
    // By definition the co-branding offer lies in front.
    m_coBrand->raise();
    showOnlyFront();
}

// Both offers fill the same rectangle, so hiding the one beneath changes
// nothing on screen.
void MainForm::showOnlyFront()
{
    QLabel *front = offerInFront();
    QLabel *back = front == m_coBrand ? static_cast<QLabel *>(m_fullBrand) : m_coBrand;
    back->hide();
    front->show();
}

QLabel *MainForm::offerInFront() const
{
    const QObjectList &siblings = m_coBrand->parentWidget()->children();
    // Later children are drawn above earlier ones.
    return siblings.indexOf(m_coBrand) > siblings.indexOf(m_fullBrand) ? m_coBrand : m_fullBrand;
}

void MainForm::putInFront(OfferInFront offer)
{
    if (offer == OfferInFront::CoBrand)
        m_coBrand->raise();
    else if (offer == OfferInFront::FullBrand)
        m_fullBrand->raise();
    showOnlyFront();
}

void MainForm::addExitButton(QWidget *band, const QRect &rect)
{
    m_exit = addButton(band, "exitButton", QCoreApplication::translate("MainForm", "&Exit"), rect,
                       programFont(8.25, Bold), colour::Silver);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_menus.exit, &QAction::triggered, m_exit, &QPushButton::click);
    setCancelButton(m_exit);
    setDefaultButton(m_exit);
}

} // namespace tavrisk::gui
