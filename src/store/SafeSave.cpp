#include "SafeSave.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Plain POSIX calls rather than QSaveFile: in Qt 6.4 QSaveFile can report
// success for a file that a full disk cut short, and it loses the system's
// reason for a failure, which the user is to be told.
namespace MainM {

namespace {

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A file descriptor that closes itself.
class Fd
{
public:
    explicit Fd(int fd)
        : m_fd(fd)
    {}
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

QByteArray Encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// Writes every byte at `offset`, however many calls the kernel wants; 0 or
// the error number.
int WriteAll(int fd, const QByteArray& bytes, off_t offset)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done),
                                   offset + off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        done += n;
    }
    return 0;
}

// Without this the new name of a replaced file may not survive a power cut.
int SyncFolder(const QString& folder)
{
    Fd fd(::open(Encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0)
        return errno;
    return ::fsync(fd.get()) == 0 ? 0 : errno;
}

// Just after the last of the bytes `ends` before `end`; 0 when there is
// none, -1 when the file cannot be read.
off_t AfterLast(int fd, off_t end, const char* ends)
{
    char buffer[4096];
    while (end > 0) {
        const off_t from = end > off_t(sizeof buffer) ? end - off_t(sizeof buffer) : 0;
        const ssize_t n = ::pread(fd, buffer, size_t(end - from), from);
        if (n != end - from)
            return -1;
        for (ssize_t i = n - 1; i >= 0; --i) {
            if (buffer[i] != '\0' && std::strchr(ends, buffer[i]))
                return from + i + 1;
        }
        end = from;
    }
    return 0;
}

// Where the last whole line ends, so that an append first cuts off what an
// interrupted one left; -1 when the file cannot be read. A file that ends in
// CR was cut between the CR and the LF of its last line, unless its lines
// end in CR alone.
off_t EndOfLastWholeLine(int fd, off_t size)
{
    if (size == 0)
        return 0;
    char last = 0;
    if (::pread(fd, &last, 1, size - 1) != 1)
        return -1;
    if (last == '\n')
        return size;
    if (last == '\r') {
        const off_t afterLineFeed = AfterLast(fd, size - 1, "\n");
        return afterLineFeed == 0 ? size : afterLineFeed;
    }
    return AfterLast(fd, size, "\r\n");
}

QString TemporaryNameBeside(const QString& path)
{
    return path + QStringLiteral(".duetide-save-")
           + QString::number(QRandomGenerator::global()->generate64(), 36);
}

} // namespace

QString WriteWholeFile(const QString& path, const QByteArray& content)
{
    // A data file that is a link is saved where the link points.
    const QFileInfo info(path);
    const QString target = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;

    QString temporary;
    int fd = -1;
    do {
        temporary = TemporaryNameBeside(target);
        fd = ::open(Encoded(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EEXIST);
    if (fd < 0)
        return SystemReason(errno);
    Fd file(fd);
    const auto fail = [&](int error) {
        ::unlink(Encoded(temporary).constData());
        return SystemReason(error);
    };

    struct stat old
    {
    };
    if (::stat(Encoded(target).constData(), &old) == 0)
        ::fchmod(file.get(), old.st_mode & 07777);
    if (const int error = WriteAll(file.get(), content, 0))
        return fail(error);
    if (::fdatasync(file.get()) != 0)
        return fail(errno);
    if (!file.Close())
        return fail(errno);
    if (::rename(Encoded(temporary).constData(), Encoded(target).constData()) != 0)
        return fail(errno);
    if (const int error = SyncFolder(QFileInfo(target).absolutePath()))
        return SystemReason(error);
    return {};
}

QString AppendLines(const QString& path, const QByteArray& lines)
{
    const bool existed = QFileInfo::exists(path);
    Fd file(::open(Encoded(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (file.get() < 0)
        return SystemReason(errno);
    struct stat status
    {
    };
    if (::fstat(file.get(), &status) != 0)
        return SystemReason(errno);
    const off_t start = EndOfLastWholeLine(file.get(), status.st_size);
    if (start < 0)
        return SystemReason(errno);
    if (start != status.st_size && ::ftruncate(file.get(), start) != 0)
        return SystemReason(errno);

    const auto fail = [&](int error) {
        // Back to the whole lines it held, so no partial line stays.
        if (::ftruncate(file.get(), start) == 0)
            ::fdatasync(file.get());
        return SystemReason(error);
    };
    if (const int error = WriteAll(file.get(), lines, start))
        return fail(error);
    if (::fdatasync(file.get()) != 0)
        return fail(errno);
    if (!existed) {
        if (const int error = SyncFolder(QFileInfo(path).absolutePath()))
            return SystemReason(error);
    }
    return {};
}

} // namespace MainM
