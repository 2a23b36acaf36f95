#include "pricelist/PriceListHelp.h"

QString PriceListHelpTitle() { return QStringLiteral("Applicazione Tariffario Prodotti e Servizi."); }

QStringList PriceListHelpParagraphs()
{
    return {
        QStringLiteral(
            "L'applicazione Tariffario Prodotti e Servizi ha lo scopo principale di facilitare la compilazione "
            "delle fatture, dal momento che le voci registrate in questo ambiente possono essere richiamate, "
            "appunto, nelle fatture da rilasciare ai clienti del proprio studio veterinario. Di ogni prodotto e "
            "servizio si può indicare una descrizione, l'importo in euro, la tipologia, i tempi e gli orari di "
            "erogazione, il codice dell'articolo e il personale addetto. Nel caso dei prodotti presenti in "
            "magazzino (ad esempio, prodotti da fornire direttamente ai clienti senza bisogno di prescrizione), è "
            "possibile registrare la marca e il modello, la collocazione sullo scaffale, la giacenza, il costo, il "
            "valore (costo x giacenza), gli estremi del fornitore e le modalità di ordine della merce."),
        QStringLiteral(
            "Per inserire una nuova scheda, è sufficiente fare clic sul pulsante Nuovo, compilare i campi di testo "
            "e premere Salva. Per aggiornare una scheda esistente, bisogna richiamarla nella finestra di lavoro, "
            "apportare le modifiche e premere Salva. Una scheda già registrata può essere richiamata utilizzando la "
            "funzione di ricerca o le frecce di scorrimento, le quali consentono di visualizzare il record "
            "precedente o quello successivo, oppure di posizionarsi in testa o in coda all'archivio."),
        QStringLiteral(
            "La funzione Duplica è particolarmente utile se si vuole registrare le diverse tariffe applicate alle "
            "varie tipologie di un prodotto, all'erogazione di una prestazione veterinaria, eccetera."),
        QStringLiteral(
            "Appositi pulsanti consentono di aggiornare la giacenza in magazzino aggiungendo o sottraendo una certa "
            "quantità. Il campo Avviso sottoscorta consente di indicare a che numero minimo di pezzi disponibili si "
            "vuole essere avvisati per effettuare un nuovo ordinativo della merce. Per visualizzare l'elenco dei "
            "prodotti sottoscorta basta fare clic sul pulsante con la lettera \"S\"."),
        QStringLiteral(
            "La funzione Trova consente di trovare un prodotto o servizio in archivio anche usando più filtri di "
            "ricerca contemporaneamente. E' inoltre possibile allegare alla scheda di ciascuna tariffa fino a tre "
            "file di qualsiasi genere. La scheda di ciascuna tariffa può essere stampata su carta mentre l'intero "
            "tariffario può essere esportato in un foglio di Excel."),
    };
}
