#pragma once
#include <functional>

// Runs one command as a guarded block: any failure inside ends it, what was done before stays
// done, and `onFailure` reports it (the command's own message). Returns false after a failure.
bool RunGuarded(const std::function<void()> &body, const std::function<void()> &onFailure);
