#include "common/Messages.h"
#include "common/Guard.h"
#include "common/ui/report/ReportPreview.h"

#include "common/Platform.h"
#include "common/ui/report/ReportOutput.h"
#include "common/ui/report/ReportRenderer.h"

#include <QAction>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

ReportPreview::ReportPreview(const PreparedReport &report, QWidget *parent)
    : QDialog(parent), report_(report), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("Anteprima di stampa"));
    setModal(true);
    // The preview's printer only measures the pages: nothing is ever sent to it.
    printer_->setOutputFormat(QPrinter::PdfFormat);
    ApplyReportPage(report_, *printer_);

    toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);

    preview = new QPrintPreviewWidget(printer_.get(), this);
    preview->setObjectName(QStringLiteral("preview"));
    connect(preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *printer) {
        RunReportingErrors([&] { RenderReport(report_, *printer); }, PreviewFailureMessage());
    });

    actStampa = toolBar->addAction(QStringLiteral("Stampa"));
    actStampa->setObjectName(QStringLiteral("actStampa"));
    connect(actStampa, &QAction::triggered, this, &ReportPreview::printReport);

    actZoom = toolBar->addAction(QStringLiteral("Zoom"));
    actZoom->setObjectName(QStringLiteral("actZoom"));
    auto *zoomMenu = new QMenu(this);
    zoomMenu->setObjectName(QStringLiteral("mnuZoom"));
    zoomMenu->addAction(QStringLiteral("Larghezza pagina"), this,
                        [this] { preview->setZoomMode(QPrintPreviewWidget::FitToWidth); });
    zoomMenu->addAction(QStringLiteral("Pagina intera"), this,
                        [this] { preview->setZoomMode(QPrintPreviewWidget::FitInView); });
    for (int percent : {25, 50, 75, 100, 150, 200, 400})
        zoomMenu->addAction(QString::number(percent) + QStringLiteral(" %"), this,
                            [this, percent] { preview->setZoomFactor(percent / 100.0); });
    actZoom->setMenu(zoomMenu);
    if (auto *button = qobject_cast<QToolButton *>(toolBar->widgetForAction(actZoom)))
        button->setPopupMode(QToolButton::InstantPopup);

    actSchermoIntero = toolBar->addAction(QStringLiteral("Schermo intero"));
    actSchermoIntero->setObjectName(QStringLiteral("actSchermoIntero"));
    actSchermoIntero->setCheckable(true);
    connect(actSchermoIntero, &QAction::toggled, this, &ReportPreview::setFullScreen);

    actChiudi = toolBar->addAction(QStringLiteral("Chiudi"));
    actChiudi->setObjectName(QStringLiteral("actChiudi"));
    connect(actChiudi, &QAction::triggered, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(preview, 1);

    preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    preview->setZoomFactor(1.0);
    resize(1000, 760);
    setWindowState(Qt::WindowMaximized);
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::printReport()
{
    // A failure here has no guard of its own: the error box reports it.
    RunReportingErrors([this] { PrintReport(report_, this); }, PrintFailureMessage());
}

void ReportPreview::setFullScreen(bool on)
{
    if (on)
        showFullScreen();
    else
        showMaximized();
}
