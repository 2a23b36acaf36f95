#include "animals/AnimalHelp.h"

QString AnimalHelpTitle() { return QStringLiteral("Applicazione Anagrafica Animali."); }

QStringList AnimalHelpParagraphs()
{
    return {
        QStringLiteral("L'Anagrafica Animali è l'archivio dei pazienti dell'ambulatorio. In alto, sempre visibili, "
                       "si trovano il nome, il sesso, la data di nascita, la specie e la razza dell'animale; sotto, "
                       "quattro sezioni raccolgono il resto della scheda: i dati psicosomatici, l'albero "
                       "genealogico, la situazione sanitaria e l'archivio dei documenti e dei costi. Si passa da una "
                       "sezione all'altra con i quattro pulsanti posti sotto l'intestazione."),
        QStringLiteral("Per inserire un nuovo animale premere Nuovo, compilare i campi e premere Salva: nome, sesso, "
                       "data di nascita, specie e razza sono obbligatori. Per modificare una scheda già in archivio, "
                       "richiamarla con le frecce di scorrimento oppure con la ricerca, apportare le modifiche e "
                       "premere di nuovo Salva."),
        QStringLiteral("Il comando Duplica prepara una nuova scheda che conserva tutti i dati di quella visualizzata, "
                       "tranne la foto e i file allegati. È utile, per esempio, per registrare i cuccioli di una "
                       "stessa cucciolata, che hanno in comune razza, genitori e proprietario: basta modificare ciò "
                       "che cambia e salvare."),
        QStringLiteral("La sezione Dati psicosomatici descrive l'animale: colore del mantello, tipologia del pelo, "
                       "segni particolari, altezza, lunghezza, taglia, peso e sterilizzazione, il libretto "
                       "sanitario, il medico veterinario di riferimento, il numero di iscrizione ai libri "
                       "genealogici, il microchip con la data e il punto di applicazione, il tatuaggio, il pedigree "
                       "e il carattere: aggressività, comportamento al guinzaglio, giochi preferiti e note."),
        QStringLiteral("Nella stessa sezione si può caricare la foto dell'animale da un file JPEG, PNG o Bitmap con "
                       "il pulsante Carica foto. La foto viene adattata alla cornice senza deformarla, ma è "
                       "conservata nelle sue dimensioni originali: con lo zoom la si vede a grandezza reale e con il "
                       "pulsante di salvataggio se ne può scrivere una copia su disco. La foto viene archiviata "
                       "insieme alla scheda quando si preme Salva."),
        QStringLiteral("La sezione Albero genealogico riporta il proprietario attuale con il suo telefono, il codice "
                       "fiscale e il comune di residenza, che si possono importare dall'Anagrafica Proprietari con "
                       "il pulsante accanto al comune, la data di inizio della proprietà, l'allevatore, i passaggi di "
                       "proprietà, gli ascendenti in linea paterna e materna fino ai trisnonni, i campionati, i "
                       "titoli, gli accompagnatori e le iscrizioni a club."),
        QStringLiteral("La sezione Situazione sanitaria raccoglie la storia clinica dell'animale: vaccinazioni, "
                       "sverminazioni, trattamenti antiparassitari, accertamenti diagnostici, malattie pregresse, "
                       "interventi chirurgici, profilassi in corso, difetti fisici e alimentazione."),
        QStringLiteral("La sezione Documenti e costi abbina a ogni scheda salvata una cartella personale: il "
                       "pulsante Apri cartella la crea al primo utilizzo e la apre, così da potervi conservare le "
                       "copie digitali o scansionate di pedigree, libretto sanitario, passaporto, ecografie, lastre "
                       "e di qualsiasi altro documento dell'animale."),
        QStringLiteral("Con il pulsante Registra prestazioni si annotano le prestazioni veterinarie erogate "
                       "all'animale e i relativi costi: il programma ne mostra l'elenco e ne calcola il totale, che "
                       "può anche essere stampato."),
        QStringLiteral("Nella finestra dei costi, Aggiungi costo apre i campi per una nuova voce (data, causale, chi "
                       "ha pagato, chi ha ricevuto e importo); per correggere una voce esistente selezionarla "
                       "nell'elenco, premere Modifica costo, cambiare i dati e salvare."),
        QStringLiteral("Le cartelle abbinate e i file dei costi si trovano nella stessa cartella in cui è installato "
                       "il programma, insieme agli archivi e alle foto. Per fare una copia di sicurezza di tutti i "
                       "dati basta copiare l'intera cartella di installazione su un disco esterno o su una chiavetta "
                       "USB."),
        QStringLiteral("Il comando Trova ricerca gli animali in archivio combinando più filtri alla volta, per "
                       "esempio nome, razza, microchip e proprietario, e può cercare anche nel testo delle note. Con "
                       "un doppio clic su una riga dell'elenco la scheda trovata viene caricata."),
        QStringLiteral("Con il comando Allega file si possono abbinare alla scheda fino a tre file, ciascuno con una "
                       "breve descrizione: vengono copiati nella cartella Documenti_Allegati e possono essere "
                       "riaperti in qualsiasi momento dalla stessa finestra. Gli allegati vengono registrati "
                       "quando si salva la scheda."),
        QStringLiteral("Il comando Esporta archivio trasferisce tutte le schede degli animali in un foglio di lavoro "
                       "di Microsoft Excel, utile per elaborare i dati, stamparli o conservarne una copia."),
    };
}
