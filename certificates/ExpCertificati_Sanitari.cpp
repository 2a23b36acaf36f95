#include "certificates/ExpCertificati_Sanitari.h"

#include "common/ui/Widgets.h"

WindowHandle<TfrmExpCertificati_Sanitari> frmExpCertificati_Sanitari;

CertificateExport HealthCertificateExport()
{
    // Only the number and the issue date are read-only in the grid.
    return {
        .objectName = QStringLiteral("frmExpCertificati_Sanitari"),
        .caption = QStringLiteral(" Esporta archivio certificati sanitari in Microsoft Excel"),
        .fileName = QStringLiteral("Certificati_Sanitari.xls"),
        .sheetName = QStringLiteral("Certificati Sanitari"),
        .columns = CertificateExportColumns("Certificato n.", true, true),
        .helpTitle = QStringLiteral("Esportazione archivio certificati sanitari in Microsoft Excel."),
        .helpData = QStringLiteral("i dati dei certificati sanitari registrati in archivio"),
    };
}

TfrmExpCertificati_Sanitari::TfrmExpCertificati_Sanitari(QWidget *owner)
    : CertificateExportWindow(HealthCertificateType(), owner)
{
}

void OpenHealthCertificateExport(QWidget *card) { OpenModal<TfrmExpCertificati_Sanitari>(card); }
