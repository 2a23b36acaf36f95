#include "certificates/TrovaCertificati_Malattia.h"

#include "certificates/Certificato_Malattia.h"
#include "certificates/TrovaCertificati_Sanitari.h"
#include "common/ui/Widgets.h"

#include <QLabel>

TfrmTrovaCertificati_Malattia *frmTrovaCertificati_Malattia = nullptr;

CertificateSearch SicknessCertificateSearch()
{
    CertificateSearch search = HealthCertificateSearch();
    search.objectName = QStringLiteral("frmTrovaCertificati_Malattia");
    search.caption = QStringLiteral(" Trova certificati di malattia in archivio");
    search.printTitle = QStringLiteral("Riepilogo certificati di malattia");
    return search;
}

TfrmTrovaCertificati_Malattia::TfrmTrovaCertificati_Malattia(QWidget *parent)
    : CertificateSearchWindow(SicknessCertificateType(), parent)
{
}

void OpenSicknessCertificateSearch(QWidget *card)
{
    OpenModal<TfrmTrovaCertificati_Malattia>(
        card, [](TfrmTrovaCertificati_Malattia &search) { search.lblMemory->setText(search.type().contextTag); });
}
