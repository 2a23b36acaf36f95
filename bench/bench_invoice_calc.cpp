// The invoice totals command's arithmetic: 30 full lines with discounts, some exempt, and a rate.
#include "invoices/InvoiceMoney.h"

#include <benchmark/benchmark.h>

namespace {

InvoiceLines fullInvoice()
{
    InvoiceLines lines;
    for (int i = 0; i < InvoiceLineCount; ++i) {
        lines[size_t(i)] = {QString::number(i % 7 + 1) + QStringLiteral(",5"),
                            QString::number(1000 + i * 37) + QStringLiteral(",1234"),
                            QString::number(i % 4 * 2) + QStringLiteral(",73"), i % 5 == 0};
    }
    return lines;
}

void BM_CalculateInvoice(benchmark::State &state)
{
    const InvoiceLines lines = fullInvoice();
    const QString rate = QStringLiteral("22");
    for (auto _ : state) {
        InvoiceCalculation r = CalculateInvoice(lines, rate);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CalculateInvoice)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
