#include "common/IniFile.h"
#include "common/ui/Widgets.h"
#include "owners/Clienti.h"
#include "owners/OwnerRecord.h"
#include "owners/Privacy.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/UnstorableText.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <variant>
#include <vector>

namespace {

const QString Confirm = QString::fromUtf8(
    "Questa procedura esporterà il modulo per il consenso al trattamento dei dati personali in un documento in "
    "formato RTF.\r\n\r\nSi conferma la creazione del file?");
const QString Created = QString::fromUtf8(
    "Il file del modulo per il trattamento dei dati personali è stato creato con successo.\r\n\r\n"
    "Si vuole aprire il documento?");
const QString ExportFailed = QString::fromUtf8(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il documento non sia già aperto.");
const QString Section = QStringLiteral("Modulo Privacy");

// The 21 fields in screen order.
const char *const FieldNames[] = {
    "txtStudioDent", "txtTelDent",    "txtIvaDent",  "txtCodFiscDent", "txtCittaDent", "txtProvDent",
    "txtIndirizzoDent", "txtCapDent", "txtPaziente", "txtComuneNasc",  "txtProvNasc",  "txtDataNasc",
    "txtCodFisc",    "txtComuneRes",  "txtProvRes",  "txtIndirizzo",   "txtCapRes",    "txtRecapito",
    "txtPrivacy",    "txtData",       "txtLuogo",
};

// The fields kept in the settings, with their keys.
const std::map<QString, QString> SettingKeys = {
    {"txtStudioDent", "Studio Veterinario"}, {"txtTelDent", "Recapiti Studio"},
    {"txtIvaDent", "Partita Iva Studio"},    {"txtCodFiscDent", "Codice Fiscale Studio"},
    {"txtCittaDent", "Comune Sede"},         {"txtProvDent", "Provincia Sede"},
    {"txtIndirizzoDent", "Via Sede"},        {"txtCapDent", "Cap Sede"},
    {"txtPrivacy", "Titolare"},              {"txtLuogo", "Luogo"},
};

using Values = std::map<QString, QString>;

// A practice and a client with accented letters, some typed with blanks around them.
const Values Sample = {
    {"txtStudioDent", "  Clinica Veterinaria San Francesco "},
    {"txtTelDent", "0543 123456 - 333 1234567"},
    {"txtIvaDent", "01234567890"},
    {"txtCodFiscDent", "01234567890"},
    {"txtCittaDent", QString::fromUtf8("Forlì")},
    {"txtProvDent", "FC"},
    {"txtIndirizzoDent", QString::fromUtf8("Via Città di Castello 12")},
    {"txtCapDent", "47121"},
    {"txtPaziente", QString::fromUtf8(" Niccolò Bianchi ")},
    {"txtComuneNasc", "Cesena"},
    {"txtProvNasc", "FC"},
    {"txtDataNasc", "05/03/1970"},
    {"txtCodFisc", "BNCNCC70C05C573X"},
    {"txtComuneRes", "Sant'Agata Feltria"},
    {"txtProvRes", "RN"},
    {"txtIndirizzo", "Piazza Garibaldi 3"},
    {"txtCapRes", "47866"},
    {"txtRecapito", "333 7654321"},
    {"txtPrivacy", QString::fromUtf8("Andrea Mazzà")},
    {"txtData", "10/12/2026"},
    {"txtLuogo", QString::fromUtf8("Forlì")},
};

QString fieldText(QWidget *w)
{
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    return static_cast<QLineEdit *>(w)->text();
}

void setFieldText(QWidget *w, const QString &text)
{
    if (auto *c = qobject_cast<QComboBox *>(w))
        c->setEditText(text);
    else
        static_cast<QLineEdit *>(w)->setText(text);
}

// The document as it must be laid out: fixed texts, values, and the openings of the paragraphs
// whose wording is free. A free paragraph runs up to the next fixed text; `high` lists the bytes
// above 127 it may hold (elsewhere accented letters of the fixed text are escapes).
struct Free {
    QByteArray opening;
    QByteArray high;
};
using Fragment = std::variant<QByteArray, Free>;

std::vector<Fragment> expectedDocument(const Values &v)
{
    // A value as it is written: trimmed, in Windows-1252 (the sample holds only Latin-1 letters).
    auto val = [&v](const char *field) { return v.at(field).trimmed().toLatin1(); };
    const QByteArray par = R"(\par)";
    std::vector<Fragment> d;
    auto add = [&d](const QByteArray &b) { d.emplace_back(b); };
    auto free = [&d](const char *opening, const char *high = "") { d.emplace_back(Free{opening, high}); };

    add(R"({\rtf1\ansi\ansicpg1252\deff0\deflang1040{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fnil Verdana;}})");
    add(R"({\colortbl ;\red0\green0\blue0;})");
    add(R"(\viewkind4\uc1\pard\qc\b\f0\fs40 Consenso al trattamento dei dati personali e sensibili)");
    add(R"(\par \b0\fs28 (Informativa ai sensi del Regolamento UE 2016/679))");
    add(R"(\par )" + QByteArray(54, '_'));
    add(par);
    add(R"(\par \pard\qj\fs24 Ai sensi del Regolamento UE 2016/679 (Regolamento Generale sulla Protezione dei Dati - General Data Protection Regulation - GDPR), il presente Studio Veterinario \b )"
        + val("txtStudioDent") + R"(\b0 , con)" + R"( sede a \b )" + val("txtCittaDent") + R"(\b0  (\b )"
        + val("txtProvDent") + R"(\b0 ), CAP: \b )" + val("txtCapDent") + R"(\b0 , in \b )" + val("txtIndirizzoDent")
        + R"(\b0 , codice fiscale: \b )" + val("txtCodFiscDent") + R"(\b0 , partita)" + R"( IVA: \b )"
        + val("txtIvaDent") + R"(\b0 , recapiti telefonici: \b )" + val("txtTelDent")
        + R"(\b0 , informa che i dati anagrafici e sanitari qualificati come personali dalla legge (ivi compresi dati personali inerenti allo stato di salute,)"
        + R"( alla vita sessuale e all'origine razziale ed etnica), ad esso forniti dal Cliente Sig. \b )"
        + val("txtPaziente") + R"(\b0 , nato a \b )" + val("txtComuneNasc") + R"(\b0  (\b )" + val("txtProvNasc")
        + R"(\b0 ) il \b )" + val("txtDataNasc") + R"(\b0 , residente)" + R"( a \b )" + val("txtComuneRes")
        + R"(\b0  (\b )" + val("txtProvRes") + R"(\b0 ), CAP: \b )" + val("txtCapRes") + R"(\b0  in \b )"
        + val("txtIndirizzo") + R"(\b0 , codice)" + R"( fiscale: \b )" + val("txtCodFisc")
        + R"(\b0 , recapito telefonico: \b )" + val("txtRecapito") + R"(\b0 , saranno trattati come di seguito descritto:)");
    add(par);
    add(R"(\par \b 1. Finalit\'e0 e modalit\'e0 del trattamento cui sono destinati i dati.)");
    free(R"(\par \b0 I dati vengono trattati in relazione alle esigenze contrattuali)");
    add(par);
    add(R"(\par \b 2. Natura obbligatoria o facoltativa del conferimento e conseguenze al rifiuto del consenso.)");
    free(R"(\par \b0 Il conferimento dei dati \'e8 obbligatorio)");
    add(par);
    add(R"(\par \b 3. Soggetti che possono venire a conoscenza dei dati.)");
    free(R"(\par \b0 I soggetti o le categorie di soggetti ai quali i dati personali)");
    add(par);
    add(R"(\par \b 4. Diritti degli interessati.)");
    free(R"(\par \b0 Relativamente ai propri dati, gli interessati possono esercitare i diritti)");
    add(par);
    add(R"(\par \b 5. Titolare del trattamento dati.)");
    add(R"(\par \b0 Titolare del trattamento dei dati, nonch)" "\xE9" R"( Responsabile del trattamento e Responsabile protezione dati (RPD) o Data Protection Officer (DPO) )" "\xE8"
        R"( lo Studio Veterinario, rappresentato dal Dott. \b )" + val("txtPrivacy")
        + R"(\b0 , domiciliato per la carica nella sede dello stesso Studio.)");
    add(par);
    add(R"(\par \pard\qc\b Consenso dell'interessato)");
    free(R"(\par \pard\qj\b0 Preso atto dell'informativa ricevuta ai sensi del Regolamento UE 2016/679)");
    add(par);
    add(R"(\par \pard\qc\b Diritto di accesso ai dati personali ed altri diritti)");
    free(R"(\par \pard\qj 1.\b0  Il Cliente ha diritto di ottenere la conferma)");
    free(R"(\par \b 2.\b0  Il Cliente ha diritto di ottenere l'indicazione:)");
    free(R"(\par \b 3.\b0  Il Cliente ha diritto di ottenere:)", "\xE0");
    free(R"(\par \b 4.\b0  Il Cliente ha diritto di opporsi, in tutto o in parte:)", "\xE0\xEC\x92");
    add(par);
    add(R"(\par \pard\qc\b DICHIARAZIONE DEL CLIENTE)");
    add(par);
    add(R"(\par \pard\qj\b0 Io sottoscritto \b )" + val("txtPaziente") + R"(\b0 , nato a \b )" + val("txtComuneNasc")
        + R"(\b0  (\b )" + val("txtProvNasc") + R"(\b0 ) il)" + R"( \b )" + val("txtDataNasc")
        + R"(\b0 , residente a \b )" + val("txtComuneRes") + R"(\b0  (\b )" + val("txtProvRes")
        + R"(\b0 ), CAP: \b )" + val("txtCapRes") + R"(\b0  in \b )" + val("txtIndirizzo") + R"(\b0 , codice)"
        + R"( fiscale: \b )" + val("txtCodFisc")
        + R"(\b0 , esprimo il mio libero consenso al trattamento dei dati personali e particolari. A tal fine dichiaro di essere stato informato su:)");
    free(R"(\par \b 1)\b0  le finalit\'e0 e le modalit\'e0 del trattamento)");
    free(R"(\par \b 2)\b0  i soggetti o le categorie di soggetti)");
    free(R"(\par \b 3)\b0  il diritto di accesso ai dati personali)");
    free(R"(\par \b 4)\b0  il nome del medico veterinario)");
    free(R"(\par \b 5)\b0  la necessit\'e0 di fornire i dati richiesti)");
    add(R"(\par Con la presente, esprimo il mio consenso al trattamento dei dati personali e sensibili al Dottor \b )"
        + val("txtPrivacy") + R"(\b0  esclusivamente per le attivit\'e0 di prevenzione,)"
        + R"( diagnosi, cura e riabilitazione svolte a tutela della salute degli animali di mia propriet\'e0 e di me medesimo.)");
    add(par);
    add(R"(\par \b )" + val("txtLuogo") + R"(\b0 , \b )" + val("txtData") + R"(\b0 .)");
    add(par);
    add(R"(\par \pard\qr\b Firma del Cliente per accettazione)");
    add(par);
    add(R"(\par )" + QByteArray(31, '_'));
    add(R"(\par \b0)");
    add(R"(\par \pard\cf1\b\f1)");
    add(R"(\par })");
    return d;
}

// Checks the document against the expected fragments; fixed texts that follow each other are one run.
void expectDocument(const QByteArray &doc, const std::vector<Fragment> &fragments)
{
    qsizetype pos = 0;
    const Free *open = nullptr;  // the free paragraph being read, if any
    auto closeFree = [&](qsizetype end) {
        for (qsizetype i = pos; i < end; ++i) {
            const char c = doc[i];
            if (static_cast<unsigned char>(c) >= 0x80) {
                EXPECT_TRUE(open->high.contains(c)) << "byte " << int(static_cast<unsigned char>(c)) << " in the paragraph "
                                                   << open->opening.toStdString();
            }
        }
        EXPECT_GT(end - pos, 40) << "the paragraph " << open->opening.toStdString() << " has a text";
        open = nullptr;
        pos = end;
    };
    for (const Fragment &p : fragments) {
        if (const auto *fixed = std::get_if<QByteArray>(&p)) {
            if (open) {
                const qsizetype at = doc.indexOf(*fixed, pos);
                ASSERT_GE(at, 0) << "missing: " << fixed->toStdString();
                closeFree(at);
            }
            ASSERT_EQ(doc.mid(pos, fixed->size()), *fixed) << "at byte " << pos;
            pos += fixed->size();
        } else {
            const Free &f = std::get<Free>(p);
            if (open) {
                const qsizetype at = doc.indexOf(f.opening, pos);
                ASSERT_GE(at, 0) << "missing: " << f.opening.toStdString();
                closeFree(at);
            }
            ASSERT_EQ(doc.mid(pos, f.opening.size()), f.opening) << "at byte " << pos;
            pos += f.opening.size();
            open = &f;
        }
    }
    EXPECT_EQ(pos, doc.size()) << "nothing follows the last fragment";
}

class PrivacyWindow : public ::testing::Test {
protected:
    void SetUp() override { w = std::make_unique<TfrmPrivacy>(); }

    QWidget *field(const QString &name) const { return w->findChild<QWidget *>(name); }
    void fill(const Values &v)
    {
        for (const auto &[name, text] : v) {
            ASSERT_NE(field(name), nullptr) << name.toStdString();
            setFieldText(field(name), text);
        }
    }
    QString settingsFile() const { return sp.file("Tavoren.ini"); }
    QString documentFile() const { return sp.file("Modulo_Privacy.rtf"); }
    QString setting(const QString &key) const { return IniReadString(settingsFile(), Section, key); }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    ScriptedPlatform sp;
    std::unique_ptr<TfrmPrivacy> w;
};

TEST_F(PrivacyWindow, HasItsNamedFieldsInScreenOrder)
{
    EXPECT_EQ(w->windowTitle(), " Esporta e stampa Modulo Privacy");
    for (const char *name : FieldNames) {
        QWidget *f = field(name);
        ASSERT_NE(f, nullptr) << name;
        EXPECT_NE(w->findChild<QWidget *>(QStringLiteral("eff") + QString::fromLatin1(name).mid(3)), nullptr) << name;
    }
    for (const char *name : {"txtProvDent", "txtProvNasc", "txtProvRes"}) {
        auto *box = qobject_cast<QComboBox *>(field(name));
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(box->count(), ProvinceCodes().size());
        EXPECT_TRUE(box->isEditable());
    }
    EXPECT_EQ(w->btnRTF->text(), "Crea file RTF");
    EXPECT_EQ(w->btnChiudi->text(), "Chiudi");
}

TEST_F(PrivacyWindow, DocumentHasEveryFragmentInOrder)
{
    // The sample, and every field empty: the value places are then empty between the bold markers.
    Values empty;
    for (const char *name : FieldNames)
        empty[name] = QString();
    for (const Values *values : std::initializer_list<const Values *>{&Sample, &empty}) {
        SCOPED_TRACE(values == &Sample ? "sample" : "empty");
        fill(*values);
        sp.yesNoAnswers = {true, false};
        sp.clear();
        w->btnRTFClick();
        EXPECT_EQ(sp.messages(), (QStringList{Confirm, Created}));
        const QByteArray doc = readBytes(documentFile());
        expectDocument(doc, expectedDocument(*values));
        EXPECT_FALSE(doc.contains('\r'));
        EXPECT_FALSE(doc.contains('\n'));
        EXPECT_TRUE(doc.endsWith(R"(\par })"));
    }
}

TEST_F(PrivacyWindow, AccentedValuesAreSingleWindows1252Bytes)
{
    fill(Sample);
    sp.yesNoAnswers = {true, false};
    w->btnRTFClick();
    const QByteArray doc = readBytes(documentFile());
    EXPECT_TRUE(doc.contains("con sede a \\b Forl\xEC\\b0"));
    EXPECT_TRUE(doc.contains("\\b Niccol\xF2 Bianchi\\b0"));
    EXPECT_TRUE(doc.contains("Via Citt\xE0 di Castello 12"));
    EXPECT_FALSE(doc.contains("\xC3")) << "no UTF-8 in the file";
}

TEST_F(PrivacyWindow, ValuesCannotChangeTheDocumentsFormatting)
{
    struct Case {
        QString typed;
        QByteArray written;
    };
    const Case cases[] = {
        {"Rossi {Mario}", R"(Rossi \{Mario\})"},
        {R"(C:\temp\par \b0 }{)", R"(C:\\temp\\par \\b0 \}\{)"},
        {QString::fromUtf8("Łukasz Wójcik"), "\\u321?ukasz W\xF3jcik"},  // Ł has no Windows-1252 byte
        {QString::fromUtf8("€ 10"), "\x80 10"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        w->txtPaziente->setText(c.typed);
        sp.yesNoAnswers = {true, false};
        w->btnRTFClick();
        const QByteArray doc = readBytes(documentFile());
        EXPECT_TRUE(doc.contains("Cliente Sig. \\b " + c.written + "\\b0 , nato a"));
        EXPECT_TRUE(doc.contains("Io sottoscritto \\b " + c.written + "\\b0 , nato a"));
        EXPECT_FALSE(doc.contains('\r'));
        EXPECT_FALSE(doc.contains('\n'));
        EXPECT_EQ(doc.count('{') - doc.count("\\{"), doc.count('}') - doc.count("\\}")) << "braces balance";
    }
}

TEST_F(PrivacyWindow, AnsweringNoFirstWritesNothing)
{
    writeBytes(documentFile(), "earlier document");
    fill(Sample);
    w->show();
    sp.clear();
    sp.yesNoAnswers = {false};
    w->btnRTFClick();
    EXPECT_EQ(sp.messages(), QStringList{Confirm});
    EXPECT_EQ(readBytes(documentFile()), "earlier document");
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(QFile::exists(settingsFile()));
}

TEST_F(PrivacyWindow, AnsweringNoToOpeningKeepsTheWindowOpen)
{
    fill(Sample);
    w->show();
    sp.clear();
    sp.yesNoAnswers = {true, false};
    w->btnRTFClick();
    EXPECT_EQ(sp.messages(), (QStringList{Confirm, Created}));
    EXPECT_TRUE(sp.callsOf("document").empty());
    EXPECT_TRUE(QFile::exists(documentFile()));
    EXPECT_TRUE(w->isVisible());
}

TEST_F(PrivacyWindow, AnsweringYesOpensTheDocumentAndClosesKeepingTheSettings)
{
    w->show();
    fill(Sample);
    sp.clear();
    w->btnRTFClick();
    const auto opened = sp.callsOf("document");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].text, '"' + documentFile() + '"');
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(setting("Studio Veterinario"), "Clinica Veterinaria San Francesco");
    EXPECT_EQ(setting("Titolare"), QString::fromUtf8("Andrea Mazzà"));
}

TEST_F(PrivacyWindow, SettingsAreReadWhenShownAndTheClientIsKept)
{
    writeBytes(settingsFile(), "[Altro]\r\nTitolare=altro\r\n"
                               "[Modulo Privacy]\r\n"
                               "Studio Veterinario=Clinica San Rocco\r\n"
                               "Recapiti Studio=0543 111\r\n"
                               "Partita Iva Studio=01234567890\r\n"
                               "Codice Fiscale Studio=RSSMRA70A01D704X\r\n"
                               "Comune Sede=Forl\xEC\r\n"
                               "Provincia Sede=FC\r\n"
                               "Via Sede=Via Roma 1\r\n"
                               "Cap Sede=47121\r\n"
                               "Titolare=Mario Rossi\r\n");
    // The owner card fills the client before showing; a practice field typed earlier is replaced,
    // and a key missing from the file ("Luogo") gives an empty field.
    w->txtPaziente->setText("Bianchi Anna");
    w->txtProvNasc->setEditText("RM");
    w->txtData->setText("10/12/2026");
    w->txtLuogo->setText("non letto");
    w->show();

    const Values expected = {
        {"txtStudioDent", "Clinica San Rocco"}, {"txtTelDent", "0543 111"},
        {"txtIvaDent", "01234567890"},          {"txtCodFiscDent", "RSSMRA70A01D704X"},
        {"txtCittaDent", QString::fromUtf8("Forlì")}, {"txtProvDent", "FC"},
        {"txtIndirizzoDent", "Via Roma 1"},     {"txtCapDent", "47121"},
        {"txtPrivacy", "Mario Rossi"},          {"txtLuogo", ""},
        {"txtPaziente", "Bianchi Anna"},        {"txtProvNasc", "RM"},
        {"txtData", "10/12/2026"},
    };
    for (const auto &[name, text] : expected)
        EXPECT_EQ(fieldText(field(name)), text) << name.toStdString();
    EXPECT_EQ(w->txtProvNasc->currentIndex(), -1);
}

TEST_F(PrivacyWindow, MissingSettingsFileGivesEmptyFields)
{
    w->txtStudioDent->setText("qualcosa");
    w->show();
    for (const auto &[name, key] : SettingKeys)
        EXPECT_EQ(fieldText(field(name)), "") << name.toStdString();
    EXPECT_FALSE(QFile::exists(settingsFile()));
}

TEST_F(PrivacyWindow, SettingsAreWrittenTrimmedOnEveryClose)
{
    const std::pair<const char *, std::function<void(TfrmPrivacy &)>> ways[] = {
        {"Chiudi", [](TfrmPrivacy &p) { QTest::mouseClick(p.btnChiudi, Qt::LeftButton); }},
        {"Escape", [](TfrmPrivacy &p) { QTest::keyClick(&p, Qt::Key_Escape); }},
        {"window closed", [](TfrmPrivacy &p) { p.close(); }},
        {"Yes to opening the document", [](TfrmPrivacy &p) { p.btnRTFClick(); }},
    };
    for (const auto &[what, closeIt] : ways) {
        SCOPED_TRACE(what);
        QFile::remove(settingsFile());
        w = std::make_unique<TfrmPrivacy>();
        w->show();
        ASSERT_TRUE(WaitActive(w.get()));
        fill(Sample);
        closeIt(*w);
        EXPECT_FALSE(w->isVisible());
        for (const auto &[name, key] : SettingKeys)
            EXPECT_EQ(setting(key), Sample.at(name).trimmed()) << key.toStdString();
        // Windows-1252 and CRLF, the client's data not among them.
        const QByteArray ini = readBytes(settingsFile());
        EXPECT_TRUE(ini.startsWith("[Modulo Privacy]\r\nStudio Veterinario=Clinica Veterinaria San Francesco\r\n"));
        EXPECT_TRUE(ini.contains("Comune Sede=Forl\xEC\r\n"));
        EXPECT_FALSE(ini.contains("Bianchi"));
    }
}

// A practice value the settings file could not keep as shown holds the window open, whichever way
// it is closed, with the focus on the value to be corrected.
TEST_F(PrivacyWindow, AValueTheSettingsCannotHoldKeepsTheWindowOpen)
{
    const std::pair<const char *, std::function<void(TfrmPrivacy &)>> ways[] = {
        {"Chiudi", [](TfrmPrivacy &p) { QTest::mouseClick(p.btnChiudi, Qt::LeftButton); }},
        {"Escape", [](TfrmPrivacy &p) { QTest::keyClick(&p, Qt::Key_Escape); }},
        {"window closed", [](TfrmPrivacy &p) { p.close(); }},
    };
    w->show();
    ASSERT_TRUE(WaitActive(w.get()));
    fill(Sample);
    for (const auto &[what, closeIt] : ways) {
        SCOPED_TRACE(what);
        ExpectUnstorableRefused(sp, w->txtLuogo, "Luogo", settingsFile(), [&] { closeIt(*w); });
        EXPECT_TRUE(w->isVisible());
    }
    w->txtLuogo->setText("Forli");
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(setting("Luogo"), "Forli");
}

TEST_F(PrivacyWindow, FailedDocumentWriteLeavesTheEarlierDocumentWhole)
{
    writeBytes(documentFile(), "{\\rtf1 earlier document}");
    fill(Sample);
    w->show();
    ReadOnlyFolder readOnly(sp.folder());
    if (!readOnly.ok())
        GTEST_SKIP() << "no way to make a folder read-only here";
    sp.clear();
    w->btnRTFClick();
    EXPECT_EQ(sp.messages(), (QStringList{Confirm, ExportFailed}));
    EXPECT_EQ(sp.callsOf("plain").size(), 1u);
    EXPECT_TRUE(sp.callsOf("document").empty());
    EXPECT_EQ(readBytes(documentFile()), "{\\rtf1 earlier document}");
    EXPECT_TRUE(w->isVisible());
}

TEST_F(PrivacyWindow, SettingsThatCannotBeWrittenAreReported)
{
    w->show();
    ASSERT_TRUE(WaitActive(w.get()));
    ReadOnlyFolder readOnly(sp.folder());
    if (!readOnly.ok())
        GTEST_SKIP() << "no way to make a folder read-only here";
    // "Chiudi" keeps the window open so that nothing typed is lost unseen...
    sp.clear();
    QTest::mouseClick(w->btnChiudi, Qt::LeftButton);
    EXPECT_EQ(sp.callsOf("errorbox").size(), 1u);
    EXPECT_TRUE(w->isVisible());
    // ...and Escape still leaves, after the same report.
    sp.clear();
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_EQ(sp.callsOf("errorbox").size(), 1u);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(PrivacyWindow, FieldBehaviour)
{
    w->show();
    ASSERT_TRUE(WaitActive(w.get()));

    // Enter walks the fields in screen order and from the last back to the first.
    w->txtStudioDent->setFocus();
    for (int i = 1; i <= 21; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(focused(), FieldNames[i % 21]);
    }
    ASSERT_EQ(focused(), "txtStudioDent");
    EXPECT_TRUE(w->findChild<QWidget *>("effStudioDent")->isVisible());
    EXPECT_FALSE(w->findChild<QWidget *>("effLuogo")->isVisible());
    EXPECT_TRUE(w->isVisible()) << "Enter presses no button";

    // Digits only in the VAT number; tax codes and provinces upper-cased and trimmed as typed.
    w->txtIvaDent->setFocus();
    QTest::keyClicks(w->txtIvaDent, "12a-3 4");
    EXPECT_EQ(w->txtIvaDent->text(), "1234");
    w->txtCodFisc->setFocus();
    QTest::keyClicks(w->txtCodFisc, " rss mra");
    EXPECT_EQ(w->txtCodFisc->text(), "RSSMRA");
    w->txtCodFiscDent->setFocus();
    QTest::keyClicks(w->txtCodFiscDent, "ab");
    EXPECT_EQ(w->txtCodFiscDent->text(), "AB");
    w->txtProvRes->setFocus();
    QTest::keyClicks(w->txtProvRes->lineEdit(), " rmx");
    EXPECT_EQ(w->txtProvRes->currentText(), "RM");
    // A province taken from the list loses its selection, not its text, when the box takes the focus.
    w->txtProvDent->setCurrentIndex(ProvinceCodes().indexOf("BO"));
    w->txtProvDent->setFocus();
    EXPECT_EQ(w->txtProvDent->currentIndex(), -1);
    EXPECT_EQ(w->txtProvDent->currentText(), "BO");
    // Other fields take any text of any length.
    w->txtStudioDent->setFocus();
    QTest::keyClicks(w->txtStudioDent, QString(300, u'x'));
    EXPECT_EQ(w->txtStudioDent->text().size(), 300);
}

// The owner card's privacy command.
class OwnerCardPrivacy : public ::testing::Test {
protected:
    ScriptedPlatform sp;
};

TEST_F(OwnerCardPrivacy, FillsTheWindowFromTheCard)
{
    writeBytes(sp.file("Tavoren.ini"), "[Modulo Privacy]\r\nTitolare=Mario Rossi\r\n");
    auto card = std::make_unique<TfrmClienti>();
    card->show();
    card->txtCliente->setText(QString::fromUtf8("  Niccolò Bianchi "));
    card->txtComuneNasc->setText(" Cesena");
    card->txtProvNasc->setEditText("FC ");
    card->txtDataNasc->setText("05/03/1970 ");
    card->txtComuneRes->setText("Rimini");
    card->txtProvRes->setCurrentIndex(ProvinceCodes().indexOf("RN"));
    card->txtCapRes->setText("47921");
    card->txtIndirizzoRes->setText(" Via Roma 1 ");
    card->txtCodFisc->setText("BNCNCC70C05C573X");
    card->txtRecapito->setText("333 1");
    card->txtTelCasa->setText("0541 2");

    Values seen;
    QPointer<QWidget> shown;
    sp.onModal = [&](QWidget *window) {
        shown = window;
        auto *p = qobject_cast<TfrmPrivacy *>(window);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->parentWidget(), card.get());
        for (const char *name : FieldNames)
            seen[name] = fieldText(p->findChild<QWidget *>(name));
    };
    QTest::mouseClick(card->btnPrivacy, Qt::LeftButton);

    EXPECT_EQ(sp.callsOf("modal").size(), 1u);
    EXPECT_TRUE(shown.isNull()) << "the card destroys the window";
    const Values expected = {
        {"txtPaziente", QString::fromUtf8("Niccolò Bianchi")},
        {"txtComuneNasc", "Cesena"},
        {"txtProvNasc", "FC"},
        {"txtDataNasc", "05/03/1970"},
        {"txtComuneRes", "Rimini"},
        {"txtProvRes", "RN"},
        {"txtCapRes", "47921"},
        {"txtIndirizzo", "Via Roma 1"},
        {"txtCodFisc", "BNCNCC70C05C573X"},
        {"txtRecapito", "333 1"},
        {"txtData", "10/12/2026"},
        {"txtPrivacy", "Mario Rossi"},
        {"txtStudioDent", ""},
    };
    for (const auto &[name, text] : expected)
        EXPECT_EQ(seen[name], text) << name.toStdString();
}

TEST_F(OwnerCardPrivacy, WorksOnAnEmptyCard)
{
    auto card = std::make_unique<TfrmClienti>();
    card->show();
    sp.onModal = [&](QWidget *window) {
        auto *p = static_cast<TfrmPrivacy *>(window);
        EXPECT_EQ(p->txtPaziente->text(), "");
        EXPECT_EQ(p->txtData->text(), "10/12/2026");
        sp.yesNoAnswers = {true, false};
        p->btnRTFClick();
    };
    QTest::mouseClick(card->btnPrivacy, Qt::LeftButton);
    EXPECT_TRUE(readBytes(sp.file("Modulo_Privacy.rtf")).contains("Io sottoscritto \\b \\b0 , nato a \\b \\b0"));
}

} // namespace
