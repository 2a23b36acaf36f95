#include "common/ui/FieldTable.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A card made of a head always shown and three sections shown one at a time, the last holding
// only a button: the sectioned form of the field behaviour with the background highlight.
class SectionedCard : public QWidget {
public:
    QLineEdit *txtA = nullptr, *txtB = nullptr;          // head
    QLineEdit *txtC = nullptr, *txtD = nullptr;          // section 1
    QLineEdit *txtE = nullptr;                           // section 2
    QPushButton *btnF = nullptr;                         // section 3, no fields
    QFrame *sections[3]{};
    int pressed = 0;

    SectionedCard()
    {
        resize(600, 300);
        auto *head = new QFrame(this);
        head->setGeometry(0, 0, 600, 60);
        for (int i = 0; i < 3; ++i) {
            sections[i] = new QFrame(this);
            sections[i]->setGeometry(0, 70, 600, 200);
        }
        btnF = new QPushButton(QStringLiteral("F"), sections[2]);
        btnF->setObjectName(QStringLiteral("btnF"));
        btnF->setGeometry(10, 10, 80, 30);
        QObject::connect(btnF, &QPushButton::clicked, [this] { ++pressed; });
        MakeEnterButtons({btnF});
        const FieldGrid grid{.rowPitch = 50, .captionTop = 2, .editTop = 20, .editHeight = 22,
                             .editFont = QFont()};
        FieldTable(grid,
                   {
                       {head, {{&txtA, "A", "A:", 10, 0, 200}, {&txtB, "B", "B:", 220, 0, 200}}},
                       {sections[0], {{&txtC, "C", "C:", 10, 0, 200}, {&txtD, "D", "D:", 220, 0, 200}}},
                       {sections[1], {{&txtE, "E", "E:", 10, 0, 200}}},
                       {sections[2], {}, btnF},
                   },
                   nullptr,
                   {.highlight = FieldBehaviour::Highlight::Background,
                    .chain = FieldBehaviour::Chain::HeadThenSection});
        show(0);
    }
    void show(int section)
    {
        for (int i = 0; i < 3; ++i)
            sections[i]->setVisible(i == section);
    }
};

class FieldBehaviourTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        card = std::make_unique<SectionedCard>();
        card->QWidget::show();
        ASSERT_TRUE(WaitActive(card.get()));
    }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // The colour well inside an edit (clear of its text) and on its frame.
    static QColor fillOf(QLineEdit *e) { return e->grab().toImage().pixelColor(e->width() - 4, e->height() / 2); }
    static QColor frameOf(QLineEdit *e) { return e->grab().toImage().pixelColor(0, e->height() / 2); }

    ScriptedPlatform sp;
    std::unique_ptr<SectionedCard> card;
};

TEST_F(FieldBehaviourTest, EnterLeadsFromTheHeadIntoTheSectionShownAndBackToTheHead)
{
    const struct {
        int section;
        QString fromHead;                 // where Enter in the head's last field goes
        QList<QLineEdit *> walk;          // the section's fields, Enter from each in turn
        QStringList after;                // where each of those Enters goes
    } cases[] = {
        {0, "txtC", {card->txtC, card->txtD}, {"txtD", "txtA"}},
        {1, "txtE", {card->txtE}, {"txtA"}},
        {2, "btnF", {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.section);
        card->show(c.section);
        card->txtA->setFocus();
        QTest::keyClick(card->txtA, Qt::Key_Return);
        EXPECT_EQ(focused(), "txtB");
        QTest::keyClick(card->txtB, Qt::Key_Return);
        EXPECT_EQ(focused(), c.fromHead);
        for (int i = 0; i < c.walk.size(); ++i) {
            QTest::keyClick(c.walk[i], Qt::Key_Return);
            EXPECT_EQ(focused(), c.after[i]);
        }
    }
    // Entering the button section focuses the button without pressing it; the next Enter presses it.
    EXPECT_EQ(card->pressed, 0);
    QTest::keyClick(card->btnF, Qt::Key_Return);
    EXPECT_EQ(card->pressed, 1);
}

TEST_F(FieldBehaviourTest, ModifiersDoNotChangeTheDirectionOfEnter)
{
    for (Qt::KeyboardModifiers m : {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
                                    Qt::KeyboardModifiers(Qt::AltModifier)}) {
        card->txtB->setFocus();
        QTest::keyClick(card->txtB, Qt::Key_Enter, m);
        EXPECT_EQ(focused(), "txtC");
        QTest::keyClick(card->txtC, Qt::Key_Return, m);
        EXPECT_EQ(focused(), "txtD");
    }
}

TEST_F(FieldBehaviourTest, OnlyTheFocusedEditIsYellowAndEveryEditKeepsItsSkyBlueFrame)
{
    card->txtA->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(fillOf(card->txtA), Look::FocusYellow);
    EXPECT_EQ(fillOf(card->txtB), Look::AliceBlue);
    QTest::keyClick(card->txtA, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(fillOf(card->txtA), Look::AliceBlue);
    EXPECT_EQ(fillOf(card->txtB), Look::FocusYellow);
    // A mouse click moves the colour as Enter does.
    QTest::mouseClick(card->txtC, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(focused(), "txtC");
    EXPECT_EQ(fillOf(card->txtB), Look::AliceBlue);
    EXPECT_EQ(fillOf(card->txtC), Look::FocusYellow);
    for (QLineEdit *e : {card->txtA, card->txtB, card->txtC})
        EXPECT_EQ(frameOf(e), Look::SkyBlue) << e->objectName().toStdString();
    // No highlight rectangle of the other form is made.
    EXPECT_EQ(card->findChild<HighlightRect *>(), nullptr);
}

} // namespace
