#include "model/Tables.h"
#include "model/Wording.h"

#include <QTest>

using namespace MainM;

class TestWording : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void timeLeftUnderEachSetting_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("daysOnly");
        QTest::addColumn<QString>("weeksAndDays");
        QTest::addColumn<QString>("weeks");
        QTest::newRow("0") << 0 << "Today"
                           << "Today"
                           << "Today";
        QTest::newRow("1") << 1 << "1 Day"
                           << "1 Day"
                           << "1 Day";
        QTest::newRow("2") << 2 << "2 Days"
                           << "2 Days"
                           << "2 Days";
        QTest::newRow("6") << 6 << "6 Days"
                           << "6 Days"
                           << "6 Days";
        QTest::newRow("7") << 7 << "7 Days"
                           << "1 W  0 D"
                           << "7 Days";
        QTest::newRow("10") << 10 << "10 Days"
                            << "1 W  3 D"
                            << "10 Days";
        QTest::newRow("14") << 14 << "14 Days"
                            << "2 W  0 D"
                            << "2 Weeks";
        QTest::newRow("20") << 20 << "20 Days"
                            << "2 W  6 D"
                            << "2 Weeks";
        QTest::newRow("-1") << -1 << "-1 Day"
                            << "-1 Day"
                            << "-1 Day";
        QTest::newRow("-3") << -3 << "-3 Days"
                            << "-3 Days"
                            << "-3 Days";
        QTest::newRow("-10") << -10 << "-10 Days"
                             << "-1 W  -3 D"
                             << "-10 Days";
        QTest::newRow("-15") << -15 << "-15 Days"
                             << "-2 W  -1 D"
                             << "-2 Weeks";
        QTest::newRow("-14") << -14 << "-14 Days"
                             << "-2 W  0 D"
                             << "-2 Weeks";
        QTest::newRow("most negative") << -32768 << "-32768 Days"
                                       << "-4681 W  -1 D"
                                       << "-4681 Weeks";
    }
    void timeLeftUnderEachSetting()
    {
        QFETCH(int, days);
        QFETCH(QString, daysOnly);
        QFETCH(QString, weeksAndDays);
        QFETCH(QString, weeks);
        DaysViewDays = 14;
        DaysView = 0;
        QCOMPARE(ResolveDays(qint16(days)), daysOnly);
        DaysView = 1;
        QCOMPARE(ResolveDays(qint16(days)), weeksAndDays);
        DaysView = 2;
        QCOMPARE(ResolveDays(qint16(days)), weeks);
        DaysView = 7; // from a damaged settings file: worded as days
        QCOMPARE(ResolveDays(qint16(days)), daysOnly);
    }

    void weeksFromOtherThresholds_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("text");
        QTest::newRow("7 from 7") << 7 << 7 << "1 Week";
        QTest::newRow("13 from 7") << 13 << 7 << "1 Week";
        QTest::newRow("-7 from 7") << -7 << 7 << "-1 Week";
        QTest::newRow("today from 0 reads as weeks") << 0 << 0 << "0 Weeks";
        QTest::newRow("6 from 5") << 6 << 5 << "0 Weeks";
        QTest::newRow("4 from 5") << 4 << 5 << "4 Days";
        QTest::newRow("from 255") << 300 << 255 << "42 Weeks";
    }
    void weeksFromOtherThresholds()
    {
        QFETCH(int, days);
        QFETCH(int, threshold);
        QFETCH(QString, text);
        DaysView = 2;
        DaysViewDays = quint8(threshold);
        QCOMPARE(ResolveDays(qint16(days)), text);
    }

    void weighting_data()
    {
        QTest::addColumn<int>("weighting");
        QTest::addColumn<QString>("text");
        QTest::newRow("10") << 10 << "10%";
        QTest::newRow("0") << 0 << "0%";
        QTest::newRow("100") << 100 << "100%";
        QTest::newRow("not known yet") << -1 << "?";
        QTest::newRow("none") << -2 << "";
        QTest::newRow("other negative") << -7 << "?";
    }
    void weighting()
    {
        QFETCH(int, weighting);
        QFETCH(QString, text);
        QCOMPARE(ResolveWeighting(weighting), text);
    }
};

QTEST_APPLESS_MAIN(TestWording)
#include "tst_wording.moc"
