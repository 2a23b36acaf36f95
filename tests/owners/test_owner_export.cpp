#include "common/Messages.h"
#include "common/Record.h"
#include "common/ui/Widgets.h"
#include "owners/Clienti.h"
#include "owners/ExpClienti.h"
#include "owners/OwnerRecord.h"
#include "dialogs/Guida.h"
#include "tests/support/ExcelFiles.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/ShownHelp.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

const QByteArray BodyCell = ExcelLeftCell;

QByteArray owner(const std::map<QString, QString> &fields)
{
    Record r(OwnerRecordLayout());
    for (const auto &[field, value] : fields)
        r.setText(field, value);
    return r.bytes();
}

// The cells of the table rows of an export, header row first.
QList<QByteArrayList> tableRows(const QByteArray &xls)
{
    QList<QByteArrayList> rows;
    const QByteArray rest = xls.mid(xls.indexOf("<table x:str>"));
    for (qsizetype at = rest.indexOf("<tr>"); at >= 0; at = rest.indexOf("<tr>", at + 4)) {
        const QByteArray tr = rest.mid(at + 4, rest.indexOf("</tr>", at) - at - 4);
        QByteArrayList cells;
        for (qsizetype td = tr.indexOf("<td"); td >= 0; td = tr.indexOf("<td", td + 3)) {
            const qsizetype open = tr.indexOf('>', td) + 1;
            cells << tr.mid(open, tr.indexOf("</td>", open) - open);
        }
        rows << cells;
    }
    return rows;
}

class OwnerExport : public ::testing::Test {
protected:
    void open()
    {
        window = std::make_unique<TfrmExpClienti>();
        window->show();
        ASSERT_TRUE(WaitActive(window.get()));
    }
    QString cell(int row, const char *column) const
    {
        const int c = window->columnIndex(QString::fromLatin1(column));
        return c < 0 ? QStringLiteral("<no column>") : window->cell(row, c);
    }
    QByteArray exportNow()
    {
        sp.yesNoAnswers = {true, false};
        QTest::mouseClick(window->cmdEsporta, Qt::LeftButton);
        return readBytes(sp.file("Proprietari.xls"));
    }

    ScriptedPlatform sp;
    std::unique_ptr<TfrmExpClienti> window;
};

TEST_F(OwnerExport, EachColumnShowsItsOwnFieldAndHiddenFieldsStayOut)
{
    // Every field holds a text of its own, so a column reading the wrong field shows.
    std::map<QString, QString> fields;
    for (const QString &name : OwnerRecordLayout().names())
        fields[name] = name;
    fields["ProvNasc"] = "MI";
    fields["ProvRes"] = "PV";
    fields["Sesso"] = "F";
    fields["CapRes"] = "27100";
    fields["PartitaIva"] = "PartitaIva";
    fields["Ricontatta"] = QString::fromUtf8("Sì");
    writeBytes(sp.file(OwnerArchiveName), owner(fields));
    open();

    const struct {
        const char *column;
        const char *text;
    } expected[] = {
        {"colCliente", "Cliente"},       {"colDataNasc", "DataNasc"},         {"colComuneNasc", "ComuneNasc MI"},
        {"colRecapito", "Recapito"},     {"colIndirizzoRes", "IndirizzoRes"}, {"colComuneRes", "ComuneRes PV"},
        {"colEstremi", "Estremi"},       {"colTelCasa", "TelCasa"},           {"colTelUff", "TelUff"},
        {"colTelCel", "TelCel"},         {"colFax", "Fax"},                   {"colEmail", "Email"},
        {"colCodFisc", "CodFisc"},       {"colPartitaIva", "PartitaIva"},     {"colCarta", "Carta"},
        {"colScadeCarta", "ScadeCarta"}, {"colIban", "Iban"},                 {"colDocumento", "Documento"},
        {"colOccupazione", "Occupazione"}, {"colCivile", "Civile"},           {"colTitoli", "Titoli"},
        {"colCaniOra", "CaniOra"},       {"colCaniPrima", "CaniPrima"},       {"colQuestioni", "Questioni"},
        {"colNote", "Note"},
    };
    ASSERT_EQ(window->columnCount(), 26);
    ASSERT_EQ(window->rowCount(), 1);
    EXPECT_EQ(cell(0, "colNum"), "1");
    QByteArrayList exported;
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(window->columnIndex(expected[i].column), i + 1) << expected[i].column;
        EXPECT_EQ(cell(0, expected[i].column), expected[i].text) << expected[i].column;
        exported << expected[i].text;
    }

    const QList<QByteArrayList> rows = tableRows(exportNow());
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[1], exported);
    const QByteArray file = rows[1].join();
    for (const char *hidden : {"27100", "File01", "Desc03", "S\xec"})
        EXPECT_FALSE(file.contains(hidden)) << hidden;
}

TEST_F(OwnerExport, HeaderCellsCarryTheExportTitlesAndWidths)
{
    writeBytes(sp.file(OwnerArchiveName), owner({{"Cliente", "Rossi Mario"}}));
    open();
    const QByteArray file = exportNow();
    const QByteArray header = "<tr><td style=\"text-align: left; font-weight: bold;\" width=250>Cognome e nome</td>";
    EXPECT_EQ(file.mid(file.indexOf("<table x:str>") + 13, header.size()), header);
    const QList<QByteArrayList> rows = tableRows(file);
    ASSERT_EQ(rows.size(), 2);
    ASSERT_EQ(rows[0].size(), 25);
    // Where the export's titles and widths differ from the grid's.
    EXPECT_TRUE(file.contains("width=200>Data di nascita</td>"));
    EXPECT_TRUE(file.contains("width=250>Comune di nascita</td>"));
    EXPECT_TRUE(file.contains("width=250>Modalit\xe0 di pagamento</td>"));
    EXPECT_TRUE(file.contains("width=150>Scadenza</td>"));
    EXPECT_EQ(rows[0].last(), "Note");
}

TEST_F(OwnerExport, MissingProvincesLeaveABlankInTheGridButNotInTheFile)
{
    writeBytes(sp.file(OwnerArchiveName), owner({{"Cliente", "Verdi Anna"}, {"ComuneNasc", "Milano"}}));
    open();
    EXPECT_EQ(cell(0, "colComuneNasc"), "Milano ");
    EXPECT_EQ(cell(0, "colComuneRes"), " ");
    const QList<QByteArrayList> rows = tableRows(exportNow());
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[1][2], "Milano");
    EXPECT_EQ(rows[1][5], "");
}

TEST_F(OwnerExport, RowsFollowTheArchive)
{
    const struct {
        int owners;
        int gridRows;
        int tableRows;
    } cases[] = {{0, 10, 11}, {3, 3, 4}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.owners);
        QByteArray archive;
        for (int i = 1; i <= c.owners; ++i)
            archive += owner({{"Cliente", QStringLiteral("Proprietario %1").arg(i)}});
        writeBytes(sp.file(OwnerArchiveName), archive);
        open();
        ASSERT_EQ(window->rowCount(), c.gridRows);
        for (int r = 0; r < c.gridRows; ++r) {
            EXPECT_EQ(cell(r, "colNum"), c.owners ? QString::number(r + 1) : QString());
            EXPECT_EQ(cell(r, "colCliente"), c.owners ? QStringLiteral("Proprietario %1").arg(r + 1) : QString());
        }
        const QByteArray file = exportNow();
        EXPECT_EQ(file.count("<tr>"), c.tableRows);
        EXPECT_FALSE(file.contains('\r') || file.contains('\n'));
        const QList<QByteArrayList> rows = tableRows(file);
        for (int r = 1; r < rows.size(); ++r) {
            ASSERT_EQ(rows[r].size(), 25);
            EXPECT_EQ(rows[r][0], c.owners ? QByteArray("Proprietario ") + QByteArray::number(r) : QByteArray());
        }
        if (!c.owners) {
            EXPECT_EQ(file.count(BodyCell + "</td>"), 250);
        }
    }
}

TEST_F(OwnerExport, UnreadableArchiveKeepsTheEarlierFileAndReportsNoSuccess)
{
    writeBytes(sp.file(OwnerArchiveName), owner({{"Cliente", "Rossi Mario"}}));
    open();
    const QByteArray earlier = exportNow();
    ASSERT_TRUE(earlier.contains("Rossi Mario"));
    window.reset();

    // The archive cannot be opened now: a folder stands in its place.
    ASSERT_TRUE(QFile::remove(sp.file(OwnerArchiveName)));
    ASSERT_TRUE(QDir().mkdir(sp.file(OwnerArchiveName)));
    sp.clear();
    open();
    EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
    EXPECT_EQ(sp.callsOf("plain").size(), 1u);

    sp.clear();
    EXPECT_EQ(exportNow(), earlier);
    EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
    EXPECT_TRUE(sp.callsOf("question").empty());
    EXPECT_TRUE(sp.callsOf("document").empty());
}

TEST_F(OwnerExport, HelpShowsItsTitleAndThreeParagraphs)
{
    open();
    const ShownHelp help = ClickForHelp(sp, window->cmdGuida);
    ASSERT_TRUE(help.shown);
    EXPECT_EQ(help.owner, window.get());
    EXPECT_EQ(help.title, "Esportazione archivio proprietari in Microsoft Excel.");
    const QStringList paragraphs = help.paragraphs();
    ASSERT_EQ(paragraphs.size(), 3) << help.text.toStdString();
    for (const QString &p : paragraphs)
        EXPECT_FALSE(p.isEmpty());
    EXPECT_TRUE(paragraphs[0].contains("proprietari"));
}

TEST(OwnerCardExport, OpensTheExportOwnedByTheCardAndDestroysItAfter)
{
    ScriptedPlatform sp;
    writeBytes(sp.file(OwnerArchiveName), owner({{"Cliente", "Neri Luca"}, {"Note", "peso < 5 kg"}}));
    TfrmClienti card;
    card.show();
    ASSERT_TRUE(WaitActive(&card));
    QPointer<QWidget> shown;
    sp.onModal = [&](QWidget *w) {
        shown = w;
        auto *exp = qobject_cast<TfrmExpClienti *>(w);
        ASSERT_NE(exp, nullptr);
        EXPECT_EQ(exp->parentWidget(), &card);
        EXPECT_EQ(exp->windowTitle(), " Esporta archivio proprietari in Microsoft Excel");
        EXPECT_EQ(exp->size(), QSize(862, 560));
        sp.yesNoAnswers = {true, true};
        QTest::mouseClick(exp->cmdEsporta, Qt::LeftButton);
    };
    QTest::mouseClick(card.cmdEsporta, Qt::LeftButton);
    EXPECT_EQ(sp.callsOf("modal").size(), 1u);
    EXPECT_TRUE(shown.isNull());
    const QByteArray file = readBytes(sp.file("Proprietari.xls"));
    EXPECT_TRUE(file.contains(BodyCell + "Neri Luca</td>"));
    EXPECT_TRUE(file.contains(BodyCell + "peso &lt; 5 kg</td>"));
    ASSERT_EQ(sp.callsOf("document").size(), 1u);
    EXPECT_EQ(sp.callsOf("document")[0].text, '"' + sp.folder() + "Proprietari.xls\"");
}

} // namespace
