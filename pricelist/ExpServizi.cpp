#include "pricelist/ExpServizi.h"

#include "common/ui/Widgets.h"
#include "dialogs/Guida.h"
#include "pricelist/PriceListRecord.h"

#include <QStringList>

WindowHandle<TfrmExpServizi> frmExpServizi;

namespace {

ExcelExportDefinition PriceListExport()
{
    ExcelExportDefinition d;
    d.objectName = QStringLiteral("frmExpServizi");
    d.caption = QStringLiteral(" Esporta tariffario prodotti e servizi in Microsoft Excel");
    d.fileName = QStringLiteral("Magazzino.xls");
    d.sheetName = QStringLiteral("Tariffario Prodotti e Servizi");
    d.archiveName = PriceListArchiveName;
    d.layout = &PriceListItemRecordLayout();
    // The minimum stock and the attachments stay out; only the price and the note may be retouched.
    d.columns = {
        {"colDescrizione", "Descrizione prodotto o servizio", 300, true, "Descrizione",
         "Descrizione prodotto o servizio", 300},
        {"colPrezzo", "Prezzo", 120, false, "Prezzo", "Importo", 200},
        {"colTipologia", "Tipologia", 200, true, "Tipologia", "Tipologia", 250},
        {"colTempi", "Tempi e orari di erogazione", 300, true, "Tempi", "Tempi e orari di erogazione:", 300},
        {"colSupplementi", "Codice articolo", 200, true, "Supplementi", "Codice articolo", 200},
        {"colPersonale", "Personale addetto", 300, true, "Personale", "Personale addetto", 300},
        {"colNote", "Note", 300, false, "Note", "Note", 300},
        {"colMarca", "Marca e modello", 250, true, "Marca", "Marca e modello", 250},
        {"colCollocazione", "Collocazione in magazzino", 250, true, "Collocazione", "Collocazione in magazzino", 250},
        {"colGiacenza", "Giacenza", 180, true, "Giacenza", "Giacenza", 200},
        {"colCosto", "Costo", 120, true, "Costo", "Costo", 200},
        {"colValore", "Valore (costo x giacenza)", 180, true, "Valore", "Valore (costo x giacenza)", 220},
        {"colFornitore", "Fornitore", 250, true, "Fornitore", "Fornitore", 250},
        {"colOrdine", "Modalit\u00e0 ordine merce", 300, true, "Ordine", "Modalit\u00e0 ordine merce", 300},
    };
    d.helpTitle = QStringLiteral("Esportazione tariffario prodotti e servizi in Microsoft Excel.");
    d.helpText =
        QStringList{
            QStringLiteral("Il pulsante Esporta archivio consente di esportare il tariffario dei prodotti e servizi in "
                           "un foglio di lavoro di Microsoft Excel, che potr\u00e0 essere aperto con qualsiasi "
                           "software in grado di gestire i file in formato XLS (ad esempio, con Open Office, Libre "
                           "Office o Microsoft Office)."),
            QStringLiteral("Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic "
                           "sull'icona di Excel. Questa operazione crea in tempo reale un file in formato XLS "
                           "contenente le schede in archivio, che potr\u00e0 essere aperto immediatamente "
                           "rispondendo affermativamente al messaggio di domanda che appare."),
            QStringLiteral("A questo punto \u00e8 sufficiente salvare il file sul proprio disco fisso assegnandogli "
                           "un nome qualsiasi."),
        }
            .join(QStringLiteral("\r\n\r\n"));
    d.showHelp = ShowHelp;
    return d;
}

} // namespace

TfrmExpServizi::TfrmExpServizi(QWidget *owner) : ExcelExportWindow(PriceListExport(), owner) {}

void OpenPriceListExport(QWidget *caller) { OpenModal<TfrmExpServizi>(caller); }
