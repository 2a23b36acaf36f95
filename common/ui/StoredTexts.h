#pragma once
#include <QList>
#include <QString>

#include <functional>

class QWidget;

// What a command checks before it stores the texts of its controls, so that the archive and the
// settings file keep exactly what the user sees.

// Brings a control that stands on a page or section not shown into view, before it takes the focus.
using RevealField = std::function<void(QWidget *)>;

// The caption that names a control in a message: its accessible name where it has one, else the
// label "tit" + its name without the three-letter prefix (trimmed, cut at its colon), a check
// box's own text, or that name.
QString FieldCaption(const QWidget *control);

// Puts the focus on a control, showing its page first where it is not shown.
void FocusField(QWidget *control, const RevealField &reveal = {});

// Every text can be stored in Windows-1252: true. Otherwise the first control (in the order given)
// whose text holds a character the code page cannot hold is named with that character in a
// warning and takes the focus; its text stays as typed, and the answer is false.
bool TextsStorable(const QList<QWidget *> &controls, const RevealField &reveal = {});

// A number is stored whole or not at all: when `text`, the form the card shows, is longer than the
// field's capacity, the warning names the field (`where`: the caption in quotes, and its line
// where it has one), the control takes the focus and the answer is false.
bool NumberFitsField(QWidget *control, const QString &text, const QString &where, int capacity,
                     const RevealField &reveal = {});
