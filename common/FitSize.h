#pragma once
#include <functional>

// The largest whole size from `high` down to `low` for which `fits` holds, or `low - 1` when none
// does. Fitting text into a picture asks this: every size tried loads a font of that size, which
// is costly, so the sizes are halved rather than walked one by one. `fits` must not hold for a
// size once it fails for a smaller one (text grows with its font).
inline int LargestFittingSize(int low, int high, const std::function<bool(int)> &fits)
{
    int found = low - 1;
    while (low <= high) {
        const int mid = low + (high - low) / 2;
        if (fits(mid)) {
            found = mid;
            low = mid + 1;
        } else {
            high = mid - 1;
        }
    }
    return found;
}
