#include "MenuBar.h"

#include "App.h"
#include "platform/Host.h"
#include "windows/OptionsF.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    // The view items are handled by the application object, whichever
    // window is in front.
    if (auto* app = qobject_cast<App*>(QCoreApplication::instance())) {
        if (std::function<void()> handler = app->MenuHandler(QLatin1String(name)))
            QObject::connect(action, &QAction::triggered, action, handler);
    }
    return action;
}

} // namespace

MenuBar1::MenuBar1(QWidget* window)
    : m_bar(new QMenuBar(nullptr))
    , m_viewMenu(m_bar->addMenu(QMenuBar::tr("&View")))
{
    m_bar->setObjectName(QStringLiteral("MenuBar1"));
    m_viewMenu->menuAction()->setObjectName(QStringLiteral("ViewMenu"));
    QMenu* days = m_viewMenu->addMenu(QMenuBar::tr("Days Remaining"));
    days->menuAction()->setObjectName(QStringLiteral("DaysSubmenu"));
    AddItem(days, "ViewDays", QMenuBar::tr("Days"));
    AddItem(days, "ViewDaysandWeeks", QMenuBar::tr("Days and Weeks"));
    AddItem(days, "ViewWeeks", QMenuBar::tr("Weeks"));

    QAction* preferences = AddItem(m_viewMenu, "OptionsF", QMenuBar::tr("Preferences"));
    preferences->setMenuRole(QAction::PreferencesRole);
    QObject::connect(preferences, &QAction::triggered, preferences, [] { OptionsF::Show(); });

    QAction* quit = AddItem(m_viewMenu, "FileQuit", QMenuBar::tr("Quit"));
    quit->setMenuRole(QAction::QuitRole);
    quit->setShortcut(QKeySequence::Quit);
    quit->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(quit, &QAction::triggered, quit, [] { platform::Quit(); });

    window->addAction(quit);
    window->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        window, &QWidget::customContextMenuRequested, m_viewMenu,
        [this, window](const QPoint& at) { m_viewMenu->exec(window->mapToGlobal(at)); });
}

MenuBar1::~MenuBar1()
{
    delete m_bar;
}

QAction* MenuBar1::Item(const QString& name) const
{
    return m_bar->findChild<QAction*>(name);
}
