#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateExport.h"

// The surgery consent's export: the consents from the number to the further treatments, the
// practice header, the place and the owner's sex left out, written to "Consensi_Interventi.xls".
CertificateExport SurgeryConsentExport();

// The surgery consents' export window: "Consensi_Interventi.pro" in a grid, written to
// "Consensi_Interventi.xls".
class TfrmExpConsensi_Interventi : public CertificateExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpConsensi_Interventi(QWidget *owner = nullptr);
};

extern WindowHandle<TfrmExpConsensi_Interventi> frmExpConsensi_Interventi;

// How the consent card opens its export: owned by the card, shown modally, destroyed when it closes.
void OpenSurgeryConsentExport(QWidget *card);
