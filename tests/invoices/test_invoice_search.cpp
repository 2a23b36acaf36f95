#include "invoice_reports/InvoiceLists.h"
#include "invoice_reports/Sospese.h"
#include "invoice_reports/TrovaFatture.h"
#include "common/Messages.h"
#include "common/ui/LineList.h"
#include "tests/invoices/InvoiceArchives.h"
#include "tests/invoices/InvoiceFixture.h"
#include "tests/support/ListClicks.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPointer>

namespace {

const QString Euro = QString::fromUtf8("€");

class InvoiceLists : public InvoiceWindows {
protected:
    void SetUp() override
    {
        InvoiceWindows::SetUp();
        showCard();
    }
    void writeArchive(const std::vector<Record> &records) { writeBytes(archive(), ArchiveBytes(records)); }
    // Clicks the card's command, runs `drive` on the window it opens, and checks it is gone afterwards.
    template <typename Window>
    void openAndDrive(ClickLabel *command, const std::function<void(Window *)> &drive)
    {
        QPointer<QWidget> shown;
        sp.onModal = [&](QWidget *w) {
            shown = w;
            auto *window = qobject_cast<Window *>(w);
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(window->parentWidget(), card);
            drive(window);
        };
        QTest::mouseClick(command, Qt::LeftButton);
        EXPECT_TRUE(shown.isNull()) << "the card destroys the window";
        sp.onModal = nullptr;
    }
};

TEST(InvoiceListLine, FixedColumnsThenTheTotal)
{
    const Record r = MakeInvoice({{"NumFatt", "12/2024"},
                                  {"Data", "05/03/2024"},
                                  {"Cliente", "Rossi Mario"},
                                  {"CodFiscCliente", "RSSMRA80A01H501U"},
                                  {"Riferimenti", "Visita"},
                                  {"TotFattura", "46,87"}});
    const QString line = InvoiceListLine(r);
    EXPECT_EQ(line, "Fatt. n. 12/2024 del 05/03/2024     Rossi Mario" + QString(24, ' ') + "  C.F. RSSMRA80A01H501U"
                        + "  Rif. Visita" + QString(29, ' ') + "  Tot. " + Euro + " 46,87");
    EXPECT_EQ(line.indexOf("46,87"), 145) << "the total starts at character 146";

    // An empty number leaves the blank of " del " first; a long customer is cut to 35; an empty
    // total ends the line with "  Tot. € ".
    const Record bare = MakeInvoice({{"Data", "01/01/2024"}, {"Cliente", QString(40, 'X')}});
    const QString bareLine = InvoiceListLine(bare);
    EXPECT_TRUE(bareLine.startsWith("Fatt. n.  del 01/01/2024" + QString(10, ' ') + "  " + QString(35, 'X') + "  C.F. "));
    EXPECT_TRUE(bareLine.endsWith("  Tot. " + Euro + " "));
    EXPECT_EQ(bareLine.size(), 145);

    // Stored characters outside ASCII take one place each, as typed.
    const Record accented = MakeInvoice({{"NumFatt", "3"},
                                         {"Data", "02/02/2024"},
                                         {"Cliente", QString::fromUtf8("Società Cinofila «Bau»")},
                                         {"Riferimenti", QString::fromUtf8("Acconto € 50 – saldo")},
                                         {"TotFattura", "7,5"}});
    const QString accentedLine = InvoiceListLine(accented);
    EXPECT_EQ(accentedLine.mid(36, 35), QString::fromUtf8("Società Cinofila «Bau»").leftJustified(35));
    EXPECT_EQ(accentedLine.mid(101, 35), QString::fromUtf8("Acconto € 50 – saldo").leftJustified(35));
    EXPECT_EQ(accentedLine.indexOf("7,5"), 145);
}

TEST_F(InvoiceLists, EachCriterionSearchesItsOwnField)
{
    const std::pair<const char *, const char *> criteria[] = {
        {"txtNumFatt", "NumFatt"},         {"txtData", "Data"},
        {"txtCliente", "Cliente"},         {"txtViaCliente", "ViaCliente"},
        {"txtCittaCliente", "CittaCliente"}, {"txtPagamento", "Pagamento"},
        {"txtIvaCliente", "IvaCliente"},   {"txtCodFiscCliente", "CodFiscCliente"},
        {"txtRiferimenti", "Riferimenti"}, {"txtNote", "Note"}};
    for (int i = 0; i < 10; ++i) {
        const auto [edit, field] = criteria[i];
        SCOPED_TRACE(edit);
        const Record holder = MakeInvoice({{"NumFatt", "2"}, {field, "XYZ 12"}});
        writeArchive({MakeInvoice({{"NumFatt", "1"}}), holder, MakeInvoice({{"NumFatt", "3"}})});
        TfrmTrovaFatture search;
        EXPECT_EQ(search.criterion(i)->objectName(), edit) << "the Enter cycle follows the table";
        search.show();
        search.findChild<QLineEdit *>(edit)->setText("yz 1");
        QTest::mouseClick(search.btnCerca, Qt::LeftButton);
        ASSERT_EQ(search.lstRecords->count(), 1);
        EXPECT_EQ(search.lstRecords->line(0), InvoiceListLine(holder));
        EXPECT_EQ(search.lstRecords->recordNumber(0), 2);
        EXPECT_EQ(search.lblTrovate->text(), "Il presente elenco contiene 1 schede.");
    }
    EXPECT_TRUE(sp.calls.empty());
}

TEST_F(InvoiceLists, SearchKeepsFileOrderFoldsOnlyPlainLettersAndCountsBlanks)
{
    writeArchive({DatedInvoice("3", "05/03/2026", "Studio ROSSI", "1", "0", "0", "1"),
                  DatedInvoice("1", "10/04/2026", "Bianchi Anna", "1", "0", "0", "1"),
                  DatedInvoice("2", "11/03/2026", "Rossi Mario", "1", "0", "0", "1"),
                  MakeInvoice({{"NumFatt", "4"}, {"CittaCliente", QString::fromUtf8("città")}})});
    struct Case {
        const char *edit;
        QString text;
        QStringList numbers;  // the invoices listed, in list order
    };
    const Case cases[] = {
        {"txtNumFatt", "", {"3", "1", "2", "4"}},  // no criteria: every invoice, in file order
        {"txtData", "/03/", {"3", "2"}},
        {"txtCliente", "ross", {"3", "2"}},
        {"txtCliente", "rossi ", {"2"}},           // the trailing blank counts
        {"txtCittaCliente", QString::fromUtf8("CITTÀ"), {}},  // accented letters are not folded
        {"txtCittaCliente", QString::fromUtf8("CITTà"), {"4"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        TfrmTrovaFatture search;
        search.show();
        search.findChild<QLineEdit *>(c.edit)->setText(c.text);
        QTest::mouseClick(search.btnCerca, Qt::LeftButton);
        QStringList numbers;
        for (const QString &line : search.lstRecords->lines())
            numbers << line.mid(9, 1);
        EXPECT_EQ(numbers, c.numbers);
        EXPECT_EQ(search.lblTrovate->text(), QStringLiteral("Il presente elenco contiene %1 schede.").arg(c.numbers.size()));
    }
}

TEST_F(InvoiceLists, MissingTornAndUnreadableArchives)
{
    // A missing archive is created empty.
    QFile::remove(archive());
    TfrmTrovaFatture empty;
    empty.show();
    QTest::mouseClick(empty.btnCerca, Qt::LeftButton);
    EXPECT_EQ(empty.lblTrovate->text(), "Il presente elenco contiene 0 schede.");
    EXPECT_TRUE(empty.panContainer->isVisible());
    EXPECT_TRUE(QFile::exists(archive()));
    QTest::mouseClick(empty.btnTrova, Qt::LeftButton);
    EXPECT_EQ(sp.messages(), QStringList{"Ricerca non applicabile: la lista non contiene nessuna voce."});
    sp.clear();

    // A torn last record is no invoice: the whole ones are listed and the file is left as it was.
    const QByteArray torn = ArchiveBytes({DatedInvoice("1", "01/03/2026", "A", "1", "0", "0", "1"),
                                          DatedInvoice("2", "02/03/2026", "B", "1", "0", "0", "1")})
        + QByteArray(300, 'x');
    writeBytes(archive(), torn);
    TfrmTrovaFatture search;
    search.show();
    QTest::mouseClick(search.btnCerca, Qt::LeftButton);
    EXPECT_EQ(search.lblTrovate->text(), "Il presente elenco contiene 2 schede.");
    EXPECT_EQ(readBytes(archive()), torn);

    // An archive that cannot be opened: the archive message, and the criteria stay in view.
    QFile::remove(archive());
    ASSERT_TRUE(QDir(sp.folder()).mkdir(QFileInfo(archive()).fileName()));
    TfrmTrovaFatture failing;
    failing.show();
    QTest::mouseClick(failing.btnCerca, Qt::LeftButton);
    EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
    EXPECT_TRUE(failing.panAvvio->isVisible());
    EXPECT_FALSE(failing.panContainer->isVisible());
}

TEST_F(InvoiceLists, DoubleClickLoadsTheInvoiceIntoTheCardOnlyUnderTheCardsTag)
{
    writeArchive({DatedInvoice("1", "01/03/2026", "Rossi Mario", "10,00", "2,20", "0,00", "12,20"),
                  DatedInvoice("2", "02/03/2026", "Verdi Luca", "20,00", "4,40", "0,00", "24,40")});
    card->txtCliente->setText("sulla scheda");
    openAndDrive<TfrmTrovaFatture>(card->cmdTrova, [](TfrmTrovaFatture *search) {
        EXPECT_EQ(search->lblMemory->text(), "fatture");
        EXPECT_EQ(search->windowTitle(), " Trova fatture in archivio");
        search->txtCliente->setText("verdi");
        QTest::mouseClick(search->btnCerca, Qt::LeftButton);
        ASSERT_EQ(search->lstRecords->count(), 1);
        DoubleClickLine(search, 0);
        EXPECT_FALSE(search->isVisible());
    });
    EXPECT_EQ(card->txtNumFatt->text(), "2");
    EXPECT_EQ(card->txtCliente->text(), "Verdi Luca");
    EXPECT_EQ(card->txtTotFattura->text(), "24,40");
    EXPECT_EQ(card->lblPosizione->text(), "2");

    // Under any other tag the double-click loads nothing and closes the search.
    card->txtCliente->setText("sulla scheda");
    TfrmTrovaFatture other(card);
    other.lblMemory->setText("clienti");
    other.show();
    QTest::mouseClick(other.btnCerca, Qt::LeftButton);
    DoubleClickLine(&other, 0);
    EXPECT_FALSE(other.isVisible());
    EXPECT_EQ(card->txtCliente->text(), "sulla scheda");
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(InvoiceLists, VatListShowsTheInvoicesSavedWithTheBoxClearAndLoadsOne)
{
    const Record exemptLines = [] {
        Record r = DatedInvoice("5", "05/03/2026", "Esenti", "0,00", "0,00", "9,00", "9,00");
        for (int i = 1; i <= InvoiceLineCount; ++i)
            r.setText(InvoiceLineField("Es", i), QString::fromUtf8("Sì"));
        return r;
    }();
    std::vector<Record> records;
    const QString flags[] = {"No", QString::fromUtf8("Sì"), "", "no", "NO"};
    for (int i = 0; i < 5; ++i) {
        Record r = DatedInvoice(QString::number(i + 1), "01/03/2026", "Cliente", "1", "0", "0", "1");
        r.setText("Saldata", flags[i]);
        records.push_back(r);
    }
    records.push_back(exemptLines);
    writeArchive(records);

    openAndDrive<TfrmSospese>(card->cmdSospese, [&](TfrmSospese *list) {
        EXPECT_EQ(list->windowTitle(), " Riepilogo fatture per prestazioni soggette a IVA");
        ASSERT_EQ(list->lstRecords->lines(), (QStringList{InvoiceListLine(records[0]), InvoiceListLine(exemptLines)}));
        EXPECT_EQ(list->focusWidget(), list->txtTrova);
        DoubleClickLine(list, 1);
    });
    EXPECT_EQ(card->txtNumFatt->text(), "5");
    EXPECT_EQ(card->lblPosizione->text(), "6");
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(InvoiceLists, VatListOnAnEmptyOrUnreadableArchiveListsNothing)
{
    QFile::remove(archive());
    {
        TfrmSospese list;
        list.show();
        EXPECT_EQ(list.lstRecords->count(), 0);
        EXPECT_TRUE(QFile::exists(archive()));
        EXPECT_TRUE(sp.messages().isEmpty());
    }
    QFile::remove(archive());
    ASSERT_TRUE(QDir(sp.folder()).mkdir(QFileInfo(archive()).fileName()));
    TfrmSospese list;
    list.show();
    EXPECT_EQ(list.lstRecords->count(), 0);
    EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
}

} // namespace
