#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateCard.h"

// The sickness certificate: "Certificati_Malattia.pro", tag "certificato_malattia"; the health
// card's fields and fifteen clinical findings in place of its declaration.
const CertificateType &SicknessCertificateType();

// The sickness certificate's printout: the animal and owner, fourteen findings and the diagnosis.
std::vector<CertificatePrintObject> SicknessCertificatePrintout();

// The sickness certificate card.
class TfrmCertificato_Malattia : public CertificateCard {
    Q_OBJECT
public:
    explicit TfrmCertificato_Malattia(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmCertificato_Malattia> frmCertificato_Malattia;
