#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateExport.h"

// The vaccination certificate's export, written to "Certificati_Vaccinazione.xls".
CertificateExport VaccinationCertificateExport();

// The vaccination certificates' export window: "Certificati_Vaccinazione.pro" in a grid, written to
// "Certificati_Vaccinazione.xls".
class TfrmExpCertificati_Vaccinazione : public CertificateExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpCertificati_Vaccinazione(QWidget *owner = nullptr);
};

extern WindowHandle<TfrmExpCertificati_Vaccinazione> frmExpCertificati_Vaccinazione;

// How the vaccination card opens its export: owned by the card, shown modally, destroyed when it closes.
void OpenVaccinationCertificateExport(QWidget *card);
