#pragma once

#include "Dialog.h"

#include <QPointer>

class QLabel;
class QListWidget;

// Help: "Getting Started" and "Version History", chosen from a small list.
class HelpF : public Dialog
{
    Q_OBJECT

public:
    // The one window, shown again if open, or a new one.
    static HelpF* Show();

    QListWidget* SelBox;
    QLabel* GStart;
    QLabel* VHist;

private:
    HelpF();
    void Open();
    void SelBox_Change();

    static QPointer<HelpF> s_window;
};
