#pragma once
#include "common/ui/EditRules.h"
#include "common/ui/Look.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

class HighlightRect;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
class RecordLayout;

// The window member that receives a field's control; its type gives the kind of control:
// an edit `txtF`, a code box `txtF` (an editable combo box offering codes), a check box `chkF`,
// a multi-line edit `memF`.
using FieldControl = std::variant<QLineEdit **, QComboBox **, QCheckBox **, QPlainTextEdit **>;

// One field of a card section.
struct FieldSpec {
    FieldControl control;
    const char *name;        // the field: the control, its caption `titF` and its highlight `effF`
    const char *caption;     // above the control; a check box's own text
    int x;                   // left edge in the section
    int row;                 // row of the section's grid
    int width;
    EditRules rules = {};    // maxLength -1: the capacity of the record field of that name
    const QStringList *codes = nullptr;  // the codes a code box offers
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int rows = 1;            // rows a multi-line edit spans
    const char *controlName = nullptr;  // the control's name where it is not the prefix + the field
    bool listOnly = false;   // a combo box that takes the values of `codes` only (MakeListOnlyCombo)
    std::optional<QColor> rest{};  // with the Background highlight: this field's own fill at rest
};

// The grid the fields of a card stand on.
struct FieldGrid {
    int rowPitch;
    int captionTop;     // caption top within a row
    int editTop;        // control top within a row
    int editHeight;
    QFont editFont;
};

// The fields of one section panel, in screen order.
struct FieldSection {
    QWidget *panel;
    QList<FieldSpec> fields;
    QWidget *enterFirst = nullptr;  // where Enter from the head enters the section; none: its first field
};

// How a card's fields behave beyond their typing rules.
struct FieldBehaviour {
    enum class Highlight {
        Rectangle,   // a yellow rectangle behind the focused field
        Background,  // the field's own background: `rest` at rest, yellow with the focus, SkyBlue frame
    };
    enum class Chain {
        Loop,              // Enter walks every section in table order, the last field back to the first
        HeadThenSection,   // the first section is a head always shown, the others are shown one at a
                           // time: the head's last field leads into the section shown, and each
                           // section's last field back to the head's first
        Own,               // none from the table: the window lays its own Enter chains
    };
    Highlight highlight = Highlight::Rectangle;
    Chain chain = Chain::Loop;
    QColor rest = Look::AliceBlue;  // with Background: the fill at rest
};

// Makes a card's fields from one table: for each field its caption, its control (written into the
// window's member), its focus highlight and its typing rules (the capacity taken from the record
// layout); the tab order follows the table, and Enter walks the edits and code boxes in table order
// (see FieldBehaviour for the two forms of the highlight and of the Enter chain, or for leaving the
// chain to the window).
class FieldTable {
public:
    FieldTable(const FieldGrid &grid, const QList<FieldSection> &sections, const RecordLayout *layout = nullptr,
               FieldBehaviour behaviour = {});

    // The controls in table order.
    const std::vector<QWidget *> &controls() const { return controls_; }

private:
    std::vector<QWidget *> controls_;
};
