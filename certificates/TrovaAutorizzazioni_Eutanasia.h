#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateSearch.h"

// The euthanasia authorisation's search window: the health window's criteria, the number captioned
// "Autorizzazione n." and the list line starting "Aut. n. ".
CertificateSearch EuthanasiaAuthorizationSearch();

// The euthanasia authorisations' search over "Autorizzazioni_Eutanasia.pro".
class TfrmTrovaAutorizzazioni_Eutanasia : public CertificateSearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaAutorizzazioni_Eutanasia(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmTrovaAutorizzazioni_Eutanasia> frmTrovaAutorizzazioni_Eutanasia;

// How the authorisation card opens its search: owned by the card, with the card's tag, shown modally.
void OpenEuthanasiaAuthorizationSearch(QWidget *card);
