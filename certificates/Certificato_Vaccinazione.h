#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateCard.h"

// The rabies vaccination certificate card: the certificate card with the vaccine's four edits.
class TfrmCertificato_Vaccinazione : public CertificateCard {
    Q_OBJECT
public:
    explicit TfrmCertificato_Vaccinazione(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmCertificato_Vaccinazione> frmCertificato_Vaccinazione;
