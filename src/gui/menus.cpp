#include "gui/menus.h"

#include <QAction>
#include <QCoreApplication>
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

    QMenu *file = bar->addMenu(QCoreApplication::translate("Menus", "&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    if (resultWindow)
        m.back =
            named(file->addAction(QCoreApplication::translate("Menus", "&Back")), "backAction");
    m.exit = named(file->addAction(QCoreApplication::translate("Menus", "E&xit")), "exitAction");

    QMenu *help = bar->addMenu(QCoreApplication::translate("Menus", "&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    m.onlineHelp = named(help->addAction(QCoreApplication::translate("Menus", "&Online Help")),
                         "onlineHelpAction");
    m.visit = named(help->addAction(QCoreApplication::translate("Menus", "&Visit Us Online")),
                    "visitAction");
    named(help->addSeparator(), "helpSeparator1");
    m.update = named(
        help->addAction(resultWindow
                            ? QCoreApplication::translate("Menus", "&Check for Software Update")
                            : QCoreApplication::translate("Menus", "Check for Software &Update")),
        "updateAction");
    named(help->addSeparator(), "helpSeparator2");
    m.about = named(help->addAction(QCoreApplication::translate("Menus", "&About Software")),
                    "aboutAction");

    m.donate =
        named(bar->addAction(QCoreApplication::translate("Menus", "&Donate")), "donateAction");
    m.makeMoneyOnline =
        named(bar->addAction(QCoreApplication::translate("Menus", "Make Money &Online")),
              "makeMoneyOnlineAction");
    // Not offered to the user; nothing in the program lifts this.
    m.makeMoneyOnline->setVisible(false);
    m.makeMoneyOnline->setEnabled(false);
    return m;
}

} // namespace tavrisk::gui
