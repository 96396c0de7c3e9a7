// Any bytes as a transfer file: the check never fails, and a file it takes
// imports into empty tables with every project and fresh IDs.
#include "model/Tables.h"
#include "transfer/TransferFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const MainM::TransferReading reading = MainM::ReadTransfer(bytes);
    if (!reading.content) {
        if (reading.badLine < 1)
            std::abort();
        return 0;
    }
    MainM::ClearProjects();
    MainM::ClearSubjects();
    MainM::NextProjectID = 0;
    MainM::MergeTransfer(*reading.content);
    const auto count = qint32(reading.content->projects.size());
    if (MainM::ProjectCount != count - 1 || MainM::SubjectCount > 0)
        std::abort();
    for (qint32 i = 0; i < count; ++i) {
        if (MainM::Projects[size_t(i)]->ID != qint16(i % 32768))
            std::abort();
    }
    return 0;
}
