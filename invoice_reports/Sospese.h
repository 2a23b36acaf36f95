#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/ListWindow.h"

// The invoices of the open year subject to VAT: those saved with the card's "IVA esente" box
// clear (`Saldata` exactly "No"). A double-click loads the invoice into the invoice card.
class TfrmSospese : public ListWindow {
    Q_OBJECT
public:
    explicit TfrmSospese(QWidget *parent = nullptr);

protected:
    // Fills the list; an archive that cannot be read shows the archive message and an empty list.
    void showEvent(QShowEvent *e) override;
};

extern WindowHandle<TfrmSospese> frmSospese;

// The invoice card's VAT-list command: the list owned by the card, shown modally and destroyed
// when it closes.
void OpenVatInvoiceList(QWidget *card);
