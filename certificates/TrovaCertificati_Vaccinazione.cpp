#include "certificates/TrovaCertificati_Vaccinazione.h"

WindowHandle<TfrmTrovaCertificati_Vaccinazione> frmTrovaCertificati_Vaccinazione;

CertificateSearch VaccinationCertificateSearch()
{
    return {
        .objectName = QStringLiteral("frmTrovaCertificati_Vaccinazione"),
        .caption = QStringLiteral(" Trova certificati di vaccinazione in archivio"),
        .criteria = CertificateSearchCriteria("Certificato n."),
        .listLine = CertificateListLine,
        .printTitle = QStringLiteral("Riepilogo certificati di vaccinazione"),
    };
}

TfrmTrovaCertificati_Vaccinazione::TfrmTrovaCertificati_Vaccinazione(QWidget *parent)
    : CertificateSearchWindow(VaccinationCertificateType(), parent)
{
}

void OpenVaccinationCertificateSearch(QWidget *card)
{
    OpenCertificateSearch<TfrmTrovaCertificati_Vaccinazione>(card);
}
