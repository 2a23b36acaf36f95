// The invoice card's six pages of lines, their arrows, and the commands that fill fields from
// elsewhere: the customer from the owners, an article from the price list, today's date.
#include "InvoiceArchives.h"
#include "InvoiceFixture.h"

#include "common/Record.h"
#include "common/ui/RecordCard.h"
#include "common/ui/StatusLine.h"
#include "owners/OwnerRecord.h"
#include "owners/TrovaClienti.h"
#include "pricelist/PriceListRecord.h"
#include "pricelist/TrovaServizi.h"
#include "tests/support/CardControls.h"
#include "tests/support/DesignArea.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ListClicks.h"
#include "tests/support/QStringPrinter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <map>
#include <optional>
#include <string>

namespace {

class InvoicePages : public InvoiceWindows {
protected:
    void SetUp() override
    {
        InvoiceWindows::SetUp();
        showCard();
    }
    ClickLabel *arrow(const QString &name) const
    {
        auto *a = card->findChild<ClickLabel *>(name);
        EXPECT_NE(a, nullptr) << name.toStdString();
        return a;
    }
    // Turns from page 1 to `page` with the forward arrows.
    void goToPage(int page)
    {
        for (int p = visiblePage(); p < page; ++p)
            click(arrow(QStringLiteral("imgAvanti_") + QChar('A' + p - 1)));
        ASSERT_EQ(visiblePage(), page);
    }
};

TEST_F(InvoicePages, ArrowsTurnOnePageAtATimeAndPutTheFocusOnItsFirstQuantity)
{
    ASSERT_EQ(visiblePage(), 1);
    // Each step: the arrow clicked, the field that had the focus before, the page and the focus after.
    const struct {
        const char *arrow;
        const char *focusBefore;
        int page;
        const char *focusAfter;
    } steps[] = {
        {"imgIndietro_A", "txtCliente", 1, "txtCliente"},  // grey: leads nowhere, does nothing
        {"imgAvanti_A", "txtCliente", 2, "txtQuant06"},
        {"imgAvanti_B", "txtDesc08", 3, "txtQuant11"},
        {"imgAvanti_C", "txtNote", 4, "txtQuant16"},
        {"imgAvanti_D", "txtQuant16", 5, "txtQuant21"},
        {"imgAvanti_E", "txtPrezzo24", 6, "txtQuant26"},
        {"imgAvanti_F", "txtDesc27", 6, "txtDesc27"},      // grey
        {"imgIndietro_F", "txtDitta", 5, "txtQuant21"},
        {"imgIndietro_E", "txtQuant21", 4, "txtQuant16"},
        {"imgIndietro_D", "txtPercSconto18", 3, "txtQuant11"},
        {"imgIndietro_C", "txtIban", 2, "txtQuant06"},
        {"imgIndietro_B", "txtDesc09", 1, "txtQuant01"},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.arrow);
        Named<QWidget>(card, s.focusBefore)->setFocus();
        ASSERT_EQ(FocusedName(), s.focusBefore);
        click(arrow(s.arrow));
        EXPECT_EQ(visiblePage(), s.page);
        EXPECT_EQ(FocusedName(), s.focusAfter);
    }
}

TEST_F(InvoicePages, OnlyTheArrowsThatLeadSomewhereShowAHandAndAHint)
{
    for (int p = 0; p < 6; ++p) {
        const QString letter(QChar('A' + p));
        SCOPED_TRACE(letter.toStdString());
        ClickLabel *back = arrow("imgIndietro_" + letter);
        ClickLabel *forward = arrow("imgAvanti_" + letter);
        EXPECT_EQ(back->cursor().shape(), p == 0 ? Qt::ArrowCursor : Qt::PointingHandCursor);
        EXPECT_EQ(forward->cursor().shape(), p == 5 ? Qt::ArrowCursor : Qt::PointingHandCursor);
        // Each arrow stands on its shape at the top of its own page, beside the heading.
        EXPECT_TRUE(card->grpPage[size_t(p)]->isAncestorOf(back));
        EXPECT_EQ(back->parentWidget()->objectName(), "shpIndietro_" + letter);
        EXPECT_EQ(forward->parentWidget()->objectName(), "shpAvanti_" + letter);
        EXPECT_NE(card->grpPage[size_t(p)]->findChild<QLabel *>("titProdotti_" + letter), nullptr);
        EXPECT_EQ(card->grpPage[size_t(p)]->size(), QSize(945, 230));
        EXPECT_EQ(card->grpPage[size_t(p)]->pos(), card->grpPage[0]->pos());
    }

    ShowInTheDesignArea(card);
    // The status text once the mouse has moved to `at` in `w` (by default its middle).
    const auto hover = [&](QWidget *w, std::optional<QPoint> at = std::nullopt) {
        QTest::mouseMove(card->windowHandle(), w->mapTo(card, at.value_or(w->rect().center())));
        return card->panInfo->text();
    };
    EXPECT_EQ(hover(arrow("imgAvanti_A")), "Visualizza i prossimi cinque articoli.");
    // The grey back arrow of the first page has no hint: the last one stays.
    EXPECT_EQ(hover(arrow("imgIndietro_A")), "Visualizza i prossimi cinque articoli.");
    // Its shape is background.
    EXPECT_EQ(hover(Named<QWidget>(card, "shpIndietro_A"), QPoint(2, 2)), "");
    click(arrow("imgAvanti_A"));
    EXPECT_EQ(hover(arrow("imgIndietro_B")), "Visualizza i cinque articoli precedenti.");
    EXPECT_EQ(hover(Named<QWidget>(card, "titProdotti_B")), "");
}

TEST_F(InvoicePages, LinesKeepTheirTextOnHiddenPagesAndOnlyClearingGoesBackToTheFirst)
{
    writeBytes(archive(), ArchiveBytes({MakeInvoice({{"NumFatt", "1"}, {"Cliente", "Verdi"}, {"Desc03", "Visita"}})}));
    goToPage(2);
    card->txtDesc[6]->setFocus();
    QTest::keyClicks(card->txtDesc[6], "Vaccino");
    goToPage(4);
    click(arrow("imgIndietro_D"));
    click(arrow("imgIndietro_C"));
    EXPECT_EQ(visiblePage(), 2);
    EXPECT_EQ(card->txtDesc[6]->text(), "Vaccino");

    // Loading an invoice changes neither the page nor the focus.
    card->txtPrezzo[8]->setFocus();
    card->cmdUltimoClick();
    EXPECT_EQ(card->txtCliente->text(), "Verdi");
    EXPECT_EQ(card->txtDesc[2]->text(), "Visita");
    EXPECT_EQ(visiblePage(), 2);
    EXPECT_EQ(FocusedName(), "txtPrezzo09");

    // New clears the card back to the first page.
    card->cmdNuovoClick();
    EXPECT_EQ(visiblePage(), 1);
    EXPECT_EQ(FocusedName(), "txtCliente");
}

// A small owner archive: the owner to import, padded as the card would never store it, and
// another one.
QByteArray ownerArchive()
{
    Record other(OwnerRecordLayout());
    other.setText("Cliente", "Neri Paolo");
    other.setText("PartitaIva", "11111111111");
    Record chosen(OwnerRecordLayout());
    chosen.setText("Cliente", " Bianchi Anna ");
    chosen.setText("IndirizzoRes", "Via Roma 1 ");
    chosen.setText("CapRes", "10100");
    chosen.setText("ComuneRes", " Torino");
    chosen.setText("ProvRes", "TO");
    chosen.setText("PartitaIva", "");  // no VAT number: the card's is emptied
    chosen.setText("CodFisc", "BNCNNA80A41L219X");
    chosen.setText("TelCasa", "011 123456");
    chosen.setText("Recapito", "Via Po 3");
    return ArchiveBytes({other, chosen});
}

TEST_F(InvoicePages, CustomerImportWritesTheSevenOwnerFieldsTrimmedAndNothingElse)
{
    writeBytes(sp.file(OwnerArchiveName), ownerArchive());
    card->txtIvaCliente->setText("99999999999");
    card->txtCodFiscCliente->setText("vecchio");
    card->txtRiferimenti->setText("Ordine 4");
    card->txtData->setText("01/02/2026");
    card->txtQuant[0]->setText("2");
    card->lblPosizione->setText("3");
    card->txtDesc[1]->setFocus();

    // Closing the search without choosing writes nothing.
    bool shown = false;
    sp.onModal = [&](QWidget *w) { shown = qobject_cast<TfrmTrovaClienti *>(w) != nullptr; };
    click(card->impCliente);
    ASSERT_TRUE(shown);
    EXPECT_EQ(card->txtIvaCliente->text(), "99999999999");

    sp.onModal = [&](QWidget *w) {
        auto *search = qobject_cast<TfrmTrovaClienti *>(w);
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(search->parentWidget(), card);
        EXPECT_EQ(search->lblMemory->text(), "fatture");
        search->txtCliente->setText("bianchi");
        QTest::mouseClick(search->btnCerca, Qt::LeftButton);
        ASSERT_EQ(search->lstRecords->count(), 1);
        DoubleClickLine(search, 0);
        EXPECT_FALSE(search->isVisible());
    };
    click(card->impCliente);
    sp.onModal = nullptr;

    const std::map<QString, QString> expected{
        {"txtCliente", "Bianchi Anna"}, {"txtViaCliente", "Via Roma 1"}, {"txtCapCliente", "10100"},
        {"txtCittaCliente", "Torino"},  {"txtProvCliente", "TO"},       {"txtIvaCliente", ""},
        {"txtCodFiscCliente", "BNCNNA80A41L219X"},
        // Everything else stays as it was.
        {"txtRiferimenti", "Ordine 4"}, {"txtData", "01/02/2026"}, {"txtQuant01", "2"}, {"lblPosizione", "3"}};
    for (const auto &[control, text] : expected)
        EXPECT_EQ(ControlText(Named<QWidget>(card, control.toLatin1().constData())), text) << control.toStdString();
    EXPECT_EQ(FocusedName(), "txtDesc02");
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(InvoicePages, EveryArticleImportOpensThePickerWithTheTagOfItsOwnLine)
{
    QStringList tags;
    sp.onModal = [&](QWidget *w) {
        auto *picker = qobject_cast<TfrmTrovaServizi *>(w);
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->parentWidget(), card);
        tags << picker->lblMemory->text();
    };
    QStringList expected;
    for (int line = 1; line <= InvoiceLineCount; ++line) {
        goToPage((line - 1) / 5 + 1);
        ClickLabel *command = card->impMag[size_t(line - 1)];
        ASSERT_EQ(command->objectName(), QStringLiteral("impMag%1").arg(line, 2, 10, QChar('0')));
        click(command);
        expected << QStringLiteral("fat_art_%1").arg(line, 2, 10, QChar('0'));
    }
    EXPECT_EQ(tags, expected);
    // A closed picker writes nothing.
    for (int i = 0; i < InvoiceLineCount; ++i)
        EXPECT_EQ(card->txtCodice[size_t(i)]->text(), "");
}

TEST_F(InvoicePages, AnArticleImportWritesCodeDescriptionAndPriceAndWorksNothingOut)
{
    Record article(PriceListItemRecordLayout());
    article.setText("Supplementi", " VAX-01 ");
    article.setText("Descrizione", "Vaccino trivalente ");
    article.setText("Prezzo", "20,5");
    article.setText("Giacenza", "12");
    const QByteArray stock = ArchiveBytes({article});
    writeBytes(sp.file(PriceListArchiveName), stock);

    // Line 12 holds a quantity and an old amount; the totals show old figures.
    goToPage(3);
    card->txtQuant[11]->setText("3");
    card->txtPercSconto[11]->setText("10");
    card->chkEs[11]->setChecked(true);
    card->txtImporto[11]->setText("7,00");
    card->txtTotImponibile->setText("7,00");
    card->txtTotFattura->setText("8,54");
    card->txtQuant[12]->setFocus();

    sp.onModal = [&](QWidget *w) {
        auto *picker = qobject_cast<TfrmTrovaServizi *>(w);
        ASSERT_NE(picker, nullptr);
        picker->txtDescrizione->setText("vacc");
        QTest::mouseClick(picker->btnCerca, Qt::LeftButton);
        ASSERT_EQ(picker->lstRecords->count(), 1);
        DoubleClickLine(picker, 0);
    };
    click(card->impMag[11]);
    sp.onModal = nullptr;

    EXPECT_EQ(card->txtCodice[11]->text(), "VAX-01");
    EXPECT_EQ(card->txtDesc[11]->text(), "Vaccino trivalente");
    EXPECT_EQ(card->txtPrezzo[11]->text(), "20,5");  // as the price list holds it
    EXPECT_EQ(card->txtQuant[11]->text(), "3");
    EXPECT_EQ(card->txtPercSconto[11]->text(), "10");
    EXPECT_TRUE(card->chkEs[11]->isChecked());
    EXPECT_EQ(card->txtImporto[11]->text(), "7,00");
    EXPECT_EQ(card->txtTotImponibile->text(), "7,00");
    EXPECT_EQ(card->txtTotFattura->text(), "8,54");
    // The neighbouring lines and the stock stay as they were.
    EXPECT_EQ(card->txtDesc[10]->text(), "");
    EXPECT_EQ(card->txtDesc[12]->text(), "");
    EXPECT_EQ(readBytes(sp.file(PriceListArchiveName)), stock);
    EXPECT_EQ(FocusedName(), "txtQuant13");
    EXPECT_EQ(visiblePage(), 3);
}

TEST_F(InvoicePages, TheDateCommandWritesTodayFromThePlatformOverAnyDate)
{
    const struct {
        QDate today;
        const char *before;
        const char *after;
    } cases[] = {
        {QDate(2027, 1, 1), "15/06/2026", "01/01/2027"},
        {QDate(2022, 3, 5), "", "05/03/2022"},
        {QDate(2026, 12, 31), "non è una data", "31/12/2026"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.after);
        sp.todayValue = c.today;
        card->txtData->setText(QString::fromUtf8(c.before));
        card->txtNote->setFocus();
        click(card->impOggi);
        EXPECT_EQ(card->txtData->text(), c.after);
        EXPECT_EQ(FocusedName(), "txtNote");
    }
}

} // namespace
