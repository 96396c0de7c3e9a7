#include "SubjectsFile.h"

#include "DataFile.h"
#include "Lines.h"
#include "model/Tables.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>

namespace MainM {

namespace {
const QString FileName = QStringLiteral("Subjects.txt");
}

bool LoadSubjects()
{
    const std::optional<QByteArray> bytes = ReadDataFile(FileName);
    if (!bytes) {
        platform::ShowMessage(
            QCoreApplication::translate("MainM", "NilObjectException in LoadSubject"));
        return false;
    }
    ClearSubjects();
    const QString text = DecodeText(*bytes);
    for (const QStringView line : SplitLines(text)) {
        if (!IsBlankLine(line))
            AddSubjectEntry(ParseSubjectLine(line));
    }
    return true;
}

bool SaveSubjects()
{
    QString content;
    for (qint32 i = 0; i <= SubjectCount; ++i)
        AppendSubjectLine(content, Subjects[size_t(i)]->SName, *Subjects[size_t(i)]->Colour);
    return SaveDataFile(FileName, content.toUtf8());
}

} // namespace MainM
