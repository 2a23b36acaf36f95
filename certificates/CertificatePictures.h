#pragma once
#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

// The pictures of the certificate cards, drawn with QPainter at the size asked.

// The medical emblem: a black caduceus over a light-blue cross.
QPixmap EmblemPicture(QSize size);
// The import command beside the owner's and the animal's name: a green arrow pointing into the edit.
QPixmap ImportArrowPicture(QSize size);
// The animal icon of a card's animal band: a paw print.
QPixmap AnimalIconPicture(QSize size);
// Words drawn as a picture: bold centred white capitals on a dark-red strip, as the title of a card,
// on one line where they fit and on two where they do not; TitleBandFont is the font it uses.
QPixmap TitleBandPicture(const QString &words, QSize size);
QFont TitleBandFont(const QString &words, QSize size);
// A declaration in two languages: each line of the Italian words (bold), then the same line of the
// English ones (italics) under it, the lines being separated by '\n'. DeclarationLines lists them
// in that order; DeclarationFont is the font of the Italian lines (the English ones are as large).
QPixmap DeclarationPicture(const QString &italian, const QString &english, QSize size);
QStringList DeclarationLines(const QString &italian, const QString &english);
// The rows into which the picture of that size breaks those lines, top to bottom.
QStringList DeclarationRows(const QString &italian, const QString &english, QSize size);
QFont DeclarationFont(const QString &italian, const QString &english, QSize size);
// The signature box: the words of who signs (Italian, then English in italics) above a line.
QPixmap SignaturePicture(const QString &italian, const QString &english, QSize size);
// A photograph of a dog looking out of a car window.
QPixmap DogInCarPicture(QSize size);
