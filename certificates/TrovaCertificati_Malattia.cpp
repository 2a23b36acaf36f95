#include "certificates/TrovaCertificati_Malattia.h"

#include "certificates/Certificato_Malattia.h"

WindowHandle<TfrmTrovaCertificati_Malattia> frmTrovaCertificati_Malattia;

CertificateSearch SicknessCertificateSearch()
{
    return {
        .objectName = QStringLiteral("frmTrovaCertificati_Malattia"),
        .caption = QStringLiteral(" Trova certificati di malattia in archivio"),
        .criteria = CertificateSearchCriteria("Certificato n."),
        .listLine = CertificateListLine,
        .printTitle = QStringLiteral("Riepilogo certificati di malattia"),
    };
}

TfrmTrovaCertificati_Malattia::TfrmTrovaCertificati_Malattia(QWidget *parent)
    : CertificateSearchWindow(SicknessCertificateType(), parent)
{
}

void OpenSicknessCertificateSearch(QWidget *card) { OpenCertificateSearch<TfrmTrovaCertificati_Malattia>(card); }
