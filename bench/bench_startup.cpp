// Start-up of the real program on a store of 50 projects, to the moment its
// button bar is on the screen, against a Qt program that shows one frameless
// window. Both are timed from process start until the X server lists the
// window; the median of several runs is reported. Needs an X server and
// xdotool.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double MillisecondsToWindow(const QString& program, const QString& title)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(program, {});
    // xdotool's own --sync waits half a second between looks; look often.
    for (;;) {
        QProcess search;
        search.start(QStringLiteral("xdotool"),
                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--name"), title});
        search.waitForFinished(5000);
        if (!search.readAllStandardOutput().trimmed().isEmpty() || timer.elapsed() > 30000)
            break;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    process.kill();
    process.waitForFinished();
    return ms;
}

double Median(const QString& program, const QString& title, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(MillisecondsToWindow(program, title));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString store = dir.filePath(QStringLiteral("012345/Ferrowind/Duetide"));
    QDir().mkpath(store);
    const QString program = dir.filePath(QStringLiteral("012345/duetide"));
    QFile::copy(QStringLiteral(DUETIDE_BINARY), program);
    QFile subjects(store + QStringLiteral("/Subjects.txt"));
    subjects.open(QIODevice::WriteOnly);
    subjects.write("\"History\",16748574\r\n");
    subjects.close();
    QFile projects(store + QStringLiteral("/Projects.txt"));
    projects.open(QIODevice::WriteOnly);
    projects.write("50\r\n");
    for (int i = 0; i < 50; ++i)
        projects.write(QStringLiteral("%1,\"Project %1\",\"History\",%2,0,10,\"\"\r\n")
                           .arg(i)
                           .arg(46000 + i)
                           .toUtf8());
    projects.close();

    const int runs = 9;
    const double planner = Median(program, QStringLiteral("^Buttons$"), runs);
    const double empty = Median(QStringLiteral(EMPTY_WINDOW), QStringLiteral("^Empty$"), runs);
    std::printf("start-up to the bar, 50 projects: %.1f ms (median of %d)\n", planner, runs);
    std::printf("start-up of an empty Qt window:   %.1f ms (median of %d)\n", empty, runs);
    std::printf("%-40s %6.2fx %s\n", "Startup_50", planner / empty, "EmptyWindow");
    return 0;
}
