#pragma once

#include "Dialog.h"

#include <QPointer>

#include <array>

class QLineEdit;
class QRadioButton;

// View Options: the wording of the time left and the weeks threshold. The
// settings change as the user chooses; they are saved and shown on the list
// when the window closes.
class OptionsF : public Dialog
{
    Q_OBJECT

public:
    // The one window, brought forward, or a new one.
    static OptionsF* Show();

    std::array<QRadioButton*, 3> ViewButs;
    QLineEdit* DaysTxt;
    bool SetUp = false;

protected:
    void Closing() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    OptionsF();
    void Open();
    void ViewButs_Action(bool checked);
    void DaysTxt_LostFocus();

    static QPointer<OptionsF> s_window;
};
