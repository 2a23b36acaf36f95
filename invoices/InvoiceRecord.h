#pragma once
#include "common/Record.h"
#include "invoices/InvoiceMoney.h"

#include <QString>

// The extension of the yearly invoice archives: the invoices of 2024 live in "2024.fat".
inline const QString InvoiceArchiveExtension = QStringLiteral(".fat");

// `TInvoiceRecord`: one pro-forma invoice of a year archive, 246 text fields, 4926 bytes: the
// header, the 30 article lines stored column by column ("Quant01".."Quant30", then "Codice01"..),
// then the totals, the notes and the document's VAT-exemption flag.
const RecordLayout &InvoiceRecordLayout();

// The name of line `line`'s field of a column: InvoiceLineField("Prezzo", 7) is "Prezzo07".
QString InvoiceLineField(const char *column, int line);
