#pragma once
#include <QString>

// Opens a document, folder, web address or "mailto:" address with the desktop's default program.
// Paths come inside double quotation marks; nothing is reported when the target cannot be opened.
class TMisc {
public:
    static void Open(const QString &sCommand);
};
