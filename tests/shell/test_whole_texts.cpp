// Every label, tile word and status hint of the cards reads whole at the size of the design area
// (a maximised window on a 1024 x 768 screen).
#include "ShellFixture.h"

#include "animals/Cani.h"
#include "animals/CostiCane.h"
#include "appointments/Scadenzario.h"
#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/Certificato_Decesso.h"
#include "certificates/Certificato_Malattia.h"
#include "certificates/Certificato_Sanitario.h"
#include "certificates/Certificato_Vaccinazione.h"
#include "certificates/Consenso_Intervento.h"
#include "certificates/Consenso_Privacy.h"
#include "certificates/MenuCertificati.h"
#include "invoice_reports/Riepiloghi.h"
#include "invoice_reports/Statistiche.h"
#include "invoices/Fatture.h"
#include "invoices/MenuFatture.h"
#include "owners/Clienti.h"
#include "pricelist/Servizi.h"
#include "tests/support/DesignArea.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/WholeTexts.h"

#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <memory>

namespace {

class WholeTexts : public ShellWindows {
protected:
    // The texts cut on the window shown at the design area's size, after `prepare` (a section or
    // a panel to bring forward).
    std::string cutOn(QWidget *window, const std::function<void()> &prepare = {})
    {
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        ShowInTheDesignArea(window);
        if (prepare)
            prepare();
        QCoreApplication::processEvents();
        return CutTexts(window).join('\n').toStdString();
    }
};

TEST_F(WholeTexts, TheRegistryCardsAndTheirSections)
{
    EXPECT_EQ(cutOn(frmClienti), "");
    EXPECT_EQ(cutOn(frmScadenzario), "");
    EXPECT_EQ(cutOn(frmServizi), "");
    TfrmCani *animals = frmCani;
    for (const auto &section : std::vector<std::function<void()>>{
             [animals] { animals->btnPsicosomaticaClick(); }, [animals] { animals->btnAlberoClick(); },
             [animals] { animals->btnSanitariaClick(); }, [animals] { animals->btnDocumentiClick(); }})
        EXPECT_EQ(cutOn(animals, section), "");
    animals->hide();
    TfrmCostiCane costs;
    costs.setAnimal(QStringLiteral("Fido"), QStringLiteral("Beagle"), QStringLiteral("Costi_Animale_3.pro"));
    EXPECT_EQ(cutOn(&costs), "");
    EXPECT_EQ(cutOn(&costs, [&costs] { costs.btnAggiungiClick(); }), "");
}

TEST_F(WholeTexts, TheCertificateCardsAndTheirMenu)
{
    EXPECT_EQ(cutOn(frmMenuCertificati), "");
    for (QWidget *card : std::initializer_list<QWidget *>{
             frmCertificato_Sanitario, frmCertificato_Vaccinazione, frmConsenso_Privacy, frmCertificato_Malattia,
             frmCertificato_Decesso, frmAutorizzazione_Eutanasia, frmConsenso_Intervento}) {
        SCOPED_TRACE(card->objectName().toStdString());
        EXPECT_EQ(cutOn(card), "");
        card->hide();
    }
}

TEST_F(WholeTexts, TheInvoiceCardTheChartAndTheSummaries)
{
    EXPECT_EQ(cutOn(frmMenuFatture), "");
    EXPECT_EQ(cutOn(frmFatture), "");
    TfrmStatistiche *chart = frmStatistiche;
    EXPECT_EQ(cutOn(chart), "");
    EXPECT_EQ(cutOn(chart,
                    [chart] {
                        chart->txtAnno->setText("2026");
                        chart->btnApriClick();
                    }),
              "");
    TfrmRiepMensile monthly;
    EXPECT_EQ(cutOn(&monthly), "");
    EXPECT_EQ(cutOn(&monthly, [&monthly] { monthly.btnVisualizzaClick(); }), "");
    TfrmRiepTrimestrale quarterly;
    EXPECT_EQ(cutOn(&quarterly), "");
    EXPECT_EQ(cutOn(&quarterly, [&quarterly] { quarterly.btnVisualizzaClick(); }), "");
    TfrmRiepAnnuale yearly;
    EXPECT_EQ(cutOn(&yearly), "");
}

// A tax code has 16 characters and a VAT number 11: the edits that hold them show them whole.
TEST_F(WholeTexts, TaxCodeAndVatEditsShowAWholeCode)
{
    const QString taxCode = "MRTMTT91D08F205J";
    const QString vat = "12345678901";
    const std::vector<std::pair<QWidget *, std::vector<std::pair<const char *, QString>>>> cases{
        {frmFatture,
         {{"txtCodFiscCliente", taxCode}, {"txtCodFiscDitta", taxCode}, {"txtIvaCliente", vat}, {"txtIvaDitta", vat}}},
        {frmClienti, {{"txtCodFisc", taxCode}, {"txtPartitaIva", vat}}},
        {frmCertificato_Sanitario, {{"txtCodFisc", taxCode}}},
        {frmConsenso_Intervento, {{"txtCodFisc", taxCode}}},
    };
    for (const auto &[window, edits] : cases) {
        cutOn(window);
        for (const auto &[name, text] : edits) {
            SCOPED_TRACE(window->objectName().toStdString() + "." + name);
            auto *edit = window->findChild<QLineEdit *>(name);
            ASSERT_NE(edit, nullptr);
            EXPECT_TRUE(EditShowsWhole(edit, text));
        }
    }
}

} // namespace
