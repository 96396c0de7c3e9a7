#include "editors/ProjPropF.h"
#include "editors/ProjectEditing.h"
#include "list/DisplayList.h"
#include "list/ProjectF.h"
#include "model/DayNumbers.h"
#include "model/Tables.h"
#include "platform/Clock.h"
#include "support/TestSupport.h"
#include "windows/MenuButF.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace MainM;

namespace {

const QDate Today(2026, 12, 11);

void Type(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void PressDone(ProjPropF* editor)
{
    QTest::mouseClick(editor->DoneBut, Qt::LeftButton);
}

} // namespace

class TestProjectEditor : public QObject
{
    Q_OBJECT

    RunningPlanner m_planner;

    // Opens the editor on project i, lets `act` work in it, and returns when
    // it has closed.
    void Edit(qint32 i, const std::function<void(ProjPropF*)>& act)
    {
        WhenModal<ProjPropF>(act);
        EditProject(i);
    }

    // Project 0: "Essay" of History, due today.
    static void AddEssay()
    {
        AddProjectEntry(
            MakeProject(QStringLiteral("Essay"), QStringLiteral("History"), DayNumberOf(Today)));
    }

private Q_SLOTS:
    void init()
    {
        m_planner.Start(Today);
        AddSubjectEntry(MakeSubject(QStringLiteral("Chemistry"), QColor(200, 40, 40)));
        AddSubjectEntry(MakeSubject(QStringLiteral("History"), QColor(30, 144, 255)));
    }
    void cleanup() { m_planner.Stop(); }

    // Press a strip, change its date, Done: the list is rebuilt in the new
    // order and saved, and the pressed strip goes only once its press is over.
    void pressStripChangeDateDone()
    {
        AddProjectEntry(MakeProject(QStringLiteral("Essay"), QStringLiteral("History"),
                                    DayNumberOf(Today) + 5));
        AddProjectEntry(MakeProject(QStringLiteral("Report"), QStringLiteral("Chemistry"),
                                    DayNumberOf(Today) + 9));
        DisplayList();
        QPointer<ProjectF> pressed = Projects[1]->Form;
        QVERIFY(pressed);
        WhenModal<ProjPropF>([](ProjPropF* editor) {
            QCOMPARE(editor->NameTxt->text(), QStringLiteral("Report"));
            Type(editor->DueDateTxt, QStringLiteral("12-Dec-2026"));
            PressDone(editor);
        });
        QTest::mouseClick(pressed, Qt::LeftButton, {}, QPoint(100, 10));
        QCOMPARE(Projects[0]->PName, QStringLiteral("Report"));
        QCOMPARE(Projects[0]->DueDate, DayNumberOf(QDate(2026, 12, 12)));
        QCOMPARE(Projects[0]->Form->SuperID, 0);
        QVERIFY(Projects[0]->Form != pressed);
        QVERIFY(m_planner.ReadStore(QStringLiteral("Projects.txt"))
                    .contains(QByteArray::number(DayNumberOf(QDate(2026, 12, 12)))));
        QVERIFY(m_planner.ReadStore(QStringLiteral("Projects.txt")).indexOf("Report")
                < m_planner.ReadStore(QStringLiteral("Projects.txt")).indexOf("Essay"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!pressed);
    }

    void aNewProjectStartsEmptyDueTodayWithWeightingUnknown()
    {
        NextProjectID = 7;
        DisplayList();
        WhenModal<ProjPropF>([](ProjPropF* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("Project"));
            QCOMPARE(editor->size(), QSize(418, 228));
            QCOMPARE(editor->NameTxt->text(), QString());
            QCOMPARE(editor->SubjectCmb->count(), 3);
            QCOMPARE(editor->SubjectCmb->itemText(0), QString()); // its own empty subject
            QCOMPARE(editor->SubjectCmb->itemText(1), QStringLiteral("Chemistry"));
            QCOMPARE(editor->SubjectCmb->currentIndex(), -1);
            QCOMPARE(editor->SubjectCmb->currentText(), QString());
            QCOMPARE(editor->DueDateTxt->text(), QStringLiteral("11-Dec-2026"));
            QCOMPARE(editor->WeightTxt->text(), QStringLiteral("?"));
            QCOMPARE(editor->ClassCmb->currentText(), QStringLiteral("Normal"));
            QCOMPARE(editor->ClassCmb->count(), 5);
            QVERIFY(editor->DoneBut->isDefault());
            PressDone(editor);
        });
        QTest::mouseClick(Control<QPushButton>(MenuButF::Get(), "BevelButton1"), Qt::LeftButton);
        QCOMPARE(ProjectCount, 0);
        const ProjectDef& project = *Projects[0];
        QCOMPARE(project.ID, qint16(7));
        QCOMPARE(project.Weighting, -1);
        QCOMPARE(project.ClassV, qint16(0));
        QCOMPARE(project.DueDate, DayNumberOf(Today));
        QCOMPARE(project.Subject, QString());
        QCOMPARE(NextProjectID, qint16(8));
        QVERIFY(project.Form);
        QCOMPARE(m_planner.ReadStore(QStringLiteral("Projects.txt")),
                 QByteArray("8\r\n7,\"\",\"\",") + QByteArray::number(DayNumberOf(Today))
                     + ",0,-1,\"\"\r\n");
    }

    void aSubjectWithAnEmptyNameIsPreselectedForANewProject()
    {
        AddSubjectEntry(MakeSubject(QString()));
        WhenModal<ProjPropF>([](ProjPropF* editor) {
            QCOMPARE(editor->SubjectCmb->count(), 3); // no extra row
            QCOMPARE(editor->SubjectCmb->currentIndex(), 2);
            PressDone(editor);
        });
        AddProject();
    }

    void idsWrapAfter32767()
    {
        NextProjectID = 32767;
        for (int i = 0; i < 2; ++i) {
            WhenModal<ProjPropF>([](ProjPropF* editor) { PressDone(editor); });
            AddProject();
        }
        // The second is due today too, so the rebuild keeps the order made.
        QCOMPARE(Projects[0]->ID, qint16(32767));
        QCOMPARE(Projects[1]->ID, qint16(0));
        QCOMPARE(NextProjectID, qint16(1));
    }

    void weightingTexts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("per cent") << "30%" << 30 << "30%";
        QTest::newRow("number") << "30" << 30 << "30%";
        QTest::newRow("fraction rounds down") << "12.7" << 12 << "12%";
        QTest::newRow("no number") << "lots" << 0 << "0%";
        QTest::newRow("empty") << "" << 0 << "0%";
        QTest::newRow("question mark") << "?" << -1 << "?";
        QTest::newRow("one space") << " " << -2 << "";
        QTest::newRow("minus two") << "-2" << -2 << "";
        QTest::newRow("beyond 16 bits") << "99999" << 32767 << "32767%";
        QTest::newRow("below 16 bits") << "-99999" << -32768 << "?";
    }
    void weightingTexts()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        AddEssay();
        Edit(0, [&](ProjPropF* editor) {
            Type(editor->WeightTxt, typed);
            PressDone(editor);
        });
        QCOMPARE(Projects[0]->Weighting, stored);
        QCOMPARE(Projects[0]->Form->findChild<QLabel*>(QStringLiteral("Weightlbl"))->text(), shown);
    }

    void noWeightingShowsEmptyAndBecomesZeroUnlessASpaceIsTyped()
    {
        AddEssay();
        Projects[0]->Weighting = WeightingNone;
        Edit(0, [](ProjPropF* editor) {
            QCOMPARE(editor->WeightTxt->text(), QString());
            QCOMPARE(editor->WeightingV, qint16(0));
            PressDone(editor);
        });
        QCOMPARE(Projects[0]->Weighting, 0);
    }

    void aSubjectInOtherCaseIsPreselectedAndStoredInItsOwnCase()
    {
        AddProjectEntry(
            MakeProject(QStringLiteral("Essay"), QStringLiteral("hIsToRy"), DayNumberOf(Today)));
        Edit(0, [](ProjPropF* editor) {
            QCOMPARE(editor->SubjectCmb->count(), 2);
            QCOMPARE(editor->SubjectCmb->currentText(), QStringLiteral("History"));
            PressDone(editor);
        });
        QCOMPARE(Projects[0]->Subject, QStringLiteral("History"));
    }

    void aGoneSubjectIsOfferedFirstAndKept()
    {
        AddProjectEntry(
            MakeProject(QStringLiteral("Essay"), QStringLiteral("Physics"), DayNumberOf(Today)));
        Edit(0, [](ProjPropF* editor) {
            QCOMPARE(editor->SubjectCmb->itemText(0), QStringLiteral("Physics"));
            QCOMPARE(editor->SubjectCmb->currentText(), QString());
            QCOMPARE(editor->SubjectCmb->currentIndex(), -1);
            PressDone(editor);
        });
        QCOMPARE(Projects[0]->Subject, QStringLiteral("Physics"));

        Edit(0, [](ProjPropF* editor) {
            editor->SubjectCmb->setCurrentIndex(1); // picks Chemistry
            PressDone(editor);
        });
        QCOMPARE(Projects[0]->Subject, QStringLiteral("Chemistry"));
    }

    void aTypedSubjectIsStoredAsTyped()
    {
        AddEssay();
        Edit(0, [](ProjPropF* editor) {
            editor->SubjectCmb->lineEdit()->selectAll();
            QTest::keyClicks(editor->SubjectCmb->lineEdit(), QStringLiteral("Say \"Geo\""));
            QTest::keyClick(editor->SubjectCmb->lineEdit(), Qt::Key_Return); // adds no row
            QCOMPARE(editor->SubjectCmb->count(), 2);
            if (editor->isVisible())
                PressDone(editor);
        });
        QCOMPARE(Projects[0]->Subject, QStringLiteral("Say ''Geo''"));
        QCOMPARE(SubjectCount, 1); // no subject is made for it
    }

    void aRealNoNameSubjectIsPreselected()
    {
        AddSubjectEntry(MakeSubject(QStringLiteral("No Name")));
        AddProjectEntry(
            MakeProject(QStringLiteral("Essay"), QStringLiteral("No Name"), DayNumberOf(Today)));
        Edit(0, [](ProjPropF* editor) {
            QCOMPARE(editor->SubjectCmb->count(), 3);
            QCOMPARE(editor->SubjectCmb->currentText(), QStringLiteral("No Name"));
            PressDone(editor);
        });
    }

    void deliveredLeavesTheListForTheArchive()
    {
        AddProjectEntry(MakeProject(QStringLiteral("Essay"), QStringLiteral("History"),
                                    DayNumberOf(Today) + 3));
        Projects[0]->ID = 9;
        DisplayList();
        Edit(0, [](ProjPropF* editor) {
            editor->ClassCmb->setCurrentIndex(ClassDelivered);
            PressDone(editor);
        });
        QVERIFY(!Projects[0]->Form);
        QCOMPARE(m_planner.ReadStore(QStringLiteral("Projects.txt")), QByteArray("0\r\n"));
        QCOMPARE(m_planner.ReadStore(QStringLiteral("Completed.txt")),
                 "9,\"Essay\",\"History\"," + QByteArray::number(DayNumberOf(Today) + 3)
                     + ",4,10,\"\"\r\n");
        QCOMPARE(MenuButF::Get()->y(), QGuiApplication::primaryScreen()->availableGeometry().top());
    }

    void notesKeepTheirLineBreaks()
    {
        AddEssay();
        Edit(0, [](ProjPropF* editor) {
            editor->NotesTxt->setFocus();
            QTest::keyClicks(editor->NotesTxt, QStringLiteral("Two pages"));
            QTest::keyClick(editor->NotesTxt, Qt::Key_Return);
            QTest::keyClicks(editor->NotesTxt, QStringLiteral("Bring \"Hamlet\""));
            PressDone(editor);
        });
        QCOMPARE(Projects[0]->Description, QStringLiteral("Two pages|Bring ''Hamlet''"));
        Edit(0, [](ProjPropF* editor) {
            QCOMPARE(editor->NotesTxt->toPlainText(),
                     QStringLiteral("Two pages\nBring ''Hamlet''"));
            PressDone(editor);
        });
    }

    void aTextThatIsNoDateIsRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("30 February") << "31/2/2025";
        QTest::newRow("typo in the month") << "7 Mqr 2005";
        QTest::newRow("empty") << "";
    }
    void aTextThatIsNoDateIsRefused()
    {
        QFETCH(QString, typed);
        AddEssay();
        const QByteArray before = m_planner.ReadStore(QStringLiteral("Projects.txt"));
        Edit(0, [&](ProjPropF* editor) {
            Type(editor->NameTxt, QStringLiteral("Changed"));
            Type(editor->DueDateTxt, typed);
            PressDone(editor);
            QVERIFY(editor->isVisible());
            QLabel* error = Control<QLabel>(editor, "DateErrorLbl");
            QVERIFY(error->isVisible());
            QCOMPARE(error->geometry(), QRect(6, 201, 310, 20));
            QCOMPARE(editor->DueDateTxt->palette().color(QPalette::Text), QColor(Qt::red));
            QCOMPARE(Projects[0]->PName, QStringLiteral("Essay")); // nothing stored yet
            QTest::keyClick(editor->DueDateTxt, Qt::Key_End);
            QTest::keyClicks(editor->DueDateTxt, QStringLiteral("x"));
            QVERIFY(!error->isVisible());
            QCOMPARE(editor->DueDateTxt->palette().color(QPalette::Text), QColor(Qt::black));
            editor->close(); // the close box: nothing is stored
        });
        QCOMPARE(Projects[0]->PName, QStringLiteral("Essay"));
        QCOMPARE(Projects[0]->DueDate, DayNumberOf(Today));
        QCOMPARE(m_planner.ReadStore(QStringLiteral("Projects.txt")), before);
    }

    // Enter is Done; Escape is the close box and leaves the project alone.
    void keysThatCloseTheEditor_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Enter presses Done") << int(Qt::Key_Return) << "Changed";
        QTest::newRow("Escape leaves the project as it was") << int(Qt::Key_Escape) << "Essay";
    }
    void keysThatCloseTheEditor()
    {
        QFETCH(int, key);
        QFETCH(QString, stored);
        AddEssay();
        Edit(0, [key](ProjPropF* editor) {
            Type(editor->NameTxt, QStringLiteral("Changed"));
            QTest::keyClick(editor->NameTxt, Qt::Key(key));
        });
        QCOMPARE(Projects[0]->PName, stored);
    }

    void aFailedSaveSaysSoAndKeepsTheEdit()
    {
        AddEssay();
        // A folder where the file should be: the new file cannot take its place.
        const QString projects = m_planner.StorePath(QStringLiteral("Projects.txt"));
        QVERIFY(QFile::remove(projects));
        QVERIFY(QDir().mkdir(projects));
        ScriptedDialogs dialogs;
        Edit(0, [](ProjPropF* editor) {
            Type(editor->NameTxt, QStringLiteral("Changed"));
            PressDone(editor);
        });
        QCOMPARE(Projects[0]->PName, QStringLiteral("Changed"));
        QCOMPARE(dialogs.Asked().size(), 1);
        QVERIFY(dialogs.Asked()[0].text.startsWith(
            QStringLiteral("Duetide could not save \"%1\": ").arg(projects)));
    }
};

DUETIDE_TEST_MAIN(TestProjectEditor)
#include "tst_projecteditor.moc"
