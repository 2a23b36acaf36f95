#include "common/ui/CodeCombo.h"

#include "common/ui/EditRules.h"
#include "common/Text.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// A combo box the user enters: no list selection, the caret after the text, ready for typing.
void EnterComboForTyping(QComboBox *box)
{
    DropComboSelection(box);
    if (box->lineEdit())
        box->lineEdit()->end(false);
}

class CodeComboFocus : public QObject {
public:
    explicit CodeComboFocus(QComboBox *box) : QObject(box), box(box)
    {
        setObjectName(QStringLiteral("CodeComboFocus"));
        box->installEventFilter(this);
    }

    bool tidyOnExit = true;

    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::FocusIn) {
            EnterComboForTyping(box);
        } else if (e->type() == QEvent::FocusOut && tidyOnExit) {
            const QString text = UpperText(TrimText(box->currentText()));
            if (text != box->currentText())
                box->setEditText(text);
        }
        return false;
    }

private:
    QComboBox *box;
};

// The keys and focus rules of a combo box that takes list values only.
class ListOnlyRules : public QObject {
public:
    explicit ListOnlyRules(QComboBox *box) : QObject(box), box(box)
    {
        box->installEventFilter(this);
        box->lineEdit()->installEventFilter(this);
        box->lineEdit()->setAcceptDrops(false);
        box->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    }

    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (watched == box && e->type() == QEvent::FocusIn) {
            EnterComboForTyping(box);
        } else if (watched == box && e->type() == QEvent::FocusOut) {
            const QString text = TrimText(box->currentText());
            if (!text.isEmpty() && box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
                box->setEditText(QString());
        } else if (e->type() == QEvent::KeyPress) {
            return filterKey(static_cast<QKeyEvent *>(e));
        }
        return false;
    }

private:
    bool filterKey(QKeyEvent *k)
    {
        switch (k->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
        case Qt::Key_F4:
            return false;
        case Qt::Key_Down:
        case Qt::Key_Up:
            // Alt+Down and Alt+Up open and close the list; the plain arrows would step through it.
            return !(k->modifiers() & Qt::AltModifier);
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            box->setEditText(QString());
            return true;
        default:
            return true;
        }
    }

    QComboBox *box;
};

} // namespace

void MakeListOnlyCombo(QComboBox *box, const QStringList &items, int maxLength)
{
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->addItems(items);
    box->setMaxVisibleItems(16);
    box->setCurrentIndex(-1);
    if (maxLength >= 0)
        box->lineEdit()->setMaxLength(maxLength);
    new ListOnlyRules(box);
}

void MakeCodeCombo(QComboBox *box, const QStringList &codes, int maxLength)
{
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);  // the list only offers values: typing is never completed
    box->addItems(codes);
    box->setMaxVisibleItems(16);
    box->setCurrentIndex(-1);
    EditRules rules;
    rules.maxLength = maxLength;
    rules.typing = EditRules::Case::UpperTrim;
    ApplyEditRules(box->lineEdit(), rules);
    new CodeComboFocus(box);
}

void KeepCodeComboTextOnExit(QComboBox *box)
{
    QObject *rules = box->findChild<QObject *>(QStringLiteral("CodeComboFocus"), Qt::FindDirectChildrenOnly);
    if (auto *focus = dynamic_cast<CodeComboFocus *>(rules))
        focus->tidyOnExit = false;
}

void DropComboSelection(QComboBox *box)
{
    const QString text = box->currentText();
    const int caret = box->lineEdit() ? box->lineEdit()->cursorPosition() : 0;
    box->setCurrentIndex(-1);
    box->setEditText(text);
    if (box->lineEdit())
        box->lineEdit()->setCursorPosition(caret);
}

