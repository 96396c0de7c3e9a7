#include "OptionsF.h"

#include "Controls.h"
#include "list/DisplayList.h"
#include "model/Tables.h"
#include "store/Fields.h"
#include "store/SettingsFile.h"

#include <QEvent>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

QPointer<OptionsF> OptionsF::s_window;

OptionsF* OptionsF::Show()
{
    if (!s_window)
        s_window = new OptionsF;
    return BringForward(s_window.data());
}

OptionsF::OptionsF()
    : Dialog(tr("View Options"), {300, 91}, CloseBox::Shown)
    , DaysTxt(Placed(new QLineEdit(this), "DaysTxt", {143, 59, 32, 21}))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    AddLabel("StaticText1", tr("View time remaining as..."), {6, 3, 235, 17});
    AddLabel("StaticText2", tr("days"), {181, 61, 46, 19});
    const QString captions[] = {tr("days only"), tr("weeks and days"), tr("weeks only after")};
    const QRect places[] = {{14, 23, 197, 14}, {14, 43, 197, 14}, {14, 63, 125, 14}};
    for (size_t i = 0; i < 3; ++i) {
        ViewButs[i] = Placed(new QRadioButton(captions[i], this),
                             QStringLiteral("ViewButs%1").arg(i), places[i]);
        connect(ViewButs[i], &QRadioButton::toggled, this, &OptionsF::ViewButs_Action);
    }
    DaysTxt->installEventFilter(this);
    Open();
}

void OptionsF::Open()
{
    SetUp = true;
    CentreOnScreen();
    // A wording from a damaged settings file has no button: none is selected.
    if (MainM::DaysView < ViewButs.size())
        ViewButs[MainM::DaysView]->setChecked(true);
    DaysTxt->setText(QString::number(MainM::DaysViewDays));
    SetUp = false;
}

void OptionsF::ViewButs_Action(bool checked)
{
    // Each change unchecks one button and checks another: act on the second.
    if (SetUp || !checked)
        return;
    quint8 selected = 0;
    for (quint8 i = 0; i < ViewButs.size(); ++i) {
        if (ViewButs[i]->isChecked())
            selected = i;
    }
    if (MainM::DaysView != selected)
        MainM::DaysView = selected;
    setFocus();
}

void OptionsF::DaysTxt_LostFocus()
{
    const double typed = MainM::LeadingNumber(DaysTxt->text());
    if (typed == MainM::DaysViewDays)
        return;
    const auto days = quint8(std::clamp(std::trunc(typed), 0.0, 255.0));
    // A new threshold only means something for "weeks only after".
    if (days != MainM::DaysViewDays)
        ViewButs[2]->setChecked(true);
    MainM::DaysViewDays = days;
    DaysTxt->setText(QString::number(days));
}

bool OptionsF::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DaysTxt && event->type() == QEvent::FocusOut)
        DaysTxt_LostFocus();
    return Dialog::eventFilter(watched, event);
}

void OptionsF::Closing()
{
    // A threshold still being typed counts, as if the field had been left.
    DaysTxt_LostFocus();
    MainM::SaveSettings();
    MainM::DisplayList();
}
