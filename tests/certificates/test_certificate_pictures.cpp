// The pictures of words on the certificate cards: the title strip reads whole, each declaration
// keeps its words together and pairs every Italian line with its English one, and the movement
// card shows its photograph.
#include "tests/support/QStringPrinter.h"
#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/CertificatePictures.h"
#include "certificates/Certificato_Decesso.h"
#include "certificates/Certificato_Malattia.h"
#include "certificates/Certificato_Sanitario.h"
#include "certificates/Certificato_Vaccinazione.h"
#include "certificates/Consenso_Intervento.h"
#include "certificates/Consenso_Privacy.h"
#include "common/ui/StatusLine.h"
#include "dialogs/ReturnToLauncher.h"
#include "tests/support/DesignArea.h"
#include "tests/support/ScriptedPlatform.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct CardCase {
    const char *name;
    std::function<CertificateCard *()> make;
};

template <class Card>
std::function<CertificateCard *()> make()
{
    return [] { return new Card(); };
}

const CardCase Cards[] = {
    {"sanitario", make<TfrmCertificato_Sanitario>()},     {"vaccinazione", make<TfrmCertificato_Vaccinazione>()},
    {"movimento", make<TfrmConsenso_Privacy>()},          {"malattia", make<TfrmCertificato_Malattia>()},
    {"decesso", make<TfrmCertificato_Decesso>()},         {"eutanasia", make<TfrmAutorizzazione_Eutanasia>()},
    {"consenso", make<TfrmConsenso_Intervento>()},
};

class CertificatePictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterLauncher([this]() -> QWidget * { return &launcher; });
    }
    void TearDown() override { RegisterLauncher([]() -> QWidget * { return nullptr; }); }

    // The card shown at the size of the design area, its pictures drawn.
    std::unique_ptr<CertificateCard> shown(const CardCase &c)
    {
        std::unique_ptr<CertificateCard> card(c.make());
        card->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(card.get()));
        ShowInTheDesignArea(card.get());
        return card;
    }

    ScriptedPlatform sp;
    QWidget launcher;
};

TEST_F(CertificatePictures, TheTitleReadsWholeInWhiteCapitalsOfAReadableSize)
{
    for (const CardCase &c : Cards) {
        SCOPED_TRACE(c.name);
        const auto card = shown(c);
        auto *title = card->findChild<QLabel *>("icoNomeCert");
        ASSERT_NE(title, nullptr);
        const QString words = title->accessibleName();
        ASSERT_FALSE(words.isEmpty());
        EXPECT_EQ(words, words.toUpper());
        const QFont font = TitleBandFont(words, title->size());
        EXPECT_GE(font.pixelSize(), 11);
        const QRectF place(8, 1, title->width() - 16, title->height() - 2);
        const QRectF need = QFontMetricsF(font).boundingRect(place, Qt::AlignCenter | Qt::TextWordWrap, words);
        EXPECT_LE(need.width(), place.width() + 0.5);
        EXPECT_LE(need.height(), place.height() + 0.5);
        // The strip is dark red behind white letters.
        const QImage strip = title->pixmap().toImage();
        EXPECT_EQ(strip.pixelColor(4, strip.height() / 2), QColor(0x8b, 0x00, 0x00));
    }
}

TEST_F(CertificatePictures, DeclarationsBreakBetweenWordsOnlyAndKeepAReadableSize)
{
    for (const CardCase &c : Cards) {
        SCOPED_TRACE(c.name);
        const auto card = shown(c);
        auto *declaration = card->findChild<QLabel *>("icoDichiarazione");
        if (!declaration || declaration->parentWidget()->objectName() != "shpBottom")
            continue;  // the sickness card has none, the death card letters its choice's heading itself
        const CertificateType &type = card->type();
        EXPECT_EQ(declaration->accessibleName(), DeclarationLines(type.declaration, type.declarationEnglish).join('\n'));
        EXPECT_GE(DeclarationFont(type.declaration, type.declarationEnglish, declaration->size()).pixelSize(), 10);
        // Every word is drawn, and a row never ends inside "e/o" or "and/or".
        const QStringList rows = DeclarationRows(type.declaration, type.declarationEnglish, declaration->size());
        EXPECT_EQ(rows.join(' ').simplified(), declaration->accessibleName().replace('\n', ' ').simplified());
        for (const QString &row : rows)
            EXPECT_FALSE(row.simplified().endsWith('/')) << row.toStdString();
    }
}

TEST_F(CertificatePictures, TheHealthDeclarationKeepsEOAndAndOrWhole)
{
    const auto card = shown(Cards[0]);
    auto *declaration = card->findChild<QLabel *>("icoDichiarazione");
    ASSERT_NE(declaration, nullptr);
    const QStringList rows =
        DeclarationRows(card->type().declaration, card->type().declarationEnglish, declaration->size());
    EXPECT_GT(rows.size(), 2) << "the declaration needs more than one row in each language";
    EXPECT_EQ(rows.filter("e/o").size(), 1);
    EXPECT_EQ(rows.filter("and/or").size(), 1);
    // Whatever the width, the rows break between words.
    for (int width = 200; width <= 900; width += 5) {
        for (const QString &row : DeclarationRows(card->type().declaration, card->type().declarationEnglish,
                                                  QSize(width, declaration->height())))
            ASSERT_FALSE(row.simplified().endsWith('/')) << width << ": " << row.toStdString();
    }
}

TEST_F(CertificatePictures, TheMovementDeclarationSetsTheEnglishUnderEachItalianLineBesideThePhotograph)
{
    const auto card = shown(Cards[2]);
    auto *declaration = card->findChild<QLabel *>("icoDichiarazione");
    ASSERT_NE(declaration, nullptr);
    EXPECT_EQ(declaration->accessibleName().split('\n'),
              (QStringList{
                  "Il Veterinario certifica che:",
                  "The Veterinarian certifies that:",
                  "a) l'animale non presenta segni clinici di malattie infettive e diffusive;",
                  "a) the animal shows no clinical sign of infectious and diffusive diseases;",
                  QString::fromUtf8("b) è idoneo ad essere trasportato fino alla destinazione finale;"),
                  "b) it is fit to be transported to its final destination;",
                  "c) non proviene da zone soggette a restrizioni di polizia veterinaria.",
                  "c) it does not come from areas subject to animal-health restrictions.",
              }));
    auto *photo = card->findChild<QLabel *>("icoGabbia");
    ASSERT_NE(photo, nullptr);
    EXPECT_EQ(photo->parentWidget()->objectName(), "shpBottom");
    EXPECT_EQ(declaration->parentWidget(), photo->parentWidget());
    EXPECT_EQ(photo->pixmap().size(), photo->size());
    auto *signature = card->findChild<QLabel *>("icoFirma");
    ASSERT_NE(signature, nullptr);
    EXPECT_EQ(signature->accessibleName(), "FIRMA DEL VETERINARIO\nVETERINARIAN'S SIGNATURE");
    // Declaration, signature and photograph side by side, left to right, none over another.
    EXPECT_LT(declaration->geometry().right(), signature->geometry().left());
    EXPECT_LT(signature->geometry().right(), photo->geometry().left());
    EXPECT_TRUE(photo->parentWidget()->rect().contains(photo->geometry()));
    // Only the movement card shows a photograph.
    for (const CardCase &c : Cards)
        if (std::string(c.name) != "movimento") {
            SCOPED_TRACE(c.name);
            const auto other = shown(c);
            EXPECT_EQ(other->findChild<QLabel *>("icoGabbia"), nullptr);
        }
}

} // namespace

namespace {

// The sections and pictures of each card go by the names their cards give them.
TEST_F(CertificatePictures, SectionsAndPicturesCarryTheirCardsNames)
{
    const std::vector<std::pair<const char *, QStringList>> named{
        {"sanitario",
         {"panContainer", "shpSez01", "icoLogo", "icoNomeCert", "shpSez02", "shpSez03", "icoProprietario", "shpSez04",
          "icoAnimale", "shpSez05", "shpBottom", "icoDichiarazione", "icoFirma"}},
        {"vaccinazione", {"panContainer", "icoLogo", "icoNomeCert", "shpSez05", "shpBottom", "icoDichiarazione", "icoFirma"}},
        {"movimento",
         {"panContainer", "icoNomeCert", "shpSez01", "shpSez02", "icoAnimale", "shpSez03", "shpSez04", "shpBottom",
          "icoDichiarazione", "icoFirma", "icoGabbia", "shpInfo"}},
        {"malattia", {"panContainer", "icoLogo", "icoNomeCert", "shpSez05", "icoProprietario", "icoAnimale"}},
        {"decesso", {"panContainer", "icoLogo", "icoNomeCert", "shpSez05", "icoDichiarazione", "icoFirma"}},
        {"eutanasia", {"panContainer", "icoLogo", "icoNomeCert", "shpSez05", "shpBottom", "icoDichiarazione", "icoFirma"}},
        {"consenso",
         {"panContainer", "icoLogo", "icoNomeCert", "shpSez05", "shpBottom", "icoDichiarazione", "icoFirma"}},
    };
    for (const CardCase &c : Cards) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CertificateCard> card(c.make());
        for (const auto &[name, names] : named) {
            if (std::string(name) != c.name)
                continue;
            for (const QString &n : names)
                EXPECT_NE(card->findChild<QWidget *>(n), nullptr) << n.toStdString();
        }
        // The status text stands on its strip.
        EXPECT_EQ(card->panInfo->parentWidget(), card->findChild<QWidget *>("shpInfo"));
        // The names the kit would give are not used here.
        for (const char *other : {"imgTitolo", "imgLogo", "imgDichiarazione", "imgFirma", "shpSezione01", "panScheda"})
            EXPECT_EQ(card->findChild<QWidget *>(other), nullptr) << other;
    }
    // The consent's procedure and treatments stand in its last section, above the declaration.
    std::unique_ptr<CertificateCard> consent(Cards[6].make());
    auto *last = consent->findChild<QWidget *>("shpSez05");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(consent->edit("Intervento")->parentWidget(), last);
    EXPECT_EQ(consent->edit("Trattamenti")->parentWidget(), last);
    EXPECT_EQ(consent->findChild<QWidget *>("shpSez06"), nullptr);
}

// The captions the cards number: the document's number and the fields each type adds to the base.
TEST_F(CertificatePictures, NumberedCaptionsReadTheirFields)
{
    const std::vector<std::pair<const char *, std::vector<std::pair<const char *, const char *>>>> captions{
        {"sanitario", {{"lblCampo008", "Certificato n."}}},
        {"vaccinazione", {{"lblCampo008", "Certificato n."}}},
        {"malattia",
         {{"lblCampo008", "Certificato n."},
          {"lblCampo030", "Condizioni generali:"},
          {"lblCampo031", "Temperatura corporea:"},
          {"lblCampo032", "Apparato muscolo-scheletrico:"},
          {"lblCampo033", "Apparato respiratorio:"},
          {"lblCampo034", "Apparato genito-urinario:"},
          {"lblCampo035", "Apparato cardio-circolatorio:"},
          {"lblCampo036", "Apparato digerente:"},
          {"lblCampo037", "Sistema nervoso:"},
          {"lblCampo038", "Linfonodi esplorabili:"},
          {"lblCampo039", "Cute e annessi:"},
          {"lblCampo040", "Mucose apparenti:"},
          {"lblCampo041", "Occhi:"},
          {"lblCampo042", "Orecchie:"},
          {"lblCampo043", "Denti:"},
          {"lblCampo044", "Diagnosi:"}}},
        {"decesso",
         {{"lblCampo008", "Certificato n."},
          {"lblCampo030", "Data decesso / Data eutanasia:"},
          {"lblCampo031", "Causa decesso / Eutanasia per la seguente grave malattia:"}}},
        {"eutanasia", {{"lblCampo008", "Autorizzazione n."}, {"lblCampo030", "Smaltimento salma animale:"}}},
        {"consenso", {{"lblCampo008", "Consenso n."}}},
    };
    for (const auto &[cardName, expected] : captions) {
        SCOPED_TRACE(cardName);
        for (const CardCase &c : Cards) {
            if (std::string(c.name) != cardName)
                continue;
            std::unique_ptr<CertificateCard> card(c.make());
            for (const auto &[name, text] : expected) {
                auto *caption = card->findChild<QLabel *>(name);
                ASSERT_NE(caption, nullptr) << name;
                EXPECT_EQ(caption->text(), text);
            }
            EXPECT_EQ(card->findChild<QLabel *>("titNum"), nullptr);
        }
    }
}

} // namespace
