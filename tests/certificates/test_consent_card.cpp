#include "tests/support/QStringPrinter.h"
#include "certificates/CertificateRecord.h"
#include "certificates/Consenso_Intervento.h"
#include "certificates/ExpConsensi_Interventi.h"
#include "certificates/TrovaConsensi_Interventi.h"
#include "common/IniFile.h"
#include "common/Messages.h"
#include "common/ui/StatusLine.h"
#include "common/ui/Widgets.h"
#include "common/ui/CommandStrip.h"
#include "dialogs/Calendario.h"
#include "dialogs/NumerazioneDoc.h"
#include "dialogs/ReturnToLauncher.h"
#include "tests/support/CardTexts.h"
#include "tests/support/DesignArea.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ListClicks.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

constexpr int RecordSize = 2836;

// The issuer's data, the nine required fields and the two consent fields.
const std::map<QString, QString> Complete{
    {"Studio", "Studio Veterinario Aurora"}, {"Num", "12"},          {"Data", "09/12/2026"},
    {"Luogo", "Milano"},                     {"Veterinario", "Dott. Bruni"}, {"Proprietario", "Rossi Mario"},
    {"CodFisc", "RSSMRA80A01F205X"},         {"NomeAni", "Fido"},    {"Razza", "Meticcio"},
    {"Intervento", "  Ovariectomia  "},      {"Trattamenti", " Detartrasi "},
};

// The consent card over its own program folder, shown as the menu shows it.
class ConsentCard : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterLauncher([this]() -> QWidget * { return &launcher; });
        card = std::make_unique<TfrmConsenso_Intervento>();
        card->show();
        ASSERT_TRUE(WaitActive(card.get()));
    }
    void TearDown() override { RegisterLauncher([]() -> QWidget * { return nullptr; }); }

    QLineEdit *e(const QString &field) const { return card->edit(field); }
    QString archive() const { return sp.file(SurgeryConsentArchiveName); }
    void fill(const std::map<QString, QString> &fields)
    {
        for (const auto &[field, value] : fields)
            e(field)->setText(value);
    }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    QString position() const { return card->lblPosizione->text(); }

    ScriptedPlatform sp;
    QWidget launcher;
    std::unique_ptr<TfrmConsenso_Intervento> card;
};

} // namespace

TEST_F(ConsentCard, CaptionStatusAndNumberingFromItsOwnSection)
{
    EXPECT_EQ(card->objectName(), "frmConsenso_Intervento");
    EXPECT_EQ(card->windowTitle(), " Tavoren - Consenso informato all'anestesia e all'intervento chirurgico");
    EXPECT_EQ(card->panInfo->text(), "Pronto per archiviare una nuova scheda...");
    EXPECT_EQ(focused(), "txtProprietario");

    Record r(SurgeryConsentLayout());
    r.setText("Num", "1");
    QByteArray five;
    for (int i = 0; i < 5; ++i)
        five += r.bytes();
    writeBytes(archive(), five);
    const struct {
        const char *section;
        const char *start;
        const char *number;  // nullptr: the start is refused
    } cases[] = {
        {"Numerazione Consensi Interventi", "100", "105"},
        {"Numerazione Certificati Sanitari", "100", "6"},  // another type's start is not this one's
        {"Numerazione Consensi Interventi", "cento", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.section);
        QFile::remove(sp.file(SettingsFileName));
        IniWriteString(sp.file(SettingsFileName), c.section, "Inizio", c.start);
        sp.clear();
        QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
        if (c.number) {
            EXPECT_TRUE(sp.messages().isEmpty());
            EXPECT_EQ(e("Num")->text(), c.number);
            EXPECT_EQ(e("Data")->text(), QStringLiteral("10/12/2026"));
        } else {
            EXPECT_EQ(sp.messages(), QStringList{StartNumberMessage("Numerazione Consensi Interventi")});
            EXPECT_EQ(e("Num")->text(), "");
            EXPECT_EQ(e("Data")->text(), "");
        }
    }
}

TEST_F(ConsentCard, SaveAsksForTheNineFieldsThenTheDateAndStoresTheProcedures)
{
    const struct {
        const char *field;
        const char *phrase;
    } required[] = {
        {"Studio", "la denominazione dello Studio Veterinario."},
        {"Num", "il numero progressivo del consenso all'intervento chirurgico."},
        {"Data", "la data di emissione del consenso all'intervento chirurgico."},
        {"Luogo", "il luogo di emissione del consenso all'intervento chirurgico."},
        {"Veterinario", "il nome del medico veterinario."},
        {"Proprietario", "il nome del proprietario dell'animale."},
        {"CodFisc", "il codice fiscale del proprietario dell'animale."},
        {"NomeAni", "il nome dell'animale."},
        {"Razza", "la razza dell'animale."},
    };
    // Neither consent field is required: both stay empty through the refusals.
    for (const auto &r : required) {
        SCOPED_TRACE(r.field);
        e(r.field)->setText("  ");
        sp.clear();
        QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
        EXPECT_EQ(sp.messages(), QStringList{CardRequired + QString::fromUtf8(r.phrase)});
        EXPECT_EQ(focused(), "txt" + QString::fromLatin1(r.field));
        e(r.field)->setText(Complete.at(r.field));
    }
    e("Data")->setText("29/02/2023");
    sp.clear();
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    EXPECT_EQ(sp.messages(),
              QStringList{QString::fromUtf8("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare il "
                                            "consenso all'intervento chirurgico è necessario indicare una data "
                                            "valida nel formato gg/mm/anno.")});
    EXPECT_EQ(focused(), "txtData");
    EXPECT_FALSE(QFile::exists(archive()));

    // Two consents; the second is then overwritten in place.
    fill(Complete);
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
    fill(Complete);
    e("Num")->setText("13");
    e("Intervento")->setText(QString(260, QLatin1Char('i')));
    sp.clear();
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    EXPECT_EQ(sp.messages(), QStringList{CardInserted});
    EXPECT_EQ(position(), "2");

    const QByteArray bytes = readBytes(archive());
    ASSERT_EQ(bytes.size(), 2 * RecordSize);
    EXPECT_EQ(bytes.mid(2334, 13), QByteArray("\x0cOvariectomia"));
    EXPECT_EQ(bytes.mid(2585, 11), QByteArray("\x0a" "Detartrasi"));
    const Record second(SurgeryConsentLayout(), bytes.mid(RecordSize));
    EXPECT_EQ(second.text("Num"), "13");
    EXPECT_EQ(second.text("Intervento"), QString(250, QLatin1Char('i')));

    e("Trattamenti")->setText("Vaccino");
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    const QByteArray after = readBytes(archive());
    ASSERT_EQ(after.size(), 2 * RecordSize);
    EXPECT_EQ(Record(SurgeryConsentLayout(), after.mid(RecordSize)).text("Trattamenti"), "Vaccino");
    EXPECT_EQ(after.left(RecordSize), bytes.left(RecordSize));

    // Navigation loads the consent fields too.
    QTest::mouseClick(card->findChild<ClickLabel *>("cmdPrimo"), Qt::LeftButton);
    EXPECT_EQ(position(), "1");
    EXPECT_EQ(e("Intervento")->text(), "Ovariectomia");
    EXPECT_EQ(e("Trattamenti")->text(), "Detartrasi");
}

TEST_F(ConsentCard, EnterRunsThroughTheProceduresBackToTheStartAndTheDateOpensItsPicker)
{
    const QStringList names = SurgeryConsentLayout().names();
    for (int i = 0; i < names.size(); ++i) {
        if (names[i] == "Data")
            continue;
        SCOPED_TRACE(names[i].toStdString());
        e(names[i])->setFocus();
        QTest::keyClick(e(names[i]), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), e(names[(i + 1) % names.size()]));
    }
    EXPECT_EQ(names.mid(28), (QStringList{"Segni", "Intervento", "Trattamenti"}));

    e("Data")->setFocus();
    sp.onModal = [&](QWidget *w) {
        auto *picker = qobject_cast<TfrmCalendario *>(w);
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->lblMemory->text(), "consenso_intervento_data");
        picker->calAppuntamenti->setSelectedDate(QDate(2027, 1, 5));
        QTest::mouseClick(picker->btnImportaData, Qt::LeftButton);
    };
    QTest::keyClick(e("Data"), Qt::Key_Return);
    EXPECT_EQ(e("Data")->text(), "05/01/2027");

    // The numbering dialog takes the consent's tag and caption.
    sp.onModal = [&](QWidget *w) {
        auto *numbering = qobject_cast<TfrmNumerazioneDoc *>(w);
        ASSERT_NE(numbering, nullptr);
        EXPECT_EQ(numbering->lblMemory->text(), "consenso_intervento");
        EXPECT_EQ(numbering->windowTitle(), " Numerazione consensi interventi");
    };
    QTest::mouseClick(card->cmdNumerazione, Qt::LeftButton);
    EXPECT_EQ(sp.callsOf("modal").size(), 2u);
}

TEST_F(ConsentCard, IssuedConsentIsFoundAgainWithItsProceduresAndExported)
{
    QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
    fill(Complete);
    QTest::mouseClick(card->cmdSalva, Qt::LeftButton);
    QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
    ASSERT_EQ(e("Intervento")->text(), "");

    sp.clear();
    sp.onModal = [&](QWidget *w) {
        auto *search = qobject_cast<TfrmTrovaConsensi_Interventi *>(w);
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(search->parentWidget(), card.get());
        EXPECT_EQ(search->contextTag(), "consenso_intervento");
        search->criterion(6)->setText("fid");
        QTest::mouseClick(search->btnCerca, Qt::LeftButton);
        ASSERT_EQ(search->lstRecords->count(), 1);
        EXPECT_TRUE(search->lstRecords->line(0).startsWith("Cons. n. 12 "));
        DoubleClickLine(search, 0);
    };
    QTest::mouseClick(card->cmdTrova, Qt::LeftButton);
    EXPECT_EQ(position(), "1");
    EXPECT_EQ(e("Intervento")->text(), "Ovariectomia");
    EXPECT_EQ(e("Trattamenti")->text(), "Detartrasi");

    // The export writes the procedures in its last two columns.
    sp.onModal = [&](QWidget *w) {
        auto *exp = qobject_cast<TfrmExpConsensi_Interventi *>(w);
        ASSERT_NE(exp, nullptr);
        sp.yesNoAnswers = {true, false};
        QTest::mouseClick(exp->cmdEsporta, Qt::LeftButton);
    };
    QTest::mouseClick(card->cmdEsporta, Qt::LeftButton);
    const QByteArray file = readBytes(sp.file("Consensi_Interventi.xls"));
    EXPECT_TRUE(file.contains("Ovariectomia"));
    EXPECT_TRUE(file.contains("Ulteriori trattamenti"));
    EXPECT_FALSE(file.contains("Studio Veterinario Aurora")) << "the practice header is not exported";
}

TEST_F(ConsentCard, EveryControlIsWithinTheDesignAreaWithoutScrolling)
{
    EXPECT_TRUE(card->windowState() & Qt::WindowMaximized);
    ExpectWithinTheDesignArea(card.get());
    for (const QString &field : SurgeryConsentLayout().names())
        EXPECT_NE(e(field), nullptr) << field.toStdString();
    EXPECT_NE(card->findChild<QLineEdit *>("txtindirizzoRes"), nullptr);
    // A text longer than its field cannot be typed.
    e("Trattamenti")->setFocus();
    QTest::keyClicks(e("Trattamenti"), QString(255, QLatin1Char('t')));
    EXPECT_EQ(e("Trattamenti")->text().size(), 250);
}
