#include "DataFile.h"

#include "SafeSave.h"
#include "model/Tables.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace MainM {

namespace {

bool Reported(const QString& path, const QString& reason)
{
    if (reason.isEmpty())
        return true;
    platform::ShowMessage(
        QCoreApplication::translate("MainM", "Duetide could not save \"%1\": %2.")
            .arg(QDir::toNativeSeparators(path), reason)
        + u'\n'
        + QCoreApplication::translate("MainM", "Your changes are still in the planner and will "
                                               "be saved again with your next change."));
    return false;
}

} // namespace

QString DataFilePath(const QString& name)
{
    const QList<platform::FolderItem> named = DataRoot.ItemsNamed(name);
    return (named.isEmpty() ? DataRoot.Child(name) : named.constFirst()).NativePath();
}

std::optional<QByteArray> ReadDataFile(const QString& name)
{
    QFile file(DataFilePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool SaveDataFile(const QString& name, const QByteArray& content)
{
    const QString path = DataFilePath(name);
    return Reported(path, WriteWholeFile(path, content));
}

bool AppendDataFile(const QString& name, const QByteArray& lines)
{
    const QString path = DataFilePath(name);
    return Reported(path, AppendLines(path, lines));
}

} // namespace MainM
