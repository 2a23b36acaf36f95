#include "invoices/InvoiceHelp.h"

QString InvoiceHelpTitle() { return QStringLiteral("Applicazione Emissione fatture proforma."); }

QStringList InvoiceHelpParagraphs()
{
    return {
        QStringLiteral("Tavoren dispone di un ambiente di lavoro per la compilazione e la stampa (su carta o su file PDF) di "
                       "fatture proforma. La compilazione dei documenti è facilitata dalla possibilità di importare i dati "
                       "del cliente e le voci presenti nel tariffario dei prodotti e dei servizi. Si ricorda che le fatture "
                       "proforma non hanno valore fiscale e che, all'atto del pagamento dei corrispettivi da parte del "
                       "cliente, è necessario emettere una fattura elettronica."),
        QStringLiteral("E' possibile utilizzare un logo personalizzato da far apparire nelle fatture proforma e si può "
                       "stabilire da che numero far partire la numerazione automatica dei documenti. Il calcolo del totale e "
                       "dell'ammontare dell'IVA in base all'aliquota specificata è un'operazione effettuata automaticamente "
                       "dal programma. Se l'articolo o servizio da fatturare è esente da IVA, bisogna spuntare la relativa "
                       "casella. Tutti gli importi sono calcolati in euro con supporto fino a quattro cifre dopo la virgola "
                       "e arrotondamento del totale ai due centesimi."),
        QStringLiteral("Le informazioni riguardanti il proprio studio veterinario sono salvate in automatico alla chiusura "
                       "della schermata di lavoro."),
        QStringLiteral("Per inserire un nuovo documento in archivio bisogna fare clic sul pulsante Nuovo, compilare i campi "
                       "che interessano e premere Salva. Quando si preme il pulsante Nuovo, il software attribuisce al "
                       "documento un numero che tiene conto di quante fatture proforma sono già presenti in archivio, "
                       "partendo da 1 se l'archivio è vuoto. Se si vuole far partire la numerazione automatica dei documenti "
                       "da un numero superiore, è necessario utilizzare l'apposita funzione accessibile tramite il pulsante "
                       "dedicato. Per modificare un documento in archivio, bisogna visualizzarlo nella finestra di lavoro, "
                       "apportare le modifiche e premere Salva."),
        QStringLiteral("E' possibile numerare i documenti adottando la semplice numerazione progressiva annuale oppure "
                       "indicando anche l'anno di emissione. Le fatture proforma emesse con Tavoren consentono di indicare "
                       "sia la partita IVA sia il codice fiscale. La stampa delle fatture proforma riporta in calce "
                       "l'annotazione che i dati del cliente saranno trattati esclusivamente per l'erogazione del servizio e "
                       "non saranno forniti a terzi. Inoltre si ricorda che il documento emesso non ha valore fiscale."),
        QStringLiteral("Il calcolo del totale del documento e dell'ammontare dell'IVA in base all'aliquota specificata è "
                       "un'operazione effettuata automaticamente dal programma. Tutti gli importi sono calcolati in euro con "
                       "supporto fino a quattro cifre dopo la virgola e arrotondamento del totale ai due centesimi. La "
                       "casella IVA esente va spuntata quando si dovrà emettere una fattura per prestazioni non soggette a "
                       "IVA ai sensi dell'art. 10 n. 18 del DPR 633/1972 e successive modifiche. Un apposito pulsante "
                       "permette di visualizzare l'elenco di tutte le fatture proforma nelle quali è stata applicata l'IVA "
                       "in base alle normative vigenti. E' anche possibile applicare una percentuale di sconto ad ogni "
                       "articolo riportato nel documento."),
        QStringLiteral("La funzione Trova permette di ottenere riepiloghi delle fatture proforma utilizzando più criteri di "
                       "ricerca contemporaneamente. Ad esempio, è possibile ottenere il riepilogo delle fatture proforma "
                       "emesse in un preciso giorno dell'anno, intestate a un determinato cliente o a più clienti che vivono "
                       "in una stessa città, eccetera. L'applicazione consente anche di visualizzare e stampare il riepilogo "
                       "mensile, trimestrale o annuale delle fatture proforma emesse."),
        QStringLiteral("L'applicazione Statistiche fatturato consente di visualizzare e stampare grafici statistici sulle "
                       "entrate mensili in base alle fatture proforma emesse nell'anno solare selezionato. L'utente può "
                       "scegliere se visualizzare i dati sotto forma di grafico a torta oppure di grafico a barre "
                       "tridimensionali. Il grafico mostra le entrate al lordo dell'IVA relative a ciascun mese dell'anno "
                       "arrotondando i totali all'euro."),
    };
}
