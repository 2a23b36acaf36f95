#include "appointments/NonConfermati.h"
#include "common/ui/WindowBuild.h"

#include "appointments/AppointmentListSetup.h"

WindowHandle<TfrmNonConfermati> frmNonConfermati;

TfrmNonConfermati::TfrmNonConfermati(QWidget *parent)
    : ListWindow(AppointmentFlagList(QStringLiteral(" Riepilogo pagamenti effettuati"), "Effettuata", true), parent)
{
    BuildWhenNeeded(this, [this] { setObjectName(QStringLiteral("frmNonConfermati")); });
}
