#include "appointments/TrovaScadenzario.h"
#include "common/ui/WindowBuild.h"

#include "appointments/AppointmentHandBack.h"
#include "appointments/AppointmentRecord.h"
#include "common/ui/Widgets.h"

#include <QLabel>

WindowHandle<TfrmTrovaScadenzario> frmTrovaScadenzario;

namespace {

SearchWindowSetup appointmentSearchSetup(TfrmTrovaScadenzario *window)
{
    SearchWindowSetup s;
    s.caption = QStringLiteral(" Trova scadenze e appuntamenti in archivio");
    s.archiveFile = OpenYearArchive;
    s.layout = &AppointmentRecordLayout();
    s.line = AppointmentListLine;
    s.sorted = true;
    s.printTitle = QStringLiteral("Riepilogo scadenze e appuntamenti");
    s.handBack = [window](const Record &appointment, int number) {
        AppointmentHandBack(window->contextTag(), appointment, number);
    };
    s.countOpening = ListCountOpening;
    s.criteria = {{
        {"txtData", "Data scadenza (gg/mm/aaaa):", "Data", "effData"},
        {"txtOra", "Ora appuntamento (hh:mm):", "Ora", "effOra"},
        {"txtProprietario", "Proprietario:", "Proprietario", "effProprietario"},
        {"txtCodFisc", "Codice fiscale:", "CodFisc", "effCodFisc"},
        {"txtNome", "Nome animale:", "Nome", "effNome"},
        {"txtRazza", "Razza:", "Razza", "effRazza"},
        {"txtMicrochip", "Codice microchip:", "Microchip", "effMicrochip"},
        {"txtPersona", "Persona da incontrare:", "Persona", "effPersona"},
        {"txtDettagli", "Causale scadenza:", "Dettagli", "effDettagli", true},
        {"txtNote", "Note:", "Note", "effNote", true},
    }};
    return s;
}

} // namespace

TfrmTrovaScadenzario::TfrmTrovaScadenzario(QWidget *parent) : SearchWindow(appointmentSearchSetup(this), parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmTrovaScadenzario"));
        QLineEdit **edits[] = {&txtData,  &txtOra,       &txtProprietario, &txtCodFisc,  &txtNome,
                               &txtRazza, &txtMicrochip, &txtPersona,      &txtDettagli, &txtNote};
        for (int i = 0; i < CriterionCount; ++i)
            *edits[i] = criterion(i);
    });
}

void OpenAppointmentSearch(QWidget *card, const QString &tag)
{
    OpenModal<TfrmTrovaScadenzario>(card, [&](TfrmTrovaScadenzario &search) { search.lblMemory->setText(tag); });
}
