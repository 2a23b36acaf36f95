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
