#include "pricelist/TrovaServizi.h"
#include "common/ui/WindowBuild.h"

#include "common/ui/Widgets.h"
#include "pricelist/PriceItemHandBack.h"
#include "pricelist/PriceListRecord.h"

#include <QLabel>

WindowHandle<TfrmTrovaServizi> frmTrovaServizi;

namespace {

SearchWindowSetup priceListSearchSetup(TfrmTrovaServizi *window)
{
    SearchWindowSetup s;
    s.caption = QStringLiteral(" Trova prodotto o servizio in tariffario");
    s.archiveFile = [] { return PriceListArchiveName; };
    s.layout = &PriceListItemRecordLayout();
    s.line = PriceItemListLine;
    s.sorted = true;
    s.printTitle = QStringLiteral("Riepilogo prodotti e servizi in tariffario");
    s.handBack = [window](const Record &item, int number) { PriceItemHandBack(window->contextTag(), item, number); };
    s.criteria = {{
        {"txtDescrizione", "Descrizione prodotto o servizio:", "Descrizione", "effDescrizione"},
        {"txtTipologia", "Tipologia:", "Tipologia", "effTipologia"},
        {"txtTempi", "Tempi e orari di erogazione:", "Tempi", "effTempi"},
        {"txtSupplementi", "Codice articolo:", "Supplementi", "effSupplementi"},
        {"txtPersonale", "Personale addetto:", "Personale", "effPersonale"},
        {"txtNote", "Note:", "Note", "effNote"},
        {"txtMarca", "Marca e modello:", "Marca", "effMarca"},
        {"txtCollocazione", "Collocazione in magazzino:", "Collocazione", "effCollocazione"},
        {"txtFornitore", "Fornitore:", "Fornitore", "effFornitore"},
        {"txtOrdine", "Modalit\u00e0 di ordine merce:", "Ordine", "effOrdine"},
    }};
    return s;
}

} // namespace

TfrmTrovaServizi::TfrmTrovaServizi(QWidget *parent) : SearchWindow(priceListSearchSetup(this), parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmTrovaServizi"));
        exposeCriteria({&txtDescrizione, &txtTipologia, &txtTempi, &txtSupplementi, &txtPersonale, &txtNote, &txtMarca,
                        &txtCollocazione, &txtFornitore, &txtOrdine},
                       {&effDescrizione, &effTipologia, &effTempi, &effSupplementi, &effPersonale, &effNote, &effMarca,
                        &effCollocazione, &effFornitore, &effOrdine});
    });
}

void OpenPriceListSearch(QWidget *caller, const QString &tag)
{
    OpenModal<TfrmTrovaServizi>(caller, [&](TfrmTrovaServizi &search) { search.lblMemory->setText(tag); });
}
