// The search and list mechanics over a small archive of their own: matching, order, find-next,
// the double-click lookup, the printout and the failures.
#include "tests/support/QStringPrinter.h"
#include "common/ArchiveSearch.h"
#include "common/ui/LineList.h"
#include "common/Messages.h"
#include "common/ui/SearchWindow.h"
#include "common/Text.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ListReport.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/PdfFiles.h"
#include "tests/support/ScriptedPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>


#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <vector>


namespace {

const QString ArchiveName = QStringLiteral("Prova.pro");
const QString EmptyListMessage = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

// A record of three texts and seven short spare fields, so that ten criteria have fields to search.
const RecordLayout &testLayout()
{
    static const RecordLayout layout{{"Nome", 30}, {"Citta", 30}, {"Nota", 40}, {"F4", 4}, {"F5", 4},
                                     {"F6", 4},    {"F7", 4},     {"F8", 4},    {"F9", 4}, {"F10", 4}};
    return layout;
}

const ColumnLine &testLine()
{
    static const ColumnLine line(testLayout(), {{"", "Nome", 12}, {"  Citta: ", "Citta", 10}, {"  ", "Nota", 0}});
    return line;
}

Record record(const QString &nome, const QString &citta = {}, const QString &nota = {}, const QString &f4 = {})
{
    Record r(testLayout());
    r.setText("Nome", nome);
    r.setText("Citta", citta);
    r.setText("Nota", nota);
    r.setText("F4", f4);
    return r;
}


int fieldIndex(const char *name) { return testLayout().indexOf(QLatin1String(name)); }

// A search window over the test archive; every hand-back is recorded as (number, name).
class TestSearch : public SearchWindow {
public:
    explicit TestSearch(std::vector<std::pair<int, QString>> *handed) : SearchWindow(setupFor(handed), nullptr) {}

    static SearchWindowSetup setupFor(std::vector<std::pair<int, QString>> *handed)
    {
        SearchWindowSetup s;
        s.caption = QStringLiteral(" Trova prove");
        s.archiveFile = [] { return ArchiveName; };
        s.layout = &testLayout();
        s.line = testLine();
        s.sorted = true;
        s.printTitle = QStringLiteral("Riepilogo prove");
        s.handBack = [handed](const Record &r, int number) { handed->emplace_back(number, r.text("Nome")); };
        s.criteria = {{{"txtNome", "Nome:", "Nome", "effNome"},
                       {"txtCitta", "Citta:", "Citta", "effCitta"},
                       {"txtNota", "Nota:", "Nota", "effNota"},
                       {"txtF4", "F4:", "F4", "effF4"},
                       {"txtF5", "F5:", "F5", "effF5"},
                       {"txtF6", "F6:", "F6", "effF6"},
                       {"txtF7", "F7:", "F7", "effF7"},
                       {"txtF8", "F8:", "F8", "effF8"},
                       {"txtF9", "F9:", "F9", "effF9", true},
                       {"txtF10", "F10:", "F10", "effF10", true}}};
        return s;
    }
};

class SearchWindowTest : public ::testing::Test {
protected:
    void SetUp() override { window = std::make_unique<TestSearch>(&handed); }

    void writeArchive(const std::vector<Record> &records) { writeBytes(sp.file(ArchiveName), ArchiveBytes(records)); }
    void showWindow()
    {
        window->show();
        ASSERT_TRUE(WaitActive(window.get()));
    }
    void search(const QString &nome = {}, const QString &citta = {})
    {
        window->criterion(0)->setText(nome);
        window->criterion(1)->setText(citta);
        QTest::mouseClick(window->btnCerca, Qt::LeftButton);
    }
    void doubleClick(int row)
    {
        LineListView *list = window->lstRecords;
        const QRect r = list->visualRect(list->model()->index(row, 0));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    ScriptedPlatform sp;
    std::vector<std::pair<int, QString>> handed;
    std::unique_ptr<TestSearch> window;
};

} // namespace

TEST(ArchiveSearchRule, CriteriaMatchAsTypedWithOnlyAToZFolded)
{
    struct Case {
        const char *what;
        QList<std::pair<const char *, QString>> criteria;
        QString nome;
        QString citta;
        bool listed;
    };
    const QString eGrave = QString::fromUtf8("è");
    const QString EGrave = QString::fromUtf8("È");
    const Case cases[] = {
        {"a few letters from the middle", {{"Nome", "ssi Ma"}}, "Rossi Mario", "", true},
        {"capitals find small letters", {{"Nome", "ROSSI"}}, "rossi mario", "", true},
        {"small letters find capitals", {{"Nome", "rossi"}}, "ROSSI MARIO", "", true},
        {"an accented capital does not find its small letter", {{"Nome", EGrave}}, "Caff" + eGrave, "", false},
        {"an accented letter finds itself", {{"Nome", eGrave}}, "Caff" + eGrave, "", true},
        {"a leading blank is part of the criterion", {{"Nome", " Rossi"}}, "Mario Rossi", "", true},
        {"so a field that begins with it is not found", {{"Nome", " Rossi"}}, "Rossi Mario", "", false},
        {"a trailing blank too", {{"Nome", "Rossi "}}, "Mario Rossi", "", false},
        {"every filled criterion must hit", {{"Nome", "Rossi"}, {"Citta", "Roma"}}, "Rossi", "Milano", false},
        {"both hit", {{"Nome", "Rossi"}, {"Citta", "rom"}}, "Rossi", "Roma", true},
        {"no criterion lists everything", {}, "Chiunque", "", true},
        {"empty criteria list everything", {{"Nome", ""}, {"Citta", ""}}, "Chiunque", "", true},
        {"a criterion of blanks alone lists everything", {{"Citta", "   "}}, "Chiunque", "Senza", true},
        // A criterion of blanks is left out: an invisible blank typed in a second field must not
        // list owners without the name that was asked for.
        {"blanks in another field do not stand in for the name", {{"Nome", "Rossi"}, {"Citta", " "}}, "Verdi",
         "San Marino", false},
        {"blanks in another field do not hide the name", {{"Nome", "Rossi"}, {"Citta", " "}}, "Rossi", "Roma", true},
        {"a criterion longer than the field", {{"Nome", "Rossi Mario e altri"}}, "Rossi Mario", "", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QList<SearchCriterion> criteria;
        int expectedCount = 0;
        for (const auto &[field, text] : c.criteria) {
            criteria.append({text, fieldIndex(field)});
            if (!text.trimmed().isEmpty())
                ++expectedCount;
        }
        const CriteriaMatcher matcher(criteria);
        EXPECT_EQ(matcher.nonBlankCount(), expectedCount);
        EXPECT_EQ(matcher.matches(record(c.nome, c.citta)), c.listed);
    }
}

TEST(ArchiveSearchRule, CriteriaMatchTheStoredBytesAsTheTextRuleDoes)
{
    // Generated names and criteria over letters of both cases, accented letters, the characters
    // above 0x7F whose codes lie far from their bytes, and characters no stored text can hold:
    // the matcher lists a record exactly when ContainsFolded finds the criterion in the stored text.
    const QString chars = QString::fromUtf8("aAbBzZ è È€ŠšŸ[_`{\u00e0\u00c0Ω");
    std::mt19937 random(17);
    auto text = [&](int most) {
        QString t;
        for (int n = int(random() % unsigned(most + 1)); n > 0; --n)
            t += chars[int(random() % chars.size())];
        return t;
    };
    for (int i = 0; i < 3000; ++i) {
        const QString name = text(12);
        const QString criterion = random() % 2 ? text(3) : UpperText(name.mid(int(random() % 12), 2));
        const Record r = record(name);
        const bool expected =
            TrimText(criterion).isEmpty() || ContainsFolded(StoredFieldText(r, fieldIndex("Nome")), criterion);
        ASSERT_EQ(CriteriaMatcher({{criterion, fieldIndex("Nome")}}).matches(r), expected)
            << name.toStdString() << " / " << criterion.toStdString();
    }
}

TEST(ArchiveSearchRule, CountTexts)
{
    EXPECT_EQ(SearchCountText(SummaryCountOpening, 0), "Il presente riepilogo contiene 0 schede.");
    EXPECT_EQ(SearchCountText(ListCountOpening, 12345), "Il presente elenco contiene 12345 schede.");
}

TEST(ListOrder, CharacterCodesWithSmallLettersAsCapitals)
{
    const QString EGrave = QString::fromUtf8("Èlite");
    struct Case {
        QString first;
        QString second;
    };
    // Each pair in ascending order.
    const Case ordered[] = {
        {"Zeta", "_uno"},        // the six signs between Z and a come after every letter
        {"zeta", "[uno"},        {"Zeta", EGrave},  // accented capitals after Z
        {"Ros", "Rossi"},        // a line that begins another comes first
        {"abete", "Betulla"},    {"ALFA 2", "alfa 3"}, {" blank", "0"},
    };
    for (const Case &c : ordered) {
        SCOPED_TRACE(c.first.toStdString() + " < " + c.second.toStdString());
        EXPECT_TRUE(ListLineLess(c.first, c.second));
        EXPECT_FALSE(ListLineLess(c.second, c.first));
    }
    // Lines that differ only in the case of A-Z are equal for the order and keep their places.
    EXPECT_FALSE(ListLineLess("Rossi", "ROSSI"));
    EXPECT_FALSE(ListLineLess("ROSSI", "Rossi"));
    QStringList lines{"rossi", "Bianchi", "ROSSI", "_x", "Rossi", "bianchi"};
    SortListLines(lines);
    EXPECT_EQ(lines, (QStringList{"Bianchi", "bianchi", "rossi", "ROSSI", "Rossi", "_x"}));
}

TEST(ListLinesStore, RecordNumbersStayWithTheirLinesWhenSorted)
{
    ListLines lines;
    const QStringList texts{"rossi", "Bianchi", "ROSSI", "_x", "Rossi", "bianchi", ""};
    for (int i = 0; i < texts.size(); ++i)
        lines.append(texts[i], i + 1);
    lines.sort();
    EXPECT_EQ(lines.toStringList(), (QStringList{"", "Bianchi", "bianchi", "rossi", "ROSSI", "Rossi", "_x"}));
    QList<int> numbers;
    for (int row = 0; row < lines.size(); ++row)
        numbers.append(lines.number(row));
    EXPECT_EQ(numbers, (QList<int>{7, 2, 6, 1, 3, 5, 4}));
}

TEST(ListLinesStore, LinesOverManyBlocksAndLongerThanABlockComeBackWhole)
{
    // Lines of a thousand characters fill several blocks of memory; one line is larger than a
    // block. Every line comes back as it went in, also after the list has been moved.
    ListLines lines;
    QStringList expected;
    for (int i = 0; i < 5000; ++i) {
        const QString text = QStringLiteral("%1 ").arg(i, 5, 10, QLatin1Char('0')) + QString(994, QChar(u'a' + i % 26));
        expected.append(text);
        lines.append(text, i + 1);
        if (i == 2500) {
            const QString huge(3 << 20, QChar(0x20AC));
            expected.append(huge);
            lines.append(huge, -1);
        }
    }
    ListLines moved = std::move(lines);
    EXPECT_TRUE(lines.isEmpty());
    ASSERT_EQ(moved.size(), expected.size());
    EXPECT_EQ(moved.toStringList(), expected);
    EXPECT_EQ(moved.number(2501), -1);
    EXPECT_EQ(moved.number(4999), 4999);

    QString remembered;
    EXPECT_EQ(FindNextLine(moved, -1, QStringLiteral("04998 "), remembered), 4999);
}

TEST(ListLine, ColumnsArePaddedOrCutAndTheLastIsWhole)
{
    const Record r = record("  Bartolomeo Carrettieri  ", "Roma", "  nota lunga, non tagliata  ");
    EXPECT_EQ(testLine()(r), "Bartolomeo C  Citta: Roma        nota lunga, non tagliata");
    EXPECT_EQ(testLine()(record("")), QString(12, ' ') + "  Citta: " + QString(10, ' ') + "  ");

    // Stored bytes as another program may leave them: blanks and control characters around the
    // text, a length byte past the capacity, Windows-1252 letters. The line is PadCut of the
    // loaded texts all the same.
    Record raw(testLayout());
    QByteArray bytes = raw.bytes();
    auto put = [&](const char *field, const QByteArray &stored, int lengthByte) {
        const int at = testLayout().offset(fieldIndex(field));
        bytes[at] = char(lengthByte);
        bytes.replace(at + 1, stored.size(), stored);
    };
    put("Nome", QByteArray("\t  \x80uro \xe8 caff\xe8 e altro  \x01"), 26);
    put("Citta", QByteArray(30, 'x'), 200);
    put("Nota", QByteArray("  \x93tra virgolette\x94  "), 19);
    const Record stored(testLayout(), bytes);
    const QString expected = PadCut(stored.text("Nome"), 12) + "  Citta: " + PadCut(stored.text("Citta"), 10) + "  " +
                             stored.text("Nota");
    EXPECT_EQ(testLine()(stored), expected);
    EXPECT_EQ(testLine()(stored).left(12), QString::fromUtf8("€uro è caffè"));
}

TEST(FindNext, WalksFromTheTopForANewTextAndOnForTheSame)
{
    const QStringList lines{"alfa", "beta", "gamma ALFA", "delta", "  epsilon"};
    struct Step {
        const char *what;
        QString text;
        int selectedBefore;
        int expected;
    };
    // One walk after the other, the remembered text carried on.
    const Step steps[] = {
        {"a new text from the top, the first line included", "Alfa", -1, 0},
        {"the same text moves on", "Alfa", 0, 2},
        {"and wraps round", "Alfa", 2, 0},
        {"a new text restarts at the top although the selected line has it", "alf", 2, 0},
        {"found nowhere: the selection stays", "zeta", 3, 3},
        {"found nowhere with nothing selected: the first line", "omega", -1, 0},
        {"a single occurrence", "beta", 0, 1},
        {"stays on it", "beta", 1, 1},
        {"the text is not trimmed", " eps", 0, 4},
        {"an empty text never hits", "", 3, 3},
        {"the same empty text neither", "", 3, 3},
    };
    QString remembered;
    for (const Step &s : steps) {
        SCOPED_TRACE(s.what);
        EXPECT_EQ(FindNextLine(lines, s.selectedBefore, s.text, remembered), s.expected);
        EXPECT_EQ(remembered, s.text.toLower());
    }
}

TEST(ListPrintout, BlockAndBandHeightsFollowTheLines)
{
    ScriptedPlatform sp;
    sp.todayValue = QDate(2026, 3, 7);
    struct Case {
        int lines;
        double block;
        double band;
        size_t pages;
    };
    for (const Case &c : {Case{0, 0, 10, 1}, Case{1, 12.822, 22.822, 1}, Case{100, 1282.2, 1292.2, 2}}) {
        SCOPED_TRACE(c.lines);
        QStringList lines;
        for (int i = 0; i < c.lines; ++i)
            lines << QStringLiteral("Riga %1   con i suoi blank  ").arg(i + 1, 3, 10, QLatin1Char('0'));
        ListReportTemplate report;
        const PreparedReport prepared = report.fill(QStringLiteral("Riepilogo proprietari animali"), lines);
        EXPECT_NEAR(report.find<ReportTextBlock>("txtRiepilogo").heightUnits(), c.block, 1e-9);
        EXPECT_NEAR(report.find<ReportBand>("MasterData").heightUnits(), c.band, 1e-9);
        EXPECT_EQ(prepared.orientation, QPageLayout::Landscape);
        EXPECT_EQ(prepared.name, "Riepilogo dati");
        EXPECT_EQ(prepared.pages.size(), c.pages);
        EXPECT_EQ(prepared.texts("txtRiepilogo"), lines);
        EXPECT_EQ(prepared.texts("txtTitolo"), QStringList{"Riepilogo proprietari animali"});
        EXPECT_EQ(prepared.texts("txtPagina"), QStringList{"Stampa eseguita in data 07/03/2026"});
        // The closing band is on the last page.
        bool closingOnLast = false;
        for (const auto &item : prepared.pages.back().items)
            if (auto *t = std::get_if<PreparedText>(&item); t && t->name == "txtPagina")
                closingOnLast = true;
        EXPECT_TRUE(closingOnLast);
    }
}

TEST_F(SearchWindowTest, OpensOnTheCriteriaWithTheFocusOnTheFirst)
{
    showWindow();
    EXPECT_EQ(window->windowTitle(), " Trova prove");
    EXPECT_EQ(window->size(), QSize(862, 560));
    EXPECT_TRUE(window->panAvvio->isVisible());
    EXPECT_FALSE(window->panContainer->isVisible());
    EXPECT_EQ(window->panAvvio->size(), QSize(833, 529));
    EXPECT_FALSE(window->lblAttendere->isVisible());
    EXPECT_EQ(focused(), "txtNome");
    EXPECT_TRUE(window->highlight(0)->isVisible());
    EXPECT_EQ(window->lblCampo01->text(), "Nome:");
    EXPECT_EQ(window->lblCampo10->text(), "F10:");

    // The window's own texts, byte for byte.
    const std::pair<const char *, const char *> texts[] = {
        {"lblRigo04", "Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da trovare "
                      "e premere il pulsante Cerca."},
        {"lblRigo05", "Lasciare in bianco tutti gli altri campi."},
        {"lblRigo06", "Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."},
        {"lblConta", "0"},
        {"lblAttendere", "Ricerca schede in corso. Attendere..."},
        {"btnAnnulla", "Chiudi"},
        {"btnCerca", "Cerca"},
        {"lblRigo01", "Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e premere "
                      "il pulsante Trova."},
        {"lblRigo02", "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo clic "
                      "su Trova."},
        {"btnTrova", "Trova"},
        {"lblRigo03", "Per richiamare i dati di una scheda, selezionarla con un doppio clic."},
        {"lblTrovate", "Il presente elenco contiene 0 schede."},
        {"btnChiudi", "Chiudi"},
        {"btnStampa", "Stampa"},
    };
    for (const auto &[name, text] : texts) {
        SCOPED_TRACE(name);
        QWidget *w = window->findChild<QWidget *>(QLatin1String(name));
        ASSERT_NE(w, nullptr);
        if (auto *label = qobject_cast<QLabel *>(w))
            EXPECT_EQ(label->text(), QString::fromUtf8(text));
        else
            EXPECT_EQ(qobject_cast<QPushButton *>(w)->text(), QString::fromUtf8(text));
    }
    EXPECT_EQ(window->lstRecords->size(), QSize(801, 273));
    EXPECT_EQ(window->lblMemory->parentWidget(), window->panAvvio);
}

TEST_F(SearchWindowTest, EnterWalksTheCriteriaRoundAndNeverSearches)
{
    showWindow();
    const QStringList cycle{"txtCitta", "txtNota", "txtF4", "txtF5", "txtF6",
                            "txtF7",    "txtF8",   "txtF9", "txtF10", "txtNome"};
    for (const QString &next : cycle) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(focused(), next);
        EXPECT_TRUE(window->findChild<QWidget *>("eff" + next.mid(3))->isVisible());
    }
    EXPECT_TRUE(window->panAvvio->isVisible());
    EXPECT_FALSE(QFileInfo::exists(sp.file(ArchiveName))) << "Enter must not start the search";
    EXPECT_TRUE(sp.calls.empty());
}

TEST_F(SearchWindowTest, CercaListsTheSortedLinesWithTheirCount)
{
    writeArchive({record("rossi", "Roma", "uno"), record("Bianchi", "Roma"), record("Verdi", "Milano"),
                  record("ROSSI", "Roma", "due")});
    showWindow();
    QTest::mousePress(window->btnCerca, Qt::LeftButton);
    EXPECT_TRUE(window->lblAttendere->isVisible());
    QTest::mouseRelease(window->btnCerca, Qt::LeftButton);

    EXPECT_TRUE(sp.calls.empty());
    EXPECT_FALSE(window->panAvvio->isVisible());
    EXPECT_TRUE(window->panContainer->isVisible());
    EXPECT_EQ(window->lblConta->text(), "0");
    EXPECT_EQ(window->lblTrovate->text(), "Il presente riepilogo contiene 4 schede.");
    EXPECT_EQ(window->lstRecords->lines(),
              (QStringList{"Bianchi       Citta: Roma        ", "ROSSI         Citta: Roma        due",
                           "rossi         Citta: Roma        uno", "Verdi         Citta: Milano      "}));
    EXPECT_EQ(window->lstRecords->selectedRow(), -1);
    EXPECT_EQ(focused(), "txtTrova");

    // The items: Courier New 12, opaque black, 1600 wide, all alike.
    const QModelIndex first = window->lstRecords->model()->index(0, 0);
    EXPECT_EQ(first.data(Qt::FontRole).value<QFont>().family(), "Courier New");
    EXPECT_EQ(first.data(Qt::FontRole).value<QFont>().pointSize(), 12);
    EXPECT_EQ(first.data(Qt::ForegroundRole).value<QBrush>().color().rgba(), 0xFF000000u);
    EXPECT_EQ(first.data(Qt::SizeHintRole).toSize().width(), 1600);
    EXPECT_TRUE(window->lstRecords->uniformItemSizes());
}

TEST_F(SearchWindowTest, CriteriaNarrowTheListAndAMissingArchiveIsCreatedEmpty)
{
    showWindow();
    search("rossi");
    EXPECT_EQ(window->lblTrovate->text(), "Il presente riepilogo contiene 0 schede.");
    EXPECT_EQ(window->lblConta->text(), "1");
    EXPECT_TRUE(QFileInfo::exists(sp.file(ArchiveName)));
    EXPECT_EQ(QFileInfo(sp.file(ArchiveName)).size(), 0);

    writeArchive({record("Rossi", "Roma"), record("Bianchi", "Roma"), record("Rossini", "Milano")});
    window = std::make_unique<TestSearch>(&handed);
    showWindow();
    search("ROSS", "m");
    EXPECT_EQ(window->lblConta->text(), "2");
    EXPECT_EQ(window->lstRecords->count(), 2);
    EXPECT_EQ(window->lblTrovate->text(), "Il presente riepilogo contiene 2 schede.");
}

TEST_F(SearchWindowTest, AnArchiveThatCannotBeOpenedGivesThePlainBoxAndKeepsTheCriteria)
{
    ASSERT_TRUE(QDir(sp.folder()).mkdir(ArchiveName));  // a folder where the archive should be
    showWindow();
    search("Rossi", " Roma");

    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, "plain");
    EXPECT_EQ(sp.calls[0].text, ArchiveAccessMessage());
    EXPECT_TRUE(window->panAvvio->isVisible());
    EXPECT_FALSE(window->panContainer->isVisible());
    EXPECT_EQ(window->criterion(0)->text(), "Rossi");
    EXPECT_EQ(window->criterion(1)->text(), " Roma");

    // The user can press "Cerca" again once the archive is there.
    ASSERT_TRUE(QDir(sp.folder()).rmdir(ArchiveName));
    writeArchive({record("Rossi", "Porta Roma")});
    QTest::mouseClick(window->btnCerca, Qt::LeftButton);
    EXPECT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(window->lstRecords->count(), 1);
}

TEST_F(SearchWindowTest, AMissingArchiveThatCannotBeCreatedWritesNothing)
{
    ReadOnlyFolder readOnly(sp.folder());
    if (!readOnly.ok())
        GTEST_SKIP() << "the program folder cannot be made read-only here";
    showWindow();
    search();
    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, "plain");
    EXPECT_EQ(sp.calls[0].text, ArchiveAccessMessage());
    EXPECT_TRUE(QDir(sp.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(SearchWindowTest, DoubleClickHandsBackTheRecordItsLineWasMadeFrom)
{
    // Records 1 and 4 are listed with equal lines; record 3 has that line too but is not listed
    // (F4 is searched, not shown). Each line brings back its own record and no other.
    const std::vector<Record> records{record("Bianchi", "Roma", "", "x"), record("Verdi", "Roma", "", "x"),
                                      record("Bianchi", "Roma"), record("Bianchi", "Roma", "", "x"),
                                      record("Verdi", "Milano", "", "x")};
    writeArchive(records);
    std::vector<int> numbers;
    for (int row : {0, 1, 2}) {
        SCOPED_TRACE(row);
        handed.clear();
        window = std::make_unique<TestSearch>(&handed);
        showWindow();
        window->criterion(3)->setText("x");
        QTest::mouseClick(window->btnCerca, Qt::LeftButton);
        ASSERT_EQ(window->lstRecords->lines(),
                  (QStringList{"Bianchi       Citta: Roma        ", "Bianchi       Citta: Roma        ",
                               "Verdi         Citta: Milano      ", "Verdi         Citta: Roma        "}));

        doubleClick(row);

        ASSERT_EQ(handed.size(), 1u);
        numbers.push_back(handed[0].first);
        EXPECT_EQ(handed[0].second, records[size_t(handed[0].first - 1)].text("Nome"));
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->lstRecords->count(), 0) << "closing empties the list";
    }
    std::sort(numbers.begin(), numbers.begin() + 2);
    EXPECT_EQ(numbers, (std::vector<int>{1, 4, 5}));
    EXPECT_EQ(readBytes(sp.file(ArchiveName)), ArchiveBytes(records));
    EXPECT_TRUE(sp.calls.empty());
}

TEST_F(SearchWindowTest, DoubleClickOnARecordChangedSinceTheListHandsBackOnlyAnUnchangedLine)
{
    struct Case {
        const char *what;
        std::vector<Record> meanwhile;  // the archive as another workstation left it
        std::vector<std::pair<int, QString>> expected;
    };
    const Case cases[] = {
        {"unchanged", {record("Alfa", "Roma"), record("Beta", "Roma")}, {{2, "Beta"}}},
        {"a field outside the line changed", {record("Alfa", "Roma"), record("Beta", "Roma", "", "y")}, {{2, "Beta"}}},
        {"the name changed", {record("Alfa", "Roma"), record("Betta", "Roma")}, {}},
        {"another record took its line", {record("Beta", "Roma"), record("Gamma", "Roma")}, {}},
        {"the file got shorter", {record("Alfa", "Roma")}, {}},
        {"the file was emptied", {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        handed.clear();
        writeArchive({record("Alfa", "Roma"), record("Beta", "Roma")});
        window = std::make_unique<TestSearch>(&handed);
        showWindow();
        search();
        ASSERT_EQ(window->lstRecords->line(1), "Beta          Citta: Roma        ");
        writeArchive(c.meanwhile);
        doubleClick(1);
        EXPECT_EQ(handed, c.expected);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(readBytes(sp.file(ArchiveName)), ArchiveBytes(c.meanwhile)) << "nothing is written";
    }
    EXPECT_TRUE(sp.calls.empty());
}

TEST_F(SearchWindowTest, DoubleClickWithoutASelectedLineHandsNothingBackAndCloses)
{
    writeArchive({record("Bianchi")});
    showWindow();
    search();
    window->lstRecords->selectRow(-1);
    window->lstRecordsDblClick();
    EXPECT_TRUE(handed.empty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(sp.calls.empty());
}

TEST_F(SearchWindowTest, DoubleClickOnAVanishedArchiveSaysNothingAndCloses)
{
    writeArchive({record("Bianchi")});
    showWindow();
    search();
    window->lstRecords->selectRow(0);
    ASSERT_TRUE(QFile::remove(sp.file(ArchiveName)));
    ASSERT_TRUE(QDir(sp.folder()).mkdir(ArchiveName));
    window->lstRecordsDblClick();
    EXPECT_TRUE(handed.empty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(sp.calls.empty());
}

TEST_F(SearchWindowTest, TrovaSelectsTheNextLineAndSaysSoOnAnEmptyList)
{
    showWindow();
    search();
    QTest::mouseClick(window->btnTrova, Qt::LeftButton);
    ASSERT_EQ(sp.calls.size(), 1u);
    EXPECT_EQ(sp.calls[0].kind, "plain");
    EXPECT_EQ(sp.calls[0].text, EmptyListMessage);

    sp.clear();
    writeArchive({record("Alfa", "Roma"), record("Beta", "Milano"), record("Gamma", "Roma")});
    window = std::make_unique<TestSearch>(&handed);
    showWindow();
    search();
    QTest::keyClicks(window->txtTrova, "ROMA");
    QTest::keyClick(window->txtTrova, Qt::Key_Return);
    EXPECT_EQ(focused(), "btnTrova");
    EXPECT_EQ(window->lstRecords->selectedRow(), -1) << "Enter in the find text only moves the focus";
    QTest::keyClick(window->btnTrova, Qt::Key_Return);
    EXPECT_EQ(window->lstRecords->selectedRow(), 0);
    QTest::mouseClick(window->btnTrova, Qt::LeftButton);
    EXPECT_EQ(window->lstRecords->selectedRow(), 2);
    QTest::mouseClick(window->btnTrova, Qt::LeftButton);
    EXPECT_EQ(window->lstRecords->selectedRow(), 0);
    EXPECT_TRUE(sp.calls.empty());

    // Shown again, the window forgets the text it looked for.
    window->hide();
    window->show();
    EXPECT_EQ(window->txtTrova->text(), "");
    EXPECT_EQ(window->lstRecords->selectedRow(), -1);
}

namespace {

// A print dialog that prints into a PDF file.
class PdfPrinting : public ScriptedPlatform {
public:
    bool printDialog(QPrinter &printer, QWidget *parent) override
    {
        if (!ScriptedPlatform::printDialog(printer, parent))
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file(QStringLiteral("stampa.pdf")));
        return true;
    }
};



} // namespace

TEST(ListWindowPrint, StampaPrintsEveryLineInListOrderOverLandscapePages)
{
    PdfPrinting sp;
    std::vector<Record> records;
    for (int i = 100; i >= 1; --i)
        records.push_back(record(QStringLiteral("Nome %1").arg(i, 3, 10, QLatin1Char('0')), "Roma"));
    writeBytes(sp.file(ArchiveName), ArchiveBytes(records));
    std::vector<std::pair<int, QString>> handed;
    TestSearch window(&handed);
    window.show();
    QTest::mouseClick(window.btnCerca, Qt::LeftButton);
    QTest::mouseClick(window.btnStampa, Qt::LeftButton);

    ASSERT_EQ(sp.callsOf("print").size(), 1u);
    EXPECT_TRUE(sp.messages().isEmpty());
    EXPECT_EQ(PdfPageCount(sp.file("stampa.pdf")), 2);
    const QString text = PdfText(sp.file("stampa.pdf"));
    if (!text.isEmpty()) {
        EXPECT_TRUE(text.contains("Riepilogo prove"));
        EXPECT_LT(text.indexOf("Nome 001"), text.indexOf("Nome 100"));
        EXPECT_LT(text.indexOf("Nome 100"), text.indexOf("Stampa eseguita in data 10/12/2026"));
    }
}

TEST(ListWindowPrint, AnEmptyListPrintsTheTitleAndTheClosingBand)
{
    PdfPrinting sp;
    std::vector<std::pair<int, QString>> handed;
    TestSearch window(&handed);
    window.show();
    QTest::mouseClick(window.btnCerca, Qt::LeftButton);
    QTest::mouseClick(window.btnStampa, Qt::LeftButton);
    EXPECT_EQ(PdfPageCount(sp.file("stampa.pdf")), 1);
    const QString text = PdfText(sp.file("stampa.pdf"));
    if (!text.isEmpty()) {
        EXPECT_TRUE(text.contains("Riepilogo prove"));
        EXPECT_TRUE(text.contains("Stampa eseguita in data 10/12/2026"));
    }

    // A cancelled dialog prints nothing and says nothing.
    QFile::remove(sp.file("stampa.pdf"));
    sp.clear();
    sp.printAnswers = {false};
    QTest::mouseClick(window.btnStampa, Qt::LeftButton);
    EXPECT_EQ(sp.calls.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(sp.file("stampa.pdf")));
}

TEST_F(SearchWindowTest, ListingShowsTheBusyCursorAndRepaintsWhileItReadsAndSorts)
{
    // Two commands that read the archive into the list: "Cerca", and a list window being shown.
    // The scripted clock moves a millisecond at each reading: about one a record and one every few
    // thousand comparisons of the sort.
    std::vector<Record> records;
    for (int i = 0; i < 1500; ++i)
        records.push_back(record(QStringLiteral("Nome %1").arg((i * 7919) % 1500, 4, 10, QLatin1Char('0')), "Roma"));
    writeArchive(records);
    std::unique_ptr<ListWindow> list;
    const struct {
        const char *command;
        std::function<LineListView *()> run;
    } cases[] = {
        {"Cerca",
         [&] {
             showWindow();
             search();
             return window->lstRecords;
         }},
        {"a list window shown",
         [&]() -> LineListView * {
             ListWindowSetup s = TestSearch::setupFor(&handed);
             s.listed = [](const Record &) { return true; };
             list = std::make_unique<ListWindow>(s, nullptr);
             list->show();
             return list->lstRecords;
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.command);
        sp.clear();
        sp.clockValue = 0;
        sp.clockStepMs = 1;
        const LineListView *listed = c.run();
        EXPECT_EQ(listed->count(), 1500);
        EXPECT_EQ(listed->line(0).left(9), "Nome 0000");
        EXPECT_EQ(sp.busyLog, (QStringList{"busy", "idle"}));
        // Never more than 200 scripted ms without a chance to repaint, to the end of the work.
        ASSERT_GE(sp.paintTimes.size(), 10u);
        qint64 last = 0;
        for (qint64 at : sp.paintTimes) {
            EXPECT_LE(at - last, 200);
            last = at;
        }
        EXPECT_LE(sp.clockValue - last, 200);
        EXPECT_TRUE(sp.calls.empty());
    }
}
