#pragma once
#include "common/ui/WindowBuild.h"
#include "invoice_reports/InvoiceOutput.h"

// Writes the invoice on the card to "Fattura.pdf" in the program folder and offers to open it.
// After Yes the file is opened and the window closes; after No it stays open for another try.
class TfrmCrea_PDF_Fat : public InvoiceOutputWindow {
    Q_OBJECT
public:
    explicit TfrmCrea_PDF_Fat(QWidget *parent = nullptr);

    static const QString FileName;

public slots:
    void btnStampaClick() override;
};

extern WindowHandle<TfrmCrea_PDF_Fat> frmCrea_PDF_Fat;

// Opens the PDF window over the invoice card, modally, and destroys it when it closes.
void OpenInvoicePdf(QWidget *card);
