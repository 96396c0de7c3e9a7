#include "store/Fields.h"

#include <QTest>

using namespace MainM;

class TestFields : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numericFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<qint64>("leading");
        QTest::newRow("digits") << "38688" << true << qint64(38688);
        QTest::newRow("negative") << "-2" << true << qint64(-2);
        QTest::newRow("blanks around") << "  18 \t" << true << qint64(18);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("blank") << "  " << false << qint64(0);
        QTest::newRow("minus alone") << "-" << false << qint64(0);
        QTest::newRow("digits then a comma") << "12," << false << qint64(12);
        QTest::newRow("digits then letters") << "12ab" << false << qint64(12);
        QTest::newRow("letters") << "ab" << false << qint64(0);
        QTest::newRow("plus sign") << "+5" << false << qint64(0);
        QTest::newRow("fraction") << "12.7" << false << qint64(12);
        QTest::newRow("two minus signs") << "--3" << false << qint64(0);
        QTest::newRow("blank inside") << "1 2" << false << qint64(1);
        QTest::newRow("Arabic-Indic digits are no digits")
            << QString::fromUtf8("\u0661") << false << qint64(0);
        QTest::newRow("huge saturates")
            << "99999999999999999999999" << true << std::numeric_limits<qint64>::max();
        QTest::newRow("huge negative saturates")
            << "-99999999999999999999999" << true << std::numeric_limits<qint64>::min();
    }
    void numericFields()
    {
        QFETCH(QString, field);
        QFETCH(bool, numeric);
        QFETCH(qint64, leading);
        QCOMPARE(IsNumeric(field), numeric);
        QCOMPARE(LeadingValue(field), leading);
    }

    void typedNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("number");
        QTest::newRow("per cent") << "30%" << 30.0;
        QTest::newRow("fraction") << "12.7" << 12.7;
        QTest::newRow("blanks first") << "  5 days" << 5.0;
        QTest::newRow("negative") << "-2" << -2.0;
        QTest::newRow("plus sign") << "+3" << 3.0;
        QTest::newRow("only a fraction") << ".5" << 0.5;
        QTest::newRow("no number") << "soon" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("huge") << "1e9999" << 1.0;
    }
    void typedNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(double, number);
        QCOMPARE(LeadingNumber(typed), number);
    }

    void narrowing_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<qint32>("saturated32");
        QTest::addColumn<qint16>("saturated16");
        QTest::addColumn<qint16>("wrapped16");
        QTest::newRow("small") << qint64(42) << 42 << qint16(42) << qint16(42);
        QTest::newRow("just fits 16 bits")
            << qint64(32767) << 32767 << qint16(32767) << qint16(32767);
        QTest::newRow("one past 16 bits")
            << qint64(32768) << 32768 << qint16(32767) << qint16(-32768);
        QTest::newRow("65536 wraps to 0") << qint64(65536) << 65536 << qint16(32767) << qint16(0);
        QTest::newRow("below 16 bits")
            << qint64(-40000) << -40000 << qint16(-32768) << qint16(25536);
        QTest::newRow("past 32 bits") << qint64(5000000000) << std::numeric_limits<qint32>::max()
                                      << qint16(32767) << qint16(quint16(5000000000 & 0xFFFF));
        QTest::newRow("most negative")
            << std::numeric_limits<qint64>::min() << std::numeric_limits<qint32>::min()
            << qint16(-32768) << qint16(0);
    }
    void narrowing()
    {
        QFETCH(qint64, value);
        QFETCH(qint32, saturated32);
        QFETCH(qint16, saturated16);
        QFETCH(qint16, wrapped16);
        QCOMPARE(Saturated32(value), saturated32);
        QCOMPARE(Saturated16(value), saturated16);
        QCOMPARE(Wrapped16(value), wrapped16);
    }
};

QTEST_APPLESS_MAIN(TestFields)
#include "tst_fields.moc"
