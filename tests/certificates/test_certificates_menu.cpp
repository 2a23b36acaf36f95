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

TEST_F(CertificatesMenu, HelpHasTheSharedTitleAndFifteenParagraphs)
{
    openMenu();
    QString title;
    QString text;
    sp.onModal = [&](QWidget *w) {
        auto *help = qobject_cast<TfrmGuida *>(w);
        ASSERT_NE(help, nullptr);
        title = help->lblTitolo->text();
        text = help->txtGuida->toPlainText();
    };
    QTest::mouseClick(frmMenuCertificati->imgGuida, Qt::LeftButton);
    EXPECT_EQ(title, "Applicazione Certificati e Consensi.");
    const QStringList paragraphs = CertificateHelpParagraphs();
    ASSERT_EQ(paragraphs.size(), 15);
    for (const QString &p : paragraphs) {
        EXPECT_FALSE(p.contains('\n'));
        EXPECT_TRUE(p.endsWith('.'));
    }
    EXPECT_EQ(CertificateHelpText(), paragraphs.join("\r\n\r\n"));
    EXPECT_TRUE(text.contains(paragraphs.first()));
    EXPECT_TRUE(text.contains(paragraphs.last()));
    EXPECT_TRUE(frmMenuCertificati->isVisible()) << "help leaves the menu open";
}

} // namespace
