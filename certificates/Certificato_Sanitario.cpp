#include "certificates/Certificato_Sanitario.h"

WindowHandle<TfrmCertificato_Sanitario> frmCertificato_Sanitario;

TfrmCertificato_Sanitario::TfrmCertificato_Sanitario(QWidget *parent)
    : CertificateCard(HealthCertificateType(), parent)
{
}
