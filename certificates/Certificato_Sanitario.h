#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateCard.h"

// The health certificate card: the certificate card running the health declaration.
class TfrmCertificato_Sanitario : public CertificateCard {
    Q_OBJECT
public:
    explicit TfrmCertificato_Sanitario(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmCertificato_Sanitario> frmCertificato_Sanitario;
