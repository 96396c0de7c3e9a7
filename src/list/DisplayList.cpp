#include "DisplayList.h"

#include "windows/MenuButF.h"

#include <QGuiApplication>
#include <QScreen>

namespace MainM {

void DisplayList()
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    MenuButF* bar = MenuButF::Get();
    bar->move(area.x() + area.width() - bar->width(), area.top());
    bar->show();
    bar->activateWindow();
    bar->setFocus();
}

} // namespace MainM
