#pragma once
// Helpers of the file tests: whole-file bytes in and out, and a cap on the size of written files.
#include "common/Record.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <vector>

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// The bytes of an archive holding these records, in order.
inline QByteArray ArchiveBytes(const std::vector<Record> &records)
{
    QByteArray bytes;
    for (const Record &r : records)
        bytes += r.bytes();
    return bytes;
}

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Limits the size of files the process may write, so that a write fails even for root. The signal
// such a write raises is ignored by the test program, as by the program itself: a process that
// did not ignore it would end here.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit lim = old_;
        lim.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit old_{};
};
