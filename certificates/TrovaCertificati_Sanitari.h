#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateSearch.h"

// The health certificate's search window: caption, the ten criteria, list line and print title.
CertificateSearch HealthCertificateSearch();

// The health certificates' search over "Certificati_Sanitari.pro".
class TfrmTrovaCertificati_Sanitari : public CertificateSearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaCertificati_Sanitari(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmTrovaCertificati_Sanitari> frmTrovaCertificati_Sanitari;

// How the health card opens its search: owned by the card, with the card's tag, shown modally and
// destroyed when it closes.
void OpenHealthCertificateSearch(QWidget *card);
