#include "certificates/Consenso_Intervento.h"

WindowHandle<TfrmConsenso_Intervento> frmConsenso_Intervento;

TfrmConsenso_Intervento::TfrmConsenso_Intervento(QWidget *parent) : CertificateCard(SurgeryConsentType(), parent) {}
