#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateExport.h"

// The sickness certificate's export: the health export's columns less the owner's sex, and the
// diagnosis, written to "Certificati_Malattia.xls".
CertificateExport SicknessCertificateExport();

// The sickness certificates' export window.
class TfrmExpCertificati_Malattia : public CertificateExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpCertificati_Malattia(QWidget *owner = nullptr);
};

extern WindowHandle<TfrmExpCertificati_Malattia> frmExpCertificati_Malattia;

// How the sickness card opens its export: owned by the card, shown modally.
void OpenSicknessCertificateExport(QWidget *card);
