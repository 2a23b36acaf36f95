#include "appointments/DaConfermare.h"
#include "common/ui/WindowBuild.h"

#include "appointments/AppointmentListSetup.h"

WindowHandle<TfrmDaConfermare> frmDaConfermare;

TfrmDaConfermare::TfrmDaConfermare(QWidget *parent)
    : ListWindow(AppointmentFlagList(QStringLiteral(" Riepilogo appuntamenti da confermare"), "DaConfermare", true),
                 parent)
{
    BuildWhenNeeded(this, [this] { setObjectName(QStringLiteral("frmDaConfermare")); });
}
