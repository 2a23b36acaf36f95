#pragma once
#include <QPixmap>
#include <QSize>
#include <QString>

// The pictures of the certificate cards, drawn with QPainter at the size asked.

// The medical emblem: a black caduceus over a light-blue cross.
QPixmap EmblemPicture(QSize size);
// The import command beside the owner's and the animal's name: a green arrow pointing into the edit.
QPixmap ImportArrowPicture(QSize size);
// The animal icon of a card's animal band: a paw print.
QPixmap AnimalIconPicture(QSize size);
// Words drawn as a picture: bold centred navy capitals on a band, as the title of a card.
QPixmap TitleBandPicture(const QString &words, QSize size);
// A declaration in two languages, the second in italics below the first.
QPixmap DeclarationPicture(const QString &italian, const QString &english, QSize size);
// The signature box: "FIRMA DEL VETERINARIO" and "VETERINARIAN'S SIGNATURE" above a line, or the
// words given (the second line may be empty).
QPixmap SignaturePicture(QSize size, const QString &words = QStringLiteral("FIRMA DEL VETERINARIO"),
                         const QString &english = QStringLiteral("VETERINARIAN'S SIGNATURE"));
