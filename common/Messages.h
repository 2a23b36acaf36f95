#pragma once
#include <QString>

// The one message every card and search shows when an archive fails.
QString ArchiveAccessMessage();

// What the error box says when a command without a guard of its own fails.
QString PrintFailureMessage();
QString PreviewFailureMessage();
QString PdfFailureMessage(const QString &fileName);
QString SettingsWriteFailureMessage();
