#include "MenuF.h"

#include "AboutF.h"
#include "Controls.h"
#include "HelpF.h"
#include "OptionsF.h"
#include "list/DisplayList.h"
#include "model/Tables.h"
#include "transfer/SubjSelectF.h"
#include "transfer/Transfer.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

QPointer<MenuF> MenuF::s_panel;

namespace {

void ShowAbout()
{
    AboutF about;
    about.exec();
}

void ShowExport()
{
    SubjSelectF select;
    select.exec();
}

void SwitchView()
{
    MainM::ViewMode = MainM::ViewMode == 0 ? 1 : 0;
    MainM::DisplayList();
}

} // namespace

MenuF* MenuF::Show(QWidget* bar)
{
    if (!s_panel)
        s_panel = new MenuF(bar);
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect under = bar->frameGeometry();
    int top = under.bottom() + 1;
    if (top + s_panel->height() > free.bottom() + 1)
        top = under.top() - s_panel->height();
    s_panel->move(under.right() + 1 - s_panel->width(), top);
    s_panel->show();
    s_panel->activateWindow();
    return s_panel;
}

MenuF* MenuF::Current()
{
    return s_panel;
}

MenuF::MenuF(QWidget* bar)
    : QDialog(bar, Qt::Dialog | Qt::FramelessWindowHint)
    , CloseBut(AddButton("CloseBut", QStringLiteral("X"), {11, 4, 33, 18}, [] {}))
    , AboutBut(AddButton("AboutBut", tr("About"), {11, 29, 120, 18}, ShowAbout))
    , OptionsBut(
          AddButton("OptionsBut", tr("View Options"), {11, 53, 120, 18}, [] { OptionsF::Show(); }))
    , HelpBut(AddButton("HelpBut", tr("Help"), {11, 77, 120, 18}, [] { HelpF::Show(); }))
    , ImpBut(AddButton("ImpBut", tr("Import Projects"), {11, 109, 120, 18}, MainM::ImportSubject))
    , ExpBut(AddButton("ExpBut", tr("Export Projects"), {11, 134, 120, 18}, ShowExport))
    , SwitchBut(AddButton("SwitchBut", tr("Switch View"), {11, 165, 120, 18}, SwitchView))
{
    setWindowTitle(tr("Untitled"));
    setFixedSize(143, 195);
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    QFont bold = CloseBut->font();
    bold.setBold(true);
    CloseBut->setFont(bold);
    AddLine(this, "Separator1", {11, 101, 120, 2}, QFrame::HLine);
    AddLine(this, "Separator2", {11, 158, 120, 2}, QFrame::HLine);
}

QPushButton* MenuF::AddButton(const char* name, const QString& caption, const QRect& geometry,
                              void (*command)())
{
    auto* button = Placed(new QPushButton(caption, this), name, geometry);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, command] {
        close();
        command();
    });
    return button;
}
