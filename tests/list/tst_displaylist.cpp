#include "list/DisplayList.h"
#include "list/ProjectF.h"
#include "model/DayNumbers.h"
#include "model/Tables.h"
#include "platform/Clock.h"
#include "support/TestSupport.h"
#include "windows/MenuButF.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace MainM;

namespace {

const QDate Today(2026, 12, 11);

qint32 InDays(int days)
{
    return DayNumberOf(Today) + days;
}

QRect Area()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

int Right()
{
    return Area().x() + Area().width();
}

QRect StripOf(qint32 i)
{
    ProjectF* strip = Projects[size_t(i)]->Form;
    return strip ? strip->geometry() : QRect();
}

QString NameOn(qint32 i)
{
    return Projects[size_t(i)]->Form->findChild<QLabel*>(QStringLiteral("Namelbl"))->text();
}

} // namespace

class TestDisplayList : public QObject
{
    Q_OBJECT

    RunningPlanner m_planner;

    void AddProject(const QString& name, int days, const QString& subject = QStringLiteral("Art"),
                    qint16 classV = ClassNormal)
    {
        AddProjectEntry(MakeProject(name, subject, InDays(days), classV));
    }

private Q_SLOTS:
    void init()
    {
        m_planner.Start(Today);
        AddSubjectEntry(MakeSubject(QStringLiteral("Art"), QColor(200, 40, 40)));
    }
    void cleanup() { m_planner.Stop(); }

    void anEmptyListPutsTheBarAtTheTop_data()
    {
        QTest::addColumn<int>("viewMode");
        QTest::newRow("column view") << 0;
        QTest::newRow("time-line view") << 1;
    }
    void anEmptyListPutsTheBarAtTheTop()
    {
        QFETCH(int, viewMode);
        ViewMode = viewMode;
        DisplayList();
        MenuButF* bar = MenuButF::Get();
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->geometry(), QRect(Right() - 276, Area().top(), 276, 22));
    }

    void theColumnStacksStripsOnePixelApart()
    {
        AddProject(QStringLiteral("third"), 30);
        AddProject(QStringLiteral("first"), 2);
        AddProject(QStringLiteral("second"), 9);
        DisplayList();
        const int top = Area().top();
        for (qint32 i = 0; i < 3; ++i) {
            QCOMPARE(StripOf(i), QRect(Right() - 276, top + 27 * i, 276, 26));
            QVERIFY(Projects[size_t(i)]->Form->isVisible());
            QCOMPARE(Projects[size_t(i)]->Form->SuperID, i);
        }
        QCOMPARE(NameOn(0), QStringLiteral("first"));
        QCOMPARE(NameOn(2), QStringLiteral("third"));
        QCOMPARE(MenuButF::Get()->geometry(), QRect(Right() - 276, top + 81, 276, 22));
    }

    void deliveredAndHiddenProjectsStayOff()
    {
        AddSubjectEntry(MakeSubject(QStringLiteral("Music")));
        Subjects[1]->Invisible = true;
        AddProject(QStringLiteral("delivered"), 1, QStringLiteral("Art"), ClassDelivered);
        AddProject(QStringLiteral("hidden"), 2, QStringLiteral("music")); // any letter case
        AddProject(QStringLiteral("complete"), 3, QStringLiteral("Art"), ClassComplete);
        DisplayList();
        QVERIFY(!Projects[0]->Form);
        QVERIFY(!Projects[1]->Form);
        QCOMPARE(StripOf(2).top(), Area().top());
        QCOMPARE(MenuButF::Get()->y(), Area().top() + 27);

        // A strip that was shown is closed when its project is delivered.
        Subjects[1]->Invisible = false;
        DisplayList();
        QPointer<ProjectF> old = Projects[1]->Form;
        QVERIFY(old);
        Projects[1]->ClassV = ClassDelivered;
        DisplayList();
        QVERIFY(!Projects[1]->Form);
        QVERIFY(!old->isVisible());
    }

    void aProjectOfNoSubjectIsGrey()
    {
        AddProject(QStringLiteral("orphan"), 1, QStringLiteral("Deleted subject"));
        DisplayList();
        ProjectF* strip = Projects[0]->Form;
        QVERIFY(strip);
        QCOMPARE(strip->palette().color(QPalette::Window), QColor(128, 128, 128));
        QCOMPARE(strip->findChild<QLabel*>(QStringLiteral("Subjectlbl"))->text(),
                 QStringLiteral("Deleted subject"));
        QCOMPARE(Projects[0]->Subject, QStringLiteral("Deleted subject"));
    }

    void equalDaysKeepTheirOrder()
    {
        for (const char* name : {"a", "b", "c", "d"})
            AddProject(QLatin1String(name), 5);
        AddProject(QStringLiteral("soon"), 1);
        DisplayList();
        QStringList order;
        for (qint32 i = 0; i <= ProjectCount; ++i)
            order << Projects[size_t(i)]->PName;
        QCOMPARE(order, (QStringList{"soon", "a", "b", "c", "d"}));
    }

    void everyRebuildMakesNewStripsWithTheirIndex()
    {
        AddProject(QStringLiteral("x"), 5);
        AddProject(QStringLiteral("y"), 3);
        DisplayList();
        QPointer<ProjectF> before = Projects[0]->Form;
        Projects[0]->DueDate = InDays(9); // y now due after x
        DisplayList();
        QVERIFY(Projects[0]->Form != before);
        QCOMPARE(Projects[0]->PName, QStringLiteral("x"));
        for (qint32 i = 0; i <= ProjectCount; ++i)
            QCOMPARE(Projects[size_t(i)]->Form->SuperID, i);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!before); // closed strips are destroyed once the event loop runs
    }

    void daysLeftSaturateRatherThanWrap()
    {
        AddProject(QStringLiteral("mistyped year"), 0);
        Projects[0]->DueDate = DayNumberOf(QDate(1901, 3, 7));
        AddProject(QStringLiteral("far away"), 0);
        Projects[1]->DueDate = std::numeric_limits<qint32>::max();
        DisplayList();
        QCOMPARE(Projects[0]->PName, QStringLiteral("mistyped year"));
        QCOMPARE(Projects[0]->DaysToGo, qint16(-32768));
        QCOMPARE(Projects[1]->DaysToGo, qint16(32767));
    }

    void firstAndLastDayCountEveryProject()
    {
        QCOMPARE(LastDay(), -32676); // empty table
        AddProject(QStringLiteral("open"), 4);
        AddProject(QStringLiteral("delivered late"), -6, QStringLiteral("Art"), ClassDelivered);
        AddProject(QStringLiteral("later"), 20, QStringLiteral("Art"), ClassDelivered);
        SortList();
        QCOMPARE(FirstDay(), -6);
        QCOMPARE(LastDay(), 20);
        Projects[0]->DaysToGo = 1;
        Projects[1]->DaysToGo = 3;
        Projects[2]->DaysToGo = 3;
        QCOMPARE(FirstDay(), 0);
    }

    void timeLineOneProjectEndsAtTheBottom()
    {
        ViewMode = 1;
        AddProject(QStringLiteral("ten days"), 10);
        DisplayList();
        const QRect strip = StripOf(0);
        QVERIFY(qAbs(strip.bottom() + 1 - (Area().top() + Area().height())) <= 1);
        QCOMPARE(strip.left(), Right() - 276);
        QCOMPARE(MenuButF::Get()->geometry(), QRect(Right() - 276, Area().top(), 276, 22));
    }

    void timeLineOverdueSitsUnderTheBar()
    {
        ViewMode = 1;
        AddProject(QStringLiteral("due"), 30);
        AddProject(QStringLiteral("overdue"), -5);
        AddProject(QStringLiteral("delivered, far"), 60, QStringLiteral("Art"), ClassDelivered);
        DisplayList();
        QCOMPARE(Projects[0]->PName, QStringLiteral("overdue"));
        QCOMPARE(StripOf(0).top(), Area().top() + 22);
        // The delivered project widens the scale: 35 of 65 days down.
        const double scale = double(Area().height() - 26 - 22) / 65;
        QCOMPARE(StripOf(1).top(), int(std::lround(35 * scale)) + Area().top() + 22);
    }

    void timeLineSameDayGoesRightLeftRight()
    {
        ViewMode = 1;
        AddProject(QStringLiteral("a"), 3);
        AddProject(QStringLiteral("b"), 3);
        AddProject(QStringLiteral("c"), 3);
        AddProject(QStringLiteral("later"), 40);
        DisplayList();
        QCOMPARE(StripOf(0).left(), Right() - 276);
        QCOMPARE(StripOf(1).left(), Right() - 552);
        QCOMPARE(StripOf(2).left(), Right() - 276);
        QCOMPARE(StripOf(1).top(), StripOf(0).top());
        QCOMPARE(StripOf(3).left(), Right() - 276);
    }

    void timeLineAllOnOneDayStandsUnderTheBar()
    {
        ViewMode = 1;
        AddProject(QStringLiteral("a"), -2);
        AddProject(QStringLiteral("b"), -2);
        DisplayList();
        QCOMPARE(StripOf(0), QRect(Right() - 276, Area().top() + 22, 276, 26));
        QCOMPARE(StripOf(1), QRect(Right() - 552, Area().top() + 22, 276, 26));
    }

    void aNewDayRebuildsTheList()
    {
        AddProject(QStringLiteral("tomorrow"), 1);
        DisplayList();
        QPointer<ProjectF> before = Projects[0]->Form;
        CheckDate();
        QCOMPARE(Projects[0]->Form, before); // same day: nothing happens

        platform::SetCurrentDate(Today.addDays(1));
        // Not while a modal window is open: it may hold an index.
        QDialog modal;
        bool checkedUnderModal = false;
        QTimer::singleShot(0, &modal, [&] {
            CheckDate();
            checkedUnderModal = Projects[0]->Form == before;
            modal.reject();
        });
        modal.exec();
        QVERIFY(checkedUnderModal);

        CheckDate();
        QVERIFY(Projects[0]->Form != before);
        QCOMPARE(Projects[0]->DaysToGo, qint16(0));
        QCOMPARE(Projects[0]->Form->findChild<QLabel*>(QStringLiteral("Dayslbl"))->text(),
                 QStringLiteral("Today"));
    }
};

DUETIDE_TEST_MAIN(TestDisplayList)
#include "tst_displaylist.moc"
