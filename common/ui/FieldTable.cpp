#include "common/ui/FieldTable.h"

#include "common/Record.h"
#include "common/Text.h"
#include "common/ui/CardPanel.h"
#include "common/ui/CodeCombo.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <limits>

namespace {

int capacityOf(const RecordLayout *layout, const QString &name)
{
    if (!layout)
        return -1;
    for (int i = 0; i < layout->fieldCount(); ++i)
        if (name == QLatin1String(layout->field(i).name))
            return layout->field(i).capacity;
    return -1;
}

// A multi-line edit that stops typing, pasting and dropping at `maxLength` characters; text set by
// the program is never cut.
class LimitedMemo : public QPlainTextEdit {
public:
    LimitedMemo(int maxLength, QWidget *parent) : QPlainTextEdit(parent), maxLength_(maxLength) {}

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        const QString typed = e->text();
        const bool inserts = !typed.isEmpty() && (typed.at(0).unicode() >= 32 || typed.at(0) == u'\r');
        if (inserts && room() < typed.size())
            return;
        QPlainTextEdit::keyPressEvent(e);
    }
    void insertFromMimeData(const QMimeData *source) override
    {
        if (!source->hasText())
            return;
        // The value is stored trimmed: blanks and line breaks that would stand at an end of the
        // text go before the paste is cut to the room left.
        QString text = source->text();
        const QString whole = toPlainText();
        const QTextCursor c = textCursor();
        const auto blank = [](QChar ch) { return ch.unicode() <= 32; };
        if (TrimmedView(QStringView(whole).left(c.selectionStart())).isEmpty())
            while (!text.isEmpty() && blank(text.front()))
                text.remove(0, 1);
        if (TrimmedView(QStringView(whole).mid(c.selectionEnd())).isEmpty())
            while (!text.isEmpty() && blank(text.back()))
                text.chop(1);
        insertPlainText(text.left(std::max(0, room())));
    }

private:
    int room() const
    {
        if (maxLength_ < 0)
            return std::numeric_limits<int>::max();
        const QTextCursor c = textCursor();
        return maxLength_ - (document()->characterCount() - 1 - (c.selectionEnd() - c.selectionStart()));
    }
    int maxLength_;
};

struct Maker {
    const FieldGrid &grid;
    const FieldSpec &fieldRow;
    QWidget *panel;
    QString name = QString::fromLatin1(fieldRow.name);
    QString controlName = fieldRow.controlName ? QString::fromLatin1(fieldRow.controlName) : QString();

    QRect place(int height) const
    {
        return QRect(fieldRow.x, fieldRow.row * grid.rowPitch + grid.editTop, fieldRow.width, height);
    }
    void caption() const
    {
        MakeCaption(panel, QStringLiteral("tit") + name, QString::fromUtf8(fieldRow.caption),
                    QRect(fieldRow.x, fieldRow.row * grid.rowPitch + grid.captionTop, fieldRow.width + 40, 18));
    }
    template <typename T, typename... Args>
    T *control(const char *prefix, int height, Args &&...args) const
    {
        auto *w = MakeNamed<T>(panel, controlName.isEmpty() ? QString::fromLatin1(prefix) + name : controlName,
                               std::forward<Args>(args)...);
        w->setFont(grid.editFont);
        w->setGeometry(place(height));
        // Moving the mouse over a field leaves the status text as it is.
        w->setAttribute(Qt::WA_NoMousePropagation);
        w->setMouseTracking(true);
        return w;
    }
};

} // namespace

FieldTable::FieldTable(const FieldGrid &grid, const QList<FieldSection> &sections, const RecordLayout *layout,
                       FieldBehaviour behaviour)
{
    QList<QWidget *> chain;
    QList<QList<QWidget *>> sectionChains;  // the walked fields of each section
    for (const FieldSection &section : sections) {
        sectionChains.append(QList<QWidget *>());
        for (const FieldSpec &fieldRow : section.fields) {
            const Maker make{grid, fieldRow, section.panel};
            EditRules rules = fieldRow.rules;
            if (rules.maxLength < 0)
                rules.maxLength = capacityOf(layout, make.name);
            QWidget *w = nullptr;
            bool walked = true;
            if (auto *edit = std::get_if<QLineEdit **>(&fieldRow.control)) {
                make.caption();
                auto *e = make.control<QLineEdit>("txt", grid.editHeight);
                e->setAlignment(fieldRow.alignment);
                ApplyEditRules(e, rules);
                w = **edit = e;
            } else if (auto *box = std::get_if<QComboBox **>(&fieldRow.control)) {
                make.caption();
                auto *c = make.control<QComboBox>("txt", grid.editHeight);
                // The code box brings its own typing and focus rules.
                const QStringList codes = fieldRow.codes ? *fieldRow.codes : QStringList();
                if (fieldRow.listOnly)
                    MakeListOnlyCombo(c, codes, rules.maxLength);
                else
                    MakeCodeCombo(c, codes, rules.maxLength);
                c->lineEdit()->setFont(grid.editFont);
                c->lineEdit()->setAttribute(Qt::WA_NoMousePropagation);
                w = **box = c;
            } else if (auto *check = std::get_if<QCheckBox **>(&fieldRow.control)) {
                auto *c = make.control<QCheckBox>("chk", grid.editHeight);
                c->setText(QString::fromUtf8(fieldRow.caption));
                c->setFont(Look::TahomaPixels(13, true));
                c->setStyleSheet(QStringLiteral("color: %1;").arg(Look::Css(Look::Navy)));
                w = **check = c;
                walked = false;
            } else if (auto *memo = std::get_if<QPlainTextEdit **>(&fieldRow.control)) {
                make.caption();
                QPlainTextEdit *m = make.control<LimitedMemo>("mem", grid.editHeight + (fieldRow.rows - 1) * grid.rowPitch,
                                                              rules.maxLength);
                m->setTabChangesFocus(true);
                w = **memo = m;
                walked = false;  // Enter starts a new line there
            }
            // Every field but a check box stands on its highlight.
            if (!qobject_cast<QCheckBox *>(w)) {
                if (behaviour.highlight == FieldBehaviour::Highlight::Background)
                    AttachBackgroundHighlight(w, fieldRow.rest.value_or(behaviour.rest));
                else
                    AttachFieldHighlight(w, QStringLiteral("eff") + make.name);
            }
            if (walked) {
                chain << w;
                sectionChains.last() << w;
            }
            if (!controls_.empty())
                QWidget::setTabOrder(controls_.back(), w);
            controls_.push_back(w);
        }
    }
    if (behaviour.chain == FieldBehaviour::Chain::Own)
        return;
    if (behaviour.chain == FieldBehaviour::Chain::Loop || sections.isEmpty()) {
        EnterFocusChain(chain);
        return;
    }
    // The head, then whichever section is shown, then back to the head.
    const QList<QWidget *> &head = sectionChains.first();
    if (head.isEmpty())
        return;
    struct Entry {
        QWidget *panel;
        QWidget *first;
    };
    QList<Entry> entries;
    for (int s = 1; s < sections.size(); ++s) {
        QWidget *first = sections[s].enterFirst ? sections[s].enterFirst
                                                : (sectionChains[s].isEmpty() ? nullptr : sectionChains[s].first());
        if (first)
            entries.append(Entry{sections[s].panel, first});
        const QList<QWidget *> &fields = sectionChains[s];
        for (int i = 0; i < fields.size(); ++i) {
            QWidget *to = i + 1 < fields.size() ? fields[i + 1] : head.first();
            EnterMovesFocus(fields[i], [to] { return to; });
        }
    }
    for (int i = 0; i + 1 < head.size(); ++i)
        EnterMovesFocus(head[i], [to = head[i + 1]] { return to; });
    EnterMovesFocus(head.last(), [entries]() -> QWidget * {
        for (const Entry &e : entries)
            if (!e.panel->isHidden())
                return e.first;
        return nullptr;
    });
}
