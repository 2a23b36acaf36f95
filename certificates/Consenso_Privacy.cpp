#include "certificates/Consenso_Privacy.h"

TfrmConsenso_Privacy *frmConsenso_Privacy = nullptr;

TfrmConsenso_Privacy::TfrmConsenso_Privacy(QWidget *parent) : CertificateCard(MovementCertificateType(), parent) {}
