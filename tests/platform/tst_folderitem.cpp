#include "platform/FolderItem.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTest>

using platform::FolderItem;

class TestFolderItem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void absolutePathIsColonFormVolumeFirst_data()
    {
        QTest::addColumn<QString>("volumeTop");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("absolute");
        QTest::newRow("staff home on a mounted volume") << "/mnt/school"
                                                        << "/mnt/school/users/staff/jo"
                                                        << "school:users:staff:jo";
        QTest::newRow("root volume adds no name") << "/"
                                                  << "/home/jo"
                                                  << "home:jo";
        QTest::newRow("volume top") << "/mnt/school"
                                    << "/mnt/school"
                                    << "school";
    }
    void absolutePathIsColonFormVolumeFirst()
    {
        QFETCH(QString, volumeTop);
        QFETCH(QString, path);
        QFETCH(QString, absolute);
        // Not on disk, so not a folder: no closing colon.
        QCOMPARE(FolderItem(path, volumeTop).AbsolutePath(), absolute);
    }

    void aFolderPathEndsInAColon()
    {
        TempVolume volume;
        volume.MakeFolder(QStringLiteral("users/staff/jo"));
        volume.WriteFile(QStringLiteral("users/notes.txt"), "x");
        const QString name = FolderItem(volume.Path(), volume.Path()).Name();
        QCOMPARE(
            FolderItem(volume.Path(QStringLiteral("users/staff/jo")), volume.Path()).AbsolutePath(),
            name + QStringLiteral(":users:staff:jo:"));
        QCOMPARE(FolderItem(volume.Path(QStringLiteral("users/notes.txt")), volume.Path())
                     .AbsolutePath(),
                 name + QStringLiteral(":users:notes.txt"));
    }

    void theTopOfAVolumeHasNoParent()
    {
        TempVolume volume;
        volume.MakeFolder(QStringLiteral("a/b"));
        const FolderItem b(volume.Path(QStringLiteral("a/b")), volume.Path());
        QCOMPARE(b.Parent().Parent().NativePath(), volume.Path());
        QVERIFY(b.Parent().Parent().Parent().IsNull());
        QVERIFY(FolderItem(QStringLiteral("/"), QStringLiteral("/")).Parent().IsNull());
    }

    void itemsAreInByteOrderAndLinksAreNotFollowed()
    {
        TempVolume volume;
        volume.MakeFolder(QStringLiteral("top/ferrowind"));
        volume.MakeFolder(QStringLiteral("top/Ferrowind"));
        volume.MakeFolder(QStringLiteral("top/FERROWIND"));
        volume.WriteFile(QStringLiteral("top/.hidden"), "");
        QVERIFY(QFile::link(volume.Path(QStringLiteral("top/ferrowind")),
                            volume.Path(QStringLiteral("top/Link"))));
        const FolderItem top(volume.Path(QStringLiteral("top")), volume.Path());
        QStringList names;
        for (const FolderItem& item : top.Items())
            names << item.Name();
        QCOMPARE(names, (QStringList{".hidden", "FERROWIND", "Ferrowind", "Link", "ferrowind"}));
        const FolderItem link = top.Child(QStringLiteral("Link"));
        QVERIFY(link.Exists());
        QVERIFY(!link.Directory());
    }

    void createAsFolderMakesOneLevel()
    {
        TempVolume volume;
        const FolderItem top(volume.Path(), volume.Path());
        QVERIFY(top.Child(QStringLiteral("new")).CreateAsFolder());
        QVERIFY(top.Child(QStringLiteral("new")).Directory());
        QVERIFY(!top.Child(QStringLiteral("new")).CreateAsFolder()); // already there
        QVERIFY(!top.Child(QStringLiteral("x")).Child(QStringLiteral("y")).CreateAsFolder());
        QVERIFY(top.Writable());
        QCOMPARE(top.Items().size(), 1); // the probe leaves nothing behind
    }
};

QTEST_APPLESS_MAIN(TestFolderItem)
#include "tst_folderitem.moc"
