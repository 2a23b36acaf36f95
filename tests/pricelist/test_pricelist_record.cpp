#include "pricelist/PriceListRecord.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

const std::optional<QString> NotANumber;

TEST(PriceListRecord, TwentyOneFieldsAtTheirOffsets)
{
    const RecordLayout &layout = PriceListItemRecordLayout();
    EXPECT_EQ(layout.recordSize(), 3136);
    ASSERT_EQ(layout.fieldCount(), 21);
    EXPECT_EQ(PriceListArchiveName, "Magazzino.pro");
    const struct {
        const char *field;
        int offset;
        int capacity;
    } cases[] = {
        {"Descrizione", 0, 55},     {"Prezzo", 56, 10},    {"Tipologia", 67, 50},  {"Tempi", 118, 250},
        {"Supplementi", 369, 20},   {"Personale", 390, 250}, {"Note", 641, 250},   {"Marca", 892, 50},
        {"Collocazione", 943, 120}, {"Giacenza", 1064, 15}, {"Sottoscorta", 1080, 15}, {"Costo", 1096, 15},
        {"Valore", 1112, 15},       {"Fornitore", 1128, 250}, {"Ordine", 1379, 250}, {"File01", 1630, 250},
        {"File02", 1881, 250},      {"File03", 2132, 250}, {"Desc01", 2383, 250},  {"Desc02", 2634, 250},
        {"Desc03", 2885, 250},
    };
    for (int i = 0; i < int(std::size(cases)); ++i) {
        EXPECT_EQ(layout.name(i), QString::fromLatin1(cases[i].field)) << i;
        EXPECT_EQ(layout.offset(i), cases[i].offset) << cases[i].field;
        EXPECT_EQ(layout.capacity(i), cases[i].capacity) << cases[i].field;
    }
}

TEST(PriceListArithmetic, StockValueIsExactAndRoundedHalfAwayFromZero)
{
    const struct {
        const char *cost;
        const char *stock;
        std::optional<QString> value;
    } cases[] = {
        {"2,50", "3", "7,50"},
        {"0,335", "3", "1,01"},      // 1,005 exactly: a binary double would give 1,00
        {"1,005", "1", "1,01"},
        {"12", "1", "12,00"},
        {"0,335", "-3", "-1,01"},    // a negative stock rounds away from zero as well
        {"2,5", "-3", "-7,50"},
        {"0,0049", "1", "0,00"},
        {"0,001", "5", "0,01"},
        {"", "", "0,00"},            // blanks count as zero
        {" 1,5 ", "  4 ", "6,00"},
        {"1,2,3", "3", NotANumber},
        {",", "3", NotANumber},
        {"2,50", "abc", NotANumber},
        {"999999999999999", "999999999999999", "999999999999998000000000000001,00"},
        {"2,5E-1", "1E2", "25,00"},  // the exponent form of a stored number
        {"\u00a0", "3", NotANumber},  // non-breaking spaces are no blank
    };
    for (const auto &c : cases)
        EXPECT_EQ(StockValueText(c.cost, c.stock), c.value) << c.cost << " x " << c.stock;
}

TEST(PriceListArithmetic, QuantitiesBecomeWholeNumbersAndNegativesStay)
{
    const struct {
        const char *text;
        std::optional<QString> whole;
    } cases[] = {
        {"007", "7"},  {"", "0"},     {"  ", "0"},  {"-3", "-3"}, {"-2,5", "-3"}, {"2,5", "3"},
        {"2,49", "2"}, {"0", "0"},    {"-0", "0"},  {"12a", NotANumber}, {"1,2,3", NotANumber},
        {"1E3", "1000"}, {"\u00a0\u00a0", NotANumber},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WholeQuantityText(c.text), c.whole) << c.text;
    // A stock of -3 stays -3 however often it is brought to whole form.
    QString stock = "-3";
    for (int i = 0; i < 3; ++i)
        stock = *WholeQuantityText(stock);
    EXPECT_EQ(stock, "-3");
}

TEST(PriceListArithmetic, AmountsKeepTwoToFourDecimals)
{
    const struct {
        const char *text;
        std::optional<QString> amount;
    } cases[] = {
        {"12", "12,00"},   {"12,5", "12,50"}, {"3,14159", "3,1416"}, {"", "0,00"}, {",5", "0,50"},
        {"0,00005", "0,0001"}, {"1,2,3", NotANumber}, {",", NotANumber}, {"1.5", NotANumber},
        {"1E3", "1000,00"}, {"2,5e-1", "0,25"}, {"1E", NotANumber},
        {"\u00a0", NotANumber}, {"\u00a0\u00a0\u00a0", NotANumber},  // not blank: only codes up to 32 are
    };
    for (const auto &c : cases)
        EXPECT_EQ(AmountText(c.text), c.amount) << c.text;
}

TEST(PriceListArithmetic, StockTotalAddsOrSubtractsWithoutBound)
{
    EXPECT_EQ(StockTotalText("10", "5", true), "15");
    EXPECT_EQ(StockTotalText("10", "15", false), "-5");
    EXPECT_EQ(StockTotalText("2", "5", false), "-3");
    EXPECT_EQ(StockTotalText("10", "", true), "10");
    EXPECT_EQ(StockTotalText("", "4", false), "-4");
    EXPECT_EQ(StockTotalText("10", "x", true), NotANumber);
}

}  // namespace
