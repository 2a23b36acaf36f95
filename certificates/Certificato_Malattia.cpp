#include "certificates/Certificato_Malattia.h"

#include "certificates/CertificatePrintout.h"
#include "certificates/CertificateRecord.h"
#include "certificates/ExpCertificati_Malattia.h"
#include "certificates/TrovaCertificati_Malattia.h"

WindowHandle<TfrmCertificato_Malattia> frmCertificato_Malattia;

namespace {

// The fifteen findings stand in three rows of five, each caption above its edit; the diagnosis
// is written in brown.
CertificateBand clinicalBand()
{
    static const char *const fields[15][2] = {
        {"Condizioni", "Condizioni generali:"},
        {"Temperatura", "Temperatura corporea:"},
        {"AppMus", "Apparato muscolo-scheletrico:"},
        {"AppRes", "Apparato respiratorio:"},
        {"AppGen", "Apparato genito-urinario:"},
        {"AppCar", "Apparato cardio-circolatorio:"},
        {"AppDig", "Apparato digerente:"},
        {"Sistema", "Sistema nervoso:"},
        {"Linfonodi", "Linfonodi esplorabili:"},
        {"Cute", "Cute e annessi:"},
        {"Mucose", "Mucose apparenti:"},
        {"Occhi", "Occhi:"},
        {"Orecchie", "Orecchie:"},
        {"Denti", "Denti:"},
        {"Diagnosi", "Diagnosi:"},
    };
    constexpr int Left = 16;
    constexpr int Pitch = 194;
    constexpr int Width = 154;
    CertificateBand band{CertificateBandKind::Fields, 164};
    for (int i = 0; i < 15; ++i)
        band.edits.append(CaptionNumbered({fields[i][0], fields[i][1], Left + (i % 5) * Pitch, i / 5, Width}, 30 + i));
    band.edits.last().colour = QColor(0xa5, 0x2a, 0x2a);
    return band;
}

} // namespace

const CertificateType &SicknessCertificateType()
{
    // The health card's bands and values, the fifteen findings in place of its declaration.
    static const CertificateType type{
        .contextTag = QStringLiteral("certificato_malattia"),
        .menuTag = QStringLiteral("certificato_malattia"),
        .objectName = QStringLiteral("frmCertificato_Malattia"),
        .caption = QStringLiteral(" Tavoren - Certificato di malattia per animale da compagnia"),
        .archiveName = SicknessCertificateArchiveName,
        .layout = &SicknessCertificateLayout(),
        .headerKeys = PracticeHeaderKeys(),
        .numberingSection = QStringLiteral("Numerazione Certificati Malattia"),
        .bands = {PracticeHeaderBand(), {CertificateBandKind::Title, 34}, IssueBand("Certificato n."), OwnerBand(),
                  AnimalBand(), clinicalBand()},
        .title = QStringLiteral("CERTIFICATO DI MALATTIA PER ANIMALE DA COMPAGNIA"),
        .declaration = QString(),  // no declaration and no signature box
        .declarationEnglish = QString(),
        .required = PracticeRequired(QStringLiteral("certificato")),
        .dateMessage = InvalidDateMessage(QStringLiteral("certificato")),
        .clearFocus = "Proprietario",
        .search = SicknessCertificateSearch(),
        .exportWindow = SicknessCertificateExport(),
        .printName = QStringLiteral("Certificato Malattia"),
        .printout = SicknessCertificatePrintout(),
        .openSearch = OpenSicknessCertificateSearch,
        .openExport = OpenSicknessCertificateExport,
        .preview = [](QWidget *card) { PreviewCertificate(card, SicknessCertificateType()); },
        .print = [](QWidget *card) { PrintCertificate(card, SicknessCertificateType()); },
    };
    return type;
}

TfrmCertificato_Malattia::TfrmCertificato_Malattia(QWidget *parent)
    : CertificateCard(SicknessCertificateType(), parent)
{
}
