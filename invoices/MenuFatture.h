#pragma once
#include "common/ui/WindowBuild.h"
#include <QWidget>

class ClickLabel;
class QLabel;
class QLineEdit;
class QPushButton;

// The invoices menu: opens the invoice card on the archive of a typed year, or the chart of the
// monthly takings. Closing it shows the window its route tag `lblMemory` names.
class TfrmMenuFatture : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMenuFatture(QWidget *parent = nullptr);

    QLineEdit *txtAnnoFatture;
    QPushButton *btnApriFatture;
    QPushButton *btnApriRiepStats;
    ClickLabel *imgGuida;
    ClickLabel *imgEsci;
    QLabel *lblMemory;  // route tag: "avvio", "fatture" or "statistiche_fat"

public slots:
    void btnApriFattureClick();
    void btnApriRiepStatsClick();
    void imgGuidaClick();
    void imgEsciClick();

protected:
    void showEvent(QShowEvent *e) override;   // FormShow
    void closeEvent(QCloseEvent *e) override; // FormClose: the routing
};

extern WindowHandle<TfrmMenuFatture> frmMenuFatture;
