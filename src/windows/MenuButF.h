#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

class MenuBar1;
class QAction;
class QPushButton;
class QTimer;

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

    ~MenuButF() override;

    // An item of the menu bar by its name ("ViewWeeks", "FileQuit", ...).
    QAction* MenuItem(const QString& name) const;

protected:
    // The bar cannot be closed by the user: only X and Quit end the program.
    void closeEvent(QCloseEvent* event) override;

private:
    MenuButF();
    void Open();

    void BevelButton1_Action();
    void BevelButton2_Action();
    void BevelButton3_Action();
    void BevelButton5_Action();
    void BevelButton4_Action();

    QPushButton* BevelButton1;
    QPushButton* BevelButton2;
    QPushButton* BevelButton3;
    QPushButton* BevelButton5;
    QPushButton* BevelButton4;
    QTimer* m_dateCheck;
    std::unique_ptr<MenuBar1> m_menuBar;

    static QPointer<MenuButF> s_bar;
};
