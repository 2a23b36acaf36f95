#include "tests/support/QStringPrinter.h"
#include "common/Messages.h"
#include "common/Record.h"
#include "common/ui/RecordCard.h"
#include "common/ui/Widgets.h"
#include "dialogs/AllegaCartella.h"
#include "pricelist/ExpServizi.h"
#include "pricelist/Giacenza.h"
#include "pricelist/PriceItemHandBack.h"
#include "pricelist/PriceListRecord.h"
#include "pricelist/Servizi.h"
#include "pricelist/Sottoscorta.h"
#include "pricelist/TrovaServizi.h"
#include "tests/support/CardControls.h"
#include "tests/support/CardTexts.h"
#include "tests/support/DesignArea.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/ShownHelp.h"
#include "tests/support/UnstorableText.h"

#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

Record article(const QString &description, const std::map<QString, QString> &fields = {})
{
    Record r(PriceListItemRecordLayout());
    r.setText("Descrizione", description);
    r.setText("Prezzo", "10,00");
    r.setText("Giacenza", "0");
    r.setText("Sottoscorta", "0");
    r.setText("Costo", "0,00");
    r.setText("Valore", "0,00");
    for (const auto &[field, value] : fields)
        r.setText(field, value);
    return r;
}

// Articles "Articolo 1" .. "Articolo n".
QByteArray articles(int n)
{
    std::vector<Record> records;
    for (int i = 1; i <= n; ++i)
        records.push_back(article(QStringLiteral("Articolo %1").arg(i)));
    return ArchiveBytes(records);
}

Record storedRecord(const QByteArray &archive, int number)
{
    const int size = PriceListItemRecordLayout().recordSize();
    return Record(PriceListItemRecordLayout(), archive.mid((number - 1) * size, size));
}

class PriceCard : public ::testing::Test {
protected:
    void SetUp() override
    {
        card = std::make_unique<TfrmServizi>();
        card->show();
        ASSERT_TRUE(WaitActive(card.get()));
    }

    QString archive() const { return sp.file(PriceListArchiveName); }
    void writeArchive(const QByteArray &bytes) { writeBytes(archive(), bytes); }
    QByteArray stored() const { return readBytes(archive()); }

    // Replaces the text of an edit by typing, as the user would (the key filters apply).
    void type(QLineEdit *e, const QString &text)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }
    void click(ClickLabel *command) { QTest::mouseClick(command, Qt::LeftButton); }
    void click(const char *arrow) { click(Named<ClickLabel>(card.get(), arrow)); }
    QString focused() const { return FocusedName(); }
    // Fills the card as a user would, leaving the number edits through the focus.
    void fillNewCard()
    {
        type(card->txtDescrizione, "Antiparassitario spot-on");
        type(card->txtPrezzo, "12,5");
        type(card->txtGiacenza, "007");
        type(card->txtSottoscorta, "2");
        type(card->txtCosto, "2,5");
        card->txtDescrizione->setFocus();
    }

    ScriptedPlatform sp;
    std::unique_ptr<TfrmServizi> card;
};

TEST_F(PriceCard, ShowAndNewPutTheDefaults)
{
    EXPECT_EQ(card->windowTitle(), " Tavoren - Tariffario Prodotti e Servizi");
    EXPECT_EQ(Named<QLabel>(card.get(), "panInfo")->text(), "Pronto per salvare una nuova scheda...");
    fillNewCard();
    card->lblFile[1]->setText("foto.jpg");
    card->lblPosizione->setText("3");
    click(card->cmdNuovo);
    for (QLineEdit *e : {card->txtPrezzo, card->txtCosto, card->txtValore})
        EXPECT_EQ(e->text(), "0,00") << e->objectName().toStdString();
    for (QLineEdit *e : {card->txtGiacenza, card->txtSottoscorta})
        EXPECT_EQ(e->text(), "0") << e->objectName().toStdString();
    for (QLineEdit *e : {card->txtDescrizione, card->txtTipologia, card->txtNote, card->txtOrdine})
        EXPECT_EQ(e->text(), "") << e->objectName().toStdString();
    EXPECT_EQ(card->lblFile[1]->text(), "");
    EXPECT_EQ(card->lblPosizione->text(), "");
    EXPECT_EQ(focused(), "txtDescrizione");
    // Typing stops at the field's capacity.
    const struct {
        QLineEdit *edit;
        int capacity;
    } capacities[] = {{card->txtDescrizione, 55}, {card->txtPrezzo, 10}, {card->txtGiacenza, 15},
                      {card->txtCollocazione, 120}};
    for (const auto &c : capacities) {
        type(c.edit, QString(c.capacity + 5, '1'));
        EXPECT_EQ(c.edit->text().size(), c.capacity) << c.edit->objectName().toStdString();
    }
}

TEST_F(PriceCard, SaveNormalisesTheNumbersAndWorksTheValueOut)
{
    fillNewCard();
    card->txtValore->setText("999,00");  // whatever the value showed, Save works it out again
    type(card->txtCosto, "0,335");
    type(card->txtGiacenza, "3");
    type(card->txtPrezzo, "12");  // saved without leaving the edit
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{CardInserted});
    EXPECT_EQ(card->lblPosizione->text(), "1");
    EXPECT_EQ(card->txtPrezzo->text(), "12,00");
    EXPECT_EQ(card->txtValore->text(), "1,01");

    const Record r = storedRecord(stored(), 1);
    EXPECT_EQ(stored().size(), 3136);
    EXPECT_EQ(r.text("Descrizione"), "Antiparassitario spot-on");
    EXPECT_EQ(r.text("Prezzo"), "12,00");
    EXPECT_EQ(r.text("Giacenza"), "3");
    EXPECT_EQ(r.text("Sottoscorta"), "2");
    EXPECT_EQ(r.text("Costo"), "0,335");
    EXPECT_EQ(r.text("Valore"), "1,01");
}

TEST_F(PriceCard, StockIsBroughtToAWholeNumberAndANegativeStockStays)
{
    fillNewCard();
    click(card->cmdSalva);
    EXPECT_EQ(card->txtGiacenza->text(), "7");
    EXPECT_EQ(card->txtValore->text(), "17,50");
    // Only the stock dialog can bring a negative stock; it must survive any number of saves.
    card->txtGiacenza->setText("-3");
    card->txtSottoscorta->setText("");
    for (int i = 0; i < 3; ++i)
        click(card->cmdSalva);
    const Record r = storedRecord(stored(), 1);
    EXPECT_EQ(r.text("Giacenza"), "-3");
    EXPECT_EQ(r.text("Sottoscorta"), "0");
    EXPECT_EQ(r.text("Valore"), "-7,50");
    EXPECT_EQ(stored().size(), 3136);
}

TEST_F(PriceCard, SaveRefusesWhatItCannotStore)
{
    writeArchive(articles(1));
    click("cmdPrimo");
    card->txtGiacenza->setText("12");
    const struct {
        QLineEdit *edit;
        const char *text;
        const char *warning;
    } cases[] = {
        {card->txtDescrizione, "   ",
         "Attenzione: per salvare la scheda è necessario indicare una descrizione del prodotto o servizio."},
        {card->txtPrezzo, " ", "Attenzione: per salvare la scheda è necessario indicare l'importo del prodotto o servizio."},
        {card->txtPrezzo, "1,2,3",
         "Attenzione: il campo \"Importo\" non contiene un importo valido. Correggere il valore prima di salvare la scheda."},
        {card->txtCosto, ",",
         "Attenzione: il campo \"Costo\" non contiene un importo valido. Correggere il valore prima di salvare la scheda."},
        {card->txtPrezzo, "12345678,5",  // "12345678,50" is one character more than the price holds
         "Attenzione: il numero indicato nel campo \"Importo\" supera i 10 caratteri che l'archivio può contenere."
         "\n\r\n\rPer poter salvare la scheda è necessario correggerlo."},
        {card->txtGiacenza, "1000000000000000000000",
         "Attenzione: il numero indicato nel campo \"Giacenza\" supera i 15 caratteri che l'archivio può contenere."
         "\n\r\n\rPer poter salvare la scheda è necessario correggerlo."},
        {card->txtCosto, "99999999999,99",  // the value, 12 times that, does not fit
         "Attenzione: il numero indicato nel campo \"Valore (costo x giacenza)\" supera i 15 caratteri che "
         "l'archivio può contenere.\n\r\n\rPer poter salvare la scheda è necessario correggerlo."},
    };
    const QByteArray before = stored();
    for (const auto &c : cases) {
        sp.clear();
        const QString kept = c.edit->text();
        c.edit->setText(QString::fromUtf8(c.text));
        card->txtNote->setFocus();
        c.edit->setText(QString::fromUtf8(c.text));  // as typed, without leaving the edit
        card->cmdSalva->setFocus();
        card->cmdSalvaClick();
        EXPECT_EQ(sp.messages(), QStringList{QString::fromUtf8(c.warning)}) << c.text;
        EXPECT_EQ(sp.callsOf("warning").size(), 1u) << c.text;
        EXPECT_EQ(stored(), before) << c.text;
        EXPECT_EQ(card->txtGiacenza->text(), c.edit == card->txtGiacenza ? QString::fromUtf8(c.text) : "12")
            << "the stock is untouched: " << c.text;
        c.edit->setText(kept);
    }
    // The bad price is named, focused and left as typed.
    sp.clear();
    card->txtPrezzo->setText("1,2,3");
    card->cmdSalvaClick();
    EXPECT_EQ(focused(), "txtPrezzo");
    EXPECT_EQ(card->txtPrezzo->text(), "1,2,3");
    EXPECT_EQ(card->txtValore->text(), "0,00");

    // A stock that is no number (only a damaged record can bring one) fails like the archive would.
    sp.clear();
    card->txtPrezzo->setText("10,00");
    card->txtSottoscorta->setText("tre");
    card->cmdSalvaClick();
    EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
    EXPECT_EQ(sp.callsOf("warning").size(), 1u);
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(card->txtSottoscorta->text(), "tre");
}

TEST_F(PriceCard, SaveRefusesALetterTheArchiveCannotHold)
{
    fillNewCard();
    ExpectUnstorableRefused(sp, card->txtCollocazione, "Collocazione in magazzino", archive(),
                            [&] { click(card->cmdSalva); });
}

TEST_F(PriceCard, LeavingANumberEditBringsItToItsForm)
{
    const struct {
        QLineEdit *edit;
        const char *typed;
        const char *shown;
    } cases[] = {
        {card->txtPrezzo, "12", "12,00"},      {card->txtPrezzo, "3,14159", "3,1416"}, {card->txtCosto, "", "0,00"},
        {card->txtCosto, "1,2,3", "0,00"},     {card->txtValore, ",5", "0,50"},       {card->txtGiacenza, "007", "7"},
        {card->txtSottoscorta, "", "0"},
    };
    for (const auto &c : cases) {
        type(c.edit, QString::fromUtf8(c.typed));
        card->txtNote->setFocus();
        EXPECT_EQ(c.edit->text(), QString::fromUtf8(c.shown)) << c.edit->objectName().toStdString() << " " << c.typed;
    }
    // A message box or another window taking the focus is no leaving of the edit: the text stays as typed.
    type(card->txtPrezzo, "1,2,3");
    QFocusEvent windowLeft(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(card->txtPrezzo, &windowLeft);
    EXPECT_EQ(card->txtPrezzo->text(), "1,2,3");
    // The quantity edits take digits only.
    type(card->txtGiacenza, "-1,5a2");
    EXPECT_EQ(card->txtGiacenza->text(), "152");
}

TEST_F(PriceCard, ValueCommand)
{
    const struct {
        const char *cost;
        const char *stock;
        const char *value;
        const char *costAfter;
        const char *stockAfter;
    } cases[] = {
        {"2,50", "3", "7,50", "2,50", "3"},
        {"1,005", "1", "1,01", "1,005", "1"},
        {"", "", "0,00", "0,00", "0"},
        {"1,2,3", "4", "0,00", "0,00", "4"},  // a cost that is no number counts as 0, the stock stays
    };
    for (const auto &c : cases) {
        card->txtCosto->setText(QString::fromUtf8(c.cost));
        card->txtGiacenza->setText(QString::fromUtf8(c.stock));
        card->txtValore->setText("");
        card->btnValoreClick();
        EXPECT_EQ(card->txtValore->text(), c.value) << c.cost << " x " << c.stock;
        EXPECT_EQ(card->txtCosto->text(), c.costAfter);
        EXPECT_EQ(card->txtGiacenza->text(), c.stockAfter);
    }
    // Clicked after typing a cost: leaving the cost brings it to its form first.
    type(card->txtCosto, "2,5");
    type(card->txtGiacenza, "4");
    QTest::mouseClick(card->btnValore, Qt::LeftButton);
    EXPECT_EQ(card->txtCosto->text(), "2,50");
    EXPECT_EQ(card->txtValore->text(), "10,00");
}

TEST_F(PriceCard, NavigationOverASmallArchive)
{
    // Empty archive: First, Previous and Last leave the card; Next empties the number.
    fillNewCard();
    for (const char *arrow : {"cmdPrimo", "cmdIndietro", "cmdUltimo", "cmdAvanti"}) {
        sp.clear();
        card->lblPosizione->setText("");
        click(arrow);
        EXPECT_EQ(sp.messages(), QStringList{CardEmptyArchive}) << arrow;
        EXPECT_EQ(card->txtDescrizione->text(), "Antiparassitario spot-on") << arrow;
    }
    EXPECT_TRUE(QFile::exists(archive())) << "navigation creates a missing archive";

    std::vector<Record> records{article("Articolo 1"),
                                article("Articolo 2", {{"Costo", "1,2,3"}, {"Valore", "5"}, {"File02", "a.pdf"}}),
                                article("Articolo 3")};
    writeArchive(ArchiveBytes(records));
    sp.clear();
    const struct {
        const char *from;
        const char *arrow;
        const char *to;
    } moves[] = {
        {"", "cmdIndietro", "1"}, {"", "cmdAvanti", "1"},   {"", "cmdUltimo", "3"},  {"2", "cmdPrimo", "1"},
        {"1", "cmdIndietro", "1"}, {"3", "cmdAvanti", "3"}, {"3", "cmdIndietro", "2"}, {"1", "cmdAvanti", "2"},
    };
    for (const auto &m : moves) {
        card->lblPosizione->setText(m.from);
        card->txtDescrizione->setText("sullo schermo");
        click(m.arrow);
        EXPECT_EQ(card->lblPosizione->text(), m.to) << m.from << " " << m.arrow;
        const bool stays = QLatin1String(m.from) == QLatin1String(m.to);
        EXPECT_EQ(card->txtDescrizione->text(), stays ? QString("sullo schermo") : QString("Articolo ") + m.to)
            << m.from << " " << m.arrow;
    }
    EXPECT_TRUE(sp.messages().isEmpty());
    // A record is shown exactly as stored: no exit rule, no value worked out.
    card->lblPosizione->setText("1");
    click("cmdAvanti");
    EXPECT_EQ(card->txtCosto->text(), "1,2,3");
    EXPECT_EQ(card->txtValore->text(), "5");
    EXPECT_EQ(card->lblFile[1]->text(), "a.pdf");
}

TEST_F(PriceCard, DuplicateDropsTheAttachmentsAndSaveAppendsACopy)
{
    click(card->cmdDuplica);
    EXPECT_EQ(sp.messages(), QStringList{CardDuplicateNew});

    std::vector<Record> records{article("Articolo 1"),
                                article("Visita", {{"Prezzo", "35,00"}, {"File01", "listino.pdf"}, {"Desc01", "Listino"}})};
    writeArchive(ArchiveBytes(records));
    click("cmdUltimo");
    sp.clear();
    card->txtNote->setFocus();
    click(card->cmdDuplica);
    EXPECT_EQ(sp.messages(), QStringList{CardDuplicated});
    EXPECT_EQ(focused(), "txtDescrizione");
    EXPECT_EQ(card->lblPosizione->text(), "");
    EXPECT_EQ(card->lblFile[0]->text(), "");
    EXPECT_EQ(card->lblDesc[0]->text(), "");
    EXPECT_EQ(card->txtPrezzo->text(), "35,00");

    click(card->cmdSalva);
    EXPECT_EQ(card->lblPosizione->text(), "3");
    const QByteArray after = stored();
    EXPECT_EQ(after.left(2 * 3136), ArchiveBytes(records)) << "the duplicated record keeps its attachments";
    const Record copy = storedRecord(after, 3);
    EXPECT_EQ(copy.text("Descrizione"), "Visita");
    EXPECT_EQ(copy.text("File01"), "");
    EXPECT_EQ(copy.text("Desc01"), "");
}

TEST_F(PriceCard, FindLowStockAndExportOpenTheirWindowsOwnedByTheCard)
{
    QStringList opened;
    sp.onModal = [&](QWidget *w) {
        EXPECT_EQ(w->parentWidget(), card.get());
        if (auto *search = qobject_cast<TfrmTrovaServizi *>(w))
            opened << "search:" + search->lblMemory->text();
        else if (qobject_cast<TfrmSottoscorta *>(w))
            opened << "low stock";
        else if (qobject_cast<TfrmExpServizi *>(w))
            opened << "export";
        w->close();
    };
    click(card->cmdTrova);
    click(card->cmdSottoscorta);
    click(card->cmdEsporta);
    EXPECT_EQ(opened, (QStringList{"search:servizi", "low stock", "export"}));
}

TEST_F(PriceCard, APickedArticleIsOnScreenAndSaveOverwritesIt)
{
    std::vector<Record> records{article("Articolo 1"), article("Articolo 2", {{"Giacenza", "5"}, {"Costo", "2,00"},
                                                                             {"Valore", "10,00"}, {"File01", "a.pdf"}}),
                                article("Articolo 3")};
    writeArchive(ArchiveBytes(records));
    frmServizi = card.get();
    PriceItemHandBack("servizi", records[1], 2);
    frmServizi = nullptr;
    EXPECT_EQ(card->lblPosizione->text(), "2");
    EXPECT_EQ(card->txtDescrizione->text(), "Articolo 2");
    EXPECT_EQ(card->lblFile[0]->text(), "a.pdf");

    type(card->txtGiacenza, "6");
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{CardOverwritten});
    const QByteArray after = stored();
    ASSERT_EQ(after.size(), 3 * 3136);
    const Record saved = storedRecord(after, 2);
    EXPECT_EQ(saved.text("Giacenza"), "6");
    EXPECT_EQ(saved.text("Valore"), "12,00");
    EXPECT_EQ(saved.text("File01"), "a.pdf");
    EXPECT_EQ(storedRecord(after, 1).bytes(), records[0].bytes());
    EXPECT_EQ(storedRecord(after, 3).bytes(), records[2].bytes());
}

TEST_F(PriceCard, StockButtonsOpenTheDialogAndOnlyApplyWritesTheStock)
{
    card->txtGiacenza->setText("");
    card->txtValore->setText("4,00");
    QStringList seen;
    sp.onModal = [&](QWidget *w) {
        auto *d = qobject_cast<TfrmGiacenza *>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->parentWidget(), card.get());
        seen << d->lblAggiunta->text() << d->txtGiacenza->text() << d->txtAggiunta->text() << d->txtTotale->text();
        d->txtAggiunta->setText("5");
        QTest::mouseClick(d->lblAggiunta->text().contains("sottrarre") ? d->btnAggiorna : d->btnChiudi,
                          Qt::LeftButton);
    };
    QTest::mouseClick(card->btnAggiungi, Qt::LeftButton);
    EXPECT_EQ(seen, (QStringList{QString::fromUtf8("Quantità da aggiungere:"), "0", "0", "0"}));
    EXPECT_EQ(card->txtGiacenza->text(), "0") << "a blank stock shows 0, and Annulla writes nothing";

    seen.clear();
    card->txtGiacenza->setText(" 2 ");
    QTest::mouseClick(card->btnSottrai, Qt::LeftButton);
    EXPECT_EQ(seen, (QStringList{QString::fromUtf8("Quantità da sottrarre:"), "2", "0", "2"}));
    EXPECT_EQ(card->txtGiacenza->text(), "-3");
    EXPECT_EQ(card->txtValore->text(), "4,00") << "the value waits for Save or the value command";
    EXPECT_FALSE(QFile::exists(archive())) << "the stock reaches the archive only with Save";
}

TEST_F(PriceCard, AttachFilesUsesTheServiziTag)
{
    card->lblFile[0]->setText(" listino.pdf ");
    card->lblDesc[0]->setText("Listino");
    sp.onModal = [&](QWidget *w) {
        auto *d = qobject_cast<TfrmAllegaCartella *>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->lblMemory->text(), "servizi");
        EXPECT_EQ(d->txtFile01->text(), "listino.pdf");
        EXPECT_EQ(d->txtDesc01->text(), "Listino");
        d->txtDesc02->setText(" Scheda tecnica ");
        d->txtFile02->setText("scheda.pdf");
        frmServizi = card.get();
        QTest::mouseClick(d->btnApplica, Qt::LeftButton);
        frmServizi = nullptr;
    };
    click(card->cmdFile);
    EXPECT_EQ(card->lblFile[1]->text(), "scheda.pdf");
    EXPECT_EQ(card->lblDesc[1]->text(), "Scheda tecnica");
    EXPECT_EQ(card->lblFile[0]->text(), "listino.pdf");
}

TEST_F(PriceCard, HelpAndHints)
{
    const ShownHelp help = ClickForHelp(sp, card->cmdGuida);
    EXPECT_EQ(help.owner, card.get());
    EXPECT_EQ(help.title, "Applicazione Tariffario Prodotti e Servizi.");
    ASSERT_EQ(help.paragraphs().size(), 5) << help.text.toStdString();
    EXPECT_TRUE(help.paragraphs()[3].endsWith("con la lettera \"S\"."));

    ShowInTheDesignArea(card.get());
    QLabel *status = Named<QLabel>(card.get(), "panInfo");
    const struct {
        QWidget *control;
        const char *hint;
    } hints[] = {
        {card->cmdSottoscorta, "Visualizza l'elenco dei prodotti in esaurimento."},
        {card->btnAggiungi, "Aggiorna la giacenza aggiungendo una certa quantità."},
        {card->btnValore,
         "Calcola il valore totale della merce in magazzino moltiplicando il costo per la giacenza."},
        {card->cmdEsci, "Esci da questa schermata di lavoro."},
    };
    for (const auto &h : hints) {
        QTest::mouseMove(card->windowHandle(), h.control->mapTo(card.get(), QPoint(5, 5)));
        EXPECT_EQ(status->text(), QString::fromUtf8(h.hint)) << h.control->objectName().toStdString();
    }
}

TEST_F(PriceCard, EveryControlIsWithinTheDesignAreaWithoutScrolling) { ExpectWithinTheDesignArea(card.get()); }

} // namespace
