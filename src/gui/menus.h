#pragma once

class QAction;
class QMenuBar;

namespace tavrisk::gui {

// The menu commands of a main window; `back` exists on the result window only.
struct MenuCommands
{
    QAction *back = nullptr;
    QAction *exit = nullptr;
    QAction *onlineHelp = nullptr;
    QAction *visit = nullptr;
    QAction *update = nullptr;
    QAction *about = nullptr;
    QAction *donate = nullptr;
    QAction *makeMoneyOnline = nullptr;
};

// File and Help menus, Donate, and the Make Money Online item nobody can choose.
// The two main windows' menus differ a little: the result window has Back.
enum class MenuSet { Question, Result };
MenuCommands buildMenuBar(QMenuBar *bar, MenuSet set);

} // namespace tavrisk::gui
