#pragma once
#include "common/ByteSink.h"

#include <QByteArray>
#include <QString>

#include <functional>

// What came of ExportWholeFile.
enum class WholeFileExportResult {
    NotConfirmed,  // No to the first question: nothing written
    Failed,        // the file could not be made or written; the message was shown, an earlier file is whole
    Written,       // written, and No to opening it
    Opened,        // written and handed to the desktop to open
};

// Makes a document's bytes, handing them to the sink in order.
using DocumentWriter = std::function<void(const ByteSink &)>;

// A document exported into the program folder on request.
struct WholeFileExportSteps {
    QString fileName;         // in the program folder
    DocumentWriter write;     // run only once the export goes ahead
    QString confirm;          // asked first; empty: nothing is asked before writing
    QString done;             // asked once the file is in place; unless No, the file is opened
    QString failure;          // shown when the document cannot be made or written
    void (*showFailure)(const QString &text) = nullptr;  // how `failure` is shown; null: a plain box
};

// The question `confirm` (where there is one); the document written whole under `fileName`
// through a temporary file that is renamed into place only when complete; then the question
// `done`, and unless its answer is No the file is opened, its full path in double quotation marks.
// A failure to make or write the document shows `failure` and asks nothing more.
WholeFileExportResult ExportWholeFile(const WholeFileExportSteps &steps);

// The same with a first question, a document made whole, and a failure shown in a plain box.
WholeFileExportResult ExportWholeFile(const QString &fileName, const std::function<QByteArray()> &document,
                                      const QString &confirm, const QString &done, const QString &failure);

// Writes a file whole from the pieces `write` hands over: into a temporary file beside it, renamed
// over the old one once every byte is written. Throws IoError on any failure, leaving the old file
// whole and no temporary file behind.
void SaveFileStreamed(const QString &path, const DocumentWriter &write);
