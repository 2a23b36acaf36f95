#pragma once
#include "common/ui/WindowBuild.h"
#include "invoice_reports/InvoiceOutput.h"

// Shows the invoice on the card in the preview window; when the preview closes, so does this.
class TfrmAnteprimaFat : public InvoiceOutputWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaFat(QWidget *parent = nullptr);

public slots:
    void btnStampaClick() override;
};

extern WindowHandle<TfrmAnteprimaFat> frmAnteprimaFat;

// Opens the preview window over the invoice card, modally, and destroys it when it closes.
void OpenInvoicePreview(QWidget *card);
