#include "certificates/TrovaConsensi_Interventi.h"

WindowHandle<TfrmTrovaConsensi_Interventi> frmTrovaConsensi_Interventi;

CertificateSearch SurgeryConsentSearch()
{
    return {
        .objectName = QStringLiteral("frmTrovaConsensi_Interventi"),
        .caption = QStringLiteral(" Trova consensi a interventi chirurgici in archivio"),
        .criteria = CertificateSearchCriteria("Consenso n."),
        .listLine = ConsentListLine,
        .printTitle = QStringLiteral("Riepilogo consensi a interventi chirurgici"),
    };
}

TfrmTrovaConsensi_Interventi::TfrmTrovaConsensi_Interventi(QWidget *parent)
    : CertificateSearchWindow(SurgeryConsentType(), parent)
{
}

void OpenSurgeryConsentSearch(QWidget *card) { OpenCertificateSearch<TfrmTrovaConsensi_Interventi>(card); }
