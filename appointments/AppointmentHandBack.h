#pragma once
#include "common/Record.h"

#include <QDate>
#include <QString>

class QWidget;

// The tag with which the appointment card opens the appointment search.
inline const QString AppointmentCardTag = QStringLiteral("Scadenzario");

// The line of an appointment in the appointment search and the three appointment lists: reason
// (30), "  Data: ", date (10), "  Ora: ", time (5), "  Prop. ", owner (26), "  Animale: ", animal
// (26), "  € " and the trimmed amount whole. The same line, rebuilt, finds the record again.
QString AppointmentListLine(const Record &appointment);

// `AppointmentHandBack`: loads an appointment chosen in a list into the appointment card when the
// tag (trimmed, compared exactly) is "Scadenzario": every field trimmed into its control, the two
// flags by `YesNoFlag`, and the record number into lblPosizione. Nothing else of the card changes.
// Another tag, or no card (the card's global still null), writes nothing.
void AppointmentHandBack(const QString &tag, const Record &appointment, int number);

// The archive of the year open in the card: its hidden label lblFile, trimmed; empty without a card.
QString OpenYearArchive();
// The date chosen in the card's calendar calAppuntamenti; today without a card.
QDate AppointmentCalendarDate();
