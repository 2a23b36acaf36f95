#include "tests/support/QStringPrinter.h"
#include "common/Messages.h"
#include "common/Record.h"
#include "common/ui/RecordCard.h"
#include "tests/support/CardTexts.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

// Failures print texts as texts.

namespace {

const QString ArchiveName = QStringLiteral("Prove.pro");
const QString Section = QStringLiteral("Numerazione Prove");

// A certificate in small: a kept header (a combo edit), a number, a flag and a multi-line note.
const RecordLayout &testLayout()
{
    static const RecordLayout layout{{"Studio", 30}, {"Num", 10}, {"Attivo", 2}, {"Note", 40}};
    return layout;
}
constexpr int RecordSize = 31 + 11 + 3 + 41;

QByteArray testRecord(int k)
{
    Record r(testLayout());
    r.setText("Studio", QStringLiteral("Studio %1").arg(k));
    r.setText("Num", QString::number(k));
    r.setText("Attivo", YesNoFlag(k % 2 == 1));
    r.setText("Note", QStringLiteral("nota\nriga %1").arg(k));
    return r.bytes();
}

QByteArray testArchive(int n)
{
    QByteArray bytes;
    for (int k = 1; k <= n; ++k)
        bytes += testRecord(k);
    return bytes;
}

// "kind: text" of every message the platform was asked to show.
QStringList shown(const ScriptedPlatform &sp)
{
    QStringList out;
    for (const PlatformCall &c : sp.calls)
        out << c.kind + ": " + c.text;
    return out;
}

QString focusedName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// A bare window holding the controls of the test layout and one card over "Prove.pro".
class CardTest : public ::testing::Test {
public:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        txtStudio = new QComboBox(window.get());
        txtStudio->setObjectName("txtStudio");
        txtStudio->setEditable(true);
        txtStudio->addItems({"Studio A", "Studio B"});
        txtNum = new QLineEdit(window.get());
        txtNum->setObjectName("txtNum");
        chkAttivo = new QCheckBox(window.get());
        chkAttivo->setObjectName("chkAttivo");
        memNote = new QPlainTextEdit(window.get());
        memNote->setObjectName("memNote");
        lblPosizione = new QLabel(window.get());
        lblPosizione->setObjectName("lblPosizione");
        int y = 0;
        for (QWidget *w : std::initializer_list<QWidget *>{txtStudio, txtNum, chkAttivo, memNote, lblPosizione})
            w->setGeometry(10, (y += 30), 200, 25);
        window->resize(300, 200);
        window->show();
        ASSERT_TRUE(WaitActive(window.get()));
    }

    RecordCardSetup setup()
    {
        return {
            .archiveFile = [] { return ArchiveName; },
            .layout = &testLayout(),
            .required = {{txtStudio, "lo studio."}, {txtNum, "il numero."}},
            .keptByNew = {txtStudio},
            .numbering = DocumentNumbering{.section = Section, .target = txtNum},
            .resetOnDuplicate = {txtNum},
            .firstField = memNote,
            .afterClear = [this] { ++afterClearCalls; },
            .afterNew = [this] { ++afterNewCalls; },
            .afterDuplicate = [this] {
                ++afterDuplicateCalls;
                txtNum->setFocus();
            },
        };
    }
    RecordCard &makeCard(RecordCardSetup s)
    {
        card = new RecordCard(window.get(), std::move(s));
        return *card;
    }
    RecordCard &makeCard() { return makeCard(setup()); }

    QString archive() const { return sp.file(ArchiveName); }
    void writeArchive(const QByteArray &bytes) { writeBytes(archive(), bytes); }
    void writeSettings(const QByteArray &bytes) { writeBytes(sp.file("Tavoren.ini"), bytes); }
    // An archive that cannot be opened: a folder stands where the file should be.
    void blockArchive() { ASSERT_TRUE(QDir().mkpath(archive())); }
    void fill(const QString &studio, const QString &num, bool active, const QString &note)
    {
        txtStudio->setCurrentText(studio);
        txtNum->setText(num);
        chkAttivo->setChecked(active);
        memNote->setPlainText(note);
    }

    ScriptedPlatform sp;
    std::unique_ptr<QWidget> window;
    QComboBox *txtStudio;
    QLineEdit *txtNum;
    QCheckBox *chkAttivo;
    QPlainTextEdit *memNote;
    QLabel *lblPosizione;
    RecordCard *card = nullptr;
    int afterClearCalls = 0;
    int afterNewCalls = 0;
    int afterDuplicateCalls = 0;
};

} // namespace

TEST_F(CardTest, NavigationAtTheEdges)
{
    using Command = void (RecordCard::*)();
    const QString empty = "information: " + CardEmptyArchive;
    const QString failed = "error: " + ArchiveAccessMessage();
    const struct {
        int records;
        const char *before;
        Command command;
        const char *after;  // lblPosizione afterwards
        bool shown;         // a record was put on the card (its number is after)
        QString message;
    } cases[] = {
        {0, "", &RecordCard::First, "", false, empty},
        {0, "", &RecordCard::Last, "", false, empty},
        {0, "", &RecordCard::Next, "", false, empty},
        {0, "2", &RecordCard::Next, "", false, empty},
        {0, "", &RecordCard::Previous, "", false, empty},
        {0, "2", &RecordCard::Previous, "2", false, empty},
        {0, "1", &RecordCard::Previous, "1", false, ""},
        {3, "", &RecordCard::First, "1", true, ""},
        {3, "2", &RecordCard::Last, "3", true, ""},
        {3, "", &RecordCard::Next, "1", true, ""},
        {3, "", &RecordCard::Previous, "1", true, ""},
        {3, "1", &RecordCard::Next, "2", true, ""},
        {3, "3", &RecordCard::Previous, "2", true, ""},
        {3, "1", &RecordCard::Previous, "1", false, ""},
        {3, "3", &RecordCard::Next, "3", false, ""},
        {3, "5", &RecordCard::Next, "5", false, ""},
        // A number the archive cannot hold, or no number at all, is an access failure.
        {3, "5", &RecordCard::Previous, "5", false, failed},
        {3, "0", &RecordCard::Previous, "0", false, failed},
        {3, "x", &RecordCard::Next, "x", false, failed},
    };
    makeCard();
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.records << " records, from \"" << c.before << "\" case "
                                        << (&c - cases));
        QFile::remove(archive());
        if (c.records > 0)
            writeArchive(testArchive(c.records));
        fill("marca", "marca", false, "marca");
        lblPosizione->setText(c.before);
        sp.clear();

        (card->*c.command)();

        EXPECT_TRUE(QFile::exists(archive()));
        EXPECT_EQ(lblPosizione->text(), c.after);
        EXPECT_EQ(shown(sp), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        if (c.shown) {
            const int k = QString(c.after).toInt();
            EXPECT_EQ(txtStudio->currentText(), QStringLiteral("Studio %1").arg(k));
            EXPECT_EQ(txtNum->text(), c.after);
            EXPECT_EQ(chkAttivo->isChecked(), k % 2 == 1);
            EXPECT_EQ(memNote->toPlainText(), QStringLiteral("nota\nriga %1").arg(k));
        } else {
            EXPECT_EQ(txtNum->text(), "marca");
        }
    }
}

TEST_F(CardTest, ShowingKeepsACheckBoxOnAnUnknownFlag)
{
    Record r(testLayout());
    r.setText("Num", "1");
    r.setText("Attivo", "si");
    writeArchive(r.bytes());
    makeCard();
    chkAttivo->setChecked(true);
    card->First();
    EXPECT_TRUE(chkAttivo->isChecked());
    chkAttivo->setChecked(false);
    card->First();
    EXPECT_FALSE(chkAttivo->isChecked());
}

TEST_F(CardTest, DamagedLengthByteIsClampedToTheField)
{
    QByteArray bytes = testArchive(2);
    const int num = RecordSize + 31;  // the length byte of Num in record 2
    bytes[num] = char(0xFF);
    bytes.replace(num + 1, 10, "1234567890");
    writeArchive(bytes);
    makeCard();
    card->Last();
    EXPECT_EQ(txtNum->text(), "1234567890");
    EXPECT_EQ(txtStudio->currentText(), "Studio 2");
    EXPECT_FALSE(chkAttivo->isChecked());
    EXPECT_EQ(memNote->toPlainText(), "nota\nriga 2");
    EXPECT_EQ(shown(sp), QStringList());
}

TEST_F(CardTest, NewClearsAllButTheKeptControlsAndNumbers)
{
    // A start that is no whole number is named as the settings value it is.
    const QString failed = "error: " + StartNumberMessage(Section);
    const struct {
        const char *settings;  // the settings file; nullptr: none
        int records;
        const char *number;    // empty: not numbered
        bool yearSuffix = false;
    } cases[] = {
        {nullptr, 0, "1"},
        {nullptr, 3, "4"},
        {"[Numerazione Prove]\r\nInizio=\r\n", 3, "4"},
        {"[Numerazione Prove]\r\nInizio=40\r\n", 0, "40"},
        {"[Numerazione Prove]\r\nInizio=40\r\n", 3, "43"},
        {"[Numerazione Prove]\r\nInizio= 7 \r\n", 3, "10"},
        {"[Numerazione Prove]\r\nInizio=40\r\n", 3, "43/2026", true},
        {"[Altra Sezione]\r\nInizio=40\r\n", 0, "1"},
        {"[Numerazione Prove]\r\nInizio=abc\r\n", 0, ""},
        {"[Numerazione Prove]\r\nInizio=abc\r\n", 3, ""},
        {"[Numerazione Prove]\r\nInizio=4,5\r\n", 3, ""},
        {"[Numerazione Prove]\r\nInizio=99999999999\r\n", 3, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << (c.settings ? c.settings : "no settings") << c.records << " records");
        delete card;
        RecordCardSetup s = setup();
        if (c.yearSuffix)
            s.numbering->text = [](qint64 n) { return QString::number(n) + "/" + QString::number(Today().year()); };
        makeCard(std::move(s));
        QFile::remove(sp.file("Tavoren.ini"));
        if (c.settings)
            writeSettings(c.settings);
        writeArchive(testArchive(c.records));
        afterClearCalls = afterNewCalls = 0;
        txtStudio->setCurrentIndex(1);
        fill("Studio B", "vecchio", true, "nota");
        lblPosizione->setText("2");
        txtNum->setFocus();
        sp.clear();

        // Twice: an unsaved new card does not move the numbering on.
        for (int round = 0; round < 2; ++round) {
            card->New();
            EXPECT_EQ(txtStudio->currentText(), "Studio B");
            EXPECT_EQ(txtStudio->currentIndex(), -1);
            EXPECT_FALSE(chkAttivo->isChecked());
            EXPECT_EQ(memNote->toPlainText(), "");
            EXPECT_EQ(lblPosizione->text(), "");
            EXPECT_EQ(txtNum->text(), c.number);
        }
        const bool numbered = *c.number != '\0';
        EXPECT_EQ(shown(sp), (numbered ? QStringList() : QStringList{failed, failed}));
        // The card's own clearing runs even when the numbering fails after it.
        EXPECT_EQ(afterClearCalls, 2);
        EXPECT_EQ(afterNewCalls, numbered ? 2 : 0);
        if (numbered) {
            EXPECT_EQ(focusedName(), "memNote");
        }
        EXPECT_EQ(readBytes(archive()), testArchive(c.records));
    }
}

TEST_F(CardTest, NewOverAnArchiveThatCannotBeOpenedGivesTheArchiveMessage)
{
    makeCard();
    writeSettings("[Numerazione Prove]\r\nInizio=abc\r\n");
    blockArchive();
    fill("Studio A", "vecchio", true, "nota");
    card->New();
    EXPECT_EQ(shown(sp), QStringList{"error: " + ArchiveAccessMessage()});
    EXPECT_EQ(txtNum->text(), "vecchio") << "stopped before clearing";
}

TEST_F(CardTest, SaveOfANewRecordRefusesANumberAnotherAlreadyCarries)
{
    const struct {
        const char *num;
        const char *position;  // empty: a new card
        bool numbering;
        QString message;       // "kind: text" of the one notice
    } cases[] = {
        {"2", "", true, "warning: " + NumberTakenMessage("2")},
        {"  3 ", "", true, "warning: " + NumberTakenMessage("3")},  // compared trimmed, as stored
        {"02", "", true, "information: " + CardInserted},   // another text, another number
        {"4", "", true, "information: " + CardInserted},
        {"2", "1", true, "information: " + CardOverwritten},  // a record written over in place: as before
        {"2", "", false, "information: " + CardInserted},   // a card without numbering checks nothing
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.num << " at " << c.position << (c.numbering ? "" : " unnumbered"));
        delete card;
        RecordCardSetup s = setup();
        if (!c.numbering)
            s.numbering.reset();
        makeCard(std::move(s));
        writeArchive(testArchive(3));
        fill("Studio A", c.num, true, "nota");
        lblPosizione->setText(c.position);
        memNote->setFocus();
        sp.clear();
        card->Save();
        EXPECT_EQ(shown(sp), QStringList{c.message});
        const bool refused = c.message.startsWith("warning");
        EXPECT_EQ(readBytes(archive()).size(), (refused || *c.position ? 3 : 4) * RecordSize);
        if (refused) {
            EXPECT_EQ(readBytes(archive()), testArchive(3));
            EXPECT_EQ(lblPosizione->text(), "");
            EXPECT_EQ(txtNum->text(), c.num) << "the card stays as typed";
            EXPECT_EQ(focusedName(), "txtNum");
        }
    }
}

TEST_F(CardTest, NewWithoutNumberingTouchesNoArchive)
{
    RecordCardSetup s = setup();
    s.numbering.reset();
    makeCard(std::move(s));
    fill("Studio B", "7", true, "nota");
    lblPosizione->setText("3");
    card->New();
    EXPECT_EQ(txtStudio->currentText(), "Studio B");
    EXPECT_EQ(txtNum->text(), "");
    EXPECT_EQ(lblPosizione->text(), "");
    EXPECT_EQ(afterClearCalls, 1);
    EXPECT_EQ(afterNewCalls, 1);
    EXPECT_EQ(focusedName(), "memNote");
    EXPECT_FALSE(QFile::exists(archive()));
    EXPECT_EQ(shown(sp), QStringList());
}

TEST_F(CardTest, DuplicateDetachesASavedCardOnly)
{
    writeArchive(testArchive(3));
    makeCard();

    // A card that is not in the archive: refused, nothing changes.
    fill("Studio B", "8", true, "nota");
    card->Duplicate();
    EXPECT_EQ(shown(sp), QStringList{"warning: " + CardDuplicateNew});
    EXPECT_EQ(txtNum->text(), "8");
    EXPECT_EQ(afterDuplicateCalls, 0);

    // Record 2: the number and lblPosizione are emptied, the rest stays, the hook runs.
    card->Next();
    card->Next();
    sp.clear();
    card->Duplicate();
    EXPECT_EQ(shown(sp), QStringList{"information: " + CardDuplicated});
    EXPECT_EQ(lblPosizione->text(), "");
    EXPECT_EQ(txtNum->text(), "");
    EXPECT_EQ(txtStudio->currentText(), "Studio 2");
    EXPECT_EQ(memNote->toPlainText(), "nota\nriga 2");
    EXPECT_EQ(afterDuplicateCalls, 1);
    EXPECT_EQ(focusedName(), "txtNum");

    // The copy needs its number, then is appended; record 2 stays as it was.
    sp.clear();
    card->Save();
    EXPECT_EQ(shown(sp), QStringList{"warning: " + CardRequired + "il numero."});
    txtNum->setText("9");
    sp.clear();
    card->Save();
    EXPECT_EQ(shown(sp), QStringList{"information: " + CardInserted});
    EXPECT_EQ(lblPosizione->text(), "4");
    const QByteArray bytes = readBytes(archive());
    ASSERT_EQ(bytes.size(), 4 * RecordSize);
    EXPECT_EQ(bytes.left(3 * RecordSize), testArchive(3));
    Record copy(testLayout(), bytes.mid(3 * RecordSize));
    EXPECT_EQ(copy.text("Num"), "9");
    EXPECT_EQ(copy.text("Note"), "nota\nriga 2");
}

TEST_F(CardTest, DuplicateThatOpensTheArchiveReportsItsFailure)
{
    RecordCardSetup s = setup();
    s.duplicateOpensArchive = true;
    makeCard(std::move(s));
    fill("Studio A", "5", false, "nota");
    lblPosizione->setText("5");
    blockArchive();
    card->Duplicate();
    EXPECT_EQ(shown(sp), QStringList{"error: " + ArchiveAccessMessage()});
    EXPECT_EQ(lblPosizione->text(), "");  // what was done stays done: the card is detached
    EXPECT_EQ(afterDuplicateCalls, 0);
}

TEST_F(CardTest, SaveAppendsThenOverwrites)
{
    writeArchive(testArchive(2));
    int savedNumber = 0;
    RecordCardSetup s = setup();
    s.afterSave = [&](int n) { savedNumber = n; };
    makeCard(std::move(s));
    fill("  Studio C  ", " 3 ", true, "  prima riga\nseconda  ");

    card->Save();
    EXPECT_EQ(shown(sp), QStringList{"information: " + CardInserted});
    EXPECT_EQ(lblPosizione->text(), "3");
    EXPECT_EQ(savedNumber, 3);
    QByteArray bytes = readBytes(archive());
    ASSERT_EQ(bytes.size(), 3 * RecordSize);
    Record saved(testLayout(), bytes.mid(2 * RecordSize));
    EXPECT_EQ(saved.text("Studio"), "Studio C");
    EXPECT_EQ(saved.text("Num"), "3");
    EXPECT_EQ(bytes.mid(2 * RecordSize + 42, 3), QByteArray("\x02\x53\xEC", 3));
    EXPECT_EQ(saved.text("Note"), "prima riga\nseconda");

    sp.clear();
    chkAttivo->setChecked(false);
    card->Save();
    EXPECT_EQ(shown(sp), QStringList{"information: " + CardOverwritten});
    EXPECT_EQ(lblPosizione->text(), "3");
    bytes = readBytes(archive());
    ASSERT_EQ(bytes.size(), 3 * RecordSize);
    EXPECT_EQ(bytes.left(2 * RecordSize), testArchive(2));
    EXPECT_EQ(bytes.mid(2 * RecordSize + 42, 3), QByteArray("\x02\x4E\x6F", 3));
}

TEST_F(CardTest, SaveThatStopsWritesNothing)
{
    const QString failed = "error: " + ArchiveAccessMessage();
    bool allow = true;
    bool throwing = false;
    RecordCardSetup s = setup();
    s.beforeSave = [&] { return allow; };
    s.beforeWrite = [&] {
        if (throwing)
            throw std::runtime_error("stock is not a number");
    };
    makeCard(std::move(s));
    const struct {
        const char *name;
        const char *studio;
        const char *num;
        const char *position;
        bool allow;
        bool throwing;
        QString message;
        const char *focus;
    } cases[] = {
        {"both required blank", "   ", "", "", true, false, "warning: " + CardRequired + "lo studio.", "txtStudio"},
        {"second required blank", "Studio A", " ", "", true, false, "warning: " + CardRequired + "il numero.", "txtNum"},
        {"own check refuses", "Studio A", "1", "", false, false, "", ""},
        {"own step fails", "Studio A", "1", "", true, true, failed, ""},
        {"record past the end", "Studio A", "1", "7", true, false, failed, ""},
        {"record zero", "Studio A", "1", "0", true, false, failed, ""},
        {"position not a number", "Studio A", "1", "x", true, false, failed, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeArchive(testArchive(3));
        fill(c.studio, c.num, true, "nota");
        lblPosizione->setText(c.position);
        allow = c.allow;
        throwing = c.throwing;
        chkAttivo->setFocus();
        sp.clear();
        card->Save();
        EXPECT_EQ(shown(sp), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(readBytes(archive()), testArchive(3));
        EXPECT_EQ(lblPosizione->text(), c.position);
        if (*c.focus) {
            EXPECT_EQ(focusedName(), c.focus);
        }
    }
    // A refused Save does not even create the archive.
    QFile::remove(archive());
    fill("", "1", false, "");
    card->Save();
    EXPECT_FALSE(QFile::exists(archive()));
}

// A text the archive would keep otherwise than the card shows it is never written: Save names the
// field and the character, puts the focus on the field (showing its page first) and leaves the
// text as typed. Characters the code page holds pass.
TEST_F(CardTest, SaveRefusesATextTheArchiveCannotHold)
{
    auto *caption = new QLabel(QStringLiteral("Note del certificato:"), window.get());
    caption->setObjectName("titNote");
    auto *page = new QWidget(window.get());
    page->setGeometry(220, 0, 80, 200);
    memNote->setParent(page);
    QList<QWidget *> revealed;
    RecordCardSetup s = setup();
    s.beforeSave = [] {
        ADD_FAILURE() << "the card's own checks run after the texts are found storable";
        return false;
    };
    s.reveal = [&](QWidget *field) {
        revealed << field;
        page->show();
    };
    makeCard(std::move(s));
    const struct {
        const char *name;
        const char *studio;
        const char *num;
        const char *note;
        QString message;
        QWidget *focus;
    } cases[] = {
        {"a letter in a combo edit", "Studio \u0141ukasz", "1", "nota",
         "Attenzione: il campo \"Studio\" contiene il carattere \"\u0141\" (U+0141), che non può essere "
         "memorizzato.\n\r\n\rPer poter salvare è necessario sostituirlo o eliminarlo.",
         txtStudio},
        {"a Greek letter in an edit", "Studio", "\u03a9", "nota",
         "Attenzione: il campo \"Num\" contiene il carattere \"\u03a9\" (U+03A9), che non può essere "
         "memorizzato.\n\r\n\rPer poter salvare è necessario sostituirlo o eliminarlo.",
         txtNum},
        {"an emoji in a multi-line edit on a hidden page", "Studio", "1", "Fido \U0001F436",
         "Attenzione: il campo \"Note del certificato\" contiene il carattere \"\U0001F436\" (U+1F436), che "
         "non può essere memorizzato.\n\r\n\rPer poter salvare è necessario sostituirlo o eliminarlo.",
         memNote},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeArchive(testArchive(3));
        page->hide();
        revealed.clear();
        fill(QString::fromUtf8(c.studio), QString::fromUtf8(c.num), true, QString::fromUtf8(c.note));
        chkAttivo->setFocus();
        sp.clear();
        card->Save();
        EXPECT_EQ(sp.messages(), QStringList{c.message});
        EXPECT_EQ(sp.callsOf("warning").size(), 1u);
        EXPECT_EQ(readBytes(archive()), testArchive(3));
        EXPECT_EQ(lblPosizione->text(), "");
        EXPECT_EQ(QApplication::focusWidget(), c.focus);
        EXPECT_EQ(revealed, c.focus == memNote ? QList<QWidget *>{memNote} : QList<QWidget *>{});
        EXPECT_EQ(txtStudio->currentText(), QString::fromUtf8(c.studio));
        EXPECT_EQ(txtNum->text(), QString::fromUtf8(c.num));
        EXPECT_EQ(memNote->toPlainText(), QString::fromUtf8(c.note));
    }
}

TEST_F(CardTest, SaveStoresWhatTheCodePageHolds)
{
    makeCard();
    const QString studio = QString::fromUtf8("Nicolò € 25° – a\u00a0b Œ");
    fill(studio, "1", false, QString::fromUtf8("perché"));
    card->Save();
    ASSERT_EQ(readBytes(archive()).size(), RecordSize);
    const Record stored(testLayout(), readBytes(archive()));
    EXPECT_EQ(stored.text("Studio"), studio);
    EXPECT_EQ(stored.text("Note"), QString::fromUtf8("perché"));
    EXPECT_EQ(sp.callsOf("warning").size(), 0u);
}

// Every value the card shows after navigation starts at its first character, in edits and in
// combo edits, also when the edit had the focus with the caret at its end.
TEST_F(CardTest, ShownRecordsStartAtTheirFirstCharacter)
{
    Record r(testLayout());
    r.setText("Studio", QStringLiteral("Clinica Veterinaria \"San Francesco\" & C."));
    r.setText("Num", QStringLiteral("12345678"));
    writeArchive(r.bytes() + r.bytes());
    txtNum->resize(40, 25);
    makeCard();
    txtNum->setFocus();
    txtNum->setText("99");
    txtNum->end(false);
    card->First();
    EXPECT_EQ(txtNum->cursorPosition(), 0);
    EXPECT_EQ(txtStudio->lineEdit()->cursorPosition(), 0);
    txtStudio->lineEdit()->end(false);
    card->Next();
    EXPECT_EQ(txtNum->cursorPosition(), 0);
    EXPECT_EQ(txtStudio->lineEdit()->cursorPosition(), 0);
    // Text set straight into an edit of the card, as a hand-back does, starts there too.
    txtNum->setText(QStringLiteral("87654321"));
    EXPECT_EQ(txtNum->cursorPosition(), 0);
}

// A Save the archive refuses leaves the file's path and the system's error in the log.
TEST_F(CardTest, AFailedSaveIsTracedInTheLogWithTheFileAndTheSystemError)
{
    makeCard();
    blockArchive();
    fill("Studio A", "1", false, "");
    card->Save();
    EXPECT_EQ(shown(sp), QStringList{"error: " + ArchiveAccessMessage()});
    const QList<QByteArray> lines = readBytes(sp.file("Tavoren.log")).split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains(archive().toUtf8())) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains("Is a directory")) << lines[0].toStdString();
}

TEST_F(CardTest, FailureNoticeKindFollowsTheSetup)
{
    RecordCardSetup s = setup();
    s.failures = {.save = NoticeKind::Warning, .first = NoticeKind::Warning};
    makeCard(std::move(s));
    blockArchive();
    fill("Studio A", "3", true, "nota");
    card->First();
    card->Next();
    card->Save();
    card->New();
    const QString message = ArchiveAccessMessage();
    EXPECT_EQ(shown(sp), QStringList({"warning: " + message, "error: " + message, "warning: " + message,
                                      "error: " + message}));
    // New failed before clearing: the card is as it was.
    EXPECT_EQ(afterClearCalls, 0);
    EXPECT_EQ(txtNum->text(), "3");
    EXPECT_EQ(memNote->toPlainText(), "nota");
}

TEST_F(CardTest, WiringFaultsAreReportedWhenTheCardIsBuilt)
{
    const struct {
        const char *name;
        std::function<void(CardTest &)> damage;
        const char *named;  // what the fault report names
    } cases[] = {
        {"field without control", [](CardTest &t) { delete t.memNote; }, "Note"},
        {"field with two controls",
         [](CardTest &t) { (new QLabel(t.window.get()))->setObjectName("lblNote"); }, "Note"},
        {"flag in a label", [](CardTest &t) {
             delete t.chkAttivo;
             (new QLabel(t.window.get()))->setObjectName("chkAttivo");
         }, "Attivo"},
        {"text in a check box", [](CardTest &t) {
             delete t.txtNum;
             (new QCheckBox(t.window.get()))->setObjectName("txtNum");
         }, "Num"},
        {"no position label", [](CardTest &t) { delete t.lblPosizione; }, "lblPosizione"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        RecordCardSetup s = setup();
        s.required.clear();
        s.keptByNew.clear();
        s.resetOnDuplicate.clear();
        s.numbering.reset();
        s.firstField = nullptr;
        c.damage(*this);
        try {
            RecordCard broken(window.get(), std::move(s));
            ADD_FAILURE() << "no fault reported";
        } catch (const std::logic_error &e) {
            EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
        }
    }
}
