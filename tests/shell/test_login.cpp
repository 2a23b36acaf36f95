#include "ShellFixture.h"

#include "common/ui/Widgets.h"
#include "shell/Avvio.h"
#include "shell/CambiaPassword.h"
#include "shell/Crypt.h"
#include "shell/Password.h"
#include "tests/support/ReadOnlyFolder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString WrongPassword = QStringLiteral("Attenzione: password errata.");
const QString ReadError = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                                         "password. Si consiglia di reinstallare il software.");
const QString WrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString NotConfirmed = QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' "
                                            "necessario reinserire entrambi i valori.");
const QString ChangeError = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica "
                                           "della password. Si consiglia di reinstallare il software.");
const QString ChangeDone = QStringLiteral("Modifica della password completata con successo.");
const QString TooLong = QStringLiteral("Attenzione: la nuova password non può superare i 255 caratteri.");
const QString BadChars = QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi.");

QByteArray PasswordFileFor(const QString &password)
{
    return "[Accesso]\r\nValore=" + ScramblePassword(password).toLatin1() + "\r\n";
}

} // namespace

class Login : public ShellWindows {
protected:
    // Shows the login window afresh and types the text followed by Enter.
    void login(const QString &typed)
    {
        frmAvvio->hide();
        QApplication::processEvents(); // let the launcher give up the activation first
        frmPassword->show();
        frmPassword->txtPassword->clear();
        ASSERT_TRUE(WaitActive(frmPassword));
        sp.clear();
        TypeText(frmPassword->txtPassword, typed);
        QTest::keyClick(frmPassword->txtPassword, Qt::Key_Return);
    }
    bool accepted() const { return frmAvvio->isVisible() && !frmPassword->isVisible(); }
    // The texts of the messages shown; the password windows use only plain message boxes.
    QStringList plainBoxes() const
    {
        QStringList plain;
        for (const PlatformCall &c : sp.callsOf(QStringLiteral("plain")))
            plain << c.text;
        EXPECT_EQ(plain, sp.messages()) << "a password message in a box other than the plain one";
        return plain;
    }
};

TEST_F(Login, StartsWithFocusInThePasswordAndOKDisabled)
{
    frmPassword->show();
    ASSERT_TRUE(WaitActive(frmPassword));
    EXPECT_EQ(frmPassword->windowTitle(), QStringLiteral(" Tavoren - Accesso"));
    EXPECT_TRUE(frmPassword->txtPassword->hasFocus());
    EXPECT_TRUE(frmPassword->effPassword->isVisible());
    EXPECT_FALSE(frmPassword->cmdOK->isEnabled());
    EXPECT_EQ(frmPassword->txtPassword->echoMode(), QLineEdit::Password);
}

TEST_F(Login, ChecksTheTypedPasswordAgainstTheStoredOne)
{
    enum Outcome { Accepted, Refused, Unreadable };
    const QByteArray installed = passwordFileBytes();
    const QString stored = ScramblePassword(QStringLiteral("ABC"));
    const struct {
        const char *what;
        QByteArray file; // empty: no password file
        QString typed;
        Outcome outcome;
    } cases[] = {
        {"first-access password in lower case", installed, "bromeliaspunto", Accepted},
        {"mixed case with blanks around", installed, "   BromeliaSpunto  ", Accepted},
        {"one letter short", installed, "bromeliaspunt", Refused},
        {"no password file", QByteArray(), "bromeliaspunto", Refused},
        {"empty stored value", "[Accesso]\r\nValore=\r\n", "x", Refused},
        {"key in another section", "[Altro]\r\nValore=" + stored.toLatin1() + "\r\n", "abc", Refused},
        {"odd last digit ignored", "[Accesso]\r\nValore=" + stored.toLatin1() + "7\r\n", "abc", Accepted},
        {"lower-case hex stored", "[Accesso]\r\nValore=" + stored.toLower().toLatin1() + "\r\n", "abc", Accepted},
        {"stored value not hex", "[Accesso]\r\nValore=ZZ\r\n", "zz", Unreadable},
        {"accented letter in the other case", PasswordFileFor(QStringLiteral("CAFé")), QStringLiteral("CAFÉ"), Refused},
        {"accented letter in the same case", PasswordFileFor(QStringLiteral("CAFé")), QStringLiteral("café"), Accepted},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(passwordFile());
        if (!c.file.isEmpty())
            writePasswordFile(c.file);
        login(c.typed);
        switch (c.outcome) {
        case Accepted:
            EXPECT_TRUE(accepted());
            EXPECT_TRUE(plainBoxes().isEmpty());
            break;
        case Refused:
            EXPECT_FALSE(accepted());
            EXPECT_EQ(plainBoxes(), QStringList{WrongPassword});
            EXPECT_TRUE(frmPassword->txtPassword->text().isEmpty());
            EXPECT_TRUE(frmPassword->txtPassword->hasFocus());
            EXPECT_FALSE(frmPassword->cmdOK->isEnabled());
            break;
        case Unreadable:
            EXPECT_FALSE(accepted());
            EXPECT_EQ(plainBoxes(), QStringList{ReadError});
            EXPECT_EQ(frmPassword->txtPassword->text(), c.typed); // the window stays as it was
            break;
        }
        EXPECT_TRUE(frmPassword->lblMemory->text().isEmpty());
        EXPECT_EQ(passwordFileBytes(), c.file); // reading never writes
    }
}

TEST_F(Login, OKNeedsANonBlankPassword)
{
    frmPassword->show();
    ASSERT_TRUE(WaitActive(frmPassword));
    QLineEdit *edit = frmPassword->txtPassword;

    QTest::keyClicks(edit, QStringLiteral("   "));
    EXPECT_FALSE(frmPassword->cmdOK->isEnabled());
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_TRUE(sp.calls.empty());
    EXPECT_TRUE(frmPassword->isVisible());

    QTest::keyClick(edit, 'x');
    EXPECT_TRUE(frmPassword->cmdOK->isEnabled());
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_FALSE(frmPassword->cmdOK->isEnabled());

    // Text that does not come from the keyboard counts as well.
    edit->setText(QStringLiteral("\t bromeliaspunto "));
    EXPECT_TRUE(frmPassword->cmdOK->isEnabled());
    QTest::mouseClick(frmPassword->cmdOK, Qt::LeftButton);
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_FALSE(frmPassword->isVisible());
}

TEST_F(Login, KeypadEnterLogsInToo)
{
    frmPassword->show();
    ASSERT_TRUE(WaitActive(frmPassword));
    QTest::keyClicks(frmPassword->txtPassword, QStringLiteral("bromeliaspunto"));
    QTest::keyClick(frmPassword->txtPassword, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(frmAvvio->isVisible());
}

TEST_F(Login, ExitAndClosingEndTheRun)
{
    frmPassword->show();
    QTest::mouseClick(frmPassword->cmdEsci, Qt::LeftButton);
    EXPECT_FALSE(frmPassword->isVisible());
    EXPECT_EQ(sp.callsOf("quit").size(), 1u);

    sp.clear();
    frmPassword->show();
    frmPassword->close();
    EXPECT_EQ(sp.callsOf("quit").size(), 1u);
}

class ChangePassword : public Login {
protected:
    void openChange()
    {
        frmPassword->show();
        ASSERT_TRUE(WaitActive(frmPassword));
        QTest::mouseClick(frmPassword->btnCambiaPassword, Qt::LeftButton);
        ASSERT_TRUE(WaitActive(frmCambiaPassword));
        sp.clear();
    }
    void fill(const QString &oldPassword, const QString &newPassword, const QString &confirm)
    {
        TypeText(frmCambiaPassword->txtPasswordOld, oldPassword);
        TypeText(frmCambiaPassword->txtPasswordNew, newPassword);
        TypeText(frmCambiaPassword->txtConferma, confirm);
    }
    void change(const QString &oldPassword, const QString &newPassword, const QString &confirm)
    {
        openChange();
        fill(oldPassword, newPassword, confirm);
        ASSERT_TRUE(frmCambiaPassword->cmdOK->isEnabled());
        QTest::mouseClick(frmCambiaPassword->cmdOK, Qt::LeftButton);
    }
    // The new password edits were emptied and the focus put in the first of them.
    void expectNewRefused(const QString &message)
    {
        EXPECT_EQ(plainBoxes(), QStringList{message});
        EXPECT_TRUE(frmCambiaPassword->isVisible());
        EXPECT_TRUE(frmCambiaPassword->txtPasswordNew->text().isEmpty());
        EXPECT_TRUE(frmCambiaPassword->txtConferma->text().isEmpty());
        EXPECT_FALSE(frmCambiaPassword->txtPasswordOld->text().isEmpty());
        EXPECT_TRUE(frmCambiaPassword->txtPasswordNew->hasFocus());
    }
};

TEST_F(ChangePassword, OpensEmptyFromTheLoginWindow)
{
    frmPassword->show();
    ASSERT_TRUE(WaitActive(frmPassword));
    QTest::keyClicks(frmPassword->txtPassword, QStringLiteral("abc"));
    QTest::mouseClick(frmPassword->btnCambiaPassword, Qt::LeftButton);
    ASSERT_TRUE(WaitActive(frmCambiaPassword));
    EXPECT_FALSE(frmPassword->isVisible());
    EXPECT_EQ(frmCambiaPassword->windowTitle(), QStringLiteral(" Cambia password"));
    EXPECT_TRUE(frmCambiaPassword->txtPasswordOld->hasFocus());
    EXPECT_FALSE(frmCambiaPassword->cmdOK->isEnabled());

    // Texts left from an earlier visit are gone when it shows again.
    fill("a", "b", "c");
    frmCambiaPassword->close();
    EXPECT_TRUE(frmPassword->isVisible());
    EXPECT_TRUE(frmPassword->txtPassword->text().isEmpty());
    ASSERT_TRUE(WaitActive(frmPassword));
    EXPECT_TRUE(frmPassword->txtPassword->hasFocus());
    QTest::mouseClick(frmPassword->btnCambiaPassword, Qt::LeftButton);
    EXPECT_TRUE(frmCambiaPassword->txtPasswordOld->text().isEmpty());
    EXPECT_TRUE(frmCambiaPassword->txtPasswordNew->text().isEmpty());
    EXPECT_TRUE(frmCambiaPassword->txtConferma->text().isEmpty());
    EXPECT_TRUE(sp.calls.empty());
}

TEST_F(ChangePassword, OKNeedsAllThreeNonBlank)
{
    openChange();
    const struct {
        const char *oldPassword, *newPassword, *confirm;
        bool enabled;
    } cases[] = {
        {"a", "b", "c", true}, {" a ", " b", "c ", true}, {"", "b", "c", false},
        {"a", " ", "c", false}, {"a", "b", "   ", false},
    };
    for (const auto &c : cases) {
        frmCambiaPassword->txtPasswordOld->clear();
        frmCambiaPassword->txtPasswordNew->clear();
        frmCambiaPassword->txtConferma->clear();
        fill(c.oldPassword, c.newPassword, c.confirm);
        EXPECT_EQ(frmCambiaPassword->cmdOK->isEnabled(), c.enabled)
            << c.oldPassword << "|" << c.newPassword << "|" << c.confirm;
    }
}

TEST_F(ChangePassword, EnterMovesAroundTheThreeEditsAndNeverRunsOK)
{
    openChange();
    fill("bromeliaspunto", "nuova", "nuova");
    QLineEdit *chain[] = {frmCambiaPassword->txtPasswordOld, frmCambiaPassword->txtPasswordNew,
                          frmCambiaPassword->txtConferma, frmCambiaPassword->txtPasswordOld};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(chain[i]->hasFocus()) << i;
        QTest::keyClick(chain[i], Qt::Key_Return);
        EXPECT_TRUE(chain[i + 1]->hasFocus()) << i;
    }
    EXPECT_TRUE(sp.calls.empty());
    EXPECT_EQ(passwordFileBytes(), PasswordFileFor(QStringLiteral("BROMELIASPUNTO")));
}

TEST_F(ChangePassword, WrongOldPasswordIsRefused)
{
    const QByteArray before = passwordFileBytes();
    change("bromelia", "nuova", "nuova");
    EXPECT_EQ(plainBoxes(), QStringList{WrongOld});
    EXPECT_TRUE(frmCambiaPassword->isVisible());
    EXPECT_TRUE(frmCambiaPassword->txtPasswordOld->text().isEmpty());
    EXPECT_TRUE(frmCambiaPassword->txtPasswordOld->hasFocus());
    EXPECT_EQ(passwordFileBytes(), before);

    // Without a password file no old password is right.
    QFile::remove(passwordFile());
    frmCambiaPassword->close();
    change("bromeliaspunto", "nuova", "nuova");
    EXPECT_EQ(plainBoxes(), QStringList{WrongOld});
    EXPECT_FALSE(QFile::exists(passwordFile()));
}

TEST_F(ChangePassword, ConfirmationMustMatchExactly)
{
    const QByteArray before = passwordFileBytes();
    change("bromeliaspunto", "nuova", "NUOVA");
    expectNewRefused(NotConfirmed);
    EXPECT_EQ(passwordFileBytes(), before);
}

TEST_F(ChangePassword, NewPasswordIsStoredUpperCasedAndTrimmedKeepingTheRestOfTheFile)
{
    writePasswordFile("; installato\r\n[Altro]\r\nValore=1\r\n[Accesso]\r\nValore=" +
                      ScramblePassword(QStringLiteral("BROMELIASPUNTO")).toLatin1() + "\r\nNota=x\r\n");
    change(" BromeliaSpunto", "  Gatto99 ", "Gatto99");
    EXPECT_EQ(plainBoxes(), QStringList{ChangeDone});
    EXPECT_EQ(passwordFileBytes(), "; installato\r\n[Altro]\r\nValore=1\r\n[Accesso]\r\nValore=" +
                                       ScramblePassword(QStringLiteral("GATTO99")).toLatin1() + "\r\nNota=x\r\n");

    // Back at the login window with an empty password; the old password no longer opens.
    EXPECT_FALSE(frmCambiaPassword->isVisible());
    EXPECT_TRUE(frmPassword->isVisible());
    EXPECT_TRUE(frmPassword->txtPassword->text().isEmpty());
    login("bromeliaspunto");
    EXPECT_EQ(plainBoxes(), QStringList{WrongPassword});
    login("gatto99");
    EXPECT_TRUE(accepted());
}

TEST_F(ChangePassword, SamePasswordAgainSucceeds)
{
    change("bromeliaspunto", "bromeliaspunto", "bromeliaspunto");
    EXPECT_EQ(plainBoxes(), QStringList{ChangeDone});
    EXPECT_EQ(passwordFileBytes(), PasswordFileFor(QStringLiteral("BROMELIASPUNTO")));
}

TEST_F(ChangePassword, AccentedLettersKeepTheirCase)
{
    change("bromeliaspunto", QStringLiteral("perché"), QStringLiteral("perché"));
    EXPECT_EQ(plainBoxes(), QStringList{ChangeDone});
    EXPECT_EQ(passwordFileBytes(), PasswordFileFor(QStringLiteral("PERCHé")));
    login(QStringLiteral("PERCHÉ"));
    EXPECT_FALSE(accepted());
    login(QStringLiteral("Perché"));
    EXPECT_TRUE(accepted());
}

TEST_F(ChangePassword, LongestPasswordThatCanBeStoredWorks)
{
    const QString longest(255, QChar('k'));
    change("bromeliaspunto", longest, longest);
    EXPECT_EQ(plainBoxes(), QStringList{ChangeDone});
    login(longest);
    EXPECT_TRUE(accepted());
}

TEST_F(ChangePassword, PasswordsTheStoredFormCannotHoldAreRefused)
{
    const QByteArray before = passwordFileBytes();
    const QString tooLong(256, QChar('k'));
    change("bromeliaspunto", tooLong, tooLong);
    expectNewRefused(TooLong);
    EXPECT_EQ(passwordFileBytes(), before);

    // Trimming comes first: blanks around a 255-character password do not count.
    sp.clear();
    fill("", "  " + tooLong.left(255) + "  ", tooLong.left(255));
    QTest::mouseClick(frmCambiaPassword->cmdOK, Qt::LeftButton);
    EXPECT_EQ(plainBoxes(), QStringList{ChangeDone});

    const QString polish = QStringLiteral("łódź"); // ł and ź lie above U+00FF
    change(tooLong.left(255), polish, polish);
    expectNewRefused(BadChars);
    login(tooLong.left(255));
    EXPECT_TRUE(accepted());
}

TEST_F(ChangePassword, UnreadableStoredValueGivesTheChangeError)
{
    writePasswordFile("[Accesso]\r\nValore=ZZ\r\n");
    change("zz", "nuova", "nuova");
    EXPECT_EQ(plainBoxes(), QStringList{ChangeError});
    EXPECT_TRUE(frmCambiaPassword->isVisible());
    EXPECT_EQ(frmCambiaPassword->txtPasswordOld->text(), QStringLiteral("zz"));
    EXPECT_EQ(passwordFileBytes(), QByteArray("[Accesso]\r\nValore=ZZ\r\n"));
}

TEST_F(ChangePassword, FailedWriteKeepsTheOldPasswordAndTheTexts)
{
    const QByteArray before = passwordFileBytes();
    {
        ReadOnlyFolder readOnly(sp.folder());
        if (!readOnly.ok())
            GTEST_SKIP() << "this file system cannot make a folder read-only";
        change("bromeliaspunto", "nuova", "nuova");
    }
    EXPECT_EQ(plainBoxes(), QStringList{ChangeError});
    EXPECT_TRUE(frmCambiaPassword->isVisible());
    EXPECT_EQ(frmCambiaPassword->txtPasswordOld->text(), QStringLiteral("bromeliaspunto"));
    EXPECT_EQ(frmCambiaPassword->txtPasswordNew->text(), QStringLiteral("nuova"));
    EXPECT_EQ(frmCambiaPassword->txtConferma->text(), QStringLiteral("nuova"));
    EXPECT_TRUE(frmCambiaPassword->lblMemory->text().isEmpty());
    EXPECT_EQ(passwordFileBytes(), before);

    frmCambiaPassword->close();
    login("bromeliaspunto");
    EXPECT_TRUE(accepted());
}
