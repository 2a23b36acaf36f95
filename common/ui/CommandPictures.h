#pragma once
#include <QPixmap>
#include <QSize>
#include <QString>

// The pictures of the record cards' commands, drawn with QPainter at the size asked: flat blue
// tiles with a white glyph that fits the command and the command's word.

// A command tile: the glyph at the left and the word beside it (on a tall tile, the glyph above
// the word). Known words: "Nuovo", "Duplica", "Allega file", "Salva", "Trova", "Anteprima",
// "Stampa", "Crea PDF", "Da ricontattare", "Esporta archivio", "Guida", "Esci", "RTF", "Carica foto",
// "Salva foto", "Cancella foto", "Zoom"; any other word
// gets a round badge with its initial.
QPixmap CommandPicture(const QString &word, QSize size);
// The size in pixels of the word's letters on a command tile of that size; 0 where the tile is too
// small for any readable word and shows its glyph alone.
int CommandWordPixels(const QString &word, QSize size);
// The smallest letters a command tile's word may have and still be read at a glance.
constexpr int ReadableTilePixels = 9;

// The record-browsing arrows on either side of the record number.
enum ArrowDirection : int { ArrowFirst = 0, ArrowPrevious = 1, ArrowNext = 2, ArrowLast = 3 };
QPixmap ArrowPicture(int direction, QSize size);

// The arrows that turn a page of lines: a double chevron pointing left (ArrowPrevious) or right
// (ArrowNext), green where it leads to a page, grey where there is none to go to.
QPixmap PageArrowPicture(int direction, bool leads, QSize size);

// A heading band: `text` in bold white letters centred on a blue band.
QPixmap BandHeadingPicture(const QString &text, QSize size);

// Small square buttons beside an edit.
QPixmap CheckPicture(QSize size);   // a check mark: checks the value of the edit beside it
QPixmap EmailPicture(QSize size);   // an envelope: writes an e-mail to the address beside it

// The green privacy command with the word PRIVACY.
QPixmap PrivacyPicture(QSize size);

// The pictures at the left of a card's sections, and the card's decoration.
enum class SectionGlyph { Person, Phone, Payment, Identity, Notes };
QPixmap SectionPicture(SectionGlyph glyph, QSize size);
QPixmap DecorationPicture(QSize size);  // paw prints in a round frame
