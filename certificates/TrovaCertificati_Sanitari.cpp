#include "certificates/TrovaCertificati_Sanitari.h"

#include "common/ui/Widgets.h"

#include <QLabel>

TfrmTrovaCertificati_Sanitari *frmTrovaCertificati_Sanitari = nullptr;

CertificateSearch HealthCertificateSearch()
{
    return {
        .objectName = QStringLiteral("frmTrovaCertificati_Sanitari"),
        .caption = QStringLiteral(" Trova certificati sanitari in archivio"),
        .criteria = {{
            {"txtNum", "Certificato n.", "Num", "effNum"},
            {"txtData", "Data emissione (gg/mm/aaaa):", "Data", "effData"},
            {"txtProprietario", "Proprietario dell'animale:", "Proprietario", "effProprietario"},
            {"txtCodFisc", "Codice fiscale:", "CodFisc", "effCodFisc"},
            {"txtComuneRes", "Comune di residenza:", "ComuneRes", "effComuneRes"},
            {"txtRecapito", "Tel. preferenziale:", "Recapito", "effRecapito"},
            {"txtNomeAni", "Nome dell'animale:", "NomeAni", "effNomeAni"},
            {"txtSpecie", "Specie:", "Specie", "effSpecie"},
            {"txtRazza", "Razza:", "Razza", "effRazza"},
            {"txtMicrochip", "Codice microchip:", "Microchip", "effMicrochip"},
        }},
        .listLine = CertificateListLine,
        .printTitle = QStringLiteral("Riepilogo certificati sanitari"),
    };
}

TfrmTrovaCertificati_Sanitari::TfrmTrovaCertificati_Sanitari(QWidget *parent)
    : CertificateSearchWindow(HealthCertificateType(), parent)
{
}

void OpenHealthCertificateSearch(QWidget *card)
{
    OpenModal<TfrmTrovaCertificati_Sanitari>(
        card, [](TfrmTrovaCertificati_Sanitari &search) { search.lblMemory->setText(search.type().contextTag); });
}
