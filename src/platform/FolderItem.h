#pragma once

#include <QList>
#include <QString>

namespace platform {

// A file or folder of the host, seen as the program's data-store search sees
// it: a path together with the top folder of the volume that holds it. The
// top of a volume has no parent, so a walk upwards ends there. A default
// constructed item is "nothing" (IsNull).
class FolderItem
{
public:
    FolderItem() = default;
    // The volume top is looked up from the mounts (or the test override).
    static FolderItem FromPath(const QString& path);
    FolderItem(const QString& path, const QString& volumeTop);

    bool IsNull() const { return m_path.isEmpty(); }

    FolderItem Parent() const;
    FolderItem Child(const QString& name) const;
    // The entries of this folder in their fixed order, by name in byte
    // order; symbolic links are listed as themselves, never followed.
    QList<FolderItem> Items() const;
    // Those of them whose name is `name` in any letter case, in that order.
    QList<FolderItem> ItemsNamed(const QString& name) const;

    bool Exists() const;
    bool Directory() const;
    QString Name() const;
    // Volume name first, ":" between levels, a folder's path ends in ":".
    QString AbsolutePath() const;
    // The ordinary path, for messages.
    QString NativePath() const { return m_path; }
    QString VolumeTop() const { return m_volumeTop; }

    bool CreateAsFolder() const;
    // True when a file can be created and removed in this folder.
    bool Writable() const;

    friend bool operator==(const FolderItem&, const FolderItem&) = default;

private:
    QString m_path;
    QString m_volumeTop;
};

} // namespace platform
