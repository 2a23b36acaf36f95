#include "certificates/Consenso_Intervento.h"

TfrmConsenso_Intervento *frmConsenso_Intervento = nullptr;

TfrmConsenso_Intervento::TfrmConsenso_Intervento(QWidget *parent) : CertificateCard(SurgeryConsentType(), parent) {}
