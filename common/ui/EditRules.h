#pragma once
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// What typing may do to an edit. Text set by the program is never filtered or cut:
// the rules act only on what the user types, pastes or drops. Whatever the rules, a control
// character brought in that way (line break, tab) becomes a blank, a CR LF pair one blank.
struct EditRules {
    enum class Case {
        None,
        Upper,      // a-z become A-Z at every typed key
        UpperTrim,  // trimmed and upper-cased at every typed key
        Trim,       // trimmed at every typed key
    };
    int maxLength = -1;          // typing stops at this many characters (-1: no limit)
    bool digitsOnly = false;     // keys other than digits, Backspace, Delete, Left, Right are swallowed
    Case typing = Case::None;
    bool upperOnKeyRelease = false;  // upper-cased (not trimmed) at every key release, arrows included
    bool reapplyOnExit = false;      // the typing rule runs again when the focus leaves
    bool commaToo = false;           // with digitsOnly: the comma passes as well (amounts)
    bool lettersToo = false;         // with digitsOnly: the letters A-Z and a-z pass as well (codes)
};

// Installs the rules on an edit (a combo box's line edit too). Calling it again replaces them.
// With any rules, a text the program sets shows from its first character, and a pasted or dropped
// text is cleaned whole (control characters blanked, refused characters dropped, the blanks that
// would stand at an end of the text trimmed) before it is cut to the room left.
void ApplyEditRules(QLineEdit *edit, const EditRules &rules);
// The same for an edit without rules of its own; one that has rules keeps them.
void ShowProgramTextFromStart(QLineEdit *edit);

// The digit-only rule alone: `DigitOnlyKeyFilter`.
void DigitOnlyKeyFilter(QLineEdit *edit);
// Digits and the comma only: `AmountKeyFilter`.
void AmountKeyFilter(QLineEdit *edit, int maxLength = -1);
// Letters A-Z, a-z and digits only, the others swallowed: `AlphanumericKeyFilter`.
void AlphanumericKeyFilter(QLineEdit *edit, int maxLength = -1);
// The upper-case rule alone: `UpperCaseWhileTyping`, trimmed unless told otherwise.
void UpperCaseWhileTyping(QLineEdit *edit, bool trim = true);

// Moving the mouse over `command` writes `hint` into the status text.
void HoverHint(QWidget *command, QLabel *status, const QString &hint);
// Moving the mouse over `background` empties the status text.
void ClearHintOver(QWidget *background, QLabel *status);
