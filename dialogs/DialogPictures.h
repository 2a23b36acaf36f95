#pragma once
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

// The pictures of the shared dialogs, drawn with QPainter at the size asked.
namespace DialogPictures {

// Numbering dialog: three numbered sheets; a round "i" with the two paragraphs of instructions,
// the second in red; a hand pointing right, towards the number.
QPixmap Documents(QSize size);
QPixmap NumberingInstructions(QSize size, const QString &first, const QString &second);
QPixmap PointingHand(QSize size);

// Attach-files dialog: a paper clip beside the lines of instructions; the eraser that clears a slot.
QPixmap AttachInstructions(QSize size, const QStringList &lines);
QPixmap Eraser(QSize size);

} // namespace DialogPictures
