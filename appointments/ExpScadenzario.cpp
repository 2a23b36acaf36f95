#include "appointments/ExpScadenzario.h"

#include "appointments/AppointmentHandBack.h"
#include "appointments/AppointmentViews.h"

TfrmExpScadenzario *frmExpScadenzario = nullptr;

TfrmExpScadenzario::TfrmExpScadenzario(QWidget *owner)
    : ExcelExportWindow(AppointmentGridExport({
                            .objectName = QStringLiteral("frmExpScadenzario"),
                            .caption = QStringLiteral(" Esporta archivio Scadenzario pagamenti"),
                            .fileName = QStringLiteral("Scadenze_e_Appuntamenti.xls"),
                            .sheetName = QStringLiteral("Scadenze e appuntamenti"),
                            .selected = {},
                            .helpTitle = QStringLiteral(
                                "Esportazione archivio Scadenze e appuntamenti in Microsoft Excel."),
                            .helpText = ExportHelpText(QStringLiteral(
                                "tutte le scadenze e gli appuntamenti di un anno solare")),
                        }),
                        owner)
{
}

void TfrmExpScadenzario::FormShow()
{
    // The year open in the card, read when the window opens.
    setArchiveName(OpenYearArchive());
    ExcelExportWindow::FormShow();
}
