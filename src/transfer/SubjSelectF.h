#pragma once

#include "windows/Dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// Chooses the subject to export, and perhaps another name for it in the file.
class SubjSelectF : public Dialog
{
    Q_OBJECT

public:
    SubjSelectF();

    QComboBox* SubjectCmb;
    QCheckBox* ChNameChk;
    QLineEdit* ChNameTxt;
    QPushButton* PushButton1;

private:
    void Open();
    void ChNameTxt_TextChange(const QString& text);
    void PushButton1_Action();
};
