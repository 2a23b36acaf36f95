#pragma once
#include "common/Record.h"

#include <QString>
#include <functional>

class QWidget;

// `PriceItemListLine`: the line of an article in the price-list search and the low-stock list,
// and the key that finds it again: description (35), type (25), price (10) and stock (12) in
// fixed columns, then the note whole.
QString PriceItemListLine(const Record &item);

// The tag of the price-list card, and the tag of invoice line `line` (1 to 30: "fat_art_07").
inline const QString PriceListCardTag = QStringLiteral("servizi");
QString InvoiceLineTag(int line);

// `PriceItemHandBack`: writes an article chosen in the price-list search or the low-stock list
// into the window that the context tag (trimmed, compared exactly) names, each control receiving
// its field trimmed. "servizi" loads the whole article into the price-list card with its record
// number in lblPosizione, so that the card's next Save overwrites it; "fat_art_NN" writes the
// article's code, description and price into invoice line NN (txtCodiceNN, txtDescNN,
// txtPrezzoNN) and nothing else: no amount is worked out again and no stock changes. A tag that
// names no window, or whose window does not exist (yet), writes nothing.
void PriceItemHandBack(const QString &tag, const Record &item, int number);

// A window that the price-list hand-back writes into registers its tag with a function that finds
// its single instance (nullptr while there is none): the price-list card "servizi", the invoice
// card each of "fat_art_01" .. "fat_art_30". Registering a tag again replaces its finder.
void RegisterPriceItemTarget(const QString &tag, std::function<QWidget *()> findWindow);
