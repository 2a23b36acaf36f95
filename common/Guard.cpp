#include "common/Guard.h"

#include <exception>

bool RunGuarded(const std::function<void()> &body, const std::function<void()> &onFailure)
{
    try {
        body();
        return true;
    } catch (const std::exception &) {
        if (onFailure)
            onFailure();
        return false;
    }
}
