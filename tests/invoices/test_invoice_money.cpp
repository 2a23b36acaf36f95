#include "invoices/InvoiceEntry.h"
#include "invoices/InvoiceMoney.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct Line {
    const char *quantity;
    const char *price;
    const char *discount;
    bool exempt = false;
};

// Lines 1.. as given, the rest blank.
InvoiceLines invoice(const std::vector<Line> &given)
{
    InvoiceLines lines;
    for (size_t i = 0; i < given.size(); ++i)
        lines[i] = {given[i].quantity, given[i].price, given[i].discount, given[i].exempt};
    return lines;
}

QString number(const QString &text)
{
    const std::optional<Decimal> d = ParseInvoiceNumber(text);
    return d ? d->toGeneralText() : QStringLiteral("<none>");
}

} // namespace

// Each invoice: its lines and rate, the amounts of those lines and the five totals
// (imponibile, imposta, IVA inclusa, esente, TOTALE).
TEST(InvoiceMoney, InvoicesWorkOutToTheCentAndAddUp)
{
    struct Case {
        const char *what;
        std::vector<Line> lines;
        const char *rate;
        std::vector<const char *> amounts;
        std::array<const char *, 5> totals;
    };
    const Case cases[] = {
        {"worked example: the totals add up to 46,87",
         {{"3", "10,05", "15"}, {"", "18,35", "15", true}},
         "22",
         {"25,6275", "15,5975"},
         {"25,63", "5,64", "31,27", "15,60", "46,87"}},
        {"the net is rounded once, not the gross or the discount",
         {{"0,713", "999,14", "2,73"}},
         "0",
         {"692,9387"},
         {"692,94", "0,00", "692,94", "0,00", "692,94"}},
        {"tax from the rounded taxable, half away from zero", {{"1", "1,75", ""}}, "22", {"1,75"},
         {"1,75", "0,39", "2,14", "0,00", "2,14"}},
        {"tax of 0,115 is 0,12", {{"1", "1,15", ""}}, "10", {"1,15"}, {"1,15", "0,12", "1,27", "0,00", "1,27"}},
        {"an amount of 1,005 is a taxable 1,01", {{"1", "1,005", ""}}, "22", {"1,005"},
         {"1,01", "0,22", "1,23", "0,00", "1,23"}},
        {"a discount above 100 % gives a negative line", {{"1", "10", "110"}}, "22", {"-1,00"},
         {"-1,00", "-0,22", "-1,22", "0,00", "-1,22"}},
        {"the tax is rounded once from the exact product: 0,00495 is 0,00", {{"1", "0,45", ""}}, "1,1", {"0,45"},
         {"0,45", "0,00", "0,45", "0,00", "0,45"}},
        {"plain, discounted, without quantity, without price",
         {{"2", "4,50", ""}, {"3", "2,99", "3,3"}, {"", "12,50", ""}, {"4", "", ""}},
         "22",
         {"9,00", "8,674", "12,50", "0,00"},
         {"30,17", "6,64", "36,81", "0,00", "36,81"}},
        {"a discount of 100 % gives 0,00", {{"5", "7,30", "100"}}, "22", {"0,00"},
         {"0,00", "0,00", "0,00", "0,00", "0,00"}},
        {"every line exempt", {{"1", "10", "", true}, {"2", "2,50", "", true}}, "22", {"10,00", "5,00"},
         {"0,00", "0,00", "0,00", "15,00", "15,00"}},
        {"numbers with an exponent and a lone comma", {{"1E3", "2,5e-1", ""}, {"2", ",", ""}}, "2E1",
         {"250,00", "0,00"},
         {"250,00", "50,00", "300,00", "0,00", "300,00"}},
        {"a line without quantity and price is skipped, whatever its discount",
         {{"", "", "abc"}, {" ", "  ", "10", true}, {"1", "3", ""}},
         "10",
         {"", "", "3,00"},
         {"3,00", "0,30", "3,30", "0,00", "3,30"}},
        {"all blank", {}, "", {}, {"0,00", "0,00", "0,00", "0,00", "0,00"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const InvoiceCalculation r = CalculateInvoice(invoice(c.lines), c.rate);
        ASSERT_TRUE(r.ok()) << r.failure->message().toStdString();
        const InvoiceTotals &t = *r.totals;
        for (size_t i = 0; i < c.amounts.size(); ++i)
            EXPECT_EQ(t.amounts[i], c.amounts[i]) << "line " << i + 1;
        for (size_t i = c.amounts.size(); i < InvoiceLineCount; ++i)
            EXPECT_EQ(t.amounts[i], "") << "line " << i + 1;
        EXPECT_EQ((std::array<QString, 5>{t.taxable, t.tax, t.withTax, t.exempt, t.total}),
                  (std::array<QString, 5>{c.totals[0], c.totals[1], c.totals[2], c.totals[3], c.totals[4]}));
    }
}

TEST(InvoiceMoney, BlankQuantityPriceAndRateAreFilledOthersKeptAsTheyStand)
{
    const InvoiceCalculation r =
        CalculateInvoice(invoice({{"", "12,50", ""}, {"4", "", ""}, {"02", "1,5", " 5 "}, {"", "", "7"}}), " ");
    ASSERT_TRUE(r.ok());
    const InvoiceTotals &t = *r.totals;
    EXPECT_EQ((std::vector<QString>{t.quantities[0], t.quantities[1], t.quantities[2], t.quantities[3]}),
              (std::vector<QString>{"1", "4", "02", ""}));
    EXPECT_EQ((std::vector<QString>{t.prices[0], t.prices[1], t.prices[2], t.prices[3]}),
              (std::vector<QString>{"12,50", "0,00", "1,5", ""}));
    EXPECT_EQ(t.rate, "0");
    EXPECT_EQ(t.amounts[2], "2,85");
    // A rate that is there stays as it was typed.
    EXPECT_EQ(CalculateInvoice(invoice({}), "22,0").totals->rate, "22,0");
}

TEST(InvoiceMoney, TheFirstTextThatDoesNotConvertStopsTheCalculationNamingLineAndField)
{
    struct Case {
        const char *what;
        std::vector<Line> lines;
        const char *rate;
        int line;
        InvoiceField field;
    };
    std::vector<Line> thirty(30, Line{"1", "1", ""});
    thirty[29].quantity = "1-";
    std::vector<Line> huge(3, Line{"9E3", "9E29", ""});
    const Case cases[] = {
        {"a price with two commas", {{"1", "2", ""}, {"1", "2", ""}, {"1", "1,2,3", ""}}, "22", 3, InvoiceField::Price},
        {"a discount that is not a number", {{"1", "2", ""}, {"1", "2", "x"}}, "22", 2, InvoiceField::Discount},
        {"the discount is read before the price", {{"1", "1,,", "5%"}}, "22", 1, InvoiceField::Discount},
        {"a quantity on the last line", thirty, "22", 30, InvoiceField::Quantity},
        {"a line before a bad rate", {{"1", "2.5", ""}}, "x", 1, InvoiceField::Price},
        {"the rate", {{"1", "2", ""}}, "22%", 0, InvoiceField::Rate},
        {"a line amount too large to hold", {{"1E10", "1E29", ""}}, "22", 1, InvoiceField::Amount},
        {"a sum too large to hold", huge, "0", 0, InvoiceField::Totals},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const InvoiceCalculation r = CalculateInvoice(invoice(c.lines), c.rate);
        ASSERT_FALSE(r.ok());
        ASSERT_TRUE(r.failure.has_value());
        EXPECT_EQ(r.failure->line, c.line);
        EXPECT_EQ(r.failure->field, c.field);
    }
}

TEST(InvoiceMoney, TheWarningNamesTheLineAndTheField)
{
    struct Case {
        InvoiceFailure failure;
        const char *message;
    };
    const Case cases[] = {
        {{3, InvoiceField::Price},
         "Impossibile calcolare i totali: alla riga 3 il campo \"Prezzo\" non contiene un numero valido."},
        {{12, InvoiceField::Quantity},
         "Impossibile calcolare i totali: alla riga 12 il campo \"Quant.\" non contiene un numero valido."},
        {{30, InvoiceField::Discount},
         "Impossibile calcolare i totali: alla riga 30 il campo \"% Sc.\" non contiene un numero valido."},
        {{7, InvoiceField::Amount}, "Impossibile calcolare i totali: alla riga 7 l'importo è troppo grande."},
        {{0, InvoiceField::Rate}, "Impossibile calcolare i totali: il campo \"IVA\" non contiene un numero valido."},
        {{0, InvoiceField::Totals}, "Impossibile calcolare i totali: i totali della fattura sono troppo grandi."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.failure.message(), QString::fromUtf8(c.message));
}

TEST(InvoiceMoney, NumberGrammar)
{
    struct Case {
        const char *text;
        const char *value;  // general text, or <none>
    };
    const Case cases[] = {
        {"12", "12"},          {" 12 ", "12"},         {"-3", "-3"},           {"+,5", "0,5"},
        {",", "0"},            {",5", "0,5"},          {"5,", "5"},            {"02", "2"},
        {"1E3", "1000"},       {"1e3", "1000"},        {"2,5e-1", "0,25"},     {"-1,5E+2", "-150"},
        {",E3", "0"},          {"0,00012E4", "1,2"},   {"1e-5", "0"},          {"5e-5", "0,0001"},
        {"-5e-5", "-0,0001"},  {"1,23456", "1,2346"},  {"0,00004", "0"},       {"1E-99999999999", "0"},
        {"9E29", "900000000000000000000000000000"},    {"1E30", "<none>"},     {"1E99999999999", "<none>"},
        {"", "<none>"},        {"   ", "<none>"},      {"1,2,3", "<none>"},    {",,", "<none>"},
        {"-", "<none>"},       {"E3", "<none>"},       {"1E", "<none>"},       {"1E+", "<none>"},
        {"1E3,5", "<none>"},   {"1.5", "<none>"},      {"1 5", "<none>"},      {"12a", "<none>"},
        {"--1", "<none>"},     {"1234567890123456", "<none>"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(number(c.text), c.value) << c.text;
}

TEST(InvoiceMoney, ExitRulesOfTheNumberEdits)
{
    struct Case {
        const char *typed;
        const char *number;     // quantity, discount, VAT rate
        const char *unitPrice;
    };
    const Case cases[] = {
        {"", "", ""},
        {"   ", "   ", ""},
        {"2", "2", "2,00"},
        {"02", "2", "2,00"},
        {"2,", "2", "2,00"},
        {"2,50", "2,5", "2,50"},
        {"22,0", "22", "22,00"},
        {",5", "0,5", "0,50"},
        {",", "0", "0,00"},
        {"12,345", "12,345", "12,345"},
        {"12,34567", "12,3457", "12,3457"},
        {"1,23456", "1,2346", "1,2346"},
        {"0,00004", "0", "0,00"},
        {"1,2,3", "", "0,00"},
        {",,", "", "0,00"},
        {"1E3", "1000", "1000,00"},
        {"9999999999", "9999999999", "9999999999,00"},
        {"99999999,9", "99999999,9", "99999999,90"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(NormalizeNumberText(c.typed), c.number) << c.typed;
        EXPECT_EQ(UnitPriceExitText(c.typed), c.unitPrice) << c.typed;
    }
}

namespace {

// An edit with the invoice rules and a neighbour to move the focus to.
class NumberEdit : public ::testing::Test {
protected:
    void install(InvoiceNumberKind kind)
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(next);
        InstallInvoiceNumberRules(edit, kind, [this] { ++keys; });
        window.show();
        ASSERT_TRUE(WaitActive(&window));
        edit->setFocus();
    }

    QWidget window;
    QLineEdit *edit = new QLineEdit(&window);
    QLineEdit *next = new QLineEdit(&window);
    int keys = 0;
};

} // namespace

TEST_F(NumberEdit, EveryKeyButTabIsReportedAndOnlyDigitsAndCommasAreTyped)
{
    install(InvoiceNumberKind::Quantity);
    QTest::keyClicks(edit, "1a2 -.,5");
    EXPECT_EQ(edit->text(), "12,5");
    EXPECT_EQ(keys, 8);  // the swallowed letter, blank, minus and full stop too
    QTest::keyClick(edit, Qt::Key_Left);
    EXPECT_EQ(edit->cursorPosition(), 3);
    EXPECT_EQ(keys, 9);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(keys, 10);
    // Ctrl+V pastes what the edit takes of the clipboard, and is still reported.
    QGuiApplication::clipboard()->setText(" x7 ");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_GT(keys, 10);
    EXPECT_EQ(edit->text(), "12,75");
    QTest::keyClick(edit, Qt::Key_Backspace);
    const int before = keys;
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(keys, before);
    EXPECT_EQ(QApplication::focusWidget(), next);
}

TEST_F(NumberEdit, TypingStopsAtTheCapacityOfEachKind)
{
    const std::pair<InvoiceNumberKind, int> kinds[] = {
        {InvoiceNumberKind::Quantity, 6},
        {InvoiceNumberKind::Discount, 6},
        {InvoiceNumberKind::Rate, 10},
        {InvoiceNumberKind::UnitPrice, 10},
    };
    install(InvoiceNumberKind::Quantity);
    for (const auto &[kind, length] : kinds) {
        SCOPED_TRACE(length);
        InstallInvoiceNumberRules(edit, kind, {});
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, "123456789012");
        EXPECT_EQ(edit->text(), QString("123456789012").left(length));
    }
    // Text set by the program is not cut.
    edit->setText("1234567890123");
    EXPECT_EQ(edit->text(), "1234567890123");
}

TEST_F(NumberEdit, LeavingTheEditNormalisesWhatWasThereWhicheverWayItCame)
{
    struct Case {
        InvoiceNumberKind kind;
        const char *before;  // set by the program: a loaded or handed-back text
        const char *typed;
        const char *after;
    };
    const Case cases[] = {
        {InvoiceNumberKind::Quantity, "02", "", "2"},
        {InvoiceNumberKind::Quantity, "", "2,50", "2,5"},
        {InvoiceNumberKind::Discount, "", "1,2,3", ""},
        {InvoiceNumberKind::Rate, "", "1,23456", "1,2346"},
        {InvoiceNumberKind::Rate, "1E1", "", "10"},
        {InvoiceNumberKind::UnitPrice, "", "12", "12,00"},
        {InvoiceNumberKind::UnitPrice, "", "1,2,3", "0,00"},
        {InvoiceNumberKind::UnitPrice, "   ", "", ""},
    };
    install(InvoiceNumberKind::Quantity);
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.before) + "|" + c.typed);
        InstallInvoiceNumberRules(edit, c.kind, {});
        edit->setText(c.before);
        // Until the user enters and leaves it, the edit keeps what the program wrote.
        EXPECT_EQ(edit->text(), c.before);
        edit->setFocus();
        edit->end(false);
        QTest::keyClicks(edit, c.typed);
        QTest::keyClick(edit, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
        EXPECT_EQ(edit->text(), c.after);
    }
}
