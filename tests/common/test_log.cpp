#include "tests/support/QStringPrinter.h"
#include "common/Errors.h"
#include "common/Guard.h"
#include "common/Log.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

// A guarded command that fails leaves one line in the program folder's log, with the time and the
// technical text; the user sees the command's own message only.
TEST(FailureLog, AFailedCommandLeavesOneLineWithTheTimeAndTheCause)
{
    ScriptedPlatform sp;
    sp.todayValue = QDate(2026, 3, 4);
    sp.timeValue = QTime(9, 5, 7);
    const bool ok = RunGuarded([] { throw IoError("open /srv/Tavoren/Proprietari.pro: Permission denied"); },
                               [] { ShowNotice(NoticeKind::Error, "non riuscito"); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(sp.messages(), QStringList{"non riuscito"});
    EXPECT_EQ(readBytes(sp.file(LogFileName)),
              "2026-03-04 09:05:07  [-]  open /srv/Tavoren/Proprietari.pro: Permission denied\n");
    // A second failure appends; line breaks in a cause stay on its line.
    RunGuarded([] { throw ConversionError("riga 1\nriga 2"); }, nullptr);
    const QList<QByteArray> lines = readBytes(sp.file(LogFileName)).split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], "2026-03-04 09:05:07  [-]  riga 1 riga 2");
}

TEST(FailureLog, AFullLogStartsAnewKeepingThePreviousOne)
{
    ScriptedPlatform sp;
    const QByteArray old(LogFileLimit, 'x');
    writeBytes(sp.file(LogFileName), old);
    writeBytes(sp.file(PreviousLogFileName), "older");
    LogFailure("nuova");
    EXPECT_EQ(readBytes(sp.file(PreviousLogFileName)), old);
    EXPECT_TRUE(readBytes(sp.file(LogFileName)).endsWith("nuova\n"));
    EXPECT_LT(readBytes(sp.file(LogFileName)).size(), 100);
}

// A log that cannot be written changes nothing for the user: the command reports as it would.
TEST(FailureLog, ALogThatCannotBeWrittenIsSkipped)
{
    ScriptedPlatform sp;
    ASSERT_TRUE(QDir().mkpath(sp.file(LogFileName)));  // a folder stands where the log would be
    const bool ok = RunGuarded([] { throw IoError("disk full"); }, [] { ShowNotice(NoticeKind::Error, "errore"); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(sp.messages(), QStringList{"errore"});
    EXPECT_TRUE(QFileInfo(sp.file(LogFileName)).isDir());
}
