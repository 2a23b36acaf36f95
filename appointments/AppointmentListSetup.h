#pragma once
#include "common/ui/ListWindow.h"

// The set-up of a list of the open year's appointments whose yes/no flag `flag` holds exactly
// `wanted` ("Sì" or "No", trimmed); a double-click loads the record into the appointment card.
ListWindowSetup AppointmentFlagList(const QString &caption, const char *flag, bool wanted);
