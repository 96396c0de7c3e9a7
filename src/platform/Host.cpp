#include "Host.h"

#include <QCoreApplication>
#include <QDir>
#include <QStorageInfo>

#include <optional>

namespace platform {

namespace {

std::optional<HostOverride>& Override()
{
    static std::optional<HostOverride> host;
    return host;
}

bool quitRequested = false;

bool IsAtOrBelow(const QString& path, const QString& folder)
{
    const QString p = QDir::cleanPath(path);
    const QString f = QDir::cleanPath(folder);
    return p == f || p.startsWith(f.endsWith(QLatin1Char('/')) ? f : f + QLatin1Char('/'));
}

} // namespace

FolderItem ApplicationFile()
{
    if (Override())
        return FolderItem::FromPath(Override()->applicationFile);
    return FolderItem::FromPath(QCoreApplication::applicationFilePath());
}

QString VolumeTopOf(const QString& path)
{
    if (Override() && IsAtOrBelow(path, Override()->volumeTop))
        return Override()->volumeTop;
    const QString root = QStorageInfo(path).rootPath();
    return root.isEmpty() ? QStringLiteral("/") : root;
}

QString HomeFolder()
{
    return Override() ? Override()->homeFolder : QDir::homePath();
}

void SetHostOverride(const HostOverride& host)
{
    Override() = host;
}

void ClearHostOverride()
{
    Override().reset();
}

void Quit()
{
    quitRequested = true;
    QCoreApplication::quit();
}

bool QuitRequested()
{
    return quitRequested;
}

void ResetQuitRequest()
{
    quitRequested = false;
}

} // namespace platform
