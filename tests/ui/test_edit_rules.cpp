#include "tests/support/QStringPrinter.h"
#include "common/ui/EditRules.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Pastes as the edit's context menu does (a digits-only edit swallows Ctrl+V).
void paste(QLineEdit &edit, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    edit.paste();
}

// Drags a text over the edit and drops it at its right end.
void drop(QLineEdit &edit, const QString &text)
{
    QMimeData mime;
    mime.setText(text);
    const QPoint at(edit.width() - 2, edit.height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&edit, &enter);
    QDropEvent event(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&edit, &event);
}

EditRules limited(int n)
{
    EditRules r;
    r.maxLength = n;
    return r;
}

EditRules digits()
{
    EditRules r;
    r.digitsOnly = true;
    return r;
}

EditRules alphanumeric()
{
    EditRules r;
    r.digitsOnly = true;
    r.lettersToo = true;
    return r;
}

EditRules upperTrim()
{
    EditRules r;
    r.typing = EditRules::Case::UpperTrim;
    return r;
}

} // namespace

TEST(EditRules, PastedOrDroppedControlCharactersBecomeBlanks)
{
    struct Case {
        const char *what;
        EditRules rules;
        QString before;
        int cursor;
        QString inserted;
        QString after;
    } cases[] = {
        {"line break and tab", {}, "", 0, "Rossi\nMario\tRoma", "Rossi Mario Roma"},
        {"CR LF is one blank", {}, "", 0, "Rossi\r\nMario\rRoma", "Rossi Mario Roma"},
        {"other control characters", {}, "", 0, QString::fromUtf8("\x01" "a\x1f" "b\x7f"), QString::fromUtf8("a b\x7f")},
        {"inside a text", {}, "AB", 1, "\n", "A B"},
        {"the limit counts the blank", limited(8), "", 0, "Rossi\r\nMario", "Rossi Ma"},
        {"digits only drops them", digits(), "", 0, "12\n34\t", "1234"},
        {"letters and digits drop the rest", alphanumeric(), "", 0, QString::fromUtf8("rs-s.m à1\n"), "rssm1"},
        {"trimmed rules trim them", upperTrim(), "", 0, "\trossi\r\n", "ROSSI"},
    };
    for (const Case &c : cases) {
        for (bool dropped : {false, true}) {
            QLineEdit edit;
            edit.resize(300, 24);
            ApplyEditRules(&edit, c.rules);
            edit.setText(c.before);
            edit.setCursorPosition(c.cursor);
            if (dropped)
                drop(edit, c.inserted);
            else
                paste(edit, c.inserted);
            // A drop lands where the mouse is: at the end of the text.
            if (dropped && c.cursor != int(c.before.size()))
                continue;
            EXPECT_EQ(edit.text().toStdString(), c.after.toStdString()) << c.what << (dropped ? " (drop)" : " (paste)");
        }
    }
}

// A paste is cleaned whole, by the edit's own rules and the trimming of a stored value, before it is
// cut to the room left: what fits is the whole cleaned value, never its cut raw text.
TEST(EditRules, APasteIsCleanedBeforeItIsCutToTheCapacity)
{
    using C = EditRules::Case;
    struct Case {
        const char *what;
        EditRules rules;
        QString before;
        int cursor;
        QString pasted;
        QString after;
    } cases[] = {
        {"tax code with a leading blank", {.maxLength = 16, .typing = C::UpperTrim}, "", 0, " rssmra80a01h501u",
         "RSSMRA80A01H501U"},
        {"date with a leading blank", {.maxLength = 10}, "", 0, " 01/02/2020", "01/02/2020"},
        {"date with trailing blanks", {.maxLength = 10}, "", 0, "01/02/2020   ", "01/02/2020"},
        {"tab and line break around", {.maxLength = 10}, "", 0, "\t01/02/2020\r\n", "01/02/2020"},
        {"lower case upper-cased", {.maxLength = 2, .typing = C::Upper}, "", 0, " rm\n", "RM"},
        {"filtered tax code keeps its letters and digits",
         {.maxLength = 16, .digitsOnly = true, .typing = C::UpperTrim, .lettersToo = true}, "", 0,
         "rss-mra 80a01.h501u", "RSSMRA80A01H501U"},
        {"digits only", {.maxLength = 5, .digitsOnly = true}, "", 0, " 12 345 ", "12345"},
        {"amount", {.maxLength = 8, .digitsOnly = true, .commaToo = true}, "", 0, "€ 1.234,50 ", "1234,50"},
        {"a blank between words stays", {.maxLength = 50}, "Rossi", 5, " Mario ", "Rossi Mario"},
        {"a blank before the text stays", {.maxLength = 50}, "Mario", 0, " Rossi ", "Rossi Mario"},
        {"only blanks add nothing", {.maxLength = 5}, "", 0, "  \t ", ""},
        {"cut after cleaning", {.maxLength = 6}, "", 0, "   Bianchi", "Bianch"},
    };
    for (const Case &c : cases) {
        QLineEdit edit;
        ApplyEditRules(&edit, c.rules);
        edit.setText(c.before);
        edit.setCursorPosition(c.cursor);
        paste(edit, c.pasted);
        EXPECT_EQ(edit.text(), c.after) << c.what;
    }
}

// Ctrl+V reaches an edit that takes only some characters, which keeps the ones it takes.
TEST(EditRules, CtrlVIntoAFilteredEditKeepsTheAcceptedCharacters)
{
    QLineEdit edit;
    edit.show();
    ApplyEditRules(&edit, {.maxLength = 16, .digitsOnly = true, .typing = EditRules::Case::UpperTrim,
                           .lettersToo = true});
    edit.setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral(" rss mra-80a01 h501u\n"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("RSSMRA80A01H501U"));
    // Other combinations are still swallowed.
    QTest::keyClick(&edit, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("RSSMRA80A01H501U"));
}

// Typed blanks are the user's: a blank typed at the end stays until the next word.
TEST(EditRules, TypedBlanksAreKept)
{
    QLineEdit edit;
    edit.show();
    ApplyEditRules(&edit, {.maxLength = 20});
    edit.setFocus();
    QTest::keyClicks(&edit, QStringLiteral(" Rossi "));
    EXPECT_EQ(edit.text(), QStringLiteral(" Rossi "));
    QTest::keyClicks(&edit, QStringLiteral("Mario"));
    EXPECT_EQ(edit.text(), QStringLiteral(" Rossi Mario"));
}

// A text the program puts in an edit shows from its first character; typing keeps the caret where
// the user types.
TEST(EditRules, ProgramTextShowsFromItsFirstCharacter)
{
    for (bool ruled : {true, false}) {
        QLineEdit edit;
        edit.resize(60, 24);
        edit.show();
        if (ruled)
            ApplyEditRules(&edit, {.maxLength = 60});
        else
            ShowProgramTextFromStart(&edit);
        edit.setFocus();
        edit.setText(QStringLiteral("Clinica Veterinaria \"San Francesco\" & C."));
        EXPECT_EQ(edit.cursorPosition(), 0) << ruled;
        edit.end(false);
        QTest::keyClicks(&edit, QStringLiteral("xy"));
        EXPECT_EQ(edit.cursorPosition(), int(edit.text().size())) << ruled;
        EXPECT_TRUE(edit.text().endsWith(QStringLiteral("xy"))) << ruled;
    }
}

TEST(EditRules, CtrlVOfALineBreakAndATabGivesBlanks)
{
    QLineEdit edit;
    edit.show();
    ApplyEditRules(&edit, limited(50));
    edit.setFocus();
    QTest::keyClicks(&edit, QStringLiteral("Sig. "));
    QGuiApplication::clipboard()->setText(QStringLiteral("Rossi\nMario\tRoma"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("Sig. Rossi Mario Roma"));
    EXPECT_EQ(edit.cursorPosition(), 21);
    QTest::keyClicks(&edit, QStringLiteral("!"));
    EXPECT_EQ(edit.text(), QStringLiteral("Sig. Rossi Mario Roma!"));
}

TEST(EditRules, ProgramSetTextKeepsItsControlCharacters)
{
    QLineEdit edit;
    ApplyEditRules(&edit, limited(5));
    edit.setText(QStringLiteral("riga 1\nriga 2"));
    EXPECT_EQ(edit.text(), QStringLiteral("riga 1\nriga 2"));
    // Typing elsewhere in the text leaves the program's part alone.
    edit.setFocus();
    edit.setCursorPosition(0);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), QStringLiteral("iga 1\nriga 2"));
}
