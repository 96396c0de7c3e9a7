#include "model/Tables.h"
#include "store/ProjectsFile.h"
#include "store/SettingsFile.h"
#include "store/SubjectsFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTest>

using namespace MainM;

namespace {

const QByteArray ExampleSubjects = "\"Chemistry\",2631880\r\n"
                                   "\"History\",16748574\r\n"
                                   "\"Music\",8421504\r\n";

const QByteArray ExampleProjects =
    "18\r\n"
    "14,\"Titration report\",\"Chemistry\",38688,1,20,\"Include the error analysis|Two pages at "
    "most\"\r\n"
    "15,\"Mock exam\",\"Chemistry\",38701,2,-1,\"\"\r\n"
    "16,\"Source essay\",\"History\",38715,0,-2,\"Ask about the ''core'' texts\"\r\n";

std::shared_ptr<ProjectDef> Project(qint16 id, const QString& name, qint16 classV = ClassNormal)
{
    auto project = std::make_shared<ProjectDef>();
    project->ID = id;
    project->PName = name;
    project->Subject = QStringLiteral("History");
    project->DueDate = 38650;
    project->ClassV = classV;
    project->Weighting = 10;
    return project;
}

} // namespace

class TestDataFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ResetPlanner(); }

    void subjectsLoadAndSaveBackByteForByte()
    {
        TempStore store;
        store.Write(QStringLiteral("Subjects.txt"), ExampleSubjects);
        QVERIFY(LoadSubjects());
        QCOMPARE(SubjectCount, 2);
        QCOMPARE(Subjects[0]->SName, QStringLiteral("Chemistry"));
        QCOMPARE(int(Subjects[0]->Colour->Red), 200);
        QCOMPARE(int(Subjects[1]->Colour->Blue), 255);
        QVERIFY(!Subjects[2]->Invisible);
        store.Write(QStringLiteral("Subjects.txt"), "overwritten");
        QVERIFY(SaveSubjects());
        QCOMPARE(store.Read(QStringLiteral("Subjects.txt")), ExampleSubjects);
    }

    void anEmptySubjectsFileIsNoSubjects()
    {
        TempStore store;
        store.Write(QStringLiteral("Subjects.txt"), "");
        QVERIFY(LoadSubjects());
        QCOMPARE(SubjectCount, -1);
        store.Write(QStringLiteral("Subjects.txt"), "x");
        QVERIFY(SaveSubjects());
        QCOMPARE(store.Read(QStringLiteral("Subjects.txt")), QByteArray());
    }

    void projectsLoadAndSaveBackByteForByte()
    {
        TempStore store;
        store.Write(QStringLiteral("Projects.txt"), ExampleProjects);
        QVERIFY(LoadProjects());
        QCOMPARE(NextProjectID, qint16(18));
        QCOMPARE(ProjectCount, 2);
        QCOMPARE(Projects[1]->Weighting, -1);
        QCOMPARE(Projects[2]->Weighting, -2);
        QVERIFY(SaveProjects());
        QCOMPARE(store.Read(QStringLiteral("Projects.txt")), ExampleProjects);
        QVERIFY(!store.Exists(QStringLiteral("Completed.txt"))); // nothing delivered
    }

    void projectsFileFirstLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("nextId");
        QTest::addColumn<int>("count");
        QTest::newRow("a new store's file") << QByteArray("0") << 0 << -1;
        QTest::newRow("only the first line") << QByteArray("18\r\n") << 18 << -1;
        QTest::newRow("blanks around the ID") << QByteArray(" 18 \r\n") << 18 << -1;
        QTest::newRow("no digits") << QByteArray("next\r\n") << 0 << -1;
        QTest::newRow("empty file") << QByteArray() << 0 << -1;
        QTest::newRow("ID kept to 16 bits") << QByteArray("65539\r\n") << 3 << -1;
        QTest::newRow("blank lines skipped")
            << QByteArray("5\r\n\r\n  \r\n1,\"A\",\"B\",2,0,0,\"\"\r\n\r\n") << 5 << 0;
    }
    void projectsFileFirstLines()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, nextId);
        QFETCH(int, count);
        TempStore store;
        store.Write(QStringLiteral("Projects.txt"), file);
        QVERIFY(LoadProjects());
        QCOMPARE(int(NextProjectID), nextId);
        QCOMPARE(ProjectCount, count);
        QCOMPARE(qint32(Projects.size()), count + 1);
    }

    void linesAreWrittenInTableOrder()
    {
        TempStore store;
        NextProjectID = 3;
        AddProjectEntry(Project(2, QStringLiteral("B")));
        AddProjectEntry(Project(0, QStringLiteral("A")));
        QVERIFY(SaveProjects());
        QCOMPARE(store.Read(QStringLiteral("Projects.txt")),
                 QByteArray("3\r\n2,\"B\",\"History\",38650,0,10,\"\"\r\n"
                            "0,\"A\",\"History\",38650,0,10,\"\"\r\n"));
    }

    // Each delivered project is archived once per run, not at every save.
    void aDeliveredProjectIsArchivedOnce()
    {
        TempStore store;
        store.Write(QStringLiteral("Completed.txt"), "1,\"Old\",\"History\",1,4,0,\"\"\r\n");
        NextProjectID = 10;
        AddProjectEntry(Project(9, QStringLiteral("Field notes"), ClassDelivered));
        AddProjectEntry(Project(8, QStringLiteral("Open")));
        QVERIFY(SaveProjects());
        const QByteArray open = "10\r\n8,\"Open\",\"History\",38650,0,10,\"\"\r\n";
        const QByteArray archive = "1,\"Old\",\"History\",1,4,0,\"\"\r\n"
                                   "9,\"Field notes\",\"History\",38650,4,10,\"\"\r\n";
        QCOMPARE(store.Read(QStringLiteral("Projects.txt")), open);
        QCOMPARE(store.Read(QStringLiteral("Completed.txt")), archive);
        QVERIFY(SaveProjects());
        QCOMPARE(store.Read(QStringLiteral("Completed.txt")), archive);

        // After a restart it is gone from the table; later saves add nothing.
        QVERIFY(LoadProjects());
        QCOMPARE(ProjectCount, 0);
        QVERIFY(SaveProjects());
        QCOMPARE(store.Read(QStringLiteral("Completed.txt")), archive);
    }

    void theArchiveIsCreatedByTheFirstDelivery()
    {
        TempStore store;
        AddProjectEntry(Project(1, QStringLiteral("Done"), ClassDelivered));
        QVERIFY(SaveProjects());
        QCOMPARE(store.Read(QStringLiteral("Completed.txt")),
                 QByteArray("1,\"Done\",\"History\",38650,4,10,\"\"\r\n"));
        QCOMPARE(store.Read(QStringLiteral("Projects.txt")), QByteArray("0\r\n"));
    }

    void anInterruptedAppendLeavesNoPartialLine()
    {
        TempStore store;
        store.Write(QStringLiteral("Completed.txt"), "1,\"Old\",\"History\",1,4,0,\"\"\r\n2,\"Hal");
        AddProjectEntry(Project(3, QStringLiteral("New"), ClassDelivered));
        QVERIFY(SaveProjects());
        QCOMPARE(store.Read(QStringLiteral("Completed.txt")),
                 QByteArray("1,\"Old\",\"History\",1,4,0,\"\"\r\n"
                            "3,\"New\",\"History\",38650,4,10,\"\"\r\n"));
    }

    // Cut between the CR and the LF of its last line, the archive must not
    // take that CR for a line end.
    void anAppendCutBetweenCrAndLfLeavesNoPartialLine_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("cut after the CR")
            << QByteArray("1,\"Old\"\r\n2,\"Half\"\r") << QByteArray("1,\"Old\"\r\n");
        QTest::newRow("lines that end in CR alone")
            << QByteArray("1,\"Old\"\r2,\"Mac\"\r") << QByteArray("1,\"Old\"\r2,\"Mac\"\r");
        QTest::newRow("a partial line after CR-only lines")
            << QByteArray("1,\"Old\"\r2,\"Ha") << QByteArray("1,\"Old\"\r");
        QTest::newRow("only a partial line") << QByteArray("2,\"Ha") << QByteArray();
    }
    void anAppendCutBetweenCrAndLfLeavesNoPartialLine()
    {
        QFETCH(QByteArray, archive);
        QFETCH(QByteArray, kept);
        TempStore store;
        store.Write(QStringLiteral("Completed.txt"), archive);
        AddProjectEntry(Project(3, QStringLiteral("New"), ClassDelivered));
        QVERIFY(SaveProjects());
        QCOMPARE(store.Read(QStringLiteral("Completed.txt")),
                 kept + "3,\"New\",\"History\",38650,4,10,\"\"\r\n");
    }

    void handEditedAndHostileLinesDoNoHarm()
    {
        TempStore store;
        QByteArray file = "7\r\n";
        file += "1,\"Good one\",\"History\",38650,0,10,\"\"\r\n";
        file += "\r\n";
        file += "garbage without quotes\r\n";
        static const char withNul[] = "2,\"with\0nul\",\"History\",38650,0,10,\"\"\r\n";
        file += QByteArray(withNul, sizeof withNul - 1);
        file += "3,\"Caf\xe9\",\"History\",38650,0,10,\"\"\n";
        file += "4,\"" + QByteArray(1 << 20, 'x') + "\",\"History\",1,0,0,\"\"\r";
        file += "5,\"Last\",\"History\",38650,0,10,\"\"";
        store.Write(QStringLiteral("Projects.txt"), file);
        QVERIFY(LoadProjects());
        QCOMPARE(ProjectCount, 5);
        QCOMPARE(Projects[0]->PName, QStringLiteral("Good one"));
        QCOMPARE(Projects[1]->PName, QString());
        QCOMPARE(Projects[2]->PName.size(), 8);
        QCOMPARE(Projects[3]->PName, QString::fromUtf8("Café"));
        QCOMPARE(Projects[4]->PName.size(), 1 << 20);
        QCOMPARE(Projects[5]->PName, QStringLiteral("Last"));
        QCOMPARE(Projects[5]->Weighting, 10);
        QCOMPARE(ProjectCount, qint32(Projects.size()) - 1);
    }

    void unreadableFilesEndTheProgramWithAMessage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("subjects") << "Subjects.txt"
                                  << "NilObjectException in LoadSubject";
        QTest::newRow("projects") << "Projects.txt"
                                  << "NilObjectException in LoadProjects";
    }
    void unreadableFilesEndTheProgramWithAMessage()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        TempStore store;
        QVERIFY(QDir().mkdir(store.Path(file))); // a folder cannot be read as a file
        ScriptedDialogs dialogs;
        const bool loaded = file == QLatin1String("Subjects.txt") ? LoadSubjects() : LoadProjects();
        QVERIFY(!loaded);
        QCOMPARE(dialogs.Asked().size(), 1);
        QCOMPARE(dialogs.Asked()[0].text, message);
    }

    void dataFilesAreFoundInAnyLetterCase()
    {
        TempStore store;
        store.Write(QStringLiteral("PROJECTS.TXT"), "4\r\n");
        store.Write(QStringLiteral("subjects.txt"), "\"Art\",1\r\n");
        QVERIFY(LoadProjects());
        QVERIFY(LoadSubjects());
        QCOMPARE(NextProjectID, qint16(4));
        QCOMPARE(SubjectCount, 0);
        NextProjectID = 5;
        QVERIFY(SaveProjects());
        QVERIFY(SaveSubjects());
        QCOMPARE(store.Read(QStringLiteral("PROJECTS.TXT")), QByteArray("5\r\n"));
        QVERIFY(!store.Exists(QStringLiteral("Projects.txt")));
        QVERIFY(!store.Exists(QStringLiteral("Subjects.txt")));
    }

    void settingsDefaultsAndFirstSave()
    {
        TempStore store;
        DaysView = 9;
        LoadSettings();
        QCOMPARE(int(DaysView), 1);
        QCOMPARE(int(DaysViewDays), 14);
        QVERIFY(!store.Exists(QStringLiteral("Portable Settings")));
        DaysView = 2;
        DaysViewDays = 21;
        QVERIFY(SaveSettings());
        QCOMPARE(store.Read(QStringLiteral("Portable Settings")),
                 QByteArray(16, '\0') + QByteArray("\x02\x15"));
    }

    void settingsFromAnotherProgramKeepTheirBytes()
    {
        TempStore store;
        const QByteArray other = QByteArray("0123456789abcdef") + QByteArray("\x07\x03tail");
        store.Write(QStringLiteral("Portable Settings"), other);
        LoadSettings();
        QCOMPARE(int(DaysView), 7); // no range test on load
        QCOMPARE(int(DaysViewDays), 3);
        DaysView = 0;
        QVERIFY(SaveSettings());
        QCOMPARE(store.Read(QStringLiteral("Portable Settings")),
                 QByteArray("0123456789abcdef") + QByteArray("\x00\x03tail", 6));
    }

    void aShortSettingsFileIsLengthenedAtTheNextSave()
    {
        TempStore store;
        store.Write(QStringLiteral("Portable Settings"), QByteArray(17, 'z'));
        LoadSettings();
        QCOMPARE(int(DaysView), 1);
        QCOMPARE(store.Read(QStringLiteral("Portable Settings")), QByteArray(17, 'z'));
        QVERIFY(SaveSettings());
        QCOMPARE(store.Read(QStringLiteral("Portable Settings")),
                 QByteArray(16, 'z') + QByteArray("\x01\x0e"));
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
