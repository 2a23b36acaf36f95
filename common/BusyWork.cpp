#include "common/BusyWork.h"

#include "common/Platform.h"

namespace {

int depth = 0;
bool began = false;  // whether the outermost work told the platform
qint64 lastPaint = 0;

} // namespace

BusyWork::BusyWork()
{
    if (depth++ > 0)
        return;
    began = PlatformInstalled();
    if (began) {
        platform().beginBusy();
        lastPaint = platform().clockMs();
    }
}

BusyWork::~BusyWork()
{
    if (--depth == 0 && began && PlatformInstalled())
        platform().endBusy();
}

void KeepPainting()
{
    if (depth == 0 || !began || !PlatformInstalled())
        return;
    const qint64 now = platform().clockMs();
    if (now - lastPaint < PaintIntervalMs)
        return;
    lastPaint = now;
    platform().paintWhileBusy();
}
