#include "TestSupport.h"

#include "list/ProjectF.h"
#include "model/Tables.h"
#include "platform/Clock.h"
#include "platform/Host.h"
#include "windows/MenuButF.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

TempVolume::TempVolume()
{
    QVERIFY(m_dir.isValid());
}

TempVolume::~TempVolume()
{
    platform::ClearHostOverride();
}

QString TempVolume::Path(const QString& relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.filePath(relative);
}

void TempVolume::MakeFolder(const QString& relative) const
{
    QVERIFY(QDir().mkpath(Path(relative)));
}

void TempVolume::WriteFile(const QString& relative, const QByteArray& content) const
{
    QDir().mkpath(QFileInfo(Path(relative)).path());
    QFile file(Path(relative));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
}

QByteArray TempVolume::ReadFile(const QString& relative) const
{
    QFile file(Path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TempVolume::Exists(const QString& relative) const
{
    const QFileInfo info(Path(relative));
    return info.exists() || info.isSymLink();
}

void TempVolume::PlaceProgram(const QString& relative, const QString& home,
                              const QString& volumeTop)
{
    WriteFile(relative, "program");
    MakeFolder(home);
    platform::SetHostOverride({Path(relative), Path(volumeTop), Path(home)});
}

TempStore::TempStore()
{
    QVERIFY(m_dir.isValid());
    MainM::DataRoot = platform::FolderItem::FromPath(m_dir.path());
}

TempStore::~TempStore()
{
    MainM::DataRoot = {};
}

QString TempStore::Path(const QString& name) const
{
    return name.isEmpty() ? m_dir.path() : m_dir.filePath(name);
}

void TempStore::Write(const QString& name, const QByteArray& content) const
{
    QFile file(Path(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
}

QByteArray TempStore::Read(const QString& name) const
{
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TempStore::Exists(const QString& name) const
{
    return QFileInfo::exists(Path(name));
}

ScriptedDialogs::ScriptedDialogs()
{
    platform::SetDialogScript([this](const platform::DialogRequest& request) {
        m_asked << request;
        if (m_answers.isEmpty()) {
            ++m_unanswered;
            return platform::DialogAnswer{};
        }
        return m_answers.takeFirst();
    });
}

ScriptedDialogs::~ScriptedDialogs()
{
    platform::SetDialogScript({});
}

void ClearTables()
{
    for (const auto& project : MainM::Projects)
        delete project->Form;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    MainM::ClearProjects();
    MainM::ClearSubjects();
}

void ResetPlanner()
{
    MenuButF::Discard();
    ClearTables();
    MainM::NextProjectID = 0;
    MainM::DataRoot = {};
    MainM::TodayInt = 0;
    MainM::ViewMode = 0;
    MainM::DaysView = 1;
    MainM::DaysViewDays = 14;
    platform::ResetQuitRequest();
    platform::SetCurrentDate({});
}

void StartPlanner(TempVolume& volume)
{
    volume.PlaceProgram(QStringLiteral("012345/duetide"));
    MenuButF::Get();
    QVERIFY(!platform::QuitRequested());
}

namespace {
const QString PlannerStore = QStringLiteral("012345/Ferrowind/Duetide/");
}

void RunningPlanner::Start(const QDate& today)
{
    ResetPlanner();
    platform::SetCurrentDate(today);
    m_volume = std::make_unique<TempVolume>();
    StartPlanner(*m_volume);
}

void RunningPlanner::Stop()
{
    ResetPlanner();
    m_volume.reset();
}

QString RunningPlanner::StorePath(const QString& name) const
{
    return m_volume->Path(PlannerStore + name);
}

QByteArray RunningPlanner::ReadStore(const QString& name) const
{
    return m_volume->ReadFile(PlannerStore + name);
}

void RunningPlanner::WriteStore(const QString& name, const QByteArray& content) const
{
    m_volume->WriteFile(PlannerStore + name, content);
}

bool RunningPlanner::InStore(const QString& name) const
{
    return m_volume->Exists(PlannerStore + name);
}

std::shared_ptr<SubjectDef> MakeSubject(const QString& name, QColor colour)
{
    auto subject = std::make_shared<SubjectDef>();
    subject->SName = name;
    subject->Colour = std::make_shared<ColourTriplet>(
        ColourTriplet{quint8(colour.red()), quint8(colour.green()), quint8(colour.blue())});
    return subject;
}

std::shared_ptr<ProjectDef> MakeProject(const QString& name, const QString& subject, qint32 dueDate,
                                        qint16 classV)
{
    auto project = std::make_shared<ProjectDef>();
    project->PName = name;
    project->Subject = subject;
    project->DueDate = dueDate;
    project->ClassV = classV;
    project->Weighting = 10;
    return project;
}

void WhenModalIsUp(const std::function<bool(QWidget*)>& isTheOne,
                   const std::function<void(QWidget*)>& act)
{
    auto* poll = new QTimer;
    auto* deadline = new QDeadlineTimer(10000);
    QObject::connect(poll, &QTimer::timeout, [poll, deadline, isTheOne, act] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool ready = modal && modal->isVisible() && isTheOne(modal);
        if (!ready && !deadline->hasExpired())
            return;
        poll->stop();
        poll->deleteLater();
        delete deadline;
        if (!ready) {
            qWarning("the expected modal window did not appear");
            return;
        }
        act(modal);
        // A check that failed inside must not leave the test waiting forever.
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (QTest::currentTestFailed() && dialog && dialog->isVisible())
            dialog->done(QDialog::Rejected);
    });
    poll->start(10);
}
