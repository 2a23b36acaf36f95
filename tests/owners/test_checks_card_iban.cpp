#include "common/ui/Widgets.h"
#include "owners/Carta.h"
#include "owners/Clienti.h"
#include "owners/Iban.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString CardEmpty = QStringLiteral(
    "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.");
const QString CardWrong = QStringLiteral(
    "Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative al tipo di carta di credito.");
const QString IbanLength = QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString IbanValid = QStringLiteral("L'IBAN digitato è VALIDO.");
const QString IbanWrong = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");

QString CardValid(const QString &number, const QString &type)
{
    return QStringLiteral("Il numero di carta di credito ") + number
           + QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito è del tipo ") + type + u'.';
}

QString CardOfNoType(const QString &number)
{
    return QStringLiteral("Il numero di carta di credito ") + number
           + QStringLiteral(" risulta valido.\r\n\r\nNon è possibile stabilire il tipo di carta di credito.");
}

const QString ItalianIban = QStringLiteral("IT60X0542811101000000123456");

} // namespace

TEST(CardNumber, LuhnOverTheDigitsOfTheFirstTwentyCharacters)
{
    struct Case { QString text; int result; } cases[] = {
        // Published test numbers of each type, and the same with one digit changed.
        {"4111111111111111", 2},
        {"4012888888881881", 2},
        {"4111111111111112", 0},
        {"5555555555554444", 3},
        {"5105105105105100", 3},
        {"5105105105105101", 0},
        {"378282246310005", 1},
        {"371449635398431", 1},
        {"378282246310006", 0},
        {"30569309025904", 1},
        {"38520000023237", 1},
        {"3530111333300000", 1},
        {"3566002020360505", 1},
        {"6011111111111117", 4},
        {"6011000990139424", 4},
        {"6011111111111118", 0},
        {"6111111111111117", 0},   // a digit that is not the check digit changed
        // The first digit's code minus that of "2", right check digit or not.
        {"2221000000000009", 0},
        {"7000000000000005", 5},
        {"8000000000000003", 6},
        {"9000000000000001", 7},
        {"0111111111111119", -2},
        {"1111111111111117", -1},
        {"0", -2},
        // Blanks, dashes and other characters are no digits; only the first 20 characters count.
        {"4111-1111 1111-1111", 2},
        {"3 78282246310005", 1},
        {"    4111111111111111", 2},
        {"     4111111111111111", 0},      // the check digit is the 21st character
        {"4111 - 1111 - 1111 - 1111", 0},
        {"4111111111111111----" + QString(40, u'9'), 2},
        {QStringLiteral("٤111111111111111"), 0},  // a digit, but not "0" to "9"
        {"", 0},
        {"nessuna cifra", 0},
        {QString(100000, u'9'), 7},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CheckCardNumber(c.text), c.result) << c.text.left(40).toStdString();
}

TEST(Iban, RemainderOfTheCheck)
{
    // A published IBAN with zeros put after its first four characters: the number it stands
    // for does not change, however long it grows.
    const QString longValid = ItalianIban.left(4) + QString(100000, u'0') + ItalianIban.mid(4);
    struct Case { QString text; int remainder; bool valid; } cases[] = {
        {ItalianIban, 1, true},
        {"it60x0542811101000000123456", 1, true},
        {"FR1420041010050500013M02606", 1, true},
        {"GR1601101250000000012300695", 1, true},
        {"MC5811222000010123456789030", 1, true},
        {"IT61X0542811101000000123456", 2, false},   // check digits changed
        {"IT60X0542811101000000123457", 28, false},  // last digit changed
        {"IBAN IT60X0542811101000000123456", 0, true},   // the blank counts until the check drops it
        {"iban" + ItalianIban, 1, true},
        {"IT60 X054 2811 1010 0000 0123 456", 0, true},  // the check itself drops the blanks
        {"IT60X054281110-000000123456", 0, false},
        {QStringLiteral("IT60X054281110À000000123456"), 0, false},
        {"", 0, false},
        {"IT6", 60, false},
        {longValid, 1, true},
        {longValid + u'!', 0, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(IbanMod97(c.text), c.remainder) << c.text.left(40).toStdString();
        EXPECT_EQ(CheckIban(c.text), c.valid) << c.text.left(40).toStdString();
    }
    EXPECT_EQ(IbanLettersToDigits("AZ09-b"), "103509-b");
}

// The owner card, shown as the launcher shows it, over its own program folder.
class PaymentChecks : public ::testing::Test {
protected:
    void SetUp() override
    {
        card = std::make_unique<TfrmClienti>();
        card->show();
        ASSERT_TRUE(WaitActive(card.get()));
    }

    ScriptedPlatform sp;
    std::unique_ptr<TfrmClienti> card;
};

// The card's check command opens its dialog, owned by the card, with the trimmed field in the
// edit; "Controlla" gives the notice and closes the dialog after a verdict, or leaves it open
// with the focus in the edit after a warning. The dialog is destroyed and the field not written.
TEST_F(PaymentChecks, OwnerCardCommandsOpenTheDialogAndGiveTheVerdict)
{
    enum Command { Card, Iban };
    struct Case {
        Command command;
        QString field;
        QString editText;
        QString kind;
        QString notice;
        bool staysOpen;
    } cases[] = {
        {Card, "", "", "warning", CardEmpty, true},
        {Card, " \t ", "", "warning", CardEmpty, true},
        {Card, " 4111111111111111 ", "4111111111111111", "information", CardValid("4111111111111111", "Visa"), false},
        {Card, "4111111111111112", "4111111111111112", "warning", CardWrong, false},
        {Card, "5555555555554444", "5555555555554444", "information", CardValid("5555555555554444", "MasterCard"), false},
        {Card, "6011111111111117", "6011111111111117", "information", CardValid("6011111111111117", "Discover"), false},
        {Card, "378282246310005", "378282246310005", "information", CardValid("378282246310005", "American Express"), false},
        {Card, "340000000000009", "340000000000009", "information", CardValid("340000000000009", "American Express"), false},
        {Card, "30569309025904", "30569309025904", "information",
         CardValid("30569309025904", "Diner's Club / Carte Blanche"), false},
        {Card, "36227206271667", "36227206271667", "information",
         CardValid("36227206271667", "Diner's Club / Carte Blanche"), false},
        {Card, "38520000023237", "38520000023237", "information",
         CardValid("38520000023237", "Diner's Club / Carte Blanche"), false},
        {Card, "3530111333300000", "3530111333300000", "information", CardValid("3530111333300000", "JCB"), false},
        {Card, "3100000000000003", "3100000000000003", "information", CardValid("3100000000000003", "JCB"), false},
        {Card, "3300000000000001", "3300000000000001", "information", CardValid("3300000000000001", "JCB"), false},
        // The type comes from the first two characters of the text, not from the digits.
        {Card, "3 78282246310005", "3 78282246310005", "information", CardOfNoType("3 78282246310005"), false},
        {Card, "3222222222222222", "3222222222222222", "information", CardOfNoType("3222222222222222"), false},
        {Card, "4111-1111 1111-1111", "4111-1111 1111-1111", "information",
         CardValid("4111-1111 1111-1111", "Visa"), false},
        // Right check digit, but a first digit that names no card.
        {Card, "2221000000000009", "2221000000000009", "warning", CardWrong, false},
        {Card, "7000000000000005", "7000000000000005", "warning", CardWrong, false},
        {Card, "0111111111111119", "0111111111111119", "warning", CardWrong, false},
        {Card, "1111111111111117", "1111111111111117", "warning", CardWrong, false},
        {Card, "letters only", "letters only", "warning", CardWrong, false},
        // Longer than the field's capacity: what follows the 20th character is not read.
        {Card, "4111111111111111----" + QString(40, u'9'), "4111111111111111----" + QString(40, u'9'), "information",
         CardValid("4111111111111111----" + QString(40, u'9'), "Visa"), false},

        {Iban, ItalianIban, ItalianIban, "information", IbanValid, false},
        {Iban, " it60x0542811101000000123456 ", "it60x0542811101000000123456", "information", IbanValid, false},
        {Iban, "FR1420041010050500013M02606", "FR1420041010050500013M02606", "information", IbanValid, false},
        {Iban, "IT61X0542811101000000123456", "IT61X0542811101000000123456", "warning", IbanWrong, false},
        {Iban, "IT60X054281110-000000123456", "IT60X054281110-000000123456", "warning", IbanWrong, false},
        {Iban, "IT60 X054 2811 1010 0000 0123 456", "IT60 X054 2811 1010 0000 0123 456", "warning", IbanLength, true},
        {Iban, "", "", "warning", IbanLength, true},
        {Iban, ItalianIban + u'7', ItalianIban + u'7', "warning", IbanLength, true},
        {Iban, ItalianIban + QString(5000, u'9'), ItalianIban + QString(5000, u'9'), "warning", IbanLength, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.field.left(40).toStdString());
        sp.clear();
        QLineEdit *field = c.command == Card ? card->txtCarta : card->txtIban;
        field->setText(c.field);
        QPointer<QWidget> opened;
        sp.onModal = [&](QWidget *w) {
            opened = w;
            ASSERT_STREQ(w->metaObject()->className(), c.command == Card ? "TfrmCarta" : "TfrmIban");
            EXPECT_EQ(w->parentWidget(), card.get());
            auto *edit = w->findChild<QLineEdit *>(c.command == Card ? "txtNumero" : "txtIban");
            ASSERT_TRUE(edit);
            EXPECT_EQ(edit->text(), c.editText);
            ASSERT_TRUE(WaitActive(w));
            // The window system activates the dialog a little after its window.
            EXPECT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }, 2000));
            QTest::mouseClick(w->findChild<QPushButton *>("btnControlla"), Qt::LeftButton);
            EXPECT_EQ(sp.messages(), QStringList{c.notice});
            EXPECT_EQ(sp.callsOf(c.kind).size(), 1u);
            EXPECT_EQ(w->isVisible(), c.staysOpen);
            if (c.staysOpen) {
                EXPECT_TRUE(edit->hasFocus());
            }
        };
        QTest::mouseClick(c.command == Card ? card->btnCarta : card->btnIban, Qt::LeftButton);
        EXPECT_EQ(sp.callsOf("modal").size(), 1u);
        EXPECT_TRUE(opened.isNull()) << "the dialog is destroyed when it closes";
        EXPECT_EQ(field->text(), c.field);
    }
}

TEST(PaymentCheckDialogs, FrameAndControls)
{
    ScriptedPlatform sp;
    TfrmCarta cardDialog;
    TfrmIban ibanDialog;
    struct Case {
        CheckDialog *dialog;
        QLineEdit *edit;
        const char *name;
        const char *caption;
        QSize client;
        const char *prompt;
    } cases[] = {
        {&cardDialog, cardDialog.txtNumero, "frmCarta", " Controllo carta di credito", QSize(519, 254),
         "Immettere il numero di carta di credito e premere il pulsante di controllo."},
        {&ibanDialog, ibanDialog.txtIban, "frmIban", " Controllo IBAN", QSize(608, 270),
         "Immettere l'IBAN e premere il pulsante di controllo."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.dialog->objectName(), c.name);
        EXPECT_EQ(c.dialog->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(c.dialog->size(), c.client);
        EXPECT_EQ(c.dialog->minimumSize(), c.client);
        EXPECT_EQ(c.dialog->maximumSize(), c.client);
        EXPECT_EQ(c.dialog->lblTitolo->text(), QString::fromUtf8(c.prompt));
        EXPECT_EQ(c.dialog->btnControlla->text(), "Controlla");
        EXPECT_EQ(c.dialog->btnChiudi->text(), "Chiudi");
        EXPECT_EQ(c.edit->font().family(), "Courier New");
        EXPECT_EQ(c.edit->font().pointSize(), 20);
        EXPECT_FALSE(c.edit->font().bold());
        EXPECT_FALSE(c.dialog->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_TRUE(c.dialog->rect().contains(c.dialog->btnChiudi->geometry()));

        // Shown: the heading is drawn, the focus is in the edit, Enter there moves it to
        // "Controlla" without pressing it, and "Chiudi" closes without a word.
        c.dialog->show();
        ASSERT_TRUE(WaitActive(c.dialog));
        EXPECT_FALSE(c.dialog->imgLogo->pixmap().isNull());
        EXPECT_TRUE(c.edit->hasFocus());
        QTest::keyClick(c.edit, Qt::Key_Return);
        EXPECT_TRUE(c.dialog->btnControlla->hasFocus());
        EXPECT_TRUE(c.dialog->isVisible());
        QTest::mouseClick(c.dialog->btnChiudi, Qt::LeftButton);
        EXPECT_FALSE(c.dialog->isVisible());
    }
    EXPECT_TRUE(sp.calls.empty());
}

TEST(PaymentCheckDialogs, TypingRules)
{
    ScriptedPlatform sp;
    TfrmCarta cardDialog;
    cardDialog.show();
    ASSERT_TRUE(WaitActive(&cardDialog));
    // Digits only, blanks included, and no more than 30.
    QTest::keyClicks(cardDialog.txtNumero, " 4111 abc-1111");
    EXPECT_EQ(cardDialog.txtNumero->text(), "41111111");
    QTest::keyClicks(cardDialog.txtNumero, QString(30, u'2'));
    EXPECT_EQ(cardDialog.txtNumero->text(), "41111111" + QString(22, u'2'));
    QTest::keyClick(cardDialog.txtNumero, Qt::Key_Backspace);
    EXPECT_EQ(cardDialog.txtNumero->text().size(), 29);
    // Text put in by the program is neither filtered nor cut.
    cardDialog.txtNumero->setText("4111-1111-1111-1111-1111-1111-99");
    EXPECT_EQ(cardDialog.txtNumero->text().size(), 32);

    TfrmIban ibanDialog;
    ibanDialog.show();
    ASSERT_TRUE(WaitActive(&ibanDialog));
    // Any character, upper-cased and trimmed at every key, and no more than 27.
    QTest::keyClicks(ibanDialog.txtIban, " it60 x-");
    EXPECT_EQ(ibanDialog.txtIban->text(), "IT60X-");
    ibanDialog.txtIban->clear();
    QTest::keyClicks(ibanDialog.txtIban, "it60x0542811101000000123456789");
    EXPECT_EQ(ibanDialog.txtIban->text(), ItalianIban);
    // Typed, then checked with the keyboard alone.
    QTest::keyClick(ibanDialog.txtIban, Qt::Key_Return);
    QTest::keyClick(ibanDialog.btnControlla, Qt::Key_Return);
    EXPECT_EQ(sp.messages(), QStringList{IbanValid});
    EXPECT_FALSE(ibanDialog.isVisible());
}
