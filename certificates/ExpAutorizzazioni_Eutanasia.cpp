#include "certificates/ExpAutorizzazioni_Eutanasia.h"

#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/CertificateExport.h"
#include "common/ui/Widgets.h"

WindowHandle<TfrmExpAutorizzazioni_Eutanasia> frmExpAutorizzazioni_Eutanasia;

CertificateExport EuthanasiaAuthorizationExport()
{
    // The health columns under "Autorizzazione n." less the place, then the disposal of the body.
    std::vector<ExportColumn> columns = CertificateExportColumns("Autorizzazione n.", true, true);
    std::erase_if(columns, [](const ExportColumn &c) { return QByteArray(c.name) == "colLuogo"; });
    columns.push_back(
        {"colSmaltimento", "Smaltimento salma animale", 300, false, "Smaltimento", "Smaltimento salma animale", 300});
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
