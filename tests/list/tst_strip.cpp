#include "list/ProjectF.h"
#include "model/Records.h"
#include "model/Tables.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QTest>

class TestStrip : public QObject
{
    Q_OBJECT

    static QColor TextColour(const ProjectF& strip, const char* label)
    {
        return strip.findChild<QLabel*>(QLatin1String(label))
            ->palette()
            .color(QPalette::WindowText);
    }

private Q_SLOTS:
    void init() { ResetPlanner(); }

    void shadeFollowsTheBackground_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("subjectShade");
        QTest::newRow("grey, 384")
            << QColor(128, 128, 128) << QColor(Qt::black) << QColor(98, 98, 98);
        QTest::newRow("299 is dark")
            << QColor(100, 100, 99) << QColor(Qt::white) << QColor(125, 125, 124);
        QTest::newRow("300 is light")
            << QColor(100, 100, 100) << QColor(Qt::black) << QColor(70, 70, 70);
        QTest::newRow("dark red, 260")
            << QColor(240, 10, 10) << QColor(Qt::white) << QColor(255, 35, 35);
        QTest::newRow("light blue, 475")
            << QColor(20, 200, 255) << QColor(Qt::black) << QColor(0, 170, 225);
        QTest::newRow("black") << QColor(0, 0, 0) << QColor(Qt::white) << QColor(25, 25, 25);
    }
    void shadeFollowsTheBackground()
    {
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        QFETCH(QColor, subjectShade);
        ProjectF strip;
        strip.SetColour(ColourTriplet{quint8(background.red()), quint8(background.green()),
                                      quint8(background.blue())});
        QCOMPARE(strip.palette().color(QPalette::Window), background);
        QCOMPARE(int(strip.Red), background.red());
        QCOMPARE(int(strip.Blue), background.blue());
        for (const char* label : {"Namelbl", "Weightlbl", "Dayslbl"})
            QCOMPARE(TextColour(strip, label), text);
        QCOMPARE(TextColour(strip, "Subjectlbl"), subjectShade);
    }

    void layout()
    {
        ProjectF strip;
        QCOMPARE(strip.size(), QSize(276, 26));
        QCOMPARE(strip.windowTitle(), QStringLiteral("Project"));
        QVERIFY(strip.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(strip.windowFlags() & Qt::Tool);
        const struct
        {
            const char* name;
            QRect geometry;
            Qt::Alignment horizontal;
            int pixelSize;
        } labels[] = {
            {"Dayslbl", {208, 5, 61, 16}, Qt::AlignRight, 13},
            {"Weightlbl", {178, 4, 32, 17}, Qt::AlignRight, 13},
            {"Subjectlbl", {0, 0, 179, 26}, Qt::AlignRight, 23},
            {"Namelbl", {5, 5, 174, 17}, Qt::AlignLeft, 13},
        };
        QList<QLabel*> created = strip.findChildren<QLabel*>();
        QCOMPARE(created.size(), 4);
        for (int i = 0; i < 4; ++i) {
            QLabel* label = created[i]; // in creation order: later ones lie on top
            QCOMPARE(label->objectName(), QLatin1String(labels[i].name));
            QCOMPARE(label->geometry(), labels[i].geometry);
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, labels[i].horizontal);
            QCOMPARE(label->font().pixelSize(), labels[i].pixelSize);
            QVERIFY(!label->font().bold());
        }
    }

    void texts()
    {
        MainM::DaysView = 1;
        ProjectF strip;
        strip.SetTexts(QStringLiteral("Essay"), QStringLiteral("History"), -2, 10);
        const auto text = [&](const char* name) {
            return strip.findChild<QLabel*>(QLatin1String(name))->text();
        };
        QCOMPARE(text("Namelbl"), QStringLiteral("Essay"));
        QCOMPARE(text("Subjectlbl"), QStringLiteral("History"));
        QCOMPARE(text("Weightlbl"), QString());
        QCOMPARE(text("Dayslbl"), QStringLiteral("1 W  3 D"));
        strip.SetTexts(QStringLiteral("a|b"), QString(), -1, 0);
        QCOMPARE(text("Namelbl"), QStringLiteral("a|b")); // shown as held
        QCOMPARE(text("Weightlbl"), QStringLiteral("?"));
        QCOMPARE(text("Dayslbl"), QStringLiteral("Today"));
    }
};

DUETIDE_TEST_MAIN(TestStrip)
#include "tst_strip.moc"
