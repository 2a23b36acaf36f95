#include "invoice_reports/InvoiceLists.h"
#include "invoice_reports/Statistiche.h"
#include "invoice_reports/TakingsChart.h"
#include "common/Messages.h"
#include "tests/invoices/InvoiceArchives.h"
#include "tests/invoices/InvoiceFixture.h"
#include "tests/support/DesignArea.h"
#include "tests/support/PdfFiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <vector>

namespace {

Record dated(const QString &date, const QString &total)
{
    return MakeInvoice({{"Data", date}, {"TotFattura", total}});
}

class TakingsChartWindow : public InvoiceWindows {
protected:
    void SetUp() override
    {
        InvoiceWindows::SetUp();
        chart = std::make_unique<TfrmStatistiche>();
        chart->show();
        ASSERT_TRUE(WaitActive(chart.get()));
    }
    void open(const QString &year)
    {
        chart->txtAnno->setText(year);
        QTest::mouseClick(chart->btnApri, Qt::LeftButton);
    }
    std::unique_ptr<TfrmStatistiche> chart;
};

TEST(MonthlyTakings, ExactSumsRoundedOnceToTheEuroHalfAwayFromZero)
{
    const struct {
        std::vector<const char *> march;  // the totals of March's invoices
        long long euros;
    } cases[] = {
        {{"2,50"}, 3}, {{"2,49"}, 2}, {{"0,50"}, 1}, {{"16,5"}, 17}, {{"-2,50"}, -3}, {{"0"}, 0},
        {{"2,49995"}, 2},           // rounded once: not to 2,5000 first, then to 3
        {{"0,25", "0,25"}, 1},      // the sum is rounded, not each total
        {{"1E3", "2,5e-1"}, 1000},  // the exponent form of the number text
        {{"0,00005", "0,00005", "0,00005"}, 0},
    };
    ScriptedPlatform sp;
    for (const auto &c : cases) {
        std::vector<Record> records;
        for (const char *total : c.march)
            records.push_back(dated("15/03/2026", total));
        // Neither a month part of "+3" nor one of "13" is a month: not counted, never converted.
        records.push_back(dated("15/+3/2026", "100"));
        records.push_back(dated("15/13/2026", "non un numero"));
        writeBytes(sp.file("2026.fat"), ArchiveBytes(records));
        const std::array<long long, 12> months = MonthlyTakings(sp.file("2026.fat"), "2026");
        EXPECT_EQ(months[2], c.euros) << c.march.front();
        EXPECT_EQ(std::count(months.begin(), months.end(), 0), c.euros == 0 ? 12 : 11) << c.march.front();
    }
}

TEST_F(TakingsChartWindow, MonthValuesOfTheOpenedYear)
{
    EXPECT_EQ(chart->txtAnno->text(), "2026") << "the current year";
    EXPECT_EQ(chart->focusWidget(), chart->txtAnno);
    writeBytes(sp.file("2026.fat"),
               ArchiveBytes({dated("01/03/2026", "10,30"), dated("31/03/2026", "5,25"), dated("15/04/2026", "2,50"),
                             dated("15/05/2026", "0,50"), dated("15/06/2026", "2,49"),
                             dated("15/03/2025", "100,00"),  // another year in this archive
                             dated("5/3/2026", "100,00"),    // no leading zeros: not counted
                             dated("15/07/2025", "non un numero"),  // not counted, so never converted
                             dated("", "")})
                   + QByteArray(100, 'z'));  // a torn last record is no invoice
    open("2026");
    EXPECT_TRUE(sp.messages().isEmpty());
    EXPECT_FALSE(chart->panAvvio->isVisible());
    EXPECT_TRUE(chart->panContainer->isVisible());
    EXPECT_EQ(chart->lblTitolo->text(), "Rappresentazione grafica delle fatture emesse nell'anno 2026.");
    EXPECT_EQ(chart->lblFile->text(), sp.file("2026.fat"));
    const MonthValues expected{0, 0, 16, 3, 1, 2, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(chart->ChartStats->values(), expected);
    EXPECT_EQ(chart->findChild<QLabel *>("memMarzo")->text(), "16");
    EXPECT_EQ(chart->findChild<QLabel *>("memDicembre")->text(), "0");

    // The pie keeps the values; the kind outlives closing, the points do not.
    QTest::mouseClick(chart->btnTorta, Qt::LeftButton);
    EXPECT_EQ(chart->ChartStats->kind(), ChartKind::Pie);
    EXPECT_EQ(chart->ChartStats->values(), expected);
    QTest::mouseClick(chart->btnEsci, Qt::LeftButton);
    EXPECT_FALSE(chart->isVisible());
    EXPECT_TRUE(launcher->isVisible());
    chart->show();
    EXPECT_EQ(chart->ChartStats->kind(), ChartKind::Pie);
    EXPECT_FALSE(chart->ChartStats->hasPoints());
    EXPECT_TRUE(chart->panAvvio->isVisible());
    QTest::mouseClick(chart->btnBarre, Qt::LeftButton);
    EXPECT_EQ(chart->ChartStats->kind(), ChartKind::Bars);

    // Bars and pie are two different drawings of the same points.
    QImage bars(1000, 560, QImage::Format_RGB32), pie(1000, 560, QImage::Format_RGB32);
    {
        QPainter b(&bars), p(&pie);
        PaintTakingsChart(b, QRectF(bars.rect()), expected, true, ChartKind::Bars);
        PaintTakingsChart(p, QRectF(pie.rect()), expected, true, ChartKind::Pie);
    }
    EXPECT_NE(bars, pie);
    SaveForViewing(bars, "chart_bars.png");
    SaveForViewing(pie, "chart_pie.png");
}

TEST_F(TakingsChartWindow, YearBoxMissingArchiveAndUnconvertibleTotal)
{
    // Enter moves to "Apri" and opens nothing; only digits reach the box.
    chart->txtAnno->clear();
    QTest::keyClicks(chart->txtAnno, "2a0x2");
    EXPECT_EQ(chart->txtAnno->text(), "202");
    QTest::keyClick(chart->txtAnno, Qt::Key_Return);
    EXPECT_EQ(chart->focusWidget(), chart->btnApri);
    EXPECT_TRUE(chart->panAvvio->isVisible());

    // Three digits: the four-digit warning, and the year panel stays.
    QTest::mouseClick(chart->btnApri, Qt::LeftButton);
    ASSERT_EQ(sp.callsOf("warning").size(), 1u);
    EXPECT_EQ(sp.callsOf("warning")[0].text, "Attenzione: indicare l'anno solare utilizzando quattro cifre.");
    EXPECT_EQ(chart->focusWidget(), chart->txtAnno);
    sp.clear();

    // A counted invoice whose total does not convert: the warning naming it, and no chart.
    Record damaged = dated("01/02/2024", "");
    damaged.setText("NumFatt", "12/2024");
    writeBytes(sp.file("2024.fat"), ArchiveBytes({dated("01/01/2024", "10,00"), damaged}));
    open("2024");
    EXPECT_EQ(sp.messages(), QStringList{InvoiceAmountMessage(InvoiceAmountError("12/2024", "01/02/2024", "TOTALE"))});
    EXPECT_TRUE(chart->panAvvio->isVisible());
    EXPECT_FALSE(chart->ChartStats->hasPoints());
    sp.clear();
    // An archive that cannot be read keeps the archive message.
    ASSERT_TRUE(QDir().mkdir(sp.file("2023.fat")));
    open("2023");
    EXPECT_EQ(sp.messages(), QStringList{ArchiveAccessMessage()});
    EXPECT_TRUE(chart->panAvvio->isVisible());
    sp.clear();

    // A year without an archive: it is created, and the chart shows twelve zero points.
    ASSERT_FALSE(QFile::exists(sp.file("2031.fat")));
    open("2031");
    EXPECT_TRUE(QFile::exists(sp.file("2031.fat")));
    EXPECT_TRUE(chart->ChartStats->hasPoints());
    EXPECT_EQ(chart->ChartStats->values(), MonthValues{});
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST(ChartCopies, OnlyDigitsCount)
{
    const struct {
        const char *answer;
        int copies;
    } cases[] = {{"3", 3}, {"", 1}, {"  ", 1}, {"2a", 1}, {" 2", 1}, {"0", 0}, {"12", 12}};
    for (const auto &c : cases)
        EXPECT_EQ(ChartCopiesAnswer(c.answer), c.copies) << c.answer;
}

TEST_F(TakingsChartWindow, PrintingAsksThenPresetsTheCopiesAndDrawsOnePagePerCopy)
{
    open("2026");
    // No to the question, or a cancelled copies box: no print dialog.
    sp.yesNoAnswers = {false};
    QTest::mouseClick(chart->btnStampa, Qt::LeftButton);
    sp.inputAnswers = {};
    QTest::mouseClick(chart->btnStampa, Qt::LeftButton);
    EXPECT_TRUE(sp.printers.empty());

    // The typed copies are preset in the print dialog, in landscape; a cancelled dialog prints nothing.
    sp.inputAnswers = {QStringLiteral("3")};
    sp.printAnswers = {PrintAnswer(false)};
    QTest::mouseClick(chart->btnStampa, Qt::LeftButton);
    ASSERT_EQ(sp.printers.size(), 1u);
    EXPECT_EQ(sp.printers[0].copies, 3);
    EXPECT_EQ(sp.printers[0].orientation, QPageLayout::Landscape);

    // Each copy is one landscape page drawn by the window, the printer's own count left at 1.
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(sp.file("grafico.pdf"));
    EXPECT_EQ(chart->printChart(pdf, 2), 2);
    EXPECT_EQ(PdfPageCount(sp.file("grafico.pdf")), 2);
    EXPECT_EQ(pdf.pageLayout().orientation(), QPageLayout::Landscape);
}

// Each command of the chart panel writes its hint into the status text on its strip; the panel,
// the chart and the strip clear it.
TEST_F(TakingsChartWindow, CommandsShowTheirHintsAndTheBackgroundClearsThem)
{
    open("2026");
    ASSERT_TRUE(chart->panContainer->isVisible());
    ShowInTheDesignArea(chart.get());
    EXPECT_EQ(chart->panInfo->text(), "Grafico statistico degli incassi mensili.");
    auto *strip = chart->findChild<QWidget *>("shpInfo");
    ASSERT_NE(strip, nullptr);
    EXPECT_TRUE(strip->isAncestorOf(chart->panInfo));
    const auto hover = [&](QWidget *w, QPoint at) {
        QTest::mouseMove(chart->windowHandle(), w->mapTo(chart.get(), at));
        return chart->panInfo->text();
    };
    const struct {
        QWidget *command;
        const char *hint;
    } hints[] = {
        {chart->btnBarre, "Visualizza le statistiche degli incassi sotto forma di grafico a barre tridimensionali."},
        {chart->btnTorta, "Visualizza le statistiche degli incassi sotto forma di grafico a torta tridimensionale."},
        {chart->btnStampa, "Stampa il grafico corrente."},
        {chart->btnEsci, "Esci da questo ambiente di lavoro."},
        {chart->cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
    };
    for (QWidget *background : std::initializer_list<QWidget *>{chart->panContainer, chart->ChartStats, strip})
        for (const auto &h : hints) {
            SCOPED_TRACE(h.command->objectName().toStdString() + " / " + background->objectName().toStdString());
            EXPECT_EQ(hover(h.command, h.command->rect().center()), QString::fromUtf8(h.hint));
            EXPECT_EQ(hover(background, QPoint(2, 2)), "");
        }
}

} // namespace

TEST_F(TakingsChartWindow, ApriShowsTheBusyCursorWhileItReads)
{
    writeBytes(sp.file("2026.fat"), ArchiveBytes({dated("01/03/2026", "10,30")}));
    sp.clear();
    open(QStringLiteral("2026"));
    EXPECT_TRUE(chart->panContainer->isVisible());
    EXPECT_EQ(sp.busyLog, (QStringList{"busy", "idle"}));
}
