// Any bytes as a subjects file: every line must read without harm, and what
// is read must write out and read back the same.
#include "store/Lines.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = MainM::DecodeText(bytes);
    for (const QStringView line : MainM::SplitLines(text)) {
        const auto subject = MainM::ParseSubjectLine(line);
        const QString written = MainM::SubjectLine(subject->SName, *subject->Colour);
        const auto again = MainM::ParseSubjectLine(written.chopped(2));
        if (again->SName != subject->SName || again->Colour->getInt() != subject->Colour->getInt())
            std::abort();
    }
    return 0;
}
