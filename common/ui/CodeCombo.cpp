#include "common/ui/CodeCombo.h"

#include "common/ui/EditRules.h"
#include "common/Text.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

namespace {

class CodeComboFocus : public QObject {
public:
    explicit CodeComboFocus(QComboBox *box) : QObject(box), box(box) { box->installEventFilter(this); }

    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::FocusIn) {
            DropComboSelection(box);
        } else if (e->type() == QEvent::FocusOut) {
            const QString text = UpperText(TrimText(box->currentText()));
            if (text != box->currentText())
                box->setEditText(text);
        }
        return false;
    }

private:
    QComboBox *box;
};

} // namespace

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

void DropComboSelection(QComboBox *box)
{
    const QString text = box->currentText();
    box->setCurrentIndex(-1);
    box->setEditText(text);
}
