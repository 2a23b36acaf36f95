#include "InvoiceFixture.h"

#include "common/Messages.h"
#include "common/Record.h"
#include "common/ui/RecordCard.h"
#include "invoices/InvoiceRecord.h"
#include "owners/OwnerHandBack.h"
#include "owners/OwnerRecord.h"
#include "pricelist/PriceItemHandBack.h"
#include "pricelist/PriceListRecord.h"
#include "tests/support/CardTexts.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/UnstorableText.h"
#include "tests/support/CardControls.h"
#include "invoice_reports/InvoiceOutput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int RecordSize = 4926;
const QString Inserted = QString::fromUtf8("La scheda corrente è stata inserita in archivio.");
const QString Overwritten =
    QString::fromUtf8("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString EmptyArchive = QString::fromUtf8("L'archivio non contiene nessuna scheda.");
const QString BadDate = QString::fromUtf8(
    "Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una data "
    "valida nel formato gg/mm/anno.");

Record invoice(const QString &number, const QString &customer)
{
    Record r(InvoiceRecordLayout());
    r.setText("NumFatt", number);
    r.setText("Data", "01/02/2026");
    r.setText("Cliente", customer);
    r.setText("Ditta", "Ambulatorio " + number);
    for (int i = 1; i <= InvoiceLineCount; ++i)
        r.setText(InvoiceLineField("Es", i), "No");
    r.setText("Saldata", "No");
    return r;
}

// An archive of invoices "1" .. "n" for customers "Cliente 1" .. "Cliente n".
QByteArray invoiceArchive(int n)
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += invoice(QString::number(i), QStringLiteral("Cliente %1").arg(i)).bytes();
    return bytes;
}

Record storedRecord(const QByteArray &archive, int number)
{
    return Record(InvoiceRecordLayout(), archive.mid((number - 1) * RecordSize, RecordSize));
}

class InvoiceCard : public InvoiceWindows {
protected:
    void SetUp() override
    {
        InvoiceWindows::SetUp();
        showCard();
    }
    void writeArchive(const QByteArray &bytes) { writeBytes(archive(), bytes); }
    // The few fields Save asks for.
    void fillRequired()
    {
        card->txtCliente->setText("Rossi Mario");
        card->txtNumFatt->setText("7");
        card->txtData->setText("10/12/2026");
    }
};

TEST_F(InvoiceCard, NewNumbersFromTheStartAndTheRecordsWithTodaysYearOnRequest)
{
    const struct {
        const char *start;       // nullptr: no key
        const char *solar;       // nullptr: no key
        int records;
        const char *year;        // the archive's year
        const char *number;
    } cases[] = {
        {nullptr, nullptr, 0, "2026", "1"},
        {"", "No", 2, "2026", "3"},
        {"100", "Sì", 12, "2026", "112/2026"},
        {"100", " Sì ", 12, "2026", "112/2026"},
        {"100", "sì", 12, "2026", "112"},
        {"100", "Si", 12, "2026", "112"},
        {"5", "Sì", 0, "2022", "5/2026"},  // the suffix is today's year, not the archive's
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.number);
        QFile::remove(settings());
        if (c.start)
            IniWriteString(settings(), "Numerazione Fatture", "Inizio", QString::fromUtf8(c.start));
        if (c.solar)
            IniWriteString(settings(), "Numerazione Fatture", "Indicazione Anno Solare", QString::fromUtf8(c.solar));
        writeBytes(archive(c.year), invoiceArchive(c.records));
        card->lblFile->setText(archive(c.year));
        card->txtCliente->setText("vecchio");
        card->txtDitta->setText("Ambulatorio Bianchi");
        card->txtPercIva->setText("22");
        card->lblPosizione->setText("4");
        sp.clear();
        click(card->cmdNuovo);
        EXPECT_TRUE(sp.messages().isEmpty());
        EXPECT_EQ(card->txtNumFatt->text(), c.number);
        EXPECT_EQ(card->txtData->text(), "10/12/2026");
        EXPECT_EQ(card->txtCliente->text(), "");
        EXPECT_EQ(card->lblPosizione->text(), "");
        EXPECT_EQ(card->txtDitta->text(), "Ambulatorio Bianchi");
        EXPECT_EQ(card->txtPercIva->text(), "22");
        EXPECT_EQ(focused(), "txtCliente");
    }
}

TEST_F(InvoiceCard, NewOnAYearWithoutArchiveCreatesItEmpty)
{
    ASSERT_FALSE(QFile::exists(archive()));
    click(card->cmdNuovo);
    EXPECT_EQ(card->txtNumFatt->text(), "1");
    EXPECT_TRUE(QFile::exists(archive()));
    EXPECT_EQ(readBytes(archive()).size(), 0);
}

TEST_F(InvoiceCard, SavedInvoiceWithLinesOnTwoPagesComesBackWhole)
{
    fillRequired();
    card->txtDitta->setText("Ambulatorio Bianchi");
    card->txtProvDitta->setCurrentText("MI");
    card->txtProvCliente->setCurrentText("TO");
    card->txtRiferimenti->setText("  rif. 12  ");
    card->memTarga->setText("Fido");
    card->txtQuant[1]->setText("2");
    card->txtDesc[1]->setText("Visita");
    card->txtPrezzo[1]->setText("35,00");
    card->txtQuant[6]->setText("1");
    card->txtCodice[6]->setText("VAX");
    card->txtDesc[6]->setText("Vaccino");
    card->txtPrezzo[6]->setText("20,50");
    card->txtPercSconto[6]->setText("10");
    card->chkEs[6]->setChecked(true);
    card->txtPercIva->setText("22");
    card->txtNote->setText("Grazie");
    card->chkSaldata->setChecked(true);
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{Inserted});
    EXPECT_EQ(card->lblPosizione->text(), "1");

    const QByteArray bytes = readBytes(archive());
    ASSERT_EQ(bytes.size(), RecordSize);
    const Record stored = storedRecord(bytes, 1);
    EXPECT_EQ(stored.text("Riferimenti"), "rif. 12");
    EXPECT_EQ(stored.text("ProvCliente"), "TO");
    EXPECT_EQ(stored.text("Targa"), "Fido");
    EXPECT_EQ(stored.text("Desc07"), "Vaccino");
    EXPECT_EQ(bytes.mid(1126 + 6 * 7, 2), QByteArray("\x01" "1", 2));  // Quant07, column by column
    EXPECT_EQ(bytes.mid(4516 + 6 * 3, 3), QByteArray("\x02\x53\xEC", 3));  // Es07 "Sì"
    EXPECT_EQ(bytes.mid(4516, 3), QByteArray("\x02\x4E\x6F", 3));          // Es01 "No"
    EXPECT_EQ(bytes.mid(4923, 3), QByteArray("\x02\x53\xEC", 3));          // Saldata

    // A second Save overwrites the same record.
    sp.clear();
    card->txtNote->setText("Pagata");
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{Overwritten});
    EXPECT_EQ(readBytes(archive()).size(), RecordSize);

    // New empties everything but the issuer block; Last brings the invoice back, page kept.
    click(card->cmdNuovo);
    EXPECT_EQ(card->txtDesc[6]->text(), "");
    EXPECT_FALSE(card->chkEs[6]->isChecked());
    EXPECT_EQ(card->memTarga->text(), "");
    EXPECT_EQ(visiblePage(), 1);
    card->showPage(2);
    card->txtDesc[5]->setFocus();
    card->cmdUltimoClick();
    EXPECT_EQ(card->lblPosizione->text(), "1");
    EXPECT_EQ(visiblePage(), 2);
    EXPECT_EQ(focused(), "txtDesc06");
    EXPECT_EQ(card->txtRiferimenti->text(), "rif. 12");
    EXPECT_EQ(card->txtProvDitta->currentText(), "MI");
    EXPECT_EQ(card->txtProvCliente->currentText(), "TO");
    EXPECT_EQ(card->memTarga->text(), "Fido");
    EXPECT_EQ(card->txtQuant[1]->text(), "2");
    EXPECT_EQ(card->txtPrezzo[1]->text(), "35,00");
    EXPECT_EQ(card->txtCodice[6]->text(), "VAX");
    EXPECT_EQ(card->txtPercSconto[6]->text(), "10");
    EXPECT_TRUE(card->chkEs[6]->isChecked());
    EXPECT_FALSE(card->chkEs[1]->isChecked());
    EXPECT_TRUE(card->chkSaldata->isChecked());
    EXPECT_EQ(card->txtNote->text(), "Pagata");
    EXPECT_EQ(card->txtPercIva->text(), "22");
}

TEST_F(InvoiceCard, SaveKeepsAValidDateAsDayMonthYearAndRefusesOneThatDoesNotExist)
{
    const struct {
        const char *typed;
        const char *stored;  // nullptr: refused
    } cases[] = {
        {"1/4/2022", "01/04/2022"},
        {"29/02/2024", "29/02/2024"},
        {" 5/11/2026", "05/11/2026"},
        {"31/04/2022", nullptr},
        {"29/02/2023", nullptr},
        {"oggi", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        QFile::remove(archive());
        card->ClearInvoiceCard();
        fillRequired();
        card->txtData->setText(c.typed);
        // The archive of the date's year: another year's would ask first.
        if (c.stored)
            card->lblAnno->setText(QString::fromLatin1(c.stored).right(4));
        sp.clear();
        click(card->cmdSalva);
        if (c.stored) {
            EXPECT_EQ(sp.messages(), QStringList{Inserted});
            EXPECT_EQ(card->txtData->text(), c.stored);
            EXPECT_EQ(storedRecord(readBytes(archive()), 1).text("Data"), c.stored);
        } else {
            EXPECT_EQ(sp.messages(), QStringList{BadDate});
            EXPECT_EQ(focused(), "txtData");
            EXPECT_FALSE(QFile::exists(archive()));
        }
    }
}

TEST_F(InvoiceCard, SaveRefusesANumberTooLongForItsFieldNamingTheField)
{
    const auto tooLong = [](const char *field, int capacity) {
        return QString::fromUtf8("Attenzione: il numero indicato nel campo %1 supera i %2 caratteri che l'archivio "
                                 "può contenere.\n\r\n\rPer poter salvare la scheda è necessario correggerlo.")
            .arg(QString::fromUtf8(field))
            .arg(capacity);
    };
    const struct {
        std::function<QWidget *(TfrmFatture *)> control;
        const char *text;
        QString message;
        int page;  // the page shown afterwards
        const char *focus;
    } cases[] = {
        {[](TfrmFatture *f) { return f->txtQuant[2]; }, "1234567", tooLong("\"Quant.\" della riga 3", 6), 1,
         "txtQuant03"},
        {[](TfrmFatture *f) { return f->txtPrezzo[11]; }, "12345678,90", tooLong("\"Prezzo\" della riga 12", 10), 3,
         "txtPrezzo12"},
        {[](TfrmFatture *f) { return f->txtPercSconto[29]; }, "12,5678", tooLong("\"% Sc.\" della riga 30", 6), 6,
         "txtPercSconto30"},
        {[](TfrmFatture *f) { return f->txtPercIva; }, "1234567,125", tooLong("\"IVA\"", 10), 1, "txtPercIva"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.focus);
        card->ClearInvoiceCard();
        card->txtPercIva->clear();
        fillRequired();
        QWidget *w = c.control(card);
        SetControlText(w, QString::fromUtf8(c.text));  // program-set text is never cut
        ASSERT_EQ(ControlText(w), QString::fromUtf8(c.text));
        sp.clear();
        click(card->cmdSalva);
        EXPECT_EQ(sp.messages(), QStringList{c.message});
        EXPECT_EQ(visiblePage(), c.page);
        EXPECT_EQ(focused(), c.focus);
        EXPECT_FALSE(QFile::exists(archive()));
    }
    // Text that fits is stored whole.
    card->ClearInvoiceCard();
    card->txtPercIva->clear();
    fillRequired();
    card->txtQuant[2]->setText("123456");
    sp.clear();
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{Inserted});
    EXPECT_EQ(storedRecord(readBytes(archive()), 1).text("Quant03"), "123456");
}

// The invoice and the issuer's data kept in the settings are stored as the card shows them: a letter
// the code page cannot hold refuses the Save (its line page shown), and keeps the card open at the
// close to be corrected.
TEST_F(InvoiceCard, SaveAndCloseRefuseALetterTheArchiveOrTheSettingsCannotHold)
{
    fillRequired();
    ExpectUnstorableRefused(sp, card->txtDesc[16], "Descrizione della riga 17", archive(),
                            [&] { click(card->cmdSalva); });
    EXPECT_EQ(visiblePage(), 4);
    card->txtDesc[16]->setText("Vaccino");
    ExpectUnstorableRefused(sp, card->txtDitta, "Ditta emittente", settings(), [&] { card->close(); });
    EXPECT_TRUE(card->isVisible());
}

TEST_F(InvoiceCard, NavigationAtTheEndsAndOnAnEmptyArchive)
{
    const QString failed = ArchiveAccessMessage();
    const struct {
        int records;
        const char *before;  // lblPosizione before the command
        void (TfrmFatture::*command)();
        const char *after;
        const char *customer;  // the customer on the card afterwards
        QString message;
    } cases[] = {
        {0, "", &TfrmFatture::cmdPrimoClick, "", "prima", EmptyArchive},
        {0, "", &TfrmFatture::cmdIndietroClick, "", "prima", EmptyArchive},
        {0, "", &TfrmFatture::cmdAvantiClick, "", "prima", EmptyArchive},
        {0, "", &TfrmFatture::cmdUltimoClick, "", "prima", EmptyArchive},
        {0, "2", &TfrmFatture::cmdAvantiClick, "", "prima", EmptyArchive},
        {3, "", &TfrmFatture::cmdIndietroClick, "1", "Cliente 1", ""},
        {3, "", &TfrmFatture::cmdAvantiClick, "1", "Cliente 1", ""},
        {3, "1", &TfrmFatture::cmdIndietroClick, "1", "prima", ""},
        {3, "2", &TfrmFatture::cmdIndietroClick, "1", "Cliente 1", ""},
        {3, "2", &TfrmFatture::cmdAvantiClick, "3", "Cliente 3", ""},
        {3, "3", &TfrmFatture::cmdAvantiClick, "3", "prima", ""},
        {3, "3", &TfrmFatture::cmdPrimoClick, "1", "Cliente 1", ""},
        {3, "", &TfrmFatture::cmdUltimoClick, "3", "Cliente 3", ""},
        {3, "0", &TfrmFatture::cmdIndietroClick, "0", "prima", failed},
        {3, "0", &TfrmFatture::cmdAvantiClick, "1", "Cliente 1", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.before) + " -> " + c.after + " over " + std::to_string(c.records));
        QFile::remove(archive());
        if (c.records)
            writeArchive(invoiceArchive(c.records));
        card->txtCliente->setText("prima");
        card->lblPosizione->setText(QString::fromLatin1(c.before));
        sp.clear();
        (card->*c.command)();
        EXPECT_EQ(card->lblPosizione->text(), c.after);
        EXPECT_EQ(card->txtCliente->text(), c.customer);
        EXPECT_EQ(sp.messages(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_TRUE(QFile::exists(archive())) << "the commands create a missing archive";
    }
}

TEST_F(InvoiceCard, AFailedNextFromANewCardLeavesItNewSoItCanStillBeSaved)
{
    // The archive cannot be opened: its name is taken by a folder.
    ASSERT_TRUE(QDir(sp.folder()).mkdir("2025.fat"));
    card->lblFile->setText(archive("2025"));
    fillRequired();
    click(card->findChild<ClickLabel *>("cmdAvanti"));
    EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
    EXPECT_EQ(card->lblPosizione->text(), "");

    // Once the archive is there, Save appends the typed invoice.
    card->lblFile->setText(archive());
    sp.clear();
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{Inserted});
    EXPECT_EQ(card->lblPosizione->text(), "1");
}

TEST_F(InvoiceCard, SaveOverARecordNumberOutsideTheArchiveWritesNothing)
{
    writeArchive(invoiceArchive(2));
    for (const char *position : {"0", "3"}) {
        SCOPED_TRACE(position);
        fillRequired();
        card->lblPosizione->setText(position);
        sp.clear();
        click(card->cmdSalva);
        EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
        EXPECT_EQ(readBytes(archive()), invoiceArchive(2));
        EXPECT_EQ(card->lblPosizione->text(), position);
    }
}

TEST_F(InvoiceCard, IssuerDefaultsAreReadAtShowingAndWrittenAtClose)
{
    // Every showing reads the thirteen keys and empties the rest of the card.
    card->close();
    QFile::remove(settings());
    const QString section = "Ditta Emittente";
    IniWriteString(settings(), section, "Nome", "Ambulatorio Verdi");
    IniWriteString(settings(), section, "Provincia", "Milano");  // longer than the box types
    IniWriteString(settings(), section, "Aliquota Iva", "22");
    IniWriteString(settings(), section, "Iban", " IT60X0542811101000000123456 ");
    card->txtCliente->setText("resta?");
    card->lblPosizione->setText("4");
    card->showPage(3);
    showCard();
    EXPECT_EQ(card->txtDitta->text(), "Ambulatorio Verdi");
    EXPECT_EQ(card->txtProvDitta->currentText(), "Milano");
    EXPECT_EQ(card->txtPercIva->text(), "22");
    EXPECT_EQ(card->txtBanca->text(), "");
    EXPECT_EQ(card->txtCliente->text(), "");
    EXPECT_EQ(card->lblPosizione->text(), "");
    EXPECT_EQ(visiblePage(), 1);
    EXPECT_EQ(focused(), "txtCliente");

    // Closing writes what the thirteen controls hold, trimmed, and returns to the launcher.
    card->txtBanca->setText("  Banca Sella ");
    card->txtDitta->setText("Ambulatorio Neri");
    click(card->cmdEsci);
    EXPECT_FALSE(card->isVisible());
    EXPECT_TRUE(launcher->isVisible());
    EXPECT_EQ(IniReadString(settings(), section, "Banca Appoggio"), "Banca Sella");
    EXPECT_EQ(IniReadString(settings(), section, "Nome"), "Ambulatorio Neri");
    EXPECT_EQ(IniReadString(settings(), section, "Provincia"), "Milano");
    EXPECT_EQ(IniReadString(settings(), section, "Campo Libero 2"), "");
}

TEST_F(InvoiceCard, ClosingOverASettingsFileThatCannotBeWrittenStillReturnsToTheLauncher)
{
    IniWriteString(settings(), "Ditta Emittente", "Nome", "Ambulatorio Verdi");
    const QByteArray before = readBytes(settings());
    card->txtDitta->setText("Ambulatorio Neri");
    ReadOnlyFolder readOnly(sp.folder());
    if (!readOnly.ok())
        GTEST_SKIP() << "no way to make the program folder read-only here";
    sp.clear();
    click(card->cmdEsci);
    EXPECT_EQ(sp.callsOf("errorbox").size(), 1u);
    EXPECT_EQ(sp.callsOf("errorbox").front().text, SettingsWriteFailureMessage());
    EXPECT_FALSE(card->isVisible());
    EXPECT_TRUE(launcher->isVisible());
    EXPECT_EQ(readBytes(settings()), before);
}

TEST_F(InvoiceCard, RequiredFieldsComeFirstInTheirOrder)
{
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{QString::fromUtf8(
                                 "Attenzione: per salvare la scheda è necessario indicare il nome o la ragione "
                                 "sociale del cliente.")});
    EXPECT_EQ(focused(), "txtCliente");
    sp.clear();
    card->txtCliente->setText("  Rossi  ");
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{QString::fromUtf8(
                                 "Attenzione: per salvare la scheda è necessario indicare il numero della fattura "
                                 "proforma.")});
    EXPECT_EQ(focused(), "txtNumFatt");
    EXPECT_FALSE(QFile::exists(archive()));
}

} // namespace

namespace {

// One article line typed on the card: quantity, price, discount, exempt.
struct TypedLine {
    int line;
    const char *quantity;
    const char *price;
    const char *discount;
    bool exempt;
};

TEST_F(InvoiceCard, CalcolaWritesLineAmountsAndTotalsThatAddUp)
{
    const struct {
        std::vector<TypedLine> lines;
        const char *rate;
        std::vector<std::pair<int, const char *>> amounts;
        const char *totals[5];  // imponibile, imposta, IVA inclusa, esente, TOTALE
    } cases[] = {
        // One rounding only: rounding the gross or the discount first would give 692,9386.
        {{{1, "0,713", "999,14", "2,73", false}}, "22", {{1, "692,9387"}},
         {"692,94", "152,45", "845,39", "0,00", "845,39"}},
        {{{1, "1", "1,75", "", false}}, "22", {{1, "1,75"}}, {"1,75", "0,39", "2,14", "0,00", "2,14"}},
        {{{1, "1", "1,15", "", false}}, "10", {{1, "1,15"}}, {"1,15", "0,12", "1,27", "0,00", "1,27"}},
        {{{1, "1", "1,005", "", false}}, "", {{1, "1,005"}}, {"1,01", "0,00", "1,01", "0,00", "1,01"}},
        {{{1, "1", "10", "110", false}}, "22", {{1, "-1,00"}}, {"-1,00", "-0,22", "-1,22", "0,00", "-1,22"}},
        // Lines on two pages, one of them exempt, and the exponent form that a hand-back may bring.
        {{{2, "2", "35", "", false}, {7, "1", "20,50", "10", true}, {12, "1E1", "0,1", "", false}}, "22",
         {{2, "70,00"}, {7, "18,45"}, {12, "1,00"}},
         {"71,00", "15,62", "86,62", "18,45", "105,07"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.totals[4]);
        card->ClearInvoiceCard();
        card->txtImporto[2]->setText("99,00");  // a stale amount on a line left blank
        for (const TypedLine &l : c.lines) {
            const size_t i = size_t(l.line - 1);
            card->txtQuant[i]->setText(l.quantity);
            card->txtPrezzo[i]->setText(l.price);
            card->txtPercSconto[i]->setText(l.discount);
            card->chkEs[i]->setChecked(l.exempt);
        }
        card->txtPercIva->setText(c.rate);
        sp.clear();
        QTest::mouseClick(card->cmdCalcola, Qt::LeftButton);
        EXPECT_TRUE(sp.messages().isEmpty());
        for (const auto &[line, amount] : c.amounts)
            EXPECT_EQ(card->txtImporto[size_t(line - 1)]->text(), amount) << line;
        EXPECT_EQ(card->txtImporto[2]->text(), "");
        EXPECT_EQ(card->txtTotImponibile->text(), c.totals[0]);
        EXPECT_EQ(card->txtTotImposta->text(), c.totals[1]);
        EXPECT_EQ(card->txtTotIva->text(), c.totals[2]);
        EXPECT_EQ(card->txtTotEsente->text(), c.totals[3]);
        EXPECT_EQ(card->txtTotFattura->text(), c.totals[4]);
    }
}

TEST_F(InvoiceCard, ATextThatIsNotANumberStopsCalcolaAndSaveWithTheFocusOnIt)
{
    fillRequired();
    card->txtQuant[0]->setText("1");
    card->txtPrezzo[0]->setText("5");
    card->txtQuant[13]->setText("2");
    card->txtPrezzo[13]->setText("1,2,3");
    card->txtTotFattura->setText("vecchio");
    const QString warning = InvoiceFailure{14, InvoiceField::Price}.message();
    ASSERT_FALSE(warning.isEmpty());

    QTest::mouseClick(card->cmdCalcola, Qt::LeftButton);
    EXPECT_EQ(sp.messages(), QStringList{warning});
    EXPECT_EQ(visiblePage(), 3);
    EXPECT_EQ(focused(), "txtPrezzo14");
    EXPECT_EQ(card->txtTotFattura->text(), "vecchio") << "no total made of a failed line";

    // Leaving the price tidies what was typed; a text brought by a hand-back or a load is not.
    sp.clear();
    card->showPage(1);
    EXPECT_EQ(card->txtPrezzo[13]->text(), "0,00");
    card->txtPrezzo[13]->setText("1,2,3");
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{warning});
    EXPECT_EQ(focused(), "txtPrezzo14");
    EXPECT_FALSE(QFile::exists(archive()));

    // Corrected, the invoice is saved with its worked-out figures.
    card->txtPrezzo[13]->setText("1,23");
    sp.clear();
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{Inserted});
    const Record stored = storedRecord(readBytes(archive()), 1);
    EXPECT_EQ(stored.text("Importo01"), "5,00");
    EXPECT_EQ(stored.text("Importo14"), "2,46");
    EXPECT_EQ(stored.text("TotFattura"), "7,46");
}

TEST_F(InvoiceCard, KeysInANumberEditEmptyTheAmountsTheyChangeAndExitTidiesTheText)
{
    const auto fillFigures = [&] {
        card->txtImporto[0]->setText("10,00");
        card->txtImporto[1]->setText("20,00");
        for (QLabel *t : {card->txtTotImponibile, card->txtTotImposta, card->txtTotIva, card->txtTotEsente,
                          card->txtTotFattura})
            t->setText("1,00");
    };
    // A key in a line's quantity empties that line's amount and the totals; letters are swallowed.
    fillFigures();
    card->txtQuant[0]->setFocus();
    QTest::keyClicks(card->txtQuant[0], "0a2");
    EXPECT_EQ(card->txtQuant[0]->text(), "02");
    EXPECT_EQ(card->txtImporto[0]->text(), "");
    EXPECT_EQ(card->txtImporto[1]->text(), "20,00");
    EXPECT_EQ(card->txtTotFattura->text(), "");
    // Leaving it writes the number back in its short form; the price keeps two decimals.
    QTest::keyClick(card->txtQuant[0], Qt::Key_Tab);
    EXPECT_EQ(card->txtQuant[0]->text(), "2");
    card->txtPrezzo[1]->setFocus();
    QTest::keyClicks(card->txtPrezzo[1], ",5");
    EXPECT_EQ(card->txtImporto[1]->text(), "");
    card->txtDesc[1]->setFocus();
    EXPECT_EQ(card->txtPrezzo[1]->text(), "0,50");
    // The VAT rate empties only the totals; a 7th character in a quantity is refused.
    fillFigures();
    card->txtPercIva->setFocus();
    QTest::keyClicks(card->txtPercIva, "22");
    EXPECT_EQ(card->txtImporto[0]->text(), "10,00");
    EXPECT_EQ(card->txtTotImponibile->text(), "");
    card->txtQuant[29]->setFocus();
    QTest::keyClicks(card->txtQuant[29], "1234567");
    EXPECT_EQ(card->txtQuant[29]->text(), "123456");
}

} // namespace

namespace {

TEST_F(InvoiceCard, OwnerAndArticlePickersWriteIntoTheCardAndWorkNothingOut)
{
    card->lblPosizione->setText("3");
    card->txtImporto[6]->setText("5,00");
    card->txtTotFattura->setText("5,00");

    Record owner(OwnerRecordLayout());
    owner.setText("Cliente", "Bianchi Anna");
    owner.setText("IndirizzoRes", "Via Roma 1");
    owner.setText("ProvRes", "TO");
    owner.setText("PartitaIva", "01234567890");
    OwnerHandBack("fatture", owner, 12);
    EXPECT_EQ(card->txtCliente->text(), "Bianchi Anna");
    EXPECT_EQ(card->txtViaCliente->text(), "Via Roma 1");
    EXPECT_EQ(card->txtProvCliente->currentText(), "TO");
    EXPECT_EQ(card->txtIvaCliente->text(), "01234567890");

    Record article(PriceListItemRecordLayout());
    article.setText("Supplementi", "VAX");  // the article code
    article.setText("Descrizione", "Vaccino");
    article.setText("Prezzo", "20,50");
    PriceItemHandBack("fat_art_07", article, 4);
    EXPECT_EQ(card->txtCodice[6]->text(), "VAX");
    EXPECT_EQ(card->txtDesc[6]->text(), "Vaccino");
    EXPECT_EQ(card->txtPrezzo[6]->text(), "20,50");
    EXPECT_EQ(card->txtDesc[5]->text(), "");
    EXPECT_EQ(card->txtImporto[6]->text(), "5,00");
    EXPECT_EQ(card->txtTotFattura->text(), "5,00");
    EXPECT_EQ(card->lblPosizione->text(), "3");
}

} // namespace

namespace {

// Long values put in by the pickers and by navigation show from their first character, also in the
// edit that had the focus with the caret at its end.
TEST_F(InvoiceCard, ValuesPutInByThePickersAndNavigationShowTheirStart)
{
    card->txtCliente->setFocus();
    card->txtCliente->setText("x");
    card->txtCliente->end(false);
    Record owner(OwnerRecordLayout());
    owner.setText("Cliente", QString::fromUtf8("Clinica Veterinaria \"San Francesco\" & C. di Rossi Mario"));
    owner.setText("IndirizzoRes", QString::fromUtf8("Piazza Vittorio Emanuele II, 123, scala B, interno 45"));
    owner.setText("ComuneRes", QString::fromUtf8("San Giovanni in Persiceto"));
    owner.setText("CodFisc", "RSSMRA80A01H501U");
    owner.setText("ProvRes", "BO");
    OwnerHandBack("fatture", owner, 12);
    Record article(PriceListItemRecordLayout());
    article.setText("Supplementi", "VAX-CANE-TETRAVALENTE");
    article.setText("Descrizione", QString::fromUtf8("Vaccino tetravalente per cani di taglia grande, richiamo annuale"));
    article.setText("Prezzo", "1234567,50");
    PriceItemHandBack("fat_art_02", article, 4);
    ExpectEditsShowTheirStart(card);

    fillRequired();
    click(card->cmdSalva);
    click(card->cmdNuovo);
    click(Named<ClickLabel>(card, "cmdPrimo"));
    ASSERT_EQ(card->lblPosizione->text(), "1");
    ExpectEditsShowTheirStart(card);
}

TEST_F(InvoiceCard, TypedNumbersAreTidiedWhenTheFocusLeaves)
{
    const struct {
        QLineEdit *TfrmFatture::*single;  // null: line 4's edit of `column`
        const char *column;
        const char *typed;
        const char *left;
    } cases[] = {
        {nullptr, "Quant", "02", "2"},
        {nullptr, "Quant", ",5", "0,5"},
        {nullptr, "Quant", "1,", "1"},
        {nullptr, "Quant", ",", "0"},
        {nullptr, "Quant", "1,2,3", ""},
        {nullptr, "Quant", "1a2b", "12"},  // letters never get in
        {nullptr, "PercSconto", "2,730", "2,73"},
        {nullptr, "Prezzo", "12", "12,00"},
        {nullptr, "Prezzo", ",5", "0,50"},
        {nullptr, "Prezzo", "12,345", "12,345"},
        {nullptr, "Prezzo", "1,23456", "1,2346"},
        {nullptr, "Prezzo", "1,2,3", "0,00"},
        {&TfrmFatture::txtPercIva, "", "22,50", "22,5"},
        {&TfrmFatture::txtPercIva, "", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.column) + " " + c.typed);
        QLineEdit *edit = c.single ? card->*c.single
                                   : card->findChild<QLineEdit *>(QStringLiteral("txt") + QLatin1String(c.column) + "04");
        ASSERT_NE(edit, nullptr);
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, c.typed);
        card->txtNote->setFocus();
        EXPECT_EQ(edit->text(), c.left);
    }
}

} // namespace

namespace {

// The commands that work out the figures before they do their own part.
struct FiguresCommand {
    const char *name;
    ClickLabel *TfrmFatture::*picture;  // null: the button "Calcola"
};
const FiguresCommand FiguresCommands[] = {{"Calcola", nullptr},
                                          {"Salva", &TfrmFatture::cmdSalva},
                                          {"Stampa", &TfrmFatture::cmdStampa},
                                          {"Anteprima", &TfrmFatture::cmdAnteprima},
                                          {"PDF", &TfrmFatture::cmdPDF}};

class InvoiceFigures : public InvoiceCard {
protected:
    // Clicks the command and gives, for each control name, what came of it: the document's text
    // for the three documents, the stored field after Save, the card's text after Calcola.
    QStringList produced(const FiguresCommand &command, const QStringList &names)
    {
        std::optional<PreparedReport> page;
        sp.onModal = [&page](QWidget *w) {
            if (auto *output = qobject_cast<InvoiceOutputWindow *>(w))
                page = output->PrepareDocument();
        };
        if (command.picture)
            click(card->*command.picture);
        else
            QTest::mouseClick(card->cmdCalcola, Qt::LeftButton);
        sp.onModal = nullptr;
        QStringList out;
        for (const QString &name : names) {
            if (page)
                out << page->texts(name).value(0);
            else if (command.picture == &TfrmFatture::cmdSalva)
                out << (QFile::exists(archive()) ? storedRecord(readBytes(archive()), 1).text(name.mid(3)) : "-");
            else
                out << ControlText(card->findChild<QWidget *>(name));
        }
        return out;
    }
    void set(const QString &name, const QString &text) { SetControlText(card->findChild<QWidget *>(name), text); }
};

} // namespace

TEST_F(InvoiceFigures, TextsTypedButNotLeftAreTidiedBeforeCalcolaSaveAndEachDocument)
{
    using Texts = std::vector<std::pair<const char *, const char *>>;
    const struct {
        const char *edit;  // typed into, and the focus stays there
        const char *typed;
        Texts set;         // other texts as a load or a hand-back leaves them
        Texts shown;       // on the card, and in what the command produced
    } cases[] = {
        {"txtQuant01", ",33335", {{"txtPrezzo01", "1000000"}},
         {{"txtQuant01", "0,3334"}, {"txtPrezzo01", "1000000,00"}, {"txtImporto01", "333400,00"},
          {"txtTotFattura", "333400,00"}}},
        {"txtPrezzo02", "3,14159", {{"txtQuant02", "02"}},
         {{"txtPrezzo02", "3,1416"}, {"txtQuant02", "2"}, {"txtImporto02", "6,2832"}, {"txtTotFattura", "6,28"}}},
        {"txtPercSconto03", "2,50", {{"txtQuant03", "1"}, {"txtPrezzo03", "100"}},
         {{"txtPercSconto03", "2,5"}, {"txtImporto03", "97,50"}, {"txtTotFattura", "97,50"}}},
        {"txtPercIva", "10,00004", {{"txtQuant04", "1"}, {"txtPrezzo04", "100"}},
         {{"txtPercIva", "10"}, {"txtPrezzo04", "100,00"}, {"txtTotImposta", "10,00"}, {"txtTotFattura", "110,00"}}},
    };
    for (const FiguresCommand &command : FiguresCommands) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(command.name) + " after " + c.edit + " " + c.typed);
            QFile::remove(archive());
            card->ClearInvoiceCard();
            card->txtPercIva->clear();
            fillRequired();
            for (const auto &[name, text] : c.set)
                set(name, text);
            auto *edit = card->findChild<QLineEdit *>(c.edit);
            edit->setFocus();
            QTest::keyClicks(edit, c.typed);
            ASSERT_EQ(focused(), c.edit);
            ASSERT_EQ(edit->text(), c.typed);
            sp.clear();
            QStringList names, expected, onCard;
            for (const auto &[name, text] : c.shown) {
                names << name;
                expected << text;
            }
            EXPECT_EQ(produced(command, names), expected);
            for (const QString &name : names)
                onCard << ControlText(card->findChild<QWidget *>(name));
            EXPECT_EQ(onCard, expected);
        }
    }
}

TEST_F(InvoiceFigures, EachDocumentWorksOutStaleFiguresFirstAndAFigureThatIsNoNumberStopsIt)
{
    const QStringList totals{"txtTotImponibile", "txtTotImposta", "txtTotIva", "txtTotEsente", "txtTotFattura"};
    for (const FiguresCommand &command : FiguresCommands) {
        if (!command.picture || command.picture == &TfrmFatture::cmdSalva)
            continue;
        SCOPED_TRACE(command.name);
        card->ClearInvoiceCard();
        set("txtQuant01", "2");
        set("txtPrezzo01", "10");
        set("txtQuant02", "1");
        set("txtPrezzo02", "5");
        set("txtPercIva", "22");
        QTest::mouseClick(card->cmdCalcola, Qt::LeftButton);
        ASSERT_EQ(card->txtTotFattura->text(), "30,50");
        // Line 2 made exempt after Calcola: the paper carries the figures worked out again.
        card->chkEs[1]->setChecked(true);
        sp.clear();
        EXPECT_EQ(produced(command, totals), (QStringList{"20,00", "4,40", "24,40", "5,00", "29,40"}));
        EXPECT_EQ(card->txtTotFattura->text(), "29,40");
        ASSERT_EQ(sp.callsOf("modal").size(), 1u);

        // A price that is no number, as a load may leave it: Calcola's warning, the focus on it,
        // and no document.
        set("txtQuant14", "1");
        set("txtPrezzo14", "1,2,3");
        card->showPage(1);
        sp.clear();
        click(card->*command.picture);
        const QString warning = InvoiceFailure{14, InvoiceField::Price}.message();
        EXPECT_EQ(sp.messages(), QStringList{warning});
        EXPECT_TRUE(sp.callsOf("modal").empty());
        EXPECT_EQ(focused(), "txtPrezzo14");
        EXPECT_EQ(visiblePage(), 3);
        EXPECT_EQ(card->txtPrezzo[13]->text(), "1,2,3");
    }
}

TEST_F(InvoiceCard, ADateOfAnotherYearThanTheArchiveAsksBeforeSaving)
{
    const QString question = QString::fromUtf8(
        "Attenzione: la data della fattura proforma appartiene all'anno 2027, mentre l'archivio aperto è quello "
        "dell'anno 2026: la fattura non comparirebbe nei riepiloghi e nelle statistiche di nessuno dei due anni."
        "\r\n\r\nSi vuole salvare ugualmente la fattura proforma?");
    const struct {
        const char *date;
        const char *position;  // empty: a new invoice; "1": the first record written over
        std::deque<bool> answers;
        bool asked;
        bool saved;
    } cases[] = {
        {"05/01/2027", "", {false}, true, false},
        {"05/01/2027", "", {true}, true, true},
        {"5/1/27", "", {false}, true, false},  // the year as the date is read
        {"05/01/2027", "1", {false}, true, false},
        {"05/01/2027", "1", {true}, true, true},
        {"31/12/2026", "", {}, false, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.date) + " at " + c.position);
        writeArchive(invoiceArchive(1));
        card->ClearInvoiceCard();
        fillRequired();
        card->txtNumFatt->setText("8");
        card->txtData->setText(c.date);
        card->lblPosizione->setText(c.position);
        sp.clear();
        sp.yesNoAnswers = c.answers;
        click(card->cmdSalva);
        QStringList expected;
        if (c.asked)
            expected << question;
        if (c.saved)
            expected << (*c.position ? Overwritten : Inserted);
        EXPECT_EQ(sp.messages(), expected);
        const QByteArray bytes = readBytes(archive());
        if (!c.saved) {
            EXPECT_EQ(bytes, invoiceArchive(1)) << "nothing written";
            EXPECT_EQ(focused(), "txtData");
            EXPECT_EQ(card->lblPosizione->text(), c.position);
            continue;
        }
        const int number = *c.position ? 1 : 2;
        EXPECT_EQ(bytes.size(), number * RecordSize);
        EXPECT_EQ(storedRecord(bytes, number).text("NumFatt"), "8");
        EXPECT_EQ(card->lblPosizione->text(), QString::number(number));
    }
}

TEST_F(InvoiceCard, NewWithAStartNumberThatIsNoWholeNumberNamesTheSetting)
{
    IniWriteString(settings(), "Numerazione Fatture", "Inizio", "dieci");
    card->txtNumFatt->setText("vecchio");
    click(card->cmdNuovo);
    EXPECT_EQ(sp.callsOf("error").size(), 1u);
    EXPECT_EQ(sp.messages(), QStringList{StartNumberMessage("Numerazione Fatture")});
    EXPECT_EQ(card->txtNumFatt->text(), "") << "cleared, not numbered";
    EXPECT_EQ(card->txtData->text(), "");
}
