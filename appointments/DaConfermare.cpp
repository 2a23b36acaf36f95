#include "appointments/DaConfermare.h"

#include "appointments/AppointmentListSetup.h"

TfrmDaConfermare *frmDaConfermare = nullptr;

TfrmDaConfermare::TfrmDaConfermare(QWidget *parent)
    : ListWindow(AppointmentFlagList(QStringLiteral(" Riepilogo appuntamenti da confermare"), "DaConfermare", true),
                 parent)
{
    setObjectName(QStringLiteral("frmDaConfermare"));
}
