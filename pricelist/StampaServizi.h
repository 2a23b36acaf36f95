#pragma once
#include "common/ui/WindowBuild.h"
#include "common/report/PreparedReport.h"

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QPushButton;
class ReportTemplate;
class TfrmServizi;

// One row of the price-list card printout: its caption object, its value object and their texts.
struct PriceCardRow {
    QString captionObject;  // "Memo1".."Memo15"
    QString caption;
    QString valueObject;    // named after the card's edit it prints
    QString value;
};

// The rows of the printout for the card as it stands, each value trimmed.
QList<PriceCardRow> PriceCardRows(const TfrmServizi &card);
// The printout "Scheda Prodotto o Servizio" filled with the card and prepared: one A4 portrait page.
PreparedReport PreparePriceCard(const TfrmServizi &card);

// The dialog that prints the price-list card on screen; it prints only, never previews.
class TfrmStampaServizi : public QDialog {
    Q_OBJECT
public:
    explicit TfrmStampaServizi(QWidget *parent = nullptr);

    QLabel *imgIstruzioni;
    QPushButton *btnAnnulla;
    QPushButton *btnStampa;

    // The card that is printed; set by the card that opens the dialog.
    const TfrmServizi *card = nullptr;

public slots:
    void btnStampaClick();
    void btnAnnullaClick();

protected:
    void showEvent(QShowEvent *e) override;
};

extern WindowHandle<TfrmStampaServizi> frmStampaServizi;
