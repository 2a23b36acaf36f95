#include "common/Messages.h"
#include "common/ui/RecordCard.h"
#include "common/ui/report/ReportOutput.h"
#include "common/ui/report/ReportPreview.h"
#include "invoice_reports/AnteprimaFat.h"
#include "invoice_reports/Crea_PDF_Fat.h"
#include "invoice_reports/StampaFat.h"
#include "invoices/InvoiceLogo.h"
#include "tests/invoices/InvoiceFixture.h"
#include "tests/support/PdfFiles.h"
#include "tests/support/ReadOnlyFolder.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <qpdf/QPDFObjectHandle.hh>

#include <functional>
#include <map>

namespace {

const QString PdfQuestion =
    QString::fromUtf8("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il file?");

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// The picture object of the first page called `name`.
QImage pagePicture(const PreparedReport &report, const QString &name)
{
    for (const auto &item : report.pages.at(0).items)
        if (auto *picture = std::get_if<PreparedPicture>(&item); picture && picture->name == name)
            return picture->picture;
    return QImage();
}

// The invoice card on screen with a full invoice: thirty lines, totals and every header field.
class InvoiceOutput : public InvoiceWindows {
protected:
    void SetUp() override
    {
        InvoiceWindows::SetUp();
        showCard();
        fullInvoice();
    }
    void set(const QString &name, const QString &text)
    {
        auto *control = card->findChild<QWidget *>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        SetControlText(control, text);
    }
    void fullInvoice()
    {
        const std::map<QString, QString> head = {
            {"txtNumFatt", "7/2026"},        {"txtData", "05/03/2026"},        {"txtDitta", "Ambulatorio Sole"},
            {"txtCliente", "Bianchi Lucia"}, {"txtPagamento", "Bonifico"},    {"txtPercIva", "22"},
            {"txtTotImponibile", "480,00"},  {"txtTotImposta", "105,60"},     {"txtTotIva", "585,60"},
            {"txtTotEsente", "0,00"},        {"txtTotFattura", "585,60"},
        };
        for (const auto &[name, text] : head)
            set(name, text);
        for (int n = 1; n <= InvoiceLineCount; ++n) {
            set("txtQuant" + two(n), "1");
            set("txtDesc" + two(n), "Articolo " + two(n));
            set("txtPrezzo" + two(n), QString::number(n) + ",50");
            set("txtImporto" + two(n), QString::number(n) + ",50");
        }
    }
    QString pdf() const { return sp.file(TfrmCrea_PDF_Fat::FileName); }
    void press(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
};

} // namespace

TEST_F(InvoiceOutput, CardCommandsOpenTheirWindowsAndAnnullaDoesNothing)
{
    struct Case {
        ClickLabel *TfrmFatture::*command;
        const char *className;
        const char *caption;
        QSize client;
        const char *action;
        QRect actionPlace;
        const char *heading;
    };
    const Case cases[] = {
        {&TfrmFatture::cmdStampa, "TfrmStampaFat", " Stampa fattura proforma", {364, 287}, "Stampa",
         {200, 243, 145, 28}, "Stampa documento"},
        {&TfrmFatture::cmdAnteprima, "TfrmAnteprimaFat", " Anteprima di stampa", {364, 287}, "Mostra anteprima",
         {200, 243, 145, 28}, "Anteprima di stampa"},
        {&TfrmFatture::cmdPDF, "TfrmCrea_PDF_Fat", " Esporta in PDF", {363, 299}, "Crea PDF", {208, 254, 137, 28},
         "Esporta in PDF"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.className);
        sp.clear();
        bool seen = false;
        sp.onModal = [&](QWidget *w) {
            seen = true;
            auto *window = qobject_cast<InvoiceOutputWindow *>(w);
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(window->parentWidget(), card);
            EXPECT_EQ(window->windowTitle(), c.caption);
            EXPECT_EQ(window->size(), c.client);
            EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);
            EXPECT_EQ(window->btnStampa->text(), c.action);
            EXPECT_EQ(window->btnStampa->geometry(), c.actionPlace);
            EXPECT_EQ(window->btnAnnulla->text(), "Annulla");
            EXPECT_EQ(window->btnStampa->cursor().shape(), Qt::PointingHandCursor);
            // "Annulla" comes first in the tab order: it has the focus when the window opens.
            EXPECT_EQ(window->focusWidget(), window->btnAnnulla);
            auto *picture = window->findChild<QLabel *>("imgLogo02");
            ASSERT_NE(picture, nullptr);
            EXPECT_FALSE(picture->pixmap().isNull());
            EXPECT_TRUE(picture->accessibleDescription().startsWith(c.heading));
            // The logo is taken when the window shows: here the built-in default.
            EXPECT_FALSE(window->imgLogo->pixmap().isNull());
            EXPECT_EQ(window->imgLogo->pixmap().toImage(), window->imgTemp->pixmap().toImage());
            press(window->btnAnnulla);
            EXPECT_FALSE(window->isVisible());
        };
        QTest::mouseClick(card->*c.command, Qt::LeftButton);

        EXPECT_TRUE(seen);
        ASSERT_EQ(sp.calls.size(), 1u);
        EXPECT_EQ(sp.calls[0].kind, "modal");
        EXPECT_EQ(sp.calls[0].text, c.className);
    }
    EXPECT_FALSE(QFileInfo::exists(pdf()));
    EXPECT_EQ(card->txtTotFattura->text(), "585,60");
}

TEST_F(InvoiceOutput, PdfIsOneA4PageWithItsInfoUncompressedAndItsTextExtractable)
{
    sp.yesNoAnswers = {false};
    sp.onModal = [&](QWidget *w) {
        auto *window = qobject_cast<TfrmCrea_PDF_Fat *>(w);
        ASSERT_NE(window, nullptr);
        press(window->btnStampa);
        // No to opening the file leaves the window open.
        EXPECT_TRUE(window->isVisible());
    };
    QTest::mouseClick(card->cmdPDF, Qt::LeftButton);

    ASSERT_EQ(sp.calls.size(), 2u);
    EXPECT_EQ(sp.calls[1].kind, "question");
    EXPECT_EQ(sp.calls[1].text, PdfQuestion);
    // Written through a temporary file that is gone once the file is in place.
    EXPECT_EQ(QDir(sp.folder()).entryList({"Fattura*", "*.tmp", ".*"}, QDir::Files | QDir::Hidden),
              QStringList{"Fattura.pdf"});

    QPDF document;
    document.setSuppressWarnings(true);
    document.processFile(QFile::encodeName(pdf()).constData());
    EXPECT_FALSE(document.isEncrypted());
    std::vector<QPDFObjectHandle> pages = document.getAllPages();
    ASSERT_EQ(pages.size(), 1u);
    QPDFObjectHandle box = pages[0].getKey("/MediaBox");
    ASSERT_TRUE(box.isArray());
    EXPECT_NEAR(box.getArrayItem(2).getNumericValue() - box.getArrayItem(0).getNumericValue(), 595.3, 0.5);
    EXPECT_NEAR(box.getArrayItem(3).getNumericValue() - box.getArrayItem(1).getNumericValue(), 841.9, 0.5);
    QPDFObjectHandle contents = pages[0].getKey("/Contents");
    std::vector<QPDFObjectHandle> streams;
    if (contents.isArray())
        streams = contents.getArrayAsVector();
    else
        streams.push_back(contents);
    ASSERT_FALSE(streams.empty());
    for (QPDFObjectHandle &stream : streams) {
        ASSERT_TRUE(stream.isStream());
        EXPECT_FALSE(stream.getDict().hasKey("/Filter"));
    }
    QPDFObjectHandle info = document.getTrailer().getKey("/Info");
    ASSERT_TRUE(info.isDictionary());
    EXPECT_EQ(info.getKey("/Title").getUTF8Value(), "Fattura");
    EXPECT_EQ(info.getKey("/Subject").getUTF8Value(), "Fattura");
    EXPECT_EQ(info.getKey("/Author").getUTF8Value(), "FastReport");
    EXPECT_EQ(info.getKey("/Creator").getUTF8Value(), "Orsanti Software");

    const QString words = PdfText(pdf()).simplified();
    if (words.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(words.contains("Fattura Proforma n. 7/2026"));
    EXPECT_TRUE(words.contains("Data emissione: 05/03/2026"));
    for (int n = 1; n <= InvoiceLineCount; ++n) {
        EXPECT_TRUE(words.contains("Articolo " + two(n))) << n;
        EXPECT_TRUE(words.contains(QString::number(n) + ",50")) << n;
    }
    const QString layout = PdfText(pdf(), true);
    EXPECT_TRUE(layout.contains("TOT. DOCUMENTO"));
    EXPECT_TRUE(words.contains("585,60"));
    EXPECT_TRUE(words.contains(QString::fromUtf8("I dati personali del Cliente saranno trattati ai sensi della normativa "
                                                 "vigente sulla privacy esclusivamente per l'erogazione del servizio e "
                                                 "non saranno forniti a terzi.")));
    EXPECT_TRUE(words.contains(QString::fromUtf8("La presente fattura proforma non ha valore fiscale. La fattura fiscale "
                                                 "sarà emessa contestualmente al pagamento dei corrispettivi.")));
}

TEST_F(InvoiceOutput, CreaPdfAgainReplacesTheFileAndYesOpensItThroughTheSeam)
{
    writeFile(pdf(), "an earlier document");
    sp.yesNoAnswers = {false, true};
    bool closedAfterYes = false;
    sp.onModal = [&](QWidget *w) {
        auto *window = qobject_cast<TfrmCrea_PDF_Fat *>(w);
        ASSERT_NE(window, nullptr);
        press(window->btnStampa);
        ASSERT_TRUE(window->isVisible());
        // The card's own state is what the second file shows.
        card->txtNumFatt->setText("8/2026");
        press(window->btnStampa);
        closedAfterYes = !window->isVisible();
    };
    QTest::mouseClick(card->cmdPDF, Qt::LeftButton);

    EXPECT_TRUE(closedAfterYes);
    ASSERT_EQ(sp.calls.size(), 4u);
    EXPECT_EQ(sp.calls[1].kind, "question");
    EXPECT_EQ(sp.calls[2].kind, "question");
    EXPECT_EQ(sp.calls[3].kind, "document");
    EXPECT_EQ(sp.calls[3].text, "\"" + sp.folder() + "Fattura.pdf\"");
    const QString words = PdfText(pdf()).simplified();
    if (words.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(words.contains("Fattura Proforma n. 8/2026"));
    EXPECT_FALSE(words.contains("7/2026"));
}

TEST_F(InvoiceOutput, PdfThatCannotBeWrittenLeavesTheEarlierFileShowsTheErrorAndAsksNothing)
{
    writeFile(pdf(), "held by a viewer");
    ReadOnlyFolder readOnly(sp.folder());
    if (!readOnly.ok())
        GTEST_SKIP() << "the program folder cannot be made read-only here";
    bool stayedOpen = false;
    sp.onModal = [&](QWidget *w) {
        auto *window = qobject_cast<TfrmCrea_PDF_Fat *>(w);
        ASSERT_NE(window, nullptr);
        press(window->btnStampa);
        stayedOpen = window->isVisible();
    };
    QTest::mouseClick(card->cmdPDF, Qt::LeftButton);

    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(sp.calls.size(), 2u);
    EXPECT_EQ(sp.calls[1].kind, "errorbox");
    EXPECT_EQ(sp.calls[1].text, PdfFailureMessage("Fattura.pdf"));
    EXPECT_EQ(readFile(pdf()), "held by a viewer");
}

TEST_F(InvoiceOutput, CancelledPrintDialogPrintsNothingAndClosesThePrintWindow)
{
    sp.printAnswers = {false};
    bool closed = false;
    sp.onModal = [&](QWidget *w) {
        auto *window = qobject_cast<TfrmStampaFat *>(w);
        ASSERT_NE(window, nullptr);
        press(window->btnStampa);
        closed = !window->isVisible();
    };
    QTest::mouseClick(card->cmdStampa, Qt::LeftButton);

    EXPECT_TRUE(closed);
    ASSERT_EQ(sp.calls.size(), 2u);
    EXPECT_EQ(sp.calls[1].kind, "print");
    ASSERT_EQ(sp.printers.size(), 1u);
    EXPECT_EQ(sp.printers[0].orientation, QPageLayout::Portrait);
    EXPECT_EQ(QDir(sp.folder()).entryList({"*.pdf"}, QDir::Files), QStringList{});
}

TEST_F(InvoiceOutput, ClosingThePreviewClosesItsWindowAndThePreviewPrintsTheSamePage)
{
    sp.printAnswers = {false};
    int pages = -1;
    double zoom = 0;
    bool closed = false;
    sp.onModal = [&](QWidget *w) {
        if (auto *preview = qobject_cast<ReportPreview *>(w)) {
            pages = preview->preview->pageCount();
            zoom = preview->preview->zoomFactor();
            EXPECT_TRUE(preview->windowState() & Qt::WindowMaximized);
            preview->actStampa->trigger();
            preview->actChiudi->trigger();
            return;
        }
        auto *window = qobject_cast<TfrmAnteprimaFat *>(w);
        ASSERT_NE(window, nullptr);
        press(window->btnStampa);
        closed = !window->isVisible();
    };
    QTest::mouseClick(card->cmdAnteprima, Qt::LeftButton);

    EXPECT_TRUE(closed);
    EXPECT_EQ(pages, 1);
    EXPECT_DOUBLE_EQ(zoom, 1.0);
    ASSERT_EQ(sp.calls.size(), 3u);
    EXPECT_EQ(sp.calls[1].kind, "modal");
    EXPECT_EQ(sp.calls[1].text, "ReportPreview");
    EXPECT_EQ(sp.calls[2].kind, "print");
}

TEST_F(InvoiceOutput, PrinterAndPdfFileCarryTheSamePage)
{
    TfrmCrea_PDF_Fat window(card);
    const PreparedReport report = window.PrepareDocument();
    ASSERT_EQ(report.pages.size(), 1u);

    ExportReportPdf(report, pdf());
    const QString printed = sp.file("printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    ASSERT_TRUE(PrintReport(report, printer, &window));

    EXPECT_EQ(PdfPageCount(printed), 1);
    const QString fromFile = PdfText(pdf(), true);
    if (fromFile.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(PdfText(printed, true), fromFile);
}

TEST_F(InvoiceOutput, LogoComesFromLogoBmpOrTheBuiltInDefault)
{
    QImage blue(60, 30, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QImage blank(60, 30, QImage::Format_RGB32);
    blank.fill(Qt::white);
    struct Case {
        const char *what;
        std::function<void()> prepare;
        QImage expected;   // null: the default
    };
    const std::vector<Case> cases = {
        {"no Logo.bmp", [] {}, QImage()},
        {"damaged Logo.bmp", [&] { writeFile(sp.file("Logo.bmp"), "BM not really a picture"); }, QImage()},
        {"a picture", [&] { ASSERT_TRUE(blue.save(sp.file("Logo.bmp"), "BMP")); }, blue},
        {"a blank picture", [&] { ASSERT_TRUE(blank.save(sp.file("Logo.bmp"), "BMP")); }, blank},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(sp.file("Logo.bmp"));
        c.prepare();
        TfrmStampaFat window(card);
        window.show();

        const QImage logo = pagePicture(window.PrepareDocument(), "imgLogo");

        ASSERT_FALSE(logo.isNull());
        const QImage expected = c.expected.isNull() ? DefaultInvoiceLogo() : c.expected;
        EXPECT_EQ(logo.convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
    }
}
