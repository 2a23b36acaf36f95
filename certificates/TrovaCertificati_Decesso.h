#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateSearch.h"

// The death certificate's search window: the health window's criteria and list line.
CertificateSearch DeathCertificateSearch();

// The death certificates' search over "Certificati_Decesso.pro".
class TfrmTrovaCertificati_Decesso : public CertificateSearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaCertificati_Decesso(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmTrovaCertificati_Decesso> frmTrovaCertificati_Decesso;

// How the death card opens its search: owned by the card, with the card's tag, shown modally.
void OpenDeathCertificateSearch(QWidget *card);
