// The certificate export windows: the grid read from the archive and the file written from it.
#include "tests/support/QStringPrinter.h"
#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/CertificateExport.h"
#include "certificates/CertificateRecord.h"
#include "certificates/Certificato_Decesso.h"
#include "certificates/Certificato_Malattia.h"
#include "certificates/ExpAutorizzazioni_Eutanasia.h"
#include "certificates/ExpCertificati_Decesso.h"
#include "certificates/ExpCertificati_Malattia.h"
#include "certificates/ExpCertificati_Sanitari.h"
#include "certificates/ExpConsensi_Interventi.h"
#include "common/Record.h"
#include "common/ui/Widgets.h"
#include "tests/support/ExcelFiles.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/ShownHelp.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct Column {
    const char *column;
    const char *field;
    int width;
    const char *title;
    int exportWidth;
};

// An export window of one type: its window, file, sheet, help and columns after "N.".
struct ExportCase {
    const CertificateType &(*type)();
    const char *windowClass;
    const char *caption;
    const char *file;
    const char *sheet;
    const char *helpTitle;
    const char *helpWord;  // what the first help paragraph names
    std::vector<Column> columns;
    std::vector<const char *> readOnly;
};

const std::vector<ExportCase> &cases()
{
    static const std::vector<ExportCase> all = {
        {HealthCertificateType,
         "TfrmExpCertificati_Sanitari",
         " Esporta archivio certificati sanitari in Microsoft Excel",
         "Certificati_Sanitari.xls",
         "Certificati Sanitari",
         "Esportazione archivio certificati sanitari in Microsoft Excel.",
         "certificati sanitari",
         {
             {"colNumTest", "Num", 180, "Certificato n.", 200},
             {"colData", "Data", 150, "Data emissione", 200},
             {"colLuogo", "Luogo", 250, "Luogo", 250},
             {"colVeterinario", "Veterinario", 250, "Veterinario", 250},
             {"colProprietario", "Proprietario", 250, "Proprietario dell'animale", 250},
             {"colSesso", "Sesso", 80, "Sesso", 100},
             {"colDataNasc", "DataNasc", 180, "Data di nascita", 180},
             {"colCodFisc", "CodFisc", 180, "Codice fiscale", 200},
             {"colComuneNasc", "ComuneNasc", 250, "Comune di nascita", 250},
             {"colIndirizzoRes", "IndirizzoRes", 250, "Indirizzo e numero civico", 300},
             {"colCap", "CapRes", 150, "CAP", 200},
             {"colComuneRes", "ComuneRes", 250, "Comune di residenza", 250},
             {"colProvRes", "ProvRes", 150, "Prov.", 200},
             {"colRecapito", "Recapito", 250, "Tel. preferenziale", 250},
             {"colNomeAni", "NomeAni", 250, "Nome dell'animale", 250},
             {"colSessoAni", "SessoAni", 80, "Sesso", 100},
             {"colDataNascAni", "DataNascAni", 150, "Data di nascita", 200},
             {"colSpecie", "Specie", 250, "Specie", 250},
             {"colRazza", "Razza", 250, "Razza", 250},
             {"colTaglia", "Taglia", 200, "Taglia", 250},
             {"colPelo", "Pelo", 200, "Pelo", 250},
             {"colMantello", "Mantello", 200, "Colore mantello", 250},
             {"colMicrochip", "Microchip", 200, "Codice microchip", 250},
             {"colTatuaggio", "Tatuaggio", 250, "Tatuaggio", 250},
             {"colSegni", "Segni", 300, "Segni particolari", 300},
         },
         {"colNumTest", "colData"}},
        // The consents leave out the place and the owner's sex, and add the procedure and treatments.
        {SurgeryConsentType,
         "TfrmExpConsensi_Interventi",
         " Esporta archivio consensi a interventi chirurgici in Microsoft Excel",
         "Consensi_Interventi.xls",
         "Consensi a interventi",
         "Esportazione archivio consensi a interventi chirurgici in Microsoft Excel.",
         "consensi a interventi chirurgici",
         {
             {"colNumTest", "Num", 180, "Consenso n.", 200},
             {"colData", "Data", 150, "Data emissione", 200},
             {"colVeterinario", "Veterinario", 250, "Veterinario", 250},
             {"colProprietario", "Proprietario", 250, "Proprietario dell'animale", 250},
             {"colDataNasc", "DataNasc", 180, "Data di nascita", 180},
             {"colCodFisc", "CodFisc", 180, "Codice fiscale", 200},
             {"colComuneNasc", "ComuneNasc", 250, "Comune di nascita", 250},
             {"colIndirizzoRes", "IndirizzoRes", 250, "Indirizzo e numero civico", 300},
             {"colCap", "CapRes", 150, "CAP", 200},
             {"colComuneRes", "ComuneRes", 250, "Comune di residenza", 250},
             {"colProvRes", "ProvRes", 150, "Prov.", 200},
             {"colRecapito", "Recapito", 250, "Tel. preferenziale", 250},
             {"colNomeAni", "NomeAni", 250, "Nome dell'animale", 250},
             {"colSessoAni", "SessoAni", 80, "Sesso", 100},
             {"colDataNascAni", "DataNascAni", 150, "Data di nascita", 200},
             {"colSpecie", "Specie", 250, "Specie", 250},
             {"colRazza", "Razza", 250, "Razza", 250},
             {"colTaglia", "Taglia", 200, "Taglia", 250},
             {"colPelo", "Pelo", 200, "Pelo", 250},
             {"colMantello", "Mantello", 200, "Colore mantello", 250},
             {"colMicrochip", "Microchip", 200, "Codice microchip", 250},
             {"colTatuaggio", "Tatuaggio", 250, "Tatuaggio", 250},
             {"colSegni", "Segni", 300, "Segni particolari", 300},
             {"colIntervento", "Intervento", 300, "Intervento chirurgico", 300},
             {"colTrattamenti", "Trattamenti", 300, "Ulteriori trattamenti", 300},
         },
         {"colData"}},
        {VaccinationCertificateType,
         "TfrmExpCertificati_Vaccinazione",
         " Esporta archivio certificati di vaccinazione in Microsoft Excel",
         "Certificati_Vaccinazione.xls",
         "Certificati Vaccinazione",
         "Esportazione archivio certificati di vaccinazione in Microsoft Excel.",
         "certificati di vaccinazione",
         {
             {"colNumTest", "Num", 180, "Certificato n.", 200},
             {"colData", "Data", 150, "Data emissione", 200},
             {"colProprietario", "Proprietario", 250, "Proprietario dell'animale", 250},
             {"colDataNasc", "DataNasc", 180, "Data di nascita", 180},
             {"colCodFisc", "CodFisc", 180, "Codice fiscale", 200},
             {"colComuneNasc", "ComuneNasc", 250, "Comune di nascita", 250},
             {"colIndirizzoRes", "IndirizzoRes", 250, "Indirizzo e numero civico", 300},
             {"colCap", "CapRes", 150, "CAP", 200},
             {"colComuneRes", "ComuneRes ProvRes", 250, "Comune di residenza", 250},
             {"colRecapito", "Recapito", 250, "Tel. preferenziale", 250},
             {"colNomeAni", "NomeAni", 250, "Nome dell'animale", 250},
             {"colSessoAni", "SessoAni", 80, "Sesso", 100},
             {"colDataNascAni", "DataNascAni", 150, "Data di nascita", 200},
             {"colSpecie", "Specie", 250, "Specie", 250},
             {"colRazza", "Razza", 250, "Razza", 250},
             {"colTaglia", "Taglia", 200, "Taglia", 250},
             {"colPelo", "Pelo", 200, "Pelo", 250},
             {"colMantello", "Mantello", 200, "Colore mantello", 250},
             {"colMicrochip", "Microchip", 200, "Codice microchip", 250},
             {"colTatuaggio", "Tatuaggio", 250, "Tatuaggio", 250},
             {"colSegni", "Segni", 300, "Segni particolari", 300},
             {"colDataSom", "DataSom", 180, "Data somministrazione", 200},
             {"colDenominazione", "Denominazione", 250, "Denominazione vaccino", 250},
             {"colSerie", "Serie", 250, "Serie e numero", 250},
             {"colScadeMed", "ScadeMed", 180, "Scadenza medicinale", 200},
         },
         {"colNumTest", "colData"}},
        {MovementCertificateType,
         "TfrmExpCertificati_Movimento",
         " Esporta archivio certificati di movimento in Microsoft Excel",
         "Certificati_Movimento.xls",
         "Certificati Movimento",
         "Esportazione archivio certificati di movimento in Microsoft Excel.",
         "certificati di movimento",
         {
             {"colNumTest", "Num", 180, "Certificato n.", 200},
             {"colData", "Data", 150, "Data emissione", 200},
             {"colLuogo", "Luogo", 250, "Luogo", 250},
             {"colVeterinario", "Veterinario", 250, "Veterinario", 300},
             {"colNomeAni", "NomeAni", 300, "Identificazione dell'animale", 350},
             {"colSessoAni", "SessoAni", 180, "Sesso dell'animale", 250},
             {"colDataNascAni", "DataNascAni", 150, "Data di nascita", 200},
             {"colSpecie", "Specie", 250, "Specie", 250},
             {"colCites", "Cites", 250, "Certificato Cites n.", 250},
             {"colProprietario", "Proprietario", 300, "Proprietario dell'animale", 350},
             {"colOrigine", "Origine", 300, "Indirizzo origine", 350},
             {"colDestinazione", "Destinazione", 300, "Indirizzo destinazione", 350},
         },
         {"colNumTest", "colData"}},
        // The clinical certificates: the health columns less a few, with their own at the end.
        {EuthanasiaAuthorizationType,
         "TfrmExpAutorizzazioni_Eutanasia",
         " Esporta archivio autorizzazioni all'eutanasia in Microsoft Excel",
         "Autorizzazioni_Eutanasia.xls",
         "Autorizzazioni Eutanasia",
         "Esportazione archivio autorizzazioni all'eutanasia in Microsoft Excel.",
         "delle autorizzazioni all'eutanasia",
         {
             {"colNumTest", "Num", 180, "Autorizzazione n.", 200},
             {"colData", "Data", 150, "Data emissione", 200},
             {"colVeterinario", "Veterinario", 250, "Veterinario", 250},
             {"colProprietario", "Proprietario", 250, "Proprietario dell'animale", 250},
             {"colSesso", "Sesso", 80, "Sesso", 100},
             {"colDataNasc", "DataNasc", 180, "Data di nascita", 180},
             {"colCodFisc", "CodFisc", 180, "Codice fiscale", 200},
             {"colComuneNasc", "ComuneNasc", 250, "Comune di nascita", 250},
             {"colIndirizzoRes", "IndirizzoRes", 250, "Indirizzo e numero civico", 300},
             {"colCap", "CapRes", 150, "CAP", 200},
             {"colComuneRes", "ComuneRes", 250, "Comune di residenza", 250},
             {"colProvRes", "ProvRes", 150, "Prov.", 200},
             {"colRecapito", "Recapito", 250, "Tel. preferenziale", 250},
             {"colNomeAni", "NomeAni", 250, "Nome dell'animale", 250},
             {"colSessoAni", "SessoAni", 80, "Sesso", 100},
             {"colDataNascAni", "DataNascAni", 150, "Data di nascita", 200},
             {"colSpecie", "Specie", 250, "Specie", 250},
             {"colRazza", "Razza", 250, "Razza", 250},
             {"colTaglia", "Taglia", 200, "Taglia", 250},
             {"colPelo", "Pelo", 200, "Pelo", 250},
             {"colMantello", "Mantello", 200, "Colore mantello", 250},
             {"colMicrochip", "Microchip", 200, "Codice microchip", 250},
             {"colTatuaggio", "Tatuaggio", 250, "Tatuaggio", 250},
             {"colSegni", "Segni", 300, "Segni particolari", 300},
             {"colSmaltimento", "Smaltimento", 300, "Smaltimento salma animale", 300},
         },
         {"colNumTest", "colData"}},
        {DeathCertificateType,
         "TfrmExpCertificati_Decesso",
         " Esporta archivio certificati di decesso in Microsoft Excel",
         "Certificati_Decesso.xls",
         "Certificati Decesso",
         "Esportazione archivio certificati di decesso in Microsoft Excel.",
         "dei certificati di decesso",
         {
             {"colNumTest", "Num", 180, "Certificato n.", 200},
             {"colData", "Data", 150, "Data emissione", 200},
             {"colVeterinario", "Veterinario", 250, "Veterinario", 250},
             {"colProprietario", "Proprietario", 250, "Proprietario dell'animale", 250},
             {"colDataNasc", "DataNasc", 180, "Data di nascita", 180},
             {"colCodFisc", "CodFisc", 180, "Codice fiscale", 200},
             {"colComuneNasc", "ComuneNasc", 250, "Comune di nascita", 250},
             {"colIndirizzoRes", "IndirizzoRes", 250, "Indirizzo e numero civico", 300},
             {"colCap", "CapRes", 150, "CAP", 200},
             {"colComuneRes", "ComuneRes", 250, "Comune di residenza", 250},
             {"colProvRes", "ProvRes", 150, "Prov.", 200},
             {"colRecapito", "Recapito", 250, "Tel. preferenziale", 250},
             {"colNomeAni", "NomeAni", 250, "Nome dell'animale", 250},
             {"colSessoAni", "SessoAni", 80, "Sesso", 100},
             {"colDataNascAni", "DataNascAni", 150, "Data di nascita", 200},
             {"colSpecie", "Specie", 250, "Specie", 250},
             {"colRazza", "Razza", 250, "Razza", 250},
             {"colTaglia", "Taglia", 200, "Taglia", 250},
             {"colPelo", "Pelo", 200, "Pelo", 250},
             {"colMantello", "Mantello", 200, "Colore mantello", 250},
             {"colMicrochip", "Microchip", 200, "Codice microchip", 250},
             {"colTatuaggio", "Tatuaggio", 250, "Tatuaggio", 250},
             {"colSegni", "Segni", 300, "Segni particolari", 300},
             {"colDataDecesso", "DataDecesso", 150, "Data decesso", 180},
             {"colCausaDecesso", "CausaDecesso", 300, "Causa decesso", 300},
         },
         {"colNumTest", "colData"}},
        {SicknessCertificateType,
         "TfrmExpCertificati_Malattia",
         " Esporta archivio certificati di malattia in Microsoft Excel",
         "Certificati_Malattia.xls",
         "Certificati Malattia",
         "Esportazione archivio certificati di malattia in Microsoft Excel.",
         "dei certificati di malattia",
         {
             {"colNumTest", "Num", 180, "Certificato n.", 200},
             {"colData", "Data", 150, "Data emissione", 200},
             {"colLuogo", "Luogo", 250, "Luogo", 250},
             {"colVeterinario", "Veterinario", 250, "Veterinario", 250},
             {"colProprietario", "Proprietario", 250, "Proprietario dell'animale", 250},
             {"colDataNasc", "DataNasc", 180, "Data di nascita", 180},
             {"colCodFisc", "CodFisc", 180, "Codice fiscale", 200},
             {"colComuneNasc", "ComuneNasc", 250, "Comune di nascita", 250},
             {"colIndirizzoRes", "IndirizzoRes", 250, "Indirizzo e numero civico", 300},
             {"colCap", "CapRes", 150, "CAP", 200},
             {"colComuneRes", "ComuneRes", 250, "Comune di residenza", 250},
             {"colProvRes", "ProvRes", 150, "Prov.", 200},
             {"colRecapito", "Recapito", 250, "Tel. preferenziale", 250},
             {"colNomeAni", "NomeAni", 250, "Nome dell'animale", 250},
             {"colSessoAni", "SessoAni", 80, "Sesso", 100},
             {"colDataNascAni", "DataNascAni", 150, "Data di nascita", 200},
             {"colSpecie", "Specie", 250, "Specie", 250},
             {"colRazza", "Razza", 250, "Razza", 250},
             {"colTaglia", "Taglia", 200, "Taglia", 250},
             {"colPelo", "Pelo", 200, "Pelo", 250},
             {"colMantello", "Mantello", 200, "Colore mantello", 250},
             {"colMicrochip", "Microchip", 200, "Codice microchip", 250},
             {"colTatuaggio", "Tatuaggio", 250, "Tatuaggio", 250},
             {"colSegni", "Segni", 300, "Segni particolari", 300},
             {"colDiagnosi", "Diagnosi", 300, "Diagnosi", 300},
         },
         {"colNumTest", "colData"}},
    };
    return all;
}

QByteArray headerRow(const ExportCase &c)
{
    QByteArray row = "<tr>";
    for (const Column &col : c.columns)
        row += ExcelHeaderCell(col.title, col.exportWidth);
    return row + "</tr>";
}

class CertificateExportTest : public ::testing::Test {
protected:
    void open(const ExportCase &c)
    {
        window = std::make_unique<CertificateExportWindow>(c.type(), nullptr);
        window->show();
        ASSERT_TRUE(WaitActive(window.get()));
    }
    QByteArray exportNow(const ExportCase &c)
    {
        sp.yesNoAnswers = {true, false};
        QTest::mouseClick(window->cmdEsporta, Qt::LeftButton);
        return readBytes(sp.file(c.file));
    }

    ScriptedPlatform sp;
    std::unique_ptr<CertificateExportWindow> window;
};

} // namespace

TEST_F(CertificateExportTest, GridColumnsTitlesAndWidthsInTheirOrder)
{
    for (const ExportCase &c : cases()) {
        SCOPED_TRACE(c.windowClass);
        open(c);
        EXPECT_EQ(window->windowTitle(), c.caption);
        const QAbstractItemModel *model = window->grdRecords->model();
        ASSERT_EQ(window->columnCount(), int(c.columns.size()) + 1);
        EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "N.");
        for (size_t i = 0; i < c.columns.size(); ++i) {
            const Column &col = c.columns[i];
            SCOPED_TRACE(col.column);
            const int at = int(i) + 1;
            EXPECT_EQ(window->columnIndex(col.column), at);
            EXPECT_EQ(model->headerData(at, Qt::Horizontal).toString(), QString::fromUtf8(col.title));
            EXPECT_EQ(window->grdRecords->columnWidth(at), col.width);
            const bool readOnly = std::count_if(c.readOnly.begin(), c.readOnly.end(),
                                                [&](const char *name) { return QByteArray(name) == col.column; });
            EXPECT_EQ(bool(model->flags(model->index(0, at)) & Qt::ItemIsEditable), !readOnly);
        }
        EXPECT_FALSE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
    }
}

TEST_F(CertificateExportTest, FileOfTwoCertificatesHoldsTheirFieldsTrimmedInColumnOrder)
{
    for (const ExportCase &c : cases()) {
        SCOPED_TRACE(c.windowClass);
        const CertificateType &type = c.type();
        // Every field of the first holds its own name, so a column reading the wrong field, or the
        // practice header reaching the file, shows.
        Record first(*type.layout);
        for (int i = 0; i < type.layout->fieldCount(); ++i)
            first.setText(i, type.layout->name(i).left(type.layout->capacity(i)));
        first.setText("Proprietario", QString::fromUtf8("  Rossi & Figli <srl>  "));
        const QString marks = type.layout->indexOf("Segni") >= 0 ? "Segni" : "Destinazione";
        first.setText(marks, QString::fromUtf8("macchia \"a stella\" sul petto, è bianca"));
        Record second(*type.layout);
        second.setText("Num", "2");
        second.setText("NomeAni", " Fido ");
        writeBytes(sp.file(type.archiveName), ArchiveBytes({first, second}));
        open(c);
        ASSERT_EQ(window->rowCount(), 2);
        EXPECT_EQ(window->cell(0, 0), "1");
        EXPECT_EQ(window->cell(1, 0), "2");

        QByteArrayList firstCells, secondCells;
        // A joined column holds its fields' trimmed texts with one blank between, trimmed in the file.
        const auto joined = [](const Record &r, const char *fields) {
            QStringList texts;
            for (const QString &f : QString::fromLatin1(fields).split(QLatin1Char(' ')))
                texts << r.text(f);
            return texts.join(QLatin1Char(' ')).trimmed();
        };
        for (const Column &col : c.columns) {
            QByteArray stored = joined(first, col.field).toUtf8();
            if (QByteArray(col.field) == "Proprietario")
                stored = "Rossi &amp; Figli &lt;srl&gt;";
            if (QString::fromLatin1(col.field) == marks)
                stored = "macchia &quot;a stella&quot; sul petto, \xe8 bianca";
            firstCells << stored;
            secondCells << joined(second, col.field).toLatin1();
        }
        const QByteArray expected = ExcelPrologue(c.sheet) + headerRow(c) + ExcelBodyRow(firstCells) +
                                    ExcelBodyRow(secondCells) + ExcelEpilogue;
        EXPECT_EQ(exportNow(c).toStdString(), expected.toStdString());
        for (const char *header : {"Studio", "IntRigo02", "IntRigo03", "IntRigo04"})
            EXPECT_FALSE(expected.contains(QByteArray(">") + header + "<")) << header;
        ASSERT_EQ(sp.callsOf("question").size(), 2u);
        EXPECT_TRUE(sp.callsOf("document").empty());
        sp.clear();
    }
}

TEST_F(CertificateExportTest, VaccinationTownAndProvinceShareACellTrimmedInTheFile)
{
    const ExportCase &c = *std::ranges::find_if(
        cases(), [](const ExportCase &e) { return QByteArray(e.windowClass) == "TfrmExpCertificati_Vaccinazione"; });
    const struct {
        const char *town;
        const char *province;
        const char *grid;
        const char *file;
    } rows[] = {{" Roma ", "RM", "Roma RM", "Roma RM"}, {"Roma", "", "Roma ", "Roma"}, {"", "", " ", ""}};
    std::vector<Record> records;
    for (const auto &r : rows) {
        Record record(VaccinationCertificateLayout());
        record.setText("ComuneRes", r.town);
        record.setText("ProvRes", r.province);
        records.push_back(record);
    }
    writeBytes(sp.file(VaccinationCertificateArchiveName), ArchiveBytes(records));
    open(c);
    const int column = window->columnIndex("colComuneRes");
    const QByteArray file = exportNow(c);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(window->cell(i, column), rows[i].grid);
        QByteArrayList cells;
        for (const Column &col : c.columns)
            cells << (QByteArray(col.column) == "colComuneRes" ? QByteArray(rows[i].file) : QByteArray());
        EXPECT_TRUE(file.contains(ExcelBodyRow(cells)));
    }
}

TEST_F(CertificateExportTest, AMissingArchiveIsCreatedAndGivesTenEmptyRows)
{
    for (const ExportCase &c : cases()) {
        SCOPED_TRACE(c.windowClass);
        QFile::remove(sp.file(c.type().archiveName));
        open(c);
        EXPECT_TRUE(QFile::exists(sp.file(c.type().archiveName)));
        EXPECT_EQ(window->rowCount(), 10);
        QByteArray rows;
        for (int r = 0; r < 10; ++r)
            rows += ExcelBodyRow(QByteArrayList(qsizetype(c.columns.size())));
        EXPECT_EQ(exportNow(c), ExcelPrologue(c.sheet) + headerRow(c) + rows + ExcelEpilogue);
    }
}

TEST_F(CertificateExportTest, TheCardOpensItsOwnWindowAndHelpNamesTheDocuments)
{
    for (const ExportCase &c : cases()) {
        SCOPED_TRACE(c.windowClass);
        QWidget card;
        QPointer<QWidget> shown;
        sp.onModal = [&](QWidget *w) {
            shown = w;
            EXPECT_STREQ(w->metaObject()->className(), c.windowClass);
            EXPECT_EQ(w->parentWidget(), &card);
        };
        c.type().openExport(&card);
        sp.onModal = nullptr;
        EXPECT_EQ(sp.callsOf("modal").size(), 1u);
        EXPECT_TRUE(shown.isNull()) << "the card destroys the window";

        open(c);
        const ShownHelp help = ClickForHelp(sp, window->cmdGuida);
        ASSERT_TRUE(help.shown);
        EXPECT_EQ(help.title, c.helpTitle);
        const QStringList paragraphs = help.paragraphs();
        ASSERT_EQ(paragraphs.size(), 3) << help.text.toStdString();
        EXPECT_TRUE(paragraphs[0].contains(c.helpWord));
        sp.clear();
    }
}
