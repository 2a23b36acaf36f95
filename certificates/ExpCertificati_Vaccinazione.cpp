#include "certificates/ExpCertificati_Vaccinazione.h"

#include "common/ui/Widgets.h"

TfrmExpCertificati_Vaccinazione *frmExpCertificati_Vaccinazione = nullptr;

CertificateExport VaccinationCertificateExport()
{
    // No place, veterinarian, owner's sex or province of their own: the town and the province share
    // one column, and the vaccine's four fields come last. Only the number and the date are read-only.
    return {
        .objectName = QStringLiteral("frmExpCertificati_Vaccinazione"),
        .caption = QStringLiteral(" Esporta archivio certificati di vaccinazione in Microsoft Excel"),
        .fileName = QStringLiteral("Certificati_Vaccinazione.xls"),
        .sheetName = QStringLiteral("Certificati Vaccinazione"),
        .columns =
            {
                {"colNumTest", "Certificato n.", 180, true, "Num", "Certificato n.", 200},
                {"colData", "Data emissione", 150, true, "Data", "Data emissione", 200},
                {"colProprietario", "Proprietario dell'animale", 250, false, "Proprietario",
                 "Proprietario dell'animale", 250},
                {"colDataNasc", "Data di nascita", 180, false, "DataNasc", "Data di nascita", 180},
                {"colCodFisc", "Codice fiscale", 180, false, "CodFisc", "Codice fiscale", 200},
                {"colComuneNasc", "Comune di nascita", 250, false, "ComuneNasc", "Comune di nascita", 250},
                {"colIndirizzoRes", "Indirizzo e numero civico", 250, false, "IndirizzoRes",
                 "Indirizzo e numero civico", 300},
                {"colCap", "CAP", 150, false, "CapRes", "CAP", 200},
                {"colComuneRes", "Comune di residenza", 250, false, "ComuneRes ProvRes", "Comune di residenza", 250},
                {"colRecapito", "Tel. preferenziale", 250, false, "Recapito", "Tel. preferenziale", 250},
                {"colNomeAni", "Nome dell'animale", 250, false, "NomeAni", "Nome dell'animale", 250},
                {"colSessoAni", "Sesso", 80, false, "SessoAni", "Sesso", 100},
                {"colDataNascAni", "Data di nascita", 150, false, "DataNascAni", "Data di nascita", 200},
                {"colSpecie", "Specie", 250, false, "Specie", "Specie", 250},
                {"colRazza", "Razza", 250, false, "Razza", "Razza", 250},
                {"colTaglia", "Taglia", 200, false, "Taglia", "Taglia", 250},
                {"colPelo", "Pelo", 200, false, "Pelo", "Pelo", 250},
                {"colMantello", "Colore mantello", 200, false, "Mantello", "Colore mantello", 250},
                {"colMicrochip", "Codice microchip", 200, false, "Microchip", "Codice microchip", 250},
                {"colTatuaggio", "Tatuaggio", 250, false, "Tatuaggio", "Tatuaggio", 250},
                {"colSegni", "Segni particolari", 300, false, "Segni", "Segni particolari", 300},
                {"colDataSom", "Data somministrazione", 180, false, "DataSom", "Data somministrazione", 200},
                {"colDenominazione", "Denominazione vaccino", 250, false, "Denominazione", "Denominazione vaccino",
                 250},
                {"colSerie", "Serie e numero", 250, false, "Serie", "Serie e numero", 250},
                {"colScadeMed", "Scadenza medicinale", 180, false, "ScadeMed", "Scadenza medicinale", 200},
            },
        .helpTitle = QStringLiteral("Esportazione archivio certificati di vaccinazione in Microsoft Excel."),
        .helpData = QStringLiteral("i dati dei certificati di vaccinazione registrati in archivio"),
    };
}

TfrmExpCertificati_Vaccinazione::TfrmExpCertificati_Vaccinazione(QWidget *owner)
    : CertificateExportWindow(VaccinationCertificateType(), owner)
{
}

void OpenVaccinationCertificateExport(QWidget *card) { OpenModal<TfrmExpCertificati_Vaccinazione>(card); }
