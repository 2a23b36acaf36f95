#pragma once
#include <QStringList>

class QWidget;

// The texts of `window` that its controls cannot show whole at their present size, each as
// "control: text": labels and buttons whose text can be measured (a word-wrapped one must be tall
// enough for its lines), the words of the command tiles (their letters no smaller than a tile's
// readable size), and every hint that the status line `panInfo` shows when the mouse moves over a
// control of the window. Hidden controls are passed over.
QStringList CutTexts(QWidget *window);

// Whether the edit shows `text` whole, from its first character to its last, without scrolling.
class QLineEdit;
bool EditShowsWhole(const QLineEdit *edit, const QString &text);
