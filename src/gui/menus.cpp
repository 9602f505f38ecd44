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
    file->setObjectName(QStringLiteral("mnuFile"));
    if (resultWindow)
        m.back = named(file->addAction(QStringLiteral("&Back")), "mnuFileBack");
    m.exit = named(file->addAction(QStringLiteral("E&xit")), "mnuExit");

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    m.onlineHelp = named(help->addAction(QStringLiteral("&Online Help")), "mnuOnline");
    m.visit = named(help->addAction(QStringLiteral("&Visit Us Online")), "mnuVisit");
    named(help->addSeparator(), resultWindow ? "mnuFileSep1" : "mnuHelp1");
    m.update = named(help->addAction(resultWindow ? QStringLiteral("&Check for Software Update")
                                                  : QStringLiteral("Check for Software &Update")),
                     "mnuUpdate");
    named(help->addSeparator(), resultWindow ? "mnuFileSep2" : "mnuHelp2");
    m.about = named(help->addAction(QStringLiteral("&About Software")), "mnuAbout");

    m.donate = named(bar->addAction(QStringLiteral("&Donate")), "mnuDonate");
    m.makeMoneyOnline =
        named(bar->addAction(QStringLiteral("Make Money &Online")), "mnuMakeMoneyOnline");
    // Not offered to the user; nothing in the program lifts this.
    m.makeMoneyOnline->setVisible(false);
    m.makeMoneyOnline->setEnabled(false);
    return m;
}

} // namespace tavrisk::gui
