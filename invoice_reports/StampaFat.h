#pragma once
#include "common/ui/WindowBuild.h"
#include "invoice_reports/InvoiceOutput.h"

// Prints the invoice on the card after the print dialog; the window closes whether the user
// printed or cancelled.
class TfrmStampaFat : public InvoiceOutputWindow {
    Q_OBJECT
public:
    explicit TfrmStampaFat(QWidget *parent = nullptr);

public slots:
    void btnStampaClick() override;
};

extern WindowHandle<TfrmStampaFat> frmStampaFat;

// Opens the print window over the invoice card, modally, and destroys it when it closes.
void OpenInvoicePrint(QWidget *card);
