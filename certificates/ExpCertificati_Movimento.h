#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateExport.h"

// The movement certificate's export, written to "Certificati_Movimento.xls".
CertificateExport MovementCertificateExport();

// The movement certificates' export window: "Certificati_Movimento.pro" in a grid, written to
// "Certificati_Movimento.xls".
class TfrmExpCertificati_Movimento : public CertificateExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpCertificati_Movimento(QWidget *owner = nullptr);
};

extern WindowHandle<TfrmExpCertificati_Movimento> frmExpCertificati_Movimento;

// How the movement card opens its export: owned by the card, shown modally, destroyed when it closes.
void OpenMovementCertificateExport(QWidget *card);
