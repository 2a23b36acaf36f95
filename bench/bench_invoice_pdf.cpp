// "Crea PDF" of a full invoice (30 lines, every header field, the logo from "Logo.bmp"), as the user
// runs it: the click on the PDF window's button, the document filled from the card and prepared,
// drawn, rewritten by qpdf and written whole as "Fattura.pdf" (No to opening it, so the window stays
// open for the next click). Beside it the parts: the fill alone, the drawing alone (QPdfWriter) and
// drawing plus the qpdf rewrite; the qpdf share is the difference of the last two.
#include "bench/WidgetBench.h"
#include "common/ui/QtPlatform.h"
#include "common/ui/report/ReportOutput.h"
#include "common/ui/report/ReportRenderer.h"
#include "invoice_reports/Crea_PDF_Fat.h"
#include "invoices/Fatture.h"
#include "invoices/InvoiceLogo.h"

#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The Qt platform in a temporary program folder; the question after the export is answered No.
class BenchPlatform : public QtPlatform {
public:
    QString programFolder() override { return dir.path() + '/'; }
    bool askYesNo(const QString &) override { return false; }
    void errorBox(const QString &text) override { failures << text; }
    QStringList failures;

private:
    QTemporaryDir dir;
};

BenchPlatform &benchPlatform() { return static_cast<BenchPlatform &>(platform()); }

// The card global with a full invoice, and the practice's logo in the program folder.
struct FullInvoice {
    FullInvoice()
    {
        frmFatture = new TfrmFatture();
        TfrmFatture &card = *frmFatture;
        card.txtNumFatt->setText("12/2026");
        card.txtData->setText("01/04/2026");
        card.txtDitta->setText("Ambulatorio Veterinario Sole");
        card.txtViaDitta->setText("Via Roma 1");
        card.txtCliente->setText("Rossi Mario");
        card.txtViaCliente->setText("Via Po 3");
        card.txtIvaCliente->setText("01234567890");
        card.txtPagamento->setText("Bonifico bancario a 30 giorni");
        card.txtIban->setText("IT60X0542811101000000123456");
        card.txtPercIva->setText("22");
        for (size_t i = 0; i < size_t(InvoiceLineCount); ++i) {
            card.txtQuant[i]->setText(QString::number(i % 3 + 1));
            card.txtCodice[i]->setText(QStringLiteral("ART%1").arg(i + 1, 4, 10, QLatin1Char('0')));
            card.txtDesc[i]->setText(QStringLiteral("Prestazione veterinaria numero %1").arg(i + 1));
            card.txtPrezzo[i]->setText(QStringLiteral("%1,50").arg(100 + i * 7));
            card.txtImporto[i]->setText(QStringLiteral("%1,00").arg(200 + i * 7));
        }
        card.cmdCalcolaClick();
        DefaultInvoiceLogo().save(ProgramFile(QStringLiteral("Logo.bmp")), "BMP");
    }
    ~FullInvoice()
    {
        delete frmFatture;
        frmFatture = nullptr;
    }
};

void BM_CreaPdfClick(benchmark::State &state)
{
    FullInvoice invoice;
    TfrmCrea_PDF_Fat window(frmFatture);
    window.show();
    const QString path = ProgramFile(TfrmCrea_PDF_Fat::FileName);
    for (auto _ : state)
        window.btnStampa->click();
    if (!benchPlatform().failures.isEmpty() || !QFile::exists(path))
        state.SkipWithError("Fattura.pdf was not written");
    state.counters["pdf_kB"] = double(QFile(path).size()) / 1024.0;
}

void BM_FillAndPrepare(benchmark::State &state)
{
    FullInvoice invoice;
    TfrmCrea_PDF_Fat window(frmFatture);
    window.show();
    for (auto _ : state)
        benchmark::DoNotOptimize(window.PrepareDocument());
}

// The page drawn by QPdfWriter as the export draws it, before qpdf rewrites it.
void BM_DrawPdfOnly(benchmark::State &state)
{
    FullInvoice invoice;
    TfrmCrea_PDF_Fat window(frmFatture);
    window.show();
    const PreparedReport report = window.PrepareDocument();
    for (auto _ : state) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        ApplyReportPage(report, writer);
        RenderReport(report, writer);
        benchmark::DoNotOptimize(data);
    }
}

void BM_DrawAndRewritePdf(benchmark::State &state)
{
    FullInvoice invoice;
    TfrmCrea_PDF_Fat window(frmFatture);
    window.show();
    const PreparedReport report = window.PrepareDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportReportPdf(report));
}

BENCHMARK(BM_CreaPdfClick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillAndPrepare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawPdfOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawAndRewritePdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return RunWidgetBenchmarks<BenchPlatform>(argc, argv); }
