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
                // The consent's section: the procedure and the further treatments side by side, and
                // under them the declaration and the owner's signature.
                {Band::Declaration, 120,
                 {{"Intervento", "Intervento chirurgico:", 16, 0, 460},
                  {"Trattamenti", "Ulteriori trattamenti:", 492, 0, 460}}},
            },
        .title = QStringLiteral("CONSENSO INFORMATO ALL'ANESTESIA E ALL'INTERVENTO CHIRURGICO"),
        .declaration = QStringLiteral("Il proprietario autorizza l'intervento chirurgico in anestesia generale e "
                                      "ulteriori trattamenti terapeutici."),
        .declarationEnglish = QString(),
        .signature = QStringLiteral("FIRMA DEL PROPRIETARIO"),
        .signatureEnglish = QString(),
        .required = PracticeRequired(QStringLiteral("consenso all'intervento chirurgico")),
        .dateMessage = InvalidDateMessage(QStringLiteral("consenso all'intervento chirurgico")),
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
