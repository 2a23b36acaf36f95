#pragma once
// The disk's share of a scan, against which the benchmarks set their figures: the whole file read
// with read() into one buffer, a block at a time.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

inline constexpr size_t ReferenceBlockBytes = size_t(1) << 20;

// Reads the whole file in blocks of `blockBytes` and returns the bytes read (-1: not opened).
inline int64_t ReadFileInBlocks(const QString &path, size_t blockBytes)
{
    const QByteArray native = QFile::encodeName(path);
    std::vector<char> buffer(blockBytes);
    const int fd = ::open(native.constData(), O_RDONLY);
    if (fd < 0)
        return -1;
    int64_t total = 0;
    ssize_t n;
    while ((n = ::read(fd, buffer.data(), buffer.size())) > 0)
        total += n;
    ::close(fd);
    return total;
}

// Writes what a file holds to the disk, so that the kernel's writing back of an archive just made
// does not slow down the first runs that read it; false on failure.
inline bool FlushToDisk(QFile &file) { return file.flush() && ::fsync(file.handle()) == 0; }

// The reference read: blocks of a megabyte, as fast as a program can take the file in.
inline int64_t BlockReadFile(const QString &path) { return ReadFileInBlocks(path, ReferenceBlockBytes); }
// A record at a time, as a scan without a block reader would read.
inline int64_t RawReadFile(const QString &path, int recordSize) { return ReadFileInBlocks(path, size_t(recordSize)); }
