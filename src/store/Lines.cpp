#include "Lines.h"

#include "Fields.h"

#include <algorithm>
#include <charconv>

namespace MainM {

namespace {

const QLatin1StringView LineEnd("\r\n");

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Where `c` first stands in the text, or -1. Fields are short: a plain
// loop the compiler can inline beats a library call for each of them.
qsizetype Find(QStringView text, QChar c)
{
    const auto at = std::find(text.begin(), text.end(), c);
    return at == text.end() ? -1 : at - text.begin();
}

// The text up to the first `c`, or all of it when there is none.
QStringView Before(QStringView text, QChar c)
{
    const qsizetype at = Find(text, c);
    return at < 0 ? text : text.first(at);
}

// The text after the first `c`, or nothing when there is none.
QStringView After(QStringView text, QChar c)
{
    const qsizetype at = Find(text, c);
    return at < 0 ? QStringView() : text.sliced(at + 1);
}

void AppendQuoted(QString& out, const QString& text)
{
    out += u'"';
    out += text;
    out += u'"';
}

void AppendNumber(QString& out, qint64 n)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out += QLatin1StringView(digits, end - digits);
}

} // namespace

QString DecodeText(const QByteArray& bytes)
{
    if (QByteArrayView(bytes).isValidUtf8())
        return QString::fromUtf8(bytes);
    QString text;
    text.reserve(bytes.size());
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && !IsLineEnd(bytes[end]))
            ++end;
        while (end < bytes.size() && IsLineEnd(bytes[end]))
            ++end; // line ends are ASCII, the same in both readings
        const QByteArrayView line = QByteArrayView(bytes).sliced(start, end - start);
        text += line.isValidUtf8() ? QString::fromUtf8(line) : QString::fromLatin1(line);
        start = end;
    }
    return text;
}

QList<QStringView> SplitLines(QStringView text)
{
    // The next CR and the next LF are each found with one fast search and
    // looked for again only once passed, so the text is read once.
    QList<QStringView> lines;
    const qsizetype n = text.size();
    const auto next = [&](QChar c, qsizetype from) {
        const qsizetype at = text.indexOf(c, from);
        return at < 0 ? n : at;
    };
    qsizetype nextCr = next(u'\r', 0);
    qsizetype nextLf = next(u'\n', 0);
    qsizetype start = 0;
    while (start < n) {
        if (nextCr < start)
            nextCr = next(u'\r', start);
        if (nextLf < start)
            nextLf = next(u'\n', start);
        const qsizetype end = qMin(nextCr, nextLf);
        lines << text.sliced(start, end - start);
        start = end + (end == nextCr && nextLf == end + 1 ? 2 : 1);
    }
    return lines;
}

std::shared_ptr<SubjectDef> ParseSubjectLine(QStringView line)
{
    // The opening quote is not looked at; the name runs to the next quote,
    // and the colour starts after the closing quote and the comma.
    const QStringView rest = line.mid(1);
    const qsizetype closing = Find(rest, u'"');
    auto subject = std::make_shared<SubjectDef>();
    subject->SName = (closing < 0 ? rest : rest.first(closing)).toString();
    subject->Colour = std::make_shared<ColourTriplet>();
    const QStringView colour = closing < 0 ? QStringView() : rest.mid(closing + 2);
    subject->Colour->SetFromInt(Saturated32(LeadingValue(colour)));
    return subject;
}

void AppendSubjectLine(QString& out, const QString& name, const ColourTriplet& colour)
{
    AppendQuoted(out, name);
    out += u',';
    AppendNumber(out, colour.getInt());
    out += LineEnd;
}

std::shared_ptr<ProjectDef> ParseProjectLine(QStringView line)
{
    // The texts are found by their quotes and the numbers only behind the
    // subject's closing quote, so commas inside texts do no harm.
    auto project = std::make_shared<ProjectDef>();
    project->ID = Wrapped16(LeadingValue(Before(line, u'"')));
    const QStringView name = After(line, u'"');
    project->PName = Before(name, u'"').toString();
    const QStringView subject = After(After(name, u'"'), u'"');
    project->Subject = Before(subject, u'"').toString();
    const QStringView due = After(After(subject, u'"'), u',');
    const QStringView dueText = Before(due, u',');
    if (IsNumeric(dueText))
        project->DueDate = Saturated32(LeadingValue(dueText));
    const QStringView classText = After(due, u',');
    project->ClassV = Saturated16(LeadingValue(classText));
    const QStringView weighting = After(classText, u',');
    const QStringView weightingText = Before(weighting, u',');
    if (IsNumeric(weightingText))
        project->Weighting = Saturated32(LeadingValue(weightingText));
    project->Description = Before(After(weighting, u'"'), u'"').toString();
    return project;
}

void AppendProjectLine(QString& out, const ProjectDef& project, const QString& subject)
{
    AppendNumber(out, project.ID);
    out += u',';
    AppendQuoted(out, project.PName);
    out += u',';
    AppendQuoted(out, subject);
    out += u',';
    AppendNumber(out, project.DueDate);
    out += u',';
    AppendNumber(out, project.ClassV);
    out += u',';
    AppendNumber(out, project.Weighting);
    out += u',';
    AppendQuoted(out, project.Description);
    out += LineEnd;
}

ViewSettings ParseSettings(const QByteArray& bytes)
{
    if (bytes.size() < SettingsFileSize)
        return {};
    return {quint8(bytes[16]), quint8(bytes[17])};
}

QByteArray WithSettings(QByteArray bytes, ViewSettings settings)
{
    if (bytes.size() < SettingsFileSize)
        bytes.append(SettingsFileSize - bytes.size(), '\0');
    bytes[16] = char(settings.daysView);
    bytes[17] = char(settings.daysViewDays);
    return bytes;
}

} // namespace MainM
