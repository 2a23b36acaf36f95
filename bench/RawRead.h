#pragma once
// The disk's share of a scan, against which the benchmarks set their figures.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

// Reads the whole file with read() into one buffer of a record's size, a record at a time, and
// returns the bytes read.
inline int64_t RawReadFile(const QString &path, int recordSize)
{
    const QByteArray native = QFile::encodeName(path);
    std::vector<char> buffer(size_t(recordSize), 0);
    const int fd = ::open(native.constData(), O_RDONLY);
    int64_t total = 0;
    ssize_t n;
    while ((n = ::read(fd, buffer.data(), buffer.size())) > 0)
        total += n;
    ::close(fd);
    return total;
}
