#pragma once

#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The application's menu bar. On desktops without a global menu it is never
// on screen, so `window` (the button bar) also carries its actions, for the
// shortcuts, and offers the View menu as its context menu.
class MenuBar1
{
public:
    explicit MenuBar1(QWidget* window);
    ~MenuBar1();
    MenuBar1(const MenuBar1&) = delete;
    MenuBar1& operator=(const MenuBar1&) = delete;

    // An item by its name: "ViewMenu", "DaysSubmenu", "ViewDays",
    // "ViewDaysandWeeks", "ViewWeeks", "OptionsF" or "FileQuit".
    QAction* Item(const QString& name) const;
    QMenu* ViewMenu() const { return m_viewMenu; }

private:
    QMenuBar* m_bar;
    QMenu* m_viewMenu;
};
