#include "invoice_reports/TrovaFatture.h"
#include "common/ui/WindowBuild.h"

#include "common/ui/Widgets.h"
#include "invoice_reports/InvoiceLists.h"
#include "invoices/InvoiceRecord.h"

#include <QLabel>

WindowHandle<TfrmTrovaFatture> frmTrovaFatture;

namespace {

SearchWindowSetup invoiceSearchSetup(TfrmTrovaFatture *window)
{
    SearchWindowSetup s;
    s.caption = QStringLiteral(" Trova fatture in archivio");
    s.archiveFile = OpenInvoiceArchive;
    s.layout = &InvoiceRecordLayout();
    s.line = InvoiceListLine;
    s.sorted = false;
    s.countOpening = ListCountOpening;
    s.printTitle = QStringLiteral("Riepilogo fatture emesse");
    s.handBack = [window](const Record &invoice, int number) {
        if (window->contextTag() == QLatin1String("fatture"))
            HandInvoiceToCard(invoice, number);
    };
    s.criteria = {{
        {"txtNumFatt", "Fattura n.", "NumFatt", "effNumFatt"},
        {"txtData", "Data emissione (gg/mm/aaaa):", "Data", "effData"},
        {"txtCliente", "Cognome e nome o ragione sociale cliente:", "Cliente", "effCliente"},
        {"txtViaCliente", "Via e numero civico:", "ViaCliente", "effViaCliente"},
        {"txtCittaCliente", "Città:", "CittaCliente", "effCittaCliente"},
        {"txtPagamento", "Pagamento:", "Pagamento", "effPagamento"},
        {"txtIvaCliente", "Partita IVA:", "IvaCliente", "effIvaCliente"},
        {"txtCodFiscCliente", "Codice fiscale:", "CodFiscCliente", "effCodFiscCliente"},
        {"txtRiferimenti", "Riferimenti:", "Riferimenti", "effRiferimenti", true},
        {"txtNote", "Note:", "Note", "effNote", true},
    }};
    return s;
}

} // namespace

TfrmTrovaFatture::TfrmTrovaFatture(QWidget *parent) : SearchWindow(invoiceSearchSetup(this), parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmTrovaFatture"));
        exposeCriteria({&txtNumFatt, &txtData, &txtCliente, &txtViaCliente, &txtCittaCliente, &txtPagamento,
                        &txtIvaCliente, &txtCodFiscCliente, &txtRiferimenti, &txtNote},
                       {&effNumFatt, &effData, &effCliente, &effViaCliente, &effCittaCliente, &effPagamento,
                        &effIvaCliente, &effCodFiscCliente, &effRiferimenti, &effNote});
    });
}

void OpenInvoiceSearch(QWidget *card)
{
    OpenModal<TfrmTrovaFatture>(card, [](TfrmTrovaFatture &search) { search.lblMemory->setText(QStringLiteral("fatture")); });
}
