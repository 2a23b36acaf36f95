// The certificate search windows, their list line and the hand-back into the card.
#include "tests/support/QStringPrinter.h"
#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/CertificateRecord.h"
#include "certificates/CertificateSearch.h"
#include "certificates/Certificato_Decesso.h"
#include "certificates/Certificato_Malattia.h"
#include "certificates/Certificato_Sanitario.h"
#include "certificates/TrovaCertificati_Malattia.h"
#include "certificates/TrovaCertificati_Sanitari.h"
#include "certificates/TrovaConsensi_Interventi.h"
#include "common/ui/LineList.h"
#include "common/ui/RecordCard.h"
#include "common/ui/Widgets.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ListClicks.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

struct TypeCase {
    const CertificateType &(*type)();
    const char *windowClass;
    const char *caption;
    const char *printTitle;
    const char *numberCaption;  // the first criterion's
};

// The types whose search windows are built; the next types extend this table.
const TypeCase Types[] = {
    {HealthCertificateType, "TfrmTrovaCertificati_Sanitari", " Trova certificati sanitari in archivio",
     "Riepilogo certificati sanitari", "Certificato n."},
    {SurgeryConsentType, "TfrmTrovaConsensi_Interventi", " Trova consensi a interventi chirurgici in archivio",
     "Riepilogo consensi a interventi chirurgici", "Consenso n."},
    {SicknessCertificateType, "TfrmTrovaCertificati_Malattia", " Trova certificati di malattia in archivio",
     "Riepilogo certificati di malattia", "Certificato n."},
    {DeathCertificateType, "TfrmTrovaCertificati_Decesso", " Trova certificati di decesso in archivio",
     "Riepilogo certificati di decesso", "Certificato n."},
    {EuthanasiaAuthorizationType, "TfrmTrovaAutorizzazioni_Eutanasia",
     " Trova autorizzazioni all'eutanasia in archivio", "Riepilogo autorizzazioni all'eutanasia", "Autorizzazione n."},
};

Record certificate(const CertificateType &type, const std::map<QString, QString> &fields)
{
    Record r(*type.layout);
    for (const auto &[field, value] : fields)
        r.setText(field, value);
    return r;
}

// A certificate with a text of its own in every field, marked by `mark`.
Record fullCertificate(const CertificateType &type, const QString &mark)
{
    Record r(*type.layout);
    for (int i = 0; i < type.layout->fieldCount(); ++i)
        r.setText(i, (type.layout->name(i) + mark).left(type.layout->capacity(i)));
    return r;
}

// A stand-in for a certificate card: every edit the type declares, and the record number.
class FakeCard : public QWidget {
public:
    explicit FakeCard(const CertificateType &type)
    {
        for (const CertificateBand &band : type.bands)
            for (const CertificateEdit &edit : band.edits)
                MakeNamed<QLineEdit>(this, CertificateEditName(edit));
        lblPosizione = MakeNamed<QLabel>(this, "lblPosizione");
    }
    QString edit(const QString &name) const { return findChild<QLineEdit *>(name)->text(); }
    QLabel *lblPosizione;
};

QWidget *target = nullptr;

class CertificateSearchTest : public ::testing::Test {
protected:
    void TearDown() override { target = nullptr; }
    void writeArchive(const CertificateType &type, const std::vector<Record> &records)
    {
        writeBytes(sp.file(type.archiveName), ArchiveBytes(records));
    }
    // Runs a search with these criteria texts in a new window and returns its lines.
    QStringList search(const CertificateType &type, const std::map<QString, QString> &criteria)
    {
        CertificateSearchWindow window(type, nullptr);
        window.show();
        for (const auto &[edit, text] : criteria)
            window.findChild<QLineEdit *>(edit)->setText(text);
        QTest::mouseClick(window.btnCerca, Qt::LeftButton);
        EXPECT_TRUE(window.panContainer->isVisible());
        QStringList lines;
        for (int i = 0; i < window.lstRecords->count(); ++i)
            lines << window.lstRecords->line(i);
        EXPECT_EQ(window.lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines.size()));
        return lines;
    }

    ScriptedPlatform sp;
};

} // namespace

TEST(CertificateListLine, ColumnsArePaddedOrCutAndTheNameIsWhole)
{
    const CertificateType &type = HealthCertificateType();
    const struct {
        const char *what;
        std::map<QString, QString> fields;
        const char *line;
    } cases[] = {
        {"the usual certificate",
         {{"Num", "12"}, {"Data", "10/12/2026"}, {"Proprietario", "Rossi Mario"}, {"CodFisc", "RSSMRA80A01H501U"},
          {"Recapito", "333 1234567"}, {"Razza", "Meticcio"}, {"NomeAni", "Fido"}, {"Specie", "Cane"},
          {"ComuneRes", "Pavia"}, {"Microchip", "380260000123456"}},
         "Cert. n. 12      Data: 10/12/2026  Rossi Mario                     C.F. RSSMRA80A01H501U  "
         "Tel. 333 1234567       Meticcio              Nome: Fido"},
        {"long values cut, blanks around trimmed, the name whole",
         {{"Num", " 1234567890 "}, {"Proprietario", "Bianchi Maria Antonietta Eleonora"},
          {"Recapito", "0382 123456 int. 42"}, {"Razza", "Pastore tedesco a pelo lungo"},
          {"NomeAni", "  Principessa Margherita di Savoia  "}},
         "Cert. n. 123456  Data:             Bianchi Maria Antonietta Eleon  C.F.                   "
         "Tel. 0382 123456 int.  Pastore tedesco a pe  Nome: Principessa Margherita di Savoia"},
        {"an empty record", {},
         "Cert. n.         Data:                                             C.F.                   "
         "Tel.                                         Nome: "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CertificateListLine(certificate(type, c.fields)), QString::fromUtf8(c.line));
    }
    EXPECT_EQ(CertificateListLine(certificate(type, cases[0].fields)).size(), 145);
}

TEST(CertificateListLine, ConsentLinesBeginWithTheirOwnCaptionAndRebuildFromTheLongerRecord)
{
    const CertificateType &type = SurgeryConsentType();
    Record r = certificate(type, {{"Num", "112"}, {"Data", "03/03/2026"}, {"Proprietario", "Rossi Mario"},
                                  {"CodFisc", "RSSMRA80A01H501U"}, {"Recapito", "333 1234567"},
                                  {"Razza", "Meticcio"}, {"NomeAni", "Fido"}, {"Intervento", "Ovariectomia"},
                                  {"Trattamenti", "Detartrasi"}});
    const QString line = ConsentListLine(r);
    EXPECT_EQ(line, QString::fromUtf8("Cons. n. 112     Data: 03/03/2026  Rossi Mario                     C.F. "
                                      "RSSMRA80A01H501U  Tel. 333 1234567       Meticcio              Nome: Fido"));
    EXPECT_EQ(line.indexOf("Nome: ") + 6, 141);
    EXPECT_EQ(type.search.listLine(r), line);
}

TEST(CertificateListLine, TheAuthorizationLineStartsOneShorterAndEveryColumnMovesLeft)
{
    const Record r = certificate(EuthanasiaAuthorizationType(),
                                 {{"Num", "7"}, {"Data", "10/12/2026"}, {"Proprietario", "Rossi Mario"},
                                  {"CodFisc", "RSSMRA80A01H501U"}, {"Recapito", "333 1234567"},
                                  {"Razza", "Meticcio"}, {"NomeAni", "Fido"}, {"Smaltimento", "cremazione"}});
    const QString line = EuthanasiaAuthorizationType().search.listLine(r);
    EXPECT_EQ(line, "Aut. n. 7       Data: 10/12/2026  Rossi Mario                     C.F. RSSMRA80A01H501U  "
                    "Tel. 333 1234567       Meticcio              Nome: Fido");
    // 1-based positions: the number at 9, the date at 23, the owner at 35, the name at 141.
    EXPECT_EQ(line.indexOf("7") + 1, 9);
    EXPECT_EQ(line.indexOf("10/12") + 1, 23);
    EXPECT_EQ(line.indexOf("Rossi") + 1, 35);
    EXPECT_EQ(line.indexOf("Fido") + 1, 141);
    EXPECT_EQ(CertificateListLine(r).indexOf("Fido") + 1, 142);
}

TEST_F(CertificateSearchTest, TheConsentWindowNamesItsOwnDocuments)
{
    TfrmTrovaConsensi_Interventi window;
    EXPECT_EQ(window.objectName(), "frmTrovaConsensi_Interventi");
    EXPECT_EQ(window.windowTitle(), " Trova consensi a interventi chirurgici in archivio");
    EXPECT_EQ(window.setup().printTitle, "Riepilogo consensi a interventi chirurgici");
    EXPECT_EQ(window.findChild<QLabel *>("lblCampo01")->text(), "Consenso n.");
    EXPECT_EQ(window.criterion(9)->objectName(), "txtMicrochip");

    // The criterion 12 finds 12, 112 and 120; /03/ finds March of any year.
    const CertificateType &type = SurgeryConsentType();
    writeArchive(type, {certificate(type, {{"Num", "12"}, {"Data", "01/03/2025"}}),
                        certificate(type, {{"Num", "112"}, {"Data", "02/04/2026"}}),
                        certificate(type, {{"Num", "7"}, {"Data", "03/03/2026"}}),
                        certificate(type, {{"Num", "120"}, {"Data", "04/05/2026"}})});
    const QStringList twelve = search(type, {{"txtNum", "12"}});
    ASSERT_EQ(twelve.size(), 3);
    EXPECT_TRUE(twelve[1].startsWith("Cons. n. 112 "));
    EXPECT_EQ(search(type, {{"txtData", "/03/"}}).size(), 2);
}

TEST_F(CertificateSearchTest, TheWindowDeclaresItsCriteriaInTheirOrder)
{
    const struct {
        const char *edit;
        const char *caption;
        const char *highlight;
    } criteria[] = {
        {"txtNum", "Certificato n.", "effNum"},
        {"txtData", "Data emissione (gg/mm/aaaa):", "effData"},
        {"txtProprietario", "Proprietario dell'animale:", "effProprietario"},
        {"txtCodFisc", "Codice fiscale:", "effCodFisc"},
        {"txtComuneRes", "Comune di residenza:", "effComuneRes"},
        {"txtRecapito", "Tel. preferenziale:", "effRecapito"},
        {"txtNomeAni", "Nome dell'animale:", "effNomeAni"},
        {"txtSpecie", "Specie:", "effSpecie"},
        {"txtRazza", "Razza:", "effRazza"},
        {"txtMicrochip", "Codice microchip:", "effMicrochip"},
    };
    TfrmTrovaCertificati_Sanitari window;
    EXPECT_EQ(window.objectName(), "frmTrovaCertificati_Sanitari");
    EXPECT_EQ(window.windowTitle(), " Trova certificati sanitari in archivio");
    EXPECT_EQ(window.setup().printTitle, "Riepilogo certificati sanitari");
    EXPECT_FALSE(window.setup().sorted);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(criteria[i].edit);
        EXPECT_EQ(window.criterion(i)->objectName(), criteria[i].edit);
        EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("lblCampo%1").arg(i + 1, 2, 10, QLatin1Char('0')))->text(),
                  criteria[i].caption);
        EXPECT_EQ(window.highlight(i)->objectName(), criteria[i].highlight);
    }

    // It opens on the number; Enter in the last criterion goes back to it.
    window.show();
    ASSERT_TRUE(WaitActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.criterion(0));
    window.criterion(9)->setFocus();
    QTest::keyClick(window.criterion(9), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), window.criterion(0));
}

TEST_F(CertificateSearchTest, EachTypeHasItsCaptionPrintTitleAndTheHealthCriteria)
{
    const CertificateSearch &health = HealthCertificateType().search;
    for (const TypeCase &t : Types) {
        SCOPED_TRACE(t.windowClass);
        CertificateSearchWindow window(t.type(), nullptr);
        EXPECT_EQ(window.windowTitle(), t.caption);
        EXPECT_EQ(window.setup().printTitle, t.printTitle);
        EXPECT_STREQ(t.type().search.criteria[0].caption, t.numberCaption);
        for (int i = 1; i < 10; ++i)
            EXPECT_STREQ(t.type().search.criteria[size_t(i)].caption, health.criteria[size_t(i)].caption);
    }
}

TEST_F(CertificateSearchTest, CriteriaFindTheirFieldsAnywhereInFileOrder)
{
    const CertificateType &type = HealthCertificateType();
    const std::vector<Record> records = {
        certificate(type, {{"Num", "120"}, {"Data", "02/03/2021"}, {"Proprietario", "Zeta Carlo"},
                           {"CodFisc", "ZTECRL70A01F205X"}, {"ComuneRes", "Milano"}, {"Recapito", "02 555"},
                           {"NomeAni", "Rex"}, {"Specie", "Cane"}, {"Razza", "labrador"}, {"Microchip", "380111"}}),
        certificate(type, {{"Num", "7"}, {"Data", "15/04/2021"}, {"Proprietario", "Alfa Lucia"},
                           {"CodFisc", "LFALCU80B41G388Y"}, {"ComuneRes", "Pavia"}, {"Recapito", "0382 12"},
                           {"NomeAni", "Micia"}, {"Specie", "Gatto europeo"}, {"Razza", "Èuropeo"},
                           {"Microchip", "380222"}}),
        certificate(type, {{"Num", "112"}, {"Data", "30/03/2021"}, {"Proprietario", "Rossi Mario"},
                           {"CodFisc", "RSSMRA80A01H501U"}, {"ComuneRes", "Pavia"}, {"Recapito", "333 1"},
                           {"NomeAni", "Fido"}, {"Specie", "Cane"}, {"Razza", "Meticcio"}, {"Microchip", "999"}}),
    };
    writeArchive(type, records);
    const struct {
        const char *what;
        std::map<QString, QString> criteria;
        std::vector<int> listed;  // record numbers, in list order
    } cases[] = {
        {"no criterion lists every record in file order", {}, {1, 2, 3}},
        {"a number anywhere in the field", {{"txtNum", "12"}}, {1, 3}},
        {"a month of a year", {{"txtData", "03/2021"}}, {1, 3}},
        {"letters a-z regardless of case", {{"txtRazza", "LABRA"}}, {1}},
        {"an accented capital does not find its small letter", {{"txtRazza", "èuropeo"}}, {}},
        {"a field that the line does not show", {{"txtComuneRes", "pav"}}, {2, 3}},
        {"species", {{"txtSpecie", "gatto"}}, {2}},
        {"microchip", {{"txtMicrochip", "380"}}, {1, 2}},
        {"owner, tax code, telephone and name", {{"txtProprietario", "rossi"}, {"txtCodFisc", "H501"},
                                                 {"txtRecapito", "333"}, {"txtNomeAni", "fido"}}, {3}},
        {"every criterion must hit", {{"txtComuneRes", "Pavia"}, {"txtSpecie", "Cane"}}, {3}},
        {"a leading blank is searched as typed", {{"txtProprietario", " Carlo"}}, {1}},
        {"a leading blank finds nothing before the first word", {{"txtProprietario", " Zeta"}}, {}},
        {"blank criteria are no criteria", {{"txtNum", "   "}}, {1, 2, 3}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QStringList expected;
        for (int number : c.listed)
            expected << CertificateListLine(records[size_t(number - 1)]);
        EXPECT_EQ(search(type, c.criteria), expected);
    }
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(CertificateSearchTest, AMissingArchiveIsCreatedAndBytesAfterTheLastRecordAreIgnored)
{
    const CertificateType &type = HealthCertificateType();
    EXPECT_EQ(search(type, {{"txtNum", "1"}}), QStringList{});
    EXPECT_TRUE(QFile::exists(sp.file(type.archiveName)));

    const Record only = certificate(type, {{"Num", "1"}, {"NomeAni", "Fido"}});
    writeBytes(sp.file(type.archiveName), only.bytes() + QByteArray(type.layout->recordSize() - 1, '\x05'));
    EXPECT_EQ(search(type, {}), QStringList{CertificateListLine(only)});
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(CertificateSearchTest, ADoubleClickLoadsTheChosenCertificateIntoItsCard)
{
    for (const TypeCase &t : Types) {
        const CertificateType &type = t.type();
        SCOPED_TRACE(t.windowClass);
        // Certificates 1 and 3 give the same line and differ elsewhere.
        const Record first = fullCertificate(type, "1");
        Record third = fullCertificate(type, "3");
        for (const char *shared : {"Num", "Data", "Proprietario", "CodFisc", "Recapito", "Razza", "NomeAni"})
            third.setText(shared, first.text(shared));
        third.setText("Segni", "  con spazi  ");
        const std::vector<Record> records{first, fullCertificate(type, "2"), third};
        writeArchive(type, records);

        FakeCard card(type);
        target = &card;
        RegisterCertificateTarget(type.contextTag, [] { return target; });

        int row = 0;
        QPointer<QWidget> shown;
        sp.onModal = [&](QWidget *w) {
            shown = w;
            auto *search = qobject_cast<CertificateSearchWindow *>(w);
            ASSERT_NE(search, nullptr);
            EXPECT_STREQ(w->metaObject()->className(), t.windowClass);
            EXPECT_EQ(search->parentWidget(), &card);
            EXPECT_EQ(search->contextTag(), type.contextTag);
            QTest::mouseClick(search->btnCerca, Qt::LeftButton);
            ASSERT_EQ(search->lstRecords->count(), 3);
            ASSERT_EQ(search->lstRecords->line(0), search->lstRecords->line(2));
            DoubleClickLine(search, row);
            EXPECT_FALSE(search->isVisible());
        };
        for (int chosen : {0, 1, 2}) {
            SCOPED_TRACE(chosen);
            row = chosen;
            type.openSearch(&card);
            EXPECT_TRUE(shown.isNull()) << "the card destroys the search";
            const Record &r = records[size_t(row)];
            EXPECT_EQ(card.lblPosizione->text(), QString::number(row + 1));
            for (const CertificateBand &band : type.bands)
                for (const CertificateEdit &edit : band.edits)
                    EXPECT_EQ(card.edit(CertificateEditName(edit)), r.text(edit.field).trimmed()) << edit.field;
        }
        EXPECT_EQ(card.edit("txtindirizzoRes"), "IndirizzoRes3");
        EXPECT_EQ(card.edit("txtSegni"), "con spazi");
        sp.onModal = nullptr;
    }
}

TEST_F(CertificateSearchTest, AnotherTagOrAMissingCardTakesNothing)
{
    const CertificateType &type = HealthCertificateType();
    const Record stored = certificate(type, {{"Num", "5"}, {"NomeAni", "Fido"}});
    FakeCard card(type);
    target = &card;
    RegisterCertificateTarget(type.contextTag, [] { return target; });

    const struct {
        const char *tag;
        bool written;
    } cases[] = {
        {"certificato_vaccinazione", false},
        {"", false},
        {"Certificato_Sanitario", false},
        {" certificato_sanitario ", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tag);
        card.findChild<QLineEdit *>("txtNomeAni")->clear();
        card.lblPosizione->clear();
        CertificateHandBack(type, c.tag, stored, 4);
        EXPECT_EQ(card.edit("txtNomeAni"), c.written ? "Fido" : "");
        EXPECT_EQ(card.lblPosizione->text(), c.written ? "4" : "");
    }

    target = nullptr;
    CertificateHandBack(type, type.contextTag, stored, 4);  // no card: nothing happens
    EXPECT_TRUE(sp.calls.empty());
}

TEST_F(CertificateSearchTest, ACardWithRecordMechanicsShowsTheCertificateAsItsNavigationWould)
{
    const CertificateType &type = HealthCertificateType();
    QWidget card;
    for (const QString &field : type.layout->names())
        MakeNamed<QLineEdit>(&card, "txt" + field);
    auto *position = MakeNamed<QLabel>(&card, "lblPosizione");
    QList<int> shown;
    RecordCard records(&card, RecordCardSetup{.archiveFile = [&] { return type.archiveName; },
                                              .layout = type.layout,
                                              .afterShow = [&](int number) { shown << number; }});
    target = &card;
    RegisterCertificateTarget(type.contextTag, [] { return target; });

    const Record stored = fullCertificate(type, "9");
    CertificateHandBack(type, type.contextTag, stored, 12);

    EXPECT_EQ(shown, QList<int>{12});
    EXPECT_EQ(position->text(), "12");
    for (const QString &field : type.layout->names())
        EXPECT_EQ(card.findChild<QLineEdit *>("txt" + field)->text(), stored.text(field)) << field.toStdString();
}

TEST_F(CertificateSearchTest, TheHealthCardFindsACertificateAndShowsItAsItsOwn)
{
    const CertificateType &type = HealthCertificateType();
    const std::vector<Record> records{fullCertificate(type, "1"), fullCertificate(type, "2")};
    writeArchive(type, records);
    TfrmCertificato_Sanitario card;
    card.show();
    ASSERT_TRUE(WaitActive(&card));

    sp.onModal = [&](QWidget *w) {
        auto *search = qobject_cast<TfrmTrovaCertificati_Sanitari *>(w);
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(search->parentWidget(), &card);
        EXPECT_EQ(search->lblMemory->text(), "certificato_sanitario");
        QTest::mouseClick(search->btnCerca, Qt::LeftButton);
        ASSERT_EQ(search->lstRecords->count(), 2);
        DoubleClickLine(search, 1);
    };
    QTest::mouseClick(card.cmdTrova, Qt::LeftButton);
    sp.onModal = nullptr;

    EXPECT_EQ(card.lblPosizione->text(), "2");
    for (const QString &field : type.layout->names())
        EXPECT_EQ(card.edit(field)->text(), records[1].text(field)) << field.toStdString();
    EXPECT_EQ(card.findChild<QLineEdit *>("txtindirizzoRes")->text(), "IndirizzoRes2");
    EXPECT_EQ(sp.callsOf("modal").size(), 1u);
    EXPECT_TRUE(sp.messages().isEmpty());
}
