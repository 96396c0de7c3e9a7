// The real program as a person uses it: started as its own process on the
// test's X server, driven only by pointer clicks and key presses at the
// places its windows have, with the files on disk checked after each step.
// On a failure the screen is saved as e2e-failure-<test>.png.
#include "model/DayNumbers.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

QString Xdotool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(10000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds = 15000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(50);
    }
    return true;
}

QRect GeometryOf(const QString& window)
{
    QRect geometry;
    for (const QString& line :
         Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window})
             .split(u'\n')) {
        const int value = line.section(u'=', 1).toInt();
        if (line.startsWith(QLatin1String("X=")))
            geometry.moveLeft(value);
        else if (line.startsWith(QLatin1String("Y=")))
            geometry.moveTop(value);
        else if (line.startsWith(QLatin1String("WIDTH=")))
            geometry.setWidth(value);
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            geometry.setHeight(value);
    }
    return geometry;
}

// The visible windows with exactly this title and, when given, this size.
QList<QRect> Windows(const QString& title, QSize size = {})
{
    QList<QRect> found;
    const QString ids = Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--name"), u'^' + title + u'$'});
    for (const QString& id : ids.split(u'\n', Qt::SkipEmptyParts)) {
        const QRect geometry = GeometryOf(id);
        if (!size.isValid() || geometry.size() == size)
            found << geometry;
    }
    return found;
}

QRect WaitForWindow(const QString& title, QSize size = {})
{
    QRect window;
    WaitFor([&] {
        const QList<QRect> found = Windows(title, size);
        window = found.isEmpty() ? QRect() : found.constFirst();
        return !found.isEmpty();
    });
    return window;
}

void ClickAt(const QPoint& point, int button = 1)
{
    Xdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
             QStringLiteral("click"), QString::number(button)});
}

// A click in the middle of a control of a window, placed as in its layout.
void Click(const QRect& window, const QRect& control, int button = 1)
{
    ClickAt(window.topLeft() + control.center(), button);
}

void Keys(const QStringList& keys)
{
    Xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")}
            + keys);
}

void Type(const QString& text)
{
    Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("5"), text});
}

// Clicks a text field, clears it and types into it.
void Fill(const QRect& window, const QRect& field, const QString& text)
{
    Click(window, field);
    Keys({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
    Type(text);
}

QString DateText(const QDate& date)
{
    return QLocale::c().toString(date, QStringLiteral("d-MMM-yyyy"));
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Places from the windows' layouts.
const QSize BarSize(276, 22), StripSize(276, 26), EditorSize(418, 228);
const QRect AddProjectButton(0, 0, 76, 22), AddSubjectButton(75, 0, 76, 22);
const QRect TriangleButton(228, 0, 25, 22), QuitButton(252, 0, 24, 22);
const QRect NameField(72, 6, 132, 20), SubjectBox(287, 4, 122, 18), DueDateField(72, 36, 132, 20);
const QRect WeightField(287, 36, 122, 20), ClassPopup(71, 67, 133, 19),
    ProjectDone(323, 201, 87, 20);
const QRect SubjectNameField(109, 7, 114, 21), BlueBarUpArrow(195, 59, 16, 14);
const QRect SubjectDone(108, 211, 115, 22);
const QRect ImportButton(11, 109, 120, 18), ExportButton(11, 134, 120, 18);
const QRect SwitchButton(11, 165, 120, 18), SelectButton(5, 90, 310, 20);

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_planner;
    QRect m_screen;

    QString Store(const QString& folder, const QString& file) const
    {
        return m_dir.filePath(folder + QStringLiteral("/Ferrowind/Duetide/") + file);
    }

    // Starts the program copied into `folder`, and waits for its bar.
    QRect Start(const QString& folder)
    {
        QDir().mkpath(m_dir.filePath(folder));
        const QString program = m_dir.filePath(folder + QStringLiteral("/duetide"));
        if (!QFile::exists(program))
            QFile::copy(qEnvironmentVariable("DUETIDE_BINARY"), program);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home")));
        m_planner.setProcessEnvironment(env);
        m_planner.setProcessChannelMode(QProcess::ForwardedChannels);
        m_planner.start(program, {});
        m_planner.waitForStarted();
        return WaitForWindow(QStringLiteral("Buttons"), BarSize);
    }

    void Quit(const QRect& bar)
    {
        Click(bar, QuitButton);
        QVERIFY(m_planner.waitForFinished(10000));
        QCOMPARE(m_planner.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_planner.exitCode(), 0);
    }

    QRect OpenPanel(const QRect& bar)
    {
        Click(bar, TriangleButton);
        return WaitForWindow(QStringLiteral("Untitled"), QSize(143, 195));
    }

    QRect BarNow() { return WaitForWindow(QStringLiteral("Buttons"), BarSize); }

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server; the test command provides one");
        const QStringList size = Xdotool({QStringLiteral("getdisplaygeometry")}).split(u' ');
        m_screen = QRect(0, 0, size.value(0).toInt(), size.value(1).toInt());
        QVERIFY(m_screen.width() > 600);
        QDir().mkpath(m_dir.filePath(QStringLiteral("home")));
    }

    void cleanup()
    {
        if (QTest::currentTestFailed()) {
            const QString shot = QStringLiteral("e2e-failure-%1.png")
                                     .arg(QString::fromLatin1(QTest::currentTestFunction()));
            QProcess::execute(QStringLiteral("import"),
                              {QStringLiteral("-window"), QStringLiteral("root"), shot});
            qWarning("screen saved as %s", qPrintable(QDir::current().filePath(shot)));
            m_planner.kill();
            m_planner.waitForFinished();
        }
    }

    // The whole road, step after step: each step starts where the last ended.
    void aStudentsTerm()
    {
        const QString pupil = QStringLiteral("012345");
        const QDate today = QDate::currentDate();

        // 1. First start: the store and its two files; the bar at the top right.
        QRect bar = Start(pupil);
        QVERIFY2(bar.isValid(), "the button bar did not appear");
        QCOMPARE(bar, QRect(m_screen.width() - 276, 0, 276, 22));
        QCOMPARE(Read(Store(pupil, QStringLiteral("Projects.txt"))), QByteArray("0"));
        QVERIFY(QFile::exists(Store(pupil, QStringLiteral("Subjects.txt"))));

        // 2. A subject, named and coloured (one step up on the blue bar).
        Click(bar, AddSubjectButton);
        QRect editor = WaitForWindow(QStringLiteral("Subject"), QSize(231, 241));
        QVERIFY(editor.isValid());
        Fill(editor, SubjectNameField, QStringLiteral("History"));
        Click(editor, BlueBarUpArrow);
        Click(editor, SubjectDone);
        QVERIFY(WaitFor([&] {
            return Read(Store(pupil, QStringLiteral("Subjects.txt"))) == "\"History\",8487040\r\n";
        }));

        // Two projects of it.
        const struct
        {
            const char* name;
            int days;
            const char* weighting;
        } projects[] = {{"Essay", 3, "20"}, {"Report", 9, "?"}};
        for (const auto& project : projects) {
            Click(BarNow(), AddProjectButton);
            editor = WaitForWindow(QStringLiteral("Project"), EditorSize);
            QVERIFY(editor.isValid());
            Fill(editor, NameField, QLatin1String(project.name));
            Fill(editor, SubjectBox, QStringLiteral("History"));
            Fill(editor, DueDateField, DateText(today.addDays(project.days)));
            Fill(editor, WeightField, QLatin1String(project.weighting));
            Click(editor, ProjectDone);
            QVERIFY(
                WaitFor([&] { return Windows(QStringLiteral("Project"), EditorSize).isEmpty(); }));
        }
        const qint32 todayNumber = MainM::DayNumberOf(today);
        QCOMPARE(Read(Store(pupil, QStringLiteral("Projects.txt"))),
                 "2\r\n0,\"Essay\",\"History\"," + QByteArray::number(todayNumber + 3)
                     + ",0,20,\"\"\r\n1,\"Report\",\"History\","
                     + QByteArray::number(todayNumber + 9) + ",0,-1,\"\"\r\n");
        QList<QRect> strips;
        QVERIFY(WaitFor([&] {
            strips = Windows(QStringLiteral("Project"), StripSize);
            return strips.size() == 2;
        }));
        std::sort(strips.begin(), strips.end(),
                  [](const QRect& a, const QRect& b) { return a.y() < b.y(); });
        QCOMPARE(strips[0], QRect(m_screen.width() - 276, 0, 276, 26));
        QCOMPARE(strips[1], QRect(m_screen.width() - 276, 27, 276, 26));
        QCOMPARE(BarNow().y(), 54);

        // 3. The first strip: a new date and "Delivered"; it leaves the list.
        Click(strips[0], QRect(QPoint(0, 0), StripSize));
        editor = WaitForWindow(QStringLiteral("Project"), EditorSize);
        QVERIFY(editor.isValid());
        Fill(editor, DueDateField, DateText(today.addDays(1)));
        Click(editor, ClassPopup);
        QTest::qWait(300); // the popup list opens
        Keys({QStringLiteral("End"), QStringLiteral("Return")});
        Click(editor, ProjectDone);
        QVERIFY(WaitFor([&] { return Windows(QStringLiteral("Project"), StripSize).size() == 1; }));
        QCOMPARE(Read(Store(pupil, QStringLiteral("Completed.txt"))),
                 "0,\"Essay\",\"History\"," + QByteArray::number(todayNumber + 1)
                     + ",4,20,\"\"\r\n");
        QVERIFY(!Read(Store(pupil, QStringLiteral("Projects.txt"))).contains("Essay"));

        // 4. Export the subject through the menu panel.
        QRect panel = OpenPanel(BarNow());
        QVERIFY(panel.isValid());
        QCOMPARE(panel.right(), BarNow().right());
        Click(panel, ExportButton);
        const QRect select = WaitForWindow(QStringLiteral("Select Subject"), QSize(325, 123));
        QVERIFY(select.isValid());
        QVERIFY(Windows(QStringLiteral("Untitled")).isEmpty()); // the panel closed first
        Click(select, SelectButton);
        QVERIFY(WaitForWindow(QStringLiteral("Export Subject")).isValid());
        const QString transfer = m_dir.filePath(QStringLiteral("History.dtxf"));
        Keys({QStringLiteral("ctrl+a")});
        Type(transfer);
        Keys({QStringLiteral("Return")});
        QVERIFY(WaitFor([&] { return QFile::exists(transfer); }));
        QCOMPARE(Read(transfer), "\"History\",8487040\r\n1,\"Report\",\"History\","
                                     + QByteArray::number(todayNumber + 9) + ",0,-1,\"\"\r\n");

        // 5. View > Days Remaining > Weeks from the bar's menu; kept after a restart.
        ClickAt(BarNow().topLeft() + QPoint(30, 11), 3);
        QTest::qWait(300);
        Keys({QStringLiteral("Down"), QStringLiteral("Right"), QStringLiteral("Down"),
              QStringLiteral("Down"), QStringLiteral("Return")});
        const QString settings = Store(pupil, QStringLiteral("Portable Settings"));
        QVERIFY(WaitFor([&] { return Read(settings).size() == 18 && Read(settings).at(16) == 2; }));
        Keys({QStringLiteral("ctrl+q")}); // the bar has the focus again
        QVERIFY(m_planner.waitForFinished(10000));
        QCOMPARE(m_planner.exitCode(), 0);
        bar = Start(pupil);
        QVERIFY(bar.isValid());
        QCOMPARE(Read(settings), QByteArray(16, '\0') + QByteArray("\x02\x0e"));

        // Switch View twice: the time line, then the column again.
        Click(OpenPanel(bar), SwitchButton);
        QVERIFY(WaitFor([&] { return BarNow().y() == 0; }));
        QVERIFY(WaitFor([&] {
            const QList<QRect> s = Windows(QStringLiteral("Project"), StripSize);
            return s.size() == 1 && qAbs(s[0].bottom() + 1 - m_screen.height()) <= 1;
        }));
        Click(OpenPanel(BarNow()), SwitchButton);
        QVERIFY(WaitFor([&] { return BarNow().y() == 27; }));

        // 6. Quit with X: the files stay as the last save left them.
        const QByteArray subjects = Read(Store(pupil, QStringLiteral("Subjects.txt")));
        const QByteArray open = Read(Store(pupil, QStringLiteral("Projects.txt")));
        Quit(BarNow());
        QCOMPARE(Read(Store(pupil, QStringLiteral("Subjects.txt"))), subjects);
        QCOMPARE(Read(Store(pupil, QStringLiteral("Projects.txt"))), open);

        // 4, the other end: import into a second store, started from elsewhere.
        const QString other = QStringLiteral("067890");
        bar = Start(other);
        QVERIFY(bar.isValid());
        Click(OpenPanel(bar), ImportButton);
        QVERIFY(WaitForWindow(QStringLiteral("Import Subject")).isValid());
        Keys({QStringLiteral("ctrl+a")});
        Type(transfer);
        Keys({QStringLiteral("Return")});
        QVERIFY(WaitFor([&] { return Windows(QStringLiteral("Project"), StripSize).size() == 1; }));
        QCOMPARE(Read(Store(other, QStringLiteral("Subjects.txt"))),
                 QByteArray("\"History\",8487040\r\n"));
        QCOMPARE(Read(Store(other, QStringLiteral("Projects.txt"))),
                 "1\r\n0,\"Report\",\"History\"," + QByteArray::number(todayNumber + 9)
                     + ",0,-1,\"\"\r\n");
        Quit(BarNow());
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
