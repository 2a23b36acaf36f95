#include "common/Record.h"

#include <QString>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// The yearly invoice record: 28 header fields, seven columns of 30 lines stored column by column,
// 8 closing fields.
RecordLayout invoiceLayout()
{
    RecordLayout layout{{"NumFatt", 30},    {"Data", 20},         {"Ditta", 50},       {"ViaDitta", 50},
                        {"CapDitta", 12},   {"CittaDitta", 50},   {"ProvDitta", 2},    {"IvaDitta", 30},
                        {"CodFiscDitta", 30}, {"Libero01", 50},   {"Libero02", 50},    {"Cliente", 50},
                        {"ViaCliente", 50}, {"CapCliente", 12},   {"CittaCliente", 50}, {"ProvCliente", 2},
                        {"IvaCliente", 30}, {"CodFiscCliente", 30}, {"Riferimenti", 50}, {"Pagamento", 50},
                        {"Banca", 50},      {"Iban", 50},         {"Veicolo", 50},     {"Marca", 50},
                        {"Colore", 50},     {"Immatricolazione", 50}, {"Alimentazione", 50}, {"Targa", 50}};
    layout.appendColumns({{"Quant", 6}, {"Codice", 20}, {"Desc", 55}, {"Prezzo", 10}, {"PercSconto", 6},
                          {"Importo", 10}, {"Es", 2}},
                         30);
    layout.append({{"TotImponibile", 10}, {"PercIva", 10}, {"TotImposta", 10}, {"TotIva", 10},
                   {"TotEsente", 10}, {"TotFattura", 10}, {"Note", 250}, {"Saldata", 2}});
    return layout;
}

} // namespace

TEST(RecordLayout, LiteralTableGivesOffsetsAndSize)
{
    const RecordLayout layout{{"Nome", 10}, {"Attivo", 2}, {"Note", 5}};
    EXPECT_EQ(layout.fieldCount(), 3);
    EXPECT_EQ(layout.recordSize(), 11 + 3 + 6);
    EXPECT_EQ(layout.offset(1), 11);
    EXPECT_EQ(layout.offset(2), 14);
    EXPECT_STREQ(layout.field(1).name, "Attivo");
    EXPECT_EQ(layout.field(2).capacity, 5);
    EXPECT_EQ(layout.indexOf("Note"), 2);
    EXPECT_EQ(layout.indexOf("note"), -1);
    EXPECT_EQ(layout.names(), QStringList({"Nome", "Attivo", "Note"}));
}

TEST(RecordLayout, ColumnsAreStoredColumnByColumnAsTheInvoiceRecord)
{
    const RecordLayout layout = invoiceLayout();
    EXPECT_EQ(layout.fieldCount(), 246);
    EXPECT_EQ(layout.recordSize(), 4926);
    const struct {
        const char *field;
        int offset;
        int capacity;
    } cases[] = {
        {"NumFatt", 0, 30},      {"Targa", 1075, 50},       {"Quant01", 1126, 6},   {"Quant30", 1329, 6},
        {"Codice01", 1336, 20},  {"Codice30", 1945, 20},    {"Desc01", 1966, 55},   {"Desc30", 3590, 55},
        {"Prezzo01", 3646, 10},  {"PercSconto01", 3976, 6}, {"Importo30", 4505, 10}, {"Es01", 4516, 2},
        {"Es12", 4549, 2},       {"Es30", 4603, 2},         {"TotImponibile", 4606, 10}, {"Note", 4672, 250},
        {"Saldata", 4923, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.field);
        const int i = layout.indexOf(c.field);
        ASSERT_GE(i, 0);
        EXPECT_EQ(layout.offset(i), c.offset);
        EXPECT_EQ(layout.capacity(i), c.capacity);
    }
    // The element after Quant30 is Codice01, not Quant31 nor Codice by line.
    EXPECT_EQ(layout.name(layout.indexOf("Quant30") + 1), "Codice01");
    EXPECT_EQ(layout.indexOf("Quant31"), -1);
}

TEST(RecordLayout, OwnsGeneratedNamesAfterTheirSourceIsGone)
{
    RecordLayout copy;
    {
        RecordLayout layout;
        for (int i = 1; i <= 3; ++i)
            layout.append(QStringLiteral("Campo") + QString::number(i), 4);
        copy = layout;
    }
    EXPECT_STREQ(copy.field(2).name, "Campo3");
    Record r(copy);
    r.setText("Campo2", "abcdef");
    EXPECT_EQ(r.text(1), "abcd");
}

TEST(RecordLayout, RefusesWiringMistakes)
{
    RecordLayout layout{{"Nome", 10}};
    EXPECT_THROW(layout.append("Nome", 5), std::logic_error);
    EXPECT_THROW(layout.append("Lunga", 256), std::logic_error);
    EXPECT_THROW(layout.append("Negativa", -1), std::logic_error);
    EXPECT_THROW(layout.appendColumns({{"Riga", 5}}, 0), std::logic_error);
    EXPECT_THROW(layout.appendColumns({{"Riga", 5}}, 100), std::logic_error);
    EXPECT_THROW(layout.appendColumns({{"Nome", 5}, {"Nome", 5}}, 2), std::logic_error);
    EXPECT_THROW((RecordLayout{{"A", 1}, {"A", 1}}), std::logic_error);
}
