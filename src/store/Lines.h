#pragma once

#include "model/Records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

// The line formats shared by the data files and the transfer file: fields
// separated by ",", texts between double quotes with nothing escaped, CR LF
// after every line. Pure functions, so that any bytes can be fed to them.
namespace MainM {

// A file's text: UTF-8, except that a line which is not valid UTF-8 is read
// as Latin-1, so that no character is lost and the good lines stay as they are.
QString DecodeText(const QByteArray& bytes);
// CR LF, LF and a lone CR all end a line; a line end at the very end adds no
// empty line. The lines are views into `text`.
QList<QStringView> SplitLines(QStringView text);

inline bool IsBlankLine(QStringView line)
{
    return line.trimmed().isEmpty();
}

// A subject line: "name",colour number
std::shared_ptr<SubjectDef> ParseSubjectLine(QStringView line);
void AppendSubjectLine(QString& out, const QString& name, const ColourTriplet& colour);

// A project line: ID,"name","subject",due day,class,weighting,"notes"
std::shared_ptr<ProjectDef> ParseProjectLine(QStringView line);
void AppendProjectLine(QString& out, const ProjectDef& project, const QString& subject);

inline QString SubjectLine(const QString& name, const ColourTriplet& colour)
{
    QString line;
    AppendSubjectLine(line, name, colour);
    return line;
}
inline QString ProjectLine(const ProjectDef& project, const QString& subject)
{
    QString line;
    AppendProjectLine(line, project, subject);
    return line;
}

// "Portable Settings": byte 16 is DaysView, byte 17 DaysViewDays; every other
// byte belongs to someone else and is kept.
constexpr qsizetype SettingsFileSize = 18;
struct ViewSettings
{
    quint8 daysView = 1;
    quint8 daysViewDays = 14;
};
ViewSettings ParseSettings(const QByteArray& bytes); // the defaults when short
QByteArray WithSettings(QByteArray bytes, ViewSettings settings);

} // namespace MainM
