#include "animals/AnimalRecord.h"
#include "animals/ExpCani.h"
#include "common/Messages.h"
#include "common/Record.h"
#include "common/ui/Widgets.h"
#include "tests/support/ExcelFiles.h"
#include "tests/support/ExportGrid.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/ShownHelp.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The grid's columns after "N." with the header cells they become in the file.
const struct {
    const char *column;
    const char *field;
    const char *header;
    int width;
    bool readOnly;
    const char *exportTitle;
    int exportWidth;
} Columns[] = {
    {"colNome", "Nome", "Nome", 250, true, "Nome", 250},
    {"colSesso", "Sesso", "Sesso", 80, true, "Sesso", 100},
    {"colDataNasc", "DataNasc", "Data nascita", 150, true, "Data nascita", 200},
    {"colGruppo", "Gruppo", "Specie", 250, true, "Specie", 250},
    {"colRazza", "Razza", "Razza", 250, true, "Razza", 250},
    {"colMantello", "Mantello", "Colore mantello", 250, false, "Colore mantello", 250},
    {"colSegni", "Segni", "Segni particolari", 250, true, "Segni particolari", 250},
    {"colSterilizzato", "Sterilizzato", "Sterilizzato", 150, true, "Sterilizzato", 250},
    {"colLibretto", "Libretto", "Libretto sanitario", 250, true, "Libretto sanitario", 250},
    {"colMedico", "Medico", "Medico veterinario", 250, true, "Medico veterinario", 250},
    {"colROI", "ROI", "Numero ROI", 200, true, "Numero ROI", 250},
    {"colMicrochip", "Microchip", "Codice microchip", 200, true, "Codice microchip", 250},
    {"colDataApp", "DataApp", "Data applicazione", 150, true, "Data applicazione", 200},
    {"colLocalizzazione", "Localizzazione", "Localizzazione", 250, false, "Localizzazione", 250},
    {"colTatuaggio", "Tatuaggio", "Tatuaggio", 250, true, "Tatuaggio", 250},
    {"colPedigree", "Pedigree", "Pedigree", 250, false, "Pedigree", 250},
    {"colProprietario", "Proprietario", "Proprietario attuale", 250, false, "Proprietario attuale", 250},
    {"colRecapito", "Recapito", "Telefono preferenziale", 200, false, "Telefono preferenziale", 250},
    {"colCodFisc", "CodFisc", "Codice fiscale", 200, false, "Codice fiscale", 250},
    {"colComuneRes", "ComuneRes", "Comune di residenza", 250, true, "Comune di residenza", 250},
    {"colInizioProp", "InizioProp", "Data inizio propriet\xc3\xa0", 180, false, "Data inizio propriet\xc3\xa0", 200},
    {"colAllevatore", "Allevatore", "Allevatore", 250, true, "Allevatore", 250},
    {"colVaccinazioni", "Vaccinazioni", "Vaccinazioni", 300, true, "Vaccinazioni", 350},
    {"colAlimentazione", "Alimentazione", "Alimentazione", 300, false, "Alimentazione", 350},
    {"colNote", "Note", "Note", 350, false, "Note", 350},
};

QByteArray headerRow() { return ExcelHeaderRow(Columns); }

class AnimalExport : public ::testing::Test {
protected:
    void open()
    {
        window = std::make_unique<TfrmExpCani>();
        window->show();
        ASSERT_TRUE(WaitActive(window.get()));
    }
    QByteArray exportNow()
    {
        sp.yesNoAnswers = {true, false};
        QTest::mouseClick(window->cmdEsporta, Qt::LeftButton);
        return readBytes(sp.file("Anagrafica_Animali.xls"));
    }

    ScriptedPlatform sp;
    std::unique_ptr<TfrmExpCani> window;
};

TEST_F(AnimalExport, GridColumnsInTheirOrder)
{
    open();
    ASSERT_EQ(window->columnCount(), 26);
    EXPECT_EQ(window->windowTitle(), " Esporta archivio anagrafico animali in Microsoft Excel");
    ExpectGridColumns(*window, Columns, 25);
}

TEST_F(AnimalExport, FileOfTwoAnimals)
{
    // The first animal has every field filled with its own name, so that a column reading the
    // wrong field or a hidden field reaching the file shows; the second has only a few.
    Record first(AnimalRecordLayout());
    for (const QString &name : AnimalRecordLayout().names())
        first.setText(name, name);
    first.setText("Sesso", "M");
    first.setText("DataNasc", "01/02/2020");
    first.setText("CodFisc", "RSSMRA80A01H501U");
    first.setText("InizioProp", "03/04/2021");
    first.setText("Mantello", QString::fromUtf8("  Nero & focato <chiaro>  "));
    const QString note = QString(249, QLatin1Char('n')) + QLatin1Char('Z');
    first.setText("Note", note);
    Record second(AnimalRecordLayout());
    second.setText("Nome", QString::fromUtf8("Birba \"la più veloce\""));
    second.setText("Proprietario", "Verdi Anna");
    writeBytes(sp.file(AnimalArchiveName), ArchiveBytes({first, second}));
    open();
    ASSERT_EQ(window->rowCount(), 2);
    EXPECT_EQ(window->cell(1, 0), "2");

    QByteArrayList firstCells;
    for (const auto &c : Columns)
        firstCells << QByteArray(c.field);
    firstCells[1] = "M";
    firstCells[2] = "01/02/2020";
    firstCells[5] = "Nero &amp; focato &lt;chiaro&gt;";
    firstCells[18] = "RSSMRA80A01H501U";
    firstCells[20] = "03/04/2021";
    firstCells[24] = note.toLatin1();
    QByteArrayList secondCells(25);
    secondCells[0] = "Birba &quot;la pi\xf9 veloce&quot;";
    secondCells[16] = "Verdi Anna";

    const QByteArray expected =
        ExcelPrologue("Riepilogo Animali") + headerRow() + ExcelBodyRow(firstCells) + ExcelBodyRow(secondCells) +
        ExcelEpilogue;
    EXPECT_EQ(exportNow(), expected);
    ASSERT_EQ(sp.callsOf("question").size(), 2u);
    EXPECT_TRUE(sp.callsOf("document").empty());
}

TEST_F(AnimalExport, EmptyArchiveGivesTenEmptyRows)
{
    open();
    ASSERT_EQ(window->rowCount(), 10);
    EXPECT_EQ(window->cell(0, 0), "");
    QByteArray rows;
    for (int r = 0; r < 10; ++r)
        rows += ExcelBodyRow(QByteArrayList(25));
    EXPECT_EQ(exportNow(), ExcelPrologue("Riepilogo Animali") + headerRow() + rows + ExcelEpilogue);
}

TEST_F(AnimalExport, UnreadableArchiveWritesNothing)
{
    // A folder stands where the archive should be.
    ASSERT_TRUE(QDir().mkdir(sp.file(AnimalArchiveName)));
    open();
    EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
    sp.clear();
    exportNow();
    EXPECT_FALSE(QFile::exists(sp.file("Anagrafica_Animali.xls")));
    EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
    EXPECT_TRUE(sp.callsOf("question").empty());
}

TEST_F(AnimalExport, HelpShowsItsTitleAndThreeParagraphs)
{
    open();
    const ShownHelp help = ClickForHelp(sp, window->cmdGuida);
    ASSERT_TRUE(help.shown);
    EXPECT_EQ(help.owner, window.get());
    EXPECT_EQ(help.title, "Esportazione archivio anagrafico animali in Microsoft Excel.");
    const QStringList paragraphs = help.paragraphs();
    ASSERT_EQ(paragraphs.size(), 3) << help.text.toStdString();
    for (const QString &p : paragraphs)
        EXPECT_FALSE(p.isEmpty());
    EXPECT_TRUE(paragraphs[0].contains("animali"));
}

} // namespace
