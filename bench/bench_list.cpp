// A full rebuild of the list with 50 and 500 shown projects, against the
// floor of moving and repainting as many strips that already exist. Every
// rebuild makes new strips, as the planner always does. Needs an X server.
#include "BenchSupport.h"

#include "app/App.h"
#include "list/DisplayList.h"
#include "list/ProjectF.h"
#include "model/Tables.h"
#include "platform/Host.h"
#include "windows/MenuButF.h"

#include <QDir>
#include <QTemporaryDir>

using namespace MainM;

namespace {

void FillTables(int count)
{
    for (const auto& project : Projects)
        delete project->Form;
    ClearProjects();
    for (int i = 0; i < count; ++i) {
        auto project = std::make_shared<ProjectDef>();
        project->PName = QStringLiteral("Project %1").arg(i);
        project->Subject = QStringLiteral("Subject %1").arg(i % 10);
        project->DueDate = TodayInt + i % 60;
        project->Weighting = i % 100;
        AddProjectEntry(project);
    }
}

void Rebuild(benchmark::State& state)
{
    FillTables(int(state.range(0)));
    for (auto _ : state) {
        DisplayList();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void Floor_MoveAndRepaint(benchmark::State& state)
{
    FillTables(int(state.range(0)));
    DisplayList();
    int shift = 0;
    for (auto _ : state) {
        shift = 1 - shift;
        for (qint32 i = 0; i <= ProjectCount; ++i) {
            ProjectF* strip = Projects[size_t(i)]->Form;
            strip->move(strip->x() - shift, strip->y());
            strip->repaint();
        }
        QCoreApplication::processEvents();
    }
}

} // namespace

BENCHMARK(Floor_MoveAndRepaint)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(Rebuild)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("012345")));
    platform::SetHostOverride({dir.filePath(QStringLiteral("012345/duetide")), dir.path(),
                               dir.filePath(QStringLiteral("home"))});
    MenuButF::Get();
    for (int i = 0; i < 10; ++i) {
        auto subject = std::make_shared<SubjectDef>();
        subject->SName = QStringLiteral("Subject %1").arg(i);
        subject->Colour = std::make_shared<ColourTriplet>(ColourTriplet{quint8(i * 25), 90, 160});
        AddSubjectEntry(subject);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nA full rebuild against moving and repainting existing strips:\n");
    reporter.PrintRatio("Rebuild/50", "Floor_MoveAndRepaint/50");
    reporter.PrintRatio("Rebuild/500", "Floor_MoveAndRepaint/500");
    FillTables(0);
    MenuButF::Discard();
    return 0;
}
