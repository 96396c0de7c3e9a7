#include "model/Tables.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace MainM;

namespace {

std::shared_ptr<SubjectDef> Subject(const QString& name, qint32 colour)
{
    auto subject = std::make_shared<SubjectDef>();
    subject->SName = name;
    subject->Colour = std::make_shared<ColourTriplet>();
    subject->Colour->SetFromInt(colour);
    return subject;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ResetPlanner(); }

    void colourFromNumber_data()
    {
        QTest::addColumn<qint32>("number");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("black") << 0 << 0 << 0 << 0;
        QTest::newRow("white") << 16777215 << 255 << 255 << 255;
        QTest::newRow("grey") << 8421504 << 128 << 128 << 128;
        QTest::newRow("red is the low byte") << 255 << 255 << 0 << 0;
        QTest::newRow("blue is the high byte") << 16711680 << 0 << 0 << 255;
        QTest::newRow("chemistry") << 2631880 << 200 << 40 << 40;
    }
    void colourFromNumber()
    {
        QFETCH(qint32, number);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        ColourTriplet colour;
        colour.SetFromInt(number);
        QCOMPARE(int(colour.Red), red);
        QCOMPARE(int(colour.Green), green);
        QCOMPARE(int(colour.Blue), blue);
        QCOMPARE(colour.getInt(), number);
        QCOMPARE(colour.getColor(), QColor(red, green, blue));
    }

    void everyColourNumberRoundTrips()
    {
        ColourTriplet colour;
        for (qint32 n = 0; n <= 16777215; ++n) {
            colour.SetFromInt(n);
            if (colour.getInt() != n)
                QFAIL(qPrintable(QStringLiteral("colour number %1 came back as %2")
                                     .arg(n)
                                     .arg(colour.getInt())));
        }
    }

    void numbersOutsideTheRangeStillGiveAColour()
    {
        ColourTriplet colour;
        colour.SetFromInt(-1);
        colour.SetFromInt(std::numeric_limits<qint32>::max());
        colour.SetFromInt(std::numeric_limits<qint32>::min());
        QVERIFY(colour.getInt() >= 0 && colour.getInt() <= 16777215);
    }

    void findSubjectIgnoresCaseAndPrefersTheFirst()
    {
        AddSubjectEntry(Subject(QStringLiteral("History"), 1));
        AddSubjectEntry(Subject(QStringLiteral("chemistry"), 2));
        AddSubjectEntry(Subject(QStringLiteral("Chemistry"), 3));
        const auto found = FindSubject(QStringLiteral("CHEMISTRY"));
        QCOMPARE(found, Subjects[1]); // the table's own record, not a copy
    }

    void findSubjectOfAnUnknownNameIsAGreyStandIn()
    {
        AddSubjectEntry(Subject(QStringLiteral("History"), 1));
        const auto found = FindSubject(QStringLiteral("Physics"));
        QCOMPARE(found->SName, QStringLiteral("No Name"));
        QCOMPARE(found->Colour->getInt(), 8421504);
        QVERIFY(!found->Invisible);
        QCOMPARE(SubjectCount, 0);                                // not added to the table
        QVERIFY(FindSubject(QStringLiteral("Physics")) != found); // a new one each time
    }

    void findSubjectInAnEmptyTable()
    {
        QCOMPARE(SubjectCount, -1);
        QCOMPARE(FindSubject(QString())->SName, QStringLiteral("No Name"));
    }

    void countersFollowTheTables()
    {
        AddProjectEntry(std::make_shared<ProjectDef>());
        AddProjectEntry(std::make_shared<ProjectDef>());
        QCOMPARE(ProjectCount, 1);
        ClearProjects();
        QCOMPARE(ProjectCount, -1);
        QVERIFY(Projects.empty());
    }

    void projectIdsWrapToZeroAfter32767()
    {
        NextProjectID = 32766;
        QCOMPARE(IssueProjectID(), qint16(32766));
        QCOMPARE(IssueProjectID(), qint16(32767));
        QCOMPARE(NextProjectID, qint16(0));
        QCOMPARE(IssueProjectID(), qint16(0));
        QCOMPARE(NextProjectID, qint16(1));
    }
};

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
