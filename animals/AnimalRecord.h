#pragma once
#include "common/Record.h"

#include <QString>

#include <optional>

// The name of the animals' archive in the program folder.
inline const QString AnimalArchiveName = QStringLiteral("Anagrafica_Animali.pro");

// `TAnimalRecord`: one animal of "Anagrafica_Animali.pro", 60 text fields, 10857 bytes.
const RecordLayout &AnimalRecordLayout();

// The line of an animal in the search list: name, breed, microchip and owner as fixed columns,
// then the owner's telephone whole. The same line, rebuilt from the archive, finds the record again.
QString AnimalListLine(const Record &animal);

// The animal number that names an animal's photo, document folder and cost file: the trimmed
// record number of the card when it is a saved record of an archive of `recordCount` records
// (digits only, 1..recordCount), and nothing otherwise (empty, 0, past the end, not a number).
std::optional<int> SavedAnimalNumber(const QString &position, int recordCount);
