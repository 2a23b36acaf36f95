#include "certificates/CertificatePrintout.h"
#include "certificates/CertificateRecord.h"
#include "certificates/ExpCertificati_Sanitari.h"
#include "certificates/TrovaCertificati_Sanitari.h"
#include "certificates/CertificateType.h"

namespace {

using In = CertificateInput;
using Cmd = CertificateEditCommand;
using Band = CertificateBandKind;

// Fields of the owner and the animal start right of the band's icon; a caption reaches 40 pixels
// past its edit, so the last edit of a row ends 40 pixels before the band's edge (992).
constexpr int L = 72;

} // namespace

const QList<HeaderKey> &CertificateBaseHeaderKeys()
{
    static const QList<HeaderKey> keys{{"Denominazione", "Studio"},
                       {"Rigo 2", "IntRigo02"},
                       {"Rigo 3", "IntRigo03"},
                       {"Rigo 4", "IntRigo04"},
                       {"Luogo", "Luogo"},
                       {"Veterinario", "Veterinario"}};
    return keys;
}

const QList<CertificateBand> &CertificateBaseBands()
{
    static const QList<CertificateBand> bands{
        {Band::Header, 60,
         {{"Studio", "Studio Veterinario:", L, 0, 220},
          {"IntRigo02", "Intestazione (rigo 2):", L + 228, 0, 224},
          {"IntRigo03", "Intestazione (rigo 3):", L + 460, 0, 224},
          {"IntRigo04", "Intestazione (rigo 4):", L + 692, 0, 188}}},
        {Band::Title, 34},
        {Band::Fields, 60,
         {{"Num", "Certificato n.", 16, 0, 180},
          {"Data", "Data emissione:", 204, 0, 130, In::Date},
          {"Luogo", "Luogo:", 342, 0, 300},
          {"Veterinario", "Veterinario:", 650, 0, 302}}},
        {Band::Owner, 112,
         {{"Proprietario", "Proprietario dell'animale:", L, 0, 260, In::Plain, Cmd::ImportOwner},
          {"Sesso", "Sesso:", L + 300, 0, 50, In::UpperCase},
          {"DataNasc", "Data di nascita:", L + 358, 0, 130},
          {"CodFisc", "Codice fiscale:", L + 496, 0, 190, In::TaxCode, Cmd::CheckTaxCode},
          {"ComuneNasc", "Comune di nascita:", L + 726, 0, 154},
          {"IndirizzoRes", "Indirizzo di residenza e numero civico:", L, 1, 300, In::Plain, Cmd::None,
           "txtindirizzoRes"},
          {"CapRes", "CAP:", L + 308, 1, 70},
          {"ComuneRes", "Comune di residenza:", L + 386, 1, 220},
          {"ProvRes", "Prov.", L + 614, 1, 50, In::UpperCase},
          {"Recapito", "Tel. preferenziale:", L + 672, 1, 208}}},
        {Band::Animal, 112,
         {{"NomeAni", "Nome dell'animale:", L, 0, 220, In::Plain, Cmd::ImportAnimal},
          {"SessoAni", "Sesso:", L + 260, 0, 50, In::UpperCase},
          {"DataNascAni", "Data di nascita:", L + 318, 0, 120},
          {"Specie", "Specie:", L + 446, 0, 150},
          {"Razza", "Razza:", L + 604, 0, 170},
          {"Taglia", "Taglia:", L + 782, 0, 98},
          {"Pelo", "Pelo:", L, 1, 130},
          {"Mantello", "Colore mantello:", L + 138, 1, 160},
          {"Microchip", "Codice microchip:", L + 306, 1, 180},
          {"Tatuaggio", "Tatuaggio:", L + 494, 1, 204},
          {"Segni", "Segni particolari:", L + 706, 1, 174}}},
    };
    return bands;
}

const QList<RequiredPhrase> &CertificateBaseRequired()
{
    static const QList<RequiredPhrase> phrases{{"Studio", QStringLiteral("la denominazione dello Studio Veterinario.")},
                     {"Num", QStringLiteral("il numero progressivo del certificato.")},
                     {"Data", QStringLiteral("la data di emissione del certificato.")},
                     {"Luogo", QStringLiteral("il luogo di emissione del certificato.")},
                     {"Veterinario", QStringLiteral("il nome del medico veterinario.")},
                     {"Proprietario", QStringLiteral("il nome del proprietario dell'animale.")},
                     {"CodFisc", QStringLiteral("il codice fiscale del proprietario dell'animale.")},
                     {"NomeAni", QStringLiteral("il nome dell'animale.")},
                     {"Razza", QStringLiteral("la razza dell'animale.")}};
    return phrases;
}

QString CertificateDateMessage()
{
    return QString::fromUtf8("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare il "
                                         "certificato è necessario indicare una data valida nel formato gg/mm/anno.");
}

const CertificateType &HealthCertificateType()
{
    static const CertificateType type{
        .contextTag = QStringLiteral("certificato_sanitario"),
        .menuTag = QStringLiteral("certificato_sanitario"),
        .objectName = QStringLiteral("frmCertificato_Sanitario"),
        .caption = QStringLiteral(" Tavoren - Certificato sanitario per animale da compagnia"),
        .archiveName = HealthCertificateArchiveName,
        .layout = &HealthCertificateLayout(),
        .headerKeys = CertificateBaseHeaderKeys(),
        .numberingSection = QStringLiteral("Numerazione Certificati Sanitari"),
        .bands = QList<CertificateBand>(CertificateBaseBands()) << CertificateBand{Band::Declaration, 84},
        .title = QStringLiteral("CERTIFICATO SANITARIO PER ANIMALE DA COMPAGNIA - HEALTH CERTIFICATE FOR PET ANIMAL"),
        .declaration = QStringLiteral("Il Veterinario certifica che l'animale non presenta segni clinici di malattie "
                                      "infettive proprie della specie e/o trasmissibili agli uomini."),
        .declarationEnglish = QStringLiteral("The Veterinarian certifies that the animal does not show any clinical "
                                             "sign of infectious and diffusive disease proper of the species and/or "
                                             "transmissible to humans."),
        .required = CertificateBaseRequired(),
        .dateMessage = CertificateDateMessage(),
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
