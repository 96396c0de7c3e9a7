#include "HelpF.h"

#include "Controls.h"

#include <QLabel>
#include <QListWidget>

QPointer<HelpF> HelpF::s_window;

namespace {

QString GettingStarted()
{
    return QStringList{
        HelpF::tr("To start using Duetide, make sure the program is on the drive where you plan to "
                  "keep your data. If it is not, close Duetide, move it to the correct drive and "
                  "start it again. The first thing to do is to register all of your classes with "
                  "the Add Subject button. Having done this use the Add Project button to add all "
                  "of the assessment for each class."),
        QString(),
        HelpF::tr(
            "Each project you add will appear in the list at the top right with the number of "
            "days remaining before the due date. To change any of a project's properties, "
            "double click on it in the list and edit the details as necessary. To remove it "
            "from the list change its Class to Delivered."),
        HelpF::tr("If you don't know what a project is worth you can type a question mark or a "
                  "space into the wieghting field."),
    }
        .join(u'\n');
}

QString VersionHistory()
{
    return QStringList{
        HelpF::tr("Version 1.3"),
        HelpF::tr("Alllowed users to export subjects under a different name"),
        QString(),
        HelpF::tr("Version 1.2"),
        HelpF::tr("Added new view options to mirror the Windows version"),
        QString(),
        HelpF::tr("Version 1.1"),
        HelpF::tr("Made allowances for execution from Kestrel College's network by staff users"),
        HelpF::tr("Added the option to switch views"),
        QString(),
        HelpF::tr("Version 1.0"),
        HelpF::tr("First Mac version"),
        HelpF::tr("Aside from the bare necessities, Import and Export functions were included, as "
                  "well as help"),
    }
        .join(u'\n');
}

QLabel* TextLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* label = Placed(new QLabel(text, parent), name, geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(label, Qt::black);
    return label;
}

} // namespace

HelpF* HelpF::Show()
{
    if (!s_window)
        s_window = new HelpF;
    return BringForward(s_window.data());
}

HelpF::HelpF()
    : Dialog(tr("Help"), {469, 295}, CloseBox::Shown)
    , SelBox(Placed(new QListWidget(this), "SelBox", {7, 8, 106, 34}))
    , GStart(TextLabel(this, "GStart", GettingStarted(), {125, 8, 334, 278}))
    , VHist(TextLabel(this, "VHist", VersionHistory(), {125, 9, 334, 278}))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    AddLine(this, "Separator1", {118, 8, 2, 279}, QFrame::VLine);
    connect(SelBox, &QListWidget::itemSelectionChanged, this, &HelpF::SelBox_Change);
    Open();
}

void HelpF::Open()
{
    CentreOnScreen();
    SelBox->addItem(tr("Getting Started"));
    SelBox->addItem(tr("Version History"));
    SelBox->setCurrentRow(0);
}

void HelpF::SelBox_Change()
{
    const QList<QListWidgetItem*> selected = SelBox->selectedItems();
    if (selected.isEmpty())
        return; // the text on view stays
    const bool gettingStarted = SelBox->row(selected.constFirst()) == 0;
    (gettingStarted ? VHist : GStart)->hide();
    (gettingStarted ? GStart : VHist)->show();
}
