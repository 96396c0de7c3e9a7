#pragma once

#include "windows/Dialog.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QPushButton;
class Swatch;

// The subject manager: choose a subject, then edit it, delete it or hide its
// projects. Changes go into the table at once; the list, the order and the
// file follow when the window closes. Row k of the list is subject k.
class SubjManageF : public Dialog
{
    Q_OBJECT

public:
    SubjManageF();
    ~SubjManageF() override;

    // The open manager, if any.
    static SubjManageF* Current();

    QComboBox* SubjectCmb;
    Swatch* ColourRect;
    QPushButton* EditBut;
    QPushButton* DelBut;
    QCheckBox* VisiChk;

protected:
    void Closing() override;

private:
    void Open();
    void SubjectCmb_Change();
    void EditBut_Action();
    void DelBut_Action();
    void VisiChk_Action();
    void VisiChk_Close();
    void FillList();

    bool Updating = false;
    static QPointer<SubjManageF> s_current;
};
