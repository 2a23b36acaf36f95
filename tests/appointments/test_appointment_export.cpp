// The appointment views (imminent, day, month) and the year's export: which entries each shows,
// their chronological order, and the exported files' bytes.
#include "tests/support/QStringPrinter.h"
#include "appointments/AppointmentViews.h"
#include "appointments/ExpGiornaliere.h"
#include "appointments/ExpImminenti.h"
#include "appointments/ExpMensili.h"
#include "appointments/ExpScadenzario.h"
#include "common/Messages.h"
#include "tests/appointments/AppointmentFixture.h"
#include "tests/support/ExcelFiles.h"
#include "tests/support/ExportGrid.h"
#include "tests/support/ShownHelp.h"
#include "common/ui/Widgets.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTest>

namespace {

// The grid's columns after "N.", with their header cells in the file.
const struct {
    const char *column;
    const char *header;
    int width;
    bool readOnly;
    const char *exportTitle;
    int exportWidth;
} Columns[] = {
    {"colData", "Data scadenza", 150, true, "Data scadenza", 150},
    {"colOraApp", "Ora appuntamento", 150, true, "Ora appuntamento", 150},
    {"colProprietario", "Proprietario", 250, true, "Proprietario", 250},
    {"colCodFisc", "Codice fiscale", 180, true, "Codice fiscale", 200},
    {"colRecapito", "Telefono preferenziale", 250, true, "Telefono preferenziale", 250},
    {"colNome", "Nome animale", 250, true, "Nome animale", 250},
    {"colDataNasc", "Data nascita", 180, true, "Data nascita", 200},
    {"colRazza", "Razza", 250, true, "Razza", 250},
    {"colMantello", "Colore mantello", 250, true, "Colore mantello", 250},
    {"colMicrochip", "Codice microchip", 200, true, "Codice microchip", 250},
    {"colSegni", "Segni particolari", 250, true, "Segni particolari", 300},
    {"colPersona", "Persona da incontrare", 250, true, "Persona da incontrare", 250},
    {"colDettagli", "Causale scadenza", 300, true, "Causale scadenza", 300},
    {"colOfficina", "Modalit\xc3\xa0 di pagamento", 300, false, "Modalit\xc3\xa0 di pagamento", 300},
    {"colCosto", "Importo in euro", 180, false, "Importo in euro", 200},
    {"colContatto", "Estremi ricevuta", 250, false, "Estremi ricevuta", 250},
    {"colDaConfermare", "Appuntamento da confermare", 200, false, "Appuntamento da confermare", 250},
    {"colEffettuata", "Pagamento effettuato", 200, false, "Pagamento effettuato", 250},
    {"colNote", "Note", 300, true, "Note", 300},
    {"colCodice", "Codice univoco", 150, false, "Codice univoco", 150},
};

QByteArray headerRow(int columns)
{
    QByteArray row = "<tr>";
    for (int i = 0; i < columns; ++i)
        row += ExcelHeaderCell(Columns[i].exportTitle, Columns[i].exportWidth);
    return row + "</tr>";
}

// The cells of an entry in the file, in the order of the grid's columns 1 to 19.
QByteArrayList exportedCells(const Record &r)
{
    QByteArrayList cells;
    for (const char *field :
         {"Data", "Ora", "Proprietario", "CodFisc", "Recapito", "Nome", "DataNasc", "Razza", "Mantello", "Microchip",
          "Segni", "Persona", "Dettagli", "Officina", "Costo", "Contatto", "DaConfermare", "Effettuata", "Note"})
        cells << r.text(field).toLatin1();
    return cells;
}

// The "N." and the time of every row.
QStringList numbersAndTimes(const ExcelExportWindow &w)
{
    QStringList rows;
    for (int r = 0; r < w.rowCount(); ++r)
        rows << w.cell(r, 0) + ' ' + w.cell(r, 2);
    return rows;
}

class AppointmentViews : public AppointmentWindows {
protected:
    template <typename Window>
    std::unique_ptr<Window> open()
    {
        auto window = std::make_unique<Window>(card.get());
        window->show();
        EXPECT_TRUE(WaitActive(window.get()));
        return window;
    }
    QByteArray exportNow(ExcelExportWindow &window)
    {
        sp.yesNoAnswers = {true, false};
        QTest::mouseClick(window.cmdEsporta, Qt::LeftButton);
        return readBytes(sp.file(window.definition().fileName));
    }
};

} // namespace

TEST_F(AppointmentViews, FourGridsWithTheirColumnsFilesAndSheets)
{
    const struct {
        std::function<ExcelExportWindow *(QWidget *)> make;
        const char *caption;
        const char *file;
        const char *sheet;
        int columns;
    } windows[] = {
        {[](QWidget *c) -> ExcelExportWindow * { return new TfrmExpImminenti(c); }, " Scadenze imminenti",
         "Scadenze_Imminenti.xls", "Scadenze imminenti", 20},
        {[](QWidget *c) -> ExcelExportWindow * { return new TfrmExpGiornaliere(c); }, " Scadenze del giorno",
         "Scadenze_Giornaliere.xls", "Scadenze del giorno", 20},
        {[](QWidget *c) -> ExcelExportWindow * { return new TfrmExpMensili(c); }, " Scadenze del mese",
         "Scadenze_Mensili.xls", "Scadenze del mese", 20},
        {[](QWidget *c) -> ExcelExportWindow * { return new TfrmExpScadenzario(c); },
         " Esporta archivio Scadenzario pagamenti", "Scadenze_e_Appuntamenti.xls", "Scadenze e appuntamenti", 19},
    };
    for (const auto &w : windows) {
        SCOPED_TRACE(w.caption);
        const std::unique_ptr<ExcelExportWindow> window(w.make(card.get()));
        window->show();
        EXPECT_EQ(window->windowTitle(), w.caption);
        EXPECT_EQ(window->size(), QSize(862, 560));
        EXPECT_EQ(window->panInfo->text(), "Esportazione archivio in Microsoft Excel.");
        ASSERT_EQ(window->columnCount(), w.columns + 1);
        EXPECT_EQ(window->grdRecords->model()->headerData(0, Qt::Horizontal).toString(), "N.");
        ExpectGridColumns(*window, Columns, w.columns);
        // An empty archive keeps the ten empty design rows, and so does the file.
        EXPECT_EQ(window->rowCount(), 10);
        QByteArray rows;
        for (int r = 0; r < 10; ++r)
            rows += ExcelBodyRow(QByteArrayList(w.columns));
        EXPECT_EQ(exportNow(*window), ExcelPrologue(w.sheet) + headerRow(w.columns) + rows + ExcelEpilogue);
        sp.clear();
    }
}

TEST_F(AppointmentViews, TheDayViewListsItsDayInTimeOrderAndExportsIt)
{
    // Saved 16:30 first, then 09:15; other days and months around them.
    Record afternoon = entry("12/05/2026", "16:30", "Visita", {{"Proprietario", "Rossi & figli"}, {"Costo", "30,00"}});
    afternoon.setText("Effettuata", Si);
    const Record morning = entry("12/05/2026", "09:15", "Vaccino", {{"Nome", "Fido"}, {"Note", "  a digiuno  "}});
    writeYear({entry("11/05/2026", "08:00", "Ieri"), afternoon, entry("12/06/2026", "09:00", "Un mese dopo"), morning,
               entry("02/12/2026", "09:00", "Dicembre")});
    card->calAppuntamenti->setSelectedDate(QDate(2026, 5, 12));

    const auto view = open<TfrmExpGiornaliere>();
    EXPECT_EQ(numbersAndTimes(*view), (QStringList{"2 09:15", "1 16:30"}));
    EXPECT_EQ(view->cell(0, view->columnIndex("colCodice")), "05120915");
    EXPECT_EQ(view->cell(1, view->columnIndex("colCodice")), "05121630");
    EXPECT_EQ(view->cell(0, view->columnIndex("colNote")), "a digiuno");

    QByteArrayList first = exportedCells(morning);
    first << "05120915";
    QByteArrayList second = exportedCells(afternoon);
    second[2] = "Rossi &amp; figli";
    second[17] = "S\xec";
    second << "05121630";
    EXPECT_EQ(exportNow(*view), ExcelPrologue("Scadenze del giorno") + headerRow(20) + ExcelBodyRow(first) +
                                    ExcelBodyRow(second) + ExcelEpilogue);
    EXPECT_EQ(sp.callsOf("question").size(), 2u);

    // The 1st of a month lists only its own date; a day of a year never opened creates its
    // archive, empty, and keeps the design rows.
    card->calAppuntamenti->setSelectedDate(QDate(2026, 12, 1));
    const auto none = open<TfrmExpGiornaliere>();
    EXPECT_EQ(none->rowCount(), 0) << "entries exist, none of that day";
    EXPECT_EQ(exportNow(*none), ExcelPrologue("Scadenze del giorno") + headerRow(20) + ExcelEpilogue);
    card->calAppuntamenti->setSelectedDate(QDate(2031, 2, 3));
    EXPECT_EQ(open<TfrmExpGiornaliere>()->rowCount(), 10);
    EXPECT_TRUE(QFile::exists(sp.file("2031.sca")));
    EXPECT_EQ(readBytes(sp.file("2031.sca")), QByteArray());
}

TEST_F(AppointmentViews, TheImminentViewFollowsEachEntrysNoticeAndSkipsDamagedOnes)
{
    // Entries of today's year, read whatever today is; damaged dates and notices among them.
    const Record march15 = entry("15/03/2026", "10:00", "Cinque giorni", {{"Avviso", "5"}});
    const Record march12 = entry("12/03/2026", "08:30", "Senza preavviso", {{"Avviso", "0"}});
    const Record march20 = entry("20/03/2026", "11:00", "Tre settimane", {{"Avviso", "21"}});
    writeYear({march15, entry("31/02/2026", "09:00", "Data inesistente", {{"Avviso", "400"}}),
               entry("10/03/2026", "09:00", "Preavviso illeggibile", {{"Avviso", "x"}}), march12,
               entry("", "09:00", "Senza data", {{"Avviso", "9"}}), march20});
    const struct {
        QDate today;
        QStringList rows; // "N." and time, in time order
    } cases[] = {
        {QDate(2026, 2, 26), {}},
        {QDate(2026, 2, 27), {"1 11:00"}},
        {QDate(2026, 3, 9), {"1 11:00"}},
        {QDate(2026, 3, 10), {"1 10:00", "2 11:00"}},
        {QDate(2026, 3, 12), {"2 08:30", "1 10:00", "3 11:00"}},
        {QDate(2026, 3, 15), {"1 10:00", "2 11:00"}},
        {QDate(2026, 3, 16), {"1 11:00"}},
        {QDate(2026, 3, 21), {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString());
        sp.todayValue = c.today;
        EXPECT_EQ(numbersAndTimes(*open<TfrmExpImminenti>()), c.rows);
    }
    EXPECT_TRUE(sp.messages().isEmpty());

    // The archive of another year is never read: in 2027 the view reads 2027.sca.
    sp.todayValue = QDate(2027, 3, 12);
    EXPECT_EQ(open<TfrmExpImminenti>()->rowCount(), 10);
    EXPECT_TRUE(QFile::exists(sp.file("2027.sca")));
}

TEST_F(AppointmentViews, TheMonthViewListsItsMonthOfItsYear)
{
    const Record late = entry("31/03/2026", "18:00", "Fine mese");
    Record lower = entry("02/03/2026", "09:00", "Minuscolo");
    lower.setText("Mese", "marzo");
    Record upper = entry("02/03/2026", "08:00", "Maiuscolo");
    upper.setText("Mese", "  MARZO ");
    Record otherYear = entry("05/03/2026", "09:00", "Anno diverso");
    otherYear.setText("Anno", "2025");
    writeYear({late, entry("01/04/2026", "09:00", "Aprile"), lower, otherYear, upper,
               entry("28/02/2026", "09:00", "Febbraio")});
    card->calAppuntamenti->setSelectedDate(QDate(2026, 3, 17));
    EXPECT_EQ(numbersAndTimes(*open<TfrmExpMensili>()), (QStringList{"3 08:00", "2 09:00", "1 18:00"}));
    card->calAppuntamenti->setSelectedDate(QDate(2026, 1, 17));
    EXPECT_EQ(open<TfrmExpMensili>()->rowCount(), 0);
}

TEST_F(AppointmentViews, TheSortMovesWholeRowsAndIgnoresLetterCase)
{
    writeYear({entry("01/01/2026", "09:00", "Uno"), entry("02/01/2026", "09:00", "Due"),
               entry("03/01/2026", "09:00", "Tre"), entry("04/01/2026", "09:00", "Quattro")});
    const auto grid = open<TfrmExpScadenzario>();
    const int reason = grid->columnIndex("colDettagli");
    grid->setCell(0, reason, "beta");
    grid->setCell(3, reason, "Alfa");
    grid->SortGridByColumn(reason);
    QStringList rows;
    for (int r = 0; r < grid->rowCount(); ++r)
        rows << grid->cell(r, 0) + ' ' + grid->cell(r, 1) + ' ' + grid->cell(r, reason);
    EXPECT_EQ(rows, (QStringList{"4 04/01/2026 Alfa", "1 01/01/2026 beta", "2 02/01/2026 Due", "3 03/01/2026 Tre"}));

    // The key orders month, day, hour and minute.
    EXPECT_EQ(AppointmentSortKey(entry("09/03/2026", "14:05", "x")), "03091405");
    EXPECT_LT(AppointmentSortKey(entry("31/01/2026", "23:59", "x")),
              AppointmentSortKey(entry("01/02/2026", "00:00", "x")));
}

TEST_F(AppointmentViews, TheYearsExportWritesEveryRecordInFileOrder)
{
    Record full = fullEntry("1");
    full.setText("DaConfermare", Si);
    full.setText("Note", QString::fromUtf8("Prezzo in \xe2\x82\xac <scontato>"));
    const Record second = entry("12/05/2026", "09:15", "Vaccino");
    const Record third = entry("01/01/2026", "08:00", "Primo dell'anno");
    writeYear({full, second, third});
    const auto grid = open<TfrmExpScadenzario>();
    EXPECT_EQ(numbersAndTimes(*grid), (QStringList{"1 " + full.text("Ora"), "2 09:15", "3 08:00"}));

    QByteArrayList cells = exportedCells(full);
    cells[16] = "S\xec";
    cells[18] = "Prezzo in \x80 &lt;scontato&gt;";
    EXPECT_EQ(exportNow(*grid), ExcelPrologue("Scadenze e appuntamenti") + headerRow(19) + ExcelBodyRow(cells) +
                                    ExcelBodyRow(exportedCells(second)) + ExcelBodyRow(exportedCells(third)) +
                                    ExcelEpilogue);

    // A folder in place of the archive: the archive message, and no file is written.
    sp.clear();
    QFile::remove(sp.file("Scadenze_e_Appuntamenti.xls"));
    QFile::remove(sp.file("2026.sca"));
    ASSERT_TRUE(QDir(sp.folder()).mkdir("2026.sca"));
    const auto failing = open<TfrmExpScadenzario>();
    EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
    exportNow(*failing);
    EXPECT_FALSE(QFile::exists(sp.file("Scadenze_e_Appuntamenti.xls")));
}

TEST_F(AppointmentViews, HelpOfTheViewsAndOfTheExport)
{
    const auto view = open<TfrmExpMensili>();
    ShownHelp help = ClickForHelp(sp, view->cmdGuida);
    ASSERT_TRUE(help.shown);
    EXPECT_EQ(help.title, "Visualizzazione scadenze e appuntamenti.");
    EXPECT_EQ(help.paragraphs().size(), 5) << help.text.toStdString();

    const auto year = open<TfrmExpScadenzario>();
    help = ClickForHelp(sp, year->cmdGuida);
    EXPECT_EQ(help.title, "Esportazione archivio Scadenze e appuntamenti in Microsoft Excel.");
    EXPECT_EQ(help.paragraphs().size(), 3) << help.text.toStdString();
}

TEST_F(AppointmentViews, TheCardsCommandsOpenTheViewsOnTheCalendarsDate)
{
    // An entry of today (10/12/2026) makes the start panel's OK command available.
    writeYear({entry("10/12/2026", "10:00", "Oggi"), entry("03/12/2026", "09:00", "Inizio mese")});
    card->hide();
    card->show();
    ASSERT_TRUE(card->btnOK->isEnabled());
    card->calAppuntamenti->setSelectedDate(QDate(2026, 12, 3));

    const struct {
        QWidget *command;
        const char *window;
        QStringList rows;
    } commands[] = {
        {card->btnOK, "TfrmExpImminenti", {"1 10:00"}},
        {card->btnGiorno, "TfrmExpGiornaliere", {"1 09:00"}},
        {card->btnMese, "TfrmExpMensili", {"2 09:00", "1 10:00"}},
    };
    for (const auto &c : commands) {
        SCOPED_TRACE(c.window);
        bool opened = false;
        sp.onModal = [&](QWidget *w) {
            opened = true;
            auto *view = qobject_cast<ExcelExportWindow *>(w);
            ASSERT_NE(view, nullptr);
            EXPECT_STREQ(view->metaObject()->className(), c.window);
            EXPECT_EQ(view->parentWidget(), card.get());
            EXPECT_EQ(numbersAndTimes(*view), c.rows);
        };
        QTest::mouseClick(c.command, Qt::LeftButton);
        EXPECT_TRUE(opened);
    }

    // The year's export from the record panel, on the year open there.
    card->txtAnno->setText("2026");
    QTest::mouseClick(card->btnApri, Qt::LeftButton);
    bool opened = false;
    sp.onModal = [&](QWidget *w) {
        opened = true;
        auto *view = qobject_cast<TfrmExpScadenzario *>(w);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(numbersAndTimes(*view), (QStringList{"1 10:00", "2 09:00"}));
    };
    QTest::mouseClick(card->cmdEsporta, Qt::LeftButton);
    EXPECT_TRUE(opened);
}
