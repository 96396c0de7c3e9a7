#include "MenuButF.h"

#include "app/StartUp.h"
#include "platform/Host.h"

QPointer<MenuButF> MenuButF::s_bar;

MenuButF* MenuButF::Get()
{
    if (!s_bar)
        new MenuButF; // registers itself before its Open runs the start-up
    return s_bar;
}

void MenuButF::Discard()
{
    delete s_bar;
}

MenuButF::MenuButF()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    s_bar = this;
    setWindowTitle(tr("Buttons"));
    setFixedSize(276, 22);
    Open();
}

void MenuButF::Open()
{
    hide();
    if (!MainM::Main())
        platform::Quit();
}
