#include "App.h"

#include "list/DisplayList.h"
#include "model/Tables.h"
#include "store/SettingsFile.h"

#include <QFont>

App::App(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Duetide"));
    setApplicationVersion(QStringLiteral(DUETIDE_VERSION));

    // Every window is laid out in fixed pixels; a fixed font keeps the texts
    // inside their boxes on every desktop.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    setFont(font);

    m_menuHandlers.insert(QStringLiteral("ViewDays"), [this] { _ViewDays_Action(); });
    m_menuHandlers.insert(QStringLiteral("ViewDaysandWeeks"),
                          [this] { _ViewDaysandWeeks_Action(); });
    m_menuHandlers.insert(QStringLiteral("ViewWeeks"), [this] { _ViewWeeks_Action(); });
}

std::function<void()> App::MenuHandler(const QString& itemName) const
{
    return m_menuHandlers.value(itemName);
}

void App::_ViewDays_Action()
{
    ChooseWording(0);
}

void App::_ViewDaysandWeeks_Action()
{
    ChooseWording(1);
}

void App::_ViewWeeks_Action()
{
    ChooseWording(2);
}

void App::ChooseWording(quint8 daysView)
{
    MainM::DaysView = daysView;
    MainM::DisplayList();
    MainM::SaveSettings();
}
