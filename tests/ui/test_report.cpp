#include "common/Errors.h"
#include "common/report/CardReport.h"
#include "common/ui/report/ReportOutput.h"
#include "common/ui/report/ReportPreview.h"
#include "common/ui/report/ReportRenderer.h"
#include "common/report/ReportTemplate.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/PdfFiles.h"
#include "tests/support/ScriptedPlatform.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <gtest/gtest.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

namespace {

const QString Author = QStringLiteral("Autore di prova");
const QString Creator = QStringLiteral("Creatore di prova");

QList<CardLine> sampleLines()
{
    QList<CardLine> lines;
    for (int i = 1; i <= CardReportTemplate::LineCount; ++i)
        lines.append({QStringLiteral("Didascalia %1:").arg(i), QStringLiteral("Valore %1").arg(i)});
    return lines;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// The page drawn by the report renderer into a white picture.
QImage renderPage(const PreparedReport &report, size_t page, int dpi = 150)
{
    const QSizeF mm = report.paperSize();
    QImage image(qRound(mm.width() / 25.4 * dpi), qRound(mm.height() / 25.4 * dpi), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    RenderReportPage(painter, report.pages.at(page));
    return image;
}

// Whether anything but white was drawn inside a rectangle given in millimetres of the paper.
bool inked(const QImage &image, const QRectF &mm)
{
    const double perMm = image.dotsPerMeterX() / 1000.0;
    const QRect px(QPoint(qCeil(mm.left() * perMm), qCeil(mm.top() * perMm)),
                   QPoint(qFloor(mm.right() * perMm) - 1, qFloor(mm.bottom() * perMm) - 1));
    for (int y = px.top(); y <= px.bottom(); ++y)
        for (int x = px.left(); x <= px.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

// What the PDF checks look at, read with qpdf.
struct PdfFacts {
    int pages = 0;
    QSizeF mediaBox;             // points, of the first page
    int filteredContents = 0;    // page content streams that carry a /Filter
    int contentStreams = 0;
    QMap<QString, QString> info;
};

PdfFacts readPdf(const QString &path)
{
    PdfFacts facts;
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processFile(QFile::encodeName(path).constData());
    const auto &pages = pdf.getAllPages();
    facts.pages = int(pages.size());
    for (auto page : pages) {
        if (facts.mediaBox.isEmpty()) {
            auto box = page.getKey("/MediaBox");
            facts.mediaBox = QSizeF(box.getArrayItem(2).getNumericValue() - box.getArrayItem(0).getNumericValue(),
                                    box.getArrayItem(3).getNumericValue() - box.getArrayItem(1).getNumericValue());
        }
        auto contents = page.getKey("/Contents");
        std::vector<QPDFObjectHandle> streams =
            contents.isArray() ? contents.getArrayAsVector() : std::vector<QPDFObjectHandle>{contents};
        for (auto stream : streams) {
            ++facts.contentStreams;
            if (stream.getDict().hasKey("/Filter"))
                ++facts.filteredContents;
        }
    }
    auto info = pdf.getTrailer().getKey("/Info");
    for (const char *key : {"/Title", "/Subject", "/Author", "/Creator"})
        if (info.isDictionary() && info.hasKey(key))
            facts.info[QString::fromLatin1(key + 1)] = QString::fromStdString(info.getKey(key).getUTF8Value());
    return facts;
}


// The landscape list printout: a title band, the lines in a block that splits over pages, a closing band.
struct ListReport {
    ReportTemplate tpl{QStringLiteral("Riepilogo dati")};
    ListReport()
    {
        tpl.orientation = QPageLayout::Landscape;
        ReportTextStyle banner;
        banner.font = {QStringLiteral("Verdana"), 9, true};
        banner.color = Qt::white;
        banner.fill = QColor(112, 128, 144);
        banner.hAlign = ReportHAlign::Center;
        tpl.addBand(QStringLiteral("ReportTitle"), 8)
            .add<ReportText>(QStringLiteral("txtTitolo"), QRectF(2, 1, 273, 5))
            .style = banner;
        auto &block = tpl.addBand(QStringLiteral("MasterData"), 28, true)
                          .add<ReportTextBlock>(QStringLiteral("txtRiepilogo"), QRectF(3, 0, 273, 27));
        block.style.font = {QStringLiteral("Courier New"), 8};
        block.linePitch = ReportUnitsToMm(12.822);
        banner.font.pointSize = 8;
        tpl.addBand(QStringLiteral("Footer"), 8).add<ReportText>(QStringLiteral("txtPagina"), QRectF(3, 2, 272, 5)).style =
            banner;
    }
    PreparedReport print(const QStringList &lines)
    {
        tpl.find<ReportText>(QStringLiteral("txtTitolo")).setText(QStringLiteral("Riepilogo proprietari animali"));
        tpl.find<ReportText>(QStringLiteral("txtPagina")).setText(QStringLiteral("Stampa eseguita in data 10/12/2026"));
        auto &block = tpl.find<ReportTextBlock>(QStringLiteral("txtRiepilogo"));
        block.clear();
        for (const QString &line : lines)
            block.addLine(line);
        block.setHeightUnits(lines.size() * 12.822);
        tpl.find<ReportBand>(QStringLiteral("MasterData")).setHeightUnits(block.heightUnits() + 10);
        return tpl.prepare();
    }
};

QStringList numberedLines(int n)
{
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("ROSSI MARIO %1  Tel. 06 1234567  Animali: FIDO").arg(i, 3, 10, QLatin1Char('0'));
    return lines;
}

} // namespace

TEST(CardReport, FillSetsTitleLinesAndFooterLiterally)
{
    ScriptedPlatform sp;
    sp.todayValue = QDate(2026, 3, 7);
    sp.timeValue = QTime(9, 5, 3);
    CardReportTemplate card(Author, Creator);
    QList<CardLine> lines = sampleLines();
    lines[4].value = QStringLiteral("[DATE] e [Cliente]");
    lines.resize(20);   // lines not given print empty, not as their design texts

    const PreparedReport report = card.fill(QStringLiteral("SCHEDA DI PROVA"), lines);

    ASSERT_EQ(report.pages.size(), 1u);
    EXPECT_EQ(report.orientation, QPageLayout::Portrait);
    EXPECT_EQ(report.texts("txtTitolo"), QStringList{"SCHEDA DI PROVA"});
    for (int i = 1; i <= 24; ++i) {
        const QString caption = i <= 20 ? QStringLiteral("Didascalia %1:").arg(i) : QString();
        const QString value = i == 5 ? QStringLiteral("[DATE] e [Cliente]")
                            : i <= 20 ? QStringLiteral("Valore %1").arg(i)
                                      : QString();
        EXPECT_EQ(report.texts(CardReportTemplate::captionName(i)), QStringList{caption}) << i;
        EXPECT_EQ(report.texts(CardReportTemplate::valueName(i)), QStringList{value}) << i;
    }
    EXPECT_EQ(report.texts("txtCalce"), QStringList{"Stampa eseguita in data 07/03/2026 alle ore 09:05:03"});
    EXPECT_EQ(report.pdfInfo.title, "Scheda informativa");
    EXPECT_EQ(report.pdfInfo.subject, "Scheda informativa");
    EXPECT_EQ(report.pdfInfo.author, Author);
    EXPECT_EQ(report.pdfInfo.creator, Creator);

    // Filling again leaves nothing of the first print.
    const PreparedReport again = card.fill(QStringLiteral("ALTRA"), {});
    EXPECT_EQ(again.texts("txtCampo05"), QStringList{QString()});
    EXPECT_EQ(again.texts("titCampo01"), QStringList{QString()});
}

TEST(CardReport, FindFailsForMissingNameOrOtherKind)
{
    CardReportTemplate card(Author, Creator);
    EXPECT_NO_THROW(card.find<ReportPicture>("imgLogo"));
    EXPECT_THROW(card.find<ReportText>("txtCampo25"), TavorenError);
    EXPECT_THROW(card.find<ReportText>("linSepara01"), TavorenError);
}

TEST(CardReport, LongValueIsCutAtTheRightEdgeOnOneLine)
{
    ScriptedPlatform sp;
    CardReportTemplate card(Author, Creator);
    QList<CardLine> lines = sampleLines();
    lines[4].value = QStringLiteral("Via dei Castani Selvatici del Bosco Vecchio ").repeated(6);
    lines[5].value.clear();
    const PreparedReport report = card.fill(QStringLiteral("T"), lines);
    ASSERT_EQ(report.pages.size(), 1u);

    const QImage page = renderPage(report, 0);
    // Line 5 stands at 10 + 24 + 40 = 74 mm from the paper's top, its value box from 70 to 198 mm.
    EXPECT_TRUE(inked(page, QRectF(70, 74, 128, 6)));
    EXPECT_FALSE(inked(page, QRectF(198.4, 74, 11, 6))) << "text beyond the box's right edge";
    EXPECT_FALSE(inked(page, QRectF(65.4, 74, 4.4, 6))) << "text left of the box";
    EXPECT_FALSE(inked(page, QRectF(70, 80.4, 130, 13))) << "text wrapped onto the next lines";
    // The short value of line 4 is drawn from the left of its box.
    EXPECT_TRUE(inked(page, QRectF(70, 64, 10, 6)));
}

TEST(CardReport, CentredTextTooLongForItsBoxStartsAtTheLeft)
{
    ScriptedPlatform sp;
    const QString title = QStringLiteral("Scheda anagrafica di un proprietario dal nome lunghissimo ").repeated(3);
    CardReportTemplate centred(Author, Creator);
    CardReportTemplate leftAligned(Author, Creator);
    leftAligned.find<ReportText>("txtTitolo").style.hAlign = ReportHAlign::Left;

    const QImage a = renderPage(centred.fill(title, {}), 0);
    const QImage b = renderPage(leftAligned.fill(title, {}), 0);
    // Compared as colours only: the unused alpha byte of RGB32 is not part of the picture.
    EXPECT_TRUE(a.convertToFormat(QImage::Format_RGB888) == b.convertToFormat(QImage::Format_RGB888))
        << "an over-long centred text must be cut at the right edge only";
    EXPECT_FALSE(inked(a, QRectF(30.3, 13, 2.4, 9))) << "text left of the title box";
}

TEST(CardReport, PageFollowsTheObjectTable)
{
    ScriptedPlatform sp;
    CardReportTemplate card(Author, Creator);
    QList<CardLine> lines = sampleLines();
    for (auto &line : lines)
        line.value.clear();
    const QImage page = renderPage(card.fill(QStringLiteral("TITOLO"), lines), 0);
    auto colour = [&page](double xMm, double yMm) {
        const double perMm = page.dotsPerMeterX() / 1000.0;
        return QColor(page.pixel(qRound(xMm * perMm), qRound(yMm * perMm)));
    };
    // Grounds: the title and the footer dark orange, the captions teal (paper coordinates = table + 10).
    EXPECT_EQ(colour(34, 14), QColor(255, 140, 0));
    EXPECT_EQ(colour(196, 20.5), QColor(255, 140, 0));
    EXPECT_EQ(colour(14, 35), QColor(0, 128, 128));
    EXPECT_EQ(colour(64, 264 + 5.5), QColor(0, 128, 128));   // line 24 at 254 mm
    EXPECT_EQ(colour(14, 264 + 6.6), QColor(Qt::white));
    EXPECT_EQ(colour(100, 282), QColor(255, 140, 0));
    // The logo: yellow inside 13..30 x 13..26 mm.
    EXPECT_TRUE(inked(page, QRectF(13, 13, 17, 13)));
    EXPECT_FALSE(inked(page, QRectF(13, 26.3, 17, 0.5)));
    // The two thin lines.
    EXPECT_TRUE(inked(page, QRectF(40, 25.6, 100, 0.8)));
    EXPECT_TRUE(inked(page, QRectF(40, 274.6, 100, 0.8)));
}

TEST(ReportPdf, CardPageIsOneUncompressedA4PageWithInfoAndText)
{
    ScriptedPlatform sp;
    const QString path = sp.file("Scheda.pdf");
    writeFile(path, "old file");
    CardReportTemplate card(Author, Creator);
    QList<CardLine> lines = sampleLines();
    lines[0].value = QStringLiteral("Bianchi Lucia [DATE]");
    lines[7] = {QStringLiteral("Modalità pagamento:"), QStringLiteral("Bonifico però")};

    ExportReportPdf(card.fill(QStringLiteral("SCHEDA ANAGRAFICA"), lines), path);

    const PdfFacts pdf = readPdf(path);
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_NEAR(pdf.mediaBox.width(), 595.3, 1);
    EXPECT_NEAR(pdf.mediaBox.height(), 841.9, 1);
    EXPECT_GT(pdf.contentStreams, 0);
    EXPECT_EQ(pdf.filteredContents, 0);
    EXPECT_EQ(pdf.info.value("Title"), "Scheda informativa");
    EXPECT_EQ(pdf.info.value("Subject"), "Scheda informativa");
    EXPECT_EQ(pdf.info.value("Author"), Author);
    EXPECT_EQ(pdf.info.value("Creator"), Creator);
    // Nothing is left beside the file.
    EXPECT_EQ(QDir(sp.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Scheda.pdf"});

    const QString text = PdfText(path, true);
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(text.contains("SCHEDA ANAGRAFICA"));
    EXPECT_TRUE(text.contains("Didascalia 1:"));
    EXPECT_TRUE(text.contains("Bianchi Lucia [DATE]"));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Modalità pagamento:")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Bonifico però")));
    EXPECT_TRUE(text.contains("Stampa eseguita in data 10/12/2026 alle ore 10:30:15"));
}

TEST(ReportPdf, FailureThrowsAndLeavesTheOldFileWhole)
{
    enum class Obstacle { ReadOnlyFolder, TargetIsFolder };
    for (Obstacle obstacle : {Obstacle::ReadOnlyFolder, Obstacle::TargetIsFolder}) {
        SCOPED_TRACE(int(obstacle));
        ScriptedPlatform sp;
        CardReportTemplate card(Author, Creator);
        const PreparedReport report = card.fill(QStringLiteral("T"), sampleLines());
        const QString path = sp.file("Scheda.pdf");
        std::unique_ptr<ReadOnlyFolder> guard;
        if (obstacle == Obstacle::ReadOnlyFolder) {
            writeFile(path, "old file");
            guard = std::make_unique<ReadOnlyFolder>(sp.folder());
            if (!guard->ok())
                continue;   // the folder cannot be made read-only here
        } else {
            ASSERT_TRUE(QDir(sp.folder()).mkpath("Scheda.pdf/inside"));
        }

        EXPECT_THROW(ExportReportPdf(report, path), IoError);

        guard.reset();
        if (obstacle == Obstacle::ReadOnlyFolder)
            EXPECT_EQ(readFile(path), "old file");
        else
            EXPECT_TRUE(QFileInfo(path).isDir());
        const QStringList expected =
            obstacle == Obstacle::ReadOnlyFolder ? QStringList{"Scheda.pdf"} : QStringList{};
        EXPECT_EQ(QDir(sp.folder()).entryList(QDir::Files | QDir::Hidden), expected)
            << "temporary file left behind";
    }
}

TEST(ReportPrint, DialogDecidesWhetherAnythingIsPrinted)
{
    for (bool accepted : {false, true}) {
        SCOPED_TRACE(accepted);
        ScriptedPlatform sp;
        sp.printAnswers = {accepted};
        CardReportTemplate card(Author, Creator);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(sp.file("stampa.pdf"));

        EXPECT_EQ(PrintReport(card.fill(QStringLiteral("T"), sampleLines()), printer, nullptr), accepted);

        ASSERT_EQ(sp.calls.size(), 1u);
        EXPECT_EQ(sp.calls[0].kind, "print");
        EXPECT_TRUE(sp.messages().isEmpty());
        EXPECT_EQ(QFileInfo::exists(sp.file("stampa.pdf")), accepted);
        if (accepted) {
            EXPECT_EQ(readPdf(sp.file("stampa.pdf")).pages, 1);
        }
    }
}

TEST(ReportPreview, OffersFourCommandsAtFullSizeAndPrintsThroughTheDialog)
{
    ScriptedPlatform sp;
    sp.printAnswers = {false};
    CardReportTemplate card(Author, Creator);
    const PreparedReport report = card.fill(QStringLiteral("T"), sampleLines());
    bool driven = false;
    sp.onModal = [&](QWidget *w) {
        auto *window = qobject_cast<ReportPreview *>(w);
        ASSERT_NE(window, nullptr);
        driven = true;
        QStringList commands;
        for (QAction *action : window->toolBar->actions())
            commands << action->text();
        EXPECT_EQ(commands, (QStringList{"Stampa", "Zoom", "Schermo intero", "Chiudi"}));
        EXPECT_EQ(window->findChildren<QToolBar *>().size(), 1);
        EXPECT_EQ(window->preview->zoomMode(), QPrintPreviewWidget::CustomZoom);
        EXPECT_DOUBLE_EQ(window->preview->zoomFactor(), 1.0);
        EXPECT_EQ(window->preview->pageCount(), 1);

        window->actStampa->trigger();
        EXPECT_EQ(sp.callsOf("print").size(), 1u);
        window->actSchermoIntero->trigger();
        EXPECT_TRUE(window->windowState() & Qt::WindowFullScreen);
        window->actChiudi->trigger();
        EXPECT_FALSE(window->isVisible());
    };

    PreviewReport(report, nullptr);

    EXPECT_TRUE(driven);
    ASSERT_EQ(sp.callsOf("modal").size(), 1u);
    EXPECT_EQ(sp.callsOf("modal")[0].text, "ReportPreview");
    EXPECT_TRUE(sp.messages().isEmpty());
}

TEST(ListReport, LinesContinueOverLandscapePagesWithTheClosingBandAfterTheLast)
{
    constexpr double Pitch = 12.822 * 25.4 / 96;
    for (int count : {0, 1, 100, 250}) {
        SCOPED_TRACE(count);
        ListReport list;
        const QStringList lines = numberedLines(count);
        const PreparedReport report = list.print(lines);
        if (count == 100) {
            EXPECT_NEAR(list.tpl.find<ReportTextBlock>("txtRiepilogo").heightUnits(), 1282.2, 1e-9);
            EXPECT_NEAR(list.tpl.find<ReportBand>("MasterData").heightUnits(), 1292.2, 1e-9);
            EXPECT_GE(report.pages.size(), 2u);
        }
        EXPECT_EQ(report.orientation, QPageLayout::Landscape);
        EXPECT_EQ(report.paperSize(), QSizeF(297, 210));
        EXPECT_EQ(report.texts("txtRiepilogo"), lines);
        EXPECT_EQ(report.texts("txtTitolo").size(), 1);
        ASSERT_EQ(report.texts("txtPagina").size(), 1);

        // Lines stay inside the margins at a fixed pitch; the first follows the title band.
        double lastBottom = 10 + 8;
        size_t lastPage = 0;
        for (size_t p = 0; p < report.pages.size(); ++p) {
            double previousTop = -1;
            for (const auto &item : report.pages[p].items) {
                auto *text = std::get_if<PreparedText>(&item);
                if (!text || text->name != "txtRiepilogo")
                    continue;
                EXPECT_GE(text->rect.top(), 10 - 1e-6);
                EXPECT_LE(text->rect.bottom(), 200 + 1e-6);
                if (previousTop < 0)
                    EXPECT_NEAR(text->rect.top(), p == 0 ? 18 : 10, 1e-6);
                else
                    EXPECT_NEAR(text->rect.top() - previousTop, Pitch, 1e-6);
                previousTop = text->rect.top();
                lastBottom = text->rect.bottom();
                lastPage = p;
            }
        }
        EXPECT_EQ(report.pages.size(), size_t(count) <= 53 ? 1u : (count - 53 + 55) / 56 + 1);

        // The closing band is on the last page, 10 units below the last line (or on top of a new page).
        const PreparedText *closing = nullptr;
        for (const auto &item : report.pages.back().items)
            if (auto *text = std::get_if<PreparedText>(&item); text && text->name == "txtPagina")
                closing = text;
        ASSERT_NE(closing, nullptr);
        EXPECT_EQ(closing->text, "Stampa eseguita in data 10/12/2026");
        const double expectedTop = lastBottom + 10 * 25.4 / 96 + 2;
        if (lastPage == report.pages.size() - 1 && expectedTop + 6 <= 200)
            EXPECT_NEAR(closing->rect.top(), expectedTop, 1e-6);
        else
            EXPECT_NEAR(closing->rect.top(), 10 + 2, 1e-6);
    }
}

TEST(ListReport, PrintedPageRangeAndPdfKeepEveryPage)
{
    ScriptedPlatform sp;
    ListReport list;
    const PreparedReport report = list.print(numberedLines(250));
    ASSERT_EQ(report.pages.size(), 5u);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(sp.file("pagine.pdf"));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    ASSERT_TRUE(PrintReport(report, printer, nullptr));
    EXPECT_EQ(readPdf(sp.file("pagine.pdf")).pages, 2);

    ExportReportPdf(report, sp.file("Riepilogo.pdf"));
    const PdfFacts pdf = readPdf(sp.file("Riepilogo.pdf"));
    EXPECT_EQ(pdf.pages, 5);
    EXPECT_NEAR(pdf.mediaBox.width(), 841.9, 1);
    EXPECT_NEAR(pdf.mediaBox.height(), 595.3, 1);
    EXPECT_EQ(pdf.filteredContents, 0);
    const QString text = PdfText(sp.file("Riepilogo.pdf"), true);
    if (!text.isEmpty()) {
        // pdftotext guesses the blanks between words, so only the words are compared.
        EXPECT_TRUE(text.simplified().contains("ROSSI MARIO 001 Tel. 06 1234567 Animali: FIDO"));
        EXPECT_TRUE(text.contains("ROSSI MARIO 250"));
        EXPECT_LT(text.indexOf("ROSSI MARIO 250"), text.indexOf("Stampa eseguita in data"));
    }
}

TEST(ReportPrint, DialogAnswersReachThePrinterAndAreRecorded)
{
    ScriptedPlatform sp;
    ListReport list;
    const PreparedReport report = list.print(numberedLines(250));
    ASSERT_EQ(report.pages.size(), 5u);
    sp.printAnswers = {false, PrintAnswer::printing(3, 2, 3), PrintAnswer::printing(2)};

    const int pagesPrinted[] = {0, 2, 5};
    for (int run = 0; run < 3; ++run) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString file = sp.file(QStringLiteral("stampa%1.pdf").arg(run));
        printer.setOutputFileName(file);
        EXPECT_EQ(PrintReport(report, printer, nullptr), run > 0);
        EXPECT_EQ(QFileInfo::exists(file), run > 0);
        if (run > 0) {
            EXPECT_EQ(readPdf(file).pages, pagesPrinted[run]) << run;
        }
    }

    ASSERT_EQ(sp.printers.size(), 3u);
    struct Expected { bool accepted; int copies; QPrinter::PrintRange range; int from, to; } expected[] = {
        {false, 1, QPrinter::AllPages, 0, 0},
        {true, 3, QPrinter::PageRange, 2, 3},
        {true, 2, QPrinter::AllPages, 0, 0},
    };
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const PrinterAfterDialog &p = sp.printers[i];
        EXPECT_EQ(p.accepted, expected[i].accepted);
        EXPECT_EQ(p.copies, expected[i].copies);
        EXPECT_EQ(p.orientation, QPageLayout::Landscape) << "the report's page is set before the dialog";
        EXPECT_EQ(p.range, expected[i].range);
        EXPECT_EQ(p.fromPage, expected[i].from);
        EXPECT_EQ(p.toPage, expected[i].to);
    }
}

namespace {

// A page holding one painted object at (20, 30) mm from the printable area's corner, 40 x 20 mm.
struct PaintingPage {
    ReportTemplate tpl{QStringLiteral("Grafico")};
    ReportPainting &painting = tpl.add<ReportPainting>(QStringLiteral("ChartStats"), QRectF(20, 30, 40, 20));
};

// The device pixel at a point given in millimetres of the paper.
QRgb pixelAt(const QImage &image, double xMm, double yMm)
{
    const double perMm = image.dotsPerMeterX() / 1000.0;
    return image.pixel(int(xMm * perMm), int(yMm * perMm));
}

} // namespace

TEST(ReportPainting, RoutineGetsItsBoxInDevicePixelsAndIsClippedToIt)
{
    for (int dpi : {96, 150, 300}) {
        SCOPED_TRACE(dpi);
        PaintingPage page;
        QRectF given;
        QTransform transform;
        int calls = 0;
        page.painting.paint = [&](QPainter &p, const QRectF &box) {
            ++calls;
            given = box;
            transform = p.worldTransform();
            // Draws past its box on every side: only the box shows.
            p.fillRect(box.adjusted(-100, -100, 100, 100), Qt::red);
            // Half the box's width in the device's pixels, as a chart lays out its bars.
            p.fillRect(QRectF(box.left(), box.top(), box.width() / 2, box.height()), Qt::blue);
        };
        const QImage image = renderPage(page.tpl.prepare(), 0, dpi);

        EXPECT_EQ(calls, 1);
        const double perMm = dpi / 25.4;
        EXPECT_NEAR(given.left(), 30 * perMm, 0.01);
        EXPECT_NEAR(given.top(), 40 * perMm, 0.01);
        EXPECT_NEAR(given.width(), 40 * perMm, 0.01);
        EXPECT_NEAR(given.height(), 20 * perMm, 0.01);
        EXPECT_TRUE(transform.isIdentity()) << "the routine draws in the device's own pixels";

        EXPECT_EQ(pixelAt(image, 40, 50), qRgb(0, 0, 255));    // left half
        EXPECT_EQ(pixelAt(image, 60, 50), qRgb(255, 0, 0));    // right half
        for (auto [x, y] : {std::pair{28.0, 50.0}, {72.0, 50.0}, {50.0, 38.0}, {50.0, 62.0}})
            EXPECT_EQ(pixelAt(image, x, y), qRgb(255, 255, 255)) << x << "," << y;
    }
}

TEST(ReportPainting, PrintedPageShowsTheRoutineAndAnEmptyRoutineDrawsNothing)
{
    ScriptedPlatform sp;
    PaintingPage page;
    page.painting.paint = [](QPainter &p, const QRectF &box) { p.fillRect(box, Qt::black); };
    const PreparedReport drawn = page.tpl.prepare();
    ASSERT_EQ(drawn.pages.size(), 1u);
    EXPECT_TRUE(inked(renderPage(drawn, 0), QRectF(31, 41, 38, 18)));

    // The same routine on the printer: a PDF page through the print dialog.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(sp.file("grafico.pdf"));
    ASSERT_TRUE(PrintReport(drawn, printer, nullptr));
    EXPECT_EQ(readPdf(sp.file("grafico.pdf")).pages, 1);

    page.painting.paint = nullptr;
    EXPECT_FALSE(inked(renderPage(page.tpl.prepare(), 0), QRectF(0, 0, 210, 297)));
}

TEST(ReportRectangle, FrameColourAndWidthBesideTheFill)
{
    struct Case {
        const char *what;
        std::optional<ReportPen> frame;
        QRgb onEdge;   // on the rectangle's left edge
        QRgb inside;   // 1 mm inside it
    } cases[] = {
        {"coloured wide frame", ReportPen{QColor(0, 0, 255), 2.5}, qRgb(0, 0, 255), qRgb(0, 0, 255)},
        {"default thin black frame", ReportPen{}, qRgb(0, 0, 0), qRgb(255, 255, 0)},
        {"no frame", std::nullopt, qRgb(255, 255, 0), qRgb(255, 255, 0)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ReportTemplate tpl(QStringLiteral("Cornici"));
        // The left edge lies at 25,4 mm of the paper: at 300 dpi, on the border of pixel 300.
        auto &box = tpl.add<ReportRectangle>(QStringLiteral("shpRiquadro"), QRectF(15.4, 20, 60, 30));
        box.fill = QColor(255, 255, 0);
        box.frame = c.frame;
        const QImage image = renderPage(tpl.prepare(), 0, 300);
        const double perMm = 300 / 25.4;
        const int edge = 300, row = qRound(45 * perMm);
        EXPECT_EQ(image.pixel(edge, row), c.onEdge);
        EXPECT_EQ(image.pixel(edge + qRound(perMm), row), c.inside);
        EXPECT_EQ(image.pixel(qRound(50 * perMm), row), qRgb(255, 255, 0)) << "the fill";
        EXPECT_EQ(image.pixel(edge - qRound(2 * perMm), row), qRgb(255, 255, 255)) << "outside";
    }
}
