#include "animals/CostiCane.h"
#include "common/Archive.h"
#include "common/Decimal.h"
#include "common/Messages.h"
#include "common/report/ReportObjects.h"
#include "common/ui/LineList.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ListReport.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/UnstorableText.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

const QString CostFile = QStringLiteral("Costi_Animale_3.pro");
const QString Euro = QString::fromUtf8("€ ");

Record entry(const QString &date, const QString &reason, const QString &payer, const QString &payee,
             const QString &amount)
{
    Record r(AnimalCostRecordLayout());
    r.setText("Data", date);
    r.setText("Causale", reason);
    r.setText("Pagatore", payer);
    r.setText("Beneficiario", payee);
    r.setText("Importo", amount);
    return r;
}

std::vector<Record> readEntries(const QString &path)
{
    const QByteArray bytes = readBytes(path);
    const int size = AnimalCostRecordLayout().recordSize();
    std::vector<Record> entries;
    for (int at = 0; at + size <= bytes.size(); at += size)
        entries.emplace_back(AnimalCostRecordLayout(), bytes.mid(at, size));
    return entries;
}

// The register of animal 3, "Fido" of breed "Beagle", over its own program folder.
class CostRegister : public ::testing::Test {
protected:
    void writeEntries(const std::vector<Record> &entries) { writeBytes(sp.file(CostFile), ArchiveBytes(entries)); }
    void open()
    {
        window = std::make_unique<TfrmCostiCane>();
        window->setAnimal(QStringLiteral(" Fido "), QStringLiteral("Beagle "), CostFile);
        window->show();
        ASSERT_TRUE(WaitActive(window.get()));
    }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    void fill(const QStringList &texts)
    {
        QLineEdit *edits[] = {window->txtData, window->txtCausale, window->txtPagatore, window->txtBeneficiario,
                              window->txtImporto};
        for (int i = 0; i < 5; ++i)
            edits[i]->setText(texts[i]);
    }
    void select(int row) { window->lstRecords->selectRow(row); }

    ScriptedPlatform sp;
    std::unique_ptr<TfrmCostiCane> window;
};

} // namespace

TEST(CostRecord, LayoutAndListLine)
{
    const RecordLayout &layout = AnimalCostRecordLayout();
    EXPECT_EQ(layout.recordSize(), 122);
    EXPECT_EQ(layout.offset(layout.indexOf("Importo")), 106);

    const QString line = CostListLine(entry("01/02/2026", "Vaccino", "Rossi Mario", "Ambulatorio", " 12,50 "));
    EXPECT_EQ(line, "Data: 01/02/2026   Da: Rossi Mario" + QString(15, ' ') + "   A: Ambulatorio" + QString(15, ' ') +
                        "  Causale: Vaccino" + QString(33, ' ') + QString::fromUtf8("  Costo: € 12,50"));
    // A field full to its capacity is never cut.
    const QString longReason(40, 'x');
    EXPECT_TRUE(CostListLine(entry("", longReason, "", "", "1,00")).contains(longReason + "  Costo"));
}

TEST(CostRecord, FileNameOnlyForASavedRecord)
{
    struct Case {
        const char *position;
        int count;
        std::optional<QString> file;
    };
    const Case cases[] = {
        {"3", 5, QStringLiteral("Costi_Animale_3.pro")},
        {" 1 ", 1, QStringLiteral("Costi_Animale_1.pro")},
        {"5", 5, QStringLiteral("Costi_Animale_5.pro")},
        {"6", 5, std::nullopt},
        {"0", 5, std::nullopt},
        {"", 5, std::nullopt},
        {"   ", 5, std::nullopt},
        {"-1", 5, std::nullopt},
        {"1", 0, std::nullopt},
        {"2a", 5, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CostFileName(c.position, c.count), c.file) << c.position << " of " << c.count;
}

TEST(CostRecord, AmountForm)
{
    const std::pair<const char *, const char *> cases[] = {
        {"12,5", "12,50"}, {"7", "7,00"}, {"3,456", "3,46"}, {",", "0,00"}, {"", "0,00"},
        {"  ", "0,00"},    {"abc", "0,00"}, {"0,005", "0,01"}, {"1,2,3", "0,00"}, {"999999999999,99", "999999999999,99"},
    };
    for (const auto &[typed, stored] : cases)
        EXPECT_EQ(AmountFormText(typed), stored) << typed;
}

TEST_F(CostRegister, MissingFileIsCreatedEmpty)
{
    open();
    EXPECT_TRUE(QFile::exists(sp.file(CostFile)));
    EXPECT_EQ(window->lstRecords->count(), 0);
    EXPECT_EQ(window->lblTotale->text(), Euro + "0,00");
    EXPECT_EQ(window->lblTitolo->text(), "Fido  -  Razza: Beagle");
    EXPECT_EQ(window->lblFile->text(), sp.file(CostFile));
    EXPECT_EQ(focused(), "txtTrova");
    EXPECT_TRUE(window->panContainer->isVisible());
    EXPECT_FALSE(window->panCosti->isVisible());
}

TEST_F(CostRegister, ListsFileOrderAndSumsExactly)
{
    writeEntries({entry("02/01/2026", "Visita", "Rossi", "Ambulatorio", "10,10"),
                  entry("03/01/2026", "Senza importo", "Rossi", "Ambulatorio", "  "),
                  entry("01/01/2026", "Esami", "Bianchi", "Laboratorio", "20,20"),
                  entry("04/01/2026", "Farmaci", "Rossi", "Farmacia", "0,1")});
    open();
    const QStringList lines = window->lstRecords->lines();
    ASSERT_EQ(lines.size(), 3);  // the entry without an amount is not listed
    EXPECT_TRUE(lines[0].contains("Visita"));
    EXPECT_TRUE(lines[1].contains("Esami"));
    EXPECT_TRUE(lines[2].contains("Farmaci"));
    EXPECT_EQ(window->lblTotale->text(), Euro + "30,40");
}

TEST_F(CostRegister, TotalSkipsAnAmountThatIsNotANumber)
{
    writeEntries({entry("02/01/2026", "Visita", "Rossi", "Ambulatorio", "10,10"),
                  entry("03/01/2026", "Errato", "Rossi", "Ambulatorio", "dieci"),
                  entry("04/01/2026", "Esami", "Rossi", "Laboratorio", "5")});
    open();
    EXPECT_EQ(window->lstRecords->count(), 3);
    EXPECT_EQ(window->lblTotale->text(), Euro + "15,10");
    EXPECT_EQ(focused(), "txtTrova");
}

TEST_F(CostRegister, AddAppendsAndASecondSaveOverwrites)
{
    writeEntries({entry("02/01/2026", "Visita", "Rossi", "Ambulatorio", "10,10")});
    open();
    QTest::mouseClick(window->btnAggiungi, Qt::LeftButton);
    EXPECT_TRUE(window->panCosti->isVisible());
    EXPECT_FALSE(window->panContainer->isVisible());
    EXPECT_EQ(window->txtImporto->text(), "0,00");
    EXPECT_EQ(focused(), "txtData");

    // Required fields in order: the first empty one warns and takes the focus.
    QTest::mouseClick(window->btnSalva, Qt::LeftButton);
    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, "warning");
    EXPECT_EQ(sp.calls[0].text,
              QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare la data del costo sostenuto."));
    EXPECT_EQ(focused(), "txtData");
    fill({"05/01/2026", "Vaccino", "Rossi", "Ambulatorio", " "});
    sp.clear();
    QTest::mouseClick(window->btnSalva, Qt::LeftButton);
    EXPECT_EQ(sp.messages(),
              QStringList{QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare l'importo pagato.")});
    EXPECT_EQ(focused(), "txtImporto");
    EXPECT_EQ(readEntries(sp.file(CostFile)).size(), 1u);

    // Typed amount: only digits and the comma get in; leaving the edit gives the amount form.
    window->txtImporto->clear();
    QTest::keyClicks(window->txtImporto, "1a2.,5x");
    EXPECT_EQ(window->txtImporto->text(), "12,5");
    window->txtData->setFocus();
    EXPECT_EQ(window->txtImporto->text(), "12,50");

    sp.clear();
    QTest::mouseClick(window->btnSalva, Qt::LeftButton);
    EXPECT_EQ(sp.messages(), QStringList{QString::fromUtf8("La scheda corrente è stata inserita in archivio.")});
    EXPECT_EQ(window->lblPosizione->text(), "2");
    EXPECT_TRUE(window->panCosti->isVisible());

    window->txtCausale->setText("Vaccino trivalente");
    window->txtImporto->setText("13,456");  // set without leaving the edit: stored in its amount form all the same
    sp.clear();
    QTest::mouseClick(window->btnSalva, Qt::LeftButton);
    EXPECT_EQ(sp.messages(),
              QStringList{"Le modifiche apportate alla scheda corrente sono state salvate in archivio."});
    const std::vector<Record> stored = readEntries(sp.file(CostFile));
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].text("Causale"), "Vaccino trivalente");
    EXPECT_EQ(stored[1].text("Importo"), "13,46");
    EXPECT_EQ(stored[0].text("Causale"), "Visita");
}

// The register stores what it shows: an amount whose form outgrows its field, or a letter the
// code page cannot hold, refuses the Save.
TEST_F(CostRegister, SaveRefusesWhatItCouldNotStoreAsShown)
{
    writeEntries({entry("02/01/2026", "Visita", "Rossi", "Ambulatorio", "10,10")});
    const QByteArray before = readBytes(sp.file(CostFile));
    open();
    QTest::mouseClick(window->btnAggiungi, Qt::LeftButton);
    for (const char *typed : {"1234567890123,5", "999999999999999"}) {
        fill({"05/01/2026", "Vaccino", "Rossi", "Ambulatorio", typed});
        sp.clear();
        QTest::mouseClick(window->btnSalva, Qt::LeftButton);
        EXPECT_EQ(sp.messages(), QStringList{NumberTooLongWarning("\"Importo\"", 15)}) << typed;
        EXPECT_EQ(focused(), "txtImporto");
        EXPECT_EQ(readBytes(sp.file(CostFile)), before);
    }
    fill({"05/01/2026", "Vaccino", "Rossi", "Ambulatorio", "12"});
    ExpectUnstorableRefused(sp, window->txtBeneficiario, "Beneficiario", sp.file(CostFile),
                            [&] { QTest::mouseClick(window->btnSalva, Qt::LeftButton); });
}

TEST_F(CostRegister, ModifyLoadsTheEntryOfTheSelectedLineAndOverwritesIt)
{
    // Entries 1 and 3 have equal lines: each line loads its own entry, so Save overwrites the right one.
    const Record twin = entry("02/01/2026", "Visita", "Rossi", "Ambulatorio", "10,10");
    writeEntries({twin, entry("03/01/2026", "Esami", "Rossi", "Laboratorio", "5,00"), twin});
    open();

    QTest::mouseClick(window->btnModifica, Qt::LeftButton);
    EXPECT_EQ(sp.callsOf("warning").size(), 1u);
    EXPECT_TRUE(window->panContainer->isVisible());

    select(2);
    sp.clear();
    QTest::mouseClick(window->btnModifica, Qt::LeftButton);
    EXPECT_TRUE(sp.calls.empty());
    EXPECT_EQ(window->lblPosizione->text(), "3");
    window.reset();
    open();

    select(0);
    QTest::mouseClick(window->btnModifica, Qt::LeftButton);
    EXPECT_TRUE(sp.calls.empty());
    EXPECT_TRUE(window->panCosti->isVisible());
    EXPECT_EQ(window->lblPosizione->text(), "1");
    EXPECT_EQ(window->txtCausale->text(), "Visita");
    EXPECT_EQ(window->txtImporto->text(), "10,10");
    EXPECT_EQ(focused(), "txtData");

    window->txtImporto->setText("11");
    QTest::mouseClick(window->btnSalva, Qt::LeftButton);
    const std::vector<Record> stored = readEntries(sp.file(CostFile));
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[0].text("Importo"), "11,00");
    EXPECT_EQ(stored[2].text("Importo"), "10,10");

    // Reopened, the list keeps file order.
    window.reset();
    open();
    const QStringList lines = window->lstRecords->lines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith(QString::fromUtf8("€ 11,00")));
    EXPECT_TRUE(lines[1].contains("Esami"));
    EXPECT_EQ(window->lblTotale->text(), Euro + "26,10");
}

TEST_F(CostRegister, ModifyOfALineGoneAppendsANewEntry)
{
    writeEntries({entry("02/01/2026", "Visita", "Rossi", "Ambulatorio", "10,10")});
    open();
    // Another workstation changes the entry after the list was read.
    writeEntries({entry("02/01/2026", "Visita", "Rossi", "Ambulatorio", "99,00")});
    select(0);
    QTest::mouseClick(window->btnModifica, Qt::LeftButton);
    EXPECT_TRUE(window->panCosti->isVisible());
    EXPECT_EQ(window->lblPosizione->text(), "");
    EXPECT_EQ(window->txtImporto->text(), "0,00");
}

TEST_F(CostRegister, EmptyListMessages)
{
    open();
    QTest::mouseClick(window->btnModifica, Qt::LeftButton);
    QTest::mouseClick(window->btnTrova, Qt::LeftButton);
    ASSERT_EQ(sp.calls.size(), 2u);
    EXPECT_EQ(sp.calls[0].kind, "information");
    EXPECT_EQ(sp.calls[0].text, "Modifica non applicabile: la lista non contiene nessuna voce.");
    EXPECT_EQ(sp.calls[1].kind, "plain");
    EXPECT_EQ(sp.calls[1].text, "Ricerca non applicabile: la lista non contiene nessuna voce.");
}

TEST_F(CostRegister, PrintoutLinesAndTotal)
{
    writeEntries({entry("02/01/2026", "Visita", "Rossi", "Ambulatorio", "10,10"),
                  entry("04/01/2026", "Esami", "Rossi", "Laboratorio", "20,20")});
    open();
    const QStringList listed = window->lstRecords->lines();
    ListReportTemplate report;
    report.fill(window->printTitle(), window->printLines());
    EXPECT_EQ(report.find<ReportText>("txtTitolo").text(), "Riepilogo costi sostenuti per Fido  -  Razza: Beagle");
    const auto &block = report.find<ReportTextBlock>("txtRiepilogo");
    const QStringList expected = listed + QStringList{QString(26, '-'), QString::fromUtf8("TOTALE COSTI:      € 30,30")};
    EXPECT_EQ(block.lines(), expected);
    EXPECT_NEAR(block.heightUnits(), 4 * ListReportTemplate::LineHeightUnits, 0.01);

    // The command goes through the print dialog (cancelled here).
    sp.printAnswers = {PrintAnswer(false)};
    QTest::mouseClick(window->btnStampa, Qt::LeftButton);
    EXPECT_EQ(sp.callsOf("print").size(), 1u);
}

TEST_F(CostRegister, EmptyPrintoutEndsWithTheTotal)
{
    open();
    EXPECT_EQ(window->printLines(), (QStringList{QString(26, '-'), QString::fromUtf8("TOTALE COSTI:      € 0,00")}));
}

TEST_F(CostRegister, ArchiveFailureWarnsAndKeepsTheEdits)
{
    // A folder where the cost file should be: the file can be neither read nor written.
    ASSERT_TRUE(QDir(sp.folder()).mkdir(CostFile));
    open();
    EXPECT_EQ(window->lstRecords->count(), 0);
    EXPECT_EQ(window->lblTotale->text(), Euro + "0,00");
    EXPECT_TRUE(sp.calls.empty());

    QTest::mouseClick(window->btnAggiungi, Qt::LeftButton);
    fill({"05/01/2026", "Vaccino", "Rossi", "Ambulatorio", "12,50"});
    QTest::mouseClick(window->btnSalva, Qt::LeftButton);
    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, "warning");
    EXPECT_EQ(sp.calls[0].text, ArchiveAccessMessage());
    EXPECT_EQ(window->txtCausale->text(), "Vaccino");
    EXPECT_EQ(window->lblPosizione->text(), "");
}

TEST_F(CostRegister, OpenedByTheCardOnlyForASavedAnimal)
{
    QWidget card;
    EXPECT_FALSE(OpenAnimalCosts(&card, "0", 4, "Fido", "Beagle"));
    EXPECT_FALSE(OpenAnimalCosts(&card, "5", 4, "Fido", "Beagle"));
    EXPECT_EQ(sp.callsOf("warning").size(), 2u);
    EXPECT_TRUE(sp.callsOf("modal").empty());
    EXPECT_FALSE(QFile::exists(sp.file("Costi_Animale_0.pro")));
    EXPECT_FALSE(QFile::exists(sp.file("Costi_Animale_5.pro")));

    QString title;
    sp.onModal = [&](QWidget *w) {
        auto *costs = qobject_cast<TfrmCostiCane *>(w);
        ASSERT_NE(costs, nullptr);
        EXPECT_EQ(w->parentWidget(), &card);
        title = costs->lblTitolo->text();
    };
    EXPECT_TRUE(OpenAnimalCosts(&card, " 3 ", 4, "Fido", "Beagle"));
    EXPECT_EQ(title, "Fido  -  Razza: Beagle");
    EXPECT_TRUE(QFile::exists(sp.file(CostFile)));
}

TEST_F(CostRegister, EntryPanelEnterChainAndDateCommand)
{
    open();
    QTest::mouseClick(window->btnAggiungi, Qt::LeftButton);
    QStringList visited;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        visited << focused();
    }
    EXPECT_EQ(visited, (QStringList{"txtCausale", "txtPagatore", "txtBeneficiario", "txtImporto", "txtData"}));
    QTest::mouseClick(window->impData, Qt::LeftButton);
    EXPECT_EQ(window->txtData->text(), "10/12/2026");
    EXPECT_EQ(focused(), "txtData");
}

TEST_F(CostRegister, SaveOverAnEntryGoneFromTheFileWritesNothing)
{
    writeEntries({entry("02/01/2026", "Visita", "Rossi", "Ambulatorio", "10,10"),
                  entry("03/01/2026", "Esami", "Rossi", "Laboratorio", "5,00")});
    open();
    select(1);
    QTest::mouseClick(window->btnModifica, Qt::LeftButton);
    ASSERT_EQ(window->lblPosizione->text(), "2");
    // The file lost its second entry since (restored from an older copy).
    writeEntries({entry("02/01/2026", "Visita", "Rossi", "Ambulatorio", "10,10")});
    const QByteArray before = readBytes(sp.file(CostFile));
    sp.clear();
    QTest::mouseClick(window->btnSalva, Qt::LeftButton);
    EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
    EXPECT_EQ(readBytes(sp.file(CostFile)), before);
}

TEST_F(CostRegister, PastedAmountKeepsOnlyDigitsAndTheComma)
{
    open();
    QTest::mouseClick(window->btnAggiungi, Qt::LeftButton);
    window->txtImporto->clear();
    window->txtImporto->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("EUR 1.234,5 circa"));
    window->txtImporto->paste();
    EXPECT_EQ(window->txtImporto->text(), "1234,5");
}

namespace {

// The entry's edits colour their own background as the animal card's do: AliceBlue at rest, yellow
// with the focus, inside a SkyBlue frame; no yellow rectangle stands behind them.
TEST_F(CostRegister, TheEntryEditsRestInAliceBlueAndTurnYellowWithTheFocus)
{
    open();
    QTest::mouseClick(window->btnAggiungi, Qt::LeftButton);
    const auto fill = [](QLineEdit *e) { return e->grab().toImage().pixelColor(e->width() - 4, e->height() / 2); };
    const auto frame = [](QLineEdit *e) { return e->grab().toImage().pixelColor(0, e->height() / 2); };
    ASSERT_EQ(focused(), "txtData");
    EXPECT_EQ(fill(window->txtData), Look::FocusYellow);
    for (QLineEdit *e : {window->txtCausale, window->txtPagatore, window->txtBeneficiario, window->txtImporto})
        EXPECT_EQ(fill(e), Look::AliceBlue) << e->objectName().toStdString();
    QTest::keyClick(window->txtData, Qt::Key_Return);
    EXPECT_EQ(fill(window->txtData), Look::AliceBlue);
    EXPECT_EQ(fill(window->txtCausale), Look::FocusYellow);
    for (QLineEdit *e : {window->txtData, window->txtCausale, window->txtImporto})
        EXPECT_EQ(frame(e), Look::SkyBlue) << e->objectName().toStdString();
    EXPECT_EQ(window->findChild<HighlightRect *>(), nullptr);
}

} // namespace
