// Lays out a sample data store, starts the planner on it and writes
// screenshots of what a user sees into the folder given (docs/ by default).
// Run it on an X server: xvfb-run -a -s "-screen 0 1280x1024x24" duetide_screenshots docs
#include "editors/ProjPropF.h"
#include "editors/ProjectEditing.h"
#include "editors/SubjEdit.h"
#include "editors/SubjManageF.h"
#include "editors/SubjectEditing.h"
#include "list/DisplayList.h"
#include "model/DayNumbers.h"
#include "model/StoredText.h"
#include "model/Tables.h"
#include "platform/Clock.h"
#include "support/TestSupport.h"
#include "windows/AboutF.h"
#include "windows/HelpF.h"
#include "windows/MenuButF.h"
#include "windows/MenuF.h"
#include "windows/OptionsF.h"

#include <QDir>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

using namespace MainM;

namespace {

QString outDir;

void Settle()
{
    QTest::qWait(400);
}

void GrabScreen(const QString& name, const QRect& region)
{
    Settle();
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(
        0, region.x(), region.y(), region.width(), region.height());
    shot.save(QDir(outDir).filePath(name));
}

void GrabListArea(const QString& name, int height)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    GrabScreen(name, QRect(area.right() - 600, area.top(), 601, height));
}

// A picture of a modal window, taken from inside its exec(); the window is
// then closed as its own Done or close box would.
template <typename W>
void GrabModal(const QString& name, const std::function<void(W*)>& prepare = {})
{
    WhenModal<W>([name, prepare](W* window) {
        if (prepare)
            prepare(window);
        Settle();
        window->grab().save(QDir(outDir).filePath(name));
        window->QDialog::done(QDialog::Rejected);
    });
}

void SampleData()
{
    const QDate today(2026, 12, 11);
    platform::SetCurrentDate(today);
    const struct
    {
        const char* name;
        QColor colour;
    } subjects[] = {{"Chemistry", {200, 40, 40}},
                    {"History", {30, 144, 255}},
                    {"Music", {128, 128, 128}},
                    {"English", {40, 110, 60}},
                    {"Art", {250, 200, 70}}};
    for (const auto& s : subjects)
        AddSubjectEntry(MakeSubject(QLatin1String(s.name), s.colour));
    const struct
    {
        const char* name;
        const char* subject;
        int days;
        int weighting;
    } projects[] = {
        {"Titration report", "Chemistry", 3, 20},
        {"Source essay", "History", 12, -1},
        {"Composition", "Music", 26, 40},
        {"Poetry analysis", "English", 0, 15},
        {"Portfolio", "Art", 48, -2},
        {"Mock exam", "Chemistry", 19, 30},
        {"Reading log", "English", -2, 5},
    };
    for (const auto& p : projects) {
        auto project = MakeProject(QLatin1String(p.name), QLatin1String(p.subject),
                                   DayNumberOf(today) + p.days);
        project->Weighting = p.weighting;
        AddProjectEntry(project);
    }
}

} // namespace

int main(int argc, char** argv)
{
    App app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(outDir);
    TempVolume volume;
    StartPlanner(volume);
    SampleData();

    DaysView = 1;
    ViewMode = 0;
    DisplayList();
    GrabListArea(QStringLiteral("column-view.png"), 8 * 27 + 22);

    ViewMode = 1;
    DisplayList();
    GrabListArea(QStringLiteral("time-line-view.png"),
                 QGuiApplication::primaryScreen()->availableGeometry().height());

    ViewMode = 0;
    DisplayList();
    GrabModal<ProjPropF>(QStringLiteral("project-editor.png"), [](ProjPropF* editor) {
        editor->NotesTxt->setPlainText(
            QStringLiteral("Include the error analysis\nTwo pages at most"));
    });
    EditProject(2);
    GrabModal<SubjEdit>(QStringLiteral("subject-editor.png"));
    EditSubject(0, false);
    GrabModal<SubjManageF>(QStringLiteral("subject-manager.png"));
    SubjManageF().exec();

    MenuF::Show(MenuButF::Get());
    Settle();
    MenuF::Current()->grab().save(QDir(outDir).filePath(QStringLiteral("menu-panel.png")));
    MenuF::Current()->close();
    HelpF* help = HelpF::Show();
    Settle();
    help->grab().save(QDir(outDir).filePath(QStringLiteral("help.png")));
    help->close();
    OptionsF* options = OptionsF::Show();
    Settle();
    options->grab().save(QDir(outDir).filePath(QStringLiteral("view-options.png")));
    delete options;
    GrabModal<AboutF>(QStringLiteral("about.png"));
    AboutF().exec();

    ResetPlanner();
    return 0;
}
