// The health certificate's printout: the page filled from a card and prepared, the page drawn into
// an A4 picture at 300 dpi, and the whole page written as a PDF document, every field full.
#include "certificates/CertificatePrintout.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ReportOutput.h"
#include "common/ui/report/ReportRenderer.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A card with every edit of the health certificate filled to its capacity.
std::unique_ptr<QWidget> FullCard()
{
    auto card = std::make_unique<QWidget>();
    const CertificateType &type = HealthCertificateType();
    for (const CertificateBand &band : type.bands)
        for (const CertificateEdit &edit : band.edits) {
            const int capacity = type.layout->capacity(type.layout->indexOf(QLatin1String(edit.field)));
            MakeNamed<QLineEdit>(card.get(), CertificateEditName(edit))->setText(QString(capacity, QLatin1Char('W')));
        }
    return card;
}

void BM_PrepareHealthCertificate(benchmark::State &state)
{
    const auto card = FullCard();
    for (auto _ : state)
        benchmark::DoNotOptimize(PrepareCertificate(card.get(), HealthCertificateType()));
}

void BM_DrawHealthCertificate(benchmark::State &state)
{
    const auto card = FullCard();
    const PreparedReport report = PrepareCertificate(card.get(), HealthCertificateType());
    QImage page(2480, 3508, QImage::Format_RGB32);  // A4 at 300 dpi
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    for (auto _ : state) {
        page.fill(Qt::white);
        QPainter painter(&page);
        RenderReportPage(painter, report.pages[0]);
    }
}

void BM_HealthCertificatePdf(benchmark::State &state)
{
    const auto card = FullCard();
    qint64 bytes = 0;
    for (auto _ : state)
        bytes = ExportReportPdf(PrepareCertificate(card.get(), HealthCertificateType())).size();
    state.counters["pdf_kB"] = double(bytes) / 1024.0;
}

BENCHMARK(BM_PrepareHealthCertificate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawHealthCertificate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HealthCertificatePdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
