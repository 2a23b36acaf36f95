#pragma once
// The fixed texts of the record-card commands, as the tests expect them byte for byte.
#include <QString>

inline const QString CardInserted = QString::fromUtf8("La scheda corrente è stata inserita in archivio.");
inline const QString CardOverwritten =
    QString::fromUtf8("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
inline const QString CardEmptyArchive = QString::fromUtf8("L'archivio non contiene nessuna scheda.");
inline const QString CardDuplicateNew = QString::fromUtf8(
    "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita in archivio.");
inline const QString CardDuplicated = QString::fromUtf8(
    "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
    "Al termine premere Salva per inserire la scheda in archivio.");
inline const QString CardRequired = QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare ");
// New over a start number "Inizio" that is no whole number, naming the settings value.
inline QString StartNumberMessage(const QString &section)
{
    return QString::fromUtf8("Attenzione: il numero iniziale della numerazione indicato nel file Tavoren.ini (voce "
                             "\"Inizio\" della sezione \"%1\") non è un numero intero.\n\r\n\rPer poter numerare la "
                             "scheda è necessario reimpostare il numero iniziale con l'apposita funzione di "
                             "numerazione.")
        .arg(section);
}
// Save of a new record whose number another record of the archive already carries.
inline QString NumberTakenMessage(const QString &number)
{
    return QString::fromUtf8("Attenzione: il numero %1 è già stato assegnato a un'altra scheda in archivio.\n\r\n\r"
                             "Per poter salvare la scheda è necessario indicare un numero diverso.")
        .arg(number);
}
