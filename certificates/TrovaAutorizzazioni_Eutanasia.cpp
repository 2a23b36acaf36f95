#include "certificates/TrovaAutorizzazioni_Eutanasia.h"

#include "certificates/Autorizzazione_Eutanasia.h"
#include "certificates/TrovaCertificati_Sanitari.h"
#include "common/ui/Widgets.h"

#include <QLabel>

TfrmTrovaAutorizzazioni_Eutanasia *frmTrovaAutorizzazioni_Eutanasia = nullptr;

CertificateSearch EuthanasiaAuthorizationSearch()
{
    CertificateSearch search = HealthCertificateSearch();
    search.objectName = QStringLiteral("frmTrovaAutorizzazioni_Eutanasia");
    search.caption = QStringLiteral(" Trova autorizzazioni all'eutanasia in archivio");
    search.criteria[0].caption = "Autorizzazione n.";
    search.listLine = AuthorizationListLine;
    search.printTitle = QStringLiteral("Riepilogo autorizzazioni all'eutanasia");
    return search;
}

TfrmTrovaAutorizzazioni_Eutanasia::TfrmTrovaAutorizzazioni_Eutanasia(QWidget *parent)
    : CertificateSearchWindow(EuthanasiaAuthorizationType(), parent)
{
}

void OpenEuthanasiaAuthorizationSearch(QWidget *card)
{
    OpenModal<TfrmTrovaAutorizzazioni_Eutanasia>(
        card, [](TfrmTrovaAutorizzazioni_Eutanasia &search) { search.lblMemory->setText(search.type().contextTag); });
}
