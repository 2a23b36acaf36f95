#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateSearch.h"

// The vaccination certificate's search window: caption, the ten criteria, list line and print title.
CertificateSearch VaccinationCertificateSearch();

// The vaccination certificates' search over "Certificati_Vaccinazione.pro".
class TfrmTrovaCertificati_Vaccinazione : public CertificateSearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaCertificati_Vaccinazione(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmTrovaCertificati_Vaccinazione> frmTrovaCertificati_Vaccinazione;

// How the vaccination card opens its search.
void OpenVaccinationCertificateSearch(QWidget *card);
