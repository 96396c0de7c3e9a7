#include "TransferFile.h"

#include "model/Tables.h"
#include "store/Lines.h"

#include <QRegularExpression>

namespace MainM {

namespace {

// What the readers search for in each line: its quotes and commas.
const QRegularExpression SubjectLayout(QStringLiteral("^\"[^\"]*\",[0-9]*$"));
const QRegularExpression ProjectLayout(
    QStringLiteral("^[^\",]*,\"[^\"]*\",\"[^\"]*\",[^\",]*,[^\",]*,[^\",]*,\"[^\"]*\"$"));

} // namespace

QString TransferFileType::NameFilter() const
{
    return QStringLiteral("%1 (*.%2)").arg(displayName, extension);
}

TransferFileType SubjectTransferType()
{
    return {QStringLiteral("Duetide Subject Transfer"), QStringLiteral("DTXF"),
            QStringLiteral("dtxf")};
}

TransferReading ReadTransfer(const QByteArray& bytes)
{
    const QString text = DecodeText(bytes);
    const QList<QStringView> lines = SplitLines(text);
    const auto failing = [](qsizetype index) {
        return TransferReading{std::nullopt, int(index + 1)};
    };
    if (lines.isEmpty())
        return failing(0);
    TransferContent content;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        if (line.contains(QChar(0)))
            return failing(i);
        if (i == 0) {
            if (!SubjectLayout.match(line).hasMatch())
                return failing(i);
            content.subject = ParseSubjectLine(line);
        } else if (!IsBlankLine(line)) {
            if (!ProjectLayout.match(line).hasMatch())
                return failing(i);
            content.projects.push_back(ParseProjectLine(line));
        }
    }
    return {std::move(content), 0};
}

QByteArray WriteTransfer(const QString& exportName, const ColourTriplet& colour,
                         const std::vector<std::shared_ptr<ProjectDef>>& projects)
{
    QString text;
    AppendSubjectLine(text, exportName, colour);
    for (const auto& project : projects)
        AppendProjectLine(text, *project, exportName);
    return text.toUtf8();
}

void MergeTransfer(const TransferContent& content)
{
    // A subject of that name, in any letter case, stays wholly as it is.
    const QString& name = content.subject->SName;
    if (FindSubject(name)->SName.compare(name, Qt::CaseInsensitive) != 0)
        AddSubjectEntry(content.subject);
    for (const auto& project : content.projects) {
        project->ID = IssueProjectID();
        AddProjectEntry(project);
    }
}

} // namespace MainM
