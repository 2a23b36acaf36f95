#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateExport.h"

// The euthanasia authorisation's export: the health export's columns less the place, the number
// titled "Autorizzazione n.", and the disposal text, written to "Autorizzazioni_Eutanasia.xls".
CertificateExport EuthanasiaAuthorizationExport();

// The euthanasia authorisations' export window.
class TfrmExpAutorizzazioni_Eutanasia : public CertificateExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpAutorizzazioni_Eutanasia(QWidget *owner = nullptr);
};

extern WindowHandle<TfrmExpAutorizzazioni_Eutanasia> frmExpAutorizzazioni_Eutanasia;

// How the authorisation card opens its export: owned by the card, shown modally.
void OpenEuthanasiaAuthorizationExport(QWidget *card);
