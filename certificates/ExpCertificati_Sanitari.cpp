#include "certificates/ExpCertificati_Sanitari.h"

#include "common/ui/Widgets.h"

TfrmExpCertificati_Sanitari *frmExpCertificati_Sanitari = nullptr;

CertificateExport HealthCertificateExport()
{
    // Only the number and the issue date are read-only in the grid.
    return {
        .objectName = QStringLiteral("frmExpCertificati_Sanitari"),
        .caption = QStringLiteral(" Esporta archivio certificati sanitari in Microsoft Excel"),
        .fileName = QStringLiteral("Certificati_Sanitari.xls"),
        .sheetName = QStringLiteral("Certificati Sanitari"),
        .columns =
            {
                {"colNumTest", "Certificato n.", 180, true, "Num", "Certificato n.", 200},
                {"colData", "Data emissione", 150, true, "Data", "Data emissione", 200},
                {"colLuogo", "Luogo", 250, false, "Luogo", "Luogo", 250},
                {"colVeterinario", "Veterinario", 250, false, "Veterinario", "Veterinario", 250},
                {"colProprietario", "Proprietario dell'animale", 250, false, "Proprietario",
                 "Proprietario dell'animale", 250},
                {"colSesso", "Sesso", 80, false, "Sesso", "Sesso", 100},
                {"colDataNasc", "Data di nascita", 180, false, "DataNasc", "Data di nascita", 180},
                {"colCodFisc", "Codice fiscale", 180, false, "CodFisc", "Codice fiscale", 200},
                {"colComuneNasc", "Comune di nascita", 250, false, "ComuneNasc", "Comune di nascita", 250},
                {"colIndirizzoRes", "Indirizzo e numero civico", 250, false, "IndirizzoRes",
                 "Indirizzo e numero civico", 300},
                {"colCap", "CAP", 150, false, "CapRes", "CAP", 200},
                {"colComuneRes", "Comune di residenza", 250, false, "ComuneRes", "Comune di residenza", 250},
                {"colProvRes", "Prov.", 150, false, "ProvRes", "Prov.", 200},
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
            },
        .helpTitle = QStringLiteral("Esportazione archivio certificati sanitari in Microsoft Excel."),
        .helpData = QStringLiteral("i dati dei certificati sanitari registrati in archivio"),
    };
}

std::vector<ExportColumn> HealthExportColumnsWithout(const QStringList &left, const std::vector<ExportColumn> &added)
{
    std::vector<ExportColumn> columns;
    for (const ExportColumn &c : HealthCertificateExport().columns)
        if (!left.contains(QString::fromLatin1(c.name)))
            columns.push_back(c);
    columns.insert(columns.end(), added.begin(), added.end());
    return columns;
}

TfrmExpCertificati_Sanitari::TfrmExpCertificati_Sanitari(QWidget *owner)
    : CertificateExportWindow(HealthCertificateType(), owner)
{
}

void OpenHealthCertificateExport(QWidget *card) { OpenModal<TfrmExpCertificati_Sanitari>(card); }
