#include "owners/OwnerPrint.h"

#include "common/Guard.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/WholeFileExport.h"
#include "common/ui/RecordCard.h"
#include "common/ui/report/ReportOutput.h"
#include "owners/Clienti.h"

#include <QComboBox>
#include <QLineEdit>
#include <functional>

namespace {

const QString PdfName = QStringLiteral("Proprietario.pdf");

QString t(const QWidget *control) { return TrimText(ControlText(control)); }

} // namespace

QString OwnerCardTitle() { return QStringLiteral("SCHEDA ANAGRAFICA PROPRIETARIO"); }

QList<CardLine> OwnerCardLines(const TfrmClienti &c)
{
    return {
        {QStringLiteral("Cognome e nome:"), t(c.txtCliente)},
        {QStringLiteral("Data di nascita:"), t(c.txtDataNasc)},
        {QStringLiteral("Comune di nascita:"), t(c.txtComuneNasc) + " " + t(c.txtProvNasc)},
        {QStringLiteral("Sesso:"), t(c.txtSesso)},
        {QStringLiteral("Telefono preferenziale:"), t(c.txtRecapito)},
        {QStringLiteral("Indirizzo di residenza:"), t(c.txtIndirizzoRes)},
        {QStringLiteral("Comune di residenza:"), t(c.txtComuneRes) + " " + t(c.txtProvRes)},
        {QStringLiteral("Modalità pagamento:"), t(c.txtEstremi)},
        {QStringLiteral("Tel. casa:"), t(c.txtTelCasa)},
        {QStringLiteral("Tel. ufficio:"), t(c.txtTelUff)},
        {QStringLiteral("Tel. cellulare:"), t(c.txtTelCel)},
        {QStringLiteral("Fax:"), t(c.txtFax)},
        {QStringLiteral("E-mail:"), t(c.txtEmail)},
        {QStringLiteral("Codice fiscale:"), t(c.txtCodFisc)},
        {QStringLiteral("Partita IVA:"), t(c.txtPartitaIva)},
        {QStringLiteral("Carta di credito:"),
         "N. " + t(c.txtCarta) + "  -  Scadenza: " + t(c.txtScadeCarta)},
        {QStringLiteral("IBAN:"), t(c.txtIban)},
        {QStringLiteral("Estremi documento:"), t(c.txtDocumento)},
        {QStringLiteral("Occupazione:"), t(c.txtOccupazione)},
        {QStringLiteral("Titoli e qualifiche:"), t(c.txtTitoli)},
        {QStringLiteral("Animali posseduti attualmente:"), t(c.txtCaniOra)},
        {QStringLiteral("Animali posseduti in passato:"), t(c.txtCaniPrima)},
        {QStringLiteral("Questioni in sospeso:"), t(c.txtQuestioni)},
        {QStringLiteral("Note:"), t(c.txtNote)},
    };
}

PreparedReport PrepareOwnerCard(const TfrmClienti &card)
{
    CardReportTemplate report(MakerName, MakerName);
    return report.fill(OwnerCardTitle(), OwnerCardLines(card));
}

void PrintOwnerCard(TfrmClienti &card)
{
    RunReportingErrors([&card] { PrintReport(PrepareOwnerCard(card), &card); }, PrintFailureMessage());
}

void PreviewOwnerCard(TfrmClienti &card)
{
    RunReportingErrors([&card] { PreviewReport(PrepareOwnerCard(card), &card); }, PreviewFailureMessage());
}

void ExportOwnerCardPdf(TfrmClienti &card)
{
    // No question before: the file is simply rewritten; a failure shows the framework's error box.
    ExportWholeFile({
        .fileName = PdfName,
        .write = [&card](const ByteSink &sink) { sink(ExportReportPdf(PrepareOwnerCard(card))); },
        .confirm = {},
        .done = QString::fromUtf8("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\n"
                                  "Si vuole aprire il file?"),
        .failure = PdfFailureMessage(PdfName),
        .showFailure = ShowErrorBox,
    });
}
