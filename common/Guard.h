#pragma once
#include <functional>

#include <stdexcept>

// Runs one command as a guarded block: any failure inside ends it, what was done before stays
// done, its technical text goes to the log (LogFailure) and `onFailure` reports it to the user
// (the command's own message). Returns false after a failure. A std::logic_error is a fault of
// the program's wiring: logged, and in a debug build the program stops on it.
bool RunGuarded(const std::function<void()> &body, const std::function<void()> &onFailure);

// Stops a debug build on a wiring fault that a catch site has logged; nothing in a release build.
void StopOnWiringFault(const std::logic_error &e);

class QString;
// Runs a command that has no guard of its own: a failure ends it in the error box, which shows
// `message`, the Italian text the caller composes. Returns false after a failure.
bool RunReportingErrors(const std::function<void()> &body, const QString &message);
