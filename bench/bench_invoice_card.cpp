// The invoice card's Calcola and Save on a full invoice (30 lines on six pages, discounts, exempt
// lines, VAT), as the user runs them: through the card's controls. Save overwrites record 1 of an
// archive of 1,000 invoices, so the file keeps its size between iterations.
#include "bench/WidgetBench.h"
#include "common/ui/QtPlatform.h"
#include "invoices/Fatture.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The Qt platform in a temporary program folder, its notices answered at once.
class BenchPlatform : public QtPlatform {
public:
    QString programFolder() override { return dir.path() + '/'; }
    void notice(NoticeKind, const QString &) override {}

private:
    QTemporaryDir dir;
};

void fillInvoice(TfrmFatture &card)
{
    card.txtCliente->setText("Rossi Mario");
    card.txtNumFatt->setText("12/2026");
    card.txtData->setText("1/4/2026");
    card.txtPercIva->setText("22");
    for (size_t i = 0; i < size_t(InvoiceLineCount); ++i) {
        card.txtQuant[i]->setText(QString::number(i % 3 + 1) + ",5");
        card.txtDesc[i]->setText(QStringLiteral("Prestazione %1").arg(i + 1));
        card.txtPrezzo[i]->setText(QStringLiteral("%1,1234").arg(100 + i * 7));
        card.txtPercSconto[i]->setText(i % 4 ? QString() : QStringLiteral("2,73"));
        card.chkEs[i]->setChecked(i % 5 == 0);
    }
}

void BM_Calcola(benchmark::State &state)
{
    TfrmFatture card;
    fillInvoice(card);
    for (auto _ : state) {
        card.cmdCalcolaClick();
        benchmark::DoNotOptimize(card.txtTotFattura->text());
    }
}

void BM_Save(benchmark::State &state)
{
    TfrmFatture card;
    const QString archive = ProgramFile(QStringLiteral("2026.fat"));
    QFile file(archive);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray(1000 * InvoiceRecordLayout().recordSize(), '\0'));
    file.close();
    card.lblFile->setText(archive);
    fillInvoice(card);
    card.lblPosizione->setText("1");
    for (auto _ : state)
        card.cmdSalvaClick();
    QFile written(archive);
    written.open(QIODevice::ReadOnly);
    if (written.size() != 1000 * InvoiceRecordLayout().recordSize() || written.read(8) != QByteArray("\x07" "12/2026"))
        state.SkipWithError("Save did not overwrite record 1");
}

BENCHMARK(BM_Calcola)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return RunWidgetBenchmarks<BenchPlatform>(argc, argv); }
