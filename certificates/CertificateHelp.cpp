#include "certificates/CertificateHelp.h"

QString CertificateHelpTitle() { return QStringLiteral("Applicazione Certificati e Consensi."); }

QStringList CertificateHelpParagraphs()
{
    return {
        QStringLiteral("L'applicazione Certificati e Consensi permette di redigere, stampare e archiviare i certificati "
                       "e le autorizzazioni che lo Studio Veterinario rilascia ai proprietari degli animali per gli usi "
                       "consentiti dalla legge."),
        QStringLiteral("Il certificato sanitario per animale da compagnia è un documento bilingue, in italiano e in "
                       "inglese, con il quale il medico veterinario certifica che l'animale non presenta segni clinici "
                       "di malattie infettive proprie della specie o trasmissibili all'uomo."),
        QStringLiteral("Il certificato di vaccinazione antirabbica riporta il nome del vaccino somministrato, il lotto "
                       "e il numero di produzione e la data di scadenza della copertura vaccinale."),
        QStringLiteral("Il certificato di malattia viene richiesto dal proprietario per ottenere un permesso retribuito "
                       "dal lavoro e riporta l'esito della visita clinica e la diagnosi."),
        QStringLiteral("Il certificato di decesso attesta se l'animale è stato sottoposto a eutanasia a causa di una "
                       "grave malattia oppure se è deceduto per altre cause."),
        QStringLiteral("L'autorizzazione all'eutanasia viene firmata dal proprietario, che vi indica anche la modalità "
                       "di smaltimento della salma dell'animale."),
        QStringLiteral("Il consenso informato all'anestesia e all'intervento chirurgico è il documento con cui il "
                       "proprietario autorizza il medico veterinario a operare l'animale in anestesia generale, dopo "
                       "gli accertamenti diagnostici ritenuti necessari."),
        QStringLiteral("Il certificato per la movimentazione non commerciale degli animali da compagnia provenienti da "
                       "paesi terzi verso l'Italia, in italiano e in inglese, autorizza il transito dell'animale "
                       "attraverso gli stati membri della Comunità Europea e ne attesta lo stato di salute e l'idoneità "
                       "al viaggio fino alla destinazione."),
        QStringLiteral("Per inserire una nuova scheda premere Nuovo, compilare i campi e premere Salva. Per modificare "
                       "una scheda già archiviata visualizzarla con le frecce di scorrimento o con la funzione di "
                       "ricerca, apportare le modifiche e premere di nuovo Salva."),
        QStringLiteral("Il pulsante Nuovo assegna automaticamente al documento il numero progressivo, contando i "
                       "documenti già presenti in archivio: con l'archivio vuoto la numerazione parte da 1. Il pulsante "
                       "contrassegnato da \"N.\" permette di far partire la numerazione da un numero più alto."),
        QStringLiteral("I dati del proprietario e dell'animale si compilano rapidamente importandoli dagli archivi "
                       "anagrafici con i pulsanti contrassegnati dalla freccia verde."),
        QStringLiteral("La funzione Duplica è utile quando si devono compilare più schede con dati molto simili, per "
                       "esempio lo stesso certificato rilasciato per lo stesso animale in momenti diversi: visualizzare "
                       "la scheda archiviata, premere Duplica, inserire i nuovi dati e premere Salva."),
        QStringLiteral("I dati dello Studio Veterinario, il nome del medico veterinario e il luogo di rilascio vengono "
                       "salvati automaticamente quando si esce dalla schermata di lavoro e non devono essere digitati "
                       "di nuovo."),
        QStringLiteral("La ricerca dei certificati può avvenire con uno o più filtri contemporaneamente: per esempio "
                       "tutti i certificati di uno stesso animale o di uno stesso proprietario, oppure quelli rilasciati "
                       "in una certa data."),
        QStringLiteral("Ogni scheda può essere visualizzata in anteprima di stampa o stampata, e l'intero archivio può "
                       "essere esportato in un file di Microsoft Excel."),
    };
}

QString CertificateHelpText() { return CertificateHelpParagraphs().join(QStringLiteral("\r\n\r\n")); }
