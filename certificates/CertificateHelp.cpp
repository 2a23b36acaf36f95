#include "certificates/CertificateHelp.h"

QString CertificateHelpTitle() { return QStringLiteral("Applicazione Certificati e Consensi."); }

QStringList CertificateHelpParagraphs()
{
    return {
        QStringLiteral("L'applicazione Certificati e Consensi semplifica la compilazione e stampa di certificati e "
                       "autorizzazioni che l'ambulatorio veterinario rilascia ai proprietari degli animali per gli usi "
                       "consentiti dalla Legge. Il medico veterinario può quindi usare questo ambiente per redigere e "
                       "archiviare i vari modelli utilizzati nel lavoro di gestione, prevenzione e cura degli animali "
                       "da compagnia."),
        QStringLiteral("Il Certificato sanitario per animale da compagnia (Health Certificate for Pet Animal) è un "
                       "documento bilingue redatto in italiano e inglese con cui il veterinario certifica che l'animale "
                       "non presenta segni clinici di malattie infettive e diffusive proprie della specie e/o "
                       "trasmissibili agli uomini."),
        QStringLiteral("Il Certificato di vaccinazione antirabbica attesta che l'animale è stato vaccinato contro la "
                       "rabbia e fornisce gli estremi del vaccino utilizzato, indicando la denominazione del "
                       "medicinale, la serie e il numero e la data di scadenza."),
        QStringLiteral("Il Certificato di malattia per animale da compagnia viene solitamente richiesto dal "
                       "proprietario dello stesso animale per ottenere un permesso retribuito dal lavoro in caso di "
                       "malattia del proprio animale domestico che ha bisogno di cure specifiche e non rimandabili. In "
                       "tale documento il veterinario descrive nel dettaglio la visita clinica e la diagnosi che ha "
                       "effettuato."),
        QStringLiteral("Il Certificato di decesso per animale da compagnia serve al proprietario per certificare "
                       "ufficialmente il decesso dell'animale come previsto dalla Legge. Il medico veterinario deve "
                       "indicare se l'animale è stato sottoposto a eutanasia per grave malattia oppure è deceduto per "
                       "cause diverse dall'eutanasia."),
        QStringLiteral("L'Autorizzazione all'eutanasia è a firma del proprietario dell'animale, il quale dichiara che, "
                       "pur essendo stato informato sulle eventuali procedure diagnostiche e sulle ulteriori "
                       "possibilità di sostegno terapeutico e/o chirurgico, considerate le gravi condizioni di salute e "
                       "lo stato di grave sofferenza in cui versa il proprio animale, autorizza il medico veterinario a "
                       "sottoporre l'animale a eutanasia preceduta da anestesia generale. In aggiunta, è dovere del "
                       "proprietario indicare come intende procedere per ottemperare allo smaltimento della salma "
                       "dell'animale."),
        QStringLiteral("Il Consenso informato all'anestesia e all'intervento chirurgico è la dichiarazione con cui il "
                       "proprietario autorizza il medico veterinario a eseguire l'intervento chirurgico in anestesia "
                       "generale sul proprio animale dopo aver effettuato tutti gli esami diagnostici ritenuti "
                       "necessari."),
        QStringLiteral("Il Certificato sanitario per il movimento non commerciale da Paesi Terzi verso l'Italia di "
                       "animali da compagnia (Health Certificate for Non-commercial Movement from Third Countries to "
                       "Italy of Pet Animals) serve ad autorizzare il transito di animali negli Stati membri della "
                       "Comunità Europea. Il documento, redatto in italiano e inglese, certifica la buona salute "
                       "dell'animale e la sua idoneità a sopportare il trasporto fino alla destinazione finale."),
        QStringLiteral("Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo, compilare i campi di "
                       "testo che interessano e premere il pulsante Salva. Per modificare una scheda esistente, bisogna "
                       "visualizzarla nella schermata di lavoro usando le frecce di scorrimento dei record o la "
                       "funzione di ricerca, apportare le modifiche desiderate e premere Salva."),
        QStringLiteral("Quando si preme il pulsante Nuovo, il software attribuisce al certificato un numero che tiene "
                       "conto di quanti documenti sono già presenti in archivio, partendo da 1 se l'archivio è vuoto. "
                       "Se si vuole far partire la numerazione automatica dei certificati da un numero superiore, è "
                       "necessario utilizzare l'apposita funzione accessibile tramite il pulsante contraddistinto dalla "
                       "scritta \"N.\"."),
        QStringLiteral("I campi di testo relativi alle informazioni sull'animale e sul proprietario possono essere "
                       "compilati velocemente importando i dati dai relativi archivi anagrafici. A tal fine, bisogna "
                       "servirsi dei pulsanti contraddistinti dall'icona di una freccia verde."),
        QStringLiteral("Il pulsante Duplica è utile se si ha bisogno di registrare due o più schede con dati molto "
                       "simili perché riferite, ad esempio, allo stesso certificato rilasciato a favore del medesimo "
                       "animale in tempi diversi. Per duplicare la scheda di un certificato, basta visualizzare quella "
                       "già registrata in archivio, fare clic sul pulsante Duplica, inserire i nuovi dati e premere "
                       "Salva."),
        QStringLiteral("I dati relativi al proprio studio veterinario, al nome del medico veterinario e al luogo di "
                       "emissione del certificato sono salvati in automatico quando si esce dalla schermata di lavoro, "
                       "per cui non sarà necessario reinserirli quando si dovrà redigere un nuovo documento."),
        QStringLiteral("Per trovare le schede dei certificati in archivio è possibile utilizzare uno o più filtri di "
                       "ricerca contemporaneamente. Ad esempio, si può ottenere l'elenco di tutti i certificati "
                       "riferiti a un certo animale o proprietario, oppure di quelli emessi in una data specifica."),
        QStringLiteral("La scheda di ogni certificato può essere visualizzata in anteprima o stampata direttamente su "
                       "carta, mentre l'intero archivio può essere esportato in un file di Microsoft Excel."),
    };
}

QString CertificateHelpText() { return CertificateHelpParagraphs().join(QStringLiteral("\r\n\r\n")); }
