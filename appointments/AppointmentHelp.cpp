#include "appointments/AppointmentHelp.h"

QString AppointmentHelpTitle() { return QStringLiteral("Applicazione Scadenze e Appuntamenti."); }

QStringList AppointmentHelpParagraphs()
{
    return {
        QStringLiteral("L'applicazione Scadenze e Appuntamenti è l'agenda dell'ambulatorio: vi si annotano le "
                       "scadenze giornaliere, mensili o annuali, come i richiami delle vaccinazioni, i controlli "
                       "periodici, le visite e i pagamenti, e il programma avvisa quando la loro data si avvicina. "
                       "Gli appuntamenti sono conservati in un archivio distinto per ogni anno solare: per aprirlo "
                       "basta indicare l'anno con quattro cifre e premere Apri."),
        QStringLiteral("Per registrare una nuova scadenza premere Nuovo e scegliere dagli elenchi a discesa il "
                       "giorno, il mese, l'ora e i minuti; indicare poi con quanti giorni di anticipo si vuole essere "
                       "avvisati, il nome del proprietario, il nome dell'animale e la causale della scadenza, quindi "
                       "premere Salva. Questi dati sono obbligatori; tutti gli altri campi, come la persona da "
                       "incontrare, la modalità di pagamento, l'importo e le note, possono essere compilati a "
                       "piacere. I dati dell'animale e del suo proprietario si possono importare dall'archivio "
                       "anagrafico con il comando Importa dati."),
        QStringLiteral("Il comando Duplica è pensato per le scadenze che si ripetono: visualizzata una scheda già "
                       "in archivio, Duplica ne prepara una nuova con tutti gli stessi dati tranne il giorno, il mese, "
                       "l'ora e i minuti. Basta scegliere la nuova data e premere Salva perché la copia venga "
                       "aggiunta all'archivio, mentre la scheda di partenza resta invariata."),
        QStringLiteral("I giorni di preavviso stabiliscono da quando una scadenza è considerata imminente: per "
                       "esempio, con sette giorni di preavviso la scadenza viene segnalata a partire da una settimana "
                       "prima della sua data e fino al giorno stesso. Ogni volta che si apre la finestra, se "
                       "nell'archivio dell'anno in corso ci sono scadenze imminenti, il programma lo segnala con "
                       "l'immagine rossa \"Ci sono scadenze\" e con un avviso sonoro, e il pulsante OK mostra "
                       "l'elenco delle scadenze imminenti."),
        QStringLiteral("Spuntando la casella Appuntamento da confermare si annota che l'appuntamento attende "
                       "ancora la conferma del cliente. Il comando Da confermare mostra l'elenco di tutti gli "
                       "appuntamenti dell'anno in attesa di conferma, così da poter richiamare per tempo le persone "
                       "interessate."),
        QStringLiteral("La casella Pagamento effettuato indica che l'importo della scadenza è stato pagato. Il "
                       "comando Da effettuare riepiloga i pagamenti ancora da effettuare, sia scaduti che non, mentre "
                       "il comando Effettuati mostra lo storico dei pagamenti già effettuati, con gli estremi delle "
                       "ricevute."),
        QStringLiteral("Per ogni giorno si possono registrare tutte le scadenze e tutti gli appuntamenti che "
                       "servono, senza alcun limite. Negli elenchi e nelle viste del giorno e del mese, che si "
                       "aprono dal calendario della pagina iniziale, le voci sono sempre mostrate in ordine di data "
                       "e di ora, qualunque sia l'ordine in cui sono state inserite."),
        QStringLiteral("Il comando Trova apre la finestra di ricerca, nella quale si possono indicare più criteri "
                       "contemporaneamente, per esempio il nome dell'animale insieme al mese o al proprietario. "
                       "L'elenco mostra soltanto le schede che soddisfano tutti i criteri indicati; con un doppio "
                       "clic su una riga la scheda corrispondente viene caricata nella finestra di lavoro, dove può "
                       "essere modificata e salvata di nuovo."),
        QStringLiteral("Il comando Esporta archivio trasferisce tutte le scadenze dell'anno aperto in un foglio di "
                       "lavoro di Microsoft Excel, che può essere aperto, stampato o conservato con qualsiasi "
                       "programma in grado di leggere questo formato. Il comando Stampa, invece, stampa la scheda "
                       "visualizzata."),
    };
}
