#include "pricelist/Sottoscorta.h"
#include "common/ui/WindowBuild.h"

#include "common/NumberText.h"
#include "common/ui/Widgets.h"
#include "pricelist/PriceItemHandBack.h"
#include "pricelist/PriceListRecord.h"

WindowHandle<TfrmSottoscorta> frmSottoscorta;

namespace {

ListWindowSetup lowStockSetup()
{
    ListWindowSetup s;
    s.caption = QStringLiteral(" Materiali in esaurimento");
    s.archiveFile = [] { return PriceListArchiveName; };
    s.layout = &PriceListItemRecordLayout();
    s.line = PriceItemListLine;
    s.sorted = true;
    s.printTitle = QStringLiteral("Materiali in esaurimento");
    s.handBack = [](const Record &item, int number) { PriceItemHandBack(PriceListCardTag, item, number); };
    s.listed = IsLowStock;
    s.itemWidth = 1400;
    s.banner = QStringLiteral("MATERIALI IN ESAURIMENTO");
    return s;
}

} // namespace

bool IsLowStock(const Record &item)
{
    static const int stockField = PriceListItemRecordLayout().indexOf(QStringLiteral("Giacenza"));
    static const int minimumField = PriceListItemRecordLayout().indexOf(QStringLiteral("Sottoscorta"));
    const std::optional<Decimal> stock = ParseNumberText(item.text(stockField));
    const std::optional<Decimal> minimum = ParseNumberText(item.text(minimumField));
    return stock && minimum && *stock <= *minimum;
}

TfrmSottoscorta::TfrmSottoscorta(QWidget *parent) : ListWindow(lowStockSetup(), parent)
{
    BuildWhenNeeded(this, [this] { setObjectName(QStringLiteral("frmSottoscorta")); });
}

void OpenLowStockList(QWidget *caller) { OpenModal<TfrmSottoscorta>(caller); }
