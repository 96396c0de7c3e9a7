// Loading and saving a large store (10,000 projects, 200 subjects), each
// against the floor of reading the same file and cutting it into lines.
#include "BenchSupport.h"

#include "model/Tables.h"
#include "store/ProjectsFile.h"
#include "store/SubjectsFile.h"

#include <QFile>
#include <QTemporaryDir>

using namespace MainM;

namespace {

QTemporaryDir* store = nullptr;

void MakeStore()
{
    store = new QTemporaryDir;
    DataRoot = platform::FolderItem::FromPath(store->path());
    for (int i = 0; i < 200; ++i) {
        auto subject = std::make_shared<SubjectDef>();
        subject->SName = QStringLiteral("Subject number %1").arg(i);
        subject->Colour = std::make_shared<ColourTriplet>();
        subject->Colour->SetFromInt(i * 40000);
        AddSubjectEntry(subject);
    }
    for (int i = 0; i < 10000; ++i) {
        auto project = std::make_shared<ProjectDef>();
        project->ID = qint16(i);
        project->PName = QStringLiteral("Project %1, part two").arg(i);
        project->Subject = QStringLiteral("Subject number %1").arg(i % 200);
        project->DueDate = 45000 + i % 700;
        project->ClassV = qint16(i % 4);
        project->Weighting = i % 100;
        project->Description = QStringLiteral("Notes for project %1|Second line of notes").arg(i);
        AddProjectEntry(project);
    }
    NextProjectID = 10000;
    SaveSubjects();
    SaveProjects();
}

// Read the whole file and cut it into lines: what any loader must do at least.
void ReadAndSplit(benchmark::State& state, const QString& name)
{
    for (auto _ : state) {
        QFile file(store->filePath(name));
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        QList<QByteArrayView> lines;
        qsizetype start = 0;
        for (qsizetype at = bytes.indexOf('\n'); at >= 0; at = bytes.indexOf('\n', start)) {
            lines << QByteArrayView(bytes).sliced(start, at - start);
            start = at + 1;
        }
        benchmark::DoNotOptimize(lines);
    }
}

void Floor_Projects(benchmark::State& state)
{
    ReadAndSplit(state, QStringLiteral("Projects.txt"));
}
void Floor_Subjects(benchmark::State& state)
{
    ReadAndSplit(state, QStringLiteral("Subjects.txt"));
}
void Load_Projects(benchmark::State& state)
{
    for (auto _ : state)
        LoadProjects();
}
void Save_Projects(benchmark::State& state)
{
    for (auto _ : state)
        SaveProjects();
}
void Load_Subjects(benchmark::State& state)
{
    for (auto _ : state)
        LoadSubjects();
}
void Save_Subjects(benchmark::State& state)
{
    for (auto _ : state)
        SaveSubjects();
}

} // namespace

BENCHMARK(Floor_Projects)->Unit(benchmark::kMillisecond);
BENCHMARK(Load_Projects)->Unit(benchmark::kMillisecond);
BENCHMARK(Save_Projects)->Unit(benchmark::kMillisecond);
BENCHMARK(Floor_Subjects)->Unit(benchmark::kMicrosecond);
BENCHMARK(Load_Subjects)->Unit(benchmark::kMicrosecond);
BENCHMARK(Save_Subjects)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    MakeStore();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nAgainst the floor of reading the file and cutting it into lines:\n");
    reporter.PrintRatio("Load_Projects", "Floor_Projects");
    reporter.PrintRatio("Save_Projects", "Floor_Projects");
    reporter.PrintRatio("Load_Subjects", "Floor_Subjects");
    reporter.PrintRatio("Save_Subjects", "Floor_Subjects");
    delete store;
    return 0;
}
