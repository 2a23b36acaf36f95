#include "invoice_reports/ExpFatture.h"
#include "common/Cp1252.h"
#include "tests/invoices/InvoiceArchives.h"
#include "tests/invoices/InvoiceFixture.h"

#include <QPointer>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Every body cell is text, so a spreadsheet keeps it as typed.
const QByteArray Left = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
const QByteArray Right = "<td style=\"text-align: right;\" sdnum=\"1040;0;@\">";

QByteArray header(const char *title, int width)
{
    return "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">"
        + ToCp1252(QString::fromUtf8(title)) + "</td>";
}

class InvoiceExport : public InvoiceWindows {};

TEST_F(InvoiceExport, WritesTheYearsInvoicesWithTheAmountsRightAligned)
{
    showCard();
    const Record first = MakeInvoice({{"NumFatt", "1"},          {"Data", "02/03/2026"},   {"Ditta", "Studio"},
                                      {"ViaDitta", "non esportata"}, {"CittaDitta", "Roma"}, {"IvaDitta", "123"},
                                      {"CodFiscDitta", "CF"},    {"Cliente", "Rossi & figli"}, {"ViaCliente", "Via Po 1"},
                                      {"CapCliente", "00100"},   {"CittaCliente", QString::fromUtf8("Città")},
                                      {"ProvCliente", "RM"},     {"IvaCliente", "456"},  {"CodFiscCliente", "RSS"},
                                      {"Riferimenti", "Rif"},    {"Pagamento", "Contanti"}, {"Banca", "Banca"},
                                      {"Iban", "IT00"},          {"TotImponibile", "1000,00"}, {"PercIva", "22"},
                                      {"TotImposta", "220,00"},  {"TotIva", "1220,00"}, {"TotEsente", "0,00"},
                                      {"TotFattura", "1220,00"}, {"Note", "peso < 5"}, {"Saldata", "No"}});
    const Record second = MakeInvoice({{"NumFatt", "2"}, {"TotFattura", "46,87"}, {"Saldata", QString::fromUtf8("Sì")}});
    writeBytes(archive(), ArchiveBytes({first, second}));

    QPointer<QWidget> shown;
    sp.onModal = [&](QWidget *w) {
        shown = w;
        auto *exp = qobject_cast<TfrmExpFatture *>(w);
        ASSERT_NE(exp, nullptr);
        EXPECT_EQ(exp->windowTitle(), " Esporta archivio fatture proforma in Microsoft Excel");
        ASSERT_EQ(exp->rowCount(), 2);
        EXPECT_EQ(exp->cell(1, 0), "2");
        EXPECT_EQ(exp->cell(0, exp->columnIndex("colCliente")), "Rossi & figli");
        sp.yesNoAnswers = {true, false};
        QTest::mouseClick(exp->cmdEsporta, Qt::LeftButton);
    };
    QTest::mouseClick(card->cmdEsporta, Qt::LeftButton);
    EXPECT_TRUE(shown.isNull());
    const QByteArray file = readBytes(sp.file("Fatture.xls"));

    const QByteArray headerRow = "<tr>" + header("Fattura n.", 160) + header("Data emissione", 120)
        + header("Ditta emittente", 250) + header("Città", 250) + header("Partita IVA", 150)
        + header("Codice fiscale", 150) + header("Cognome e nome Cliente", 250) + header("Via e numero civico", 250)
        + header("CAP", 70) + header("Città", 250) + header("Prov.", 50) + header("Partita IVA Cliente", 150)
        + header("Codice fiscale Cliente", 150) + header("Riferimenti", 250) + header("Pagamento", 250)
        + header("Banca d'appoggio", 250) + header("IBAN", 250) + header("Totale imponibile", 150)
        + header("% IVA", 100) + header("Totale imposta", 150) + header("Totale IVA inclusa", 150)
        + header("Totale esente", 150) + header("TOTALE FATTURA", 150) + header("Note", 350)
        + header("IVA esente", 100) + "</tr>";
    EXPECT_TRUE(file.contains(headerRow));

    QByteArray firstRow = "<tr>";
    for (const char *text : {"1", "02/03/2026", "Studio", "Roma", "123", "CF", "Rossi &amp; figli", "Via Po 1",
                             "00100", "Citt\xe0", "RM", "456", "RSS", "Rif", "Contanti", "Banca", "IT00"})
        firstRow += Left + text + "</td>";
    for (const char *amount : {"1000,00", "22", "220,00", "1220,00", "0,00", "1220,00"})
        firstRow += Right + amount + "</td>";
    firstRow += Left + "peso &lt; 5</td>" + Left + "No</td></tr>";
    EXPECT_TRUE(file.contains(firstRow)) << file.toStdString();
    EXPECT_TRUE(file.contains(Right + "46,87</td>" + Left + "</td>" + Left + "S\xec</td></tr>"));
    EXPECT_FALSE(file.contains("non esportata"));
    EXPECT_EQ(file.count("<tr>"), 3);
}

} // namespace
