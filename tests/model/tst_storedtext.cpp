#include "model/StoredText.h"

#include <QTest>

using namespace MainM;

class TestStoredText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compStr_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("plain") << "Titration report"
                               << "Titration report";
        QTest::newRow("line feed") << "\n"
                                   << "|";
        QTest::newRow("carriage return") << "\r"
                                         << "|";
        QTest::newRow("CR LF is one break") << "a\r\nb"
                                            << "a|b";
        QTest::newRow("two breaks") << "a\n\nb"
                                    << "a||b";
        QTest::newRow("LF CR is two breaks") << "a\n\rb"
                                             << "a||b";
        QTest::newRow("double quote") << "\""
                                      << "''";
        QTest::newRow("example") << "Two pages\nBring \"Hamlet\""
                                 << "Two pages|Bring ''Hamlet''";
        QTest::newRow("already stored") << "Two pages|Bring ''Hamlet''"
                                        << "Two pages|Bring ''Hamlet''";
        QTest::newRow("commas stay") << "a, b"
                                     << "a, b";
    }
    void compStr()
    {
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        QCOMPARE(CompStr(shown), stored);
        QVERIFY(!stored.contains(u'"'));
        QVERIFY(!stored.contains(u'\r'));
        QVERIFY(!stored.contains(u'\n'));
    }

    void expandStr_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("two bars") << "||"
                                  << "\n\n";
        QTest::newRow("single quotes stay") << "''"
                                            << "''";
        QTest::newRow("example") << "Two pages|Bring ''Hamlet''"
                                 << "Two pages\nBring ''Hamlet''";
    }
    void expandStr()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(ExpandStr(stored), shown);
    }

    // The two forms are not inverses: a double quote comes back as two single
    // quotes, and a typed "|" as a line break.
    void aRoundTripKeepsBreaksButNotQuotes()
    {
        QCOMPARE(ExpandStr(CompStr(QStringLiteral("a\nb"))), QStringLiteral("a\nb"));
        QCOMPARE(ExpandStr(CompStr(QStringLiteral("say \"hi\""))), QStringLiteral("say ''hi''"));
        QCOMPARE(ExpandStr(CompStr(QStringLiteral("a|b"))), QStringLiteral("a\nb"));
        QCOMPARE(CompStr(QStringLiteral("''")), CompStr(QStringLiteral("\"")));
    }
};

QTEST_APPLESS_MAIN(TestStoredText)
#include "tst_storedtext.moc"
