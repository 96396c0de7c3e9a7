#pragma once

#include <QPointer>
#include <QWidget>

// The button bar: the program's one permanent window, beside the strips.
// Creating it runs the whole start-up.
class MenuButF : public QWidget
{
    Q_OBJECT

public:
    // The one bar, created on first request.
    static MenuButF* Get();
    // Ends the bar at the end of the run.
    static void Discard();

private:
    MenuButF();
    void Open();

    static QPointer<MenuButF> s_bar;
};
