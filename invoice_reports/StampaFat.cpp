#include "invoice_reports/StampaFat.h"

#include "common/Guard.h"
#include "common/Messages.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ReportOutput.h"

WindowHandle<TfrmStampaFat> frmStampaFat;

TfrmStampaFat::TfrmStampaFat(QWidget *parent)
    : InvoiceOutputWindow(
          parent,
          {
              .name = QStringLiteral("frmStampaFat"),
              .caption = QStringLiteral(" Stampa fattura proforma"),
              .clientSize = QSize(364, 287),
              .ground = QRect(18, 18, 326, 215),
              .picture = QRect(23, 30, 315, 191),
              .cancelPlace = QRect(18, 243, 145, 28),
              .actionPlace = QRect(200, 243, 145, 28),
              .actionButton = QStringLiteral("Stampa"),
              .device = InvoiceOutputDevice::Printer,
              .heading = QStringLiteral("Stampa documento"),
              .first = QString::fromUtf8("Questa operazione provvederà a stampare su carta il documento con i dati "
                                         "immessi nei campi di testo."),
              .second = QString::fromUtf8("Premere il pulsante Stampa per dare avvio alla stampa su carta oppure "
                                          "premere Annulla per annullare l'operazione."),
          })
{
}

void TfrmStampaFat::btnStampaClick()
{
    // Printed or cancelled in the print dialog, the window closes; after a failure it stays open.
    if (RunReportingErrors([this] { PrintReport(PrepareDocument(), this); }, PrintFailureMessage()))
        accept();
}

void OpenInvoicePrint(QWidget *card) { OpenModal<TfrmStampaFat>(card); }
