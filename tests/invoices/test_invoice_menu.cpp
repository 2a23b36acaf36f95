#include "InvoiceFixture.h"

#include "common/Dates.h"
#include "tests/support/QStringPrinter.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

const QString FourDigits = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

class InvoiceMenu : public InvoiceWindows {
protected:
    void SetUp() override
    {
        InvoiceWindows::SetUp();
        menu->show();
        ASSERT_TRUE(WaitActive(menu));
    }
};

TEST_F(InvoiceMenu, ShowingPutsTheCurrentYearInTheBoxWithTheFocus)
{
    EXPECT_EQ(menu->txtAnnoFatture->text(), "2026");
    EXPECT_EQ(menu->lblMemory->text(), "avvio");
    EXPECT_EQ(focused(), "txtAnnoFatture");
    // Letters and blanks are swallowed; Enter only moves to "Apri".
    menu->txtAnnoFatture->clear();
    QTest::keyClicks(menu->txtAnnoFatture, "20a2 4-5");
    EXPECT_EQ(menu->txtAnnoFatture->text(), "2024");
    QTest::keyClick(menu->txtAnnoFatture, Qt::Key_Return);
    EXPECT_EQ(focused(), "btnApriFatture");
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(card->isVisible());
    // A second Enter presses the focused "Apri": the keyboard alone opens the year.
    QTest::keyClick(menu->btnApriFatture, Qt::Key_Return);
    EXPECT_EQ(card->lblAnno->text(), "2024");
    EXPECT_TRUE(card->isVisible());
}

TEST_F(InvoiceMenu, OnlyFourAsciiDigitsOpenTheCardOnThatYearsArchive)
{
    const struct {
        QString year;
        bool accepted;
    } cases[] = {
        {"2024", true},
        {"0000", true},
        {"", false},
        {"202", false},
        {"20245", false},
        {" 2024", false},
        {"202 ", false},
        {"../2", false},
        {"20/4", false},
        {QString::fromUtf8("２０２４"), false},  // full-width digits
        {QString::fromUtf8("٢٠٢٤"), false},      // Arabic-Indic digits
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.year.toStdString());
        EXPECT_EQ(IsFourDigitYearText(c.year), c.accepted);
        card->lblFile->setText("prima");
        card->lblAnno->setText("prima");
        card->hide();
        menu->show();
        menu->btnApriFatture->setFocus();
        sp.clear();
        menu->txtAnnoFatture->setText(c.year);  // as a paste or a program would put it there
        QTest::mouseClick(menu->btnApriFatture, Qt::LeftButton);
        if (c.accepted) {
            EXPECT_TRUE(sp.messages().isEmpty());
            EXPECT_EQ(card->lblFile->text(), sp.folder() + c.year + ".fat");
            EXPECT_EQ(card->lblAnno->text(), c.year);
            EXPECT_EQ(card->windowTitle(), " Tavoren - Archivio fatture proforma anno " + c.year);
            EXPECT_TRUE(card->isVisible());
            EXPECT_FALSE(menu->isVisible());
            EXPECT_FALSE(QFile::exists(card->lblFile->text())) << "the menu creates no archive";
        } else {
            EXPECT_EQ(sp.messages(), QStringList{FourDigits});
            EXPECT_EQ(card->lblFile->text(), "prima");
            EXPECT_EQ(card->lblAnno->text(), "prima");
            EXPECT_TRUE(menu->isVisible());
            EXPECT_FALSE(card->isVisible());
            EXPECT_EQ(menu->focusWidget(), menu->txtAnnoFatture);
        }
    }
}

TEST_F(InvoiceMenu, LeavingShowsTheLauncherAndNextShowingStartsAfresh)
{
    menu->txtAnnoFatture->setText("1999");
    QTest::mouseClick(menu->imgEsci, Qt::LeftButton);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(launcher->isVisible());
    EXPECT_FALSE(card->isVisible());

    menu->show();
    EXPECT_EQ(menu->txtAnnoFatture->text(), "2026");
    menu->close();  // the close box
    EXPECT_TRUE(launcher->isVisible());
}

} // namespace
