#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateExport.h"

// The health certificate's export: the certificates from the number to the distinguishing marks,
// the practice header left out, written to "Certificati_Sanitari.xls".
CertificateExport HealthCertificateExport();

// The health certificates' export window: "Certificati_Sanitari.pro" in a grid, written to
// "Certificati_Sanitari.xls".
class TfrmExpCertificati_Sanitari : public CertificateExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpCertificati_Sanitari(QWidget *owner = nullptr);
};

extern WindowHandle<TfrmExpCertificati_Sanitari> frmExpCertificati_Sanitari;

// How the health card opens its export: owned by the card, shown modally, destroyed when it closes.
void OpenHealthCertificateExport(QWidget *card);
