// The low-stock list: which articles it shows, and the double-click that loads one into the card.
#include "tests/support/QStringPrinter.h"
#include "common/ArchiveSearch.h"
#include "common/ui/LineList.h"
#include "pricelist/PriceItemHandBack.h"
#include "pricelist/Sottoscorta.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ListClicks.h"
#include "tests/support/PriceListFixture.h"
#include "tests/support/ScriptedPlatform.h"

#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

QWidget *cardTarget = nullptr;

class LowStock : public ::testing::Test {
protected:
    void TearDown() override { cardTarget = nullptr; }
    QString archive() const { return sp.file(PriceListArchiveName); }

    ScriptedPlatform sp;
};

} // namespace

TEST_F(LowStock, ListsEachArticleAtOrBelowItsMinimumAndSkipsThoseThatAreNotNumbers)
{
    const struct {
        const char *description;
        const char *stock;
        const char *minimum;
        bool listed;
    } cases[] = {
        {"Pari", "5", "5", true},
        {"Zero e zero", "0", "0", true},
        {"Negativa", "-3", "0", true},
        {"Nove su dieci", "9", "10", true},    // numbers, not texts, are compared
        {"Dieci su nove", "10", "9", false},
        {"Decimale sopra", "2,5", "2", false},
        {"Decimale sotto", "2,5", "3", true},
        {"Decimale pari", " 2,5 ", "2,50", true},
        {"Zeri davanti", "007", "7", true},
        {"Giacenza testo", "abc", "5", false},  // not a number: skipped, and the list goes on
        {"Giacenza vuota", "", "5", false},
        {"Minimo vuoto", "3", "", false},
        {"Virgole", "1,2,3", "9", false},
        {"Esponente", "1E1", "2E1", true},          // 10 and 20
        {"Esponente sopra", "3E1", "2E1", false},
        {"Spazi non separabili", "\u00a0", "5", false},
        {"Dopo le altre", "1", "4", true},
    };
    std::vector<Record> items;
    QStringList expected;
    // The file order is the reverse of the table, so that the list's own order shows.
    for (auto it = std::rbegin(cases); it != std::rend(cases); ++it) {
        Record r = PriceItem({{"Descrizione", it->description},
                              {"Giacenza", it->stock},
                              {"Sottoscorta", it->minimum},
                              {"Prezzo", "1,00"}});
        items.push_back(r);
        if (it->listed)
            expected << PriceItemListLine(r);
    }
    SortListLines(expected);
    writeBytes(archive(), ArchiveBytes(items));

    TfrmSottoscorta list;
    list.show();
    EXPECT_EQ(list.lstRecords->lines(), expected);
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(LowStock, DoubleClickLoadsTheArticleIntoTheCard)
{
    Record low = FullPriceItem("2");
    low.setText("Giacenza", "1");
    low.setText("Sottoscorta", "3");
    Record alsoLow = FullPriceItem("4");
    alsoLow.setText("Giacenza", "0");
    alsoLow.setText("Sottoscorta", "0");
    Record plenty = FullPriceItem("1");
    plenty.setText("Giacenza", "50");
    plenty.setText("Sottoscorta", "3");
    writeBytes(archive(), ArchiveBytes({plenty, low, FullPriceItem("3"), alsoLow}));
    const QByteArray before = readBytes(archive());

    FakePriceListCard card;
    cardTarget = &card;
    RegisterPriceItemTarget("servizi", [] { return cardTarget; });
    QPointer<QWidget> shown;
    sp.onModal = [&](QWidget *w) {
        shown = w;
        auto *list = qobject_cast<TfrmSottoscorta *>(w);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->parentWidget(), &card);
        EXPECT_EQ(list->windowTitle(), " Materiali in esaurimento");
        EXPECT_EQ(list->size(), QSize(862, 560));
        ASSERT_NE(list->focusWidget(), nullptr);
        EXPECT_EQ(list->focusWidget()->objectName(), "txtTrova");
        EXPECT_EQ(list->lstRecords->lines(), (QStringList{PriceItemListLine(low), PriceItemListLine(alsoLow)}));
        DoubleClickLine(list, 1);
        EXPECT_FALSE(list->isVisible());
    };
    OpenLowStockList(&card);

    EXPECT_TRUE(shown.isNull()) << "the card destroys the list";
    for (const QString &name : PriceListItemRecordLayout().names())
        EXPECT_EQ(card.shown(name), alsoLow.text(name)) << name.toStdString();
    EXPECT_EQ(card.lblPosizione->text(), "4");
    EXPECT_EQ(readBytes(archive()), before);
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST_F(LowStock, NothingLowGivesAnEmptyListThatTrovaReports)
{
    // A missing archive is created empty; an archive with no low article lists nothing either.
    for (bool missing : {true, false}) {
        SCOPED_TRACE(missing);
        if (!missing)
            writeBytes(archive(), ArchiveBytes({PriceItem({{"Descrizione", "Molti"}, {"Giacenza", "8"},
                                                           {"Sottoscorta", "2"}})}));
        sp.clear();
        TfrmSottoscorta list;
        list.show();
        EXPECT_TRUE(QFile::exists(archive()));
        EXPECT_EQ(list.lstRecords->count(), 0);
        QTest::mouseClick(list.btnTrova, Qt::LeftButton);
        ASSERT_EQ(sp.calls.size(), 1u);
        EXPECT_EQ(sp.calls[0].kind, "plain");
        EXPECT_EQ(sp.calls[0].text, "Ricerca non applicabile: la lista non contiene nessuna voce.");
    }
    TfrmSottoscorta list;
    EXPECT_EQ(list.setup().printTitle, "Materiali in esaurimento");
    EXPECT_EQ(list.setup().itemWidth, 1400);
}
