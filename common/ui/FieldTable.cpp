#include "common/ui/FieldTable.h"

#include "common/Record.h"
#include "common/ui/CardPanel.h"
#include "common/ui/CodeCombo.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

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

struct Maker {
    const FieldGrid &grid;
    const FieldSpec &spec;
    QWidget *panel;
    QString name = QString::fromLatin1(spec.name);

    QRect place(int height) const
    {
        return QRect(spec.x, spec.row * grid.rowPitch + grid.editTop, spec.width, height);
    }
    void caption() const
    {
        MakeCaption(panel, QStringLiteral("tit") + name, QString::fromUtf8(spec.caption),
                    QRect(spec.x, spec.row * grid.rowPitch + grid.captionTop, spec.width + 40, 18));
    }
    template <typename T>
    T *control(const char *prefix, int height) const
    {
        auto *w = MakeNamed<T>(panel, QString::fromLatin1(prefix) + name);
        w->setFont(grid.editFont);
        w->setGeometry(place(height));
        // Moving the mouse over a field leaves the status text as it is.
        w->setAttribute(Qt::WA_NoMousePropagation);
        w->setMouseTracking(true);
        return w;
    }
};

} // namespace

FieldTable::FieldTable(const FieldGrid &grid, const QList<FieldSection> &sections, const RecordLayout *layout)
{
    for (const FieldSection &section : sections) {
        for (const FieldSpec &spec : section.fields) {
            const Maker make{grid, spec, section.panel};
            EditRules rules = spec.rules;
            if (rules.maxLength < 0)
                rules.maxLength = capacityOf(layout, make.name);
            QWidget *w = nullptr;
            bool walked = true;
            if (auto *edit = std::get_if<QLineEdit **>(&spec.control)) {
                make.caption();
                auto *e = make.control<QLineEdit>("txt", grid.editHeight);
                e->setAlignment(spec.alignment);
                ApplyEditRules(e, rules);
                w = **edit = e;
            } else if (auto *box = std::get_if<QComboBox **>(&spec.control)) {
                make.caption();
                auto *c = make.control<QComboBox>("txt", grid.editHeight);
                // The code box brings its own typing and focus rules.
                MakeCodeCombo(c, spec.codes ? *spec.codes : QStringList(), rules.maxLength);
                c->lineEdit()->setFont(grid.editFont);
                c->lineEdit()->setAttribute(Qt::WA_NoMousePropagation);
                w = **box = c;
            } else if (auto *check = std::get_if<QCheckBox **>(&spec.control)) {
                auto *c = make.control<QCheckBox>("chk", grid.editHeight);
                c->setText(QString::fromUtf8(spec.caption));
                c->setFont(Look::TahomaPixels(13, true));
                c->setStyleSheet(QStringLiteral("color: %1;").arg(Look::Css(Look::Navy)));
                w = **check = c;
                walked = false;
            } else if (auto *memo = std::get_if<QPlainTextEdit **>(&spec.control)) {
                make.caption();
                auto *m = make.control<QPlainTextEdit>("mem", grid.editHeight + (spec.rows - 1) * grid.rowPitch);
                m->setTabChangesFocus(true);
                w = **memo = m;
                walked = false;  // Enter starts a new line there
            }
            if (walked) {
                AttachFieldHighlight(w, QStringLiteral("eff") + make.name);
                chain_ << w;
            } else if (qobject_cast<QPlainTextEdit *>(w)) {
                AttachFieldHighlight(w, QStringLiteral("eff") + make.name);
            }
            if (!controls_.empty())
                QWidget::setTabOrder(controls_.back(), w);
            controls_.push_back(w);
        }
    }
    EnterFocusChain(chain_);
}
