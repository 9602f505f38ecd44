#include "gui/menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tavrisk::gui {

namespace {
QAction *named(QAction *action, const char *name)
{
    action->setObjectName(QLatin1String(name));
    return action;
}
} // namespace

MenuCommands buildMenuBar(QMenuBar *bar, MenuSet set)
{
    const bool resultWindow = set == MenuSet::Result;
    MenuCommands m;
    // Native menu bars would move the menus out of the window on macOS and
    // some Linux desktops; the window's size is given with its menu bar.
    bar->setNativeMenuBar(false);

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    if (resultWindow)
        m.back = named(file->addAction(QStringLiteral("&Back")), "backAction");
    m.exit = named(file->addAction(QStringLiteral("E&xit")), "exitAction");

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    m.onlineHelp = named(help->addAction(QStringLiteral("&Online Help")), "onlineHelpAction");
    m.visit = named(help->addAction(QStringLiteral("&Visit Us Online")), "visitAction");
    named(help->addSeparator(), "helpSeparator1");
    m.update = named(help->addAction(resultWindow ? QStringLiteral("&Check for Software Update")
                                                  : QStringLiteral("Check for Software &Update")),
                     "updateAction");
    named(help->addSeparator(), "helpSeparator2");
    m.about = named(help->addAction(QStringLiteral("&About Software")), "aboutAction");

    m.donate = named(bar->addAction(QStringLiteral("&Donate")), "donateAction");
    m.makeMoneyOnline =
        named(bar->addAction(QStringLiteral("Make Money &Online")), "makeMoneyOnlineAction");
    // Not offered to the user; nothing in the program lifts this.
    m.makeMoneyOnline->setVisible(false);
    m.makeMoneyOnline->setEnabled(false);
    return m;
}

} // namespace tavrisk::gui
