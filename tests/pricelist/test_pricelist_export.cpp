// The price-list export: its grid and the bytes of "Magazzino.xls".
#include "tests/support/QStringPrinter.h"
#include "pricelist/ExpServizi.h"
#include "tests/support/CalcSheet.h"
#include "tests/support/ExcelFiles.h"
#include "tests/support/ExportGrid.h"
#include "tests/support/FileBytes.h"
#include "tests/support/PriceListFixture.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/ShownHelp.h"

#include <QAbstractItemModel>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The grid's columns after "N." with the header cells they become in the file.
const struct {
    const char *column;
    const char *field;
    const char *header;
    int width;
    bool readOnly;
    const char *exportTitle;
    int exportWidth;
} Columns[] = {
    {"colDescrizione", "Descrizione", "Descrizione prodotto o servizio", 300, true, "Descrizione prodotto o servizio", 300},
    {"colPrezzo", "Prezzo", "Prezzo", 120, false, "Importo", 200},
    {"colTipologia", "Tipologia", "Tipologia", 200, true, "Tipologia", 250},
    {"colTempi", "Tempi", "Tempi e orari di erogazione", 300, true, "Tempi e orari di erogazione:", 300},
    {"colSupplementi", "Supplementi", "Codice articolo", 200, true, "Codice articolo", 200},
    {"colPersonale", "Personale", "Personale addetto", 300, true, "Personale addetto", 300},
    {"colNote", "Note", "Note", 300, false, "Note", 300},
    {"colMarca", "Marca", "Marca e modello", 250, true, "Marca e modello", 250},
    {"colCollocazione", "Collocazione", "Collocazione in magazzino", 250, true, "Collocazione in magazzino", 250},
    {"colGiacenza", "Giacenza", "Giacenza", 180, true, "Giacenza", 200},
    {"colCosto", "Costo", "Costo", 120, true, "Costo", 200},
    {"colValore", "Valore", "Valore (costo x giacenza)", 180, true, "Valore (costo x giacenza)", 220},
    {"colFornitore", "Fornitore", "Fornitore", 250, true, "Fornitore", 250},
    {"colOrdine", "Ordine", "Modalit\u00e0 ordine merce", 300, true, "Modalit\u00e0 ordine merce", 300},
};

QByteArray headerRow() { return ExcelHeaderRow(Columns); }
QByteArray bodyRow(const QByteArrayList &cells) { return ExcelBodyRow(cells); }

const QByteArray SheetName = "Tariffario Prodotti e Servizi";

class PriceListExport : public ::testing::Test {
protected:
    void open()
    {
        window = std::make_unique<TfrmExpServizi>();
        window->show();
        ASSERT_TRUE(WaitActive(window.get()));
    }
    QByteArray exportNow()
    {
        sp.yesNoAnswers = {true, false};
        QTest::mouseClick(window->cmdEsporta, Qt::LeftButton);
        return readBytes(sp.file("Magazzino.xls"));
    }

    ScriptedPlatform sp;
    std::unique_ptr<TfrmExpServizi> window;
};

} // namespace

TEST_F(PriceListExport, GridColumnsInTheirOrder)
{
    open();
    EXPECT_EQ(window->windowTitle(), " Esporta tariffario prodotti e servizi in Microsoft Excel");
    ASSERT_EQ(window->columnCount(), 15);
    ExpectGridColumns(*window, Columns, 14);
}

TEST_F(PriceListExport, FileOfTwoArticlesWithThePriceAndNoteAsRetouched)
{
    // The first article has every field filled with its own name, so that a column reading the
    // wrong field, or the minimum stock or an attachment reaching the file, shows.
    Record first(PriceListItemRecordLayout());
    for (const QString &name : PriceListItemRecordLayout().names())
        first.setText(name, name);
    first.setText("Descrizione", "  Crocchette <gatto> & cane  ");
    first.setText("Prezzo", "12,50");
    const Record second = PriceItem({{"Descrizione", "Antiparassitario"},
                                     {"Prezzo", "18,00"},
                                     {"Giacenza", "3"},
                                     {"Valore", "24,00"},
                                     {"Note", QString::fromUtf8("prezzo in \u20ac, \"scontato\"")}});
    writeBytes(sp.file(PriceListArchiveName), ArchiveBytes({first, second}));
    const QByteArray archive = readBytes(sp.file(PriceListArchiveName));
    open();
    ASSERT_EQ(window->rowCount(), 2);
    EXPECT_EQ(window->cell(0, 0), "1");
    EXPECT_EQ(window->cell(1, 0), "2");
    window->setCell(1, window->columnIndex("colPrezzo"), "19,50");
    window->setCell(0, window->columnIndex("colNote"), "rivista");

    QByteArrayList firstCells;
    for (const auto &c : Columns)
        firstCells << QByteArray(c.field);
    firstCells[0] = "Crocchette &lt;gatto&gt; &amp; cane";
    firstCells[1] = "12,50";
    firstCells[6] = "rivista";
    QByteArrayList secondCells(14);
    secondCells[0] = "Antiparassitario";
    secondCells[1] = "19,50";
    secondCells[6] = "prezzo in \x80, &quot;scontato&quot;";
    secondCells[9] = "3";
    secondCells[11] = "24,00";

    EXPECT_EQ(exportNow(), ExcelPrologue(SheetName) + headerRow() + bodyRow(firstCells) + bodyRow(secondCells) +
                               ExcelEpilogue);
    EXPECT_EQ(readBytes(sp.file(PriceListArchiveName)), archive) << "the archive does not change";
    ASSERT_EQ(sp.callsOf("question").size(), 2u);
    EXPECT_TRUE(sp.callsOf("document").empty()) << "No to the second question leaves the file unopened";
}

TEST_F(PriceListExport, EmptyArchiveGivesTenEmptyRowsAndNoKeepsAnEarlierFile)
{
    open();
    ASSERT_EQ(window->rowCount(), 10);
    QByteArray rows;
    for (int r = 0; r < 10; ++r)
        rows += bodyRow(QByteArrayList(14));
    EXPECT_EQ(exportNow(), ExcelPrologue(SheetName) + headerRow() + rows + ExcelEpilogue);

    writeBytes(sp.file("Magazzino.xls"), "earlier");
    sp.clear();
    sp.yesNoAnswers = {false};
    QTest::mouseClick(window->cmdEsporta, Qt::LeftButton);
    EXPECT_EQ(readBytes(sp.file("Magazzino.xls")), "earlier");
    EXPECT_EQ(sp.callsOf("question").size(), 1u);
}

TEST_F(PriceListExport, CalcShowsEveryCellAsTyped)
{
    if (!CalcInstalled())
        GTEST_SKIP() << "LibreOffice Calc is not installed";
    // Texts that a spreadsheet would otherwise read as a formula, a number, a date or a percentage.
    const Record tricky = PriceItem({{"Descrizione", "Crocchette <gatto> & cane"},
                                     {"Prezzo", "12,50"},
                                     {"Tipologia", "1/2"},
                                     {"Tempi", "=1+1"},
                                     {"Supplementi", "007"},
                                     {"Personale", "3E5"},
                                     {"Note", QString::fromUtf8("prezzo in \u20ac \"scontato\"")},
                                     {"Marca", QString::fromUtf8("Modalit\u00e0")},
                                     {"Collocazione", "  scaffale 3  "},
                                     {"Giacenza", "-3"},
                                     {"Costo", "0,335"},
                                     {"Valore", "1.234,5"},
                                     {"Fornitore", "12.50"},
                                     {"Ordine", "10%"}});
    writeBytes(sp.file(PriceListArchiveName), ArchiveBytes({tricky}));
    open();
    exportNow();

    const QList<QStringList> cells = CalcCells(sp.file("Magazzino.xls"));
    ASSERT_EQ(cells.size(), 2);
    QStringList titles;
    QStringList typed;
    for (const auto &c : Columns) {
        titles << QString::fromUtf8(c.exportTitle);
        typed << tricky.text(c.field).trimmed();
    }
    EXPECT_EQ(cells[0], titles);
    EXPECT_EQ(cells[1], typed);
}

TEST_F(PriceListExport, HelpShowsItsTitleAndThreeParagraphs)
{
    open();
    const ShownHelp help = ClickForHelp(sp, window->cmdGuida);
    ASSERT_TRUE(help.shown);
    EXPECT_EQ(help.owner, window.get());
    EXPECT_EQ(help.title, "Esportazione tariffario prodotti e servizi in Microsoft Excel.");
    EXPECT_EQ(help.paragraphs(),
              (QStringList{
                  QString::fromUtf8("Il pulsante Esporta archivio consente di esportare il tariffario dei prodotti e "
                                    "servizi in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con "
                                    "qualsiasi software in grado di gestire i file in formato XLS (ad esempio, con "
                                    "Open Office, Libre Office o Microsoft Office)."),
                  QString::fromUtf8("Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic "
                                    "sull'icona di Excel. Questa operazione crea in tempo reale un file in formato XLS "
                                    "contenente le schede in archivio, che potrà essere aperto immediatamente "
                                    "rispondendo affermativamente al messaggio di domanda che appare."),
                  QString::fromUtf8("A questo punto è sufficiente salvare il file sul proprio disco fisso "
                                    "assegnandogli un nome qualsiasi."),
              }));
}
