#include "appointments/Confermati.h"

#include "appointments/AppointmentListSetup.h"

TfrmConfermati *frmConfermati = nullptr;

TfrmConfermati::TfrmConfermati(QWidget *parent)
    : ListWindow(AppointmentFlagList(QStringLiteral(" Riepilogo pagamenti da effettuare"), "Effettuata", false), parent)
{
    setObjectName(QStringLiteral("frmConfermati"));
}
