#pragma once
// Helpers of the file tests: whole-file bytes in and out, and a cap on the size of written files.
#include "common/Record.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <csignal>
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

// Limits the size of files the process may write, so that a write fails even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = old_;
        lim.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};
