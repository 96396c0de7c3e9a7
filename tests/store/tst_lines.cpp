#include "store/Lines.h"

#include <QTest>

using namespace MainM;

namespace {

QStringList Lines(const QByteArray& bytes)
{
    QStringList lines;
    const QString text = DecodeText(bytes);
    for (const QStringView line : SplitLines(text))
        lines << line.toString();
    return lines;
}

} // namespace

class TestLines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QByteArray() << QStringList{};
        QTest::newRow("no line end") << QByteArray("0") << QStringList{"0"};
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("empty line kept") << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("UTF-8") << QByteArray("\"Fran\xc3\xa7"
                                             "ais\",1")
                               << QStringList{QString::fromUtf8("\"Français\",1")};
        QTest::newRow("a Latin-1 line among UTF-8 lines")
            << QByteArray("\"Fran\xe7"
                          "ais\",1\r\n\"\xc3\xa9t\xc3\xa9\",2\r\n")
            << QStringList{QString::fromUtf8("\"Français\",1"), QString::fromUtf8("\"été\",2")};
        QTest::newRow("NUL bytes stay characters")
            << QByteArray("a\0b\r\n", 5)
            << QStringList{QString(QStringLiteral("a%1b")).arg(QChar(0))};
    }
    void splitLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(Lines(bytes), lines);
    }

    void subjectLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint32>("colour");
        QTest::newRow("chemistry") << "\"Chemistry\",2631880"
                                   << "Chemistry" << 2631880;
        QTest::newRow("white") << "\"Art\",16777215"
                               << "Art" << 16777215;
        QTest::newRow("comma in the name") << "\"Art, Design\",5"
                                           << "Art, Design" << 5;
        QTest::newRow("empty colour") << "\"Music\","
                                      << "Music" << 0;
        QTest::newRow("not a number") << "\"Music\",grey"
                                      << "Music" << 0;
        QTest::newRow("quote in the name is cut there") << "\"Say \"hi\"\",255"
                                                        << "Say " << 0;
        QTest::newRow("no closing quote") << "\"Music"
                                          << "Music" << 0;
        QTest::newRow("empty line") << ""
                                    << "" << 0;
        QTest::newRow("huge colour") << "\"A\",99999999999999"
                                     << "A" << ColourOf(std::numeric_limits<qint32>::max());
        QTest::newRow("stored-text form kept") << "\"A|B ''x''\",1"
                                               << "A|B ''x''" << 1;
    }
    void subjectLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(qint32, colour);
        const auto subject = ParseSubjectLine(line);
        QCOMPARE(subject->SName, name);
        QVERIFY(subject->Colour);
        QCOMPARE(subject->Colour->getInt(), colour);
        QVERIFY(!subject->Invisible);
    }

    void subjectLineIsWrittenAsRead()
    {
        ColourTriplet white{255, 255, 255};
        QCOMPARE(SubjectLine(QStringLiteral("Art"), white), QStringLiteral("\"Art\",16777215\r\n"));
        QCOMPARE(SubjectLine(QString(), ColourTriplet{}), QStringLiteral("\"\",0\r\n"));
    }

    void projectLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<qint32>("due");
        QTest::addColumn<int>("classV");
        QTest::addColumn<qint32>("weighting");
        QTest::addColumn<QString>("notes");
        QTest::newRow("example")
            << "14,\"Titration report\",\"Chemistry\",38688,1,20,\"Include the error "
               "analysis|Two pages at most\""
            << 14 << "Titration report"
            << "Chemistry" << 38688 << 1 << 20 << "Include the error analysis|Two pages at most";
        QTest::newRow("unknown weighting")
            << "15,\"Mock exam\",\"Chemistry\",38701,2,-1,\"\"" << 15 << "Mock exam"
            << "Chemistry" << 38701 << 2 << -1 << "";
        QTest::newRow("no weighting")
            << "16,\"Essay\",\"History\",38715,0,-2,\"''core''\"" << 16 << "Essay"
            << "History" << 38715 << 0 << -2 << "''core''";
        QTest::newRow("commas in the texts")
            << "3,\"Report, part 1\",\"Art, Design\",38700,0,10,\"a, b, c\"" << 3
            << "Report, part 1"
            << "Art, Design" << 38700 << 0 << 10 << "a, b, c";
        QTest::newRow("empty due date") << "3,\"A\",\"B\",,0,10,\"\"" << 3 << "A"
                                        << "B" << 0 << 0 << 10 << "";
        QTest::newRow("fields that are no numbers")
            << "3,\"A\",\"B\",soon,hard,lots,\"\"" << 3 << "A"
            << "B" << 0 << 0 << 0 << "";
        QTest::newRow("ID kept to 16 bits") << "65537,\"A\",\"B\",1,0,0,\"\"" << 1 << "A"
                                            << "B" << 1 << 0 << 0 << "";
        QTest::newRow("delivered")
            << "9,\"Field notes\",\"History\",38650,4,10,\"\"" << 9 << "Field notes"
            << "History" << 38650 << 4 << 10 << "";
        QTest::newRow("empty line") << "" << 0 << ""
                                    << "" << 0 << 0 << 0 << "";
        QTest::newRow("only an ID") << "12" << 12 << ""
                                    << "" << 0 << 0 << 0 << "";
        QTest::newRow("too few quotes") << "1,\"A\",B,2,3,4,5" << 1 << "A"
                                        << "" << 0 << 0 << 0 << "";
        QTest::newRow("too few commas") << "1,\"A\",\"B\"" << 1 << "A"
                                        << "B" << 0 << 0 << 0 << "";
        QTest::newRow("huge numbers saturate")
            << "1,\"A\",\"B\",99999999999,99999,99999999999,\"\"" << 1 << "A"
            << "B" << std::numeric_limits<qint32>::max() << 32767
            << std::numeric_limits<qint32>::max() << "";
    }
    void projectLine()
    {
        QFETCH(QString, line);
        QFETCH(int, id);
        QFETCH(QString, name);
        QFETCH(QString, subject);
        QFETCH(qint32, due);
        QFETCH(int, classV);
        QFETCH(qint32, weighting);
        QFETCH(QString, notes);
        const auto project = ParseProjectLine(line);
        QCOMPARE(project->ID, id);
        QCOMPARE(project->PName, name);
        QCOMPARE(project->Subject, subject);
        QCOMPARE(project->DueDate, due);
        QCOMPARE(project->ClassV, classV);
        QCOMPARE(project->Weighting, weighting);
        QCOMPARE(project->Description, notes);
        QVERIFY(project->Form.isNull());
        QVERIFY(!project->Archived);
    }

    void wellFormedProjectLinesRoundTrip()
    {
        const QString line =
            QStringLiteral("-7,\"Report, part 1\",\"Art\",38700,3,-2,\"a|b ''c''\"\r\n");
        const auto project = ParseProjectLine(line.chopped(2));
        QCOMPARE(ProjectLine(*project, project->Subject), line);
        QCOMPARE(ProjectLine(*project, QStringLiteral("Other")),
                 QStringLiteral("-7,\"Report, part 1\",\"Other\",38700,3,-2,\"a|b ''c''\"\r\n"));
    }

    void aHugeLineIsReadInOnePass()
    {
        const QString name(1 << 20, u'x');
        const QString line = QStringLiteral("1,\"%1\",\"B\",2,3,4,\"%1\"").arg(name);
        const auto project = ParseProjectLine(line);
        QCOMPARE(project->PName.size(), name.size());
        QCOMPARE(project->Weighting, 4);
        QCOMPARE(ParseSubjectLine(QStringLiteral("\"%1\",5").arg(name))->Colour->getInt(), 5);
        QCOMPARE(Lines(QByteArray(1 << 20, '\n')).size(), 1 << 20);
    }

    void settings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("daysView");
        QTest::addColumn<int>("daysViewDays");
        QTest::newRow("missing") << QByteArray() << 1 << 14;
        QTest::newRow("17 bytes") << QByteArray(17, '\x05') << 1 << 14;
        QTest::newRow("18 bytes") << QByteArray(16, '\0') + QByteArray("\x02\x15") << 2 << 21;
        QTest::newRow("out of range kept")
            << QByteArray(16, '\0') + QByteArray("\x07\xff") << 7 << 255;
        QTest::newRow("longer") << QByteArray(16, 'a') + QByteArray("\x00\x03zzz", 5) << 0 << 3;
    }
    void settings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, daysView);
        QFETCH(int, daysViewDays);
        const ViewSettings settings = ParseSettings(bytes);
        QCOMPARE(int(settings.daysView), daysView);
        QCOMPARE(int(settings.daysViewDays), daysViewDays);
    }

    void settingsKeepEveryOtherByte()
    {
        QCOMPARE(WithSettings({}, {2, 21}), QByteArray(16, '\0') + QByteArray("\x02\x15"));
        const QByteArray short17 = QByteArray("0123456789abcdefg");
        QCOMPARE(WithSettings(short17, {0, 7}), QByteArray("0123456789abcdef\x00\x07", 18));
        const QByteArray longer = QByteArray(16, 'a') + QByteArray("xyTAIL");
        QCOMPARE(WithSettings(longer, {1, 14}), QByteArray(16, 'a') + QByteArray("\x01\x0eTAIL"));
    }

private:
    static qint32 ColourOf(qint32 n)
    {
        ColourTriplet colour;
        colour.SetFromInt(n);
        return colour.getInt();
    }
};

QTEST_APPLESS_MAIN(TestLines)
#include "tst_lines.moc"
