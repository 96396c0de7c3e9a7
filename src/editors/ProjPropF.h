#pragma once

#include "windows/Dialog.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The project editor: every property of one project. Done stores them,
// rebuilds the list and saves; the close box leaves the project as it was.
class ProjPropF : public Dialog
{
    Q_OBJECT

public:
    ProjPropF();

    // Fills the subject and class lists, selects the current entries and
    // shows the window; returns when it has closed.
    void Display();

    QString Subject;       // the subject name Done will store
    qint16 ClassV = 0;     // the class to preselect
    qint16 WeightingV = 0; // what the weighting text stands for
    qint16 EditID = 0;     // index in Projects of the project edited

    QLineEdit* NameTxt;
    QComboBox* SubjectCmb;
    QLineEdit* DueDateTxt;
    QLineEdit* WeightTxt;
    QComboBox* ClassCmb;
    QPlainTextEdit* NotesTxt;
    QPushButton* DoneBut;

private:
    void Open();
    void WeightTxt_TextChange(const QString& text);
    void SubjectCmb_TextChanged(const QString& text);
    void DueDateTxt_TextChange();
    void DoneBut_Action();
    void ShowDateError(bool shown);

    QWidget* DateErrorLbl;
    bool Updating = false;
};
