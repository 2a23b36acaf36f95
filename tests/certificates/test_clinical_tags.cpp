// The clinical certificate cards answer the owner, animal, date and numbering windows under their own tags.
#include "tests/support/QStringPrinter.h"
#include "animals/AnimalHandBack.h"
#include "animals/AnimalRecord.h"
#include "animals/TrovaCani.h"
#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/Certificato_Decesso.h"
#include "certificates/Certificato_Malattia.h"
#include "common/ui/Widgets.h"
#include "dialogs/Calendario.h"
#include "dialogs/NumerazioneDoc.h"
#include "dialogs/ReturnToLauncher.h"
#include "owners/OwnerHandBack.h"
#include "owners/OwnerRecord.h"
#include "owners/TrovaClienti.h"
#include "tests/support/ScriptedPlatform.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct TagCase {
    std::function<std::unique_ptr<CertificateCard>()> make;
    const char *tag;
    const char *numberingCaption;
};

template <typename Card>
std::unique_ptr<CertificateCard> made()
{
    return std::make_unique<Card>();
}

} // namespace

TEST(ClinicalCards, OwnerAnimalDateAndNumberingReachTheCardOfTheirTag)
{
    const TagCase cases[] = {
        {made<TfrmCertificato_Malattia>, "certificato_malattia", " Numerazione certificati malattia"},
        {made<TfrmCertificato_Decesso>, "certificato_decesso", " Numerazione certificati decesso"},
        {made<TfrmAutorizzazione_Eutanasia>, "autorizzazione_eutanasia", " Numerazione autorizzazioni eutanasia"},
    };
    ScriptedPlatform sp;
    QWidget launcher;
    RegisterLauncher([&]() -> QWidget * { return &launcher; });
    Record owner(OwnerRecordLayout());
    owner.setText("Cliente", "Bianchi Anna");
    owner.setText("CodFisc", "BNCNNA70B41F205Y");
    Record animal(AnimalRecordLayout());
    animal.setText("Nome", "Luna");
    animal.setText("Gruppo", "Gatto");
    for (const TagCase &c : cases) {
        SCOPED_TRACE(c.tag);
        std::unique_ptr<CertificateCard> card = c.make();
        card->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(card.get()));

        sp.onModal = [&](QWidget *w) {
            auto *search = qobject_cast<TfrmTrovaClienti *>(w);
            ASSERT_NE(search, nullptr);
            EXPECT_EQ(search->contextTag(), c.tag);
            OwnerHandBack(search->contextTag(), owner, 1);
        };
        QTest::mouseClick(card->impProprietario, Qt::LeftButton);
        EXPECT_EQ(card->edit("Proprietario")->text(), "Bianchi Anna");
        EXPECT_EQ(card->edit("CodFisc")->text(), "BNCNNA70B41F205Y");

        sp.onModal = [&](QWidget *w) {
            auto *search = qobject_cast<TfrmTrovaCani *>(w);
            ASSERT_NE(search, nullptr);
            AnimalHandBack(QString::fromLatin1(c.tag), animal, 1);
        };
        QTest::mouseClick(card->impNomeAni, Qt::LeftButton);
        EXPECT_EQ(card->edit("NomeAni")->text(), "Luna");
        EXPECT_EQ(card->edit("Specie")->text(), "Gatto");

        sp.onModal = [&](QWidget *w) {
            auto *picker = qobject_cast<TfrmCalendario *>(w);
            ASSERT_NE(picker, nullptr);
            EXPECT_EQ(picker->lblMemory->text(), QString::fromLatin1(c.tag) + "_data");
            picker->calAppuntamenti->setSelectedDate(QDate(2027, 1, 5));
            QTest::mouseClick(picker->btnImportaData, Qt::LeftButton);
        };
        card->edit("Data")->setFocus();
        QTest::keyClick(card->edit("Data"), Qt::Key_X);
        EXPECT_EQ(card->edit("Data")->text(), "05/01/2027");

        sp.onModal = [&](QWidget *w) {
            auto *numbering = qobject_cast<TfrmNumerazioneDoc *>(w);
            ASSERT_NE(numbering, nullptr);
            EXPECT_EQ(numbering->lblMemory->text(), c.tag);
            EXPECT_EQ(numbering->windowTitle(), c.numberingCaption);
        };
        sp.clear();
        QTest::mouseClick(card->cmdNumerazione, Qt::LeftButton);
        EXPECT_EQ(sp.callsOf("modal").size(), 1u);
        sp.onModal = nullptr;
    }
    RegisterLauncher([]() -> QWidget * { return nullptr; });
}
