#include "certificates/TrovaCertificati_Sanitari.h"

WindowHandle<TfrmTrovaCertificati_Sanitari> frmTrovaCertificati_Sanitari;

CertificateSearch HealthCertificateSearch()
{
    return {
        .objectName = QStringLiteral("frmTrovaCertificati_Sanitari"),
        .caption = QStringLiteral(" Trova certificati sanitari in archivio"),
        .criteria = CertificateSearchCriteria("Certificato n."),
        .listLine = CertificateListLine,
        .printTitle = QStringLiteral("Riepilogo certificati sanitari"),
    };
}

TfrmTrovaCertificati_Sanitari::TfrmTrovaCertificati_Sanitari(QWidget *parent)
    : CertificateSearchWindow(HealthCertificateType(), parent)
{
}

void OpenHealthCertificateSearch(QWidget *card) { OpenCertificateSearch<TfrmTrovaCertificati_Sanitari>(card); }
