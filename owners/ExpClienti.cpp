#include "owners/ExpClienti.h"

#include "owners/OwnerRecord.h"
#include "dialogs/Guida.h"

WindowHandle<TfrmExpClienti> frmExpClienti;

namespace {

ExcelExportDefinition OwnerExport()
{
    ExcelExportDefinition d;
    d.objectName = QStringLiteral("frmExpClienti");
    d.caption = QStringLiteral(" Esporta archivio proprietari in Microsoft Excel");
    d.fileName = QStringLiteral("Proprietari.xls");
    d.sheetName = QStringLiteral("Riepilogo Proprietari");
    d.archiveName = OwnerArchiveName;
    d.layout = &OwnerRecordLayout();
    // Sex, postcode, the recontact flag and the attachments are neither shown nor exported.
    d.columns = {
        {"colCliente", "Cognome e nome", 250, true, "Cliente", "Cognome e nome", 250},
        {"colDataNasc", "Data di nascita", 120, true, "DataNasc", "Data di nascita", 200},
        {"colComuneNasc", "Comune / Stato estero di nascita", 250, true, "ComuneNasc ProvNasc", "Comune di nascita",
         250},
        {"colRecapito", "Telefono preferenziale", 200, true, "Recapito", "Telefono preferenziale", 250},
        {"colIndirizzoRes", "Indirizzo di residenza", 250, true, "IndirizzoRes", "Indirizzo di residenza", 300},
        {"colComuneRes", "Comune di residenza", 250, false, "ComuneRes ProvRes", "Comune di residenza", 250},
        {"colEstremi", "Modalità di pagamento", 250, true, "Estremi", "Modalità di pagamento", 250},
        {"colTelCasa", "Tel. casa", 200, true, "TelCasa", "Tel. casa", 250},
        {"colTelUff", "Tel. ufficio", 200, true, "TelUff", "Tel. ufficio", 250},
        {"colTelCel", "Tel. cellulare", 200, true, "TelCel", "Tel. cellulare", 250},
        {"colFax", "Fax", 200, true, "Fax", "Fax", 250},
        {"colEmail", "E-mail", 250, true, "Email", "E-mail", 250},
        {"colCodFisc", "Codice fiscale", 150, true, "CodFisc", "Codice fiscale", 250},
        {"colPartitaIva", "Partita IVA", 150, false, "PartitaIva", "Partita IVA", 250},
        {"colCarta", "Carta di credito n.", 250, true, "Carta", "Carta di credito n.", 300},
        {"colScadeCarta", "Scadenza", 160, false, "ScadeCarta", "Scadenza", 150},
        {"colIban", "IBAN", 250, false, "Iban", "IBAN", 300},
        {"colDocumento", "Estremi documento", 280, false, "Documento", "Estremi documento", 280},
        {"colOccupazione", "Occupazione", 250, false, "Occupazione", "Occupazione", 250},
        {"colCivile", "Stato civile", 250, true, "Civile", "Stato civile", 250},
        {"colTitoli", "Titoli e qualifiche", 280, false, "Titoli", "Titoli e qualifiche", 300},
        {"colCaniOra", "Animali posseduti attualmente", 300, true, "CaniOra", "Animali posseduti attualmente", 350},
        {"colCaniPrima", "Animali posseduti in passato", 300, true, "CaniPrima", "Animali posseduti in passato", 350},
        {"colQuestioni", "Questioni in sospeso", 300, false, "Questioni", "Questioni in sospeso", 350},
        {"colNote", "Note", 350, false, "Note", "Note", 350},
    };
    d.helpTitle = QStringLiteral("Esportazione archivio proprietari in Microsoft Excel.");
    d.helpText = ExportHelpText(QStringLiteral("i dati anagrafici di tutti i proprietari registrati in archivio"));
    d.showHelp = ShowHelp;
    return d;
}

} // namespace

TfrmExpClienti::TfrmExpClienti(QWidget *owner) : ExcelExportWindow(OwnerExport(), owner) {}
