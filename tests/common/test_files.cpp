#include "common/Errors.h"
#include "common/Files.h"
#include "tests/support/FileBytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace {

// Bytes that differ from block to block, so a block written twice or skipped shows.
QByteArray pattern(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 4099) & 0xff);
    return bytes;
}

class CopyFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
    QStringList entries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};

} // namespace

TEST_F(CopyFile, CopiesEveryByteAndReplacesAnEarlierFile)
{
    for (qsizetype size : {qsizetype(0), qsizetype(1), qsizetype(1 << 20), qsizetype(2621447)}) {
        SCOPED_TRACE(size);
        const QByteArray source = pattern(size);
        writeBytes(path("origine.bin"), source);
        writeBytes(path("copia.bin"), QByteArray(3 << 20, 'v'));  // longer than any source
        CopyFileWhole(path("origine.bin"), path("copia.bin"));
        EXPECT_EQ(readBytes(path("copia.bin")), source);
        EXPECT_EQ(entries(), (QStringList{"copia.bin", "origine.bin"})) << "no temporary file is left behind";
    }
}

TEST_F(CopyFile, FailuresThrowAndLeaveTheEarlierDestinationWhole)
{
    writeBytes(path("origine.bin"), pattern(300 * 1024));
    writeBytes(path("copia.bin"), "versione precedente");
    QDir().mkpath(path("cartella"));
    struct Case { const char *what; QString source, destination; qsizetype sizeLimit; } cases[] = {
        {"missing source", path("manca.bin"), path("copia.bin"), 0},
        {"source is a folder", path("cartella"), path("copia.bin"), 0},
        {"destination folder missing", path("origine.bin"), path("manca/copia.bin"), 0},
        {"destination is a folder", path("origine.bin"), path("cartella"), 0},
        // The disk refuses the bytes past 64 KB: the copy is cut part way.
        {"write past the file-size limit", path("origine.bin"), path("copia.bin"), 64 * 1024},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<FileSizeLimit> limit;
        if (c.sizeLimit > 0)
            limit = std::make_unique<FileSizeLimit>(rlim_t(c.sizeLimit));
        EXPECT_THROW(CopyFileWhole(c.source, c.destination), IoError);
        limit.reset();
        EXPECT_EQ(readBytes(path("copia.bin")), "versione precedente");
        EXPECT_EQ(entries(), (QStringList{"copia.bin", "origine.bin"}));
        EXPECT_TRUE(QDir(path("cartella")).isEmpty());
    }
}

TEST(FileSizeLimitSignal, IsIgnoredSoAWriteFailsInsteadOfEndingTheProgram)
{
    struct sigaction action {};
    ASSERT_EQ(sigaction(SIGXFSZ, nullptr, &action), 0);
    EXPECT_EQ(action.sa_handler, SIG_IGN);
}
