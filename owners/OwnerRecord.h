#pragma once
#include "common/Record.h"

#include <QStringList>

// The name of the owners' archive in the program folder.
inline const QString OwnerArchiveName = QStringLiteral("Proprietari.pro");

// `TOwnerRecord`: one owner of "Proprietari.pro", 36 text fields, 3702 bytes.
const RecordLayout &OwnerRecordLayout();

// The 112 province codes offered by the province boxes, in alphabetical order ("EE": abroad).
const QStringList &ProvinceCodes();
