#include "appointments/AppointmentListSetup.h"

#include "appointments/AppointmentHandBack.h"
#include "appointments/AppointmentRecord.h"

ListWindowSetup AppointmentFlagList(const QString &caption, const char *flag, bool wanted)
{
    ListWindowSetup s;
    s.caption = caption;
    s.archiveFile = OpenYearArchive;
    s.layout = &AppointmentRecordLayout();
    s.line = AppointmentListLine;
    s.sorted = true;
    s.printTitle = caption.mid(1);
    s.handBack = [](const Record &appointment, int number) {
        AppointmentHandBack(AppointmentCardTag, appointment, number);
    };
    const int field = AppointmentRecordLayout().indexOf(QLatin1String(flag));
    const QString text = YesNoFlag(wanted);
    s.listed = [field, text](const Record &appointment) { return appointment.text(field) == text; };
    return s;
}
