#pragma once
#include <QString>

// The program's trace of failures, for whoever looks after the practice's computers: one line per
// failure with the time, the place (the window in front) and the technical text (the file, the
// call, the system's error), written to standard error and to "Tavoren.log" in the program folder,
// so that the trace travels with the backup. Past a size the file starts anew, the previous one
// kept as "Tavoren.1.log". A trace that cannot be written is skipped: logging never fails a command.
extern const QString LogFileName;
extern const QString PreviousLogFileName;
constexpr qint64 LogFileLimit = 512 * 1024;

void LogFailure(const QString &what);
