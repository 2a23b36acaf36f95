#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateSearch.h"

// The surgery consent's search window: caption, the ten criteria, list line and print title.
CertificateSearch SurgeryConsentSearch();

// The surgery consents' search over "Consensi_Interventi.pro".
class TfrmTrovaConsensi_Interventi : public CertificateSearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaConsensi_Interventi(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmTrovaConsensi_Interventi> frmTrovaConsensi_Interventi;

// How the consent card opens its search: owned by the card, with the card's tag, shown modally and
// destroyed when it closes.
void OpenSurgeryConsentSearch(QWidget *card);
