#include "common/Messages.h"
#include "common/ui/Look.h"
#include "common/Guard.h"
#include "common/ui/report/ListReport.h"

#include "common/Dates.h"
#include "common/Platform.h"
#include "common/ui/report/ReportOutput.h"

#include <exception>

namespace {

using Look::SlateGrey;

ReportTextStyle bannerStyle(double pointSize)
{
    ReportTextStyle style;
    style.font = {Look::Verdana().family(), pointSize, true};
    style.color = Qt::white;
    style.fill = SlateGrey;
    style.hAlign = ReportHAlign::Center;
    return style;
}

} // namespace

ListReportTemplate::ListReportTemplate() : ReportTemplate(QStringLiteral("Riepilogo dati"))
{
    orientation = QPageLayout::Landscape;
    margins = QMarginsF(10, 10, 10, 10);

    auto &title = addBand(QStringLiteral("ReportTitle"), 8).add<ReportText>(QStringLiteral("txtTitolo"), QRectF(2, 1, 273, 5));
    title.setText(QStringLiteral("Riepilogo"));
    title.style = bannerStyle(9);

    auto &block = addBand(QStringLiteral("MasterData"), 28, true)
                      .add<ReportTextBlock>(QStringLiteral("txtRiepilogo"), QRectF(3, 0, 273, 27));
    block.style.font = {QStringLiteral("Courier New"), 8};
    block.style.color = Qt::black;
    block.linePitch = ReportUnitsToMm(LineHeightUnits);

    auto &closing = addBand(QStringLiteral("Footer"), 8).add<ReportText>(QStringLiteral("txtPagina"), QRectF(3, 2, 272, 5));
    closing.style = bannerStyle(8);
}

PreparedReport ListReportTemplate::fill(const QString &title, const QStringList &lines)
{
    find<ReportText>(QStringLiteral("txtTitolo")).setText(title);
    auto &block = find<ReportTextBlock>(QStringLiteral("txtRiepilogo"));
    block.clear();
    for (const QString &line : lines)
        block.addLine(line);
    block.setHeightUnits(double(lines.size()) * LineHeightUnits);
    find<ReportBand>(QStringLiteral("MasterData")).setHeightUnits(block.heightUnits() + 10);
    // The date is written in here: the page model prints its texts literally.
    find<ReportText>(QStringLiteral("txtPagina")).setText(QStringLiteral("Stampa eseguita in data ") + FormatDate(Today()));
    return prepare();
}

void PrintListReport(const QString &title, const QStringList &lines, QWidget *parent)
{
    RunReportingErrors([&] { PrintReport(ListReportTemplate().fill(title, lines), parent); },
                       PrintFailureMessage());
}
