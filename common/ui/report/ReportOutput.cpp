#include "common/ui/report/ReportOutput.h"

#include "common/Errors.h"
#include "common/Files.h"
#include "common/Platform.h"
#include "common/ui/report/ReportPreview.h"
#include "common/ui/report/ReportRenderer.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>

// Only std::shared_ptr is used with qpdf, never its old PointerHolder.
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

namespace {

std::string utf8(const QString &s) { return s.toUtf8().toStdString(); }

// Draws the pages into a PDF document in memory.
QByteArray drawPdf(const PreparedReport &report)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setTitle(report.pdfInfo.title);
    writer.setCreator(report.pdfInfo.creator);
    ApplyReportPage(report, writer);
    RenderReport(report, writer);
    return data;
}

// Rewrites the document with every stream it can decode left uncompressed (so the page content
// streams carry no filter) and the Info dictionary set from the report.
QByteArray rewriteUncompressed(const QByteArray &drawn, const ReportPdfInfo &info)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("report.pdf", drawn.constData(), size_t(drawn.size()));

    QPDFObjectHandle trailer = pdf.getTrailer();
    QPDFObjectHandle dictionary = trailer.getKey("/Info");
    if (!dictionary.isDictionary()) {
        dictionary = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        trailer.replaceKey("/Info", dictionary);
    }
    dictionary.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(utf8(info.title)));
    dictionary.replaceKey("/Subject", QPDFObjectHandle::newUnicodeString(utf8(info.subject)));
    dictionary.replaceKey("/Author", QPDFObjectHandle::newUnicodeString(utf8(info.author)));
    dictionary.replaceKey("/Creator", QPDFObjectHandle::newUnicodeString(utf8(info.creator)));
    // The Info dictionary is the document's one description: an XMP stream that knows only part of
    // it would contradict it in viewers that read XMP first.
    pdf.getRoot().removeKey("/Metadata");

    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.setCompressStreams(false);
    writer.setDecodeLevel(qpdf_dl_generalized);
    writer.setObjectStreamMode(qpdf_o_disable);
    writer.write();
    std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char *>(out->getBuffer()), qsizetype(out->getSize()));
}

} // namespace

bool PrintReport(const PreparedReport &report, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    return PrintReport(report, printer, parent);
}

bool PrintReport(const PreparedReport &report, QPrinter &printer, QWidget *parent)
{
    ApplyReportPage(report, printer);
    if (!platform().printDialog(printer, parent))
        return false;
    int from = 1;
    int to = 0;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = printer.fromPage();
        to = printer.toPage();
    }
    RenderReport(report, printer, from, to);
    return true;
}

void PreviewReport(const PreparedReport &report, QWidget *parent)
{
    ReportPreview window(report, parent);
    ShowModal(&window);
}

QByteArray ExportReportPdf(const PreparedReport &report)
{
    try {
        return rewriteUncompressed(drawPdf(report), report.pdfInfo);
    } catch (const std::exception &e) {
        throw IoError(utf8(QStringLiteral("Impossibile creare il documento PDF.")) + " " + e.what());
    }
}

void ExportReportPdf(const PreparedReport &report, const QString &path)
{
    const QByteArray document = ExportReportPdf(report);
    try {
        SaveFileWhole(path, document);
    } catch (const std::exception &e) {
        throw IoError(utf8(QStringLiteral("Impossibile scrivere il file \"%1\".").arg(path)) + " " + e.what());
    }
}
