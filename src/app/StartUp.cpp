#include "StartUp.h"

#include "list/DisplayList.h"
#include "model/Tables.h"
#include "platform/Dialogs.h"
#include "platform/Host.h"
#include "store/ProjectsFile.h"
#include "store/SettingsFile.h"
#include "store/SubjectsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace MainM {

namespace {

using platform::FolderItem;

QString tr(const char* text)
{
    return QCoreApplication::translate("MainM", text);
}

const QString CompanyFolderName = QStringLiteral("Ferrowind");
const QString StoreFolderName = QStringLiteral("Duetide");
const QString ProjectsFileName = QStringLiteral("Projects.txt");
const QString SubjectsFileName = QStringLiteral("Subjects.txt");

// Walk up from the program to the first home folder: one named by digits only
// (a pupil's on the school network), a staff member's, or the user's own.
// Without one the walk ends at the top of the volume.
FolderItem AnchorFolder()
{
    // The program's own path has its links resolved; so must the home's.
    const QString canonicalHome = QFileInfo(platform::HomeFolder()).canonicalFilePath();
    const QString home =
        canonicalHome.isEmpty() ? QDir::cleanPath(platform::HomeFolder()) : canonicalHome;
    FolderItem current = platform::ApplicationFile();
    for (;;) {
        const FolderItem parent = current.Parent();
        if (parent.IsNull())
            return current;
        current = parent;
        if (AllNum(current.Name()) || StaffPath(current.AbsolutePath())
            || current.NativePath() == home)
            return current;
    }
}

// The first folder in `folder` with that name in any letter case; created
// when there is none. Nothing when it can be neither found nor made.
FolderItem FindOrCreateFolder(const FolderItem& folder, const QString& name)
{
    for (const FolderItem& item : folder.ItemsNamed(name)) {
        if (item.Directory())
            return item;
    }
    const FolderItem created = folder.Child(name);
    created.CreateAsFolder();
    return created.Directory() ? created : FolderItem();
}

// A store only counts where the planner can save.
FolderItem StoreIn(const FolderItem& anchor)
{
    const FolderItem company = FindOrCreateFolder(anchor, CompanyFolderName);
    if (company.IsNull())
        return {};
    const FolderItem store = FindOrCreateFolder(company, StoreFolderName);
    return store.Writable() ? store : FolderItem();
}

bool CreateFileHolding(const FolderItem& file, const QByteArray& content)
{
    QFile out(file.NativePath());
    // NewOnly: a file that appeared meanwhile is never overwritten.
    return out.open(QIODevice::WriteOnly | QIODevice::NewOnly)
           && out.write(content) == content.size() && out.flush();
}

} // namespace

bool Main()
{
    if (!FindDataPath()) {
        if (!platform::AskYesNo(tr("Your data store could not be found. Would you like to find "
                                   "it yourself?")))
            return false;
        if (!PromptDataPath())
            return false;
        // A chosen folder that already holds both files would pass the check
        // below, and then every save would fail.
        if (!DataRoot.Writable()) {
            BadDataStoreMessage();
            return false;
        }
    }
    if (!CheckFiles(DataRoot)) {
        BadDataStoreMessage();
        return false;
    }
    if (!LoadSubjects() || !LoadProjects())
        return false;
    LoadSettings();
    DisplayList();
    return true;
}

bool FindDataPath()
{
    const FolderItem anchor = AnchorFolder();
    FolderItem store = StoreIn(anchor);
    // At the top of a volume (a program installed for everyone, or one whose
    // store root made) the user's home folder is the next best place.
    if (store.IsNull() && anchor.Parent().IsNull())
        store = StoreIn(FolderItem::FromPath(platform::HomeFolder()));
    if (store.IsNull())
        return false;
    DataRoot = store;
    return true;
}

bool PromptDataPath()
{
    const QString chosen = platform::SelectFolder(
        tr("Find Data Store"),
        tr("Please locate and select the Duetide folder inside the Ferrowind folder.") + u'\n'
            + tr("If these do not exist yet, please create them at the top level of the drive."));
    DataRoot = chosen.isEmpty() ? FolderItem() : FolderItem::FromPath(chosen);
    return !DataRoot.IsNull();
}

bool CheckFiles(const FolderItem& folder)
{
    // Whether it is a file is not asked: any item of the name counts.
    const auto present = [&folder](const QString& name) {
        return !folder.ItemsNamed(name).isEmpty();
    };
    // A new projects file holds only the next project ID, 0.
    if (!present(ProjectsFileName))
        CreateFileHolding(folder.Child(ProjectsFileName), "0");
    if (!present(SubjectsFileName))
        CreateFileHolding(folder.Child(SubjectsFileName), {});
    return present(ProjectsFileName) && present(SubjectsFileName);
}

void BadDataStoreMessage()
{
    platform::ShowMessage(tr("The current data store at %1 could not be used.")
                              .arg(QDir::toNativeSeparators(DataRoot.NativePath())));
}

bool AllNum(const QString& text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString StaffPathPrefix()
{
    return QStringLiteral(DUETIDE_STAFF_VOLUME).toLower() + QStringLiteral(":users:staff:");
}

bool StaffPath(const QString& absolutePath)
{
    const QString prefix = StaffPathPrefix();
    if (!absolutePath.toLower().contains(prefix))
        return false;
    return CharCount(absolutePath.mid(prefix.size()), QStringLiteral(":")) == 1;
}

qint32 CharCount(const QString& text, const QString& character)
{
    return qint32(text.count(character, Qt::CaseInsensitive));
}

} // namespace MainM
