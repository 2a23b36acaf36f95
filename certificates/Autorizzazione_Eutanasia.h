#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateCard.h"

// The euthanasia authorisation: "Autorizzazioni_Eutanasia.pro", tag "autorizzazione_eutanasia"; the
// health card's fields and the owner's declaration on the disposal of the body (Smaltimento), which
// every clearing presets. The owner signs it, not the veterinarian.
const CertificateType &EuthanasiaAuthorizationType();

// The disposal text that clearing the card puts into txtSmaltimento.
QString DefaultDisposalText();

// The authorisation's printout: owner first, the veterinarian's bare name, the disposal text and
// the owner's name under the signature rule.
std::vector<CertificatePrintObject> EuthanasiaAuthorizationPrintout();

// The euthanasia authorisation card.
class TfrmAutorizzazione_Eutanasia : public CertificateCard {
    Q_OBJECT
public:
    explicit TfrmAutorizzazione_Eutanasia(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmAutorizzazione_Eutanasia> frmAutorizzazione_Eutanasia;
