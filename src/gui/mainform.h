#pragma once

#include "core/promotion/draws.h"
#include "core/web/addresses.h"
#include "gui/formwindow.h"
#include "gui/linklabel.h"
#include "gui/menus.h"

class QPushButton;

namespace tavrisk::gui {

// What the question and result windows share: the menu bar, the banner, the
// two overlapping offer labels and the Exit button. Commands are forwarded
// as signals; the window itself only closes.
class MainForm : public FormWindow
{
    Q_OBJECT
public:
    MainForm(const char *name, int clientWidthTwips, int clientHeightTwips, MenuSet menus);

    const MenuCommands &menus() const { return m_menus; }
    QPushButton *exitButton() const { return m_exit; }
    LinkLabel *fullBrandLabel() const { return m_fullBrand; }
    LinkLabel *coBrandLabel() const { return m_coBrand; }
    // The offer label the user sees and can click.
    QLabel *offerInFront() const;
    // Raises the offer label the draw chose; AsDefined leaves them as laid out.
    // The one beneath is hidden, so neither Tab nor a screen reader finds it.
    void putInFront(OfferInFront offer);

Q_SIGNALS:
    void pageRequested(tavrisk::Page page);
    void aboutRequested();

protected:
    // Lays out the bands; called by the windows once their frames exist.
    void addBanner(QWidget *band, const QRect &rect);
    void addOffers(QWidget *band, int left, int top);
    void addExitButton(QWidget *band, const QRect &rect);
    void connectLink(LinkLabel *label, Page page);

private:
    void showOnlyFront();

    MenuCommands m_menus;
    QPushButton *m_exit = nullptr;
    LinkLabel *m_fullBrand = nullptr;
    LinkLabel *m_coBrand = nullptr;
};

} // namespace tavrisk::gui
