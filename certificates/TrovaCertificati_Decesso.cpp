#include "certificates/TrovaCertificati_Decesso.h"

#include "certificates/Certificato_Decesso.h"

WindowHandle<TfrmTrovaCertificati_Decesso> frmTrovaCertificati_Decesso;

CertificateSearch DeathCertificateSearch()
{
    return {
        .objectName = QStringLiteral("frmTrovaCertificati_Decesso"),
        .caption = QStringLiteral(" Trova certificati di decesso in archivio"),
        .criteria = CertificateSearchCriteria("Certificato n."),
        .listLine = CertificateListLine,
        .printTitle = QStringLiteral("Riepilogo certificati di decesso"),
    };
}

TfrmTrovaCertificati_Decesso::TfrmTrovaCertificati_Decesso(QWidget *parent)
    : CertificateSearchWindow(DeathCertificateType(), parent)
{
}

void OpenDeathCertificateSearch(QWidget *card) { OpenCertificateSearch<TfrmTrovaCertificati_Decesso>(card); }
