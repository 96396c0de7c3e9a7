// Any bytes as "Portable Settings": reading never fails, and writing the two
// settings changes bytes 16 and 17 and nothing else.
#include "store/Lines.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const MainM::ViewSettings read = MainM::ParseSettings(bytes);
    const MainM::ViewSettings next{quint8(read.daysViewDays ^ 0x5a), quint8(read.daysView + 1)};
    const QByteArray written = MainM::WithSettings(bytes, next);
    if (written.size() != qMax<qsizetype>(bytes.size(), MainM::SettingsFileSize))
        std::abort();
    for (qsizetype i = 0; i < written.size(); ++i) {
        const char expected = i == 16            ? char(next.daysView)
                              : i == 17          ? char(next.daysViewDays)
                              : i < bytes.size() ? bytes[i]
                                                 : '\0';
        if (written[i] != expected)
            std::abort();
    }
    const MainM::ViewSettings again = MainM::ParseSettings(written);
    if (again.daysView != next.daysView || again.daysViewDays != next.daysViewDays)
        std::abort();
    return 0;
}
