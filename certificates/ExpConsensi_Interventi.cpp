#include "certificates/ExpConsensi_Interventi.h"

#include "common/ui/Widgets.h"

#include <QStringList>

WindowHandle<TfrmExpConsensi_Interventi> frmExpConsensi_Interventi;

CertificateExport SurgeryConsentExport()
{
    // Only the issue date is read-only in the grid.
    return {
        .objectName = QStringLiteral("frmExpConsensi_Interventi"),
        .caption = QStringLiteral(" Esporta archivio consensi a interventi chirurgici in Microsoft Excel"),
        .fileName = QStringLiteral("Consensi_Interventi.xls"),
        .sheetName = QStringLiteral("Consensi a interventi"),
        .columns =
            [] {
                std::vector<ExportColumn> columns = CertificateExportColumns("Consenso n.", false, false);
                columns.push_back({"colIntervento", "Intervento chirurgico", 300, false, "Intervento",
                                   "Intervento chirurgico", 300});
                columns.push_back({"colTrattamenti", "Ulteriori trattamenti", 300, false, "Trattamenti",
                                   "Ulteriori trattamenti", 300});
                return columns;
            }(),
        .helpTitle = QStringLiteral("Esportazione archivio consensi a interventi chirurgici in Microsoft Excel."),
        .helpData = QStringLiteral("i dati dei consensi a interventi chirurgici"),
        .helpText = QStringList{
            QString::fromUtf8("Il pulsante Esporta archivio consente di esportare i dati dei consensi a interventi "
                              "chirurgici in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con "
                              "qualsiasi software in grado di gestire i file in formato XLS (ad esempio, con Open "
                              "Office, Libre Office o Microsoft Office)."),
            QString::fromUtf8("Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic "
                              "sull'icona di Excel. Questa operazione crea in tempo reale un file in formato XLS "
                              "contenente le schede in archivio, che potrà essere aperto immediatamente rispondendo "
                              "affermativamente al messaggio di domanda che appare."),
            QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un "
                           "nome qualsiasi."),
        }.join(QStringLiteral("\r\n\r\n")),
    };
}

TfrmExpConsensi_Interventi::TfrmExpConsensi_Interventi(QWidget *owner)
    : CertificateExportWindow(SurgeryConsentType(), owner)
{
}

void OpenSurgeryConsentExport(QWidget *card) { OpenModal<TfrmExpConsensi_Interventi>(card); }
