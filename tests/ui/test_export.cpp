#include "tests/support/QStringPrinter.h"
#include "common/ui/ExcelExport.h"
#include "common/ui/ExportGridModel.h"
#include "common/Messages.h"
#include "common/Record.h"
#include "common/ui/Widgets.h"
#include "tests/support/ExcelFiles.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

// Failures print texts as texts.

namespace {

const QString Confirm = QString::fromUtf8(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede presenti in "
    "archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString Done =
    QString::fromUtf8("Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString Failure = QString::fromUtf8(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non sia già "
    "aperto.");

// The worksheet header that every export writes before its table, for the sheet "Riepilogo prova".
const QByteArray Prologue = ExcelPrologue("Riepilogo prova");
const QByteArray HeaderRow = "<tr><td style=\"text-align: left; font-weight: bold;\" width=250>Nominativo</td>"
                             "<td style=\"text-align: left; font-weight: bold;\" width=300>Comune</td>"
                             "<td style=\"text-align: left; font-weight: bold;\" width=120>Importo in euro</td></tr>";
const QByteArray Epilogue = ExcelEpilogue;

QByteArray row(const QByteArray &name, const QByteArray &town, const QByteArray &amount)
{
    return QByteArray("<tr>") + ExcelLeftCell + name + "</td>" + ExcelLeftCell + town + "</td>" + ExcelRightCell +
           amount + "</td></tr>";
}

const RecordLayout &TestLayout()
{
    static const RecordLayout layout{{"Nome", 40}, {"Comune", 30}, {"Prov", 2}, {"Importo", 15}};
    return layout;
}

QByteArray record(const QString &name, const QString &town, const QString &province, const QString &amount)
{
    Record r(TestLayout());
    r.setText("Nome", name);
    r.setText("Comune", town);
    r.setText("Prov", province);
    r.setText("Importo", amount);
    return r.bytes();
}

// A small export: a read-only column, an editable column joining two fields, a right-aligned column.
ExcelExportDefinition TestExport()
{
    ExcelExportDefinition d;
    d.objectName = QStringLiteral("frmExpProva");
    d.caption = QStringLiteral(" Esporta prova");
    d.fileName = QStringLiteral("Prova.xls");
    d.sheetName = QStringLiteral("Riepilogo prova");
    d.archiveName = QStringLiteral("Prova.pro");
    d.layout = &TestLayout();
    d.columns = {
        {"colNome", "Nome", 200, true, "Nome", "Nominativo", 250},
        {"colComune", "Comune", 200, false, "Comune Prov", "Comune", 300},
        {"colImporto", "Importo", 100, true, "Importo", "Importo in euro", 120, true},
    };
    return d;
}

class ExportWindow : public ::testing::Test {
protected:
    // Shows a new export window over the archive as it is now.
    void open()
    {
        window = std::make_unique<ExcelExportWindow>(TestExport(), nullptr);
        window->show();
        ASSERT_TRUE(WaitActive(window.get()));
    }
    void exportNow() { QTest::mouseClick(window->cmdEsporta, Qt::LeftButton); }
    QByteArray xls() const { return readBytes(sp.file("Prova.xls")); }
    QStringList folderEntries() const
    {
        return QDir(sp.folder()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    ScriptedPlatform sp;
    std::unique_ptr<ExcelExportWindow> window;
};

TEST_F(ExportWindow, WritesTheGridAsOneLineOfWindows1252WithEveryTextIntact)
{
    writeBytes(sp.file("Prova.pro"),
               record("Rossi & figli", QString::fromUtf8("Città di Castello"), "PG", QString::fromUtf8("1.250,00 €")) +
                   record(QStringLiteral("peso < 5 kg,\r\ndetto \"Bubi\" > 3"), "", "", "0,00"));
    open();

    ASSERT_EQ(window->rowCount(), 2);
    EXPECT_EQ(window->cell(0, 0), "1");
    EXPECT_EQ(window->cell(1, 0), "2");
    EXPECT_EQ(window->cell(0, 2), QString::fromUtf8("Città di Castello PG"));
    // Neither town nor province: the joining blank stays in the grid and is trimmed from the file.
    EXPECT_EQ(window->cell(1, 2), " ");

    exportNow();
    EXPECT_EQ(sp.messages(), QStringList({Confirm, Done}));
    const QByteArray expected = Prologue + HeaderRow +
                                row("Rossi &amp; figli", "Citt\xe0 di Castello PG", "1.250,00 \x80") +
                                row("peso &lt; 5 kg,&#13;&#10;detto &quot;Bubi&quot; &gt; 3", "", "0,00") + Epilogue;
    const QByteArray file = xls();
    EXPECT_EQ(file, expected);
    EXPECT_FALSE(file.contains('\r') || file.contains('\n'));
}

TEST_F(ExportWindow, EmptyOrMissingArchiveExportsTheTenEmptyDesignRows)
{
    open();
    EXPECT_TRUE(QFile::exists(sp.file("Prova.pro")));
    EXPECT_EQ(readBytes(sp.file("Prova.pro")).size(), 0);
    ASSERT_EQ(window->rowCount(), 10);
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < window->columnCount(); ++c)
            EXPECT_EQ(window->cell(r, c), QString());

    exportNow();
    QByteArray rows;
    for (int r = 0; r < 10; ++r)
        rows += row("", "", "");
    EXPECT_EQ(xls(), Prologue + HeaderRow + rows + Epilogue);
}

TEST_F(ExportWindow, UnreadableArchiveShowsTheArchiveMessageAndNeverReplacesTheEarlierFile)
{
    // A folder in the archive's place: it cannot be opened as an archive, even by root.
    ASSERT_TRUE(QDir().mkdir(sp.file("Prova.pro")));
    const QByteArray earlier = "<html>earlier export</html>";
    writeBytes(sp.file("Prova.xls"), earlier);

    open();
    EXPECT_EQ(window->rowCount(), 10);
    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, "plain");
    EXPECT_EQ(sp.calls[0].text, ArchiveAccessMessage());

    // The command says so again, asks nothing and writes nothing.
    sp.clear();
    exportNow();
    EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
    EXPECT_EQ(sp.callsOf("plain").size(), 1u);
    EXPECT_EQ(xls(), earlier);
    EXPECT_TRUE(sp.callsOf("document").empty());
}

TEST_F(ExportWindow, AnswersDecideWhetherTheFileIsWrittenAndOpened)
{
    const struct {
        std::deque<bool> answers;
        bool written;
        bool opened;
    } cases[] = {
        {{false}, false, false},
        {{true, false}, true, false},
        {{true, true}, true, true},
    };
    writeBytes(sp.file("Prova.pro"), record("Bianchi", "Lodi", "LO", "10,00"));
    open();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answers.size());
        writeBytes(sp.file("Prova.xls"), "vecchio");
        sp.clear();
        sp.yesNoAnswers = c.answers;
        exportNow();
        EXPECT_EQ(sp.messages(), c.answers.size() == 1 ? QStringList{Confirm} : QStringList({Confirm, Done}));
        EXPECT_EQ(xls() == "vecchio", !c.written);
        EXPECT_EQ(xls().contains("Bianchi"), c.written);
        const auto documents = sp.callsOf("document");
        ASSERT_EQ(documents.size(), c.opened ? 1u : 0u);
        if (c.opened) {
            EXPECT_EQ(documents[0].text, '"' + sp.folder() + "Prova.xls\"");
        }
        EXPECT_EQ(folderEntries(), QStringList({"Prova.pro", "Prova.xls"}));
    }
}

TEST_F(ExportWindow, TypedCellIsExportedAndEachExportReplacesTheFile)
{
    writeBytes(sp.file("Prova.pro"), record("Bianchi", "Lodi", "LO", "10,00"));
    const QByteArray archive = readBytes(sp.file("Prova.pro"));
    open();
    exportNow();
    ASSERT_TRUE(xls().contains("Lodi LO"));

    auto *model = window->grdRecords->model();
    EXPECT_FALSE(model->flags(model->index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
    ASSERT_TRUE(model->flags(model->index(0, 2)) & Qt::ItemIsEditable);

    // The user types into the town cell and clicks the export while the cell is still being edited.
    window->grdRecords->setFocus();
    window->grdRecords->setCurrentIndex(model->index(0, 2));
    QTest::keyClick(window->grdRecords, Qt::Key_F2);
    QWidget *editor = QApplication::focusWidget();
    ASSERT_NE(editor, window->grdRecords);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, "  Crema (CR)  ");
    exportNow();

    const QByteArray file = xls();
    EXPECT_EQ(file, Prologue + HeaderRow + row("Bianchi", "Crema (CR)", "10,00") + Epilogue);
    EXPECT_FALSE(file.contains("Lodi"));
    EXPECT_EQ(readBytes(sp.file("Prova.pro")), archive);
}

TEST_F(ExportWindow, GridCellsKeepWhatIsTypedBesideTheirNeighbours)
{
    writeBytes(sp.file("Prova.pro"), record(QString::fromUtf8("Però & C."), QString::fromUtf8("Città"), "PG",
                                            QString::fromUtf8("5 €")) +
                                         record("Verdi", "Lodi", "LO", "1,00"));
    open();
    // A text the code page cannot hold stays whole in the grid and is written as "?".
    window->setCell(0, 2, QString::fromUtf8("Ωmega  "));
    EXPECT_EQ(window->cell(0, 1), QString::fromUtf8("Però & C."));
    EXPECT_EQ(window->cell(0, 2), QString::fromUtf8("Ωmega  "));
    EXPECT_EQ(window->cell(0, 3), QString::fromUtf8("5 €"));
    EXPECT_EQ(window->cell(1, 2), "Lodi LO");
    window->setCell(1, 2, QString());
    // Rows added later are empty; rows cut off are gone.
    window->setRowCount(3);
    EXPECT_EQ(window->cell(2, 1), QString());
    window->setCell(2, 1, "Nuovo");

    exportNow();
    EXPECT_EQ(xls(), Prologue + HeaderRow + row("Per\xf2 &amp; C.", "?mega", "5 \x80") + row("Verdi", "", "1,00") +
                         row("Nuovo", "", "") + Epilogue);
    window->setRowCount(1);
    EXPECT_EQ(window->rowCount(), 1);
    EXPECT_EQ(window->cell(0, 2), QString::fromUtf8("Ωmega  "));
}

TEST_F(ExportWindow, FailedWriteShowsTheMessageAndLeavesTheEarlierFileWhole)
{
    writeBytes(sp.file("Prova.pro"), record("Bianchi", "Lodi", "LO", "10,00"));
    open();
    writeBytes(sp.file("Prova.xls"), "vecchio");
    const auto check = [&] {
        EXPECT_EQ(sp.messages(), QStringList({Confirm, Failure}));
        EXPECT_EQ(sp.callsOf("plain").size(), 1u);
        EXPECT_TRUE(sp.callsOf("document").empty());
        EXPECT_EQ(xls(), "vecchio");
        // No temporary file is left; the failure is traced in the log.
        EXPECT_EQ(folderEntries(), QStringList({"Prova.pro", "Prova.xls", "Tavoren.log"}));
    };
    {
        SCOPED_TRACE("disk refusing the bytes");
        sp.clear();
        FileSizeLimit limit(64);
        exportNow();
        check();
    }
    ReadOnlyFolder readOnly(sp.folder());
    if (!readOnly.ok())
        GTEST_SKIP() << "no way to make a folder read-only here";
    SCOPED_TRACE("read-only folder");
    sp.clear();
    exportNow();
    check();
}

TEST_F(ExportWindow, HintsDescribeTheCommandsAndTheBackgroundClearsThem)
{
    open();
    EXPECT_EQ(window->panInfo->text(), "Esportazione archivio in Microsoft Excel.");
    const auto hover = [&](QWidget *w) {
        QTest::mouseMove(window->windowHandle(), w->mapTo(window.get(), QPoint(w->width() / 2, w->height() / 2)));
        return window->panInfo->text();
    };
    const struct {
        ClickLabel *command;
        const char *hint;
    } cases[] = {
        {window->cmdEsporta, "Esporta l'archivio in formato Microsoft Excel."},
        {window->cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
        {window->cmdEsci, "Esci da questo ambiente di lavoro."},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(hover(c.command), c.hint);
        EXPECT_EQ(hover(window->grdRecords->viewport()), QString());
        EXPECT_EQ(hover(c.command), c.hint);
        EXPECT_EQ(hover(window->shpSfondo), QString());
    }
}

TEST_F(ExportWindow, FrameGridAndStatusHaveTheirDesignSizes)
{
    open();
    EXPECT_EQ(window->size(), QSize(862, 560));
    EXPECT_EQ(window->panContainer->size(), QSize(837, 533));
    EXPECT_EQ(window->grdRecords->size(), QSize(821, 409));
    EXPECT_EQ(window->grdRecords->verticalHeader()->defaultSectionSize(), 21);
    EXPECT_TRUE(window->grdRecords->alternatingRowColors());
    const QAbstractItemModel *model = window->grdRecords->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "N.");
    EXPECT_EQ(window->grdRecords->columnWidth(0), 60);
    EXPECT_FALSE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_EQ(window->grdRecords->columnWidth(2), 200);
    EXPECT_TRUE(model->flags(model->index(0, 2)) & Qt::ItemIsEditable);
    // The status text is Tahoma 12 (points, as every other size of the suite).
    EXPECT_EQ(window->panInfo->font().family(), "Tahoma");
    EXPECT_EQ(window->panInfo->font().pointSize(), 12);
}

TEST_F(ExportWindow, ExitClosesTheWindow)
{
    open();
    QTest::mouseClick(window->cmdEsci, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

} // namespace

// Rows of every length, one larger than a whole block, and rows stored again later keep their
// cells through the blocks they fill.
TEST(ExportGridRows, RowsKeepTheirCellsAcrossBlocks)
{
    constexpr int Columns = 3;
    ExportGridRows rows(Columns);
    const auto cellOf = [](int row, int column) {
        const qsizetype length = row == 700 && column == 1 ? qsizetype(3) << 20 : (row * 7 + column * 131) % 1500;
        return QByteArray(length, char('a' + (row + column) % 26));
    };
    const auto check = [&](int row, const std::function<QByteArray(int)> &expected) {
        for (int c = 0; c < Columns; ++c)
            ASSERT_EQ(rows.bytes(row, c).toByteArray(), expected(c)) << "row " << row << " column " << c;
    };
    constexpr int Count = 5000;
    for (int r = 0; r < Count; ++r) {
        qsizetype total = 0;
        for (int c = 0; c < Columns; ++c)
            total += cellOf(r, c).size();
        rows.beginRow(total + 1);
        rows.add(cellOf(r, 0));
        rows.open();
        rows.append(cellOf(r, 1));
        rows.append('!');
        rows.close();
        // The third cell is never handed over: it is empty.
        rows.endRow(r % 2 == 1);
    }
    ASSERT_EQ(rows.size(), Count);
    for (int r = 0; r < Count; ++r) {
        check(r, [&](int c) { return c == 0 ? cellOf(r, 0) : c == 1 ? cellOf(r, 1) + '!' : QByteArray(); });
        EXPECT_EQ(rows.isUtf8(r), r % 2 == 1);
    }

    // A row stored again takes the place of the old one; the rows around it stay.
    rows.beginRow(6);
    rows.add("x");
    rows.add("yy");
    rows.add("zzz");
    rows.endRow(true);
    rows.replaceWithLast(10);
    ASSERT_EQ(rows.size(), Count);
    check(10, [](int c) { return QByteArray(c + 1, char('x' + c)); });
    EXPECT_TRUE(rows.isUtf8(10));
    check(11, [&](int c) { return c == 0 ? cellOf(11, 0) : c == 1 ? cellOf(11, 1) + '!' : QByteArray(); });

    // Rows added by count are empty; dropping rows keeps the first ones, and moved rows keep theirs.
    rows.resize(Count + 2);
    check(Count + 1, [](int) { return QByteArray(); });
    rows.resize(20);
    ExportGridRows moved(std::move(rows));
    ASSERT_EQ(moved.size(), 20);
    EXPECT_EQ(moved.bytes(19, 0).toByteArray(), cellOf(19, 0));
}

TEST_F(ExportWindow, FillingAndWritingShowTheBusyCursorButNeverOverTheQuestions)
{
    QByteArray archive;
    for (int i = 0; i < 500; ++i)
        archive += record(QStringLiteral("Nome %1").arg(i), "Lodi", "LO", "1,00");
    writeBytes(sp.file("Prova.pro"), archive);
    sp.clockStepMs = 1;
    open();
    EXPECT_EQ(window->rowCount(), 500);
    EXPECT_EQ(sp.busyLog, (QStringList{"busy", "idle"})) << "the grid filled";
    EXPECT_GE(sp.paintTimes.size(), 4u);

    sp.clear();
    exportNow();
    EXPECT_EQ(sp.busyLog, (QStringList{"busy", "idle"})) << "the file written";
    ASSERT_EQ(sp.messages(), QStringList({Confirm, Done}));
    for (const PlatformCall &call : sp.calls)
        EXPECT_FALSE(call.whileBusy) << call.kind.toStdString();
    EXPECT_TRUE(xls().contains("Nome 499"));
}
