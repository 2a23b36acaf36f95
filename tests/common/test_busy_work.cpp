// The sign of life of long work: the busy cursor once per command, and repaints paced by the
// platform's clock (a scripted clock that moves on at each reading, not the time).
#include "common/ArchiveSearch.h"
#include "common/BusyWork.h"
#include "common/Record.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The longest stretch of scripted time in which the windows could not repaint: from the start of
// the work to the first repaint, between two, and from the last to the end (`end`).
qint64 longestStill(const std::vector<qint64> &paints, qint64 start, qint64 end)
{
    qint64 longest = 0, last = start;
    for (qint64 at : paints) {
        longest = std::max(longest, at - last);
        last = at;
    }
    return std::max(longest, end - last);
}

} // namespace

TEST(BusyWork, TheOutermostWorkShowsTheBusyCursorOnce)
{
    ScriptedPlatform sp;
    {
        const BusyWork command;
        {
            const BusyWork scan;
            EXPECT_TRUE(sp.busy());
        }
        EXPECT_EQ(sp.busyLog, QStringList{"busy"});
        EXPECT_TRUE(sp.busy());
    }
    EXPECT_EQ(sp.busyLog, (QStringList{"busy", "idle"}));
    EXPECT_FALSE(sp.busy());

    // Outside long work nothing repaints and the clock is not even read.
    sp.clockStepMs = 1000;
    KeepPainting();
    EXPECT_TRUE(sp.paintTimes.empty());
    EXPECT_EQ(sp.clockValue, 0);
}

TEST(BusyWork, TheWindowsRepaintWhenTheIntervalHasPassed)
{
    ScriptedPlatform sp;
    sp.clockStepMs = 30;
    {
        const BusyWork work;
        for (int i = 0; i < 40; ++i)
            KeepPainting();
    }
    // Readings at 0 (the start), 30, 60 ... : a repaint at the first reading 100 ms after the last.
    EXPECT_EQ(sp.paintTimes, (std::vector<qint64>{120, 240, 360, 480, 600, 720, 840, 960, 1080, 1200}));
}

TEST(BusyWork, AScanRepaintsThroughoutAndEndsIdleAlsoOnFailure)
{
    ScriptedPlatform sp;
    const RecordLayout layout{{"Nome", 20}};
    std::vector<Record> records;
    for (int i = 0; i < 3000; ++i) {
        Record r(layout);
        r.setText("Nome", QString::number(i));
        records.push_back(r);
    }
    writeBytes(sp.file("Prova.dat"), ArchiveBytes(records));

    // A scripted millisecond per record, read in blocks of 100 records.
    sp.clockStepMs = 1;
    int seen = 0;
    ScanArchive(sp.file("Prova.dat"), layout, [&](const Record &, int) { ++seen; }, 100 * layout.recordSize());
    EXPECT_EQ(seen, 3000);
    EXPECT_EQ(sp.busyLog, (QStringList{"busy", "idle"}));
    EXPECT_GE(sp.paintTimes.size(), 25u);
    EXPECT_LE(longestStill(sp.paintTimes, 0, sp.clockValue), 200);

    // A failure in the middle still ends the work.
    sp.clear();
    EXPECT_THROW(ScanArchive(sp.file("Prova.dat"), layout,
                             [&](const Record &, int number) {
                                 if (number == 500)
                                     throw std::runtime_error("stop");
                             }),
                 std::runtime_error);
    EXPECT_EQ(sp.busyLog, (QStringList{"busy", "idle"}));
}
