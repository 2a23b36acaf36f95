#include "tests/support/QStringPrinter.h"
#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/CertificateHelp.h"
#include "certificates/CertificateRecord.h"
#include "certificates/Certificato_Decesso.h"
#include "certificates/Certificato_Malattia.h"
#include "certificates/Certificato_Sanitario.h"
#include "certificates/Certificato_Vaccinazione.h"
#include "certificates/Consenso_Intervento.h"
#include "certificates/Consenso_Privacy.h"
#include "certificates/MenuCertificati.h"
#include "common/IniFile.h"
#include "common/ui/Widgets.h"
#include "dialogs/Guida.h"
#include "shell/Avvio.h"
#include "shell/Startup.h"
#include "tests/support/ScriptedPlatform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The windows of a run, with the launcher showing.
class CertificatesMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateStartupWindows();
        frmAvvio->show();
    }
    void TearDown() override { DestroyStartupWindows(); }

    void openMenu()
    {
        QTest::mouseClick(frmAvvio->imgCertificati, Qt::LeftButton);
        ASSERT_TRUE(frmMenuCertificati->isVisible());
        ASSERT_FALSE(frmAvvio->isVisible());
    }

    ScriptedPlatform sp;
};

TEST_F(CertificatesMenu, SevenButtonsInScreenAndTabOrder)
{
    const struct {
        const char *button;
        const char *caption;
        const char *rectangle;
    } buttons[] = {
        {"btnCertificato_Sanitario", "Certificato sanitario", "sfoCertificato_Sanitario"},
        {"btnCertificato_Vaccinazione", "Certificato vaccinazione", "sfoCertificato_Vaccinazione"},
        {"btnCertificato_Malattia", "Certificato malattia", "sfoCertificato_Malattia"},
        {"btnCertificato_Decesso", "Certificato decesso", "sfoCertificato_Decesso"},
        {"btnAutorizzazione_Eutanasia", "Autorizzazione eutanasia", "sfoAutorizzazione_Eutanasia"},
        {"btnConsenso_Intervento", "Consenso intervento", "sfoConsenso_Intervento"},
        {"btnConsenso_Privacy", "Certificato movimento", "sfoConsenso_Privacy"},
    };
    openMenu();
    TfrmMenuCertificati *menu = frmMenuCertificati;
    ASSERT_TRUE(WaitActive(menu));
    EXPECT_EQ(menu->windowTitle(), " Tavoren - Certificati e Consensi");
    EXPECT_TRUE(menu->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(menu->lblIstruzioni->text(), "Premi il pulsante relativo al modello da compilare.");
    QWidget *previous = nullptr;
    for (const auto &b : buttons) {
        SCOPED_TRACE(b.button);
        auto *button = menu->findChild<QPushButton *>(b.button);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(button->parentWidget()->objectName(), b.rectangle);
        if (previous) {
            previous->setFocus();
            QTest::keyClick(previous, Qt::Key_Tab);
            EXPECT_EQ(menu->focusWidget(), button);
            EXPECT_GT(button->mapTo(menu, QPoint()).y(), previous->mapTo(menu, QPoint()).y());
        }
        previous = button;
    }
}

TEST_F(CertificatesMenu, RoutesOfTheCloseAreResetAtEveryShow)
{
    // A built card is shown; the cards not built yet lead back to the launcher.
    const struct {
        QPushButton *TfrmMenuCertificati::*button;
        QWidget *shown;
    } routes[] = {
        {&TfrmMenuCertificati::btnCertificato_Sanitario, frmCertificato_Sanitario},
        {&TfrmMenuCertificati::btnCertificato_Vaccinazione, frmCertificato_Vaccinazione},
        {&TfrmMenuCertificati::btnCertificato_Malattia, frmCertificato_Malattia},
        {&TfrmMenuCertificati::btnCertificato_Decesso, frmCertificato_Decesso},
        {&TfrmMenuCertificati::btnAutorizzazione_Eutanasia, frmAutorizzazione_Eutanasia},
        {&TfrmMenuCertificati::btnConsenso_Intervento, frmConsenso_Intervento},
        {&TfrmMenuCertificati::btnConsenso_Privacy, frmConsenso_Privacy},
    };
    for (const auto &r : routes) {
        QPushButton *button = frmMenuCertificati->*r.button;
        SCOPED_TRACE(button->objectName().toStdString());
        openMenu();
        EXPECT_EQ(frmMenuCertificati->lblMemory->text(), "avvio");
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_FALSE(frmMenuCertificati->isVisible());
        EXPECT_TRUE(r.shown->isVisible());
        if (r.shown != frmAvvio) {
            EXPECT_FALSE(frmAvvio->isVisible());
            // Closing the card returns to the launcher, not to the menu.
            r.shown->close();
            EXPECT_TRUE(frmAvvio->isVisible());
            EXPECT_FALSE(frmMenuCertificati->isVisible());
        }
        // A choice made last time does not survive: closing without one goes back to the launcher.
        openMenu();
        frmMenuCertificati->close();
        EXPECT_TRUE(frmAvvio->isVisible());
        EXPECT_FALSE(frmCertificato_Sanitario->isVisible());
        openMenu();
        QTest::mouseClick(frmMenuCertificati->imgEsci, Qt::LeftButton);
        EXPECT_TRUE(frmAvvio->isVisible());
        EXPECT_FALSE(frmMenuCertificati->isVisible());
    }
    EXPECT_EQ(CertificateMenuRoute(" certificato_sanitario "), frmCertificato_Sanitario);
    EXPECT_EQ(CertificateMenuRoute("consenso_intervento"), frmConsenso_Intervento);
    EXPECT_EQ(CertificateMenuRoute("certificato_vaccinazione"), frmCertificato_Vaccinazione);
    EXPECT_EQ(CertificateMenuRoute("consenso_privacy"), frmConsenso_Privacy);
    EXPECT_EQ(CertificateMenuRoute("certificato_movimento"), nullptr) << "the movement card's menu tag differs";
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(CertificatesMenu, TheCardOpensBlankWithTheStoredHeaderHoweverItWasLeft)
{
    IniWriteString(sp.file(SettingsFileName), PracticeHeaderSection, "Denominazione", "Studio Aurora");
    openMenu();
    QTest::mouseClick(frmMenuCertificati->btnCertificato_Sanitario, Qt::LeftButton);
    TfrmCertificato_Sanitario *card = frmCertificato_Sanitario;
    EXPECT_EQ(card->edit("Studio")->text(), "Studio Aurora");
    QTest::mouseClick(card->cmdNuovo, Qt::LeftButton);
    card->edit("Proprietario")->setText("Verdi");
    card->edit("Studio")->setText("Studio Borealis");
    QTest::mouseClick(card->cmdEsci, Qt::LeftButton);

    openMenu();
    QTest::mouseClick(frmMenuCertificati->btnCertificato_Sanitario, Qt::LeftButton);
    EXPECT_EQ(card->edit("Studio")->text(), "Studio Borealis");
    EXPECT_EQ(card->edit("Proprietario")->text(), "");
    EXPECT_EQ(card->edit("Num")->text(), "");
    EXPECT_EQ(card->lblPosizione->text(), "");
}

// The fifteen paragraphs of the certificates' help, word for word, in their order.
const char *const HelpParagraphs[] = {
    "L'applicazione Certificati e Consensi semplifica la compilazione e stampa di certificati e "
    "autorizzazioni che l'ambulatorio veterinario rilascia ai proprietari degli animali per gli "
    "usi consentiti dalla Legge. Il medico veterinario può quindi usare questo ambiente per "
    "redigere e archiviare i vari modelli utilizzati nel lavoro di gestione, prevenzione e cura "
    "degli animali da compagnia.",
    "Il Certificato sanitario per animale da compagnia (Health Certificate for Pet Animal) è un "
    "documento bilingue redatto in italiano e inglese con cui il veterinario certifica che "
    "l'animale non presenta segni clinici di malattie infettive e diffusive proprie della specie "
    "e/o trasmissibili agli uomini.",
    "Il Certificato di vaccinazione antirabbica attesta che l'animale è stato vaccinato contro la "
    "rabbia e fornisce gli estremi del vaccino utilizzato, indicando la denominazione del "
    "medicinale, la serie e il numero e la data di scadenza.",
    "Il Certificato di malattia per animale da compagnia viene solitamente richiesto dal "
    "proprietario dello stesso animale per ottenere un permesso retribuito dal lavoro in caso di "
    "malattia del proprio animale domestico che ha bisogno di cure specifiche e non rimandabili. "
    "In tale documento il veterinario descrive nel dettaglio la visita clinica e la diagnosi che "
    "ha effettuato.",
    "Il Certificato di decesso per animale da compagnia serve al proprietario per certificare "
    "ufficialmente il decesso dell'animale come previsto dalla Legge. Il medico veterinario deve "
    "indicare se l'animale è stato sottoposto a eutanasia per grave malattia oppure è deceduto "
    "per cause diverse dall'eutanasia.",
    "L'Autorizzazione all'eutanasia è a firma del proprietario dell'animale, il quale dichiara "
    "che, pur essendo stato informato sulle eventuali procedure diagnostiche e sulle ulteriori "
    "possibilità di sostegno terapeutico e/o chirurgico, considerate le gravi condizioni di "
    "salute e lo stato di grave sofferenza in cui versa il proprio animale, autorizza il medico "
    "veterinario a sottoporre l'animale a eutanasia preceduta da anestesia generale. In aggiunta, "
    "è dovere del proprietario indicare come intende procedere per ottemperare allo smaltimento "
    "della salma dell'animale.",
    "Il Consenso informato all'anestesia e all'intervento chirurgico è la dichiarazione con cui "
    "il proprietario autorizza il medico veterinario a eseguire l'intervento chirurgico in "
    "anestesia generale sul proprio animale dopo aver effettuato tutti gli esami diagnostici "
    "ritenuti necessari.",
    "Il Certificato sanitario per il movimento non commerciale da Paesi Terzi verso l'Italia di "
    "animali da compagnia (Health Certificate for Non-commercial Movement from Third Countries to "
    "Italy of Pet Animals) serve ad autorizzare il transito di animali negli Stati membri della "
    "Comunità Europea. Il documento, redatto in italiano e inglese, certifica la buona salute "
    "dell'animale e la sua idoneità a sopportare il trasporto fino alla destinazione finale.",
    "Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo, compilare i campi "
    "di testo che interessano e premere il pulsante Salva. Per modificare una scheda esistente, "
    "bisogna visualizzarla nella schermata di lavoro usando le frecce di scorrimento dei record o "
    "la funzione di ricerca, apportare le modifiche desiderate e premere Salva.",
    "Quando si preme il pulsante Nuovo, il software attribuisce al certificato un numero che "
    "tiene conto di quanti documenti sono già presenti in archivio, partendo da 1 se l'archivio è "
    "vuoto. Se si vuole far partire la numerazione automatica dei certificati da un numero "
    "superiore, è necessario utilizzare l'apposita funzione accessibile tramite il pulsante "
    "contraddistinto dalla scritta \"N.\".",
    "I campi di testo relativi alle informazioni sull'animale e sul proprietario possono essere "
    "compilati velocemente importando i dati dai relativi archivi anagrafici. A tal fine, bisogna "
    "servirsi dei pulsanti contraddistinti dall'icona di una freccia verde.",
    "Il pulsante Duplica è utile se si ha bisogno di registrare due o più schede con dati molto "
    "simili perché riferite, ad esempio, allo stesso certificato rilasciato a favore del medesimo "
    "animale in tempi diversi. Per duplicare la scheda di un certificato, basta visualizzare "
    "quella già registrata in archivio, fare clic sul pulsante Duplica, inserire i nuovi dati e "
    "premere Salva.",
    "I dati relativi al proprio studio veterinario, al nome del medico veterinario e al luogo di "
    "emissione del certificato sono salvati in automatico quando si esce dalla schermata di "
    "lavoro, per cui non sarà necessario reinserirli quando si dovrà redigere un nuovo documento.",
    "Per trovare le schede dei certificati in archivio è possibile utilizzare uno o più filtri di "
    "ricerca contemporaneamente. Ad esempio, si può ottenere l'elenco di tutti i certificati "
    "riferiti a un certo animale o proprietario, oppure di quelli emessi in una data specifica.",
    "La scheda di ogni certificato può essere visualizzata in anteprima o stampata direttamente "
    "su carta, mentre l'intero archivio può essere esportato in un file di Microsoft Excel.",
};

TEST(CertificateHelp, FifteenParagraphsWordForWord)
{
    EXPECT_EQ(CertificateHelpTitle(), "Applicazione Certificati e Consensi.");
    const QStringList paragraphs = CertificateHelpParagraphs();
    ASSERT_EQ(paragraphs.size(), int(std::size(HelpParagraphs)));
    for (int i = 0; i < paragraphs.size(); ++i)
        EXPECT_EQ(paragraphs[i], QString::fromUtf8(HelpParagraphs[i])) << "paragraph " << i + 1;
    // One empty line (CR LF CR LF) between paragraphs, nothing before the first or after the last.
    EXPECT_EQ(CertificateHelpText(), paragraphs.join("\r\n\r\n"));
    EXPECT_TRUE(paragraphs[9].endsWith("\"N.\"."));
}

// The menu and every card show the same title and the same text in the help window.
TEST_F(CertificatesMenu, TheMenuAndEveryCardShowTheSameHelp)
{
    const QString expected = QStringList(std::begin(HelpParagraphs), std::end(HelpParagraphs)).join("\r\n\r\n");
    QStringList shown;
    sp.onModal = [&](QWidget *w) {
        auto *help = qobject_cast<TfrmGuida *>(w);
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->lblTitolo->text(), "Applicazione Certificati e Consensi.");
        // The help window keeps the paragraphs' text; its own line breaks are not compared.
        EXPECT_EQ(help->txtGuida->toPlainText().remove(QRegularExpression("[\\r\\n\\x{2029}]")),
                  QString(expected).remove(QRegularExpression("[\\r\\n]")));
        shown.append(help->txtGuida->toPlainText());
    };
    openMenu();
    QTest::mouseClick(frmMenuCertificati->imgGuida, Qt::LeftButton);
    EXPECT_TRUE(frmMenuCertificati->isVisible()) << "help leaves the menu open";

    const std::pair<const char *, CertificateCard *> cards[] = {
        {"btnCertificato_Sanitario", frmCertificato_Sanitario},
        {"btnCertificato_Vaccinazione", frmCertificato_Vaccinazione},
        {"btnCertificato_Malattia", frmCertificato_Malattia},
        {"btnCertificato_Decesso", frmCertificato_Decesso},
        {"btnAutorizzazione_Eutanasia", frmAutorizzazione_Eutanasia},
        {"btnConsenso_Intervento", frmConsenso_Intervento},
        {"btnConsenso_Privacy", frmConsenso_Privacy},
    };
    for (const auto &[button, card] : cards) {
        SCOPED_TRACE(button);
        openMenu();
        QTest::mouseClick(frmMenuCertificati->findChild<QPushButton *>(button), Qt::LeftButton);
        ASSERT_TRUE(card->isVisible());
        QTest::mouseClick(card->cmdGuida, Qt::LeftButton);
        card->close();
    }
    ASSERT_EQ(shown.size(), 8);
    for (const QString &text : shown)
        EXPECT_EQ(text, shown.first());
}

} // namespace
