#pragma once
#include <QPixmap>
#include <QSize>

// The pictures of the animal registry's small windows, drawn with QPainter at the size asked.
class QWidget;

namespace AnimalPictures {

// The picture the card's label `imgFoto` shows; null when it shows none.
QPixmap CardPhoto(const QWidget *card);

// The printout window's heading: a printed sheet with a paw print.
QPixmap PrintoutHeading(QSize size);
// The RTF window's heading: a document marked "RTF".
QPixmap RtfHeading(QSize size);
// The RTF window's action: a document with a pencil, to be edited before printing.
QPixmap EditDocument(QSize size);
// Stands for the photo of an animal that has none: a paw print on a pale ground with the words
// "Foto non disponibile".
QPixmap PhotoPlaceholder(QSize size);

} // namespace AnimalPictures
