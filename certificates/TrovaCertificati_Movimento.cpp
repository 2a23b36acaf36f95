#include "certificates/TrovaCertificati_Movimento.h"

WindowHandle<TfrmTrovaCertificati_Movimento> frmTrovaCertificati_Movimento;

CertificateSearch MovementCertificateSearch()
{
    return {
        .objectName = QStringLiteral("frmTrovaCertificati_Movimento"),
        .caption = QStringLiteral(" Trova certificati di movimento in archivio"),
        .criteria = {{
            {"txtNum", "Certificato n.", "Num", "effNum"},
            {"txtData", "Data emissione (gg/mm/aaaa):", "Data", "effData"},
            {"txtProprietario", "Proprietario dell'animale:", "Proprietario", "effProprietario"},
            {"txtNomeAni", "Identificazione dell'animale:", "NomeAni", "effNomeAni"},
            {"txtSessoAni", "Sesso dell'animale:", "SessoAni", "effSessoAni"},
            {"txtDataNascAni", "Data di nascita dell'animale:", "DataNascAni", "effDataNascAni"},
            {"txtSpecie", "Specie:", "Specie", "effSpecie"},
            {"txtCites", "Certificato Cites n.", "Cites", "effCites"},
            {"txtOrigine", "Indirizzo dell'origine:", "Origine", "effOrigine"},
            {"txtDestinazione", "Indirizzo di destinazione:", "Destinazione", "effDestinazione"},
        }},
        .listLine = MovementCertificateListLine,
        .printTitle = QStringLiteral("Riepilogo certificati di movimento"),
    };
}

TfrmTrovaCertificati_Movimento::TfrmTrovaCertificati_Movimento(QWidget *parent)
    : CertificateSearchWindow(MovementCertificateType(), parent)
{
}

void OpenMovementCertificateSearch(QWidget *card) { OpenCertificateSearch<TfrmTrovaCertificati_Movimento>(card); }
