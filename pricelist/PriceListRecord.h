#pragma once
#include "common/Record.h"

#include <QString>
#include <optional>

// The name of the price list's archive in the program folder.
inline const QString PriceListArchiveName = QStringLiteral("Magazzino.pro");

// `TPriceListItemRecord`: one product or service of "Magazzino.pro", 21 text fields, 3136 bytes.
const RecordLayout &PriceListItemRecordLayout();

// The arithmetic of prices, stock and value. Every function reads its texts as number texts
// (ParseNumberText: decimal comma, blanks of code 32 or less around them, an optional exponent) and
// gives std::nullopt for a text that is not a number, leaving the caller to choose between
// replacing it and refusing.

// A quantity (stock, minimum stock) as a whole number: blank gives "0"; otherwise rounded half away
// from zero to no decimals and written in the general number form ("007" -> "7", "-3" -> "-3").
std::optional<QString> WholeQuantityText(const QString &text);

// An amount (price, cost, value) in amount form: blank gives "0,00"; otherwise rounded half away
// from zero to four decimals, then given at least two ("12" -> "12,00", "3,14159" -> "3,1416").
std::optional<QString> AmountText(const QString &text);

// The stock value: cost × stock, exact, rounded half away from zero to two decimals and given as
// amount text ("0,335" × "3" -> "1,01"). A blank cost or stock counts as zero.
std::optional<QString> StockValueText(const QString &cost, const QString &stock);

// The stock after adding (`add`) or subtracting a quantity: exact, no rounding and no lower
// bound ("2" - "5" -> "-3"). A blank stock or quantity counts as zero.
std::optional<QString> StockTotalText(const QString &stock, const QString &quantity, bool add);
