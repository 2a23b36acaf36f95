#include "invoices/InvoiceHelp.h"

QString InvoiceHelpTitle() { return QStringLiteral("Applicazione Emissione fatture proforma."); }

QStringList InvoiceHelpParagraphs()
{
    return {
        QStringLiteral("Tavoren offre un ambiente di lavoro per compilare e stampare, su carta o in un file PDF, "
                       "fatture proforma. La compilazione è semplificata dalla possibilità di importare i dati del "
                       "cliente dall'anagrafica dei proprietari e le voci dal tariffario dei prodotti e dei servizi. "
                       "Si ricorda che la fattura proforma non ha valore fiscale: al momento del pagamento da parte "
                       "del cliente è necessario emettere una fattura elettronica."),
        QStringLiteral("Le fatture proforma sono conservate in un archivio per ogni anno solare. Per aprirlo basta "
                       "indicare l'anno con quattro cifre e premere Apri: se l'archivio di quell'anno non esiste "
                       "ancora, viene creato al primo salvataggio. È possibile inoltre usare un logo personalizzato, "
                       "che comparirà nelle fatture stampate."),
        QStringLiteral("I dati del proprio studio veterinario, le condizioni di pagamento, la banca d'appoggio, "
                       "l'IBAN e l'aliquota IVA vengono salvati automaticamente alla chiusura della schermata di "
                       "lavoro e riproposti all'apertura successiva."),
        QStringLiteral("Per inserire un nuovo documento in archivio fare clic su Nuovo, compilare i campi desiderati "
                       "e premere Salva. Alla pressione di Nuovo il programma attribuisce al documento un numero "
                       "che tiene conto delle fatture proforma già presenti in archivio, partendo da 1 se l'archivio "
                       "è vuoto; per far partire la numerazione da un numero più alto si usa l'apposita funzione di "
                       "numerazione. Per modificare un documento già archiviato occorre visualizzarlo nella "
                       "schermata di lavoro, apportare le modifiche e premere Salva."),
        QStringLiteral("I documenti possono essere numerati con la semplice numerazione progressiva annuale oppure "
                       "indicando anche l'anno di emissione. Nelle fatture proforma si possono riportare sia la "
                       "partita IVA sia il codice fiscale. In calce alla stampa compare l'annotazione che i dati del "
                       "cliente saranno trattati esclusivamente per l'erogazione del servizio e non saranno "
                       "comunicati a terzi."),
        QStringLiteral("L'importo di ogni riga, il totale del documento e l'ammontare dell'IVA secondo l'aliquota "
                       "indicata sono calcolati dal programma con il pulsante Calcola e a ogni salvataggio. Gli "
                       "importi sono espressi in euro, con prezzi fino a quattro cifre decimali e totali arrotondati "
                       "al centesimo. A ogni riga si può applicare una percentuale di sconto; se un articolo o un "
                       "servizio è esente da IVA, va spuntata la casella della sua riga. La casella IVA esente va "
                       "spuntata quando la fattura riguarda prestazioni non soggette a IVA ai sensi dell'art. 10 "
                       "n. 18 del DPR 633/1972 e successive modifiche."),
        QStringLiteral("La funzione Trova permette di cercare le fatture proforma combinando più criteri: per "
                       "esempio quelle emesse in un certo giorno, intestate a un determinato cliente o a clienti "
                       "che vivono nella stessa città. Un apposito pulsante elenca le fatture proforma nelle quali è "
                       "stata applicata l'IVA. L'applicazione consente anche di visualizzare e stampare il "
                       "riepilogo mensile, trimestrale o annuale delle fatture proforma emesse."),
        QStringLiteral("L'applicazione Statistiche fatturato mostra e stampa grafici degli incassi mensili delle "
                       "fatture proforma emesse nell'anno solare scelto, sotto forma di grafico a torta oppure di "
                       "grafico a barre tridimensionali. Il grafico riporta per ogni mese le entrate comprensive di "
                       "IVA, arrotondate all'euro."),
    };
}
