#include "certificates/CertificateType.h"

QString CertificateEditName(const CertificateEdit &edit)
{
    return edit.control ? QString::fromLatin1(edit.control) : QStringLiteral("txt") + QLatin1String(edit.field);
}

CertificateEdit Centred(CertificateEdit edit)
{
    edit.alignment = Qt::AlignCenter;
    return edit;
}

CertificateEdit CaptionNumbered(CertificateEdit edit, int number)
{
    edit.captionName = QStringLiteral("lblCampo%1").arg(number, 3, 10, QLatin1Char('0'));
    return edit;
}

namespace {

using In = CertificateInput;
using Cmd = CertificateEditCommand;
using Band = CertificateBandKind;

// Fields of the owner and the animal start right of the band's icon; a caption reaches 40 pixels
// past its edit, so the last edit of a row ends 40 pixels before the band's edge (992).
constexpr int L = 72;

} // namespace

QList<HeaderKey> PracticeHeaderKeys()
{
    return {{"Denominazione", "Studio"}, {"Rigo 2", "IntRigo02"}, {"Rigo 3", "IntRigo03"},
            {"Rigo 4", "IntRigo04"},     {"Luogo", "Luogo"},      {"Veterinario", "Veterinario"}};
}

CertificateBand PracticeHeaderBand()
{
    return {Band::Header, 60,
            {{"Studio", "Studio Veterinario:", L, 0, 220},
             {"IntRigo02", "Intestazione (rigo 2):", L + 228, 0, 224},
             {"IntRigo03", "Intestazione (rigo 3):", L + 460, 0, 224},
             {"IntRigo04", "Intestazione (rigo 4):", L + 692, 0, 188}}};
}

CertificateBand IssueBand(const char *numberCaption)
{
    return {Band::Fields, 60,
            {CaptionNumbered(Centred({"Num", numberCaption, 16, 0, 180}), 8),
             Centred({"Data", "Data emissione:", 204, 0, 130, In::Date}),
             {"Luogo", "Luogo:", 342, 0, 300},
             {"Veterinario", "Veterinario:", 650, 0, 302}}};
}

CertificateBand OwnerBand()
{
    return {Band::Owner, 112,
            {{"Proprietario", "Proprietario dell'animale:", L, 0, 260, In::Plain, Cmd::ImportOwner},
             Centred({"Sesso", "Sesso:", L + 300, 0, 50, In::UpperCase}),
             Centred({"DataNasc", "Data di nascita:", L + 358, 0, 130}),
             {"CodFisc", "Codice fiscale:", L + 496, 0, 190, In::TaxCode, Cmd::CheckTaxCode},
             {"ComuneNasc", "Comune di nascita:", L + 726, 0, 154},
             {"IndirizzoRes", "Indirizzo di residenza e numero civico:", L, 1, 300, In::Plain, Cmd::None,
              "txtindirizzoRes"},
             {"CapRes", "CAP:", L + 308, 1, 70},
             {"ComuneRes", "Comune di residenza:", L + 386, 1, 220},
             {"ProvRes", "Prov.", L + 614, 1, 50, In::UpperCase},
             {"Recapito", "Tel. preferenziale:", L + 672, 1, 208}}};
}

CertificateBand AnimalBand()
{
    return {Band::Animal, 112,
            {{"NomeAni", "Nome dell'animale:", L, 0, 220, In::Plain, Cmd::ImportAnimal},
             Centred({"SessoAni", "Sesso:", L + 260, 0, 50, In::UpperCase}),
             Centred({"DataNascAni", "Data di nascita:", L + 318, 0, 120}),
             {"Specie", "Specie:", L + 446, 0, 150},
             {"Razza", "Razza:", L + 604, 0, 170},
             {"Taglia", "Taglia:", L + 782, 0, 98},
             {"Pelo", "Pelo:", L, 1, 130},
             {"Mantello", "Colore mantello:", L + 138, 1, 160},
             {"Microchip", "Codice microchip:", L + 306, 1, 180},
             {"Tatuaggio", "Tatuaggio:", L + 494, 1, 204},
             {"Segni", "Segni particolari:", L + 706, 1, 174}}};
}

namespace {

// The document's noun after "del" or "il", elided before a vowel as Italian writes it
// ("dell'autorizzazione", "l'autorizzazione").
bool elided(const QString &document)
{
    return !document.isEmpty() && QStringLiteral("aeiou").contains(document.front().toLower());
}

QString ofThe(const QString &document)
{
    return (elided(document) ? QStringLiteral("dell'") : QStringLiteral("del ")) + document;
}

QString the(const QString &document)
{
    return (elided(document) ? QStringLiteral("l'") : QStringLiteral("il ")) + document;
}

} // namespace

QList<RequiredPhrase> PracticeRequired(const QString &document)
{
    return {{"Studio", QStringLiteral("la denominazione dello Studio Veterinario.")},
            {"Num", QStringLiteral("il numero progressivo %1.").arg(ofThe(document))},
            {"Data", QStringLiteral("la data di emissione %1.").arg(ofThe(document))},
            {"Luogo", QStringLiteral("il luogo di emissione %1.").arg(ofThe(document))},
            {"Veterinario", QStringLiteral("il nome del medico veterinario.")},
            {"Proprietario", QStringLiteral("il nome del proprietario dell'animale.")},
            {"CodFisc", QStringLiteral("il codice fiscale del proprietario dell'animale.")},
            {"NomeAni", QStringLiteral("il nome dell'animale.")},
            {"Razza", QStringLiteral("la razza dell'animale.")}};
}

QString InvalidDateMessage(const QString &document)
{
    return QString::fromUtf8("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare %1 è necessario "
                             "indicare una data valida nel formato gg/mm/anno.")
        .arg(the(document));
}
