#include "dialogs/CodFisc.h"
#include "dialogs/PartitaIVA.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString TaxCodeLength =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString TaxCodeValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString TaxCodeWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
const QString VatLength = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString VatWrong = QStringLiteral(
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");

QString VatValid(const QString &office)
{
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                          "E' stato rilasciato dall'Ufficio IVA del Comune di ")
        + office + u'.';
}

} // namespace

TEST(TaxCode, ControlCharacter)
{
    struct Case { QString code; bool valid; } cases[] = {
        {"XYZXYZ80T01L219H", true},
        {"RSSMRA85M01H501Q", true},
        {"XYZXYZ80T01L219A", false},
        // Characters the tables have no value for are judged, never looked up.
        {"XYZXYZ80T01L21#H", false},   // below "0"
        {"XYZXYZ80T01L21[H", false},   // just past "Z"
        {"xyzxyz80t01l219h", false},   // lower case: the dialog upper-cases before checking
        {QStringLiteral("XYZXYZ80T01L21ÀH"), false},
        {"XYZXYZ80T01L219h", false},   // the control character must be a capital letter
        {"XYZXYZ80T01L2197", false},
        // Any other length is refused.
        {"XYZXYZ80T01L219", false},
        {"XYZXYZ80T01L219HH", false},
        {"", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CheckTaxCode(c.code), c.valid) << c.code.toStdString();
}

TEST(VatNumber, ControlDigit)
{
    struct Case { QString number; bool valid; } cases[] = {
        {"00000000000", true},
        {"01234560017", true},
        {"98765431204", true},
        {"01234560018", false},   // control digit changed
        {"01234570017", false},   // a doubled position changed
        {"11234560017", false},   // a plain position changed
        {"0123456001A", false},
        {"A1234560017", false},
        {" 1234560017", false},
        {QStringLiteral("٠١٢٣٤٥٦٠٠١٧"), false},  // digits, but not "0" to "9"
        {"0123456001", false},
        {"012345600170", false},
        {"", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CheckVatNumber(c.number), c.valid) << c.number.toStdString();
}

TEST(VatNumber, OfficeByExactCode)
{
    struct Case { QString code; QString name; } cases[] = {
        {"001", "Torino"},
        {"040", QStringLiteral("Forlì")},
        {"096", "Monza (Milano 2)"},
        {"101", "Bologna 2"},
        {"120", "Bologna 2"},
        {"121", "Napoli 2"},
        {"103", ""},
        {"119", ""},
        {"000", ""},
        {"1", ""},
        {" 01", ""},
        {"0010", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(VatOfficeName(c.code), c.name) << c.code.toStdString();
}

// A card's check command opens the right dialog with the trimmed field; "Controlla" gives the
// notice and closes the dialog after a verdict, or leaves it open with the focus in the edit
// after a length warning. The dialog is destroyed afterwards and the field is never written.
TEST(CheckDialogs, CardCommandsOpenTheRightDialogAndGiveTheVerdict)
{
    enum Command { TaxCodeCommand, VatCommand };
    struct Case {
        Command command;
        QString field;
        const char *dialogClass;
        QString editText;
        QString kind;
        QString notice;
        bool staysOpen;
    } cases[] = {
        {TaxCodeCommand, "", "TfrmCodFisc", "", "warning", TaxCodeLength, true},
        {TaxCodeCommand, "  12345X ", "TfrmCodFisc", "12345X", "warning", TaxCodeLength, true},
        {TaxCodeCommand, "123", "TfrmPartitaIva", "123", "warning", VatLength, true},
        {TaxCodeCommand, " 01234560017\t", "TfrmPartitaIva", "01234560017", "information", VatValid("Torino"), false},
        // Put in by the card in lower case: left as it is, upper-cased by "Controlla".
        {TaxCodeCommand, "xyzxyz80t01l219h", "TfrmCodFisc", "xyzxyz80t01l219h", "information", TaxCodeValid, false},
        {TaxCodeCommand, "XYZXYZ80T01L219A", "TfrmCodFisc", "XYZXYZ80T01L219A", "warning", TaxCodeWrong, false},
        {TaxCodeCommand, "XYZXYZ80T01L21#H", "TfrmCodFisc", "XYZXYZ80T01L21#H", "warning", TaxCodeWrong, false},
        // A code longer than the typing limit, put in by the card, is not cut: it fails the length test.
        {TaxCodeCommand, "XYZXYZ80T01L219HX", "TfrmCodFisc", "XYZXYZ80T01L219HX", "warning", TaxCodeLength, true},
        // The VAT command goes to the VAT dialog whatever the field holds.
        {VatCommand, "", "TfrmPartitaIva", "", "warning", VatLength, true},
        {VatCommand, "00000000000", "TfrmPartitaIva", "00000000000", "information", VatValid(""), false},
        {VatCommand, "98765431204", "TfrmPartitaIva", "98765431204", "information", VatValid("Bologna 2"), false},
        {VatCommand, "0123456001A", "TfrmPartitaIva", "0123456001A", "warning", VatWrong, false},
        {VatCommand, "01234560018", "TfrmPartitaIva", "01234560018", "warning", VatWrong, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.field.toStdString());
        ScriptedPlatform platform;
        QWidget card;
        QPointer<QWidget> opened;
        bool ranScript = false;
        platform.onModal = [&](QWidget *w) {
            ranScript = true;
            opened = w;
            ASSERT_STREQ(w->metaObject()->className(), c.dialogClass);
            EXPECT_EQ(w->parentWidget(), &card);
            auto *edit = w->findChild<QLineEdit *>(qobject_cast<TfrmCodFisc *>(w) ? "txtCodFisc" : "txtPartitaIva");
            ASSERT_TRUE(edit);
            EXPECT_EQ(edit->text(), c.editText);
            ASSERT_TRUE(WaitActive(w));
            QTest::mouseClick(w->findChild<QPushButton *>("btnControlla"), Qt::LeftButton);
            ASSERT_EQ(platform.callsOf(c.kind).size(), 1u);
            EXPECT_EQ(platform.callsOf(c.kind)[0].text, c.notice);
            EXPECT_EQ(platform.messages().size(), 1);
            EXPECT_EQ(w->isVisible(), c.staysOpen);
            if (c.staysOpen) {
                EXPECT_TRUE(edit->hasFocus());
            }
        };
        if (c.command == TaxCodeCommand)
            OpenTaxCodeCheck(&card, c.field);
        else
            OpenVatCheck(&card, c.field);
        EXPECT_TRUE(ranScript);
        EXPECT_TRUE(opened.isNull()) << "the dialog is destroyed when it closes";
        EXPECT_EQ(platform.callsOf("modal").size(), 1u);
    }
}

TEST(CheckDialogs, TypingRules)
{
    ScriptedPlatform platform;
    TfrmCodFisc taxDialog;
    taxDialog.show();
    ASSERT_TRUE(WaitActive(&taxDialog));
    ASSERT_TRUE(taxDialog.txtCodFisc->hasFocus());
    QTest::keyClicks(taxDialog.txtCodFisc, " xyz");
    EXPECT_EQ(taxDialog.txtCodFisc->text(), "XYZ");
    QTest::keyClicks(taxDialog.txtCodFisc, "xyz80t01l219hQ");  // the 17th character is refused
    EXPECT_EQ(taxDialog.txtCodFisc->text(), "XYZXYZ80T01L219H");
    // Text set by the program is neither cut nor upper-cased, and typing adds nothing to it.
    taxDialog.txtCodFisc->setText("xyzxyz80t01l219h-too-long");
    EXPECT_EQ(taxDialog.txtCodFisc->text(), "xyzxyz80t01l219h-too-long");
    taxDialog.txtCodFisc->end(false);
    QTest::keyClicks(taxDialog.txtCodFisc, "k");
    EXPECT_EQ(taxDialog.txtCodFisc->text().size(), 25);
    taxDialog.close();

    TfrmPartitaIva vatDialog;
    vatDialog.show();
    ASSERT_TRUE(WaitActive(&vatDialog));
    ASSERT_TRUE(vatDialog.txtPartitaIva->hasFocus());
    QTest::keyClicks(vatDialog.txtPartitaIva, "01a2 -3x");
    EXPECT_EQ(vatDialog.txtPartitaIva->text(), "0123");
    QTest::keyClicks(vatDialog.txtPartitaIva, "45600179");  // the 12th digit is refused
    EXPECT_EQ(vatDialog.txtPartitaIva->text(), "01234560017");
    QTest::keyClick(vatDialog.txtPartitaIva, Qt::Key_Backspace);
    EXPECT_EQ(vatDialog.txtPartitaIva->text(), "0123456001");
    vatDialog.txtPartitaIva->setText("0123456001AB");
    EXPECT_EQ(vatDialog.txtPartitaIva->text(), "0123456001AB");
    EXPECT_TRUE(platform.calls.empty());
}

TEST(CheckDialogs, FrameAndControls)
{
    ScriptedPlatform platform;
    TfrmCodFisc taxDialog;
    TfrmPartitaIva vatDialog;
    struct Case {
        CheckDialog *dialog;
        QLineEdit *edit;
        const char *name;
        const char *editName;
        const char *caption;
        QSize client;
        const char *prompt;
    } cases[] = {
        {&taxDialog, taxDialog.txtCodFisc, "frmCodFisc", "txtCodFisc", " Controllo codice fiscale", QSize(478, 254),
         "Immettere il codice fiscale e premere il pulsante di controllo."},
        {&vatDialog, vatDialog.txtPartitaIva, "frmPartitaIva", "txtPartitaIva", " Controllo partita IVA",
         QSize(480, 254), "Immettere il numero di partita IVA e premere il pulsante di controllo."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.dialog->objectName(), c.name);
        EXPECT_EQ(c.edit->objectName(), c.editName);
        EXPECT_EQ(c.dialog->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(c.dialog->size(), c.client);
        EXPECT_EQ(c.dialog->minimumSize(), c.client);
        EXPECT_EQ(c.dialog->maximumSize(), c.client);
        EXPECT_FALSE(c.dialog->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_EQ(c.dialog->lblTitolo->text(), QString::fromUtf8(c.prompt));
        EXPECT_EQ(c.dialog->btnControlla->text(), "Controlla");
        EXPECT_EQ(c.dialog->btnChiudi->text(), "Chiudi");
        EXPECT_EQ(c.edit->font().family(), "Courier New");
        EXPECT_EQ(c.edit->font().pointSize(), 20);
        EXPECT_TRUE(c.edit->font().bold());
    }
    EXPECT_TRUE(platform.calls.empty());
}

// Enter in the edit only moves the focus to "Controlla"; Enter on "Controlla" presses it.
TEST(CheckDialogs, EnterMovesToControllaWithoutPressingIt)
{
    ScriptedPlatform platform;
    TfrmCodFisc dialog;
    dialog.show();
    ASSERT_TRUE(WaitActive(&dialog));
    QTest::keyClicks(dialog.txtCodFisc, "abc");
    QTest::keyClick(dialog.txtCodFisc, Qt::Key_Return);
    EXPECT_TRUE(dialog.btnControlla->hasFocus());
    EXPECT_TRUE(platform.calls.empty());
    EXPECT_TRUE(dialog.isVisible());

    QTest::keyClick(dialog.btnControlla, Qt::Key_Return);
    EXPECT_EQ(platform.messages(), QStringList{TaxCodeLength});
    EXPECT_TRUE(dialog.txtCodFisc->hasFocus());
    EXPECT_TRUE(dialog.isVisible());

    QTest::keyClick(dialog.txtCodFisc, Qt::Key_Enter);  // the keypad's Enter as well
    EXPECT_TRUE(dialog.btnControlla->hasFocus());
    EXPECT_EQ(platform.messages().size(), 1);

    QTest::mouseClick(dialog.btnChiudi, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(platform.messages().size(), 1);
}
