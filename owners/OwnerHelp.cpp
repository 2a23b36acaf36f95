#include "owners/OwnerHelp.h"

QString OwnerHelpTitle() { return QStringLiteral("Applicazione Anagrafica Proprietari."); }

QStringList OwnerHelpParagraphs()
{
    return {
        QStringLiteral("L'Anagrafica Proprietari è l'archivio delle persone che si rivolgono all'ambulatorio con i "
                       "propri animali. Ogni proprietario viene registrato una sola volta: i suoi dati possono poi "
                       "essere importati con un clic nelle schede degli animali, nei certificati e nelle fatture "
                       "proforma, senza doverli digitare di nuovo."),
        QStringLiteral("Per ogni proprietario la scheda raccoglie cognome e nome, data, comune e provincia di "
                       "nascita, sesso, il telefono preferenziale, l'indirizzo, il comune, la provincia e il CAP di "
                       "residenza, le modalità di pagamento preferite, i numeri di telefono di casa, dell'ufficio e "
                       "del cellulare, il fax, l'indirizzo e-mail, il codice fiscale, la carta di credito con la sua "
                       "scadenza, la partita IVA, l'IBAN, gli estremi di un documento di identità, l'occupazione, lo "
                       "stato civile, i titoli e le qualifiche, gli animali posseduti attualmente e in passato, le "
                       "questioni in sospeso e le note."),
        QStringLiteral("Per registrare un nuovo proprietario premere Nuovo, compilare i campi desiderati e premere "
                       "Salva: l'unico dato obbligatorio è il cognome e nome. Per modificare una scheda già in "
                       "archivio occorre prima visualizzarla, scorrendo l'archivio con le frecce in basso a destra "
                       "oppure cercandola con il comando Trova; dopo aver apportato le modifiche, premere di nuovo "
                       "Salva."),
        QStringLiteral("Nel campo Questioni in sospeso si possono annotare le faccende ancora aperte con il cliente, "
                       "come un pagamento da saldare o un esito da comunicare. Spuntando la casella Da ricontattare "
                       "il proprietario entra nel riepilogo dei proprietari da ricontattare, che si apre con il "
                       "comando omonimo della colonna di destra."),
        QStringLiteral("Il comando Duplica serve a creare una nuova scheda partendo da quella visualizzata, per "
                       "esempio quando due componenti della stessa famiglia condividono indirizzo e recapiti. "
                       "Visualizzare la scheda di partenza, premere Duplica, correggere i dati che cambiano e "
                       "premere Salva: la copia viene aggiunta in fondo all'archivio senza i file allegati, mentre "
                       "la scheda originale resta invariata."),
        QStringLiteral("Il comando Trova apre la finestra di ricerca, nella quale si possono indicare più filtri "
                       "contemporaneamente, per esempio una parte del cognome insieme al comune di residenza. "
                       "L'elenco mostra le sole schede che soddisfano tutti i filtri indicati; con un doppio clic "
                       "su una riga la scheda corrispondente viene caricata nella finestra di lavoro."),
        QStringLiteral("Il pulsante verde Privacy prepara l'informativa sul trattamento dei dati personali, "
                       "compilata con i dati del proprietario visualizzato, da stampare e far firmare al cliente."),
        QStringLiteral("Con il comando Allega file si possono abbinare alla scheda fino a tre file di qualsiasi "
                       "tipo, per esempio documenti acquisiti con lo scanner, fotografie o referti, ciascuno con una "
                       "breve descrizione. I file vengono copiati nella cartella Documenti_Allegati del programma e "
                       "possono essere riaperti in ogni momento dalla stessa finestra."),
        QStringLiteral("I piccoli pulsanti accanto ai campi controllano il codice fiscale, il numero della carta "
                       "di credito, l'IBAN e la partita IVA; il controllo della partita IVA indica anche l'ufficio "
                       "provinciale che ha rilasciato il numero. Il pulsante accanto al campo E-mail avvia il "
                       "programma di posta elettronica con l'indirizzo del proprietario già inserito."),
        QStringLiteral("La scheda visualizzata può essere vista in anteprima, stampata oppure salvata in formato "
                       "PDF con i comandi Anteprima, Stampa e Crea PDF. Il comando Esporta archivio trasferisce "
                       "tutte le schede dei proprietari in un foglio di lavoro di Microsoft Excel."),
    };
}
