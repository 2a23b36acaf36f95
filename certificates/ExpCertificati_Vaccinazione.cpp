#include "certificates/ExpCertificati_Vaccinazione.h"

#include "common/ui/Widgets.h"

WindowHandle<TfrmExpCertificati_Vaccinazione> frmExpCertificati_Vaccinazione;

CertificateExport VaccinationCertificateExport()
{
    // No place, veterinarian, owner's sex or province of their own: the town and the province share
    // one column, and the vaccine's four fields come last. Only the number and the date are read-only.
    CertificateExport result{
        .objectName = QStringLiteral("frmExpCertificati_Vaccinazione"),
        .caption = QStringLiteral(" Esporta archivio certificati di vaccinazione in Microsoft Excel"),
        .fileName = QStringLiteral("Certificati_Vaccinazione.xls"),
        .sheetName = QStringLiteral("Certificati Vaccinazione"),
        .columns =
            [] {
                std::vector<ExportColumn> columns = CertificateExportColumns("Certificato n.", true, false);
                std::erase_if(columns, [](const ExportColumn &c) {
                    return QByteArray(c.name) == "colVeterinario" || QByteArray(c.name) == "colProvRes";
                });
                for (ExportColumn &c : columns)
                    if (QByteArray(c.name) == "colComuneRes")
                        c.fields = "ComuneRes ProvRes";
                return columns;
            }(),
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
