#include "gui/aboutbox.h"

#include "core/program.h"

#include "gui/controls.h"
#include "gui/formwindow.h"
#include "gui/icon.h"
#include "gui/linklabel.h"
#include "gui/look.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPushButton>

namespace tavrisk::gui {

QString aboutText()
{
    return QCoreApplication::translate(
        "AboutBox", "QV Tavrisk is a fun game and tells you more about what is precious to "
                    "you. This is a personality test based on Japanese Animal Archetypes. "
                    "All rights in this program belong to its publisher, Quorvane "
                    "Softwares.");
}

QString homePageLinkText()
{
    return QCoreApplication::translate("AboutBox", "Click here to visit %1").arg(siteHost());
}

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setUpWindow(this, "aboutBox");
    setModal(true);
    setFixedSize(px(6345), px(3960));
    setBackground(this, colour::Orange);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("programIcon"));
    place(icon, twipsRect(150, 150, 510, 510));
    icon->setPixmap(programIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const QFont bold = programFont(8.25, Bold);
    QPushButton *ok = addButton(this, "okButton", QCoreApplication::translate("AboutBox", "&OK"),
                                twipsRect(4920, 3480, 1260, 345), bold, colour::Silver);
    ok->setAutoDefault(true);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    const QFont link = programFont(8.25, Bold | Underline);
    LinkLabel *home = addLink(this, "homePageLink", homePageLinkText(),
                              twipsRect(1560, 2040, 4650, 195), link, colour::Maroon, Fit::ToText);
    LinkLabel *details = addLink(
        this, "detailsLink", QCoreApplication::translate("AboutBox", "Click here for more details"),
        twipsRect(3600, 3120, 2610, 195), link, colour::Maroon, Fit::ToText);
    for (QLabel *l : {static_cast<QLabel *>(home), static_cast<QLabel *>(details)})
        setBackground(l, colour::Pink);
    connect(home, &LinkLabel::clicked, this, [this] { Q_EMIT pageRequested(Page::Home); });
    connect(details, &LinkLabel::clicked, this, [this] { Q_EMIT pageRequested(Page::FullBrand); });

    addLabel(this, "opportunityText",
             QCoreApplication::translate(
                 "AboutBox", "Home Business Opportunity. Start your own Internet business and make "
                             "money online. Get this software fully branded for your website."),
             twipsRect(240, 2430, 5775, 615), bold, colour::DarkRed, Fit::Wrapped);

    auto *rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("rule"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    place(rule, QRect(px(-60), px(3360), px(6420), 1));

    addLabel(this, "captionText", text::windowCaption(), twipsRect(960, 240, 4725, 240),
             programFont(9.75, Bold), palette().color(QPalette::WindowText), Fit::ToText);
    addLabel(this, "aboutText", aboutText(), twipsRect(210, 960, 5745, 855), programFont(8.25),
             colour::DarkRed, Fit::Wrapped);

    ok->setFocus();
}

bool AboutBox::focusNextPrevChild(bool next)
{
    return focusNextStop(this, findChild<QWidget *>(QStringLiteral("okButton")), next);
}

} // namespace tavrisk::gui
