#include "common/ExcelHtml.h"
#include "common/Errors.h"
#include "common/WholeFileExport.h"
#include "tests/support/ExcelFiles.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QByteArray Tail = ExcelEpilogue;

TEST(ExcelHtml, WholeFileOfASheet)
{
    const ExcelSheet sheet{.name = QStringLiteral("Conti & fatture"),
                           .columns = {{QStringLiteral("Cliente"), 250, false},
                                       {QString::fromUtf8("Importo €"), 120, true}}};
    const QByteArray file =
        ExcelHtmlBytes(sheet, {{QStringLiteral("  Rossi  "), QStringLiteral("10,00")}, {QString(), QString()}});
    EXPECT_EQ(file, ExcelPrologue("Conti &amp; fatture") +
                        "<tr><td style=\"text-align: left; font-weight: bold;\" width=250>Cliente</td>"
                        "<td style=\"text-align: left; font-weight: bold;\" width=120>Importo \x80</td></tr>"
                        "<tr><td style=\"text-align: left;\" sdnum=\"1040;0;@\">Rossi</td>"
                        "<td style=\"text-align: right;\" sdnum=\"1040;0;@\">10,00</td></tr>"
                        "<tr><td style=\"text-align: left;\" sdnum=\"1040;0;@\"></td>"
                        "<td style=\"text-align: right;\" sdnum=\"1040;0;@\"></td></tr>" +
                        Tail);
}

TEST(ExcelHtml, EveryCellTextReachesTheFileAsItIs)
{
    const struct {
        const char *text;  // UTF-8
        QByteArray cell;   // as written, Windows-1252
    } cases[] = {
        {"plain", "plain"},
        {" \t blanks around \r\n", "blanks around"},
        {"a < b & c > \"d\"", "a &lt; b &amp; c &gt; &quot;d&quot;"},
        {"riga 1\r\nriga 2\tfine", "riga 1&#13;&#10;riga 2&#9;fine"},
        {"Città però", "Citt\xe0 per\xf2"},
        {"\xc2\xa0" "spazio fisso", "\xa0spazio fisso"},
        {"1.250,00 € – “Bubi”", "1.250,00 \x80 \x96 \x93" "Bubi\x94"},
        {"Ω e à", "? e \xe0"},
        {"cane \xf0\x9f\x90\x95!", "cane ?!"},
        {"\xc2\x81", "\x81"},
    };
    const ExcelSheet sheet{.name = QStringLiteral("Prova"), .columns = {{QStringLiteral("Testo"), 100, false}}};
    QList<QStringList> rows;
    QByteArray expected;
    for (const auto &c : cases) {
        rows.append(QStringList{QString::fromUtf8(c.text)});
        expected += QByteArray("<tr>") + ExcelLeftCell + c.cell + "</td></tr>";
    }
    const QByteArray file = ExcelHtmlBytes(sheet, rows);
    const qsizetype body = file.indexOf("</tr>") + 5;
    EXPECT_EQ(file.mid(body, file.size() - body - Tail.size()), expected);
    EXPECT_FALSE(file.contains('\r') || file.contains('\n'));
}

TEST(ExcelHtml, LargeSheetComesInPiecesOfAboutAMegabyte)
{
    const ExcelSheet sheet{.name = QStringLiteral("Grande"),
                           .columns = {{QStringLiteral("A"), 100, false}, {QStringLiteral("B"), 100, true}}};
    QList<QStringList> rows;
    for (int i = 0; i < 30000; ++i)
        rows.append({QStringLiteral("Proprietario n. %1 & figli").arg(i), QString::fromUtf8("%1,00 €").arg(i)});
    std::vector<qsizetype> pieces;
    QByteArray joined;
    QByteArray utf8;
    WriteExcelHtml(
        sheet, int(rows.size()),
        [&](int r, int c) {
            utf8 = rows[r][c].toUtf8();
            return ExcelCell{utf8};
        },
        [&](QByteArrayView piece) {
            pieces.push_back(piece.size());
            joined += piece;
        });
    EXPECT_EQ(joined, ExcelHtmlBytes(sheet, rows));
    ASSERT_GT(pieces.size(), 2u);
    for (size_t i = 0; i + 1 < pieces.size(); ++i)
        EXPECT_LT(pieces[i], (1 << 20) + 1000) << i;
}

// ExportWholeFile with a document whose making fails part way, and without a first question.
TEST(WholeFileExport, FailureLeavesTheEarlierFileAndNoTemporaryFile)
{
    ScriptedPlatform sp;
    writeBytes(sp.file("Prova.xls"), "vecchio");
    const auto result = ExportWholeFile({
        .fileName = QStringLiteral("Prova.xls"),
        .write =
            [](const ByteSink &sink) {
                sink(QByteArray(2 << 20, 'x'));
                throw IoError("the grid went away");
            },
        .confirm = {},
        .done = QStringLiteral("Fatto. Aprire?"),
        .failure = QStringLiteral("Non riuscito."),
        .showFailure = ShowErrorBox,
    });
    EXPECT_EQ(result, WholeFileExportResult::Failed);
    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, "errorbox");
    EXPECT_EQ(sp.calls[0].text, "Non riuscito.");
    EXPECT_EQ(readBytes(sp.file("Prova.xls")), "vecchio");
    // No temporary file is left; the failure is traced in the log.
    EXPECT_EQ(QDir(sp.folder()).entryList(QDir::Files | QDir::Hidden), (QStringList{"Prova.xls", "Tavoren.log"}));
}

TEST(WholeFileExport, WithoutAFirstQuestionOnlyTheOpeningIsAsked)
{
    ScriptedPlatform sp;
    sp.yesNoAnswers = {true};
    const auto result = ExportWholeFile({
        .fileName = QStringLiteral("Prova.xls"),
        .write =
            [](const ByteSink &sink) {
                sink("uno ");
                sink("due");
            },
        .confirm = {},
        .done = QStringLiteral("Fatto. Aprire?"),
        .failure = QStringLiteral("Non riuscito."),
    });
    EXPECT_EQ(result, WholeFileExportResult::Opened);
    EXPECT_EQ(sp.messages(), QStringList{"Fatto. Aprire?"});
    EXPECT_EQ(readBytes(sp.file("Prova.xls")), "uno due");
    ASSERT_EQ(sp.callsOf("document").size(), 1u);
    EXPECT_EQ(sp.callsOf("document")[0].text, '"' + sp.folder() + "Prova.xls\"");
}

} // namespace
