#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateExport.h"

// The death certificate's export: the health export's columns less the place and the owner's sex,
// and the date and cause of death, written to "Certificati_Decesso.xls".
CertificateExport DeathCertificateExport();

// The death certificates' export window.
class TfrmExpCertificati_Decesso : public CertificateExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpCertificati_Decesso(QWidget *owner = nullptr);
};

extern WindowHandle<TfrmExpCertificati_Decesso> frmExpCertificati_Decesso;

// How the death card opens its export: owned by the card, shown modally.
void OpenDeathCertificateExport(QWidget *card);
