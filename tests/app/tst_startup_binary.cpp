#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The real program, started as its own process on the test's X server.
class TestStartupBinary : public QObject
{
    Q_OBJECT

private:
    static QString Run(const QStringList& arguments)
    {
        QProcess tool;
        tool.start(QStringLiteral("xdotool"), arguments);
        tool.waitForFinished(5000);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }

private Q_SLOTS:
    void firstStartCreatesTheStoreAndShowsTheBar()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server; the test command provides one");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("012345"))));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("home"))));
        const QString program = dir.filePath(QStringLiteral("012345/duetide"));
        QVERIFY(QFile::copy(qEnvironmentVariable("DUETIDE_BINARY"), program));

        QProcess duetide;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
        duetide.setProcessEnvironment(env);
        duetide.setProcessChannelMode(QProcess::ForwardedChannels);
        duetide.start(program, {});
        QVERIFY(duetide.waitForStarted());

        QString window;
        const QDeadlineTimer deadline(30000);
        while (window.isEmpty() && !deadline.hasExpired() && duetide.state() == QProcess::Running) {
            window = Run({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                          QStringLiteral("--name"), QStringLiteral("^Buttons$")})
                         .section(u'\n', 0, 0);
            if (window.isEmpty())
                QTest::qWait(100);
        }
        QVERIFY2(!window.isEmpty(), "the button bar did not appear");

        const QString geometry = Run({QStringLiteral("getwindowgeometry"), window});
        const auto position =
            QRegularExpression(QStringLiteral("Position: (\\d+),(\\d+)")).match(geometry);
        const auto size =
            QRegularExpression(QStringLiteral("Geometry: (\\d+)x(\\d+)")).match(geometry);
        QVERIFY2(position.hasMatch() && size.hasMatch(), qPrintable(geometry));
        const int screenWidth =
            Run({QStringLiteral("getdisplaygeometry")}).section(u' ', 0, 0).toInt();
        QCOMPARE(size.captured(1).toInt(), 276);
        QCOMPARE(size.captured(2).toInt(), 22);
        QCOMPARE(position.captured(1).toInt(), screenWidth - 276);
        QCOMPARE(position.captured(2).toInt(), 0);

        const QString store = dir.filePath(QStringLiteral("012345/Ferrowind/Duetide/"));
        QFile projects(store + QStringLiteral("Projects.txt"));
        QVERIFY(projects.open(QIODevice::ReadOnly));
        QCOMPARE(projects.readAll(), QByteArray("0"));
        QVERIFY(QFile::exists(store + QStringLiteral("Subjects.txt")));

        // It stays up until it is ended.
        QVERIFY(!duetide.waitForFinished(500));
        duetide.terminate();
        QVERIFY(duetide.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(TestStartupBinary)
#include "tst_startup_binary.moc"
