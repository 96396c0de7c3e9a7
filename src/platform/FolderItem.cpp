#include "FolderItem.h"

#include "Host.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>

namespace platform {

namespace {

QString Cleaned(const QString& path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

} // namespace

FolderItem FolderItem::FromPath(const QString& path)
{
    return FolderItem(path, VolumeTopOf(path));
}

FolderItem::FolderItem(const QString& path, const QString& volumeTop)
    : m_path(Cleaned(path))
    , m_volumeTop(Cleaned(volumeTop))
{}

FolderItem FolderItem::Parent() const
{
    if (IsNull() || m_path == m_volumeTop || m_path == QLatin1String("/"))
        return {};
    return FolderItem(QFileInfo(m_path).path(), m_volumeTop);
}

FolderItem FolderItem::Child(const QString& name) const
{
    if (IsNull() || name.isEmpty())
        return {};
    return FolderItem(m_path + QLatin1Char('/') + name, m_volumeTop);
}

QList<FolderItem> FolderItem::Items() const
{
    if (!Directory())
        return {};
    QStringList names = QDir(m_path).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::NoSort);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.toUtf8() < b.toUtf8(); });
    QList<FolderItem> items;
    items.reserve(names.size());
    for (const QString& name : names)
        items << Child(name);
    return items;
}

QList<FolderItem> FolderItem::ItemsNamed(const QString& name) const
{
    QList<FolderItem> named;
    for (const FolderItem& item : Items()) {
        if (item.Name().compare(name, Qt::CaseInsensitive) == 0)
            named << item;
    }
    return named;
}

bool FolderItem::Exists() const
{
    if (IsNull())
        return false;
    const QFileInfo info(m_path);
    return info.exists() || info.isSymLink();
}

bool FolderItem::Directory() const
{
    if (IsNull())
        return false;
    const QFileInfo info(m_path);
    return info.isDir() && !info.isSymLink();
}

QString FolderItem::Name() const
{
    return m_path == QLatin1String("/") ? QString() : QFileInfo(m_path).fileName();
}

QString FolderItem::AbsolutePath() const
{
    if (IsNull())
        return {};
    QStringList levels;
    if (m_volumeTop != QLatin1String("/"))
        levels << QFileInfo(m_volumeTop).fileName();
    const QString below = QDir(m_volumeTop).relativeFilePath(m_path);
    if (below != QLatin1String("."))
        levels << below.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path = levels.join(QLatin1Char(':'));
    if (Directory() && !path.isEmpty())
        path += QLatin1Char(':');
    return path;
}

bool FolderItem::CreateAsFolder() const
{
    return !IsNull() && QDir().mkdir(m_path);
}

bool FolderItem::Writable() const
{
    if (!Directory())
        return false;
    QTemporaryFile probe(m_path + QStringLiteral("/.duetide-probe-XXXXXX"));
    return probe.open(); // removed again when the probe goes out of scope
}

} // namespace platform
