#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateCard.h"

// The card of the certificate for the non-commercial movement of pets into Italy (its class name
// is historical: it holds no privacy consent).
class TfrmConsenso_Privacy : public CertificateCard {
    Q_OBJECT
public:
    explicit TfrmConsenso_Privacy(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmConsenso_Privacy> frmConsenso_Privacy;
