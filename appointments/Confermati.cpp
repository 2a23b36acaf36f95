#include "appointments/Confermati.h"
#include "common/ui/WindowBuild.h"

#include "appointments/AppointmentListSetup.h"

WindowHandle<TfrmConfermati> frmConfermati;

TfrmConfermati::TfrmConfermati(QWidget *parent)
    : ListWindow(AppointmentFlagList(QStringLiteral(" Riepilogo pagamenti da effettuare"), "Effettuata", false), parent)
{
    BuildWhenNeeded(this, [this] { setObjectName(QStringLiteral("frmConfermati")); });
}
