#pragma once
#include <QString>
#include <QStringList>

// The help of the appointment card (its start panel too).
QString AppointmentHelpTitle();
QStringList AppointmentHelpParagraphs();

// The help shared by the views of the imminent entries and of the entries of a day or a month.
QString AppointmentViewsHelpTitle();
QStringList AppointmentViewsHelpParagraphs();
