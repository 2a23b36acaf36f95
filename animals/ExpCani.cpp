#include "animals/ExpCani.h"

#include "animals/AnimalRecord.h"
#include "dialogs/Guida.h"

WindowHandle<TfrmExpCani> frmExpCani;

namespace {

ExcelExportDefinition AnimalExport()
{
    ExcelExportDefinition d;
    d.objectName = QStringLiteral("frmExpCani");
    d.caption = QStringLiteral(" Esporta archivio anagrafico animali in Microsoft Excel");
    d.fileName = QStringLiteral("Anagrafica_Animali.xls");
    d.sheetName = QStringLiteral("Riepilogo Animali");
    d.archiveName = AnimalArchiveName;
    d.layout = &AnimalRecordLayout();
    // Measures, behaviour, ancestors, most of the health history and the attachments stay out.
    d.columns = {
        {"colNome", "Nome", 250, true, "Nome", "Nome", 250},
        {"colSesso", "Sesso", 80, true, "Sesso", "Sesso", 100},
        {"colDataNasc", "Data nascita", 150, true, "DataNasc", "Data nascita", 200},
        {"colGruppo", "Specie", 250, true, "Gruppo", "Specie", 250},
        {"colRazza", "Razza", 250, true, "Razza", "Razza", 250},
        {"colMantello", "Colore mantello", 250, false, "Mantello", "Colore mantello", 250},
        {"colSegni", "Segni particolari", 250, true, "Segni", "Segni particolari", 250},
        {"colSterilizzato", "Sterilizzato", 150, true, "Sterilizzato", "Sterilizzato", 250},
        {"colLibretto", "Libretto sanitario", 250, true, "Libretto", "Libretto sanitario", 250},
        {"colMedico", "Medico veterinario", 250, true, "Medico", "Medico veterinario", 250},
        {"colROI", "Numero ROI", 200, true, "ROI", "Numero ROI", 250},
        {"colMicrochip", "Codice microchip", 200, true, "Microchip", "Codice microchip", 250},
        {"colDataApp", "Data applicazione", 150, true, "DataApp", "Data applicazione", 200},
        {"colLocalizzazione", "Localizzazione", 250, false, "Localizzazione", "Localizzazione", 250},
        {"colTatuaggio", "Tatuaggio", 250, true, "Tatuaggio", "Tatuaggio", 250},
        {"colPedigree", "Pedigree", 250, false, "Pedigree", "Pedigree", 250},
        {"colProprietario", "Proprietario attuale", 250, false, "Proprietario", "Proprietario attuale", 250},
        {"colRecapito", "Telefono preferenziale", 200, false, "Recapito", "Telefono preferenziale", 250},
        {"colCodFisc", "Codice fiscale", 200, false, "CodFisc", "Codice fiscale", 250},
        {"colComuneRes", "Comune di residenza", 250, true, "ComuneRes", "Comune di residenza", 250},
        {"colInizioProp", "Data inizio proprietà", 180, false, "InizioProp", "Data inizio proprietà", 200},
        {"colAllevatore", "Allevatore", 250, true, "Allevatore", "Allevatore", 250},
        {"colVaccinazioni", "Vaccinazioni", 300, true, "Vaccinazioni", "Vaccinazioni", 350},
        {"colAlimentazione", "Alimentazione", 300, false, "Alimentazione", "Alimentazione", 350},
        {"colNote", "Note", 350, false, "Note", "Note", 350},
    };
    d.helpTitle = QStringLiteral("Esportazione archivio anagrafico animali in Microsoft Excel.");
    d.helpText = ExportHelpText(QStringLiteral("i dati anagrafici di tutti gli animali registrati in archivio"));
    d.showHelp = ShowHelp;
    return d;
}

} // namespace

TfrmExpCani::TfrmExpCani(QWidget *owner) : ExcelExportWindow(AnimalExport(), owner) {}
