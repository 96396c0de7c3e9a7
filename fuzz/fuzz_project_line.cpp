// Any bytes as a projects file: every line must read without harm, and what
// is read must write out and read back the same.
#include "store/Lines.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = MainM::DecodeText(bytes);
    for (const QStringView line : MainM::SplitLines(text)) {
        const auto project = MainM::ParseProjectLine(line);
        const QString written = MainM::ProjectLine(*project, project->Subject);
        if (written.count(u'\n') != 1 || written.count(u'\r') != 1)
            std::abort();
        const auto again = MainM::ParseProjectLine(written.chopped(2));
        if (again->ID != project->ID || again->PName != project->PName
            || again->Subject != project->Subject || again->DueDate != project->DueDate
            || again->ClassV != project->ClassV || again->Weighting != project->Weighting
            || again->Description != project->Description)
            std::abort();
    }
    return 0;
}
