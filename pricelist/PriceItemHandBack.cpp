#include "pricelist/PriceItemHandBack.h"

#include "common/ArchiveSearch.h"
#include "common/Text.h"
#include "common/ui/RecordCard.h"
#include "dialogs/TagTargets.h"
#include "pricelist/PriceListRecord.h"

#include <QList>
#include <QWidget>
#include <utility>

namespace {

constexpr int InvoiceLines = 30;

TagTargets<QWidget *> &priceItemTargets()
{
    static TagTargets<QWidget *> targets;
    return targets;
}

// The price-list card takes every field: the fifteen edits as "txt" + name, the attached files
// File01..File03 and their descriptions Desc01..Desc03 in hidden labels ("Descrizione" is an edit).
const QList<ControlField> &cardControls()
{
    static const QList<ControlField> controls = [] {
        QList<ControlField> list;
        for (const QString &name : PriceListItemRecordLayout().names()) {
            const bool attachment =
                name.size() == 6 && (name.startsWith(QLatin1String("File")) || name.startsWith(QLatin1String("Desc")));
            list.append({(attachment ? QStringLiteral("lbl") : QStringLiteral("txt")) + name, name});
        }
        return list;
    }();
    return controls;
}

// An invoice line takes the code, then the description, then the price.
QList<ControlField> invoiceLineControls(int line)
{
    const QString nn = QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0'));
    return {{QStringLiteral("txtCodice") + nn, QStringLiteral("Supplementi")},
            {QStringLiteral("txtDesc") + nn, QStringLiteral("Descrizione")},
            {QStringLiteral("txtPrezzo") + nn, QStringLiteral("Prezzo")}};
}

// The invoice line a tag names, 0 for any other tag.
int invoiceLineOf(const QString &tag)
{
    for (int line = 1; line <= InvoiceLines; ++line)
        if (tag == InvoiceLineTag(line))
            return line;
    return 0;
}

} // namespace

QString PriceItemListLine(const Record &item)
{
    static const ColumnLine line(PriceListItemRecordLayout(), {{"", "Descrizione", 35},
                                                              {"  Tipo: ", "Tipologia", 25},
                                                              {"  Importo: \u20ac ", "Prezzo", 10},
                                                              {"  Giacenza: ", "Giacenza", 12},
                                                              {"  Note: ", "Note", 0}});
    return line(item);
}

QString InvoiceLineTag(int line) { return QStringLiteral("fat_art_%1").arg(line, 2, 10, QLatin1Char('0')); }

void RegisterPriceItemTarget(const QString &tag, std::function<QWidget *()> findWindow)
{
    priceItemTargets().add(tag, std::move(findWindow));
}

void PriceItemHandBack(const QString &tag, const Record &item, int number)
{
    const QString wanted = TrimText(tag);
    const bool card = wanted == PriceListCardTag;
    const int line = card ? 0 : invoiceLineOf(wanted);
    if (!card && line == 0)
        return;
    QWidget *target = priceItemTargets().find(wanted);
    if (!target)
        return;
    if (!card) {
        WriteFieldsToControls(target, item, invoiceLineControls(line));
        return;
    }
    WriteFieldsToControls(target, item, cardControls());
    if (auto *w = target->findChild<QWidget *>(QStringLiteral("lblPosizione")))
        SetControlText(w, QString::number(number));
}
