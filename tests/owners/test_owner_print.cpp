#include "common/ui/RecordCard.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ReportPreview.h"
#include "owners/Clienti.h"
#include "owners/OwnerPrint.h"
#include "owners/OwnerRecord.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/PdfFiles.h"
#include "tests/support/ScriptedPlatform.h"

#include <QDir>
#include <qpdf/QPDFObjectHandle.hh>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

const QString PdfQuestion =
    QString::fromUtf8("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il file?");

const QStringList Captions = {
    "Cognome e nome:",       "Data di nascita:",  "Comune di nascita:", "Sesso:",
    "Telefono preferenziale:", "Indirizzo di residenza:", "Comune di residenza:",
    QString::fromUtf8("Modalità pagamento:"), "Tel. casa:", "Tel. ufficio:", "Tel. cellulare:", "Fax:",
    "E-mail:", "Codice fiscale:", "Partita IVA:", "Carta di credito:", "IBAN:", "Estremi documento:",
    "Occupazione:", "Titoli e qualifiche:", "Animali posseduti attualmente:", "Animali posseduti in passato:",
    "Questioni in sospeso:", "Note:"};

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}


// An owner card on screen in its own program folder; nothing is ever saved.
class OwnerPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        card = std::make_unique<TfrmClienti>();
        card->show();
        ASSERT_TRUE(WaitActive(card.get()));
    }

    void set(const std::map<QString, QString> &texts)
    {
        for (const auto &[name, text] : texts) {
            auto *control = card->findChild<QWidget *>(name);
            ASSERT_NE(control, nullptr) << name.toStdString();
            SetControlText(control, text);
        }
    }
    void click(ClickLabel *command) { QTest::mouseClick(command, Qt::LeftButton); }
    QString pdf() const { return sp.file("Proprietario.pdf"); }

    ScriptedPlatform sp;
    std::unique_ptr<TfrmClienti> card;
};

} // namespace

TEST_F(OwnerPrint, FillsTitleTwentyFourTrimmedLinesAndFooter)
{
    struct Case {
        const char *what;
        std::map<QString, QString> texts;
        std::map<int, QString> values;   // expected values by line; the others empty
    };
    const std::vector<Case> cases = {
        {"empty card", {}, {{3, " "}, {7, " "}, {16, "N.   -  Scadenza: "}}},
        {"every field, with blanks around",
         {{"txtCliente", "  Bianchi Lucia "}, {"txtDataNasc", " 01/02/1970"}, {"txtComuneNasc", " Roma "},
          {"txtProvNasc", "RM"}, {"txtSesso", "F "}, {"txtRecapito", "\t333 1234567"},
          {"txtIndirizzoRes", "Via Po 3"}, {"txtComuneRes", "Milano  "}, {"txtProvRes", " MI"},
          {"txtCapRes", "20100"}, {"txtEstremi", "Bonifico"}, {"txtTelCasa", "02 111"}, {"txtTelUff", "02 222"},
          {"txtTelCel", "333 333"}, {"txtFax", "02 444"}, {"txtEmail", "lucia@example.it"},
          {"txtCodFisc", "BNCLCU70B41H501X"}, {"txtPartitaIva", "01234567890"}, {"txtCarta", " 4111 1111 "},
          {"txtScadeCarta", " 12/28 "}, {"txtIban", "IT60X0542811101000000123456"}, {"txtDocumento", "CI AB123"},
          {"txtOccupazione", "Medico"}, {"txtCivile", "Coniugata"}, {"txtTitoli", "Dott.ssa"},
          {"txtCaniOra", "Fido [DATE]"}, {"txtCaniPrima", "Rex"}, {"txtQuestioni", "Nessuna"},
          {"txtNote", " Paga sempre "}},
         {{1, "Bianchi Lucia"}, {2, "01/02/1970"}, {3, "Roma RM"}, {4, "F"}, {5, "333 1234567"},
          {6, "Via Po 3"}, {7, "Milano MI"}, {8, "Bonifico"}, {9, "02 111"}, {10, "02 222"}, {11, "333 333"},
          {12, "02 444"}, {13, "lucia@example.it"}, {14, "BNCLCU70B41H501X"}, {15, "01234567890"},
          {16, "N. 4111 1111  -  Scadenza: 12/28"}, {17, "IT60X0542811101000000123456"}, {18, "CI AB123"},
          {19, "Medico"}, {20, "Dott.ssa"}, {21, "Fido [DATE]"}, {22, "Rex"}, {23, "Nessuna"},
          {24, "Paga sempre"}}},
        {"town without province, expiry without card",
         {{"txtComuneNasc", "Roma"}, {"txtProvRes", "TO"}, {"txtScadeCarta", "01/30"}},
         {{3, "Roma "}, {7, " TO"}, {16, "N.   -  Scadenza: 01/30"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        card->card->clear();
        set(c.texts);

        const PreparedReport report = PrepareOwnerCard(*card);

        ASSERT_EQ(report.pages.size(), 1u);
        EXPECT_EQ(report.texts("txtTitolo"), QStringList{"SCHEDA ANAGRAFICA PROPRIETARIO"});
        for (int i = 1; i <= 24; ++i) {
            const auto value = c.values.find(i);
            EXPECT_EQ(report.texts(CardReportTemplate::captionName(i)), QStringList{Captions[i - 1]}) << i;
            EXPECT_EQ(report.texts(CardReportTemplate::valueName(i)),
                      QStringList{value == c.values.end() ? QString() : value->second})
                << i;
        }
        EXPECT_EQ(report.texts("txtCalce"), QStringList{"Stampa eseguita in data 10/12/2026 alle ore 10:30:15"});
        EXPECT_EQ(report.pdfInfo.title, "Scheda informativa");
    }
    EXPECT_TRUE(sp.calls.empty());
    EXPECT_FALSE(QFileInfo::exists(sp.file(OwnerArchiveName))) << "the printout must not touch the archive";
}

TEST_F(OwnerPrint, PdfIsWrittenThenOfferedForOpening)
{
    const QString target = "\"" + sp.folder() + "Proprietario.pdf\"";
    set({{"txtCliente", "Bianchi Lucia"}});
    sp.yesNoAnswers = {false};
    click(card->cmdPDF);

    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, "question");
    EXPECT_EQ(sp.calls[0].text, PdfQuestion);
    ASSERT_TRUE(readFile(pdf()).startsWith("%PDF"));

    // A second owner replaces the first in the same file, and Yes opens it.
    sp.clear();
    set({{"txtCliente", "Verdi Carlo"}});
    sp.yesNoAnswers = {true};
    click(card->cmdPDF);

    ASSERT_EQ(sp.calls.size(), 2u);
    EXPECT_EQ(sp.calls[0].kind, "question");
    EXPECT_EQ(sp.calls[1].kind, "document");
    EXPECT_EQ(sp.calls[1].text, target);
    EXPECT_FALSE(QFileInfo::exists(sp.file(OwnerArchiveName)));
    const QString words = PdfText(pdf()).simplified();
    if (words.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(words.contains("SCHEDA ANAGRAFICA PROPRIETARIO"));
    EXPECT_TRUE(words.contains("Cognome e nome: Verdi Carlo"));
    EXPECT_FALSE(words.contains("Bianchi"));
    EXPECT_TRUE(words.contains("Stampa eseguita in data 10/12/2026 alle ore 10:30:15"));
}

TEST_F(OwnerPrint, PdfNamesTheMakerAsAuthorAndCreator)
{
    set({{"txtCliente", "Bianchi Lucia"}});
    sp.yesNoAnswers = {false};
    click(card->cmdPDF);

    QPDF document;
    document.setSuppressWarnings(true);
    document.processFile(QFile::encodeName(pdf()).constData());
    QPDFObjectHandle info = document.getTrailer().getKey("/Info");
    ASSERT_TRUE(info.isDictionary());
    EXPECT_EQ(info.getKey("/Author").getUTF8Value(), "Orsanti");
    EXPECT_EQ(info.getKey("/Creator").getUTF8Value(), "Orsanti");
    EXPECT_EQ(info.getKey("/Title").getUTF8Value(), "Scheda informativa");
    EXPECT_EQ(info.getKey("/Subject").getUTF8Value(), "Scheda informativa");
    // Written through a temporary file that is gone once the file is in place.
    EXPECT_EQ(QDir(sp.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Proprietario.pdf"});
}

TEST_F(OwnerPrint, PdfThatCannotBeWrittenShowsTheErrorBoxAndAsksNothing)
{
    {
        QFile old(pdf());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("held by a viewer");
    }
    ReadOnlyFolder readOnly(sp.folder());
    if (!readOnly.ok())
        GTEST_SKIP() << "the program folder cannot be made read-only here";

    click(card->cmdPDF);

    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, "errorbox");
    EXPECT_TRUE(sp.calls[0].text.contains("Proprietario.pdf")) << sp.calls[0].text.toStdString();
    EXPECT_EQ(readFile(pdf()), "held by a viewer");
}

TEST_F(OwnerPrint, CancelledPrintDialogPrintsNothingAndSaysNothing)
{
    sp.printAnswers = {false};
    click(card->cmdStampa);

    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, "print");
    EXPECT_EQ(QDir(sp.folder()).entryList(QDir::Files), QStringList{});
}

TEST_F(OwnerPrint, PreviewShowsTheOnePageAndPrintsFromThere)
{
    set({{"txtCliente", "Bianchi Lucia"}});
    sp.printAnswers = {false};
    int pages = -1;
    sp.onModal = [&](QWidget *w) {
        auto *preview = qobject_cast<ReportPreview *>(w);
        ASSERT_NE(preview, nullptr);
        pages = preview->preview->pageCount();
        EXPECT_DOUBLE_EQ(preview->preview->zoomFactor(), 1.0);
        preview->actStampa->trigger();
        preview->actChiudi->trigger();
    };

    click(card->cmdAnteprima);

    EXPECT_EQ(pages, 1);
    ASSERT_EQ(sp.calls.size(), 2u);
    EXPECT_EQ(sp.calls[0].kind, "modal");
    EXPECT_EQ(sp.calls[1].kind, "print");
    EXPECT_EQ(card->txtCliente->text(), "Bianchi Lucia");
}
