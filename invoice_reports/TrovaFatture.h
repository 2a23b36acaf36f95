#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/SearchWindow.h"

// The invoice search over the year open on the invoice card; a double-click loads the invoice
// into the card when the context tag is "fatture".
class TfrmTrovaFatture : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaFatture(QWidget *parent = nullptr);

    // The ten criteria, in the order of the Enter cycle.
    QLineEdit *txtNumFatt;
    QLineEdit *txtData;
    QLineEdit *txtCliente;
    QLineEdit *txtViaCliente;
    QLineEdit *txtCittaCliente;
    QLineEdit *txtPagamento;
    QLineEdit *txtIvaCliente;
    QLineEdit *txtCodFiscCliente;
    QLineEdit *txtRiferimenti;
    QLineEdit *txtNote;
    HighlightRect *effNumFatt;
    HighlightRect *effData;
    HighlightRect *effCliente;
    HighlightRect *effViaCliente;
    HighlightRect *effCittaCliente;
    HighlightRect *effPagamento;
    HighlightRect *effIvaCliente;
    HighlightRect *effCodFiscCliente;
    HighlightRect *effRiferimenti;
    HighlightRect *effNote;
};

extern WindowHandle<TfrmTrovaFatture> frmTrovaFatture;

// The invoice card's find command: the search owned by the card, tagged "fatture", shown modally
// and destroyed when it closes.
void OpenInvoiceSearch(QWidget *card);
