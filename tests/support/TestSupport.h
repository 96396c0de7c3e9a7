#pragma once

#include "app/App.h"
#include "model/Records.h"
#include "platform/Dialogs.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <QTest>
#include <functional>
#include <memory>

// A whole little machine inside a temporary folder: a volume, a home folder,
// and the program file placed somewhere on the volume. The start-up then runs
// against it as it would against the real disk.
class TempVolume
{
public:
    TempVolume();
    ~TempVolume();
    TempVolume(const TempVolume&) = delete;
    TempVolume& operator=(const TempVolume&) = delete;

    // Paths are relative to the volume's top; "" is the top itself.
    QString Path(const QString& relative = {}) const;
    void MakeFolder(const QString& relative) const;
    void WriteFile(const QString& relative, const QByteArray& content) const;
    QByteArray ReadFile(const QString& relative) const;
    bool Exists(const QString& relative) const;

    // Puts the program file there (creating its folders), makes `home` the
    // user's home folder and `volumeTop` the top of the volume.
    void PlaceProgram(const QString& relative, const QString& home = QStringLiteral("home/user"),
                      const QString& volumeTop = {});

private:
    QTemporaryDir m_dir;
};

// A data store in a temporary folder, made the planner's DataRoot.
class TempStore
{
public:
    TempStore();
    ~TempStore();
    TempStore(const TempStore&) = delete;
    TempStore& operator=(const TempStore&) = delete;

    QString Path(const QString& name = {}) const;
    void Write(const QString& name, const QByteArray& content) const;
    QByteArray Read(const QString& name) const;
    bool Exists(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// Answers the program's dialogs in place of a person, in order, and keeps
// what was asked. Unexpected dialogs are answered "cancel" and fail the test
// at the end through Unanswered().
class ScriptedDialogs
{
public:
    ScriptedDialogs();
    ~ScriptedDialogs();

    void Answer(platform::DialogAnswer answer) { m_answers << answer; }
    void AnswerYes() { Answer({true, {}}); }
    void AnswerNo() { Answer({false, {}}); }
    void Choose(const QString& path) { Answer({true, path}); } // a folder or a file

    const QList<platform::DialogRequest>& Asked() const { return m_asked; }
    int Unanswered() const { return m_unanswered; }

private:
    QList<platform::DialogAnswer> m_answers;
    QList<platform::DialogRequest> m_asked;
    int m_unanswered = 0;
};

// Back to an empty planner: strips and bar gone, tables emptied, settings,
// quit request and pinned date back to their defaults.
void ResetPlanner();
// Empties the tables and closes their strips; the bar and the store stay.
void ClearTables();

// Starts the planner as the program does, on a new data store inside
// `volume`; the button bar is then up.
void StartPlanner(TempVolume& volume);

// A planner running on a new data store in a temporary volume: Start() in a
// test's init(), Stop() in its cleanup(). The store's files are named by
// their file names.
class RunningPlanner
{
public:
    // Starts from an empty planner; a valid `today` pins the date.
    void Start(const QDate& today = {});
    void Stop();

    QString StorePath(const QString& name) const;
    QByteArray ReadStore(const QString& name) const;
    void WriteStore(const QString& name, const QByteArray& content) const;
    bool InStore(const QString& name) const;

private:
    std::unique_ptr<TempVolume> m_volume;
};

// A subject or a project for a test's tables.
std::shared_ptr<SubjectDef> MakeSubject(const QString& name, QColor colour = QColor(128, 128, 128));
std::shared_ptr<ProjectDef> MakeProject(const QString& name, const QString& subject, qint32 dueDate,
                                        qint16 classV = ClassNormal);

// Runs `act` on the modal window of type W as soon as it is up, from inside
// its exec(): the way a test drives a modal window.
void WhenModalIsUp(const std::function<bool(QWidget*)>& isTheOne,
                   const std::function<void(QWidget*)>& act);
template <typename W> void WhenModal(const std::function<void(W*)>& act)
{
    WhenModalIsUp([](QWidget* w) { return qobject_cast<W*>(w) != nullptr; },
                  [act](QWidget* w) { act(qobject_cast<W*>(w)); });
}

// A control of a window by its name.
template <typename C> C* Control(QWidget* window, const char* name)
{
    C* control = window->findChild<C*>(QLatin1String(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

// Like QTEST_MAIN, but with the program's own application object, so that
// windows get the program's font and handlers.
#define DUETIDE_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        App app(argc, argv);                                                                       \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
