#pragma once

#include <QApplication>
#include <QHash>

#include <functional>

// The application object. It owns the handlers of the view menu, so that they
// work whichever window is in front.
class App : public QApplication
{
    Q_OBJECT

public:
    App(int& argc, char** argv);

    // The handler registered for a menu item name, or an empty function.
    std::function<void()> MenuHandler(const QString& itemName) const;

    void _ViewDays_Action();
    void _ViewDaysandWeeks_Action();
    void _ViewWeeks_Action();

private:
    // The wording of the time left takes effect at once and is kept.
    void ChooseWording(quint8 daysView);

    QHash<QString, std::function<void()>> m_menuHandlers;
};
