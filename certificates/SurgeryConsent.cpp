#include "certificates/CertificatePrintout.h"
#include "certificates/CertificateRecord.h"
#include "certificates/ExpConsensi_Interventi.h"
#include "certificates/TrovaConsensi_Interventi.h"
#include "certificates/CertificateType.h"

namespace {

using Band = CertificateBandKind;

} // namespace

const CertificateType &SurgeryConsentType()
{
    static const CertificateType type{
        .contextTag = QStringLiteral("consenso_intervento"),
        .menuTag = QStringLiteral("consenso_intervento"),
        .objectName = QStringLiteral("frmConsenso_Intervento"),
        .caption = QStringLiteral(" Tavoren - Consenso informato all'anestesia e all'intervento chirurgico"),
        .archiveName = SurgeryConsentArchiveName,
        .layout = &SurgeryConsentLayout(),
        .headerKeys = PracticeHeaderKeys(),
        .numberingSection = QStringLiteral("Numerazione Consensi Interventi"),
        .bands =
            {
                PracticeHeaderBand(),
                {Band::Title, 34},
                IssueBand("Consenso n."),
                OwnerBand(),
                AnimalBand(),
                // The procedure and the further treatments side by side, above the owner's signature.
                {Band::Fields, 60,
                 {{"Intervento", "Intervento chirurgico:", 16, 0, 460},
                  {"Trattamenti", "Ulteriori trattamenti:", 492, 0, 460}}},
                {Band::Declaration, 60},
            },
        .title = QStringLiteral("CONSENSO INFORMATO ALL'ANESTESIA E ALL'INTERVENTO CHIRURGICO"),
        .declaration = QStringLiteral("Il proprietario autorizza l'intervento chirurgico in anestesia generale e "
                                      "ulteriori trattamenti terapeutici."),
        .declarationEnglish = QString(),
        .signature = QStringLiteral("FIRMA DEL PROPRIETARIO"),
        .signatureEnglish = QString(),
        .required = {{"Studio", QStringLiteral("la denominazione dello Studio Veterinario.")},
                     {"Num", QStringLiteral("il numero progressivo del consenso all'intervento chirurgico.")},
                     {"Data", QStringLiteral("la data di emissione del consenso all'intervento chirurgico.")},
                     {"Luogo", QStringLiteral("il luogo di emissione del consenso all'intervento chirurgico.")},
                     {"Veterinario", QStringLiteral("il nome del medico veterinario.")},
                     {"Proprietario", QStringLiteral("il nome del proprietario dell'animale.")},
                     {"CodFisc", QStringLiteral("il codice fiscale del proprietario dell'animale.")},
                     {"NomeAni", QStringLiteral("il nome dell'animale.")},
                     {"Razza", QStringLiteral("la razza dell'animale.")}},
        .dateMessage = QString::fromUtf8("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare il "
                                         "consenso all'intervento chirurgico è necessario indicare una data valida "
                                         "nel formato gg/mm/anno."),
        .clearFocus = "Proprietario",
        .search = SurgeryConsentSearch(),
        .exportWindow = SurgeryConsentExport(),
        .printName = QStringLiteral("Consenso Intervento Chirurgico"),
        .printout = SurgeryConsentPrintout(),
        .openSearch = OpenSurgeryConsentSearch,
        .openExport = OpenSurgeryConsentExport,
        .preview = [](QWidget *card) { PreviewCertificate(card, SurgeryConsentType()); },
        .print = [](QWidget *card) { PrintCertificate(card, SurgeryConsentType()); },
    };
    return type;
}
