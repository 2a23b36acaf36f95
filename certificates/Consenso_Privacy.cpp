#include "certificates/Consenso_Privacy.h"

WindowHandle<TfrmConsenso_Privacy> frmConsenso_Privacy;

TfrmConsenso_Privacy::TfrmConsenso_Privacy(QWidget *parent) : CertificateCard(MovementCertificateType(), parent) {}
