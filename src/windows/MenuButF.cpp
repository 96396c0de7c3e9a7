#include "MenuButF.h"

#include "Controls.h"
#include "MenuF.h"
#include "app/MenuBar.h"
#include "app/StartUp.h"
#include "editors/ProjectEditing.h"
#include "editors/SubjManageF.h"
#include "editors/SubjectEditing.h"
#include "list/DisplayList.h"
#include "platform/Host.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

QPointer<MenuButF> MenuButF::s_bar;

namespace {

QPushButton* MakeButton(QWidget* bar, const QString& name, const QString& caption, int left,
                        int width)
{
    auto* button = Placed(new QPushButton(caption, bar), name, {left, 0, width, 22});
    QFont font = button->font();
    font.setPixelSize(12);
    button->setFont(font);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

MenuButF* MenuButF::Get()
{
    if (!s_bar)
        new MenuButF; // registers itself before its Open runs the start-up
    return s_bar;
}

void MenuButF::Discard()
{
    delete s_bar;
}

MenuButF::MenuButF()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , BevelButton1(MakeButton(this, "BevelButton1", tr("Add Project"), 0, 76))
    , BevelButton2(MakeButton(this, "BevelButton2", tr("Add Subject"), 75, 76))
    , BevelButton3(MakeButton(this, "BevelButton3", tr("Edit Subjects"), 150, 79))
    , BevelButton5(MakeButton(this, "BevelButton5", QStringLiteral("\u25BC"), 228, 25))
    , BevelButton4(MakeButton(this, "BevelButton4", QStringLiteral("X"), 252, 24))
    , m_dateCheck(new QTimer(this))
    , m_menuBar(std::make_unique<MenuBar1>(this))
{
    s_bar = this;
    setWindowTitle(tr("Buttons"));
    setFixedSize(276, 22);
    QFont bold = BevelButton4->font();
    bold.setBold(true);
    BevelButton4->setFont(bold);

    connect(BevelButton1, &QPushButton::clicked, this, &MenuButF::BevelButton1_Action);
    connect(BevelButton2, &QPushButton::clicked, this, &MenuButF::BevelButton2_Action);
    connect(BevelButton3, &QPushButton::clicked, this, &MenuButF::BevelButton3_Action);
    connect(BevelButton5, &QPushButton::clicked, this, &MenuButF::BevelButton5_Action);
    connect(BevelButton4, &QPushButton::clicked, this, &MenuButF::BevelButton4_Action);

    // A planner left on overnight must not go on saying "Today" for
    // yesterday's deadline.
    m_dateCheck->setInterval(60 * 1000);
    connect(m_dateCheck, &QTimer::timeout, this, [] { MainM::CheckDate(); });
    m_dateCheck->start();

    Open();
}

MenuButF::~MenuButF() = default;

QAction* MenuButF::MenuItem(const QString& name) const
{
    return m_menuBar->Item(name);
}

void MenuButF::closeEvent(QCloseEvent* event)
{
    if (!platform::QuitRequested())
        event->ignore();
}

void MenuButF::Open()
{
    hide();
    if (!MainM::Main())
        platform::Quit();
}

void MenuButF::BevelButton1_Action()
{
    MainM::AddProject();
}

void MenuButF::BevelButton2_Action()
{
    MainM::AddSubject();
}

void MenuButF::BevelButton3_Action()
{
    SubjManageF manager;
    manager.exec();
}

void MenuButF::BevelButton5_Action()
{
    MenuF::Show(this);
}

void MenuButF::BevelButton4_Action()
{
    platform::Quit();
}
