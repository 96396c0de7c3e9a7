#include "app/App.h"
#include "platform/Host.h"
#include "windows/MenuButF.h"

int main(int argc, char** argv)
{
    // The strips must sit at the screen's right edge, and Wayland lets no
    // program place its own windows: use X11 (XWayland) unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    App app(argc, argv);
    MenuButF::Get(); // the default window: its Open runs the start-up
    const int status = platform::QuitRequested() ? 0 : app.exec();
    MenuButF::Discard();
    return status;
}
