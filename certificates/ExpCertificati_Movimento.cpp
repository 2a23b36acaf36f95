#include "certificates/ExpCertificati_Movimento.h"

#include "common/ui/Widgets.h"

WindowHandle<TfrmExpCertificati_Movimento> frmExpCertificati_Movimento;

CertificateExport MovementCertificateExport()
{
    // Every field of the record, in record order; only the number and the date are read-only.
    return {
        .objectName = QStringLiteral("frmExpCertificati_Movimento"),
        .caption = QStringLiteral(" Esporta archivio certificati di movimento in Microsoft Excel"),
        .fileName = QStringLiteral("Certificati_Movimento.xls"),
        .sheetName = QStringLiteral("Certificati Movimento"),
        .columns =
            {
                {"colNumTest", "Certificato n.", 180, true, "Num", "Certificato n.", 200},
                {"colData", "Data emissione", 150, true, "Data", "Data emissione", 200},
                {"colLuogo", "Luogo", 250, false, "Luogo", "Luogo", 250},
                {"colVeterinario", "Veterinario", 250, false, "Veterinario", "Veterinario", 300},
                {"colNomeAni", "Identificazione dell'animale", 300, false, "NomeAni",
                 "Identificazione dell'animale", 350},
                {"colSessoAni", "Sesso dell'animale", 180, false, "SessoAni", "Sesso dell'animale", 250},
                {"colDataNascAni", "Data di nascita", 150, false, "DataNascAni", "Data di nascita", 200},
                {"colSpecie", "Specie", 250, false, "Specie", "Specie", 250},
                {"colCites", "Certificato Cites n.", 250, false, "Cites", "Certificato Cites n.", 250},
                {"colProprietario", "Proprietario dell'animale", 300, false, "Proprietario",
                 "Proprietario dell'animale", 350},
                {"colOrigine", "Indirizzo origine", 300, false, "Origine", "Indirizzo origine", 350},
                {"colDestinazione", "Indirizzo destinazione", 300, false, "Destinazione", "Indirizzo destinazione",
                 350},
            },
        .helpTitle = QStringLiteral("Esportazione archivio certificati di movimento in Microsoft Excel."),
        .helpData = QStringLiteral("i dati dei certificati di movimento registrati in archivio"),
    };
}

TfrmExpCertificati_Movimento::TfrmExpCertificati_Movimento(QWidget *owner)
    : CertificateExportWindow(MovementCertificateType(), owner)
{
}

void OpenMovementCertificateExport(QWidget *card) { OpenModal<TfrmExpCertificati_Movimento>(card); }
