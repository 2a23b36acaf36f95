#include "appointments/ExpGiornaliere.h"
#include "common/ui/WindowBuild.h"

#include "appointments/AppointmentHandBack.h"
#include "appointments/AppointmentRecord.h"
#include "appointments/AppointmentViews.h"
#include "common/Dates.h"
#include "common/Platform.h"
#include "common/Record.h"

WindowHandle<TfrmExpGiornaliere> frmExpGiornaliere;

TfrmExpGiornaliere::TfrmExpGiornaliere(QWidget *owner)
    : ExcelExportWindow(AppointmentGridExport({
                            .objectName = QStringLiteral("frmExpGiornaliere"),
                            .caption = QStringLiteral(" Scadenze del giorno"),
                            .fileName = QStringLiteral("Scadenze_Giornaliere.xls"),
                            .sheetName = QStringLiteral("Scadenze del giorno"),
                            .selected = [this](const Record &r) { return r.text(QStringLiteral("Data")) == day_; },
                            .helpTitle = AppointmentViewsHelpTitle(),
                            .helpText = AppointmentViewsHelpParagraphs().join(QStringLiteral("\r\n\r\n")),
                        }),
                        owner)
{
    BuildWhenNeeded(this, [this] { ApplyFormatSettings(); });
}

void TfrmExpGiornaliere::FormShow()
{
    const QDate day = AppointmentCalendarDate();
    day_ = FormatDate(day);
    setArchiveName(AppointmentArchivePath(ProgramFolder(), day));
    ExcelExportWindow::FormShow();
}
