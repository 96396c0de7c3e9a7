#include "model/DayNumbers.h"
#include "model/Tables.h"
#include "platform/Clock.h"

#include <QTest>

using namespace MainM;

class TestDayNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typedDates_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint32>("dayNumber");
        QTest::addColumn<QString>("shown");
        QTest::newRow("date text") << "7-Mar-2005" << 38418 << "7-Mar-2005";
        QTest::newRow("month name") << "7 March 2005" << 38418 << "7-Mar-2005";
        QTest::newRow("slashes") << "7/3/2005" << 38418 << "7-Mar-2005";
        QTest::newRow("backslashes, short year") << "7\\3\\05" << 38418 << "7-Mar-2005";
        QTest::newRow("leading zero, lower case") << "07-mar-05" << 38418 << "7-Mar-2005";
        QTest::newRow("leap day") << "29 Feb 2004" << 38047 << "29-Feb-2004";
        QTest::newRow("after a leap day") << "1 Mar 2004" << 38048 << "1-Mar-2004";
        QTest::newRow("end of January") << "31 Jan 2005" << 38383 << "31-Jan-2005";
        QTest::newRow("end of a year") << "31 Dec 2005" << 38717 << "31-Dec-2005";
        QTest::newRow("end of a leap year") << "31 Dec 2004" << 38353 << "1-Jan-2005";
        QTest::newRow("shares its number") << "1 Jan 2005" << 38353 << "1-Jan-2005";
        QTest::newRow("the year 2000") << "1 Jan 2000" << 36527 << "1-Jan-2000";
        QTest::newRow("before the skipped number") << "31 Dec 2003" << 37986 << "31-Dec-2003";
        QTest::newRow("after the skipped number") << "1 Jan 2004" << 37988 << "1-Jan-2004";
        QTest::newRow("blanks around") << "  7-Mar-2005 " << 38418 << "7-Mar-2005";
        QTest::newRow("tab at the end") << "7-Mar-2005\t" << 38418 << "7-Mar-2005";
        QTest::newRow("short year 5") << "7-3-5" << 38418 << "7-Mar-2005";
        QTest::newRow("short year 84")
            << "1-1-84" << DayNumberOf(QDate(2084, 1, 1)) << "1-Jan-2084";
        QTest::newRow("short year 85")
            << "1-1-85" << DayNumberOf(QDate(1985, 1, 1)) << "1-Jan-1985";
        QTest::newRow("short year 99")
            << "1-1-99" << DayNumberOf(QDate(1999, 1, 1)) << "1-Jan-1999";
        QTest::newRow("empty year") << "7-3-" << DayNumberOf(QDate(2000, 3, 7)) << "7-Mar-2000";
        QTest::newRow("Sept") << "1 Sept 2005" << DayNumberOf(QDate(2005, 9, 1)) << "1-Sep-2005";
        QTest::newRow("s") << "1 s 2005" << DayNumberOf(QDate(2005, 9, 1)) << "1-Sep-2005";
        QTest::newRow("JUL") << "4 JUL 2005" << DayNumberOf(QDate(2005, 7, 4)) << "4-Jul-2005";
        QTest::newRow("third separator: last part is the year")
            << "7-3-1999-2005" << 38418 << "7-Mar-2005";
        QTest::newRow("first and last years")
            << "1-1-1901" << DayNumberOf(QDate(1901, 1, 1)) << "1-Jan-1901";
    }
    void typedDates()
    {
        QFETCH(QString, typed);
        QFETCH(qint32, dayNumber);
        QFETCH(QString, shown);
        bool ok = false;
        QCOMPARE(CIntOfDate(typed, &ok), dayNumber);
        QVERIFY(ok);
        QCOMPARE(CDate(dayNumber), shown);
    }

    void notADate_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << "   ";
        QTest::newRow("30 February") << "30 Feb 2005";
        QTest::newRow("29 February of a common year") << "29-2-2005";
        QTest::newRow("month 13") << "1/13/2005";
        QTest::newRow("day 0") << "0/3/2005";
        QTest::newRow("empty month") << "7--2005";
        QTest::newRow("one separator") << "7-Mar";
        QTest::newRow("Ju matches no month") << "1 Ju 2005";
        QTest::newRow("J matches no month") << "1 J 2005";
        QTest::newRow("Ma matches no month") << "1 Ma 2005";
        QTest::newRow("A matches no month") << "1 A 2005";
        QTest::newRow("typo in the month") << "7 Mqr 2005";
        QTest::newRow("letters in the day") << "7th March 2005";
        QTest::newRow("letters in a short year") << "7 Mar x";
        QTest::newRow("letters in the year") << "7 Mar 2005x";
        QTest::newRow("year 1900") << "1 Jan 1900";
        QTest::newRow("year 2100") << "1 Jan 2100";
        QTest::newRow("huge year") << "1 Jan 99999999999";
        QTest::newRow("huge day") << "99999999999 Jan 2005";
        QTest::newRow("negative month") << "1 -3 2005";
    }
    void notADate()
    {
        QFETCH(QString, typed);
        bool ok = true;
        QCOMPARE(CIntOfDate(typed, &ok), 0);
        QVERIFY(!ok);
        QCOMPARE(CIntOfDate(typed), 0); // no result flag asked for
    }

    void everyDateOfTheRangeRoundTrips()
    {
        qint32 previous = DayNumberOf(QDate(1901, 1, 1)) - 1;
        for (QDate date(1901, 1, 1); date.year() <= 2099; date = date.addDays(1)) {
            const qint32 n = DayNumberOf(date);
            // Consecutive within a year; one number skipped before 1 January
            // of a year divisible by 4, and the same number again on it.
            qint32 step = 1;
            if (date.month() == 1 && date.day() == 1 && date.year() > 1901)
                step = date.year() % 4 == 0 ? 2 : (date.year() % 4 == 1 ? 0 : 1);
            QCOMPARE(n - previous, step);
            previous = n;

            bool ok = false;
            const QString text = CDate(n);
            if (date.year() % 4 == 0 && date.month() == 12 && date.day() == 31) {
                QCOMPARE(text, CDate(DayNumberOf(date.addDays(1))));
                continue;
            }
            if (CIntOfDate(text, &ok) != n || !ok)
                QFAIL(
                    qPrintable(QStringLiteral("%1 gave %2").arg(date.toString(Qt::ISODate), text)));
        }
    }

    void defineTodayFollowsTheClock()
    {
        platform::SetCurrentDate(QDate(2005, 3, 7));
        DefineToday();
        QCOMPARE(TodayInt, 38418);
        platform::SetCurrentDate({});
        DefineToday();
        QCOMPARE(TodayInt, DayNumberOf(QDate::currentDate()));
    }

    void numbersNoDateGivesStillShowSomeText()
    {
        for (const qint32 n : {std::numeric_limits<qint32>::min(), -1, 0, 1, 37987,
                               std::numeric_limits<qint32>::max()})
            QVERIFY(!CDate(n).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestDayNumbers)
#include "tst_daynumbers.moc"
