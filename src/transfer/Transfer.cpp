#include "Transfer.h"

#include "TransferFile.h"
#include "list/DisplayList.h"
#include "model/Tables.h"
#include "platform/Dialogs.h"
#include "store/ProjectsFile.h"
#include "store/SafeSave.h"
#include "store/SubjectsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace MainM {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("MainM", text);
}

// The user's Documents folder, where both dialogs start.
QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QString();
}

QString WithSuffix(const QString& path, const QString& extension)
{
    const QString suffix = u'.' + extension;
    return path.right(suffix.size()).toLower() == suffix ? path : path + suffix;
}

} // namespace

std::vector<std::shared_ptr<ProjectDef>> FindProjectsBySubject(const QString& name)
{
    std::vector<std::shared_ptr<ProjectDef>> found;
    for (qint32 i = 0; i <= ProjectCount; ++i) {
        if (Projects[size_t(i)]->Subject.compare(name, Qt::CaseInsensitive) == 0)
            found.push_back(Projects[size_t(i)]);
    }
    return found;
}

void ExportSubject(qint32 index, const QString& newName)
{
    if (index < 0 || index > SubjectCount)
        return;
    const SubjectDef& subject = *Subjects[size_t(index)];
    const QString exportName = newName.isEmpty() ? subject.SName : newName;
    const TransferFileType type = SubjectTransferType();
    QString suggested = exportName;
    suggested.replace(u'/', u'-'); // no folder in a file name
    const QString chosen = platform::ChooseFileToSave(
        {tr("Export Subject"), tr("Please choose a file name and location for the export file"),
         DocumentsFolder(), type.NameFilter(), suggested + u'.' + type.extension});
    if (chosen.isEmpty())
        return;
    const QString path = WithSuffix(chosen, type.extension);

    std::vector<std::shared_ptr<ProjectDef>> projects = FindProjectsBySubject(subject.SName);
    std::erase_if(projects, [](const auto& p) { return p->ClassV == ClassDelivered; });
    const QString reason =
        WriteWholeFile(path, WriteTransfer(exportName, *subject.Colour, projects));
    if (!reason.isEmpty())
        platform::ShowMessage(
            tr("Duetide could not write \"%1\": %2.").arg(QDir::toNativeSeparators(path), reason));
}

void ImportSubject()
{
    const TransferFileType type = SubjectTransferType();
    const QString path = platform::ChooseFileToOpen({tr("Import Subject"),
                                                     tr("Please open the file you wish to import."),
                                                     DocumentsFolder(),
                                                     type.NameFilter(),
                                                     {}});
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        platform::ShowMessage(tr("Duetide could not open \"%1\": %2.")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    // Any other file chosen by mistake must not put rubbish into the store.
    const TransferReading reading = ReadTransfer(file.readAll());
    if (!reading.content) {
        platform::ShowMessage(tr("This file is not a Duetide subject transfer file.") + u'\n'
                              + tr("Line %1 cannot be read.").arg(reading.badLine));
        return;
    }
    MergeTransfer(*reading.content);
    DisplayList();
    SaveSubjects();
    SaveProjects();
}

} // namespace MainM
