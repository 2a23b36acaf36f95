#pragma once
// Articles of the price list and stand-ins for the windows the price-list hand-back writes into.
#include "common/Record.h"
#include "common/ui/RecordCard.h"
#include "common/ui/Widgets.h"
#include "pricelist/PriceListRecord.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <map>

// An article with the given fields, the others empty.
inline Record PriceItem(const std::map<QString, QString> &fields)
{
    Record r(PriceListItemRecordLayout());
    for (const auto &[field, value] : fields)
        r.setText(field, value);
    return r;
}

// An article with a text of its own in every field, marked by `tag`.
inline Record FullPriceItem(const QString &tag)
{
    Record r(PriceListItemRecordLayout());
    for (const QString &name : PriceListItemRecordLayout().names())
        r.setText(name, name.left(4) + ' ' + tag);
    return r;
}

// The control of the price-list card that holds a field: an edit, or a hidden label for the
// attached files and their descriptions.
inline QString PriceCardControl(const QString &field)
{
    static const QStringList labels{"File01", "File02", "File03", "Desc01", "Desc02", "Desc03"};
    return (labels.contains(field) ? QStringLiteral("lbl") : QStringLiteral("txt")) + field;
}

// A stand-in for the price-list card: every control that the tag "servizi" writes.
class FakePriceListCard : public QWidget {
public:
    FakePriceListCard()
    {
        for (const QString &name : PriceListItemRecordLayout().names()) {
            if (PriceCardControl(name).startsWith(QLatin1String("lbl")))
                MakeNamed<QLabel>(this, PriceCardControl(name));
            else
                MakeNamed<QLineEdit>(this, PriceCardControl(name));
        }
        lblPosizione = MakeNamed<QLabel>(this, QStringLiteral("lblPosizione"));
    }
    // The text of the control that holds `field`.
    QString shown(const QString &field) const { return ControlText(findChild<QWidget *>(PriceCardControl(field))); }

    QLabel *lblPosizione;
};

// A stand-in for the invoice card: the thirty lines' code, description, price and quantity edits,
// each filled with "prima".
class FakeInvoiceCard : public QWidget {
public:
    static inline const QStringList LineEdits{QStringLiteral("txtCodice"), QStringLiteral("txtDesc"),
                                              QStringLiteral("txtPrezzo"), QStringLiteral("txtQuant")};

    FakeInvoiceCard()
    {
        for (int line = 1; line <= 30; ++line)
            for (const QString &edit : LineEdits)
                MakeNamed<QLineEdit>(this, lineEdit(edit, line))->setText(QStringLiteral("prima"));
    }
    static QString lineEdit(const QString &edit, int line)
    {
        return edit + QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0'));
    }
    QString text(const QString &edit, int line) const { return findChild<QLineEdit *>(lineEdit(edit, line))->text(); }
};
