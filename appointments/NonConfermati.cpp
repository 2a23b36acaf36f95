#include "appointments/NonConfermati.h"

#include "appointments/AppointmentListSetup.h"

TfrmNonConfermati *frmNonConfermati = nullptr;

TfrmNonConfermati::TfrmNonConfermati(QWidget *parent)
    : ListWindow(AppointmentFlagList(QStringLiteral(" Riepilogo pagamenti effettuati"), "Effettuata", true), parent)
{
    setObjectName(QStringLiteral("frmNonConfermati"));
}
