#pragma once
#include "common/report/PreparedReport.h"

class QPrinter;
class QWidget;

// Prints a prepared report after the print dialog (through the platform); false when the dialog
// was cancelled, which prints nothing. Throws TavorenError when the printer cannot be used.
bool PrintReport(const PreparedReport &report, QWidget *parent);
// The same on a given printer.
bool PrintReport(const PreparedReport &report, QPrinter &printer, QWidget *parent);

// Shows a prepared report in the modal preview window (through the platform).
void PreviewReport(const PreparedReport &report, QWidget *parent);

// A prepared report as a PDF document with uncompressed content streams and the template's title,
// subject, author and creator. Throws IoError when it cannot be made.
QByteArray ExportReportPdf(const PreparedReport &report);
// Writes a prepared report as a PDF file with uncompressed content streams and the template's
// title, subject, author and creator, replacing any file at `path`. The file is written whole
// beside the target and renamed over it: on failure IoError is thrown and an old file stays whole.
void ExportReportPdf(const PreparedReport &report, const QString &path);
