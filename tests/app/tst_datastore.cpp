#include "app/StartUp.h"
#include "model/Tables.h"
#include "platform/Host.h"
#include "support/TestSupport.h"
#include "windows/MenuButF.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <unistd.h>

using namespace MainM;

namespace {

const QString FindQuestion =
    QStringLiteral("Your data store could not be found. Would you like to find it yourself?");

// Runs the start-up as the program does: by creating the button bar.
void StartUp()
{
    MenuButF::Get();
}

} // namespace

class TestDataStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ResetPlanner(); }
    void cleanup() { ResetPlanner(); }

    // Where the walk up from the program stops, and where the store goes.
    void storeIsFoundOrCreated_data()
    {
        QTest::addColumn<QString>("volumeTop");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QStringList>("alreadyThere");
        QTest::addColumn<QString>("store");

        QTest::newRow("a home folder named by digits, below one that has a store")
            << ""
            << "pupils/012345/apps/duetide"
            << "home/user" << QStringList{"Ferrowind/Duetide"} << "pupils/012345/Ferrowind/Duetide";
        QTest::newRow("a staff home folder")
            << "staff"
            << "staff/users/staff/jo/duetide"
            << "home/user" << QStringList{} << "staff/users/staff/jo/Ferrowind/Duetide";
        QTest::newRow("a folder below a staff home folder")
            << "staff"
            << "staff/users/staff/jo/apps/tools/duetide"
            << "home/user" << QStringList{} << "staff/users/staff/jo/Ferrowind/Duetide";
        QTest::newRow("the staff test ignores case")
            << "STAFF"
            << "STAFF/Users/Staff/Jo/duetide"
            << "home/user" << QStringList{} << "STAFF/Users/Staff/Jo/Ferrowind/Duetide";
        QTest::newRow("the staff folder itself is no home")
            << "staff"
            << "staff/users/staff/duetide"
            << "home/user" << QStringList{} << "staff/Ferrowind/Duetide";
        QTest::newRow("the user's own home folder")
            << ""
            << "home/user/apps/duetide"
            << "home/user" << QStringList{} << "home/user/Ferrowind/Duetide";
        QTest::newRow("no home on the way: the top of the volume")
            << ""
            << "opt/duetide/bin/duetide"
            << "home/user" << QStringList{} << "Ferrowind/Duetide";
        QTest::newRow("existing folders in other letter case are used")
            << ""
            << "012345/duetide"
            << "home/user" << QStringList{"012345/FERROWIND/duetide"} << "012345/FERROWIND/duetide";
        QTest::newRow("of two company folders the first in order")
            << ""
            << "012345/duetide"
            << "home/user" << QStringList{"012345/FERROWIND", "012345/ferrowind/Duetide"}
            << "012345/FERROWIND/Duetide";
    }
    void storeIsFoundOrCreated()
    {
        QFETCH(QString, volumeTop);
        QFETCH(QString, program);
        QFETCH(QString, home);
        QFETCH(QStringList, alreadyThere);
        QFETCH(QString, store);

        TempVolume volume;
        for (const QString& folder : alreadyThere)
            volume.MakeFolder(volumeTop.isEmpty() ? folder : volumeTop + u'/' + folder);
        volume.PlaceProgram(program, home, volumeTop);
        QVERIFY(FindDataPath());
        QCOMPARE(DataRoot.NativePath(), volume.Path(store));
        QVERIFY(DataRoot.Directory());
    }

    // The program's path comes with its links resolved; a home folder reached
    // through a link is still the home folder.
    void aHomeFolderReachedThroughALink()
    {
        TempVolume volume;
        volume.MakeFolder(QStringLiteral("data/users/jo"));
        QVERIFY(QFile::link(volume.Path(QStringLiteral("data/users")),
                            volume.Path(QStringLiteral("home"))));
        volume.PlaceProgram(QStringLiteral("data/users/jo/apps/duetide"),
                            QStringLiteral("home/jo"));
        QVERIFY(FindDataPath());
        QCOMPARE(DataRoot.NativePath(),
                 volume.Path(QStringLiteral("data/users/jo/Ferrowind/Duetide")));
    }

    void noSecondCompanyFolderIsMade()
    {
        TempVolume volume;
        volume.MakeFolder(QStringLiteral("012345/fErRoWiNd"));
        volume.PlaceProgram(QStringLiteral("012345/duetide"));
        QVERIFY(FindDataPath());
        QCOMPARE(
            platform::FolderItem::FromPath(volume.Path(QStringLiteral("012345"))).Items().size(),
            2); // the program and the one company folder
    }

    // A store that cannot be made at the top of the volume (here a file is in
    // the way) is looked for in the user's home folder before asking.
    void atTheVolumeTopTheHomeFolderIsTriedNext()
    {
        TempVolume volume;
        volume.WriteFile(QStringLiteral("Ferrowind"), "a file, not a folder");
        volume.PlaceProgram(QStringLiteral("opt/bin/duetide"), QStringLiteral("home/user"));
        QVERIFY(FindDataPath());
        QCOMPARE(DataRoot.NativePath(), volume.Path(QStringLiteral("home/user/Ferrowind/Duetide")));
    }

    void aFileInTheWayAtAHomeFolderMeansTheStoreIsNotFound()
    {
        TempVolume volume;
        volume.WriteFile(QStringLiteral("012345/Ferrowind"), "a file");
        volume.PlaceProgram(QStringLiteral("012345/duetide"));
        QVERIFY(!FindDataPath());
        QVERIFY(DataRoot.IsNull());
    }

    void aNewStoreGetsItsTwoFiles()
    {
        TempVolume volume;
        volume.PlaceProgram(QStringLiteral("012345/duetide"));
        StartUp();
        QVERIFY(!platform::QuitRequested());
        const QString store = QStringLiteral("012345/Ferrowind/Duetide/");
        QCOMPARE(volume.ReadFile(store + QStringLiteral("Projects.txt")), QByteArray("0"));
        QVERIFY(volume.Exists(store + QStringLiteral("Subjects.txt")));
        QCOMPARE(volume.ReadFile(store + QStringLiteral("Subjects.txt")), QByteArray());
        QVERIFY(!volume.Exists(store + QStringLiteral("Completed.txt")));
        QVERIFY(!volume.Exists(store + QStringLiteral("Portable Settings")));
        QCOMPARE(platform::FolderItem::FromPath(volume.Path(store)).Items().size(), 2);
        QCOMPARE(ProjectCount, -1);
        QCOMPARE(SubjectCount, -1);
    }

    void anEssentialFileInOtherCaseCountsAndIsLeftAlone()
    {
        TempVolume volume;
        const QString store = QStringLiteral("012345/Ferrowind/Duetide/");
        volume.WriteFile(store + QStringLiteral("projects.TXT"), "7\r\n");
        volume.PlaceProgram(QStringLiteral("012345/duetide"));
        QVERIFY(FindDataPath());
        QVERIFY(CheckFiles(DataRoot));
        QCOMPARE(volume.ReadFile(store + QStringLiteral("projects.TXT")), QByteArray("7\r\n"));
        QVERIFY(!volume.Exists(store + QStringLiteral("Projects.txt")));
        QVERIFY(volume.Exists(store + QStringLiteral("Subjects.txt")));
    }

    void theBarAppearsAtTheTopRight()
    {
        TempVolume volume;
        volume.PlaceProgram(QStringLiteral("012345/duetide"));
        StartUp();
        MenuButF* bar = MenuButF::Get();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->geometry(), QRect(area.x() + area.width() - 276, area.top(), 276, 22));
        QCOMPARE(bar->windowTitle(), QStringLiteral("Buttons"));
    }

    void notFoundAndNoMeansQuit()
    {
        TempVolume volume;
        volume.WriteFile(QStringLiteral("012345/Ferrowind"), "a file");
        volume.PlaceProgram(QStringLiteral("012345/duetide"));
        ScriptedDialogs dialogs;
        dialogs.AnswerNo();
        StartUp();
        QVERIFY(platform::QuitRequested());
        QVERIFY(!MenuButF::Get()->isVisible());
        QCOMPARE(dialogs.Asked().size(), 1);
        QCOMPARE(dialogs.Asked()[0].kind, platform::DialogRequest::Kind::Question);
        QCOMPARE(dialogs.Asked()[0].text, FindQuestion);
    }

    void notFoundThenCancelMeansQuit()
    {
        TempVolume volume;
        volume.WriteFile(QStringLiteral("012345/Ferrowind"), "a file");
        volume.PlaceProgram(QStringLiteral("012345/duetide"));
        ScriptedDialogs dialogs;
        dialogs.AnswerYes();
        dialogs.AnswerNo(); // cancels the folder dialog
        StartUp();
        QVERIFY(platform::QuitRequested());
        QVERIFY(DataRoot.IsNull());
        QCOMPARE(dialogs.Asked().size(), 2);
        const platform::DialogRequest& find = dialogs.Asked()[1];
        QCOMPARE(find.kind, platform::DialogRequest::Kind::SelectFolder);
        QCOMPARE(find.title, QStringLiteral("Find Data Store"));
        QCOMPARE(find.text,
                 QStringLiteral("Please locate and select the Duetide folder inside the Ferrowind "
                                "folder.\nIf these do not exist yet, please create them at the top "
                                "level of the drive."));
    }

    // The chosen folder is used whatever its name.
    void notFoundThenAChosenFolderIsUsed()
    {
        TempVolume volume;
        volume.WriteFile(QStringLiteral("012345/Ferrowind"), "a file");
        volume.MakeFolder(QStringLiteral("usb/my data"));
        volume.PlaceProgram(QStringLiteral("012345/duetide"));
        ScriptedDialogs dialogs;
        dialogs.AnswerYes();
        dialogs.Choose(volume.Path(QStringLiteral("usb/my data")));
        StartUp();
        QVERIFY(!platform::QuitRequested());
        QCOMPARE(DataRoot.NativePath(), volume.Path(QStringLiteral("usb/my data")));
        QCOMPARE(volume.ReadFile(QStringLiteral("usb/my data/Projects.txt")), QByteArray("0"));
        QVERIFY(MenuButF::Get()->isVisible());
        QCOMPARE(dialogs.Unanswered(), 0);
    }

    void aChosenFolderThatCannotBeWrittenIsRefused()
    {
        TempVolume volume;
        volume.WriteFile(QStringLiteral("012345/Ferrowind"), "a file");
        volume.WriteFile(QStringLiteral("locked/Projects.txt"), "0");
        volume.WriteFile(QStringLiteral("locked/Subjects.txt"), "");
        volume.PlaceProgram(QStringLiteral("012345/duetide"));
        // Root writes anywhere; as root the folder is one that has gone.
        const QString locked = volume.Path(QStringLiteral("locked"));
        if (geteuid() == 0)
            QVERIFY(QDir(locked).removeRecursively());
        else
            QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
        ScriptedDialogs dialogs;
        dialogs.AnswerYes();
        dialogs.Choose(locked);
        dialogs.AnswerYes(); // the OK of the message
        StartUp();
        QVERIFY(platform::QuitRequested());
        QCOMPARE(dialogs.Asked().size(), 3);
        QCOMPARE(dialogs.Asked()[2].kind, platform::DialogRequest::Kind::Message);
        QCOMPARE(dialogs.Asked()[2].text,
                 QStringLiteral("The current data store at %1 could not be used.").arg(locked));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void allNum_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("digitsOnly");
        QTest::newRow("digits") << "012345" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("letter") << "01234a" << false;
        QTest::newRow("space") << "0123 45" << false;
        QTest::newRow("minus") << "-1" << false;
    }
    void allNum()
    {
        QFETCH(QString, text);
        QFETCH(bool, digitsOnly);
        QCOMPARE(AllNum(text), digitsOnly);
    }

    void staffPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("staff");
        QTest::newRow("home folder") << "staff:users:staff:jo:" << true;
        QTest::newRow("upper case path") << "STAFF:Users:STAFF:Jo:" << true;
        QTest::newRow("the staff folder") << "staff:users:staff:" << false;
        QTest::newRow("below a home folder") << "staff:users:staff:jo:work:" << false;
        QTest::newRow("another volume") << "pupils:users:staff:jo:" << false;
        QTest::newRow("a file in the staff folder") << "staff:users:staff:notes" << false;
    }
    void staffPath()
    {
        QFETCH(QString, path);
        QFETCH(bool, staff);
        QCOMPARE(StaffPathPrefix(), QStringLiteral("staff:users:staff:"));
        QCOMPARE(StaffPath(path), staff);
    }

    void charCountIgnoresCase()
    {
        QCOMPARE(CharCount(QStringLiteral("a:b:c:"), QStringLiteral(":")), 3);
        QCOMPARE(CharCount(QStringLiteral("Aa"), QStringLiteral("a")), 2);
        QCOMPARE(CharCount(QString(), QStringLiteral(":")), 0);
    }
};

DUETIDE_TEST_MAIN(TestDataStore)
#include "tst_datastore.moc"
