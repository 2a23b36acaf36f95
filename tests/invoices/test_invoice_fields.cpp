#include "InvoiceFixture.h"

#include "common/ui/RecordCard.h"
#include "tests/support/QStringPrinter.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QSet>

#include <string>
#include <vector>

namespace {

class InvoiceFields : public InvoiceWindows {
protected:
    // Every field with a highlight of its own: the head and foot, then the thirty lines.
    std::vector<QWidget *> highlightedFields() const
    {
        std::vector<QWidget *> fields{
            card->txtDitta,      card->txtViaDitta,     card->txtCapDitta,       card->txtCittaDitta,
            card->txtProvDitta,  card->txtIvaDitta,     card->txtCodFiscDitta,   card->txtLibero01,
            card->txtLibero02,   card->txtCliente,      card->txtViaCliente,     card->txtCapCliente,
            card->txtCittaCliente, card->txtProvCliente, card->txtIvaCliente,    card->txtCodFiscCliente,
            card->txtRiferimenti, card->txtNumFatt,     card->txtData,           card->txtPagamento,
            card->txtBanca,      card->txtIban,         card->txtNote,           card->txtPercIva,
        };
        for (size_t i = 0; i < card->txtQuant.size(); ++i)
            fields.insert(fields.end(), {card->txtQuant[i], card->txtCodice[i], card->txtDesc[i], card->txtPrezzo[i],
                                         card->txtPercSconto[i]});
        return fields;
    }
    static QWidget *highlightOf(QWidget *field)
    {
        return field->parentWidget()->findChild<QWidget *>("eff" + field->objectName().mid(3),
                                                           Qt::FindDirectChildrenOnly);
    }
    // The names of the highlights not hidden.
    QStringList shownHighlights() const
    {
        QStringList shown;
        for (QWidget *f : highlightedFields())
            if (QWidget *h = highlightOf(f); h && !h->isHidden())
                shown << h->objectName();
        return shown;
    }
    QWidget *named(const QString &name) const { return card->findChild<QWidget *>(name); }
    // Puts the focus on a field, showing the page of its line first.
    void focusOn(const QString &name)
    {
        QWidget *w = named(name);
        ASSERT_NE(w, nullptr) << name.toStdString();
        if (name.size() > 2 && name.right(2).toInt() > 0 && !name.startsWith("txtLibero"))
            card->showPage((name.right(2).toInt() - 1) / 5 + 1);
        w->setFocus();
        ASSERT_EQ(focused(), name);
    }
    void enter(Qt::Key key = Qt::Key_Return, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
        QTest::keyClick(w, key, modifiers);
    }
    void type(QWidget *w, const QString &keys)
    {
        w->setFocus();
        QTest::keyClicks(w, keys);
    }
};

TEST_F(InvoiceFields, EnterMovesTheFocusAsEachFieldNames)
{
    showCard();
    struct Step {
        const char *from;
        const char *to;
        Qt::Key key = Qt::Key_Return;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    };
    const Step steps[] = {
        // The head and foot: one closed cycle.
        {"txtDitta", "txtViaDitta"},
        {"txtViaDitta", "txtCapDitta"},
        {"txtCapDitta", "txtCittaDitta"},
        {"txtCittaDitta", "txtProvDitta"},
        {"txtProvDitta", "txtIvaDitta"},
        {"txtIvaDitta", "txtCodFiscDitta"},
        {"txtCodFiscDitta", "txtLibero01"},
        {"txtLibero01", "txtLibero02"},
        {"txtLibero02", "txtCliente"},
        {"txtCliente", "txtViaCliente"},
        {"txtViaCliente", "txtCapCliente"},
        {"txtCapCliente", "txtCittaCliente"},
        {"txtCittaCliente", "txtProvCliente"},
        {"txtProvCliente", "txtIvaCliente"},
        {"txtIvaCliente", "txtCodFiscCliente"},
        {"txtCodFiscCliente", "txtRiferimenti"},
        {"txtRiferimenti", "txtNumFatt"},
        {"txtNumFatt", "txtData"},
        {"txtData", "txtPagamento"},
        {"txtPagamento", "txtBanca"},
        {"txtBanca", "txtIban"},
        {"txtIban", "txtNote"},
        {"txtNote", "txtDitta"},
        // The VAT rate leads into the cycle.
        {"txtPercIva", "txtNote"},
        // Any form of Enter, whatever modifier is held, goes the same way.
        {"txtIban", "txtNote", Qt::Key_Enter},
        {"txtIban", "txtNote", Qt::Key_Return, Qt::ShiftModifier},
        {"txtPercIva", "txtNote", Qt::Key_Return, Qt::ControlModifier},
        {"txtQuant01", "txtCodice01", Qt::Key_Enter, Qt::KeypadModifier},
        // A line keeps to itself, from the quantity to its exemption box, on any page.
        {"txtQuant01", "txtCodice01"},
        {"txtCodice01", "txtDesc01"},
        {"txtDesc01", "txtPrezzo01"},
        {"txtPrezzo01", "txtPercSconto01"},
        {"txtPercSconto01", "chkEs01"},
        {"txtQuant17", "txtCodice17"},
        {"txtCodice17", "txtDesc17"},
        {"txtDesc17", "txtPrezzo17"},
        {"txtPrezzo17", "txtPercSconto17"},
        {"txtPercSconto17", "chkEs17"},
        {"txtPercSconto30", "chkEs30"},
        // The chain stops at the exemption box: no wrap to the quantity, no step to the next line.
        {"chkEs17", "chkEs17"},
        {"chkEs05", "chkEs05"},
        {"chkEs30", "chkEs30"},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(std::string(s.from) + " -> " + s.to);
        focusOn(s.from);
        enter(s.key, s.modifiers);
        EXPECT_EQ(focused(), s.to);
    }
}

TEST_F(InvoiceFields, EnterTwentyThreeTimesGoesRoundTheHeadAndFootOnceWithoutTouchingTheTexts)
{
    showCard();
    card->txtProvDitta->setEditText("mi");
    card->txtCliente->setText("  Rossi ");
    focusOn("txtDitta");
    QStringList visited;
    for (int i = 0; i < 23; ++i) {
        enter();
        visited << focused();
    }
    EXPECT_EQ(visited.last(), "txtDitta");
    EXPECT_EQ(QSet<QString>(visited.begin(), visited.end()).size(), 23) << visited.join(' ').toStdString();
    EXPECT_FALSE(visited.contains("txtPercIva"));
    // Passing through leaves what the program put there as it was.
    EXPECT_EQ(card->txtProvDitta->currentText(), "mi");
    EXPECT_EQ(card->txtCliente->text(), "  Rossi ");
}

TEST_F(InvoiceFields, ALineChainStaysOnItsPage)
{
    showCard();
    card->showPage(4);
    focusOn("txtQuant17");
    for (int i = 0; i < 7; ++i)
        enter();
    EXPECT_EQ(focused(), "chkEs17");
    EXPECT_FALSE(card->grpPage[3]->isHidden());
    for (int p : {0, 1, 2, 4, 5})
        EXPECT_TRUE(card->grpPage[size_t(p)]->isHidden()) << p + 1;
}

TEST_F(InvoiceFields, TypingRules)
{
    showCard();
    struct Case {
        const char *field;
        const char *keys;
        const char *typed;  // the text after the last key
        const char *left;   // the text once the focus has left
    };
    const Case cases[] = {
        // The VAT numbers take digits only.
        {"txtIvaCliente", "12a3", "123", "123"},
        {"txtIvaDitta", "0x1 2-3.", "0123", "0123"},
        // Tax codes, IBAN and provinces are trimmed and upper-cased at every key.
        {"txtCodFiscDitta", "rssmra80a01l219x", "RSSMRA80A01L219X", "RSSMRA80A01L219X"},
        {"txtCodFiscCliente", " abc ", "ABC", "ABC"},
        {"txtIban", "abc", "ABC", "ABC"},
        {"txtIban", "it60 x ", "IT60X", "IT60X"},  // a blank typed at the end goes at once
        {"txtProvDitta", "mi", "MI", "MI"},
        {"txtProvCliente", "mi", "MI", "MI"},
        {"txtProvCliente", " to", "TO", "TO"},
        {"txtProvDitta", "xyz", "XY", "XY"},  // a code outside the list is taken, two letters at most
        // Postcodes and the other texts keep what is typed, blanks and letter case included.
        {"txtCapDitta", "20a1", "20a1", "20a1"},
        {"txtCapCliente", "ab 1", "ab 1", "ab 1"},
        {"txtCliente", "  rossi ", "  rossi ", "  rossi "},
        {"txtRiferimenti", "rif. 3", "rif. 3", "rif. 3"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.field) + " <- '" + c.keys + "'");
        QWidget *w = named(c.field);
        ASSERT_NE(w, nullptr);
        if (auto *box = qobject_cast<QComboBox *>(w))
            box->setEditText(QString());
        else
            static_cast<QLineEdit *>(w)->clear();
        type(w, c.keys);
        EXPECT_EQ(ControlText(w), c.typed);
        card->txtNote->setFocus();
        EXPECT_EQ(ControlText(w), c.left);
    }
}

TEST_F(InvoiceFields, VatNumbersStillTakeTheEditingKeysAndTab)
{
    showCard();
    for (QLineEdit *vat : {card->txtIvaDitta, card->txtIvaCliente}) {
        SCOPED_TRACE(vat->objectName().toStdString());
        vat->clear();
        type(vat, "1234");
        QTest::keyClick(vat, Qt::Key_Left);
        QTest::keyClick(vat, Qt::Key_Backspace);
        EXPECT_EQ(vat->text(), "124");
        QTest::keyClick(vat, Qt::Key_Right);
        QTest::keyClick(vat, Qt::Key_Left);
        QTest::keyClick(vat, Qt::Key_Delete);
        EXPECT_EQ(vat->text(), "12");
        // Home and End do nothing: the digit goes where the caret was.
        QTest::keyClick(vat, Qt::Key_Home);
        QTest::keyClicks(vat, "5");
        EXPECT_EQ(vat->text(), "125");
        QTest::keyClick(vat, Qt::Key_Left);
        QTest::keyClick(vat, Qt::Key_End);
        QTest::keyClicks(vat, "6");
        EXPECT_EQ(vat->text(), "1265");
        // Text put there by the program is not filtered.
        vat->setText("IT 0123");
        EXPECT_EQ(vat->text(), "IT 0123");
        QTest::keyClick(vat, Qt::Key_Tab);
        EXPECT_NE(focused(), vat->objectName()) << "Tab leaves the field";
    }
}

TEST_F(InvoiceFields, UpperCasingKeepsTheCaretAndOtherLetters)
{
    showCard();
    type(card->txtIban, "abcd");
    QTest::keyClick(card->txtIban, Qt::Key_Left);
    QTest::keyClick(card->txtIban, Qt::Key_Left);
    QTest::keyClicks(card->txtIban, "x");
    EXPECT_EQ(card->txtIban->text(), "ABXCD");
    EXPECT_EQ(card->txtIban->cursorPosition(), 3);
    QTest::keyClicks(card->txtIban, " ");
    EXPECT_EQ(card->txtIban->text(), "ABX CD") << "a blank typed between two characters stays";
    QTest::keyClick(card->txtIban, Qt::Key_End);
    QTest::keyClicks(card->txtIban, "e");
    EXPECT_EQ(card->txtIban->text(), "ABX CDE");

    card->txtCodFiscCliente->clear();
    card->txtCodFiscCliente->setFocus();
    QTest::sendKeyEvent(QTest::Click, card->txtCodFiscCliente, Qt::Key_unknown, QString::fromUtf8("è"), {});
    QTest::keyClicks(card->txtCodFiscCliente, "a");
    EXPECT_EQ(card->txtCodFiscCliente->text(), QString::fromUtf8("èA"));
}

TEST_F(InvoiceFields, ProvinceBoxes)
{
    const QString codes = "AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO CR CS "
                          "CT CZ EE EN FC FE FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC MD ME MI MN "
                          "MO MS MT NA NO NU OG OR OT PA PC PD PE PG PI PN PO PR PT PU PV PZ RA RC RE RG RI RM RN "
                          "RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS TV UD VA VB VC VE VI VR VT VV";
    for (QComboBox *box : {card->txtProvDitta, card->txtProvCliente}) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        EXPECT_EQ(items.join(' '), codes) << box->objectName().toStdString();
        EXPECT_EQ(box->currentIndex(), -1) << box->objectName().toStdString();
    }
    showCard();

    // Text placed by the program: the customer's box tidies it when the user leaves, the issuer's
    // keeps it as it is.
    card->txtProvCliente->setEditText(" mi");
    card->txtProvDitta->setEditText(" mi");
    focusOn("txtProvCliente");
    focusOn("txtProvDitta");
    focusOn("txtNote");
    EXPECT_EQ(card->txtProvCliente->currentText(), "MI");
    EXPECT_EQ(card->txtProvDitta->currentText(), " mi");

    // Whichever way the box takes the focus, its list selection goes and its text stays.
    for (QComboBox *box : {card->txtProvDitta, card->txtProvCliente}) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->setCurrentIndex(box->findText("TO"));
        ASSERT_EQ(box->currentIndex(), box->findText("TO"));
        focusOn(box == card->txtProvDitta ? "txtCittaDitta" : "txtCittaCliente");
        enter();
        ASSERT_EQ(focused(), box->objectName());
        EXPECT_EQ(box->currentIndex(), -1);
        EXPECT_EQ(box->currentText(), "TO");
        // A code picked from the list and then typed over keeps to the typing rules.
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, "rm");
        EXPECT_EQ(box->currentText(), "RM");
    }
}

TEST_F(InvoiceFields, EveryFieldStandsOnAYellowRectangleThatFollowsTheFocus)
{
    // Before the card is first shown: each field has its rectangle, hidden, behind it.
    for (QWidget *f : highlightedFields()) {
        SCOPED_TRACE(f->objectName().toStdString());
        QWidget *h = highlightOf(f);
        ASSERT_NE(h, nullptr);
        EXPECT_TRUE(h->isHidden());
        EXPECT_EQ(h->geometry(), f->geometry().adjusted(-4, -4, 4, 4));
        const QObjectList &siblings = f->parentWidget()->children();
        EXPECT_LT(siblings.indexOf(h), siblings.indexOf(f)) << "the rectangle is drawn first";
    }
    for (QCheckBox *box : card->chkEs)
        EXPECT_EQ(highlightOf(box), nullptr);
    EXPECT_EQ(highlightOf(card->chkSaldata), nullptr);

    showCard();
    EXPECT_EQ(shownHighlights(), QStringList{"effCliente"});
    QWidget *band = highlightOf(card->txtCliente);
    EXPECT_EQ(band->grab().toImage().pixelColor(2, band->height() / 2), QColor(0xFF, 0xFF, 0x00));

    struct Move {
        const char *to;
        QStringList shown;
    };
    const Move moves[] = {
        {"txtProvDitta", {"effProvDitta"}},
        {"txtIvaCliente", {"effIvaCliente"}},
        {"txtPercIva", {"effPercIva"}},
        {"txtPrezzo08", {"effPrezzo08"}},
        {"txtDesc08", {"effDesc08"}},
        {"chkEs08", {}},  // a check box has none, and the field left hides its own
        {"txtQuant30", {"effQuant30"}},
        {"chkSaldata", {}},
        {"txtNote", {"effNote"}},
    };
    for (const Move &m : moves) {
        SCOPED_TRACE(m.to);
        focusOn(m.to);
        EXPECT_EQ(shownHighlights(), m.shown);
    }
    // Enter walks the highlight along with the focus.
    focusOn("txtPercSconto21");
    enter();
    EXPECT_EQ(shownHighlights(), QStringList());
    focusOn("txtIban");
    enter();
    EXPECT_EQ(shownHighlights(), QStringList{"effNote"});
}

} // namespace
