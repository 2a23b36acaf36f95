#pragma once
#include <QString>
#include <QStringList>

// The help of the appointment card (its start panel too).
QString AppointmentHelpTitle();
QStringList AppointmentHelpParagraphs();
