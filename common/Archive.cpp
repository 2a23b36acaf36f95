#include "common/Archive.h"

#include "common/Errors.h"
#include "common/Files.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

[[noreturn]] void fail(const QString &path, const char *what, int err = errno)
{
    throw IoError(std::string(what) + " " + path.toStdString() + ": " + std::strerror(err));
}

// Holds an exclusive advisory lock on the file for one append.
class FileLock {
public:
    FileLock(int fd, const QString &path) : fd_(fd)
    {
        while (::flock(fd_, LOCK_EX) != 0)
            if (errno != EINTR)
                fail(path, "cannot lock");
    }
    ~FileLock() { ::flock(fd_, LOCK_UN); }
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

private:
    int fd_;
};

int openReadWrite(const QByteArray &native, int flags)
{
    int fd;
    do
        fd = ::open(native.constData(), O_RDWR | O_CLOEXEC | flags, 0666);
    while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

Archive::Archive(int fd, int recordSize, const QString &path) : fd_(fd), size_(recordSize), path_(path) {}

Archive::Archive(Archive &&other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_), pos_(other.pos_), path_(std::move(other.path_))
{
}

Archive &Archive::operator=(Archive &&other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        size_ = other.size_;
        pos_ = other.pos_;
        path_ = std::move(other.path_);
    }
    return *this;
}

Archive::~Archive()
{
    if (fd_ >= 0)
        ::close(fd_);
}

int Archive::count() const
{
    // Asked of the file each time: another workstation may have appended meanwhile.
    struct stat st;
    if (::fstat(fd_, &st) != 0)
        fail(path_, "cannot measure");
    return int(qMin<qint64>(st.st_size / size_, INT_MAX));
}

void Archive::seek(int index)
{
    if (index < 0 || index > count())
        throw IoError("record " + std::to_string(index + 1) + " out of range in " + path_.toStdString());
    pos_ = index;
}

QByteArray Archive::read()
{
    // Past the end pread comes back short, so the file need not be measured first.
    QByteArray record(size_, Qt::Uninitialized);
    const off_t at = off_t(pos_) * size_;
    qint64 done = 0;
    while (done < size_) {
        const ssize_t n = ::pread(fd_, record.data() + done, size_t(size_ - done), at + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(path_, "cannot read");
        if (n == 0)
            throw IoError("read past the end of " + path_.toStdString());
        done += n;
    }
    ++pos_;
    return record;
}

int Archive::readRecords(char *buffer, int maxRecords)
{
    if (maxRecords <= 0)
        return 0;
    const qint64 wanted = qint64(maxRecords) * size_;
    const off_t at = off_t(pos_) * size_;
    qint64 done = 0;
    while (done < wanted) {
        const ssize_t n = ::pread(fd_, buffer + done, size_t(wanted - done), at + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(path_, "cannot read");
        if (n == 0)
            break;
        done += n;
    }
    const int whole = int(done / size_);
    pos_ += whole;
    return whole;
}

namespace {

void checkSize(const QByteArray &record, int size)
{
    if (record.size() != size)
        throw std::logic_error("record size does not match the archive");
}

void writeAll(int fd, const QByteArray &bytes, off_t at, const QString &path)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), at + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(path, "cannot write", n < 0 ? errno : ENOSPC);
        done += n;
    }
}

} // namespace

void Archive::write(const QByteArray &record)
{
    checkSize(record, size_);
    if (pos_ >= count()) {
        append(record);
        return;
    }
    writeAll(fd_, record, off_t(pos_) * size_, path_);
    ++pos_;
}

int Archive::append(const QByteArray &record) { return appendIf(record, {}); }

int Archive::appendIf(const QByteArray &record, const std::function<bool(Archive &)> &admit)
{
    checkSize(record, size_);
    const FileLock lock(fd_, path_);
    if (admit && !admit(*this))
        return 0;
    // The true end, measured under the lock: a partial tail is written over.
    const qint64 index = qint64(count());
    if (index >= INT_MAX)
        throw IoError("archive full: " + path_.toStdString());
    writeAll(fd_, record, off_t(index) * size_, path_);
    pos_ = int(index) + 1;
    return pos_;
}

void Archive::close()
{
    if (fd_ < 0)
        return;
    const int r = ::close(std::exchange(fd_, -1));
    if (r != 0)
        fail(path_, "cannot close");
}

Archive OpenOrCreateArchive(const QString &fileName, int recordSize)
{
    if (recordSize <= 0)
        throw std::logic_error("record size must be positive");
    const QString path = ResolveProgramPath(fileName);
    const QByteArray native = QFile::encodeName(path);
    int fd = openReadWrite(native, 0);
    if (fd < 0 && errno == ENOENT) {
        // Never truncate: create only if nobody else did in the meantime.
        fd = openReadWrite(native, O_CREAT | O_EXCL);
        if (fd < 0 && errno == EEXIST)
            fd = openReadWrite(native, 0);
    }
    if (fd < 0)
        fail(path, "cannot open");
    struct stat st;
    const int err = ::fstat(fd, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EINVAL;
    if (err != 0) {
        ::close(fd);
        fail(path, "cannot open", err);
    }
    return Archive(fd, recordSize, path);
}
