#pragma once
#include <QStringList>

class QComboBox;

// An editable combo box that offers a list of codes and takes any typed text: nothing typed is
// completed or added to the list; typing is trimmed and upper-cased, at most `maxLength`
// characters; each time the box is about to take the focus its list selection is dropped (its text
// stays), and when the focus leaves the text is trimmed and upper-cased again. The focus events
// reach an editable combo box, not its line edit, so the box itself is watched.
void MakeCodeCombo(QComboBox *box, const QStringList &codes, int maxLength);
// A code box made by MakeCodeCombo that leaves its text as it is when the focus leaves: only what
// is typed is trimmed and upper-cased, and text the program put there stays untouched.
void KeepCodeComboTextOnExit(QComboBox *box);

// An editable combo box that takes only the values of its list, chosen from the drop-down: Left and
// Right move the cursor, Backspace and Delete empty the whole text, every other typed key is
// swallowed (Enter, Tab and the keys that open the list still do their work). Each time the box is
// about to take the focus its list selection is dropped (its text stays); when the focus leaves, a
// trimmed text that is not exactly one of the items (letter case included) is emptied.
void MakeListOnlyCombo(QComboBox *box, const QStringList &items, int maxLength);

// Drops the list selection of an editable combo box, keeping the text it shows and the caret.
void DropComboSelection(QComboBox *box);
