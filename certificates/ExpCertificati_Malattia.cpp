#include "certificates/ExpCertificati_Malattia.h"

#include "certificates/Certificato_Malattia.h"
#include "certificates/CertificateExport.h"
#include "common/ui/Widgets.h"

WindowHandle<TfrmExpCertificati_Malattia> frmExpCertificati_Malattia;

CertificateExport SicknessCertificateExport()
{
    // The health columns less the owner's sex, then the diagnosis alone of the fifteen findings.
    std::vector<ExportColumn> columns = CertificateExportColumns("Certificato n.", true, true);
    std::erase_if(columns, [](const ExportColumn &c) { return QByteArray(c.name) == "colSesso"; });
    columns.push_back({"colDiagnosi", "Diagnosi", 300, false, "Diagnosi", "Diagnosi", 300});
    return {
        .objectName = QStringLiteral("frmExpCertificati_Malattia"),
        .caption = QStringLiteral(" Esporta archivio certificati di malattia in Microsoft Excel"),
        .fileName = QStringLiteral("Certificati_Malattia.xls"),
        .sheetName = QStringLiteral("Certificati Malattia"),
        .columns = columns,
        .helpTitle = QStringLiteral("Esportazione archivio certificati di malattia in Microsoft Excel."),
        .helpData = QStringLiteral("i dati dei certificati di malattia registrati in archivio"),
    };
}

TfrmExpCertificati_Malattia::TfrmExpCertificati_Malattia(QWidget *owner)
    : CertificateExportWindow(SicknessCertificateType(), owner)
{
}

void OpenSicknessCertificateExport(QWidget *card) { OpenModal<TfrmExpCertificati_Malattia>(card); }
