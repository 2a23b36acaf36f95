#include "appointments/AppointmentPrint.h"

#include "appointments/Scadenzario.h"
#include "common/Guard.h"
#include "common/Messages.h"
#include "common/Text.h"
#include "common/ui/RecordCard.h"
#include "common/ui/report/ReportOutput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

QString t(const QWidget *control) { return TrimText(ControlText(control)); }
QString yesNo(const QCheckBox *box) { return YesNoFlag(box->isChecked()); }

} // namespace

QString AppointmentCardTitle() { return QStringLiteral("SCHEDA SCADENZA / APPUNTAMENTO"); }

QList<CardLine> AppointmentCardLines(const TfrmScadenzario &c)
{
    const QString blank = QStringLiteral(" ");
    return {
        {QStringLiteral("Data scadenza:"), t(c.txtGiorno) + " " + t(c.txtMese) + " " + t(c.lblAnno)},
        {QStringLiteral("Ora appuntamento:"), t(c.txtOreApp) + ":" + t(c.txtMinutiApp)},
        {QStringLiteral("Giorni preavviso:"), t(c.txtAvviso)},
        {QStringLiteral("Proprietario:"), t(c.txtProprietario)},
        {QStringLiteral("Codice fiscale:"), t(c.txtCodFisc)},
        {QStringLiteral("Telefono preferenziale:"), t(c.txtRecapito)},
        {QStringLiteral("Nome animale:"), t(c.txtNome)},
        {QStringLiteral("Data nascita:"), t(c.txtDataNasc)},
        {QStringLiteral("Razza:"), t(c.txtRazza)},
        {QStringLiteral("Colore mantello:"), t(c.txtMantello)},
        {QStringLiteral("Codice microchip:"), t(c.txtMicrochip)},
        {QStringLiteral("Segni particolari:"), t(c.txtSegni)},
        {QStringLiteral("Persona da incontrare:"), t(c.txtPersona)},
        {QStringLiteral("Causale scadenza:"), t(c.txtDettagli)},
        {QString::fromUtf8("Modalità di pagamento:"), t(c.txtOfficina)},
        {QStringLiteral("Importo in euro:"), t(c.txtCosto)},
        {QStringLiteral("Estremi ricevuta:"), t(c.txtContatto)},
        {QStringLiteral("Note:"), t(c.txtNote)},
        {QStringLiteral("Appuntamento da confermare:"), yesNo(c.chkDaConfermare)},
        {QStringLiteral("Pagamento effettuato:"), yesNo(c.chkEffettuata)},
        {blank, blank},
        {blank, blank},
        {blank, blank},
        {blank, blank},
    };
}

PreparedReport PrepareAppointmentCard(const TfrmScadenzario &card)
{
    CardReportTemplate report(MakerName, MakerName);
    return report.fill(AppointmentCardTitle(), AppointmentCardLines(card));
}

void PrintAppointmentCard(TfrmScadenzario &card)
{
    RunReportingErrors([&card] { PrintReport(PrepareAppointmentCard(card), &card); }, PrintFailureMessage());
}
