#include "appointments/ExpScadenzario.h"
#include "common/ui/WindowBuild.h"

#include "appointments/AppointmentHandBack.h"
#include "appointments/AppointmentViews.h"

WindowHandle<TfrmExpScadenzario> frmExpScadenzario;

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
    BuildWhenNeeded(this, [this] {});
}

void TfrmExpScadenzario::FormShow()
{
    // The year open in the card, read when the window opens.
    setArchiveName(OpenYearArchive());
    ExcelExportWindow::FormShow();
}
