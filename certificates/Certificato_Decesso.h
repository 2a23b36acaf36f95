#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateCard.h"

class QRadioButton;

// The death certificate: "Certificati_Decesso.pro", tag "certificato_decesso"; the health card's
// fields, the date and cause of death, and the choice between death and euthanasia stored as the
// two flags Morte and Eutanasia.
const CertificateType &DeathCertificateType();

// The death certificate's printout: the date of death in the opening sentence, the phrase of the
// choice and the cause.
std::vector<CertificatePrintObject> DeathCertificatePrintout();

// The death certificate card.
class TfrmCertificato_Decesso : public CertificateCard {
    Q_OBJECT
public:
    explicit TfrmCertificato_Decesso(QWidget *parent = nullptr);

    QRadioButton *radMorte = nullptr;
    QRadioButton *radEutanasia = nullptr;
    ClickLabel *icoMorte = nullptr;
    ClickLabel *icoEutanasia = nullptr;
};

extern WindowHandle<TfrmCertificato_Decesso> frmCertificato_Decesso;
