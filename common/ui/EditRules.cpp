#include "common/ui/EditRules.h"

#include "common/Text.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include <optional>

namespace {

// A character that the digit rule lets in: a digit, and the comma or the letters A-Z and a-z
// where the rules allow them.
bool allowedChar(QChar c, const EditRules &rules)
{
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    return (c >= '0' && c <= '9') || (rules.commaToo && c == ',') || (rules.lettersToo && letter);
}

int countNonDigits(const QString &s, const EditRules &rules)
{
    int n = 0;
    for (QChar c : s)
        if (!allowedChar(c, rules))
            ++n;
    return n;
}

// A one-line field keeps one line: control characters (codes below 32: line breaks, tabs) become
// blanks, and a CR LF pair one blank.
QString blankControls(const QString &s)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i].unicode() >= 32) {
            out += s[i];
            continue;
        }
        if (s[i] == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n')
            ++i;
        out += u' ';
    }
    return out;
}

// Applies the rules to one edit: a key filter for the keys, and a check of every user edit
// (typing, paste, drop, undo) against the text before it.
class EditRuleFilter : public QObject {
public:
    EditRuleFilter(QLineEdit *edit, const EditRules &rules) : QObject(edit), edit(edit), rules(rules)
    {
        setObjectName(QStringLiteral("EditRuleFilter"));
        previous = edit->text();
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, [this](const QString &t) {
            // A typed change that onEdited has put right still reports the text as typed
            // afterwards: only the text the edit really holds counts.
            if (inEdit)
                return;
            const bool byUser = edited && t == *edited;
            if (byUser)
                edited.reset();
            if (t != this->edit->text())
                return;
            previous = t;
            // A text set by the program shows from its first character.
            if (!byUser)
                this->edit->setCursorPosition(0);
        });
        connect(edit, &QLineEdit::textEdited, this, [this](const QString &t) { onEdited(t); });
    }

    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress)
            keyText = static_cast<QKeyEvent *>(e)->text();
        if (e->type() == QEvent::KeyPress && rules.digitsOnly) {
            auto *k = static_cast<QKeyEvent *>(e);
            // A paste is let through and filtered as a whole when the edit changes.
            if (k->matches(QKeySequence::Paste))
                return false;
            int key = k->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Backtab)
                return false;
            if (key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left || key == Qt::Key_Right)
                return false;
            QString t = k->text();
            bool digit = t.size() == 1 && allowedChar(t[0], rules);
            return !digit;  // every other key is swallowed
        }
        if (e->type() == QEvent::KeyRelease && rules.upperOnKeyRelease) {
            QString up = UpperText(edit->text());
            if (up != edit->text())
                setKeepingCursor(up);
        }
        if (e->type() == QEvent::FocusOut && rules.reapplyOnExit) {
            QString t = cased(edit->text());
            if (t != edit->text())
                edit->setText(t);
        }
        return false;
    }

private:
    QString cased(const QString &t) const
    {
        switch (rules.typing) {
        case EditRules::Case::Upper: return UpperText(t);
        case EditRules::Case::UpperTrim: return UpperText(TrimText(t));
        case EditRules::Case::Trim: return TrimText(t);
        case EditRules::Case::None: break;
        }
        return t;
    }

    void setKeepingCursor(const QString &t)
    {
        int pos = edit->cursorPosition();
        edit->setText(t);
        edit->setCursorPosition(qMin(pos, int(t.size())));
    }

    void onEdited(const QString &typed)
    {
        edited = typed;
        QString t = typed;
        int cursor = edit->cursorPosition();
        // What the user inserted, between what stayed in front and behind.
        int front = 0;
        while (front < t.size() && front < previous.size() && t[front] == previous[front])
            ++front;
        int back = 0;
        while (back < t.size() - front && back < previous.size() - front
               && t[t.size() - 1 - back] == previous[previous.size() - 1 - back])
            ++back;
        const QString raw = t.mid(front, t.size() - front - back);
        // One key typed inserts its own text; anything else (a paste, a drop) is cleaned whole
        // before it is cut to the room left.
        const bool keyed = !raw.isEmpty() && raw == keyText;
        keyText = QString();
        QString inserted = blankControls(raw);
        QString kept = previous.left(front) + previous.right(back);
        if (rules.digitsOnly && countNonDigits(t, rules) > countNonDigits(previous, rules)) {
            QString digits;
            for (QChar c : inserted)
                if (allowedChar(c, rules))
                    digits += c;
            inserted = digits;
        }
        if (!keyed) {
            // The value is stored trimmed: blanks that would stand at an end of the text go first.
            const auto blank = [](QChar c) { return c.unicode() <= 32; };
            if (TrimmedView(QStringView(previous).left(front)).isEmpty())
                while (!inserted.isEmpty() && blank(inserted.front()))
                    inserted.remove(0, 1);
            if (TrimmedView(QStringView(previous).right(back)).isEmpty())
                while (!inserted.isEmpty() && blank(inserted.back()))
                    inserted.chop(1);
        }
        if (rules.maxLength >= 0 && kept.size() + inserted.size() > rules.maxLength && t.size() > previous.size())
            inserted = inserted.left(qMax(0, rules.maxLength - int(kept.size())));
        QString fitted = previous.left(front) + inserted + previous.right(back);
        int caret = fitted != t ? front + int(inserted.size()) : cursor;
        QString result = cased(fitted);
        previous = result;
        if (result == typed)
            return;
        // Blanks trimmed at the front move the caret back with the text.
        int removedFront = 0;
        if (result.size() < fitted.size())
            while (removedFront < fitted.size() && fitted[removedFront].unicode() <= 32)
                ++removedFront;
        inEdit = true;
        edit->setText(result);
        inEdit = false;
        edit->setCursorPosition(qBound(0, caret - removedFront, int(result.size())));
    }

    QLineEdit *edit;
    EditRules rules;
    QString previous;
    std::optional<QString> edited;  // the text of the last user edit, until its change signal
    QString keyText;                // the text of the last key pressed, until the edit it makes
    bool inEdit = false;
};

class HintFilter : public QObject {
public:
    HintFilter(QWidget *w, QLabel *status, const QString &hint) : QObject(w), status(status), hint(hint)
    {
        w->setMouseTracking(true);
        // A command's moves must not reach the background behind it, which would clear its hint.
        if (!hint.isEmpty())
            w->setAttribute(Qt::WA_NoMousePropagation);
        w->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *e) override
    {
        // The background clears on a real move only: a window that appears under a still mouse
        // keeps its status text.
        const bool moved = e->type() == QEvent::MouseMove || (e->type() == QEvent::Enter && !hint.isEmpty());
        if (moved && status)
            status->setText(hint);
        return false;
    }

private:
    QPointer<QLabel> status;
    QString hint;
};

} // namespace

void ApplyEditRules(QLineEdit *edit, const EditRules &rules)
{
    if (auto *old = edit->findChild<QObject *>(QStringLiteral("EditRuleFilter"), Qt::FindDirectChildrenOnly))
        delete old;
    new EditRuleFilter(edit, rules);
}

void ShowProgramTextFromStart(QLineEdit *edit)
{
    if (!edit->findChild<QObject *>(QStringLiteral("EditRuleFilter"), Qt::FindDirectChildrenOnly))
        new EditRuleFilter(edit, {});
}

void DigitOnlyKeyFilter(QLineEdit *edit)
{
    EditRules r;
    r.digitsOnly = true;
    ApplyEditRules(edit, r);
}

void AmountKeyFilter(QLineEdit *edit, int maxLength)
{
    ApplyEditRules(edit, {.maxLength = maxLength, .digitsOnly = true, .commaToo = true});
}

void AlphanumericKeyFilter(QLineEdit *edit, int maxLength)
{
    ApplyEditRules(edit, {.maxLength = maxLength, .digitsOnly = true, .lettersToo = true});
}

void UpperCaseWhileTyping(QLineEdit *edit, bool trim)
{
    EditRules r;
    r.typing = trim ? EditRules::Case::UpperTrim : EditRules::Case::Upper;
    ApplyEditRules(edit, r);
}

void HoverHint(QWidget *command, QLabel *status, const QString &hint) { new HintFilter(command, status, hint); }

void ClearHintOver(QWidget *background, QLabel *status) { new HintFilter(background, status, QString()); }
