#pragma once

#include <QDialog>
#include <QPointer>

class QPushButton;

// The menu panel that drops down from the button bar with the less frequent
// commands. Every button closes the panel first, so that what it opens
// stands alone.
class MenuF : public QDialog
{
    Q_OBJECT

public:
    // Shows the one panel under the bar (above it when there is no room).
    static MenuF* Show(QWidget* bar);
    static MenuF* Current();

    QPushButton* CloseBut;
    QPushButton* AboutBut;
    QPushButton* OptionsBut;
    QPushButton* HelpBut;
    QPushButton* ImpBut;
    QPushButton* ExpBut;
    QPushButton* SwitchBut;

private:
    explicit MenuF(QWidget* bar);
    QPushButton* AddButton(const char* name, const QString& caption, const QRect& geometry,
                           void (*command)());

    static QPointer<MenuF> s_panel;
};
