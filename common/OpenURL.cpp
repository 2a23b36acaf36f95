#include "common/OpenURL.h"

#include "common/Platform.h"

void TMisc::Open(const QString &sCommand) { platform().openDocument(sCommand); }
