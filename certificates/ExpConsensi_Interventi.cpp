#include "certificates/ExpConsensi_Interventi.h"

#include "common/ui/Widgets.h"

#include <QStringList>

TfrmExpConsensi_Interventi *frmExpConsensi_Interventi = nullptr;

CertificateExport SurgeryConsentExport()
{
    // Only the issue date is read-only in the grid.
    return {
        .objectName = QStringLiteral("frmExpConsensi_Interventi"),
        .caption = QStringLiteral(" Esporta archivio consensi a interventi chirurgici in Microsoft Excel"),
        .fileName = QStringLiteral("Consensi_Interventi.xls"),
        .sheetName = QStringLiteral("Consensi a interventi"),
        .columns =
            {
                {"colNumTest", "Consenso n.", 180, false, "Num", "Consenso n.", 200},
                {"colData", "Data emissione", 150, true, "Data", "Data emissione", 200},
                {"colVeterinario", "Veterinario", 250, false, "Veterinario", "Veterinario", 250},
                {"colProprietario", "Proprietario dell'animale", 250, false, "Proprietario",
                 "Proprietario dell'animale", 250},
                {"colDataNasc", "Data di nascita", 180, false, "DataNasc", "Data di nascita", 180},
                {"colCodFisc", "Codice fiscale", 180, false, "CodFisc", "Codice fiscale", 200},
                {"colComuneNasc", "Comune di nascita", 250, false, "ComuneNasc", "Comune di nascita", 250},
                {"colIndirizzoRes", "Indirizzo e numero civico", 250, false, "IndirizzoRes",
                 "Indirizzo e numero civico", 300},
                {"colCap", "CAP", 150, false, "CapRes", "CAP", 200},
                {"colComuneRes", "Comune di residenza", 250, false, "ComuneRes", "Comune di residenza", 250},
                {"colProvRes", "Prov.", 150, false, "ProvRes", "Prov.", 200},
                {"colRecapito", "Tel. preferenziale", 250, false, "Recapito", "Tel. preferenziale", 250},
                {"colNomeAni", "Nome dell'animale", 250, false, "NomeAni", "Nome dell'animale", 250},
                {"colSessoAni", "Sesso", 80, false, "SessoAni", "Sesso", 100},
                {"colDataNascAni", "Data di nascita", 150, false, "DataNascAni", "Data di nascita", 200},
                {"colSpecie", "Specie", 250, false, "Specie", "Specie", 250},
                {"colRazza", "Razza", 250, false, "Razza", "Razza", 250},
                {"colTaglia", "Taglia", 200, false, "Taglia", "Taglia", 250},
                {"colPelo", "Pelo", 200, false, "Pelo", "Pelo", 250},
                {"colMantello", "Colore mantello", 200, false, "Mantello", "Colore mantello", 250},
                {"colMicrochip", "Codice microchip", 200, false, "Microchip", "Codice microchip", 250},
                {"colTatuaggio", "Tatuaggio", 250, false, "Tatuaggio", "Tatuaggio", 250},
                {"colSegni", "Segni particolari", 300, false, "Segni", "Segni particolari", 300},
                {"colIntervento", "Intervento chirurgico", 300, false, "Intervento", "Intervento chirurgico", 300},
                {"colTrattamenti", "Ulteriori trattamenti", 300, false, "Trattamenti", "Ulteriori trattamenti", 300},
            },
        .helpTitle = QStringLiteral("Esportazione archivio consensi a interventi chirurgici in Microsoft Excel."),
        .helpData = QStringLiteral("i dati dei consensi a interventi chirurgici"),
        .helpText = QStringList{
            QString::fromUtf8("Il pulsante Esporta archivio consente di esportare i dati dei consensi a interventi "
                              "chirurgici in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con "
                              "qualsiasi software in grado di gestire i file in formato XLS (ad esempio, con Open "
                              "Office, Libre Office o Microsoft Office)."),
            QString::fromUtf8("Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic "
                              "sull'icona di Excel. Questa operazione crea in tempo reale un file in formato XLS "
                              "contenente le schede in archivio, che potrà essere aperto immediatamente rispondendo "
                              "affermativamente al messaggio di domanda che appare."),
            QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un "
                           "nome qualsiasi."),
        }.join(QStringLiteral("\r\n\r\n")),
    };
}

TfrmExpConsensi_Interventi::TfrmExpConsensi_Interventi(QWidget *owner)
    : CertificateExportWindow(SurgeryConsentType(), owner)
{
}

void OpenSurgeryConsentExport(QWidget *card) { OpenModal<TfrmExpConsensi_Interventi>(card); }
