#pragma once
#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

// The pictures of the appointments' start panel, drawn with QPainter at the size asked.

// The heading "SCADENZE E APPUNTAMENTI" beside a small calendar page.
QPixmap AppointmentTitlePicture(QSize size);
// A rounded band of one colour with its text in white bold letters, centred and wrapped: the
// reminder's two pictures, the day and month commands.
QPixmap AppointmentBandPicture(const QString &text, const QColor &fill, QSize size);
// The instructions above the calendar: navy text on a pale band with a pointing arrow.
QPixmap AppointmentInstructionsPicture(const QString &text, QSize size);
// A calendar page with a bell: the decoration beside the heading.
QPixmap AppointmentBellPicture(QSize size);
