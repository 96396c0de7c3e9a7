#include "model/Tables.h"
#include "store/ProjectsFile.h"
#include "store/SettingsFile.h"
#include "store/SubjectsFile.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

using namespace MainM;

namespace {

// One save of one file, with the store laid out beforehand, the new content
// in the tables, and what the file must hold once the save succeeds.
struct Scenario
{
    QString file;
    std::function<void(const TempStore&)> layOut;
    std::function<void()> fillTables;
    std::function<bool()> save;
    QByteArray expected;
    // What must stay as it was when the save fails, besides `file`.
    QStringList alsoUnchanged;
};

QByteArray Lines(const QString& pattern, int count)
{
    QByteArray lines;
    for (int i = 0; i < count; ++i)
        lines += pattern.arg(i).toUtf8() + "\r\n";
    return lines;
}

std::shared_ptr<ProjectDef> Project(int i, qint16 classV)
{
    auto project = std::make_shared<ProjectDef>();
    project->ID = qint16(i);
    project->PName = QStringLiteral("Project %1").arg(i);
    project->Subject = QStringLiteral("History");
    project->DueDate = 40000 + i;
    project->ClassV = classV;
    project->Weighting = -1;
    return project;
}

QByteArray ProjectLines(int from, int to, int classV)
{
    QByteArray lines;
    for (int i = from; i < to; ++i)
        lines += QStringLiteral("%1,\"Project %1\",\"History\",%2,%3,-1,\"\"\r\n")
                     .arg(i)
                     .arg(40000 + i)
                     .arg(classV)
                     .toUtf8();
    return lines;
}

Scenario SubjectsScenario()
{
    return {QStringLiteral("Subjects.txt"),
            [](const TempStore& store) {
                store.Write(QStringLiteral("Subjects.txt"),
                            Lines(QStringLiteral("\"Old %1\",1"), 300));
            },
            [] {
                for (int i = 0; i < 3000; ++i) {
                    auto subject = std::make_shared<SubjectDef>();
                    subject->SName = QStringLiteral("New %1").arg(i);
                    subject->Colour = std::make_shared<ColourTriplet>();
                    subject->Colour->SetFromInt(i);
                    AddSubjectEntry(subject);
                }
            },
            SaveSubjects,
            Lines(QStringLiteral("\"New %1\",%1"), 3000),
            {}};
}

Scenario ProjectsScenario()
{
    return {QStringLiteral("Projects.txt"),
            [](const TempStore& store) {
                store.Write(QStringLiteral("Projects.txt"), "5\r\n" + ProjectLines(0, 300, 0));
            },
            [] {
                NextProjectID = 1000;
                for (int i = 0; i < 1000; ++i)
                    AddProjectEntry(Project(i, ClassUrgent));
            },
            SaveProjects,
            "1000\r\n" + ProjectLines(0, 1000, 2),
            {}};
}

// A failed append must leave "Projects.txt" alone too, so that no delivered
// project is lost from both files.
Scenario CompletedScenario()
{
    return {QStringLiteral("Completed.txt"),
            [](const TempStore& store) {
                store.Write(QStringLiteral("Completed.txt"), ProjectLines(0, 300, 4));
                store.Write(QStringLiteral("Projects.txt"), "7\r\n" + ProjectLines(2000, 2001, 0));
            },
            [] {
                NextProjectID = 8;
                for (int i = 1000; i < 2000; ++i)
                    AddProjectEntry(Project(i, ClassDelivered));
            },
            SaveProjects,
            ProjectLines(0, 300, 4) + ProjectLines(1000, 2000, 4),
            {QStringLiteral("Projects.txt")}};
}

Scenario SettingsScenario()
{
    return {QStringLiteral("Portable Settings"),
            [](const TempStore& store) {
                store.Write(QStringLiteral("Portable Settings"),
                            QByteArray(16, 'k') + "\x01\x0e" + QByteArray(30000, 't'));
            },
            [] {
                DaysView = 2;
                DaysViewDays = 30;
            },
            SaveSettings,
            QByteArray(16, 'k') + "\x02\x1e" + QByteArray(30000, 't'),
            {}};
}

void AddScenarios()
{
    QTest::addColumn<int>("which");
    QTest::newRow("Subjects.txt") << 0;
    QTest::newRow("Projects.txt") << 1;
    QTest::newRow("Completed.txt") << 2;
    QTest::newRow("Portable Settings") << 3;
}

Scenario ScenarioNumber(int which)
{
    switch (which) {
    case 0:
        return SubjectsScenario();
    case 1:
        return ProjectsScenario();
    case 2:
        return CompletedScenario();
    default:
        return SettingsScenario();
    }
}

// Everything a failed save must leave as it was.
struct Snapshot
{
    QList<QByteArray> files;
    QStringList subjects;
    QList<bool> archived;
    qint16 nextId = 0;

    static Snapshot Take(const TempStore& store, const QStringList& names)
    {
        Snapshot s;
        for (const QString& name : names)
            s.files << store.Read(name);
        for (qint32 i = 0; i <= SubjectCount; ++i)
            s.subjects << Subjects[size_t(i)]->SName;
        for (qint32 i = 0; i <= ProjectCount; ++i)
            s.archived << Projects[size_t(i)]->Archived;
        s.nextId = NextProjectID;
        return s;
    }
    bool operator==(const Snapshot&) const = default;
};

QString Reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT

    bool m_canMount = false;
    QString m_whyNoMount;

    // Runs the scenario's save under a fault, checks that it failed loudly
    // and harmlessly, lifts the fault and checks that the next save works.
    void FailThenRecover(const Scenario& scenario, const TempStore& store,
                         const std::function<void()>& fault, const std::function<void()>& lift,
                         const QString& reason)
    {
        const QStringList watched = QStringList{scenario.file} + scenario.alsoUnchanged;
        const Snapshot before = Snapshot::Take(store, watched);
        ScriptedDialogs dialogs;
        fault();
        const bool saved = scenario.save();
        lift();
        QVERIFY2(!saved, "a save under the fault reported success");
        QCOMPARE(dialogs.Asked().size(), 1);
        const QString expectedMessage =
            QStringLiteral("Duetide could not save \"%1\": %2.\nYour changes are still in the "
                           "planner and will be saved again with your next change.")
                .arg(store.Path(scenario.file), reason);
        QCOMPARE(dialogs.Asked()[0].text, expectedMessage);
        QVERIFY(Snapshot::Take(store, watched) == before);

        QVERIFY(scenario.save());
        QCOMPARE(store.Read(scenario.file), scenario.expected);
        QCOMPARE(dialogs.Asked().size(), 1);
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Past the file-size limit writes fail with EFBIG instead of the
        // process being killed.
        std::signal(SIGXFSZ, SIG_IGN);
        if (unshare(CLONE_NEWNS) != 0)
            m_whyNoMount = QStringLiteral("no private mount namespace: %1").arg(Reason(errno));
        else if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            m_whyNoMount = QStringLiteral("mounts cannot be made private: %1").arg(Reason(errno));
        else
            m_canMount = true;
    }

    void init() { ResetPlanner(); }

    void fileSizeLimit_data() { AddScenarios(); }
    void fileSizeLimit()
    {
        QFETCH(int, which);
        const Scenario scenario = ScenarioNumber(which);
        TempStore store;
        scenario.layOut(store);
        scenario.fillTables();
        rlimit original{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &original), 0);
        FailThenRecover(
            scenario, store,
            [&] {
                rlimit small = original;
                small.rlim_cur = 4096;
                QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
            },
            [&] { QCOMPARE(setrlimit(RLIMIT_FSIZE, &original), 0); }, Reason(EFBIG));
    }

    void diskFull_data() { AddScenarios(); }
    void diskFull()
    {
        if (!m_canMount)
            QSKIP(qPrintable(m_whyNoMount));
        QFETCH(int, which);
        // Full, and with one, two and four pages still free: each too small.
        for (const qint64 freePages : {0, 1, 2, 4}) {
            ResetPlanner();
            const Scenario scenario = ScenarioNumber(which);
            TempStore store;
            QVERIFY2(
                mount("tmpfs", QFile::encodeName(store.Path()).constData(), "tmpfs", 0, "size=512k")
                    == 0,
                qPrintable(Reason(errno)));
            scenario.layOut(store);
            scenario.fillTables();
            const QString filler = store.Path(QStringLiteral("filler"));
            FailThenRecover(
                scenario, store,
                [&] {
                    QFile fill(filler);
                    QVERIFY(fill.open(QIODevice::WriteOnly));
                    const QByteArray block(4096, 'f');
                    while (fill.write(block) == block.size() && fill.flush()) {
                    }
                    fill.close();
                    const qint64 full = QFileInfo(filler).size();
                    QVERIFY(QFile::resize(filler, qMax<qint64>(0, full - freePages * 4096)));
                },
                [&] { QVERIFY(QFile::remove(filler)); }, Reason(ENOSPC));
            QVERIFY(umount2(QFile::encodeName(store.Path()).constData(), MNT_DETACH) == 0);
            if (QTest::currentTestFailed())
                return;
        }
    }

    void readOnlyStore_data() { AddScenarios(); }
    void readOnlyStore()
    {
        if (!m_canMount)
            QSKIP(qPrintable(m_whyNoMount));
        QFETCH(int, which);
        const Scenario scenario = ScenarioNumber(which);
        TempStore store;
        scenario.layOut(store);
        scenario.fillTables();
        const QByteArray path = QFile::encodeName(store.Path());
        FailThenRecover(
            scenario, store,
            [&] {
                QVERIFY(mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) == 0);
                QVERIFY(mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                              nullptr)
                        == 0);
            },
            [&] { QVERIFY(umount2(path.constData(), MNT_DETACH) == 0); }, Reason(EROFS));
    }
};

QTEST_APPLESS_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
