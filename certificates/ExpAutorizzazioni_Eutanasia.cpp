#include "certificates/ExpAutorizzazioni_Eutanasia.h"

#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/ExpCertificati_Sanitari.h"
#include "common/ui/Widgets.h"

TfrmExpAutorizzazioni_Eutanasia *frmExpAutorizzazioni_Eutanasia = nullptr;

CertificateExport EuthanasiaAuthorizationExport()
{
    std::vector<ExportColumn> columns = HealthExportColumnsWithout(
        {"colLuogo"},
        {{"colSmaltimento", "Smaltimento salma animale", 300, false, "Smaltimento", "Smaltimento salma animale", 300}});
    for (ExportColumn &c : columns)
        if (QByteArray(c.name) == "colNumTest")
            c.header = c.exportTitle = "Autorizzazione n.";
    return {
        .objectName = QStringLiteral("frmExpAutorizzazioni_Eutanasia"),
        .caption = QStringLiteral(" Esporta archivio autorizzazioni all'eutanasia in Microsoft Excel"),
        .fileName = QStringLiteral("Autorizzazioni_Eutanasia.xls"),
        .sheetName = QStringLiteral("Autorizzazioni Eutanasia"),
        .columns = columns,
        .helpTitle = QStringLiteral("Esportazione archivio autorizzazioni all'eutanasia in Microsoft Excel."),
        .helpData = QStringLiteral("i dati delle autorizzazioni all'eutanasia registrate in archivio"),
    };
}

TfrmExpAutorizzazioni_Eutanasia::TfrmExpAutorizzazioni_Eutanasia(QWidget *owner)
    : CertificateExportWindow(EuthanasiaAuthorizationType(), owner)
{
}

void OpenEuthanasiaAuthorizationExport(QWidget *card) { OpenModal<TfrmExpAutorizzazioni_Eutanasia>(card); }
