#include "model/Tables.h"
#include "store/Lines.h"
#include "store/ProjectsFile.h"
#include "store/SettingsFile.h"
#include "store/SubjectsFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

#include <array>
#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

using namespace MainM;

// Saves are killed with SIGKILL at random moments, in a child process that
// saves over and over; after every kill the files must load whole, holding
// either the old or the new content. DUETIDE_CRASH_KILLS sets the number of
// kills per file (200 by default).
class TestCrashSafety : public QObject
{
    Q_OBJECT

    int m_kills = 200;

    struct Figures
    {
        int kills = 0;
        int caughtMidSave = 0; // a temporary file or a partial line was left
    };

    // Forks a child that runs `saveForever`, kills it after a random moment
    // and hands back to `check` after each kill.
    void KillRepeatedly(const TempStore& store, const std::function<void()>& saveForever,
                        const std::function<void()>& check, Figures& figures)
    {
        QRandomGenerator random(20261211);
        for (int k = 0; k < m_kills; ++k) {
            const pid_t child = fork();
            if (child == 0) {
                saveForever();
                _exit(0);
            }
            QVERIFY(child > 0);
            usleep(useconds_t(random.bounded(200, 6000)));
            kill(child, SIGKILL);
            int status = 0;
            waitpid(child, &status, 0);
            QVERIFY2(WIFSIGNALED(status), "the saving child ended by itself");
            ++figures.kills;

            const QStringList leftovers =
                QDir(store.Path()).entryList({QStringLiteral("*.duetide-save-*")}, QDir::Files);
            figures.caughtMidSave += leftovers.isEmpty() ? 0 : 1;
            for (const QString& name : leftovers)
                QFile::remove(store.Path(name));
            check();
            if (QTest::currentTestFailed())
                return;
        }
    }

    // A file rewritten whole, over and over, with version 0 and version 1 of
    // its content in turn: after every kill it must hold one of the two.
    // `loadsWhole` then reads it back through the planner's own loader.
    void KillWhileAlternating(const TempStore& store, const QString& file,
                              const std::array<QByteArray, 2>& contents,
                              const std::function<void(int version)>& saveVersion,
                              const std::function<void()>& loadsWhole = {})
    {
        store.Write(file, contents[0]);
        Figures figures;
        KillRepeatedly(
            store,
            [&] {
                for (int version = 0;; version = 1 - version)
                    saveVersion(version);
            },
            [&] {
                const QByteArray now = store.Read(file);
                QVERIFY2(now == contents[0] || now == contents[1],
                         qPrintable(file + QStringLiteral(" is damaged")));
                if (loadsWhole)
                    loadsWhole();
            },
            figures);
        Report(qPrintable(file), figures);
    }

    void Report(const char* file, const Figures& figures)
    {
        qInfo("%s: %d kills, %d of them in the middle of a write", file, figures.kills,
              figures.caughtMidSave);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const int kills = qEnvironmentVariableIntValue("DUETIDE_CRASH_KILLS");
        if (kills > 0)
            m_kills = kills;
    }
    void init() { ResetPlanner(); }

    // Few records with long texts, so that most of a save's time is spent
    // writing and the kills land there often.
    void subjectsFile()
    {
        TempStore store;
        std::vector<std::shared_ptr<SubjectDef>> tables[2];
        std::array<QByteArray, 2> contents;
        for (int t = 0; t < 2; ++t) {
            for (int i = 0; i < 40; ++i) {
                auto subject = ParseSubjectLine(QStringLiteral("\"%1 %2 %3\",%2")
                                                    .arg(t ? u'B' : u'A')
                                                    .arg(i)
                                                    .arg(QString(5000, u'n')));
                contents[t] += SubjectLine(subject->SName, *subject->Colour).toUtf8();
                tables[t].push_back(subject);
            }
        }
        KillWhileAlternating(
            store, QStringLiteral("Subjects.txt"), contents,
            [&](int version) {
                ClearSubjects();
                for (const auto& subject : tables[version])
                    AddSubjectEntry(subject);
                SaveSubjects();
            },
            [] {
                QVERIFY(LoadSubjects());
                QCOMPARE(SubjectCount, 39);
            });
    }

    void projectsFile()
    {
        TempStore store;
        std::vector<std::shared_ptr<ProjectDef>> tables[2];
        std::array<QByteArray, 2> contents;
        for (int t = 0; t < 2; ++t) {
            contents[t] = QByteArray::number(t) + "\r\n";
            for (int i = 0; i < 40; ++i) {
                auto project =
                    ParseProjectLine(QStringLiteral("%1,\"Work %2\",\"History\",40000,%3,20,\"%4\"")
                                         .arg(i)
                                         .arg(t)
                                         .arg(t)
                                         .arg(QString(5000, u'n')));
                contents[t] += ProjectLine(*project, project->Subject).toUtf8();
                tables[t].push_back(project);
            }
        }
        KillWhileAlternating(
            store, QStringLiteral("Projects.txt"), contents,
            [&](int version) {
                ClearProjects();
                for (const auto& project : tables[version])
                    AddProjectEntry(project);
                NextProjectID = qint16(version);
                SaveProjects();
            },
            [] {
                QVERIFY(LoadProjects());
                QCOMPARE(ProjectCount, 39);
            });
    }

    // Each round delivers one project after another. After a kill the archive
    // holds whole lines and perhaps the start of one more, never anything
    // else, and the next append cuts that start off. Each round begins anew
    // with what the kill left of a partial line.
    void completedFile()
    {
        TempStore store;
        const auto lineOf = [](int id) {
            return QStringLiteral("%1,\"Delivered %1\",\"History\",40000,4,20,\"%2\"\r\n")
                .arg(id)
                .arg(QString(20000, u'x'))
                .toUtf8();
        };
        // An archive of earlier years stands before each round's lines.
        const QByteArray earlier = "1,\"Last year\",\"History\",30000,4,0,\"\"\r\n";
        store.Write(QStringLiteral("Completed.txt"), earlier);
        store.Write(QStringLiteral("Projects.txt"), "0\r\n");
        int partialLines = 0;
        QByteArray carried; // the partial line the last round left
        Figures figures;
        KillRepeatedly(
            store,
            [&] {
                for (int id = 0;; ++id) {
                    AddProjectEntry(ParseProjectLine(QString::fromUtf8(lineOf(id)).chopped(2)));
                    NextProjectID = qint16(id + 1);
                    SaveProjects();
                }
            },
            [&] {
                QByteArray archive = store.Read(QStringLiteral("Completed.txt"));
                QVERIFY2(archive.startsWith(earlier), "the earlier lines are damaged");
                archive.remove(0, earlier.size());
                // Killed before its first append: the last round's partial
                // line is still there, and nothing else.
                if (archive == carried)
                    return;
                QVERIFY(LoadProjects());
                QCOMPARE(ProjectCount, -1);
                qsizetype at = 0;
                int whole = 0;
                QByteArray partial;
                while (at < archive.size()) {
                    const QByteArray expected = lineOf(whole);
                    if (archive.size() - at < expected.size()) {
                        partial = archive.mid(at);
                        QVERIFY2(expected.startsWith(partial), "a damaged last line");
                        ++partialLines;
                        break;
                    }
                    QVERIFY2(archive.mid(at, expected.size()) == expected, "a damaged line");
                    at += expected.size();
                    ++whole;
                }
                // "Projects.txt" moves on only once the archive holds the
                // line, so no delivered project is lost from both files.
                QVERIFY(whole == NextProjectID || whole == NextProjectID + 1);
                carried = partial;
                store.Write(QStringLiteral("Completed.txt"), earlier + partial);
                store.Write(QStringLiteral("Projects.txt"), "0\r\n");
            },
            figures);
        Report("Completed.txt", figures);
        qInfo("Completed.txt: %d kills left a partial last line", partialLines);
    }

    void settingsFile()
    {
        TempStore store;
        const QByteArray other = QByteArray(16, 'o');
        const QByteArray tail = QByteArray(200000, 't');
        KillWhileAlternating(
            store, QStringLiteral("Portable Settings"),
            {other + QByteArray("\x00\x0a", 2) + tail, other + QByteArray("\x02\x14", 2) + tail},
            [](int version) {
                DaysView = quint8(version * 2);
                DaysViewDays = quint8(10 + version * 10);
                SaveSettings();
            });
    }
};

QTEST_APPLESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
