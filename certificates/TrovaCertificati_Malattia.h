#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateSearch.h"

// The sickness certificate's search window: the health window's criteria and list line.
CertificateSearch SicknessCertificateSearch();

// The sickness certificates' search over "Certificati_Malattia.pro".
class TfrmTrovaCertificati_Malattia : public CertificateSearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaCertificati_Malattia(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmTrovaCertificati_Malattia> frmTrovaCertificati_Malattia;

// How the sickness card opens its search: owned by the card, with the card's tag, shown modally.
void OpenSicknessCertificateSearch(QWidget *card);
