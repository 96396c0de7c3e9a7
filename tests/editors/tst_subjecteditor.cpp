#include "editors/SubjEdit.h"
#include "editors/SubjManageF.h"
#include "editors/SubjectEditing.h"
#include "editors/Swatch.h"
#include "list/DisplayList.h"
#include "list/ProjectF.h"
#include "model/Tables.h"
#include "support/TestSupport.h"
#include "windows/MenuButF.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace MainM;

namespace {

const QString SubjectsFile = QStringLiteral("Subjects.txt");

void PressDone(SubjEdit* editor)
{
    QTest::mouseClick(editor->DoneBut, Qt::LeftButton);
}

QColor StripColour(qint32 i)
{
    return Projects[size_t(i)]->Form->palette().color(QPalette::Window);
}

} // namespace

// The subject editor and the subject manager.
class TestSubjectEditor : public QObject
{
    Q_OBJECT

    RunningPlanner m_planner;

    void OpenManager(const std::function<void(SubjManageF*)>& act)
    {
        WhenModal<SubjManageF>(act);
        QTest::mouseClick(Control<QPushButton>(MenuButF::Get(), "BevelButton3"), Qt::LeftButton);
    }

private Q_SLOTS:
    void init() { m_planner.Start(); }
    void cleanup() { m_planner.Stop(); }

    void theEditorOpensOnTheSubjectsColour()
    {
        AddSubjectEntry(MakeSubject(QStringLiteral("Chemistry"), QColor(200, 40, 40)));
        WhenModal<SubjEdit>([](SubjEdit* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("Subject"));
            QCOMPARE(editor->size(), QSize(231, 241));
            QVERIFY(!(editor->windowFlags() & Qt::WindowCloseButtonHint));
            QCOMPARE(editor->SNameTxt->text(), QStringLiteral("Chemistry"));
            QCOMPARE(editor->CScroll[0]->value(), -200);
            QCOMPARE(editor->CScroll[1]->value(), -40);
            QCOMPARE(editor->CScroll[2]->value(), -40);
            QCOMPARE(editor->CRect[0]->Fill(), QColor(200, 0, 0));
            QCOMPARE(editor->CRect[1]->Fill(), QColor(0, 40, 0));
            QCOMPARE(editor->CRect[2]->Fill(), QColor(0, 0, 40));
            QCOMPARE(editor->ColourRect->Fill(), QColor(200, 40, 40));
            QCOMPARE(editor->CScroll[0]->geometry(), QRect(119, 59, 16, 143));
            QVERIFY(!editor->DoneBut->isDefault());
            // Escape does not close it: Done is the only way out.
            QTest::keyClick(editor->SNameTxt, Qt::Key_Escape);
            QVERIFY(editor->isVisible());
            PressDone(editor);
        });
        EditSubject(0, false);
        QCOMPARE(Subjects[0]->Colour->getInt(), 200 + 40 * 256 + 40 * 65536);
    }

    void theBarsMixTheColour_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("red");
        QTest::newRow("thumb at the top") << int(QAbstractSlider::SliderToMinimum) << 255;
        QTest::newRow("thumb at the bottom") << int(QAbstractSlider::SliderToMaximum) << 0;
        QTest::newRow("an arrow moves by 1") << int(QAbstractSlider::SliderSingleStepAdd) << 199;
        QTest::newRow("the track moves by 20") << int(QAbstractSlider::SliderPageStepSub) << 220;
    }
    void theBarsMixTheColour()
    {
        QFETCH(int, action);
        QFETCH(int, red);
        AddSubjectEntry(MakeSubject(QStringLiteral("Chemistry"), QColor(200, 40, 40)));
        const std::shared_ptr<ColourTriplet> colour = Subjects[0]->Colour;
        WhenModal<SubjEdit>([&](SubjEdit* editor) {
            editor->CScroll[0]->triggerAction(QAbstractSlider::SliderAction(action));
            // The table's own colour follows at once; the others stay.
            QCOMPARE(int(colour->Red), red);
            QCOMPARE(int(colour->Green), 40);
            QCOMPARE(int(colour->Blue), 40);
            QCOMPARE(editor->CRect[0]->Fill(), QColor(red, 0, 0));
            QCOMPARE(editor->ColourRect->Fill(), QColor(red, 40, 40));
            PressDone(editor);
        });
        EditSubject(0, false);
        QCOMPARE(Subjects[0]->Colour, colour);
    }

    void aClickOnTheArrowMovesByOne()
    {
        AddSubjectEntry(MakeSubject(QStringLiteral("Art"), QColor(10, 10, 10)));
        WhenModal<SubjEdit>([](SubjEdit* editor) {
            QScrollBar* blue = editor->CScroll[2];
            QTest::mouseClick(blue, Qt::LeftButton, {}, QPoint(8, blue->height() - 6));
            QTest::qWait(50);
            QCOMPARE(blue->value(), -9);
            PressDone(editor);
        });
        EditSubject(0, false);
        QCOMPARE(int(Subjects[0]->Colour->Blue), 9);
    }

    void addThenDoneSortsAnEmptyNameFirstAndSaves()
    {
        AddSubjectEntry(MakeSubject(QStringLiteral("Art"), QColor(1, 2, 3)));
        AddProjectEntry(MakeProject(QStringLiteral("Sketch"), QStringLiteral("Art"), TodayInt + 1));
        WhenModal<SubjEdit>([](SubjEdit* editor) {
            QCOMPARE(editor->SNameTxt->text(), QString());
            QCOMPARE(editor->ColourRect->Fill(), QColor(128, 128, 128));
            PressDone(editor);
        });
        QTest::mouseClick(Control<QPushButton>(MenuButF::Get(), "BevelButton2"), Qt::LeftButton);
        QCOMPARE(SubjectCount, 1);
        QCOMPARE(Subjects[0]->SName, QString());
        QCOMPARE(m_planner.ReadStore(SubjectsFile),
                 QByteArray("\"\",8421504\r\n\"Art\",197121\r\n"));
        QVERIFY(Projects[0]->Form); // the list was rebuilt
    }

    void aTypedDoubleQuoteIsStoredAsTwoSingleQuotes()
    {
        WhenModal<SubjEdit>([](SubjEdit* editor) {
            QTest::keyClicks(editor->SNameTxt, QStringLiteral("Say \"hi\""));
            PressDone(editor);
        });
        AddSubject();
        QCOMPARE(Subjects[0]->SName, QStringLiteral("Say ''hi''"));
        QCOMPARE(m_planner.ReadStore(SubjectsFile), QByteArray("\"Say ''hi''\",8421504\r\n"));
    }

    void sortingIgnoresCaseAndKeepsEqualNamesInOrder()
    {
        for (const char* name : {"biology", "Art", "chemistry", "ART"})
            AddSubjectEntry(MakeSubject(QLatin1String(name)));
        SortSubjects();
        QStringList names;
        for (const auto& subject : Subjects)
            names << subject->SName;
        QCOMPARE(names, (QStringList{"Art", "ART", "biology", "chemistry"}));
    }

    void theManagerWithNoSubjects()
    {
        m_planner.WriteStore(SubjectsFile, "stale");
        OpenManager([](SubjManageF* manager) {
            QCOMPARE(manager->windowTitle(), QStringLiteral("Edit Subjects"));
            QCOMPARE(manager->size(), QSize(247, 68));
            QCOMPARE(manager->SubjectCmb->count(), 0);
            QCOMPARE(manager->SubjectCmb->currentIndex(), -1);
            QTest::mouseClick(manager->EditBut, Qt::LeftButton); // nothing opens
            QTest::mouseClick(manager->DelBut, Qt::LeftButton);
            QTest::mouseClick(manager->VisiChk, Qt::LeftButton);
            manager->close();
        });
        QCOMPARE(m_planner.ReadStore(SubjectsFile), QByteArray());
    }

    void hidingASubjectTakesItsStripsOffUntilShownAgain()
    {
        AddSubjectEntry(MakeSubject(QStringLiteral("Art"), QColor(250, 200, 70)));
        AddSubjectEntry(MakeSubject(QStringLiteral("Music"), QColor(20, 20, 20)));
        Subjects[1]->Invisible = true;
        AddProjectEntry(MakeProject(QStringLiteral("Sketch"), QStringLiteral("Art"), TodayInt + 1));
        DisplayList();
        OpenManager([](SubjManageF* manager) {
            QCOMPARE(manager->SubjectCmb->currentIndex(), 0);
            QCOMPARE(manager->ColourRect->Fill(), QColor(250, 200, 70));
            QVERIFY(manager->VisiChk->isChecked());
            manager->SubjectCmb->setCurrentIndex(1);
            QVERIFY(!manager->VisiChk->isChecked()); // Music is hidden
            manager->SubjectCmb->setCurrentIndex(0);
            QTest::mouseClick(manager->VisiChk, Qt::LeftButton);
            QVERIFY(Projects[0]->Form);               // the list waits for the closing
            QTest::keyClick(manager, Qt::Key_Escape); // closes like the close box
        });
        QVERIFY(Subjects[0]->Invisible);
        QVERIFY(!Projects[0]->Form);
        OpenManager([](SubjManageF* manager) {
            QTest::mouseClick(manager->VisiChk, Qt::LeftButton);
            manager->close();
        });
        QVERIFY(Projects[0]->Form);
    }

    void deleteAsksNothingAndLeavesTheProjectsGrey()
    {
        AddSubjectEntry(MakeSubject(QStringLiteral("Art"), QColor(250, 200, 70)));
        AddSubjectEntry(MakeSubject(QStringLiteral("Music"), QColor(20, 200, 20)));
        AddProjectEntry(MakeProject(QStringLiteral("Sketch"), QStringLiteral("Art"), TodayInt + 1));
        DisplayList();
        ScriptedDialogs dialogs;
        OpenManager([](SubjManageF* manager) {
            QTest::mouseClick(manager->DelBut, Qt::LeftButton);
            QCOMPARE(SubjectCount, 0);
            QCOMPARE(manager->SubjectCmb->count(), 1);
            QCOMPARE(manager->SubjectCmb->currentIndex(), 0);
            QCOMPARE(manager->SubjectCmb->currentText(), QStringLiteral("Music"));
            QCOMPARE(manager->ColourRect->Fill(), QColor(20, 200, 20));
            manager->close();
        });
        QCOMPARE(dialogs.Asked().size(), 0);
        QCOMPARE(Projects[0]->Subject, QStringLiteral("Art"));
        QCOMPARE(StripColour(0), QColor(128, 128, 128));
        QCOMPARE(m_planner.ReadStore(SubjectsFile), QByteArray("\"Music\",1361940\r\n"));
    }

    void deletingEverySubjectSavesAnEmptyFile()
    {
        AddSubjectEntry(MakeSubject(QStringLiteral("Art")));
        AddSubjectEntry(MakeSubject(QStringLiteral("Music")));
        OpenManager([](SubjManageF* manager) {
            QTest::mouseClick(manager->DelBut, Qt::LeftButton);
            QTest::mouseClick(manager->DelBut, Qt::LeftButton);
            QTest::mouseClick(manager->DelBut, Qt::LeftButton); // nothing left to delete
            QCOMPARE(manager->SubjectCmb->count(), 0);
            manager->close();
        });
        QCOMPARE(SubjectCount, -1);
        QCOMPARE(m_planner.ReadStore(SubjectsFile), QByteArray());
    }

    // From the manager the editor changes only the manager's swatch at once;
    // the strips, the order and the file follow when the manager closes.
    void editingFromTheManager()
    {
        AddSubjectEntry(MakeSubject(QStringLiteral("Art"), QColor(250, 200, 70)));
        AddSubjectEntry(MakeSubject(QStringLiteral("Music"), QColor(20, 200, 20)));
        AddProjectEntry(MakeProject(QStringLiteral("Sketch"), QStringLiteral("Art"), TodayInt + 1));
        DisplayList();
        OpenManager([this](SubjManageF* manager) {
            WhenModal<SubjEdit>([](SubjEdit* editor) {
                QCOMPARE(editor->SNameTxt->text(), QStringLiteral("Art"));
                editor->SNameTxt->setText(QStringLiteral("Zoology"));
                editor->CScroll[0]->triggerAction(QAbstractSlider::SliderToMaximum);
                PressDone(editor);
            });
            QTest::mouseClick(manager->EditBut, Qt::LeftButton);
            QCOMPARE(manager->ColourRect->Fill(), QColor(0, 200, 70));
            QCOMPARE(manager->SubjectCmb->itemText(0), QStringLiteral("Art"));
            QCOMPARE(StripColour(0), QColor(250, 200, 70));
            QCOMPARE(m_planner.ReadStore(SubjectsFile), QByteArray());
            manager->close();
        });
        QCOMPARE(Subjects[0]->SName, QStringLiteral("Music"));
        QCOMPARE(Subjects[1]->SName, QStringLiteral("Zoology"));
        QCOMPARE(m_planner.ReadStore(SubjectsFile),
                 QByteArray("\"Music\",1361940\r\n\"Zoology\",4638720\r\n"));
        // Renamed, the subject has lost its project, which shows grey.
        QCOMPARE(StripColour(0), QColor(128, 128, 128));
    }
};

DUETIDE_TEST_MAIN(TestSubjectEditor)
#include "tst_subjecteditor.moc"
