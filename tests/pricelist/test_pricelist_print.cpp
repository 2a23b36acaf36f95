#include "tests/support/QStringPrinter.h"
#include "common/report/PreparedReport.h"
#include "common/ui/Widgets.h"
#include "pricelist/Servizi.h"
#include "pricelist/StampaServizi.h"
#include "tests/support/ScriptedPlatform.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

const QStringList Captions = {
    "Descrizione prodotto o servizio:", "Importo in euro:", "Tipologia:", "Tempi e orari di erogazione:",
    "Codice articolo:", "Personale addetto:", "Note:", "Marca e modello:", "Collocazione in magazzino:",
    "Giacenza:", "Sottoscorta:", "Costo in euro:", "Valore (costo x giacenza):", "Fornitore:",
    QString::fromUtf8("Modalità di ordine merce:")};
const QStringList ValueObjects = {"txtDescrizione", "txtPrezzo", "txtTipologia", "txtTempi", "txtSupplementi",
                                  "txtPersonale", "txtNote", "txtMarca", "txtCollocazione", "txtGiacenza",
                                  "txtSottoscorta", "txtCosto", "txtValore", "txtFornitore", "txtOrdine"};

class PricePrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        card = std::make_unique<TfrmServizi>();
        card->show();
        ASSERT_TRUE(WaitActive(card.get()));
    }
    void set(const std::map<QString, QString> &texts)
    {
        for (const auto &[name, text] : texts) {
            auto *edit = card->findChild<QLineEdit *>(name);
            ASSERT_NE(edit, nullptr) << name.toStdString();
            edit->setText(text);
        }
    }
    QString value(const PreparedReport &report, const QString &object) const
    {
        const PreparedText *t = report.findText(object);
        return t ? t->text : QStringLiteral("<missing>");
    }

    ScriptedPlatform sp;
    std::unique_ptr<TfrmServizi> card;
};

TEST_F(PricePrint, OnePortraitPageWithTitleFifteenRowsAndFooter)
{
    set({{"txtDescrizione", "  Vaccino [polivalente] "}, {"txtPrezzo", "25,00"}, {"txtGiacenza", " 12 "},
         {"txtSottoscorta", "3"}, {"txtCosto", "11,5"}, {"txtValore", "138,00"}, {"txtOrdine", "via e-mail"}});
    const PreparedReport report = PreparePriceCard(*card);
    EXPECT_EQ(report.name, "Scheda Prodotto o Servizio");
    EXPECT_EQ(report.orientation, QPageLayout::Portrait);
    ASSERT_EQ(report.pages.size(), 1u);
    EXPECT_EQ(value(report, "titArcataSup"), "TARIFFA PRODOTTO O SERVIZIO");
    for (int k = 0; k < 15; ++k) {
        const PreparedText *caption = report.findText(QStringLiteral("Memo%1").arg(k + 1));
        const PreparedText *row = report.findText(ValueObjects[k]);
        ASSERT_TRUE(caption && row) << k;
        EXPECT_EQ(caption->text, Captions[k]);
        // Rows 5 mm apart, captions and values on one line, never wrapped.
        EXPECT_NEAR(row->rect.top() - caption->rect.top(), 0, 0.01) << k;
        EXPECT_NEAR(caption->rect.top(), 10 + 7.5 + 5 * k, 0.01) << k;
        EXPECT_FALSE(row->style.wordWrap);
        EXPECT_EQ(row->style.font.family, "Arial");
    }
    EXPECT_EQ(value(report, "txtDescrizione"), "Vaccino [polivalente]") << "printed literally";
    EXPECT_EQ(value(report, "txtGiacenza"), "N. 12 pezzi disponibili");
    EXPECT_EQ(value(report, "txtSottoscorta"), "Avviso a n. 3 pezzi rimasti");
    EXPECT_EQ(value(report, "txtCosto"), "11,5") << "the card's text as it stands";
    EXPECT_EQ(value(report, "txtOrdine"), "via e-mail");
    EXPECT_EQ(value(report, "txtCalce"), "Stampa eseguita in data 10/12/2026 alle ore 10:30:15");
}

TEST_F(PricePrint, NewCardAndEmptyStock)
{
    const PreparedReport fresh = PreparePriceCard(*card);
    EXPECT_EQ(value(fresh, "txtDescrizione"), "");
    EXPECT_EQ(value(fresh, "txtPrezzo"), "0,00");
    EXPECT_EQ(value(fresh, "txtGiacenza"), "N. 0 pezzi disponibili");
    EXPECT_EQ(value(fresh, "txtSottoscorta"), "Avviso a n. 0 pezzi rimasti");
    set({{"txtGiacenza", ""}});
    EXPECT_EQ(value(PreparePriceCard(*card), "txtGiacenza"), "N.  pezzi disponibili");
}

TEST_F(PricePrint, StampaPrintsThroughThePrintDialogAndClosesEvenWhenCancelled)
{
    bool closed = false;
    sp.printAnswers = {false};
    sp.onModal = [&](QWidget *w) {
        auto *dialog = qobject_cast<TfrmStampaServizi *>(w);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), " Stampa scheda corrente");
        EXPECT_EQ(dialog->parentWidget(), card.get());
        QTest::mouseClick(dialog->btnStampa, Qt::LeftButton);
        closed = !dialog->isVisible();
    };
    QTest::mouseClick(card->cmdStampa, Qt::LeftButton);
    EXPECT_TRUE(closed);
    ASSERT_EQ(sp.printers.size(), 1u);
    EXPECT_EQ(sp.printers[0].orientation, QPageLayout::Portrait);
    EXPECT_EQ(sp.callsOf("print").size(), 1u);
    EXPECT_EQ(QDir(sp.folder()).entryList(QDir::Files), QStringList{}) << "nothing is read or written";

    // "Annulla" prints nothing.
    sp.clear();
    sp.onModal = [&](QWidget *w) {
        QTest::mouseClick(qobject_cast<TfrmStampaServizi *>(w)->btnAnnulla, Qt::LeftButton);
    };
    QTest::mouseClick(card->cmdStampa, Qt::LeftButton);
    EXPECT_TRUE(sp.callsOf("print").empty());
}

} // namespace
