#pragma once
#include <QByteArray>
#include <QString>

#include <functional>

// What came of ExportWholeFile.
enum class WholeFileExportResult {
    NotConfirmed,  // No to the first question: nothing written
    Failed,        // the file could not be written; the message was shown, an earlier file is whole
    Written,       // written, and No to opening it
    Opened,        // written and handed to the desktop to open
};

// A document exported into the program folder on request: the question `confirm`; the document's
// bytes (built only after a Yes) saved whole under `fileName` through a temporary file; then the
// question `done`, and unless its answer is No the file is opened, its full path in double
// quotation marks. A failure to build or write it shows `failure` in a plain message box and asks
// nothing more.
WholeFileExportResult ExportWholeFile(const QString &fileName, const std::function<QByteArray()> &document,
                                      const QString &confirm, const QString &done, const QString &failure);
