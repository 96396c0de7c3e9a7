#pragma once

#include <QDialog>

class QLabel;

// What the planner's dialog windows share: a fixed size, a white background,
// the place in the middle of the screen, and one place where closing is
// handled, however the window is closed.
class Dialog : public QDialog
{
    Q_OBJECT

public:
    enum class CloseBox { Shown, None };
    Dialog(const QString& title, QSize size, CloseBox closeBox);

    // Centred on the whole screen, not only the part free of panels.
    void CentreOnScreen();

    void done(int result) override;

    // Shows a window that is not modal and puts it in front of the others.
    template <typename W> static W* BringForward(W* window)
    {
        window->show();
        window->raise();
        window->activateWindow();
        return window;
    }

protected:
    // Runs once, whichever way the window closes: close box, Escape,
    // accept() or reject().
    virtual void Closing() {}

    QLabel* AddLabel(const QString& name, const QString& text, const QRect& geometry);

private:
    bool m_closed = false;
};
