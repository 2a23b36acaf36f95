#include "certificates/TrovaCertificati_Decesso.h"

#include "certificates/Certificato_Decesso.h"
#include "certificates/TrovaCertificati_Sanitari.h"
#include "common/ui/Widgets.h"

#include <QLabel>

TfrmTrovaCertificati_Decesso *frmTrovaCertificati_Decesso = nullptr;

CertificateSearch DeathCertificateSearch()
{
    CertificateSearch search = HealthCertificateSearch();
    search.objectName = QStringLiteral("frmTrovaCertificati_Decesso");
    search.caption = QStringLiteral(" Trova certificati di decesso in archivio");
    search.printTitle = QStringLiteral("Riepilogo certificati di decesso");
    return search;
}

TfrmTrovaCertificati_Decesso::TfrmTrovaCertificati_Decesso(QWidget *parent)
    : CertificateSearchWindow(DeathCertificateType(), parent)
{
}

void OpenDeathCertificateSearch(QWidget *card)
{
    OpenModal<TfrmTrovaCertificati_Decesso>(
        card, [](TfrmTrovaCertificati_Decesso &search) { search.lblMemory->setText(search.type().contextTag); });
}
