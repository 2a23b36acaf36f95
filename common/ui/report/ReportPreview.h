#pragma once
#include "common/report/PreparedReport.h"

#include <QDialog>

class QAction;
class QPrinter;
class QPrintPreviewWidget;
class QToolBar;

// The report preview window: the prepared pages, read-only, starting at 100 %, with only four
// commands: print (through the print dialog), zoom, full screen and close.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    ReportPreview(const PreparedReport &report, QWidget *parent = nullptr);
    ~ReportPreview() override;

    QToolBar *toolBar;
    QPrintPreviewWidget *preview;
    QAction *actStampa;
    QAction *actZoom;
    QAction *actSchermoIntero;
    QAction *actChiudi;

private:
    void printReport();
    void setFullScreen(bool on);

    PreparedReport report_;
    std::unique_ptr<QPrinter> printer_;
};
