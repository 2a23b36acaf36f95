#include "common/Guard.h"

#include "common/Platform.h"

#include <QString>

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

bool RunReportingErrors(const std::function<void()> &body, const QString &message)
{
    return RunGuarded(body, [&message] { ShowErrorBox(message); });
}
