#include "invoices/InvoiceRecord.h"

#include <gtest/gtest.h>

namespace {

TEST(InvoiceRecord, FieldsAtTheirOffsetsWithLinesStoredColumnByColumn)
{
    const RecordLayout &layout = InvoiceRecordLayout();
    EXPECT_EQ(layout.recordSize(), 4926);
    ASSERT_EQ(layout.fieldCount(), 246);
    // Around the short fields, where a wrong capacity shifts everything after it, and the first and
    // last element of every column.
    const struct {
        const char *field;
        int offset;
        int capacity;
    } cases[] = {
        {"NumFatt", 0, 30},        {"Data", 31, 20},           {"ProvDitta", 218, 2},     {"IvaDitta", 221, 30},
        {"Cliente", 385, 50},      {"ProvCliente", 551, 2},    {"IvaCliente", 554, 30},   {"Targa", 1075, 50},
        {"Quant01", 1126, 6},      {"Quant02", 1133, 6},       {"Quant30", 1329, 6},      {"Codice01", 1336, 20},
        {"Codice30", 1945, 20},    {"Desc01", 1966, 55},       {"Desc30", 3590, 55},      {"Prezzo01", 3646, 10},
        {"Prezzo30", 3965, 10},    {"PercSconto01", 3976, 6},  {"PercSconto30", 4179, 6}, {"Importo01", 4186, 10},
        {"Importo30", 4505, 10},   {"Es01", 4516, 2},          {"Es12", 4549, 2},         {"Es30", 4603, 2},
        {"TotImponibile", 4606, 10}, {"PercIva", 4617, 10},    {"TotFattura", 4661, 10},  {"Note", 4672, 250},
        {"Saldata", 4923, 2},
    };
    for (const auto &c : cases) {
        const int i = layout.indexOf(QString::fromLatin1(c.field));
        ASSERT_GE(i, 0) << c.field;
        EXPECT_EQ(layout.offset(i), c.offset) << c.field;
        EXPECT_EQ(layout.capacity(i), c.capacity) << c.field;
    }
    EXPECT_EQ(InvoiceLineField("Prezzo", 7), "Prezzo07");
}

TEST(InvoiceRecord, ExemptFlagOfALineIsStoredInWindows1252)
{
    Record r(InvoiceRecordLayout());
    r.setText(InvoiceLineField("Es", 12), YesNoFlag(true));
    EXPECT_EQ(r.bytes().mid(4549, 3), QByteArray("\x02\x53\xEC", 3));
    r.setText(InvoiceLineField("Es", 12), YesNoFlag(false));
    EXPECT_EQ(r.bytes().mid(4549, 3), QByteArray("\x02\x4E\x6F", 3));
}

} // namespace
