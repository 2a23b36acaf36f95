#include "appointments/AppointmentHandBack.h"

#include "appointments/AppointmentRecord.h"
#include "appointments/Scadenzario.h"
#include "common/ArchiveSearch.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/ui/RecordCard.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <utility>
#include <vector>

namespace {

// Each field of the record with the card's control that shows it, in the order written; the
// controls are the card's own, never a same-named one of a window opened over it.
std::vector<std::pair<QWidget *, int>> cardControls(const TfrmScadenzario &card)
{
    const std::pair<QWidget *, const char *> controls[] = {
        {card.txtGiorno, "Giorno"},     {card.txtMese, "Mese"},
        {card.lblAnno, "Anno"},         {card.lblData, "Data"},
        {card.txtOreApp, "OreApp"},     {card.txtMinutiApp, "MinutiApp"},
        {card.lblOra, "Ora"},           {card.txtAvviso, "Avviso"},
        {card.txtProprietario, "Proprietario"}, {card.txtCodFisc, "CodFisc"},
        {card.txtRecapito, "Recapito"}, {card.txtNome, "Nome"},
        {card.txtDataNasc, "DataNasc"}, {card.txtRazza, "Razza"},
        {card.txtMantello, "Mantello"}, {card.txtMicrochip, "Microchip"},
        {card.txtSegni, "Segni"},       {card.txtPersona, "Persona"},
        {card.txtDettagli, "Dettagli"}, {card.txtOfficina, "Officina"},
        {card.txtCosto, "Costo"},       {card.txtContatto, "Contatto"},
        {card.txtNote, "Note"},
    };
    std::vector<std::pair<QWidget *, int>> out;
    for (const auto &[control, field] : controls)
        out.emplace_back(control, AppointmentRecordLayout().indexOf(QLatin1String(field)));
    return out;
}

} // namespace

QString AppointmentListLine(const Record &appointment)
{
    static const ColumnLine line(AppointmentRecordLayout(), {{"", "Dettagli", 30},
                                                             {"  Data: ", "Data", 10},
                                                             {"  Ora: ", "Ora", 5},
                                                             {"  Prop. ", "Proprietario", 26},
                                                             {"  Animale: ", "Nome", 26},
                                                             {"  \u20ac ", "Costo", 0}});
    return line(appointment);
}

QString OpenYearArchive() { return frmScadenzario ? TrimText(frmScadenzario->lblFile->text()) : QString(); }

QDate AppointmentCalendarDate()
{
    return frmScadenzario ? frmScadenzario->calAppuntamenti->selectedDate() : Today();
}

void AppointmentHandBack(const QString &tag, const Record &appointment, int number)
{
    TfrmScadenzario *card = frmScadenzario;
    if (TrimText(tag) != AppointmentCardTag || !card)
        return;
    for (const auto &[control, field] : cardControls(*card))
        SetControlText(control, appointment.text(field));
    for (QCheckBox *box : {card->chkDaConfermare, card->chkEffettuata})
        box->setChecked(LoadYesNoFlag(appointment.text(box->objectName().mid(3)), box->isChecked()));
    card->lblPosizione->setText(QString::number(number));
}
