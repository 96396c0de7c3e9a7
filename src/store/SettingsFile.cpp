#include "SettingsFile.h"

#include "DataFile.h"
#include "Lines.h"
#include "model/Tables.h"

namespace MainM {

namespace {
const QString FileName = QStringLiteral("Portable Settings");
}

void LoadSettings()
{
    const ViewSettings settings = ParseSettings(ReadDataFile(FileName).value_or(QByteArray()));
    DaysView = settings.daysView;
    DaysViewDays = settings.daysViewDays;
}

bool SaveSettings()
{
    const QByteArray old = ReadDataFile(FileName).value_or(QByteArray());
    return SaveDataFile(FileName, WithSettings(old, {DaysView, DaysViewDays}));
}

} // namespace MainM
