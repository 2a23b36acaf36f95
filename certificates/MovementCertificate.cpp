#include "certificates/CertificatePictures.h"
#include "certificates/CertificatePrintout.h"
#include "certificates/CertificateRecord.h"
#include "certificates/CertificateType.h"
#include "certificates/ExpCertificati_Movimento.h"
#include "certificates/TrovaCertificati_Movimento.h"

namespace {

using In = CertificateInput;
using Cmd = CertificateEditCommand;
using Band = CertificateBandKind;

// Fields of the animal band start right of its icon.
constexpr int L = 72;

} // namespace

const CertificateType &MovementCertificateType()
{
    // Its own twelve-field record: no practice header, one owner field, the animal's identity, and
    // the addresses of origin and destination. Only the place and the veterinarian ("Qualifica",
    // this card's own key) are kept in the settings.
    static const CertificateType type{
        .contextTag = QStringLiteral("certificato_movimento"),
        .menuTag = QStringLiteral("consenso_privacy"),
        .objectName = QStringLiteral("frmConsenso_Privacy"),
        .caption = QStringLiteral(" Tavoren - Certificato sanitario per il movimento non commerciale da Paesi Terzi "
                                  "verso l'Italia di animali da compagnia"),
        .archiveName = MovementCertificateArchiveName,
        .layout = &MovementCertificateLayout(),
        .headerKeys = {{"Luogo", "Luogo"}, {"Qualifica", "Veterinario"}},
        .numberingSection = QStringLiteral("Numerazione Certificati Movimento"),
        .bands =
            {
                {Band::Title, 34},
                {Band::Fields,
                 60,
                 {Centred({"Num", "Certificato n.", 16, 0, 164}),
                  Centred({"Data", "Data emissione:", 188, 0, 126, In::Date}),
                  {"Luogo", "Luogo:", 322, 0, 336},
                  {"Veterinario", "Veterinario (nome e qualifica):", 666, 0, 282, In::UpperCaseKeepBlanks}}},
                {Band::Animal,
                 112,
                 {{"NomeAni", "Identificazione dell'animale:", L, 0, 376, In::Plain, Cmd::ImportAnimal},
                  {"SessoAni", "Sesso:", L + 414, 0, 134},
                  Centred({"DataNascAni", "Data di nascita:", L + 556, 0, 132}),
                  {"Specie", "Specie:", L + 696, 0, 182},
                  {"Cites", "Certificato Cites n. (qualora necessario):", L, 1, 344},
                  {"Proprietario", "Proprietario dell'animale:", L + 352, 1, 490, In::Plain, Cmd::ImportOwner}}},
                {Band::Fields,
                 60,
                 {{"Origine", "Indirizzo dell'origine:", 16, 0, 460},
                  {"Destinazione", "Indirizzo di destinazione:", 492, 0, 460}}},
                {Band::Declaration, 200},
            },
        .title = QStringLiteral("CERTIFICATO SANITARIO PER IL MOVIMENTO NON COMMERCIALE DA PAESI TERZI VERSO "
                                "L'ITALIA DI ANIMALI DA COMPAGNIA"),
        // The heading and the three statements, each Italian line with its English one under it.
        .declaration = QStringLiteral("Il Veterinario certifica che:\n"
                                      "a) l'animale non presenta segni clinici di malattie infettive e diffusive;\n"
                                      "b) è idoneo ad essere trasportato fino alla destinazione finale;\n"
                                      "c) non proviene da zone soggette a restrizioni di polizia veterinaria."),
        .declarationEnglish = QStringLiteral("The Veterinarian certifies that:\n"
                                             "a) the animal shows no clinical sign of infectious and diffusive "
                                             "diseases;\n"
                                             "b) it is fit to be transported to its final destination;\n"
                                             "c) it does not come from areas subject to animal-health restrictions."),
        .photoName = "icoGabbia",
        .photo = DogInCarPicture,
        .required = {{"Num", QStringLiteral("il numero progressivo del certificato.")},
                     {"Data", QStringLiteral("la data di emissione del certificato.")},
                     {"Luogo", QStringLiteral("il luogo di emissione del certificato.")},
                     {"Veterinario", QStringLiteral("il nome e la qualifica del medico veterinario.")},
                     {"NomeAni", QStringLiteral("i dati identificativi dell'animale.")},
                     {"Proprietario", QStringLiteral("i dati identificativi del proprietario dell'animale.")}},
        .dateMessage = InvalidDateMessage(QStringLiteral("certificato")),
        .clearFocus = "NomeAni",
        .search = MovementCertificateSearch(),
        .exportWindow = MovementCertificateExport(),
        .printName = QStringLiteral("Certificato Movimento Animale"),
        .printout = MovementCertificatePrintout(),
        .openSearch = OpenMovementCertificateSearch,
        .openExport = OpenMovementCertificateExport,
        .preview = [](QWidget *card) { PreviewCertificate(card, MovementCertificateType()); },
        .print = [](QWidget *card) { PrintCertificate(card, MovementCertificateType()); },
    };
    return type;
}
