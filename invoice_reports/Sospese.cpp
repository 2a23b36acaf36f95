#include "invoice_reports/Sospese.h"
#include "common/ui/WindowBuild.h"

#include "common/Guard.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/ui/LineList.h"
#include "common/ui/Widgets.h"
#include "invoice_reports/InvoiceLists.h"
#include "invoices/InvoiceRecord.h"

#include <QLineEdit>
#include <QShowEvent>

WindowHandle<TfrmSospese> frmSospese;

namespace {

ListWindowSetup vatListSetup()
{
    ListWindowSetup s;
    s.caption = QStringLiteral(" Riepilogo fatture per prestazioni soggette a IVA");
    s.archiveFile = OpenInvoiceArchive;
    s.layout = &InvoiceRecordLayout();
    s.line = InvoiceListLine;
    s.sorted = false;
    s.printTitle = QStringLiteral("Riepilogo fatture per prestazioni soggette a IVA");
    s.handBack = HandInvoiceToCard;
    return s;
}

bool subjectToVat(const Record &invoice)
{
    static const int flag = InvoiceRecordLayout().indexOf(QStringLiteral("Saldata"));
    return TrimText(invoice.text(flag)) == QLatin1String("No");
}

} // namespace

TfrmSospese::TfrmSospese(QWidget *parent) : ListWindow(vatListSetup(), parent)
{
    BuildWhenNeeded(this, [this] { setObjectName(QStringLiteral("frmSospese")); });
}

void TfrmSospese::showEvent(QShowEvent *e)
{
    ListWindow::showEvent(e);
    if (e->spontaneous())
        return;
    // Part of the year's list is no list of the year: a failure shows the archive message and
    // leaves the list empty.
    RunGuarded([this] { listRecords(subjectToVat); },
               [this] {
                   lstRecords->clear();
                   ShowPlainBox(ArchiveAccessMessage());
               });
    lstRecords->selectRow(-1);
    txtTrova->setFocus(Qt::OtherFocusReason);
}

void OpenVatInvoiceList(QWidget *card) { OpenModal<TfrmSospese>(card); }
