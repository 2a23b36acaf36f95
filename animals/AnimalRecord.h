#pragma once
#include "common/Record.h"

#include <QString>

// The name of the animals' archive in the program folder.
inline const QString AnimalArchiveName = QStringLiteral("Anagrafica_Animali.pro");

// `TAnimalRecord`: one animal of "Anagrafica_Animali.pro", 60 text fields, 10857 bytes.
const RecordLayout &AnimalRecordLayout();

// The line of an animal in the search list: name, breed, microchip and owner as fixed columns,
// then the owner's telephone whole. The same line, rebuilt from the archive, finds the record again.
QString AnimalListLine(const Record &animal);
