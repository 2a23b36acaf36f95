#include "certificates/Certificato_Vaccinazione.h"

TfrmCertificato_Vaccinazione *frmCertificato_Vaccinazione = nullptr;

TfrmCertificato_Vaccinazione::TfrmCertificato_Vaccinazione(QWidget *parent)
    : CertificateCard(VaccinationCertificateType(), parent)
{
}
