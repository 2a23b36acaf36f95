#pragma once
// The disk's share of a scan, against which the benchmarks set their figures: the whole file read
// in blocks of a megabyte, as fast as a program can take it in.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

inline constexpr size_t ReferenceBlockBytes = size_t(1) << 20;

// Reads the whole file with read() into one buffer of a megabyte and returns the bytes read.
inline int64_t BlockReadFile(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    std::vector<char> buffer(ReferenceBlockBytes);
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
