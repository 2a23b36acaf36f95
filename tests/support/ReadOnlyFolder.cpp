#include "tests/support/ReadOnlyFolder.h"

#include <QFile>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool setImmutable(const QString &path, bool on)
{
    int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

bool canCreateIn(const QString &path)
{
    QByteArray probe = QFile::encodeName(path + "/.probe_write");
    int fd = ::open(probe.constData(), O_CREAT | O_WRONLY, 0644);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.constData());
    return true;
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString &path) : path_(path)
{
    immutable_ = setImmutable(path, true);
    if (!immutable_)
        chmodded_ = ::chmod(QFile::encodeName(path).constData(), 0555) == 0;
    ok_ = !canCreateIn(path);
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (immutable_)
        setImmutable(path_, false);
    if (chmodded_)
        ::chmod(QFile::encodeName(path_).constData(), 0755);
}
