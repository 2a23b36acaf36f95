#include "appointments/ExpImminenti.h"
#include "common/ui/WindowBuild.h"

#include "appointments/AppointmentRecord.h"
#include "appointments/AppointmentViews.h"
#include "common/Platform.h"

WindowHandle<TfrmExpImminenti> frmExpImminenti;

TfrmExpImminenti::TfrmExpImminenti(QWidget *owner)
    : ExcelExportWindow(AppointmentGridExport({
                            .objectName = QStringLiteral("frmExpImminenti"),
                            .caption = QStringLiteral(" Scadenze imminenti"),
                            .fileName = QStringLiteral("Scadenze_Imminenti.xls"),
                            .sheetName = QStringLiteral("Scadenze imminenti"),
                            // A record whose date or days of notice do not convert is not imminent.
                            .selected = [this](const Record &r) { return IsImminent(r, today_); },
                            .helpTitle = AppointmentViewsHelpTitle(),
                            .helpText = AppointmentViewsHelpParagraphs().join(QStringLiteral("\r\n\r\n")),
                        }),
                        owner)
{
    BuildWhenNeeded(this, [this] {});
}

void TfrmExpImminenti::FormShow()
{
    today_ = Today();
    setArchiveName(AppointmentArchivePath(ProgramFolder(), today_));
    ExcelExportWindow::FormShow();
}
