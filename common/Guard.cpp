#include "common/Guard.h"

#include "common/Errors.h"
#include "common/Log.h"
#include "common/Platform.h"

#include <QString>

#include <exception>
#include <stdexcept>

void StopOnWiringFault([[maybe_unused]] const std::logic_error &e)
{
#ifndef NDEBUG
    // A fault of the program's own making: a debug build stops here, where it shows.
    qFatal("wiring fault: %s", e.what());
#endif
}

bool RunGuarded(const std::function<void()> &body, const std::function<void()> &onFailure)
{
    try {
        body();
        return true;
    } catch (const TavorenError &e) {
        LogFailure(QString::fromStdString(e.what()));
    } catch (const std::logic_error &e) {
        LogFailure(QStringLiteral("wiring fault: ") + QString::fromStdString(e.what()));
        StopOnWiringFault(e);
    } catch (const std::exception &e) {
        LogFailure(QStringLiteral("unexpected failure: ") + QString::fromStdString(e.what()));
    }
    if (onFailure)
        onFailure();
    return false;
}

bool RunReportingErrors(const std::function<void()> &body, const QString &message)
{
    return RunGuarded(body, [&message] { ShowErrorBox(message); });
}
