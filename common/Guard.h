#pragma once
#include <functional>

// Runs one command as a guarded block: any failure inside ends it, what was done before stays
// done, and `onFailure` reports it (the command's own message). Returns false after a failure.
bool RunGuarded(const std::function<void()> &body, const std::function<void()> &onFailure);

class QString;
// Runs a command that has no guard of its own: a failure ends it in the error box, which shows
// `message`, the Italian text the caller composes. Returns false after a failure.
bool RunReportingErrors(const std::function<void()> &body, const QString &message);
