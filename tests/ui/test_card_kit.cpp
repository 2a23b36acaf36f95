#include "common/Record.h"
#include "common/ui/CardPanel.h"
#include "common/ui/CommandStrip.h"
#include "common/ui/FieldTable.h"
#include "common/ui/Look.h"
#include "common/ui/RecordCard.h"
#include "common/ui/RecordNavigator.h"
#include "common/ui/StatusLine.h"
#include "common/ui/Widgets.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QTextCursor>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const RecordLayout &KitLayout()
{
    // The multi-line edit stays outside the record: the record card finds its fields as txt, chk, rad or lbl.
    static const RecordLayout layout{{"Nome", 10}, {"Prov", 2}, {"Socio", 2}, {"Codice", 5}};
    return layout;
}

const QStringList Codes{"BO", "MI", "RM"};

// A small card made only of kit pieces: two sections, a command column, the navigator and the
// status line, over an archive of the layout above.
class KitCard : public QWidget {
public:
    QLineEdit *txtNome = nullptr;
    QComboBox *txtProv = nullptr;
    QCheckBox *chkSocio = nullptr;
    QPlainTextEdit *memNote = nullptr;
    QLineEdit *txtCodice = nullptr;
    ClickLabel *cmdSalva = nullptr;
    StatusLine *status = nullptr;
    RecordCard *card = nullptr;
    int saved = 0;
    int printed = 0;

    explicit KitCard(QSize panelSize = QSize(700, 330))
    {
        setMouseTracking(true);
        QFrame *panel = PlaceCardPanel(this, panelSize);
        QFrame *first = MakeRoundedPanel(panel, QStringLiteral("shpSezione01"), Qt::white);
        first->setGeometry(8, 8, 520, 110);
        QFrame *second = MakeRoundedPanel(panel, QStringLiteral("shpSezione02"), Qt::white);
        second->setGeometry(8, 126, 520, 140);
        const FieldGrid grid{.rowPitch = 52, .captionTop = 2, .editTop = 22, .editHeight = 28,
                             .editFont = Look::Verdana(12, true)};
        FieldTable(grid,
                   {
                       {first,
                        {
                            {&txtNome, "Nome", "<b>Nome</b>:", 8, 0, 200},
                            {&txtProv, "Prov", "Prov.", 216, 0, 60, {}, &Codes},
                            {&chkSocio, "Socio", "Socio", 290, 0, 100},
                            {&txtCodice, "Codice", "Codice:", 8, 1, 100,
                             {.typing = EditRules::Case::UpperTrim}, nullptr, Qt::AlignCenter},
                        }},
                       {second, {{&memNote, "Note", "Note:", 8, 0, 400, {.maxLength = 12}, nullptr, Qt::AlignLeft, 2}}},
                   },
                   &KitLayout());
        status = new StatusLine(panel, QStringLiteral("Pronto"));
        status->setGeometry(8, 280, 300, 40);
        auto *navigator = new RecordNavigator(panel, QPoint(panelSize.width() - 8 - RecordNavigator::Width, 280), status);
        QFrame *column = MakeRoundedPanel(panel, QStringLiteral("shpComandi"), Look::Pale);
        column->setGeometry(536, 8, 156, 258);
        MakeCommandStrip(column, {.origin = QPoint(8, 8), .tile = QSize(140, 38), .pitch = 43},
                         {
                             {&cmdSalva, "cmdSalva", "Salva", "Salva la scheda.", [this] { ++saved; }},
                             {nullptr, "cmdStampa", "Stampa", "Stampa la scheda.", [this] { ++printed; }},
                         },
                         status);
        status->clearOverBackground(this);
        card = new RecordCard(this, {.archiveFile = [] { return QStringLiteral("Kit.dat"); }, .layout = &KitLayout()});
        navigator->attach(card);
    }

    template <typename T = QWidget>
    T *named(const char *name) const
    {
        T *w = findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
};

QString focusedName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

class CardKit : public ::testing::Test {
protected:
    void SetUp() override
    {
        w = std::make_unique<KitCard>();
        w->resize(760, 400);
        w->show();
        ASSERT_TRUE(WaitActive(w.get()));
    }
    void hover(QWidget *target, QPoint at) { QTest::mouseMove(w->windowHandle(), target->mapTo(w.get(), at)); }

    ScriptedPlatform sp;
    std::unique_ptr<KitCard> w;
};

TEST_F(CardKit, FieldTableMakesNamedControlsCaptionsAndHighlights)
{
    EXPECT_EQ(w->txtNome->objectName(), "txtNome");
    EXPECT_EQ(w->txtProv->objectName(), "txtProv");
    EXPECT_EQ(w->chkSocio->objectName(), "chkSocio");
    EXPECT_EQ(w->chkSocio->text(), "Socio");
    EXPECT_EQ(w->memNote->objectName(), "memNote");
    for (const char *name : {"effNome", "effProv", "effCodice", "effNote"})
        EXPECT_NE(w->findChild<HighlightRect *>(name), nullptr) << name;
    EXPECT_EQ(w->findChild<HighlightRect *>("effSocio"), nullptr) << "a check box has no highlight";

    // Captions show their text as it is, never as markup.
    auto *caption = w->named<QLabel>("titNome");
    EXPECT_EQ(caption->text(), "<b>Nome</b>:");
    EXPECT_EQ(caption->textFormat(), Qt::PlainText);
    EXPECT_EQ(w->findChild<QLabel *>("titSocio"), nullptr);

    // Places on the grid: the caption above the control, a multi-line edit over its rows.
    EXPECT_EQ(w->txtCodice->geometry(), QRect(8, 52 + 22, 100, 28));
    EXPECT_EQ(caption->geometry().topLeft(), QPoint(8, 2));
    EXPECT_EQ(w->memNote->height(), 28 + 52);
    EXPECT_EQ(w->txtCodice->alignment(), Qt::AlignCenter);
    EXPECT_EQ(w->txtNome->font().family(), "Verdana");

    // The highlight shows behind the focused field only.
    w->txtCodice->setFocus();
    EXPECT_TRUE(w->named("effCodice")->isVisible());
    EXPECT_FALSE(w->named("effNome")->isVisible());
    EXPECT_EQ(w->named("effCodice")->geometry(), w->txtCodice->geometry().adjusted(-4, -4, 4, 4));
}

TEST_F(CardKit, TypingIsLimitedToTheCapacityOfTheRecordField)
{
    struct Case {
        const char *field;
        const char *keys;
        const char *expected;
    };
    const Case cases[] = {
        {"txtNome", "abcdefghijklmno", "abcdefghij"},  // capacity 10
        {"txtProv", "rmx", "RM"},                      // a code box: capacity 2, upper-cased
        {"txtCodice", " ab cdefg", "ABCDE"},           // its own rule and the capacity together
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.field);
        QWidget *field = w->named(c.field);
        field->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), c.keys);
        EXPECT_EQ(ControlText(field), c.expected);
    }
    // A multi-line edit stops at its limit too, pasting included, and takes new lines.
    w->memNote->setFocus();
    QTest::keyClicks(w->memNote, "riga");
    QTest::keyClick(w->memNote, Qt::Key_Return);
    QTest::keyClicks(w->memNote, "seconda riga");
    EXPECT_EQ(w->memNote->toPlainText(), "riga\nseconda");
    w->memNote->selectAll();
    QApplication::clipboard()->setText("incollato troppo lungo");
    w->memNote->paste();
    EXPECT_EQ(w->memNote->toPlainText(), "incollato tr");
    // The blanks and line breaks that would stand at an end go before the paste is cut.
    w->memNote->clear();
    QApplication::clipboard()->setText("\n\t  prima riga\nseconda  \r\n");
    w->memNote->paste();
    EXPECT_EQ(w->memNote->toPlainText(), "prima riga\ns");
    w->memNote->setPlainText("ab");
    w->memNote->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(" cd \n");
    w->memNote->paste();
    EXPECT_EQ(w->memNote->toPlainText(), "ab cd");

    // Program-set text is never cut.
    w->memNote->setPlainText(QString(30, u'x'));
    EXPECT_EQ(w->memNote->toPlainText().size(), 30);
    w->txtNome->setText(QString(30, u'x'));
    EXPECT_EQ(w->txtNome->text().size(), 30);
    EXPECT_EQ(w->txtProv->count(), 3);
}

TEST_F(CardKit, TabFollowsTheTableAndEnterSkipsCheckBoxesAndMultiLineEdits)
{
    w->txtNome->setFocus();
    QStringList walked{focusedName()};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        walked << focusedName();
    }
    EXPECT_EQ(walked, (QStringList{"txtNome", "txtProv", "txtCodice", "txtNome"}));

    w->txtNome->setFocus();
    walked = QStringList{focusedName()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << focusedName();
    }
    EXPECT_EQ(walked, (QStringList{"txtNome", "txtProv", "chkSocio", "txtCodice", "memNote"}));
}

TEST_F(CardKit, CommandStripPlacesTilesRunsHandlersAndShowsHints)
{
    auto *print = w->named<ClickLabel>("cmdStampa");
    EXPECT_EQ(w->cmdSalva->geometry(), QRect(8, 8, 140, 38));
    EXPECT_EQ(print->geometry(), QRect(8, 51, 140, 38));
    EXPECT_EQ(print->focusPolicy(), Qt::NoFocus);

    // Clicking a command leaves the focus where it was.
    w->txtNome->setFocus();
    QTest::mouseClick(w->cmdSalva, Qt::LeftButton);
    QTest::mouseClick(print, Qt::LeftButton);
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_EQ(w->saved, 1);
    EXPECT_EQ(w->printed, 2);
    EXPECT_EQ(focusedName(), "txtNome");

    // A horizontal bar steps to the right.
    QWidget bar;
    const QList<ClickLabel *> made = MakeCommandStrip(
        &bar, {.orientation = Qt::Horizontal, .origin = QPoint(4, 2), .tile = QSize(90, 30), .pitch = 96},
        {{nullptr, "cmdUno", "Uno", "", {}}, {nullptr, "cmdDue", "Due", "", {}}}, nullptr);
    ASSERT_EQ(made.size(), 2);
    EXPECT_EQ(made[1]->geometry(), QRect(100, 2, 90, 30));
}

TEST_F(CardKit, HintsShowOverCommandsAndClearOverTheBackground)
{
    EXPECT_EQ(w->status->objectName(), "panInfo");
    EXPECT_EQ(w->status->textFormat(), Qt::PlainText);
    hover(w->cmdSalva, QPoint(10, 10));
    EXPECT_EQ(w->status->text(), "Salva la scheda.");
    hover(w->txtNome, QPoint(10, 10));
    EXPECT_EQ(w->status->text(), "Salva la scheda.") << "a field keeps the hint";
    hover(w->named("cmdUltimo"), QPoint(5, 5));
    EXPECT_EQ(w->status->text(), "Visualizza l'ultima scheda in archivio.");
    hover(w->named("shpSezione02"), QPoint(500, 130));
    EXPECT_EQ(w->status->text(), "");

    for (const char *background : {"shpComandi", "lblPosizione", "panContainer", "titNome"}) {
        SCOPED_TRACE(background);
        hover(w->cmdSalva, QPoint(10, 10));
        ASSERT_EQ(w->status->text(), "Salva la scheda.");
        hover(w->named(background), QPoint(2, 2));
        EXPECT_EQ(w->status->text(), "");
    }
}

TEST_F(CardKit, NavigatorArrowsBrowseTheArchive)
{
    const QList<QString> order{"cmdPrimo", "cmdIndietro", "lblPosizione", "cmdAvanti", "cmdUltimo"};
    for (int i = 0; i + 1 < order.size(); ++i)
        EXPECT_LT(w->named(qPrintable(order[i]))->x(), w->named(qPrintable(order[i + 1]))->x());
    auto *position = w->named<QLabel>("lblPosizione");
    EXPECT_EQ(position->textFormat(), Qt::PlainText);

    std::vector<Record> records;
    for (const char *name : {"Uno", "Due", "<b>Tre</b>"}) {
        Record r(KitLayout());
        r.setText("Nome", name);
        records.push_back(r);
    }
    writeBytes(sp.file("Kit.dat"), ArchiveBytes(records));
    const struct {
        const char *arrow;
        const char *position;
        const char *name;
    } steps[] = {
        {"cmdUltimo", "3", "<b>Tre</b>"}, {"cmdIndietro", "2", "Due"}, {"cmdPrimo", "1", "Uno"},
        {"cmdAvanti", "2", "Due"},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.arrow);
        QTest::mouseClick(w->named(s.arrow), Qt::LeftButton);
        EXPECT_EQ(position->text(), s.position);
        EXPECT_EQ(w->txtNome->text(), s.name);
    }
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST(CardKitPictures, PicturesAreDrawnWhenTheWindowIsFirstShown)
{
    ScriptedPlatform sp;
    KitCard w;
    auto *tile = w.named<ClickLabel>("cmdSalva");
    auto *arrow = w.named<ClickLabel>("cmdPrimo");
    EXPECT_TRUE(tile->pixmap().isNull());
    EXPECT_TRUE(arrow->pixmap().isNull());
    w.show();
    EXPECT_EQ(tile->pixmap().size(), tile->size());
    EXPECT_EQ(arrow->pixmap().size(), arrow->size());
}

TEST(CardKitPanel, PanelIsCentredAndScrollsWhenTheWindowIsSmaller)
{
    ScriptedPlatform sp;
    KitCard w;
    auto *panel = w.named("panContainer");
    auto *scroll = w.named<QScrollArea>("scrScheda");
    w.resize(900, 500);
    w.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->size(), QSize(700, 330));
    EXPECT_EQ(panel->mapTo(&w, QPoint(0, 0)), QPoint(100, 85));
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());

    // Smaller than the panel: the panel keeps its size and the window scrolls to it.
    w.resize(400, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->size(), QSize(700, 330));
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
    ASSERT_TRUE(WaitActive(&w));
    w.named("memNote")->setFocus();
    QCoreApplication::processEvents();
    EXPECT_GT(scroll->verticalScrollBar()->value(), 0) << "the focused field is brought into view";
}

} // namespace
