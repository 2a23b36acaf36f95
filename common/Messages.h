#pragma once
#include <QString>

// The one message every card and search shows when an archive fails.
QString ArchiveAccessMessage();

// What the error box says when a command without a guard of its own fails.
QString PrintFailureMessage();
QString PreviewFailureMessage();
QString PdfFailureMessage(const QString &fileName);
QString SettingsWriteFailureMessage();

// The warning of a command that would store a text holding a character Windows-1252 cannot
// hold: it names the field by its caption and the character, with its code (it may not show).
QString UnstorableCharMessage(const QString &caption, char32_t character);
// The warning of a Save whose number, in the form the card shows, is longer than its field:
// `where` names the field (its caption in quotes, and its line where it has one).
QString NumberTooLongMessage(const QString &where, int capacity);
