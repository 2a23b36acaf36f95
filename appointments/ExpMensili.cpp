#include "appointments/ExpMensili.h"
#include "common/ui/WindowBuild.h"

#include "appointments/AppointmentHandBack.h"
#include "appointments/AppointmentRecord.h"
#include "appointments/AppointmentViews.h"
#include "common/Dates.h"
#include "common/Platform.h"
#include "common/Record.h"
#include "common/Text.h"

WindowHandle<TfrmExpMensili> frmExpMensili;

TfrmExpMensili::TfrmExpMensili(QWidget *owner)
    : ExcelExportWindow(AppointmentGridExport({
                            .objectName = QStringLiteral("frmExpMensili"),
                            .caption = QStringLiteral(" Scadenze del mese"),
                            .fileName = QStringLiteral("Scadenze_Mensili.xls"),
                            .sheetName = QStringLiteral("Scadenze del mese"),
                            // The card stores the month as the name chosen in its list, in any case.
                            .selected =
                                [this](const Record &r) {
                                    return LowerText(r.text(QStringLiteral("Mese"))) == month_ &&
                                           r.text(QStringLiteral("Anno")) == year_;
                                },
                            .helpTitle = AppointmentViewsHelpTitle(),
                            .helpText = AppointmentViewsHelpParagraphs().join(QStringLiteral("\r\n\r\n")),
                        }),
                        owner)
{
    BuildWhenNeeded(this, [this] { ApplyFormatSettings(); });
}

void TfrmExpMensili::FormShow()
{
    const QDate day = AppointmentCalendarDate();
    const QString text = FormatDate(day);
    year_ = MidChars(text, 7, 4);
    month_.clear();
    for (const MonthName &m : MonthNames())
        if (MidChars(text, 4, 2) == QLatin1String(m.number))
            month_ = QString::fromLatin1(m.lower);
    setArchiveName(AppointmentArchivePath(ProgramFolder(), day));
    ExcelExportWindow::FormShow();
}
