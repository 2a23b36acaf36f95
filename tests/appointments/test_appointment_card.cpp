#include "tests/support/QStringPrinter.h"
#include "animals/AnimalHandBack.h"
#include "animals/AnimalRecord.h"
#include "appointments/AppointmentPrint.h"
#include "appointments/AppointmentRecord.h"
#include "appointments/Scadenzario.h"
#include "common/ui/RecordCard.h"
#include "common/ui/Widgets.h"
#include "common/ui/SearchWindow.h"
#include "shell/Avvio.h"
#include "shell/Startup.h"
#include "tests/support/CardTexts.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/ShownHelp.h"
#include "tests/support/UnstorableText.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString YearWarning = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
const QString Saved = QString::fromUtf8("La scheda corrente è stata salvata in archivio.");

Record entry(const QString &data, const QString &avviso, const QString &nome = QStringLiteral("Fido"))
{
    Record r(AppointmentRecordLayout());
    r.setText("Data", data);
    r.setText("Avviso", avviso);
    r.setText("Nome", nome);
    return r;
}

Record stored(const QString &path, int number)
{
    const QByteArray bytes = readBytes(path);
    const int size = AppointmentRecordLayout().recordSize();
    return Record(AppointmentRecordLayout(), bytes.mid((number - 1) * size, size));
}

int storedCount(const QString &path) { return int(readBytes(path).size() / AppointmentRecordLayout().recordSize()); }

// The appointment card over its own program folder, on 10/12/2026 (the scripted today), shown as the
// launcher shows it.
class AppointmentCard : public ::testing::Test {
protected:
    void SetUp() override
    {
        sp.todayValue = QDate(2026, 12, 10);
        prepare();
        card = std::make_unique<TfrmScadenzario>();
        frmScadenzario = card.get();
        card->show();
        ASSERT_TRUE(WaitActive(card.get()));
    }
    void TearDown() override { frmScadenzario = nullptr; }
    // What a test puts in the program folder before the window is created and shown.
    virtual void prepare() {}

    void openYear(const QString &year)
    {
        card->txtAnno->setText(year);
        QTest::mouseClick(card->btnApri, Qt::LeftButton);
    }
    // A card that passes every check of Save, in the year 2024.
    void fillValidCard(const QString &year = QStringLiteral("2024"))
    {
        openYear(year);
        card->txtGiorno->setEditText("09");
        card->txtMese->setEditText("Marzo");
        card->txtOreApp->setEditText("14");
        card->txtMinutiApp->setEditText("05");
        card->txtAvviso->setText("7");
        card->txtProprietario->setText("Rossi Mario");
        card->txtNome->setText("Fido");
        card->txtDettagli->setText("Richiamo vaccino");
    }
    void click(ClickLabel *command) { QTest::mouseClick(command, Qt::LeftButton); }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // The .sca files of the program folder.
    QStringList archives() const { return QDir(sp.folder()).entryList({"*.sca"}, QDir::Files, QDir::Name); }

    ScriptedPlatform sp;
    std::unique_ptr<TfrmScadenzario> card;
};

TEST_F(AppointmentCard, YearOpensOnlyAsFourAsciiDigits)
{
    // Texts that reach the box by pasting, dropping or code: the key filter never saw them.
    const QString refused[] = {"202", "20266", "../20", QString::fromUtf8("２０２６"), " 202", "20 4", ""};
    for (const QString &year : refused) {
        sp.clear();
        openYear(year);
        EXPECT_EQ(sp.messages(), QStringList{YearWarning}) << year.toStdString();
        EXPECT_TRUE(card->panAvvio->isVisible()) << year.toStdString();
        EXPECT_FALSE(card->panContainer->isVisible()) << year.toStdString();
        EXPECT_EQ(focused(), "txtAnno");
        EXPECT_EQ(card->lblFile->text(), "");
    }
    // Only the reminder's archive of the current year exists; nothing was made outside the folder.
    EXPECT_EQ(archives(), QStringList{"2026.sca"});
    EXPECT_FALSE(QFile::exists(sp.folder() + "../20.sca"));

    sp.clear();
    openYear("2024");
    EXPECT_TRUE(sp.messages().isEmpty());
    EXPECT_EQ(card->lblFile->text(), sp.file("2024.sca"));
    EXPECT_EQ(card->lblAnno->text(), "2024");
    EXPECT_EQ(card->windowTitle(), " Tavoren - Scadenze e appuntamenti anno 2024");
    EXPECT_FALSE(card->panAvvio->isVisible());
    EXPECT_TRUE(card->panContainer->isVisible());
    EXPECT_EQ(focused(), "txtGiorno");
    // The archive is created by the first command that opens it, not by "Apri".
    EXPECT_FALSE(QFile::exists(sp.file("2024.sca")));
}

TEST_F(AppointmentCard, YearBoxTakesDigitsAndEnterMovesToApri)
{
    card->txtAnno->clear();
    card->txtAnno->setFocus();
    QTest::keyClicks(card->txtAnno, "2a0,2-5x");
    EXPECT_EQ(card->txtAnno->text(), "2025");
    QTest::keyClick(card->txtAnno, Qt::Key_Return);
    EXPECT_EQ(focused(), "btnApri");
    EXPECT_TRUE(card->panAvvio->isVisible());
    QTest::keyClick(card->btnApri, Qt::Key_Return);
    EXPECT_EQ(card->lblAnno->text(), "2025");
}

TEST_F(AppointmentCard, SaveChecksRunInOrderAndWriteNothingUntilAllPass)
{
    openYear("2024");
    const QString path = sp.file("2024.sca");
    using Fill = std::function<void(TfrmScadenzario &)>;
    const struct {
        Fill before;       // what is put on the card before this Save
        const char *text;  // the end of the warning
        const char *focus;
    } steps[] = {
        {[](TfrmScadenzario &) {}, "il giorno della scadenza.", "txtGiorno"},
        {[](TfrmScadenzario &c) { c.txtGiorno->setEditText("5"); }, "il giorno della scadenza usando due cifre.",
         "txtGiorno"},
        {[](TfrmScadenzario &c) {
             c.txtGiorno->setEditText("31");
             c.txtOreApp->setEditText("");
             c.txtMinutiApp->setEditText("");
         },
         "il mese della scadenza.", "txtMese"},
        {[](TfrmScadenzario &c) { c.txtMese->setEditText("Aprile"); }, "l'ora dell'appuntamento.", "txtOreApp"},
        {[](TfrmScadenzario &c) { c.txtOreApp->setEditText("9"); }, "i minuti dell'ora dell'appuntamento.",
         "txtMinutiApp"},
        {[](TfrmScadenzario &c) { c.txtMinutiApp->setEditText("5"); }, "l'ora dell'appuntamento usando due cifre.",
         "txtOreApp"},
        {[](TfrmScadenzario &c) { c.txtOreApp->setEditText("09"); },
         "i minuti dell'ora dell'appuntamento usando due cifre.", "txtMinutiApp"},
        {[](TfrmScadenzario &c) { c.txtMinutiApp->setEditText("05"); }, "i giorni di preavviso.", "txtAvviso"},
        {[](TfrmScadenzario &c) { c.txtAvviso->setText("3"); }, "il nome del proprietario dell'animale.",
         "txtProprietario"},
        {[](TfrmScadenzario &c) { c.txtProprietario->setText("Rossi"); },
         "il nome dell'animale a cui la scadenza si riferisce.", "txtNome"},
        {[](TfrmScadenzario &c) { c.txtNome->setText("Fido"); }, "la causale della scadenza.", "txtDettagli"},
    };
    for (const auto &step : steps) {
        // Texts set by the program while the focus is elsewhere: a list-only box empties a text
        // outside its list when the focus leaves it.
        card->txtPersona->setFocus();
        step.before(*card);
        sp.clear();
        click(card->cmdSalva);
        EXPECT_EQ(sp.messages(), QStringList{CardRequired + QString::fromUtf8(step.text)});
        EXPECT_EQ(sp.callsOf("warning").size(), 1u);
        EXPECT_EQ(focused(), step.focus) << step.text;
    }
    EXPECT_FALSE(QFile::exists(path));

    // A month outside the list, then a date that does not exist: the time is already rebuilt.
    card->txtDettagli->setText("Visita");
    card->txtMese->setEditText("Aprilex");
    sp.clear();
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{QString::fromUtf8("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r"
                                                           "Per poter salvare la scheda è necessario indicare una data "
                                                           "valida.")});
    EXPECT_EQ(focused(), "txtMese");
    EXPECT_EQ(card->lblOra->text(), "09:05");

    card->txtMese->setEditText(" aprile ");
    sp.clear();
    click(card->cmdSalva);
    ASSERT_EQ(sp.callsOf("plain").size(), 1u);
    EXPECT_EQ(sp.messages(), QStringList{QString::fromUtf8("Attenzione: la data 31/04/2024 non esiste.\n\r\n\r"
                                                           "Per poter salvare la scheda è necessario indicare una data "
                                                           "valida.")});
    EXPECT_EQ(focused(), "txtGiorno");
    EXPECT_FALSE(QFile::exists(path));

    // 29 February exists in 2024: the record is appended with the date and time Save built.
    card->txtGiorno->setEditText("29");
    card->txtMese->setEditText("Febbraio");
    card->chkDaConfermare->setChecked(true);
    sp.clear();
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{Saved});
    EXPECT_EQ(card->lblPosizione->text(), "1");
    ASSERT_EQ(storedCount(path), 1);
    const Record r = stored(path, 1);
    EXPECT_EQ(r.text("Data"), "29/02/2024");
    EXPECT_EQ(r.text("Ora"), "09:05");
    EXPECT_EQ(r.text("OreApp"), "09");
    EXPECT_EQ(r.text("MinutiApp"), "05");
    EXPECT_EQ(r.text("Anno"), "2024");
    EXPECT_EQ(r.text("Mese"), "Febbraio");
    EXPECT_EQ(r.text("Costo"), "0,00");
    const QByteArray bytes = readBytes(path);
    EXPECT_EQ(bytes.mid(1442, 3), QByteArray("\x02\x53\xEC", 3));  // "Sì"
    EXPECT_EQ(bytes.mid(1445, 3), QByteArray("\x02\x4E\x6F", 3));  // "No"

    // Saving again overwrites the record on screen.
    sp.clear();
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{CardOverwritten});
    EXPECT_EQ(storedCount(path), 1);
}

TEST_F(AppointmentCard, TwentyNinthFebruaryOfACommonYearIsRefused)
{
    fillValidCard("2023");
    card->txtGiorno->setEditText("29");
    card->txtMese->setEditText("Febbraio");
    sp.clear();
    click(card->cmdSalva);
    EXPECT_EQ(sp.callsOf("plain").size(), 1u);
    EXPECT_TRUE(sp.messages().front().startsWith("Attenzione: la data 29/02/2023 non esiste."));
    EXPECT_EQ(card->lblData->text(), "29/02/2023");
    EXPECT_FALSE(QFile::exists(sp.file("2023.sca")));
}

TEST_F(AppointmentCard, AmountIsBroughtToItsFormAtSaveAndOnLeavingTheEdit)
{
    const struct {
        const char *typed;
        const char *stored;
    } amounts[] = {
        {"12", "12,00"}, {"12,5", "12,50"}, {"0,123456", "0,1235"}, {"12,345", "12,345"},
        {"007", "7,00"}, {",5", "0,50"},    {"", "0,00"},          {"3,", "3,00"},
    };
    fillValidCard();
    const QString path = sp.file("2024.sca");
    for (const auto &a : amounts) {
        // Set as the picture command finds it: the edit never lost the focus.
        card->txtCosto->setText(a.typed);
        sp.clear();
        click(card->cmdSalva);
        EXPECT_EQ(card->txtCosto->text(), a.stored) << a.typed;
        EXPECT_EQ(stored(path, 1).text("Costo"), a.stored) << a.typed;
    }

    // A text that is not an amount refuses Save with a warning on the amount.
    for (const char *bad : {"1,2,3", ",", "abc"}) {
        card->txtCosto->setText(bad);
        sp.clear();
        click(card->cmdSalva);
        ASSERT_EQ(sp.callsOf("warning").size(), 1u) << bad;
        EXPECT_TRUE(sp.messages().front().contains("importo")) << bad;
        EXPECT_EQ(focused(), "txtCosto");
        EXPECT_EQ(stored(path, 1).text("Costo"), "3,00");
    }

    // Leaving the edit: typed keys pass only as digits and the comma, then the amount form.
    card->txtCosto->clear();
    card->txtCosto->setFocus();
    QTest::keyClicks(card->txtCosto, "1x2,5-");
    EXPECT_EQ(card->txtCosto->text(), "12,5");
    QTest::keyClick(card->txtCosto, Qt::Key_Tab);
    EXPECT_EQ(card->txtCosto->text(), "12,50");
    card->txtCosto->setFocus();
    card->txtCosto->setText(",,");
    card->txtContatto->setFocus();
    EXPECT_EQ(card->txtCosto->text(), "0,00");
}

// The amount is stored as the card shows it, or Save refuses it; so is every text.
TEST_F(AppointmentCard, SaveRefusesAnAmountLongerThanItsFieldAndALetterTheArchiveCannotHold)
{
    fillValidCard();
    const QString path = sp.file("2024.sca");
    for (const char *typed : {"999999999999999", "1234567890123,5"}) {
        card->txtCosto->setText(typed);
        sp.clear();
        click(card->cmdSalva);
        EXPECT_EQ(sp.messages(), QStringList{NumberTooLongWarning("\"Importo in euro\"", 15)}) << typed;
        EXPECT_EQ(focused(), "txtCosto");
        EXPECT_FALSE(QFile::exists(path)) << typed;
    }
    // The longest amount that fits is stored as shown.
    card->txtCosto->setText("123456789012,5");
    click(card->cmdSalva);
    EXPECT_EQ(card->txtCosto->text(), "123456789012,50");
    EXPECT_EQ(stored(path, 1).text("Costo"), "123456789012,50");

    ExpectUnstorableRefused(sp, card->txtNote, "Note", path, [&] { click(card->cmdSalva); });
}

TEST_F(AppointmentCard, DuplicateKeepsAllButTheDateAndTime)
{
    fillValidCard();
    sp.clear();
    click(card->cmdDuplica);
    EXPECT_EQ(sp.messages(), QStringList{CardDuplicateNew});

    card->chkDaConfermare->setChecked(true);
    card->chkEffettuata->setChecked(true);
    card->txtCosto->setText("40,00");
    card->txtNote->setText("portare il libretto");
    click(card->cmdSalva);
    ASSERT_EQ(card->lblPosizione->text(), "1");
    sp.clear();
    click(card->cmdDuplica);
    EXPECT_EQ(sp.messages(), QStringList{CardDuplicated});
    EXPECT_EQ(card->lblPosizione->text(), "");
    EXPECT_EQ(card->txtGiorno->currentText(), "");
    EXPECT_EQ(card->txtMese->currentText(), "");
    EXPECT_EQ(card->txtOreApp->currentText(), "00");
    EXPECT_EQ(card->txtMinutiApp->currentText(), "00");
    for (QComboBox *box : {card->txtGiorno, card->txtMese, card->txtOreApp, card->txtMinutiApp})
        EXPECT_EQ(box->currentIndex(), -1) << box->objectName().toStdString();
    EXPECT_EQ(focused(), "txtGiorno");
    EXPECT_EQ(card->txtAvviso->text(), "7");
    EXPECT_EQ(card->txtProprietario->text(), "Rossi Mario");
    EXPECT_EQ(card->txtDettagli->text(), "Richiamo vaccino");
    EXPECT_EQ(card->txtCosto->text(), "40,00");
    EXPECT_EQ(card->txtNote->text(), "portare il libretto");
    EXPECT_TRUE(card->chkDaConfermare->isChecked());
    EXPECT_TRUE(card->chkEffettuata->isChecked());

    card->txtGiorno->setEditText("16");
    card->txtMese->setEditText("Marzo");
    sp.clear();
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{Saved});
    EXPECT_EQ(card->lblPosizione->text(), "2");
    const Record copy = stored(sp.file("2024.sca"), 2);
    EXPECT_EQ(copy.text("Data"), "16/03/2024");
    EXPECT_EQ(copy.text("Ora"), "00:00");
    EXPECT_EQ(copy.text("Note"), "portare il libretto");
    EXPECT_EQ(copy.text("Effettuata"), QString::fromUtf8("Sì"));
}

TEST_F(AppointmentCard, NewKeepsTheYearAndResetsTheCard)
{
    fillValidCard();
    card->txtCosto->setText("5,00");
    card->chkEffettuata->setChecked(true);
    click(card->cmdSalva);
    click(card->cmdNuovo);
    EXPECT_EQ(card->lblAnno->text(), "2024");
    EXPECT_EQ(card->lblData->text(), "09/03/2024");
    EXPECT_EQ(card->lblOra->text(), "14:05");
    EXPECT_EQ(card->txtGiorno->currentText(), "");
    EXPECT_EQ(card->txtOreApp->currentText(), "00");
    EXPECT_EQ(card->txtCosto->text(), "0,00");
    EXPECT_EQ(card->txtProprietario->text(), "");
    EXPECT_FALSE(card->chkEffettuata->isChecked());
    EXPECT_EQ(card->lblPosizione->text(), "");
    EXPECT_EQ(focused(), "txtGiorno");
}

TEST_F(AppointmentCard, AnimalImportFillsNineEditsAndKeepsThePosition)
{
    fillValidCard();
    click(card->cmdSalva);
    ASSERT_EQ(card->lblPosizione->text(), "1");

    // The command opens the animal search with the lower-case tag.
    QString tag;
    sp.onModal = [&](QWidget *w) {
        if (auto *search = qobject_cast<SearchWindow *>(w))
            tag = search->lblMemory->text();
    };
    sp.clear();
    click(card->cmdImporta);
    ASSERT_EQ(sp.callsOf("modal").size(), 1u);
    EXPECT_EQ(sp.callsOf("modal").front().text, "TfrmTrovaCani");
    EXPECT_EQ(tag, "scadenzario");

    Record animal(AnimalRecordLayout());
    const struct {
        const char *field;
        const char *value;
        QLineEdit *TfrmScadenzario::*edit;
    } fields[] = {
        {"Nome", "Birba", &TfrmScadenzario::txtNome},
        {"DataNasc", "03/04/2020", &TfrmScadenzario::txtDataNasc},
        {"Razza", "Meticcio", &TfrmScadenzario::txtRazza},
        {"Mantello", "Fulvo", &TfrmScadenzario::txtMantello},
        {"Microchip", "380260000999888", &TfrmScadenzario::txtMicrochip},
        {"Segni", "Orecchio destro macchiato", &TfrmScadenzario::txtSegni},
        {"Proprietario", "Bianchi Anna", &TfrmScadenzario::txtProprietario},
        {"Recapito", "333 1234567", &TfrmScadenzario::txtRecapito},
        {"CodFisc", "BNCNNA80A41H501X", &TfrmScadenzario::txtCodFisc},
    };
    for (const auto &f : fields)
        animal.setText(f.field, f.value);
    animal.setText("Note", "non importata");
    AnimalHandBack("scadenzario", animal, 12);
    for (const auto &f : fields)
        EXPECT_EQ(((*card).*(f.edit))->text(), f.value) << f.field;
    EXPECT_EQ(card->txtNote->text(), "");
    EXPECT_EQ(card->txtDettagli->text(), "Richiamo vaccino");
    EXPECT_EQ(card->lblPosizione->text(), "1");

    sp.clear();
    click(card->cmdSalva);
    EXPECT_EQ(sp.messages(), QStringList{CardOverwritten});
    EXPECT_EQ(storedCount(sp.file("2024.sca")), 1);
    EXPECT_EQ(stored(sp.file("2024.sca"), 1).text("Nome"), "Birba");
}

TEST_F(AppointmentCard, ListOnlyCombosTakeNoTypingAndDropTextsOutsideTheirList)
{
    openYear("2024");
    QComboBox *day = card->txtGiorno;
    day->setFocus();
    QTest::keyClicks(day, "1a2");
    EXPECT_EQ(day->currentText(), "");
    day->setCurrentIndex(4);
    EXPECT_EQ(day->currentText(), "05");
    QTest::keyClick(day, Qt::Key_Left);
    QTest::keyClick(day, Qt::Key_Backspace);
    EXPECT_EQ(day->currentText(), "");

    // On leaving, a text not exactly in the list (letter case included) is emptied.
    const struct {
        QComboBox *TfrmScadenzario::*box;
        const char *text;
        const char *left;
    } cases[] = {
        {&TfrmScadenzario::txtGiorno, "32", ""},      {&TfrmScadenzario::txtGiorno, "07", "07"},
        {&TfrmScadenzario::txtMese, "gennaio", ""},   {&TfrmScadenzario::txtMese, "Gennaio", "Gennaio"},
        {&TfrmScadenzario::txtOreApp, "24", ""},      {&TfrmScadenzario::txtOreApp, "23", "23"},
        {&TfrmScadenzario::txtMinutiApp, "60", ""},   {&TfrmScadenzario::txtMese, " Marzo ", " Marzo "},
    };
    for (const auto &c : cases) {
        QComboBox *box = (*card).*(c.box);
        box->setFocus();
        box->setEditText(c.text);
        card->txtAvviso->setFocus();
        EXPECT_EQ(box->currentText(), c.left) << box->objectName().toStdString() << " " << c.text;
    }
}

TEST_F(AppointmentCard, EnterWalksTheCardFieldsInACycle)
{
    openYear("2024");
    const QStringList chain{"txtGiorno",  "txtMese",     "txtOreApp", "txtMinutiApp", "txtAvviso",
                            "txtProprietario", "txtCodFisc", "txtRecapito", "txtNome",   "txtDataNasc",
                            "txtRazza",   "txtMantello", "txtMicrochip", "txtSegni", "txtPersona",
                            "txtDettagli", "txtOfficina", "txtCosto", "txtContatto", "txtNote"};
    card->txtGiorno->setFocus();
    for (int i = 0; i < chain.size(); ++i) {
        ASSERT_EQ(focused(), chain[i]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(focused(), "txtGiorno");
}

TEST_F(AppointmentCard, PrintoutTakesTheCardOnScreen)
{
    openYear("2024");
    QList<CardLine> lines = AppointmentCardLines(*card);
    ASSERT_EQ(lines.size(), 24);
    // A new card: blank day and month around the year, midnight, the flags as "No".
    EXPECT_EQ(lines[0].caption, "Data scadenza:");
    EXPECT_EQ(lines[0].value, "  2024");
    EXPECT_EQ(lines[1].value, "00:00");
    EXPECT_EQ(lines[15].value, "0,00");
    EXPECT_EQ(lines[19].caption, "Pagamento effettuato:");
    EXPECT_EQ(lines[19].value, "No");
    for (int i = 20; i < 24; ++i) {
        EXPECT_EQ(lines[i].caption, " ");
        EXPECT_EQ(lines[i].value, " ");
    }

    fillValidCard();
    card->txtOfficina->setText("  Bonifico  ");
    card->chkEffettuata->setChecked(true);
    lines = AppointmentCardLines(*card);
    EXPECT_EQ(lines[0].value, "09 Marzo 2024");
    EXPECT_EQ(lines[1].value, "14:05");
    EXPECT_EQ(lines[2].caption, "Giorni preavviso:");
    EXPECT_EQ(lines[2].value, "7");
    EXPECT_EQ(lines[14].caption, QString::fromUtf8("Modalità di pagamento:"));
    EXPECT_EQ(lines[14].value, "Bonifico");
    EXPECT_EQ(lines[19].value, QString::fromUtf8("Sì"));

    const PreparedReport report = PrepareAppointmentCard(*card);
    EXPECT_EQ(report.orientation, QPageLayout::Portrait);

    // The print dialog comes first; cancelling it prints nothing and reports nothing.
    sp.printAnswers.push_back(PrintAnswer(false));
    sp.clear();
    click(card->cmdStampa);
    EXPECT_EQ(sp.callsOf("print").size(), 1u);
    EXPECT_TRUE(sp.messages().isEmpty());
    EXPECT_FALSE(QFile::exists(sp.file("2024.sca")));
}

TEST_F(AppointmentCard, ClosingShowsTheStartPanelAgain)
{
    openYear("2024");
    card->close();
    EXPECT_FALSE(card->isVisible());
    card->show();
    EXPECT_TRUE(card->panAvvio->isVisible());
    EXPECT_FALSE(card->panContainer->isVisible());
    EXPECT_EQ(card->txtAnno->text(), "2026");
    EXPECT_EQ(card->windowTitle(), " Tavoren - Scadenze e Appuntamenti");
    EXPECT_EQ(card->calAppuntamenti->selectedDate(), QDate(2026, 12, 10));
}

TEST_F(AppointmentCard, HelpOfTheStartPanelAndOfTheCardIsOneTopicOfNineParagraphs)
{
    const ShownHelp fromStart = ClickForHelp(sp, card->imgGuida);
    openYear("2024");
    const ShownHelp fromCard = ClickForHelp(sp, card->cmdGuida);
    for (const ShownHelp &help : {fromStart, fromCard}) {
        ASSERT_TRUE(help.shown);
        EXPECT_EQ(help.owner, card.get());
        EXPECT_EQ(help.title, "Applicazione Scadenze e Appuntamenti.");
        const QStringList paragraphs = help.paragraphs();
        ASSERT_EQ(paragraphs.size(), 9) << help.text.toStdString();
        for (const QString &p : paragraphs)
            EXPECT_FALSE(p.trimmed().isEmpty());
    }
    EXPECT_EQ(fromStart.text, fromCard.text);
}

TEST_F(AppointmentCard, CommandsOpenTheirWindowsOnTheOpenYearAndTheCalendarDate)
{
    // The views of the start panel: the month view reads the archive of the calendar's year.
    card->calAppuntamenti->setSelectedDate(QDate(2025, 3, 9));
    const struct {
        ClickLabel *TfrmScadenzario::*command;
        const char *window;
    } views[] = {
        {&TfrmScadenzario::btnGiorno, "TfrmExpGiornaliere"},
        {&TfrmScadenzario::btnMese, "TfrmExpMensili"},
    };
    for (const auto &v : views) {
        sp.clear();
        click((*card).*(v.command));
        ASSERT_EQ(sp.callsOf("modal").size(), 1u);
        EXPECT_EQ(sp.callsOf("modal").front().text, v.window);
    }
    EXPECT_TRUE(QFile::exists(sp.file("2025.sca")));
    EXPECT_EQ(card->calAppuntamenti->selectedDate(), QDate(2025, 3, 9));

    // OK is enabled only with imminent entries; then it opens the imminent view.
    card->btnOK->setEnabled(true);
    sp.clear();
    QTest::mouseClick(card->btnOK, Qt::LeftButton);
    ASSERT_EQ(sp.callsOf("modal").size(), 1u);
    EXPECT_EQ(sp.callsOf("modal").front().text, "TfrmExpImminenti");

    // The card's own commands work on the year it opened.
    openYear("2024");
    const struct {
        ClickLabel *TfrmScadenzario::*command;
        const char *window;
    } commands[] = {
        {&TfrmScadenzario::cmdTrova, "TfrmTrovaScadenzario"},
        {&TfrmScadenzario::cmdDaConfermare, "TfrmDaConfermare"},
        {&TfrmScadenzario::cmdDaEffettuare, "TfrmConfermati"},
        {&TfrmScadenzario::cmdEffettuate, "TfrmNonConfermati"},
        {&TfrmScadenzario::cmdEsporta, "TfrmExpScadenzario"},
    };
    for (const auto &c : commands) {
        sp.clear();
        click((*card).*(c.command));
        ASSERT_EQ(sp.callsOf("modal").size(), 1u) << c.window;
        EXPECT_EQ(sp.callsOf("modal").front().text, c.window);
    }
    EXPECT_TRUE(QFile::exists(sp.file("2024.sca")));
}

// The launcher's design area: a maximised window on a 1024 x 768 screen under a title bar. Both
// panels fit it without scrolling, and no control of the card lies under another one.
TEST_F(AppointmentCard, BothPanelsFitTheDesignAreaWithNothingCovered)
{
    card->setWindowState(Qt::WindowNoState);
    card->resize(1016, 713);
    QCoreApplication::processEvents();
    const auto placed = [&](QWidget *w) { return QRect(w->mapTo(card.get(), QPoint(0, 0)), w->size()); };
    for (bool cardShown : {false, true}) {
        if (cardShown)
            openYear("2024");
        QCoreApplication::processEvents();
        QList<QWidget *> controls;
        for (QWidget *w : card->findChildren<QWidget *>()) {
            if (!w->isVisible() || w->objectName().isEmpty() || w->objectName() == "scrScheda" ||
                w->objectName() == "hostScheda")
                continue;
            EXPECT_TRUE(card->rect().contains(placed(w))) << w->objectName().toStdString();
            const QString n = w->objectName();
            if ((n.startsWith("cmd") || n.startsWith("btn") || n.startsWith("txt") || n.startsWith("chk") || n.startsWith("shp") || n.startsWith("img") ||
                 n == "lblPosizione" || n == "panInfo") && w->parentWidget()->objectName() != w->objectName())
                controls << w;
        }
        for (int i = 0; i < controls.size(); ++i)
            for (int j = i + 1; j < controls.size(); ++j) {
                if (controls[i]->isAncestorOf(controls[j]) || controls[j]->isAncestorOf(controls[i]))
                    continue;
                EXPECT_FALSE(placed(controls[i]).intersects(placed(controls[j])))
                    << controls[i]->objectName().toStdString() << " " << controls[j]->objectName().toStdString();
            }
        auto *scroll = card->findChild<QScrollArea *>("scrScheda");
        ASSERT_NE(scroll, nullptr);
        EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
        EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    }
}

// The reminder reads the archive of the current year, whatever year the card opens.
class AppointmentReminder : public AppointmentCard {
protected:
    void prepare() override
    {
        writeBytes(sp.file("2026.sca"), ArchiveBytes({
                                              entry("15/12/2026", "3", "Lontano"),    // not yet
                                              entry("12/12/2026", "", "Senza avviso"),  // damaged
                                              entry("11/12/2026", "5", "Imminente"),
                                              entry("31/11/2026", "30", "Data errata"),  // damaged
                                              entry("01/12/2026", "2", "Passato"),
                                          }));
    }
};

TEST_F(AppointmentReminder, DamagedRecordsDoNotHideTheImminentOneAndTheSoundPlaysOnce)
{
    EXPECT_TRUE(card->imgPresenti->isVisible());
    EXPECT_FALSE(card->imgAssenti->isVisible());
    EXPECT_TRUE(card->btnOK->isEnabled());
    ASSERT_EQ(sp.callsOf("sound").size(), 1u);
    EXPECT_EQ(sp.callsOf("sound").front().text, sp.file("Avviso.mp3"));
    EXPECT_TRUE(sp.callsOf("stopsound").empty());

    // Opening a year, saving or closing does not check again; closing stops the sound.
    sp.clear();
    card->close();
    EXPECT_EQ(sp.callsOf("stopsound").size(), 1u);
    EXPECT_TRUE(sp.callsOf("sound").empty());

    // The next showing checks again: with only damaged and distant entries left, nothing is imminent.
    writeBytes(sp.file("2026.sca"),
               ArchiveBytes({entry("15/12/2026", "3"), entry("12/12/2026", "x"), entry("aa/12/2026", "9")}));
    sp.clear();
    card->show();
    EXPECT_FALSE(card->imgPresenti->isVisible());
    EXPECT_TRUE(card->imgAssenti->isVisible());
    EXPECT_FALSE(card->btnOK->isEnabled());
    EXPECT_TRUE(sp.callsOf("sound").empty());
    EXPECT_TRUE(sp.messages().isEmpty());
}

class UnreadableReminder : public AppointmentCard {
protected:
    // The current year's archive is a folder: it cannot be opened.
    void prepare() override { QDir(sp.folder()).mkdir("2026.sca"); }
};

TEST_F(UnreadableReminder, KeepsTheFirstStateSilently)
{
    EXPECT_TRUE(card->imgAssenti->isVisible());
    EXPECT_FALSE(card->imgPresenti->isVisible());
    EXPECT_TRUE(card->btnOK->isEnabled());
    EXPECT_TRUE(sp.calls.empty() || sp.messages().isEmpty());
    EXPECT_TRUE(sp.callsOf("sound").empty());
}

TEST_F(AppointmentCard, MissingArchiveOfTheYearIsCreatedEmptyAndOKDisabled)
{
    EXPECT_TRUE(QFile::exists(sp.file("2026.sca")));
    EXPECT_EQ(readBytes(sp.file("2026.sca")).size(), 0);
    EXPECT_TRUE(card->imgAssenti->isVisible());
    EXPECT_FALSE(card->imgPresenti->isVisible());
    EXPECT_FALSE(card->btnOK->isEnabled());
    EXPECT_TRUE(sp.callsOf("sound").empty());
}

TEST(AppointmentCardLauncher, LauncherShowsTheStartPanelAndClosingReturnsToIt)
{
    ScriptedPlatform sp;
    writeBytes(sp.file("2026.sca"), ArchiveBytes({entry("12/12/2026", "4")}));
    CreateStartupWindows();
    frmAvvio->show();
    QTest::mouseClick(frmAvvio->imgAppuntamenti, Qt::LeftButton);
    ASSERT_TRUE(frmScadenzario->isVisible());
    EXPECT_FALSE(frmAvvio->isVisible());
    EXPECT_TRUE(frmScadenzario->panAvvio->isVisible());
    EXPECT_TRUE(frmScadenzario->imgPresenti->isVisible());
    EXPECT_EQ(sp.callsOf("sound").size(), 1u);

    QTest::mouseClick(frmScadenzario->imgEsci, Qt::LeftButton);
    EXPECT_FALSE(frmScadenzario->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_EQ(sp.callsOf("stopsound").size(), 1u);

    // Each showing checks and plays again.
    QTest::mouseClick(frmAvvio->btnAppuntamenti, Qt::LeftButton);
    EXPECT_EQ(sp.callsOf("sound").size(), 2u);
    DestroyStartupWindows();
}

} // namespace
