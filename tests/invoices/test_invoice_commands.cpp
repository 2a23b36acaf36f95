// The invoice card's own commands: the tax-code and VAT-number checks of the issuer and of the
// customer, clearing the issuer block, exit, help and the hover hints.
#include "InvoiceFixture.h"

#include "common/ui/RecordCard.h"
#include "common/ui/StatusLine.h"
#include "dialogs/CodFisc.h"
#include "dialogs/PartitaIVA.h"
#include "invoices/InvoiceHelp.h"
#include "tests/support/CardControls.h"
#include "tests/support/DesignArea.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ShownHelp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>
#include <string>

namespace {

class InvoiceCommands : public InvoiceWindows {
protected:
    void SetUp() override
    {
        InvoiceWindows::SetUp();
        showCard();
    }
    // Moves the mouse to `at` in `w` (by default its middle) and gives the status text then.
    QString hover(QWidget *w, std::optional<QPoint> at = std::nullopt)
    {
        QTest::mouseMove(card->windowHandle(), w->mapTo(card, at.value_or(w->rect().center())));
        return card->panInfo->text();
    }
};

// What a check command showed: the dialog's class, its caption and the text in its edit.
struct ShownCheck {
    QString dialog;
    QString caption;
    QString text;
    QWidget *owner = nullptr;
};

TEST_F(InvoiceCommands, CheckCommandsOpenTheirDialogOnTheTrimmedFieldAndTakeNothingBack)
{
    ShownCheck shown;
    sp.onModal = [&](QWidget *w) {
        shown.dialog = w->metaObject()->className();
        shown.caption = w->windowTitle();
        shown.owner = w->parentWidget();
        if (auto *cf = qobject_cast<TfrmCodFisc *>(w)) {
            shown.text = cf->txtCodFisc->text();
            cf->txtCodFisc->setText("CAMBIATO");
        } else if (auto *vat = qobject_cast<TfrmPartitaIva *>(w)) {
            shown.text = vat->txtPartitaIva->text();
            vat->txtPartitaIva->setText("00000000000");
        }
    };
    const char *const TaxCode = "TfrmCodFisc";
    const char *const Vat = "TfrmPartitaIva";
    const struct {
        ClickLabel *TfrmFatture::*button;
        QLineEdit *TfrmFatture::*field;
        const char *text;
        const char *dialog;
        const char *handed;
    } cases[] = {
        // A tax-code field: digits only go to the VAT-number check, anything else to the tax code.
        {&TfrmFatture::btnCodFiscCliente, &TfrmFatture::txtCodFiscCliente, "", TaxCode, ""},
        {&TfrmFatture::btnCodFiscCliente, &TfrmFatture::txtCodFiscCliente, "   ", TaxCode, ""},
        {&TfrmFatture::btnCodFiscCliente, &TfrmFatture::txtCodFiscCliente, " RSSMRA80A01H501U ", TaxCode,
         "RSSMRA80A01H501U"},
        {&TfrmFatture::btnCodFiscCliente, &TfrmFatture::txtCodFiscCliente, " 01234567890 ", Vat, "01234567890"},
        {&TfrmFatture::btnCodFiscCliente, &TfrmFatture::txtCodFiscCliente, "123", Vat, "123"},
        {&TfrmFatture::btnCodFiscCliente, &TfrmFatture::txtCodFiscCliente, "0123456789O", TaxCode, "0123456789O"},
        {&TfrmFatture::btnCodFiscCliente, &TfrmFatture::txtCodFiscCliente, "012 345", TaxCode, "012 345"},
        {&TfrmFatture::btnCodFiscDitta, &TfrmFatture::txtCodFiscDitta, "", TaxCode, ""},
        {&TfrmFatture::btnCodFiscDitta, &TfrmFatture::txtCodFiscDitta, "\t98765432109 ", Vat, "98765432109"},
        {&TfrmFatture::btnCodFiscDitta, &TfrmFatture::txtCodFiscDitta, "VRDLGU70B12F205Z", TaxCode,
         "VRDLGU70B12F205Z"},
        // A VAT-number field always goes to the VAT-number check.
        {&TfrmFatture::btnIvaCliente, &TfrmFatture::txtIvaCliente, "", Vat, ""},
        {&TfrmFatture::btnIvaCliente, &TfrmFatture::txtIvaCliente, "ABC", Vat, "ABC"},
        {&TfrmFatture::btnIvaDitta, &TfrmFatture::txtIvaDitta, " 01234567890  ", Vat, "01234567890"},
        {&TfrmFatture::btnIvaDitta, &TfrmFatture::txtIvaDitta, "RSSMRA80A01H501U", Vat, "RSSMRA80A01H501U"},
    };
    for (const auto &c : cases) {
        QLineEdit *field = card->*c.field;
        SCOPED_TRACE(field->objectName().toStdString() + " \"" + c.text + "\"");
        shown = {};
        field->setText(QString::fromUtf8(c.text));
        click(card->*c.button);
        EXPECT_EQ(shown.dialog, c.dialog);
        EXPECT_EQ(shown.caption, shown.dialog == TaxCode ? " Controllo codice fiscale" : " Controllo partita IVA");
        EXPECT_EQ(shown.text, c.handed);
        EXPECT_EQ(shown.owner, card);
        EXPECT_EQ(field->text(), QString::fromUtf8(c.text));
    }
}

TEST_F(InvoiceCommands, ClearingTheIssuerEmptiesItsNineFieldsAsksNothingAndIsStoredOnlyAtClose)
{
    const QString section = "Ditta Emittente";
    IniWriteString(settings(), section, "Nome", "Ambulatorio Verdi");
    const QByteArray savedSettings = readBytes(settings());
    const char *const issuer[] = {"txtDitta",   "txtViaDitta",     "txtCapDitta", "txtCittaDitta", "txtProvDitta",
                                  "txtIvaDitta", "txtCodFiscDitta", "txtLibero01", "txtLibero02"};
    const char *const kept[] = {"txtPagamento", "txtBanca", "txtIban", "txtPercIva", "txtCliente", "txtNumFatt",
                                "txtDesc01"};
    for (const char *name : issuer)
        SetControlText(Named<QWidget>(card, name), QStringLiteral("ditta %1").arg(name));
    card->txtProvDitta->setCurrentText("MI");
    for (const char *name : kept)
        SetControlText(Named<QWidget>(card, name), QStringLiteral("resta %1").arg(name));
    card->txtNote->setFocus();
    sp.clear();

    click(card->btnCancDitta);
    for (const char *name : issuer)
        EXPECT_EQ(ControlText(Named<QWidget>(card, name)), "") << name;
    for (const char *name : kept)
        EXPECT_EQ(ControlText(Named<QWidget>(card, name)), QStringLiteral("resta %1").arg(name)) << name;
    EXPECT_EQ(FocusedName(), "txtDitta");
    EXPECT_TRUE(sp.calls.empty());
    EXPECT_EQ(readBytes(settings()), savedSettings);

    // The close stores the empty issuer, and the next showing brings it back empty.
    click(card->cmdEsci);
    EXPECT_EQ(IniReadString(settings(), section, "Nome"), "");
    EXPECT_EQ(IniReadString(settings(), section, "Pagamento"), "resta txtPagamento");
    showCard();
    for (const char *name : issuer)
        EXPECT_EQ(ControlText(Named<QWidget>(card, name)), "") << name;
    EXPECT_EQ(card->txtBanca->text(), "resta txtBanca");
}

TEST_F(InvoiceCommands, ExitLeavesAnUnsavedInvoiceWithoutAQuestionForTheLauncher)
{
    card->txtCliente->setText("Rossi Mario");
    card->txtNumFatt->setText("7");
    card->txtDesc[0]->setText("Visita");
    sp.clear();
    click(card->cmdEsci);
    EXPECT_FALSE(card->isVisible());
    EXPECT_TRUE(launcher->isVisible());
    EXPECT_TRUE(sp.messages().isEmpty());
    EXPECT_TRUE(sp.callsOf("question").empty());
    EXPECT_FALSE(QFile::exists(archive()));
}

TEST_F(InvoiceCommands, HelpShowsTheInvoicesTitleAndItsEightParagraphs)
{
    const ShownHelp help = ClickForHelp(sp, card->cmdGuida);
    ASSERT_TRUE(help.shown);
    EXPECT_EQ(help.owner, card);
    EXPECT_EQ(help.title, "Applicazione Emissione fatture proforma.");
    // The paragraphs stand apart by one empty line each, with nothing before the first or after the last.
    ASSERT_EQ(help.paragraphs().size(), 8) << help.text.toStdString();
    EXPECT_EQ(help.paragraphs(), InvoiceHelpParagraphs());
    EXPECT_TRUE(help.text.startsWith("Tavoren dispone di un ambiente di lavoro"));
    EXPECT_TRUE(help.text.endsWith("arrotondando i totali all'euro."));
    EXPECT_EQ(help.paragraphs()[2], QString::fromUtf8("Le informazioni riguardanti il proprio studio veterinario "
                                                      "sono salvate in automatico alla chiusura della schermata di "
                                                      "lavoro."));
}

TEST_F(InvoiceCommands, HoveringACommandShowsItsHintAndTheBackgroundClearsIt)
{
    ShowInTheDesignArea(card);
    const struct {
        const char *control;
        const char *hint;
    } hints[] = {
        {"btnCancDitta", "Cancella i dati della Ditta emittente."},
        {"btnLogo", "Carica il logo della Ditta emittente."},
        {"btnCodFiscDitta", "Controlla il codice fiscale."},
        {"btnCodFiscCliente", "Controlla il codice fiscale."},
        {"btnIvaDitta", "Controlla il numero di partita IVA."},
        {"btnIvaCliente", "Controlla il numero di partita IVA."},
        {"cmdDatiComputer", "Apri la finestra per l'inserimento dei dati del veicolo."},
        {"chkSaldata", "Contrassegna come documento IVA esente."},
        {"cmdStampa", "Stampa la fattura proforma corrente."},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa della fattura proforma corrente."},
        {"cmdPDF", "Esporta la fattura proforma corrente in formato PDF."},
        {"cmdTrova", "Trova una fattura proforma in archivio."},
        {"cmdSospese", "Visualizza il riepilogo delle prestazioni soggette a IVA."},
        {"cmdRiepMensile", "Visualizza il riepilogo mensile delle fatture proforma emesse."},
        {"cmdRiepTrimestrale", "Visualizza il riepilogo trimestrale delle fatture proforma emesse."},
        {"cmdRiepAnnuale", "Visualizza il riepilogo annuale delle fatture proforma emesse."},
        {"cmdEsporta", "Esporta le fatture proforma in archivio in un file di Microsoft Excel."},
        {"cmdNumerazione", "Imposta il numero iniziale per la numerazione delle fatture proforma."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"impCliente", "Importa i dati del cliente dall'archivio anagrafico."},
        {"impOggi", "Inserisci la data corrente."},
        {"chkEs01", "Contrassegna come articolo esente da IVA."},
        {"impMag01", "Importa i dati dell'articolo dal Tariffario Prodotti e Servizi."},
    };
    for (const auto &h : hints) {
        QWidget *control = Named<QWidget>(card, h.control);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(hover(Named<QWidget>(card, "panDitta"), QPoint(3, 3)), "") << h.control;
        EXPECT_EQ(hover(control), QString::fromUtf8(h.hint)) << h.control;
    }

    // Every line's exemption box and article import, on every page, has the same hint.
    for (int line = 1; line <= InvoiceLineCount; ++line) {
        card->showPage((line - 1) / 5 + 1);
        const size_t i = size_t(line - 1);
        // The page's background, left of its heading.
        const QPoint background(150, 20);
        EXPECT_EQ(hover(card->grpPage[i / 5], background), "") << line;
        EXPECT_EQ(hover(card->chkEs[i]), "Contrassegna come articolo esente da IVA.") << line;
        EXPECT_EQ(hover(card->grpPage[i / 5], background), "") << line;
        EXPECT_EQ(hover(card->impMag[i]), "Importa i dati dell'articolo dal Tariffario Prodotti e Servizi.") << line;
    }

    // The card's panels and shapes go by their names, and each is background that clears a hint.
    card->showPage(1);
    for (const char *name : {"panContainer", "panDitta", "panCliente", "panNumFattura", "grpPage01", "shpIndietro_A",
                             "shpAvanti_A", "titProdotti_A", "shpImporto01", "shpTotImponibile", "shpTotImposta",
                             "shpTotIva", "shpTotEsente", "shpTotFattura", "shpNuovo", "Rectangle1", "shpStampa",
                             "shpRecord", "shpNumerazione", "shpRiepiloghi", "shpEsci", "shpInfo"}) {
        QWidget *background = Named<QWidget>(card, name);
        ASSERT_NE(background, nullptr) << name;
        EXPECT_EQ(hover(Named<QWidget>(card, "cmdSalva")), "Salva o aggiorna la fattura proforma corrente.");
        EXPECT_EQ(hover(background, QPoint(3, 3)), "") << name;
    }
    // The status text stands on its strip.
    EXPECT_EQ(card->panInfo->parentWidget(), Named<QWidget>(card, "shpInfo"));
}

} // namespace
