#include "tests/support/QStringPrinter.h"
#include "pricelist/Giacenza.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The dialog as the card opens it, writing into a stand-in for the card's stock edit.
class StockDialog : public ::testing::Test {
protected:
    void open(bool add, const QString &stock)
    {
        dialog = std::make_unique<TfrmGiacenza>();
        dialog->lblAggiunta->setText(add ? TfrmGiacenza::AddCaption() : TfrmGiacenza::SubtractCaption());
        dialog->txtGiacenza->setText(stock);
        dialog->txtTotale->setText(stock);
        dialog->txtAggiunta->setText("0");
        dialog->target = &cardStock;
        cardStock.setText(stock);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void type(QLineEdit *e, const QString &text)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }

    QLineEdit cardStock;
    std::unique_ptr<TfrmGiacenza> dialog;
};

TEST_F(StockDialog, TotalAddsOrSubtracts)
{
    const struct {
        bool add;
        const char *stock;
        const char *quantity;
        const char *total;
    } cases[] = {
        {true, "10", "5", "15"}, {false, "10", "15", "-5"}, {false, "2", "5", "-3"}, {true, "10", "", "10"},
        {true, "", "4", "4"},    {false, "0", "0", "0"},
    };
    for (const auto &c : cases) {
        open(c.add, "0");
        dialog->txtGiacenza->setText(c.stock);
        dialog->txtAggiunta->setText(c.quantity);
        QTest::mouseClick(dialog->btnTotale, Qt::LeftButton);
        EXPECT_EQ(dialog->txtTotale->text(), c.total) << c.stock << (c.add ? " + " : " - ") << c.quantity;
        EXPECT_EQ(cardStock.text(), "0") << "only Applica e chiudi writes the card";
    }
    // A text that is no number sets all three edits to 0.
    open(true, "10");
    dialog->txtAggiunta->setText("1,2,3");
    dialog->btnTotaleClick();
    EXPECT_EQ(dialog->txtGiacenza->text() + dialog->txtAggiunta->text() + dialog->txtTotale->text(), "000");
}

TEST_F(StockDialog, ApplyWorksTheTotalOutAgainAndWritesTheCard)
{
    open(true, "10");
    type(dialog->txtAggiunta, "4");
    QTest::mouseClick(dialog->btnAggiorna, Qt::LeftButton);
    EXPECT_EQ(cardStock.text(), "14") << "not the preloaded 10";
    EXPECT_FALSE(dialog->isVisible());

    // A current stock changed in the dialog counts, and a negative total reaches the card.
    open(false, "10");
    type(dialog->txtGiacenza, "3");
    type(dialog->txtAggiunta, "15");
    QTest::mouseClick(dialog->btnAggiorna, Qt::LeftButton);
    EXPECT_EQ(cardStock.text(), "-12");

    // Annulla after Calcola totale leaves the card as it was.
    open(true, "10");
    type(dialog->txtAggiunta, "5");
    QTest::mouseClick(dialog->btnTotale, Qt::LeftButton);
    EXPECT_EQ(dialog->txtTotale->text(), "15");
    QTest::mouseClick(dialog->btnChiudi, Qt::LeftButton);
    EXPECT_EQ(cardStock.text(), "10");
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(StockDialog, KeysAndExitRule)
{
    open(true, "10");
    EXPECT_EQ(dialog->windowTitle(), " Aggiornamento giacenza");
    // Digits only; Enter walks stock, quantity, "Calcola totale".
    type(dialog->txtGiacenza, "-1,2a3");
    EXPECT_EQ(dialog->txtGiacenza->text(), "123");
    QTest::keyClick(dialog->txtGiacenza, Qt::Key_Return);
    EXPECT_TRUE(dialog->txtAggiunta->hasFocus());
    QTest::keyClick(dialog->txtAggiunta, Qt::Key_Return);
    EXPECT_TRUE(dialog->btnTotale->hasFocus());
    EXPECT_EQ(dialog->txtTotale->text(), "10") << "Enter does not press the button";

    // Leaving an edit: blank becomes 0, 007 becomes 7.
    type(dialog->txtAggiunta, "");
    dialog->txtGiacenza->setFocus();
    EXPECT_EQ(dialog->txtAggiunta->text(), "0");
    type(dialog->txtGiacenza, "007");
    dialog->txtAggiunta->setFocus();
    EXPECT_EQ(dialog->txtGiacenza->text(), "7");

    // Another window taking the focus runs no exit rule.
    type(dialog->txtAggiunta, "0012");
    QFocusEvent windowLeft(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(dialog->txtAggiunta, &windowLeft);
    EXPECT_EQ(dialog->txtAggiunta->text(), "0012");

    // A key in an edit holding more than 15 characters empties that edit only.
    dialog->txtGiacenza->setFocus();
    dialog->txtGiacenza->setText(QString(16, '9'));
    dialog->txtAggiunta->setText(QString(16, '8'));
    dialog->txtGiacenza->end(false);
    QTest::keyClick(dialog->txtGiacenza, Qt::Key_Backspace);
    EXPECT_EQ(dialog->txtGiacenza->text(), QString(15, '9')) << "editing keys are left to the edit";
    dialog->txtGiacenza->setText(QString(16, '9'));
    QTest::keyClick(dialog->txtGiacenza, Qt::Key_5);
    EXPECT_EQ(dialog->txtGiacenza->text(), "5");
    dialog->txtGiacenza->setText(QString(16, '9'));
    QTest::keyClick(dialog->txtGiacenza, Qt::Key_A);
    EXPECT_EQ(dialog->txtGiacenza->text(), "") << "a swallowed key empties it as well";
    EXPECT_EQ(dialog->txtAggiunta->text(), QString(16, '8'));
}

} // namespace
