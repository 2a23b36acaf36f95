#pragma once
// Small invoice archives for the search, lists and summaries.
#include "common/Record.h"
#include "invoices/InvoiceRecord.h"
#include "tests/support/FileBytes.h"

#include <initializer_list>
#include <utility>
#include <vector>

// An invoice with the given fields; every other field is empty.
inline Record MakeInvoice(std::initializer_list<std::pair<const char *, QString>> fields)
{
    Record r(InvoiceRecordLayout());
    for (const auto &[field, text] : fields)
        r.setText(field, text);
    return r;
}

// An invoice dated `date` with its four totals, subject to VAT.
inline Record DatedInvoice(const QString &number, const QString &date, const QString &customer,
                           const QString &taxable, const QString &vat, const QString &exempt, const QString &total)
{
    return MakeInvoice({{"NumFatt", number},
                        {"Data", date},
                        {"Cliente", customer},
                        {"TotImponibile", taxable},
                        {"TotImposta", vat},
                        {"TotEsente", exempt},
                        {"TotFattura", total},
                        {"Saldata", "No"}});
}

#include <QDir>
#include <QImage>

// Saves a picture for a person to look at, when TAVOREN_RENDER_DIR names a folder.
inline void SaveForViewing(const QImage &image, const QString &name)
{
    const QString dir = qEnvironmentVariable("TAVOREN_RENDER_DIR");
    if (!dir.isEmpty())
        image.save(QDir(dir).filePath(name));
}
