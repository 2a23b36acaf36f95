#pragma once
#include <QtGlobal>

// Long work on the window's thread (an archive scanned, a grid filled, an export written) gives a
// sign of life: from the start of the outermost BusyWork to its end the busy cursor shows and the
// user's clicks and keys are ignored, and while the work calls KeepPainting the windows repaint
// themselves at least every PaintIntervalMs. Without an installed platform it does nothing.
class BusyWork {
public:
    BusyWork();
    ~BusyWork();
    BusyWork(const BusyWork &) = delete;
    BusyWork &operator=(const BusyWork &) = delete;
};

// How long long work goes on at most before the windows may repaint: half of the 200 ms after
// which a still window looks hung, so that a pause between two calls of KeepPainting still fits.
inline constexpr qint64 PaintIntervalMs = 100;

// Called often during long work: lets the windows repaint when PaintIntervalMs have passed since
// they last could. Outside a BusyWork it does nothing.
void KeepPainting();
