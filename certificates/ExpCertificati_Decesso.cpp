#include "certificates/ExpCertificati_Decesso.h"

#include "certificates/Certificato_Decesso.h"
#include "certificates/ExpCertificati_Sanitari.h"
#include "common/ui/Widgets.h"

TfrmExpCertificati_Decesso *frmExpCertificati_Decesso = nullptr;

CertificateExport DeathCertificateExport()
{
    return {
        .objectName = QStringLiteral("frmExpCertificati_Decesso"),
        .caption = QStringLiteral(" Esporta archivio certificati di decesso in Microsoft Excel"),
        .fileName = QStringLiteral("Certificati_Decesso.xls"),
        .sheetName = QStringLiteral("Certificati Decesso"),
        .columns = HealthExportColumnsWithout(
            {"colLuogo", "colSesso"},
            {{"colDataDecesso", "Data decesso", 150, false, "DataDecesso", "Data decesso", 180},
             {"colCausaDecesso", "Causa decesso", 300, false, "CausaDecesso", "Causa decesso", 300}}),
        .helpTitle = QStringLiteral("Esportazione archivio certificati di decesso in Microsoft Excel."),
        .helpData = QStringLiteral("i dati dei certificati di decesso registrati in archivio"),
    };
}

TfrmExpCertificati_Decesso::TfrmExpCertificati_Decesso(QWidget *owner)
    : CertificateExportWindow(DeathCertificateType(), owner)
{
}

void OpenDeathCertificateExport(QWidget *card) { OpenModal<TfrmExpCertificati_Decesso>(card); }
