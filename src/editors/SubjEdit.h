#pragma once

#include "windows/Dialog.h"

#include <array>
#include <memory>

class ColourTriplet;
class QLineEdit;
class QPushButton;
class QScrollBar;
class Swatch;

// The subject editor: a name, and a colour mixed on three bars, each on a
// swatch of its own component. The bars change the subject's own colour
// object, so the table follows every move. Done is the only way out.
class SubjEdit : public Dialog
{
    Q_OBJECT

public:
    SubjEdit();

    // Sets the bars and swatches from Colour.
    void UpdateCol();

    std::shared_ptr<ColourTriplet> Colour; // the subject's own, not a copy
    qint32 EditID = 0;
    bool Updating = false;
    bool FromSubjManage = false;

    QLineEdit* SNameTxt;
    Swatch* ColourRect;
    std::array<Swatch*, 3> CRect;
    std::array<QScrollBar*, 3> CScroll;
    QPushButton* DoneBut;

    void reject() override; // no close box: Escape does nothing either

private:
    void Open();
    void CScroll_ValueChanged();
    void DoneBut_Action();
    void ShowColour();
};
