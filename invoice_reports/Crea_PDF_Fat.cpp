#include "invoice_reports/Crea_PDF_Fat.h"

#include "common/Messages.h"
#include "common/WholeFileExport.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ReportOutput.h"

WindowHandle<TfrmCrea_PDF_Fat> frmCrea_PDF_Fat;

const QString TfrmCrea_PDF_Fat::FileName = QStringLiteral("Fattura.pdf");

TfrmCrea_PDF_Fat::TfrmCrea_PDF_Fat(QWidget *parent)
    : InvoiceOutputWindow(
          parent,
          {
              .name = QStringLiteral("frmCrea_PDF_Fat"),
              .caption = QStringLiteral(" Esporta in PDF"),
              .clientSize = QSize(363, 299),
              .ground = QRect(18, 18, 326, 223),
              .picture = QRect(24, 30, 313, 202),
              .cancelPlace = QRect(18, 254, 137, 28),
              .actionPlace = QRect(208, 254, 137, 28),
              .actionButton = QStringLiteral("Crea PDF"),
              .device = InvoiceOutputDevice::PdfFile,
              .heading = QStringLiteral("Esporta in PDF"),
              .first = QString::fromUtf8("Questa operazione provvederà a esportare in formato PDF il documento con "
                                         "i dati immessi nei campi di testo."),
              .second = QString::fromUtf8("Premere il pulsante Crea PDF per esportare il documento in un file PDF "
                                          "oppure fare clic su Annulla se si desidera annullare l'operazione."),
          })
{
}

void TfrmCrea_PDF_Fat::btnStampaClick()
{
    // The file replaces an earlier one only once it is whole; a failure shows the error box, asks
    // nothing and leaves the window open, as does No to opening the file.
    const WholeFileExportResult result = ExportWholeFile({
        .fileName = FileName,
        .write = [this](const ByteSink &sink) { sink(ExportReportPdf(PrepareDocument())); },
        .confirm = {},
        .done = QString::fromUtf8("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\n"
                                  "Si vuole aprire il file?"),
        .failure = PdfFailureMessage(FileName),
        .showFailure = ShowErrorBox,
    });
    if (result == WholeFileExportResult::Opened)
        accept();
}

void OpenInvoicePdf(QWidget *card) { OpenModal<TfrmCrea_PDF_Fat>(card); }
