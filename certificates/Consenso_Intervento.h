#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateCard.h"

// The consent to anaesthesia and surgery: the certificate card running the consent declaration.
class TfrmConsenso_Intervento : public CertificateCard {
    Q_OBJECT
public:
    explicit TfrmConsenso_Intervento(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmConsenso_Intervento> frmConsenso_Intervento;
