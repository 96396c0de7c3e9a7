#pragma once

#include "Dialog.h"

class QLabel;
class QPixmap;

// The about picture, loaded once and kept for the run.
const QPixmap& AboutBox();

// About: the picture, the credits, the version and its date.
class AboutF : public Dialog
{
    Q_OBJECT

public:
    AboutF();

    QLabel* Verlbl;
    QLabel* DateLbl;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Open();
};
