#pragma once
#include <QStringList>

class QComboBox;

// An editable combo box that offers a list of codes and takes any typed text: nothing typed is
// completed or added to the list; typing is trimmed and upper-cased, at most `maxLength`
// characters; each time the box is about to take the focus its list selection is dropped (its text
// stays), and when the focus leaves the text is trimmed and upper-cased again. The focus events
// reach an editable combo box, not its line edit, so the box itself is watched.
void MakeCodeCombo(QComboBox *box, const QStringList &codes, int maxLength);

// Drops the list selection of an editable combo box, keeping the text it shows.
void DropComboSelection(QComboBox *box);
