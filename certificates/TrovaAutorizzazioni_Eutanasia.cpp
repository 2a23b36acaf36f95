#include "certificates/TrovaAutorizzazioni_Eutanasia.h"

#include "certificates/Autorizzazione_Eutanasia.h"

WindowHandle<TfrmTrovaAutorizzazioni_Eutanasia> frmTrovaAutorizzazioni_Eutanasia;

CertificateSearch EuthanasiaAuthorizationSearch()
{
    return {
        .objectName = QStringLiteral("frmTrovaAutorizzazioni_Eutanasia"),
        .caption = QStringLiteral(" Trova autorizzazioni all'eutanasia in archivio"),
        .criteria = CertificateSearchCriteria("Autorizzazione n."),
        .listLine = AuthorizationListLine,
        .printTitle = QStringLiteral("Riepilogo autorizzazioni all'eutanasia"),
    };
}

TfrmTrovaAutorizzazioni_Eutanasia::TfrmTrovaAutorizzazioni_Eutanasia(QWidget *parent)
    : CertificateSearchWindow(EuthanasiaAuthorizationType(), parent)
{
}

void OpenEuthanasiaAuthorizationSearch(QWidget *card) { OpenCertificateSearch<TfrmTrovaAutorizzazioni_Eutanasia>(card); }
