// The price-list search, its list line and the hand-back of an article to the card and to an
// invoice line.
#include "tests/support/QStringPrinter.h"
#include "common/ui/LineList.h"
#include "pricelist/PriceItemHandBack.h"
#include "pricelist/Servizi.h"
#include "pricelist/TrovaServizi.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ListClicks.h"
#include "tests/support/PriceListFixture.h"
#include "tests/support/ScriptedPlatform.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

QWidget *cardTarget = nullptr;
QWidget *invoiceTarget = nullptr;

class PriceListSearch : public ::testing::Test {
protected:
    void TearDown() override
    {
        cardTarget = nullptr;
        invoiceTarget = nullptr;
    }
    QString archive() const { return sp.file(PriceListArchiveName); }
    void writeArchive(const std::vector<Record> &records) { writeBytes(archive(), ArchiveBytes(records)); }

    // Opens the search with `tag` from `caller`, searches with no criterion and double-clicks the
    // line of `chosen`; the search must close and be destroyed.
    void pick(QWidget *caller, const QString &tag, const Record &chosen)
    {
        QPointer<QWidget> shown;
        sp.onModal = [&](QWidget *w) {
            shown = w;
            auto *search = qobject_cast<TfrmTrovaServizi *>(w);
            ASSERT_NE(search, nullptr);
            EXPECT_EQ(search->parentWidget(), caller);
            EXPECT_EQ(search->focusWidget(), search->txtDescrizione);
            QTest::mouseClick(search->btnCerca, Qt::LeftButton);
            const int row = int(search->lstRecords->lines().indexOf(PriceItemListLine(chosen)));
            ASSERT_GE(row, 0);
            DoubleClickLine(search, row);
            EXPECT_FALSE(search->isVisible());
        };
        OpenPriceListSearch(caller, tag);
        sp.onModal = nullptr;
        EXPECT_TRUE(shown.isNull()) << "the caller destroys the search";
    }

    ScriptedPlatform sp;
};

} // namespace

TEST_F(PriceListSearch, TheTenCriteriaSearchTheirFields)
{
    const struct {
        const char *edit;
        const char *caption;
        const char *field;
    } criteria[] = {
        {"txtDescrizione", "Descrizione prodotto o servizio:", "Descrizione"},
        {"txtTipologia", "Tipologia:", "Tipologia"},
        {"txtTempi", "Tempi e orari di erogazione:", "Tempi"},
        {"txtSupplementi", "Codice articolo:", "Supplementi"},
        {"txtPersonale", "Personale addetto:", "Personale"},
        {"txtNote", "Note:", "Note"},
        {"txtMarca", "Marca e modello:", "Marca"},
        {"txtCollocazione", "Collocazione in magazzino:", "Collocazione"},
        {"txtFornitore", "Fornitore:", "Fornitore"},
        {"txtOrdine", "Modalit\u00e0 di ordine merce:", "Ordine"},
    };
    TfrmTrovaServizi probe;
    EXPECT_EQ(probe.windowTitle(), " Trova prodotto o servizio in tariffario");
    EXPECT_EQ(probe.setup().printTitle, "Riepilogo prodotti e servizi in tariffario");
    for (int i = 0; i < 10; ++i) {
        const auto &c = criteria[i];
        SCOPED_TRACE(c.edit);
        EXPECT_EQ(probe.criterion(i)->objectName(), c.edit) << "the Enter cycle follows the table";
        EXPECT_EQ(probe.findChild<QLabel *>(QStringLiteral("lblCampo%1").arg(i + 1, 2, 10, QLatin1Char('0')))->text(),
                  QString::fromUtf8(c.caption));
        EXPECT_EQ(probe.highlight(i)->objectName(), QStringLiteral("eff") + QString::fromLatin1(c.field));

        // Only the article holding the text in that field is found, in any letter case; the
        // stock and minimum stock, which no criterion searches, hold it in every article.
        const Record holder = PriceItem({{c.field, "XEL 123"}, {"Prezzo", "1,00"}});
        const std::map<QString, QString> others{{"Descrizione", "Altro"}, {"Giacenza", "XEL 123"},
                                                {"Sottoscorta", "xel 123"}, {"Costo", "xel 123"}};
        writeArchive({PriceItem(others), holder, PriceItem(others)});
        TfrmTrovaServizi search;
        search.show();
        search.findChild<QLineEdit *>(c.edit)->setText("el 1");
        QTest::mouseClick(search.btnCerca, Qt::LeftButton);
        EXPECT_EQ(search.lblConta->text(), "1");
        EXPECT_EQ(search.lstRecords->lines(), QStringList{PriceItemListLine(holder)});
        EXPECT_EQ(search.lblTrovate->text(), "Il presente riepilogo contiene 1 schede.");
    }
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(PriceListSearch, TheLineHasFixedColumnsThenTheWholeNoteAndTheListIsSorted)
{
    const Record vaccine = PriceItem({{"Descrizione", "Vaccino trivalente per cani di taglia grande"},
                                      {"Tipologia", "  Farmaco "},
                                      {"Prezzo", "35,50"},
                                      {"Giacenza", "12"},
                                      {"Note", "  da conservare in frigo  "},
                                      {"Supplementi", "VAC-03"}});
    const QString expected = QString::fromUtf8("Vaccino trivalente per cani di tagl"
                                               "  Tipo: Farmaco                  "
                                               "  Importo: \u20ac 35,50     "
                                               "  Giacenza: 12          "
                                               "  Note: da conservare in frigo");
    EXPECT_EQ(PriceItemListLine(vaccine), expected);
    EXPECT_EQ(expected.indexOf("da conservare"), 123) << "the first 123 characters stand in fixed columns";
    // An empty note leaves the closing text alone; a long price is cut to its column.
    EXPECT_EQ(PriceItemListLine(PriceItem({{"Descrizione", "Visita"}, {"Prezzo", "1234567,1234"}})),
              "Visita" + QString(29, ' ') + "  Tipo: " + QString(25, ' ') + QString::fromUtf8("  Importo: \u20ac ") +
                  "1234567,12" + "  Giacenza: " + QString(12, ' ') + "  Note: ");

    // No criterion lists every article, sorted by line with a-z taken as A-Z.
    const Record bath = PriceItem({{"Descrizione", "bagno"}, {"Prezzo", "20,00"}});
    const Record shave = PriceItem({{"Descrizione", "Tosatura"}, {"Prezzo", "30,00"}});
    writeArchive({vaccine, shave, bath});
    TfrmTrovaServizi search;
    search.show();
    QTest::mouseClick(search.btnCerca, Qt::LeftButton);
    EXPECT_EQ(search.lblConta->text(), "0");
    EXPECT_EQ(search.lstRecords->lines(),
              (QStringList{PriceItemListLine(bath), PriceItemListLine(shave), expected}));
    EXPECT_EQ(search.lblTrovate->text(), "Il presente riepilogo contiene 3 schede.");
}

TEST_F(PriceListSearch, ServiziLoadsTheWholeArticleIntoTheCardAndLeavesTheArchiveAlone)
{
    Record second = FullPriceItem("2");
    second.setText("Marca", "  Acme  ");
    second.setText("Giacenza", "-3");
    const std::vector<Record> items{FullPriceItem("1"), second, FullPriceItem("3")};
    writeArchive(items);
    const QByteArray before = readBytes(archive());

    FakePriceListCard card;
    cardTarget = &card;
    RegisterPriceItemTarget("servizi", [] { return cardTarget; });
    pick(&card, "servizi", second);

    for (const QString &name : PriceListItemRecordLayout().names())
        EXPECT_EQ(card.shown(name), second.text(name).trimmed()) << name.toStdString();
    EXPECT_EQ(card.shown("Marca"), "Acme");
    EXPECT_EQ(card.lblPosizione->text(), "2") << "the card's next Save overwrites the article";
    EXPECT_EQ(readBytes(archive()), before);
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(PriceListSearch, ThePriceListCardTakesThePickAndItsSaveOverwritesTheArticle)
{
    const Record drops = PriceItem({{"Descrizione", "Collirio"}, {"Prezzo", "8,90"},   {"Giacenza", "4"},
                                    {"Sottoscorta", "2"},        {"Costo", "3,00"},    {"Valore", "12,00"},
                                    {"Supplementi", "COL-1"},    {"File01", "foto.jpg"}, {"Desc01", "Confezione"}});
    const Record visit = PriceItem({{"Descrizione", "Visita"}, {"Prezzo", "40,00"}, {"Giacenza", "0"},
                                    {"Sottoscorta", "0"},      {"Costo", "0,00"},   {"Valore", "0,00"}});
    writeArchive({visit, drops, visit});
    const QByteArray before = readBytes(archive());

    TfrmServizi card;
    card.show();
    ASSERT_TRUE(WaitActive(&card));
    cardTarget = &card;
    RegisterPriceItemTarget("servizi", [] { return cardTarget; });
    pick(&card, "servizi", drops);
    for (const QString &name : PriceListItemRecordLayout().names())
        EXPECT_EQ(ControlText(card.findChild<QWidget *>(PriceCardControl(name))), drops.text(name)) << name.toStdString();
    EXPECT_EQ(card.lblPosizione->text(), "2");

    sp.clear();
    QTest::mouseClick(card.cmdSalva, Qt::LeftButton);
    EXPECT_EQ(sp.messages(), QStringList{"Le modifiche apportate alla scheda corrente sono state salvate in archivio."});
    EXPECT_EQ(readBytes(archive()), before) << "the article is written over itself, nothing is appended";
}

TEST_F(PriceListSearch, AnInvoiceLineGetsCodeDescriptionAndPriceOnly)
{
    const Record drops = PriceItem({{"Descrizione", " Collirio "},
                                    {"Prezzo", "8,90"},
                                    {"Supplementi", "COL-1"},
                                    {"Giacenza", "4"},
                                    {"Costo", "3,00"}});
    writeArchive({PriceItem({{"Descrizione", "Visita"}}), drops});
    const QByteArray before = readBytes(archive());
    for (int line = 1; line <= 30; ++line)
        RegisterPriceItemTarget(InvoiceLineTag(line), [] { return invoiceTarget; });

    // While the invoice card is not there (its global still null), the pick writes nothing and
    // still closes.
    FakeInvoiceCard invoice;
    pick(&invoice, "fat_art_07", drops);
    for (int line = 1; line <= 30; ++line)
        for (const QString &edit : FakeInvoiceCard::LineEdits)
            EXPECT_EQ(invoice.text(edit, line), "prima");

    invoiceTarget = &invoice;
    pick(&invoice, "fat_art_07", drops);
    for (int line = 1; line <= 30; ++line) {
        SCOPED_TRACE(line);
        const bool picked = line == 7;
        EXPECT_EQ(invoice.text("txtCodice", line), picked ? "COL-1" : "prima");
        EXPECT_EQ(invoice.text("txtDesc", line), picked ? "Collirio" : "prima");
        EXPECT_EQ(invoice.text("txtPrezzo", line), picked ? "8,90" : "prima");
        EXPECT_EQ(invoice.text("txtQuant", line), "prima") << "the quantity stays as it was";
    }
    EXPECT_EQ(readBytes(archive()), before) << "no stock is touched";
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(PriceListSearch, EachTagWritesOnlyItsOwnLine)
{
    // An article without a code empties the line's code.
    const Record item = PriceItem({{"Descrizione", "Visita"}, {"Prezzo", "40,00"}});
    FakeInvoiceCard invoice;
    invoiceTarget = &invoice;
    FakePriceListCard card;
    cardTarget = &card;
    RegisterPriceItemTarget("servizi", [] { return cardTarget; });
    for (int line = 1; line <= 30; ++line)
        RegisterPriceItemTarget(InvoiceLineTag(line), [] { return invoiceTarget; });

    const struct {
        const char *tag;
        int line;  // 0: no line written
    } cases[] = {
        {"fat_art_01", 1}, {" fat_art_30 ", 30}, {"fat_art_15", 15}, {"fat_art_31", 0},
        {"fat_art_00", 0}, {"fat_art_7", 0},     {"FAT_ART_02", 0},  {"altro", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tag);
        PriceItemHandBack(QString::fromLatin1(c.tag), item, 5);
        for (int line = 1; line <= 30; ++line) {
            EXPECT_EQ(invoice.text("txtCodice", line), line == c.line ? "" : "prima");
            EXPECT_EQ(invoice.text("txtDesc", line), line == c.line ? "Visita" : "prima");
            EXPECT_EQ(invoice.text("txtPrezzo", line), line == c.line ? "40,00" : "prima");
        }
        for (int line = 1; line <= 30; ++line)
            for (const QString &edit : FakeInvoiceCard::LineEdits)
                invoice.findChild<QLineEdit *>(FakeInvoiceCard::lineEdit(edit, line))->setText("prima");
    }
    EXPECT_EQ(card.shown("Descrizione"), "") << "no invoice tag reaches the card";
    EXPECT_EQ(card.lblPosizione->text(), "");
}
