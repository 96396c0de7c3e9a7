#include "list/ProjectF.h"
#include "model/Tables.h"
#include "store/ProjectsFile.h"
#include "store/SubjectsFile.h"
#include "support/TestSupport.h"
#include "transfer/SubjSelectF.h"
#include "transfer/Transfer.h"
#include "transfer/TransferFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace MainM;
using Kind = platform::DialogRequest::Kind;

namespace {

const QByteArray ExampleFile =
    "\"Chemistry\",2631880\r\n"
    "14,\"Titration report\",\"Chemistry\",38688,1,20,\"Include the error analysis|Two pages at "
    "most\"\r\n"
    "15,\"Mock exam\",\"Chemistry\",38701,2,-1,\"\"\r\n"
    "17,\"Reading log\",\"Chemistry\",38733,0,-2,\"Ask about the ''core'' texts\"\r\n";

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTransfer : public QObject
{
    Q_OBJECT

    RunningPlanner m_planner;
    std::unique_ptr<TempStore> m_store;
    std::unique_ptr<QTemporaryDir> m_files; // where transfer files are put

    QString FilePath(const QString& name) const { return m_files->filePath(name); }

    // Imports the file at `path`, the open dialog answered with it.
    QList<platform::DialogRequest> Import(const QString& path)
    {
        ScriptedDialogs dialogs;
        dialogs.Choose(path);
        dialogs.AnswerYes(); // OK to a message, if one comes
        ImportSubject();
        return dialogs.Asked();
    }

    // Exports subject i under `name` to the file chosen in the save dialog.
    QList<platform::DialogRequest> Export(qint32 i, const QString& name, const QString& chosen)
    {
        ScriptedDialogs dialogs;
        dialogs.Choose(chosen);
        dialogs.AnswerYes();
        ExportSubject(i, name);
        return dialogs.Asked();
    }

private Q_SLOTS:
    void init()
    {
        // The import rebuilds the list, which places the button bar.
        m_planner.Start();
        m_store = std::make_unique<TempStore>();
        m_files = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        m_planner.Stop();
        m_store.reset();
        m_files.reset();
    }

    void whatTheReaderAccepts_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("badLine");
        QTest::addColumn<int>("projects");
        QTest::newRow("an exported file") << ExampleFile << 0 << 3;
        QTest::newRow("only the subject line") << QByteArray("\"Art\",255\r\n") << 0 << 0;
        QTest::newRow("no line end at the end")
            << QByteArray("\"Art\",255\r\n1,\"A\",\"Art\",2,0,0,\"\"") << 0 << 1;
        QTest::newRow("blank lines are skipped")
            << QByteArray("\"Art\",255\r\n\r\n1,\"A\",\"Art\",2,0,0,\"\"\r\n  \r\n") << 0 << 1;
        QTest::newRow("an empty colour") << QByteArray("\"Art\",\r\n") << 0 << 0;
        QTest::newRow("fields that are no numbers")
            << QByteArray("\"Art\",1\r\n1,\"A\",\"Art\",soon,x,lots,\"\"\r\n") << 0 << 1;
        QTest::newRow("commas inside texts")
            << QByteArray("\"Art, Design\",1\r\n1,\"A, b\",\"Art, Design\",2,0,0,\"c, d\"\r\n") << 0
            << 1;
        QTest::newRow("an empty file") << QByteArray() << 1 << 0;
        QTest::newRow("a PDF") << QByteArray("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj") << 1 << 0;
        QTest::newRow("a projects file")
            << QByteArray("18\r\n14,\"A\",\"B\",1,0,0,\"\"\r\n") << 1 << 0;
        QTest::newRow("a subject line with a quote in the name")
            << QByteArray("\"Say \"hi\"\",255\r\n") << 1 << 0;
        QTest::newRow("a colour that is no number") << QByteArray("\"Art\",red\r\n") << 1 << 0;
        QTest::newRow("a second line that is no project")
            << QByteArray("\"Art\",255\r\nhello world\r\n") << 2 << 0;
        QTest::newRow("a project line short of fields")
            << QByteArray("\"Art\",255\r\n1,\"A\",\"B\",2,0,\"\"\r\n") << 2 << 0;
        static const char withNul[] =
            "\"Art\",255\r\n1,\"A\",\"Art\",2,0,0,\"\"\r\n1,\"A\0\",\"Art\",2,0,0,\"\"\r\n";
        QTest::newRow("a NUL byte") << QByteArray(withNul, sizeof withNul - 1) << 3 << 0;
    }
    void whatTheReaderAccepts()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, badLine);
        QFETCH(int, projects);
        const TransferReading reading = ReadTransfer(file);
        QCOMPARE(reading.badLine, badLine);
        QCOMPARE(reading.content.has_value(), badLine == 0);
        if (reading.content)
            QCOMPARE(int(reading.content->projects.size()), projects);
    }

    // Every class, the special weightings, commas and quotes in texts: out of
    // one store and into another, the same projects with new IDs.
    void aSubjectTravelsWholeToAnotherStore()
    {
        AddSubjectEntry(MakeSubject(QStringLiteral("Chemistry"), QColor(200, 40, 40)));
        const qint32 weightings[] = {-1, -2, 0, 20, 35};
        for (qint16 c = 0; c <= 4; ++c) {
            auto project = MakeProject(
                QStringLiteral("Part %1, with commas").arg(c),
                c == 2 ? QStringLiteral("CHEMISTRY") : QStringLiteral("Chemistry"), 38700 + c, c);
            project->ID = qint16(100 + c);
            project->Weighting = weightings[c];
            project->Description = QStringLiteral("Bring ''Hamlet''|page 2, 3");
            AddProjectEntry(project);
        }
        AddProjectEntry(MakeProject(QStringLiteral("Other"), QStringLiteral("History"), 1));
        const QList<platform::DialogRequest> asked =
            Export(0, QString(), FilePath(QStringLiteral("chem")));
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].kind, Kind::SaveFile);
        QCOMPARE(asked[0].title, QStringLiteral("Export Subject"));
        QCOMPARE(asked[0].text,
                 QStringLiteral("Please choose a file name and location for the export file"));
        QCOMPARE(asked[0].suggestedName, QStringLiteral("Chemistry.dtxf"));
        QCOMPARE(asked[0].filter, QStringLiteral("Duetide Subject Transfer (*.dtxf)"));
        const QByteArray file = ReadAll(FilePath(QStringLiteral("chem.dtxf")));
        QCOMPARE(file, QByteArray("\"Chemistry\",2631880\r\n"
                                  "100,\"Part 0, with commas\",\"Chemistry\",38700,0,-1,\"Bring "
                                  "''Hamlet''|page 2, 3\"\r\n"
                                  "101,\"Part 1, with commas\",\"Chemistry\",38701,1,-2,\"Bring "
                                  "''Hamlet''|page 2, 3\"\r\n"
                                  "102,\"Part 2, with commas\",\"Chemistry\",38702,2,0,\"Bring "
                                  "''Hamlet''|page 2, 3\"\r\n"
                                  "103,\"Part 3, with commas\",\"Chemistry\",38703,3,20,\"Bring "
                                  "''Hamlet''|page 2, 3\"\r\n"));

        // A second data store, with a project of its own.
        ClearTables();
        TempStore other;
        NextProjectID = 40;
        AddProjectEntry(MakeProject(QStringLiteral("Mine"), QStringLiteral("Art"), 38690));
        Projects[0]->ID = 39;
        const QList<platform::DialogRequest> opened = Import(FilePath(QStringLiteral("chem.dtxf")));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0].kind, Kind::OpenFile);
        QCOMPARE(opened[0].title, QStringLiteral("Import Subject"));
        QCOMPARE(opened[0].text, QStringLiteral("Please open the file you wish to import."));
        QCOMPARE(other.Read(QStringLiteral("Subjects.txt")),
                 QByteArray("\"Chemistry\",2631880\r\n"));
        QCOMPARE(other.Read(QStringLiteral("Projects.txt")),
                 QByteArray("44\r\n"
                            "39,\"Mine\",\"Art\",38690,0,10,\"\"\r\n"
                            "40,\"Part 0, with commas\",\"Chemistry\",38700,0,-1,\"Bring "
                            "''Hamlet''|page 2, 3\"\r\n"
                            "41,\"Part 1, with commas\",\"Chemistry\",38701,1,-2,\"Bring "
                            "''Hamlet''|page 2, 3\"\r\n"
                            "42,\"Part 2, with commas\",\"Chemistry\",38702,2,0,\"Bring "
                            "''Hamlet''|page 2, 3\"\r\n"
                            "43,\"Part 3, with commas\",\"Chemistry\",38703,3,20,\"Bring "
                            "''Hamlet''|page 2, 3\"\r\n"));
        QVERIFY(Projects[1]->Form); // the list was rebuilt
    }

    void theSuffixIsAddedUnlessThere_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no suffix") << "a"
                                   << "a.dtxf";
        QTest::newRow("the suffix") << "a.dtxf"
                                    << "a.dtxf";
        QTest::newRow("in capitals") << "a.DTXF"
                                     << "a.DTXF";
        QTest::newRow("another suffix") << "a.txt"
                                        << "a.txt.dtxf";
    }
    void theSuffixIsAddedUnlessThere()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        AddSubjectEntry(MakeSubject(QStringLiteral("Art"), QColor(255, 255, 255)));
        AddProjectEntry(MakeProject(QStringLiteral("Only delivered"), QStringLiteral("Art"), 1,
                                    ClassDelivered));
        QFile existing(FilePath(written));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("replaced without a question");
        existing.close();
        QCOMPARE(Export(0, QString(), FilePath(chosen)).size(), 1);
        QCOMPARE(ReadAll(FilePath(written)), QByteArray("\"Art\",16777215\r\n"));
    }

    void theSelectWindowChoosesNameAndSubject_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("tickByHand");
        QTest::addColumn<QString>("suggested");
        QTest::addColumn<QByteArray>("firstLine");
        QTest::newRow("own name") << "" << false << "History.dtxf" << QByteArray("\"History\",1");
        QTest::newRow("another name")
            << "Geschichte" << false << "Geschichte.dtxf" << QByteArray("\"Geschichte\",1");
        QTest::newRow("ticked with no name: one space")
            << "" << true << " .dtxf" << QByteArray("\" \",1");
        QTest::newRow("a quote in the name is held as two")
            << "Say \"hi\"" << false << "Say ''hi''.dtxf" << QByteArray("\"Say ''hi''\",1");
        QTest::newRow("a slash makes no folder")
            << "Art/Design" << false << "Art-Design.dtxf" << QByteArray("\"Art/Design\",1");
    }
    void theSelectWindowChoosesNameAndSubject()
    {
        QFETCH(QString, typed);
        QFETCH(bool, tickByHand);
        QFETCH(QString, suggested);
        QFETCH(QByteArray, firstLine);
        AddSubjectEntry(MakeSubject(QStringLiteral("Art")));
        AddSubjectEntry(MakeSubject(QStringLiteral("History"), QColor(1, 0, 0)));
        Subjects[1]->Invisible = true; // hidden subjects are offered too
        AddProjectEntry(MakeProject(QStringLiteral("Essay"), QStringLiteral("history"), 5));
        ScriptedDialogs dialogs;
        dialogs.Choose(FilePath(QStringLiteral("out")));
        WhenModal<SubjSelectF>([&](SubjSelectF* select) {
            QCOMPARE(select->windowTitle(), QStringLiteral("Select Subject"));
            QCOMPARE(select->SubjectCmb->count(), 2);
            QCOMPARE(select->SubjectCmb->currentIndex(), 0);
            QVERIFY(!select->ChNameChk->isChecked());
            select->SubjectCmb->setCurrentIndex(1);
            QTest::keyClicks(select->ChNameTxt, typed);
            QCOMPARE(select->ChNameChk->isChecked(), !typed.isEmpty());
            if (tickByHand)
                select->ChNameChk->setChecked(true);
            QTest::mouseClick(select->PushButton1, Qt::LeftButton);
        });
        SubjSelectF().exec();
        QCOMPARE(dialogs.Asked().size(), 1);
        QCOMPARE(dialogs.Asked()[0].suggestedName, suggested);
        const QByteArray file = ReadAll(FilePath(QStringLiteral("out.dtxf")));
        QVERIFY2(file.startsWith(firstLine + "\r\n"), file.constData());
        QVERIFY(file.contains("\"Essay\""));
        QCOMPARE(Subjects[1]->SName, QStringLiteral("History")); // the store keeps its name
    }

    void clearingTheTypedNameClearsTheBox()
    {
        AddSubjectEntry(MakeSubject(QStringLiteral("Art")));
        SubjSelectF select;
        QTest::keyClicks(select.ChNameTxt, QStringLiteral("ab"));
        QVERIFY(select.ChNameChk->isChecked());
        QTest::keyClick(select.ChNameTxt, Qt::Key_Backspace);
        QTest::keyClick(select.ChNameTxt, Qt::Key_Backspace);
        QVERIFY(!select.ChNameChk->isChecked());
    }

    void cancellingTheSaveDialogClosesTheWindowAndWritesNothing()
    {
        AddSubjectEntry(MakeSubject(QStringLiteral("Art")));
        ScriptedDialogs dialogs;
        dialogs.AnswerNo();
        bool closed = false;
        WhenModal<SubjSelectF>([&](SubjSelectF* select) {
            QTest::mouseClick(select->PushButton1, Qt::LeftButton);
            closed = !select->isVisible();
        });
        SubjSelectF().exec();
        QVERIFY(closed);
        QCOMPARE(QDir(m_files->path()).entryList(QDir::Files).size(), 0);
    }

    void withNoSubjectThereIsNothingToSelect()
    {
        SubjSelectF select;
        QVERIFY(!select.PushButton1->isEnabled());
    }

    void aFileThatCannotBeWrittenSaysSo()
    {
        AddSubjectEntry(MakeSubject(QStringLiteral("Art")));
        const QString path = FilePath(QStringLiteral("no such folder/art.dtxf"));
        const QList<platform::DialogRequest> asked = Export(0, QString(), path);
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[1].text, QStringLiteral("Duetide could not write \"%1\": No such file or "
                                               "directory.")
                                    .arg(path));
    }

    void anExistingSubjectKeepsItsColourCaseAndVisibility()
    {
        AddSubjectEntry(MakeSubject(QStringLiteral("CHEMISTRY"), QColor(1, 2, 3)));
        Subjects[0]->Invisible = true;
        QFile file(FilePath(QStringLiteral("c.dtxf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ExampleFile);
        file.close();
        Import(file.fileName());
        Import(file.fileName());
        QCOMPARE(SubjectCount, 0);
        QCOMPARE(Subjects[0]->SName, QStringLiteral("CHEMISTRY"));
        QCOMPARE(Subjects[0]->Colour->getInt(), 1 + 2 * 256 + 3 * 65536);
        QVERIFY(Subjects[0]->Invisible);
        QCOMPARE(ProjectCount, 5); // twice the three projects
        QCOMPARE(Projects[0]->Subject, QStringLiteral("Chemistry"));
        QSet<qint16> ids;
        for (const auto& project : Projects)
            ids << project->ID;
        QCOMPARE(ids.size(), 6);
    }

    void importedIdsWrapAfter32767()
    {
        NextProjectID = 32767;
        QFile file(FilePath(QStringLiteral("c.dtxf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ExampleFile);
        file.close();
        Import(file.fileName());
        QCOMPARE(NextProjectID, qint16(2));
        QCOMPARE(Subjects[0]->SName, QStringLiteral("Chemistry"));
    }

    void importCases_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("subjects");
        QTest::addColumn<int>("projects");
        QTest::addColumn<QByteArray>("projectsFile");
        QTest::newRow("one line adds the subject; the files are still saved")
            << QByteArray("\"Art\",255\r\n") << 1 << 0 << QByteArray("0\r\n");
        QTest::newRow("a No Name subject is not added, its projects are")
            << QByteArray("\"no name\",255\r\n1,\"A\",\"no name\",2,0,0,\"\"\r\n") << 0 << 1
            << QByteArray("1\r\n0,\"A\",\"no name\",2,0,0,\"\"\r\n");
        QTest::newRow("a delivered project goes to the archive")
            << QByteArray("\"Art\",255\r\n1,\"A\",\"Art\",2,4,0,\"\"\r\n") << 1 << 1
            << QByteArray("1\r\n");
    }
    void importCases()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, subjects);
        QFETCH(int, projects);
        QFETCH(QByteArray, projectsFile);
        QFile transfer(FilePath(QStringLiteral("t.dtxf")));
        QVERIFY(transfer.open(QIODevice::WriteOnly));
        transfer.write(file);
        transfer.close();
        Import(transfer.fileName());
        QCOMPARE(SubjectCount + 1, subjects);
        QCOMPARE(ProjectCount + 1, projects);
        QCOMPARE(m_store->Read(QStringLiteral("Projects.txt")), projectsFile);
        QVERIFY(m_store->Exists(QStringLiteral("Subjects.txt")));
    }

    void aFileThatIsNoTransferFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("line");
        QTest::newRow("a photo") << QByteArray("\xff\xd8\xff\xe0\0\x10JFIF", 10) << 1;
        QTest::newRow("rubbish on line 3")
            << QByteArray("\"Art\",255\r\n1,\"A\",\"Art\",2,0,0,\"\"\r\nrubbish\r\n") << 3;
    }
    void aFileThatIsNoTransferFileChangesNothing()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, line);
        AddSubjectEntry(MakeSubject(QStringLiteral("History")));
        QVERIFY(SaveSubjects());
        QVERIFY(SaveProjects());
        QFile transfer(FilePath(QStringLiteral("t.dtxf")));
        QVERIFY(transfer.open(QIODevice::WriteOnly));
        transfer.write(file);
        transfer.close();
        const QList<platform::DialogRequest> asked = Import(transfer.fileName());
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[1].text, QStringLiteral("This file is not a Duetide subject transfer "
                                               "file.\nLine %1 cannot be read.")
                                    .arg(line));
        QCOMPARE(SubjectCount, 0);
        QCOMPARE(ProjectCount, -1);
        QCOMPARE(NextProjectID, qint16(0));
        QCOMPARE(m_store->Read(QStringLiteral("Subjects.txt")),
                 QByteArray("\"History\",8421504\r\n"));
    }

    void aFileThatCannotBeOpenedSaysSo()
    {
        const QString path = FilePath(QStringLiteral("gone.dtxf"));
        const QList<platform::DialogRequest> asked = Import(path);
        QCOMPARE(asked.size(), 2);
        QVERIFY(
            asked[1].text.startsWith(QStringLiteral("Duetide could not open \"%1\": ").arg(path)));
        QVERIFY(!m_store->Exists(QStringLiteral("Projects.txt")));
    }

    void cancellingTheOpenDialogChangesNothing()
    {
        ScriptedDialogs dialogs;
        dialogs.AnswerNo();
        ImportSubject();
        QCOMPARE(dialogs.Asked().size(), 1);
        QVERIFY(!m_store->Exists(QStringLiteral("Projects.txt")));
    }
};

DUETIDE_TEST_MAIN(TestTransfer)
#include "tst_transfer.moc"
