#include "certificates/ExpCertificati_Vaccinazione.h"

#include "certificates/ExpCertificati_Sanitari.h"

#include "common/ui/Widgets.h"

TfrmExpCertificati_Vaccinazione *frmExpCertificati_Vaccinazione = nullptr;

CertificateExport VaccinationCertificateExport()
{
    // No place, veterinarian, owner's sex or province of their own: the town and the province share
    // one column, and the vaccine's four fields come last. Only the number and the date are read-only.
    CertificateExport result{
        .objectName = QStringLiteral("frmExpCertificati_Vaccinazione"),
        .caption = QStringLiteral(" Esporta archivio certificati di vaccinazione in Microsoft Excel"),
        .fileName = QStringLiteral("Certificati_Vaccinazione.xls"),
        .sheetName = QStringLiteral("Certificati Vaccinazione"),
        .columns = WithCertificateAnimalColumns({
            {"colNumTest", "Certificato n.", 180, true, "Num", "Certificato n.", 200},
            {"colData", "Data emissione", 150, true, "Data", "Data emissione", 200},
            {"colProprietario", "Proprietario dell'animale", 250, false, "Proprietario", "Proprietario dell'animale",
             250},
            {"colDataNasc", "Data di nascita", 180, false, "DataNasc", "Data di nascita", 180},
            {"colCodFisc", "Codice fiscale", 180, false, "CodFisc", "Codice fiscale", 200},
            {"colComuneNasc", "Comune di nascita", 250, false, "ComuneNasc", "Comune di nascita", 250},
            {"colIndirizzoRes", "Indirizzo e numero civico", 250, false, "IndirizzoRes", "Indirizzo e numero civico",
             300},
            {"colCap", "CAP", 150, false, "CapRes", "CAP", 200},
            {"colComuneRes", "Comune di residenza", 250, false, "ComuneRes ProvRes", "Comune di residenza", 250},
            {"colRecapito", "Tel. preferenziale", 250, false, "Recapito", "Tel. preferenziale", 250},
        }),
        .helpTitle = QStringLiteral("Esportazione archivio certificati di vaccinazione in Microsoft Excel."),
        .helpData = QStringLiteral("i dati dei certificati di vaccinazione registrati in archivio"),
    };
    const std::vector<ExportColumn> vaccine{
        {"colDataSom", "Data somministrazione", 180, false, "DataSom", "Data somministrazione", 200},
        {"colDenominazione", "Denominazione vaccino", 250, false, "Denominazione", "Denominazione vaccino", 250},
        {"colSerie", "Serie e numero", 250, false, "Serie", "Serie e numero", 250},
        {"colScadeMed", "Scadenza medicinale", 180, false, "ScadeMed", "Scadenza medicinale", 200},
    };
    result.columns.insert(result.columns.end(), vaccine.begin(), vaccine.end());
    return result;
}

TfrmExpCertificati_Vaccinazione::TfrmExpCertificati_Vaccinazione(QWidget *owner)
    : CertificateExportWindow(VaccinationCertificateType(), owner)
{
}

void OpenVaccinationCertificateExport(QWidget *card) { OpenModal<TfrmExpCertificati_Vaccinazione>(card); }
