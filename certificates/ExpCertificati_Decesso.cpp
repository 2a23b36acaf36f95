#include "certificates/ExpCertificati_Decesso.h"

#include "certificates/Certificato_Decesso.h"
#include "certificates/CertificateExport.h"
#include "common/ui/Widgets.h"

WindowHandle<TfrmExpCertificati_Decesso> frmExpCertificati_Decesso;

CertificateExport DeathCertificateExport()
{
    // The health columns less the place and the owner's sex, then the date and cause of death; the
    // two flags of the choice are not exported.
    std::vector<ExportColumn> columns = CertificateExportColumns("Certificato n.", true, false);
    columns.push_back({"colDataDecesso", "Data decesso", 150, false, "DataDecesso", "Data decesso", 180});
    columns.push_back({"colCausaDecesso", "Causa decesso", 300, false, "CausaDecesso", "Causa decesso", 300});
    return {
        .objectName = QStringLiteral("frmExpCertificati_Decesso"),
        .caption = QStringLiteral(" Esporta archivio certificati di decesso in Microsoft Excel"),
        .fileName = QStringLiteral("Certificati_Decesso.xls"),
        .sheetName = QStringLiteral("Certificati Decesso"),
        .columns = columns,
        .helpTitle = QStringLiteral("Esportazione archivio certificati di decesso in Microsoft Excel."),
        .helpData = QStringLiteral("i dati dei certificati di decesso registrati in archivio"),
    };
}

TfrmExpCertificati_Decesso::TfrmExpCertificati_Decesso(QWidget *owner)
    : CertificateExportWindow(DeathCertificateType(), owner)
{
}

void OpenDeathCertificateExport(QWidget *card) { OpenModal<TfrmExpCertificati_Decesso>(card); }
