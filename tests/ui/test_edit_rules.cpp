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
        {"other control characters", {}, "", 0, QString::fromUtf8("\x01" "a\x1f" "b\x7f"), QString::fromUtf8(" a b\x7f")},
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
