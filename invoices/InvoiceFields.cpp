#include "invoices/InvoiceFields.h"

#include "common/ui/CodeCombo.h"
#include "common/ui/Widgets.h"
#include "invoices/Fatture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

void InstallInvoiceFields(TfrmFatture &c)
{
    EnterFocusChain({c.txtDitta,      c.txtViaDitta,       c.txtCapDitta,     c.txtCittaDitta, c.txtProvDitta,
                     c.txtIvaDitta,   c.txtCodFiscDitta,   c.txtLibero01,     c.txtLibero02,   c.txtCliente,
                     c.txtViaCliente, c.txtCapCliente,     c.txtCittaCliente, c.txtProvCliente, c.txtIvaCliente,
                     c.txtCodFiscCliente, c.txtRiferimenti, c.txtNumFatt,     c.txtData,       c.txtPagamento,
                     c.txtBanca,      c.txtIban,           c.txtNote});
    EnterFocusPath({c.txtPercIva, c.txtNote});
    for (size_t i = 0; i < c.txtQuant.size(); ++i)
        EnterFocusPath({c.txtQuant[i], c.txtCodice[i], c.txtDesc[i], c.txtPrezzo[i], c.txtPercSconto[i], c.chkEs[i]});
    KeepCodeComboTextOnExit(c.txtProvDitta);
}
