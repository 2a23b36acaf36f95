#include "certificates/CertificatePrintout.h"
#include "certificates/CertificateRecord.h"
#include "certificates/ExpCertificati_Sanitari.h"
#include "certificates/TrovaCertificati_Sanitari.h"
#include "certificates/CertificateType.h"

namespace {

using Band = CertificateBandKind;

} // namespace

const CertificateType &HealthCertificateType()
{
    static const CertificateType type{
        .contextTag = QStringLiteral("certificato_sanitario"),
        .menuTag = QStringLiteral("certificato_sanitario"),
        .objectName = QStringLiteral("frmCertificato_Sanitario"),
        .caption = QStringLiteral(" Tavoren - Certificato sanitario per animale da compagnia"),
        .archiveName = HealthCertificateArchiveName,
        .layout = &HealthCertificateLayout(),
        .headerKeys = PracticeHeaderKeys(),
        .numberingSection = QStringLiteral("Numerazione Certificati Sanitari"),
        .bands =
            {
                PracticeHeaderBand(),
                {Band::Title, 34},
                IssueBand("Certificato n."),
                OwnerBand(),
                AnimalBand(),
                {Band::Declaration, 84},
            },
        .title = QStringLiteral("CERTIFICATO SANITARIO PER ANIMALE DA COMPAGNIA - HEALTH CERTIFICATE FOR PET ANIMAL"),
        .declaration = QStringLiteral("Il Veterinario certifica che l'animale non presenta segni clinici di malattie "
                                      "infettive proprie della specie e/o trasmissibili agli uomini."),
        .declarationEnglish = QStringLiteral("The Veterinarian certifies that the animal does not show any clinical "
                                             "sign of infectious and diffusive disease proper of the species and/or "
                                             "transmissible to humans."),
        .required = PracticeRequired(QStringLiteral("certificato")),
        .dateMessage = InvalidDateMessage(QStringLiteral("certificato")),
        .clearFocus = "Proprietario",
        .search = HealthCertificateSearch(),
        .exportWindow = HealthCertificateExport(),
        .printName = QStringLiteral("Certificato Sanitario"),
        .printout = HealthCertificatePrintout(),
        .openSearch = OpenHealthCertificateSearch,
        .openExport = OpenHealthCertificateExport,
        .preview = [](QWidget *card) { PreviewCertificate(card, HealthCertificateType()); },
        .print = [](QWidget *card) { PrintCertificate(card, HealthCertificateType()); },
    };
    return type;
}
