#pragma once
#include "common/report/CardReport.h"

#include <QList>

class TfrmScadenzario;

// The printout of the appointment card on screen, saved or not.
QString AppointmentCardTitle();
QList<CardLine> AppointmentCardLines(const TfrmScadenzario &card);
PreparedReport PrepareAppointmentCard(const TfrmScadenzario &card);
// Prints through the print dialog; a failure shows the framework's error box.
void PrintAppointmentCard(TfrmScadenzario &card);
