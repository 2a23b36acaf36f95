#include "certificates/Certificato_Sanitario.h"

TfrmCertificato_Sanitario *frmCertificato_Sanitario = nullptr;

TfrmCertificato_Sanitario::TfrmCertificato_Sanitario(QWidget *parent)
    : CertificateCard(HealthCertificateType(), parent)
{
}
