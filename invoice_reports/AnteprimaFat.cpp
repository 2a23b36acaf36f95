#include "invoice_reports/AnteprimaFat.h"

#include "common/Guard.h"
#include "common/Messages.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ReportOutput.h"

WindowHandle<TfrmAnteprimaFat> frmAnteprimaFat;

TfrmAnteprimaFat::TfrmAnteprimaFat(QWidget *parent)
    : InvoiceOutputWindow(
          parent,
          {
              .name = QStringLiteral("frmAnteprimaFat"),
              .caption = QStringLiteral(" Anteprima di stampa"),
              .clientSize = QSize(364, 287),
              .ground = QRect(18, 18, 326, 215),
              .picture = QRect(22, 32, 317, 189),
              .cancelPlace = QRect(18, 243, 145, 28),
              .actionPlace = QRect(200, 243, 145, 28),
              .actionButton = QStringLiteral("Mostra anteprima"),
              .device = InvoiceOutputDevice::Preview,
              .heading = QStringLiteral("Anteprima di stampa"),
              .first = QString::fromUtf8("Questa operazione consente di visualizzare in anteprima i dati che "
                                         "appariranno in stampa."),
              .second = QString::fromUtf8("Fare clic su Mostra anteprima per visualizzare il documento sullo schermo "
                                          "prima di eseguire la stampa su carta."),
          })
{
}

void TfrmAnteprimaFat::btnStampaClick()
{
    // The window closes with the preview; after a failure it stays open.
    if (RunReportingErrors([this] { PreviewReport(PrepareDocument(), this); }, PreviewFailureMessage()))
        accept();
}

void OpenInvoicePreview(QWidget *card) { OpenModal<TfrmAnteprimaFat>(card); }
