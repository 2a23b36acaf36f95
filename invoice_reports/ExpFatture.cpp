#include "invoice_reports/ExpFatture.h"

#include "common/ui/Widgets.h"
#include "dialogs/Guida.h"
#include "invoice_reports/InvoiceLists.h"
#include "invoices/InvoiceRecord.h"

WindowHandle<TfrmExpFatture> frmExpFatture;

namespace {

ExcelExportDefinition InvoiceExport()
{
    ExcelExportDefinition d;
    d.objectName = QStringLiteral("frmExpFatture");
    d.caption = QStringLiteral(" Esporta archivio fatture proforma in Microsoft Excel");
    d.fileName = QStringLiteral("Fatture.xls");
    d.sheetName = QStringLiteral("Riepilogo annuale fatture");
    d.layout = &InvoiceRecordLayout();
    // The issuer's street and postcode, the free issuer fields, the vehicle fields and the article
    // lines are neither shown nor exported; the six amounts are right-aligned in the file.
    d.columns = {
        {"colNumFatt", "Fattura n.", 160, true, "NumFatt", "Fattura n.", 160},
        {"colData", "Data emissione", 120, true, "Data", "Data emissione", 120},
        {"colDitta", "Ditta emittente", 250, true, "Ditta", "Ditta emittente", 250},
        {"colCittaDitta", "Città", 250, true, "CittaDitta", "Città", 250},
        {"colIvaDitta", "Partita IVA", 150, true, "IvaDitta", "Partita IVA", 150},
        {"colCodFiscDitta", "Codice fiscale", 150, true, "CodFiscDitta", "Codice fiscale", 150},
        {"colCliente", "Cognome e nome o ragione sociale Cliente", 250, true, "Cliente", "Cognome e nome Cliente", 250},
        {"colViaCliente", "Via e numero civico", 250, true, "ViaCliente", "Via e numero civico", 250},
        {"colCapCliente", "CAP", 100, true, "CapCliente", "CAP", 70},
        {"colCittaCliente", "Città", 250, true, "CittaCliente", "Città", 250},
        {"colProvCliente", "Prov.", 50, true, "ProvCliente", "Prov.", 50},
        {"colIvaCliente", "Partita IVA Cliente", 150, true, "IvaCliente", "Partita IVA Cliente", 150},
        {"colCodFiscCliente", "Codice fiscale Cliente", 150, true, "CodFiscCliente", "Codice fiscale Cliente", 150},
        {"colRiferimenti", "Riferimenti", 250, true, "Riferimenti", "Riferimenti", 250},
        {"colPagamento", "Pagamento", 250, true, "Pagamento", "Pagamento", 250},
        {"colBanca", "Banca d'appoggio", 250, true, "Banca", "Banca d'appoggio", 250},
        {"colIban", "IBAN", 250, true, "Iban", "IBAN", 250},
        {"colTotImponibile", "Totale imponibile", 150, true, "TotImponibile", "Totale imponibile", 150, true},
        {"colPercIva", "% IVA", 100, true, "PercIva", "% IVA", 100, true},
        {"colTotImposta", "Totale imposta", 150, false, "TotImposta", "Totale imposta", 150, true},
        {"colTotIva", "Totale IVA inclusa", 150, false, "TotIva", "Totale IVA inclusa", 150, true},
        {"colTotEsente", "Totale esente", 150, false, "TotEsente", "Totale esente", 150, true},
        {"colTotFattura", "TOTALE FATTURA", 150, false, "TotFattura", "TOTALE FATTURA", 150, true},
        {"colNote", "Note", 350, false, "Note", "Note", 350},
        {"colSaldata", "IVA esente", 100, false, "Saldata", "IVA esente", 100},
    };
    d.helpTitle = QStringLiteral("Esportazione archivio fatture proforma in Microsoft Excel.");
    d.helpText = ExportHelpText(QStringLiteral("tutte le fatture proforma emesse in un anno solare"));
    d.showHelp = ShowHelp;
    return d;
}

} // namespace

TfrmExpFatture::TfrmExpFatture(QWidget *owner) : ExcelExportWindow(InvoiceExport(), owner) {}

void OpenInvoiceExport(QWidget *card)
{
    OpenModal<TfrmExpFatture>(card, [](TfrmExpFatture &w) { w.setArchiveName(OpenInvoiceArchive()); });
}
