#include "invoices/InvoiceEntry.h"

#include "common/Text.h"
#include "common/ui/EditRules.h"
#include "invoices/InvoiceMoney.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class InvoiceNumberRules : public QObject {
public:
    InvoiceNumberRules(QLineEdit *edit, InvoiceNumberKind kind, std::function<void()> onKey)
        : QObject(edit), edit(edit), kind(kind), onKey(std::move(onKey))
    {
        setObjectName(QStringLiteral("InvoiceNumberRules"));
        edit->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(e)->key();
            if (key != Qt::Key_Tab && key != Qt::Key_Backtab && onKey)
                onKey();
        } else if (e->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(e)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                normalize();
        }
        return false;
    }

    void normalize()
    {
        const QString t = kind == InvoiceNumberKind::UnitPrice ? UnitPriceExitText(edit->text())
                                                                : NormalizeNumberText(edit->text());
        if (t != edit->text())
            edit->setText(t);
    }

    QLineEdit *edit;
    InvoiceNumberKind kind;
    std::function<void()> onKey;
};

} // namespace

int InvoiceNumberMaxLength(InvoiceNumberKind kind)
{
    return kind == InvoiceNumberKind::Quantity || kind == InvoiceNumberKind::Discount ? 6 : 10;
}

void InstallInvoiceNumberRules(QLineEdit *edit, InvoiceNumberKind kind, std::function<void()> onKey)
{
    if (auto *old = edit->findChild<QObject *>(QStringLiteral("InvoiceNumberRules"), Qt::FindDirectChildrenOnly))
        delete old;
    AmountKeyFilter(edit, InvoiceNumberMaxLength(kind));
    new InvoiceNumberRules(edit, kind, std::move(onKey));
}

void TidyInvoiceNumberEdit(QLineEdit *edit)
{
    // The rules object is named, and only InstallInvoiceNumberRules makes one of that name.
    QObject *found = edit->findChild<QObject *>(QStringLiteral("InvoiceNumberRules"), Qt::FindDirectChildrenOnly);
    if (!found)
        return;
    auto *rules = static_cast<InvoiceNumberRules *>(found);
    if (TrimText(edit->text()).isEmpty() || ParseInvoiceNumber(edit->text()))
        rules->normalize();
}
