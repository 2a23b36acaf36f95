#include "certificates/Certificato_Vaccinazione.h"

WindowHandle<TfrmCertificato_Vaccinazione> frmCertificato_Vaccinazione;

TfrmCertificato_Vaccinazione::TfrmCertificato_Vaccinazione(QWidget *parent)
    : CertificateCard(VaccinationCertificateType(), parent)
{
}
