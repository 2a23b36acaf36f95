#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/ExcelExport.h"

// The export of the year open on the invoice card: its invoices in a grid, written to "Fatture.xls".
class TfrmExpFatture : public ExcelExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpFatture(QWidget *owner = nullptr);
};

extern WindowHandle<TfrmExpFatture> frmExpFatture;

// The invoice card's export command: the window owned by the card, shown modally and destroyed
// when it closes.
void OpenInvoiceExport(QWidget *card);
