#include "certificates/Autorizzazione_Eutanasia.h"

#include "certificates/CertificatePrintout.h"
#include "certificates/CertificateRecord.h"
#include "certificates/ExpAutorizzazioni_Eutanasia.h"
#include "certificates/TrovaAutorizzazioni_Eutanasia.h"

WindowHandle<TfrmAutorizzazione_Eutanasia> frmAutorizzazione_Eutanasia;

QString DefaultDisposalText()
{
    return QString::fromUtf8("Il corpo dell'animale sarà consegnato a un centro di cremazione per essere incenerito.");
}

const CertificateType &EuthanasiaAuthorizationType()
{
    // The health card's bands and values under "Autorizzazione n."; the disposal edit above the
    // declaration, which the owner signs.
    static const CertificateType type{
        .contextTag = QStringLiteral("autorizzazione_eutanasia"),
        .menuTag = QStringLiteral("autorizzazione_eutanasia"),
        .objectName = QStringLiteral("frmAutorizzazione_Eutanasia"),
        .caption = QStringLiteral(" Tavoren - Autorizzazione all'eutanasia"),
        .archiveName = EuthanasiaAuthorizationArchiveName,
        .layout = &EuthanasiaAuthorizationLayout(),
        .headerKeys = PracticeHeaderKeys(),
        .numberingSection = QStringLiteral("Numerazione Autorizzazioni Eutanasia"),
        .bands = {PracticeHeaderBand(),
                  {CertificateBandKind::Title, 34},
                  IssueBand("Autorizzazione n."),
                  OwnerBand(),
                  AnimalBand(),
                  {CertificateBandKind::Declaration, 112, {CaptionNumbered({"Smaltimento", "Smaltimento salma animale:", 16, 0, 930}, 30)}}},
        .title = QStringLiteral("AUTORIZZAZIONE ALL'EUTANASIA"),
        .declaration = QStringLiteral(
            "Il proprietario autorizza il Veterinario a eseguire l'eutanasia preceduta da anestesia generale."),
        .declarationEnglish = QString(),
        .signature = QStringLiteral("FIRMA DEL PROPRIETARIO"),
        .signatureEnglish = QString(),
        .required = PracticeRequired(QStringLiteral("autorizzazione")),
        .dateMessage = InvalidDateMessage(QStringLiteral("autorizzazione")),
        .clearValues = {{"Smaltimento", DefaultDisposalText()}},
        .clearFocus = "Proprietario",
        .search = EuthanasiaAuthorizationSearch(),
        .exportWindow = EuthanasiaAuthorizationExport(),
        .printName = QStringLiteral("Autorizzazione Eutanasia"),
        .printout = EuthanasiaAuthorizationPrintout(),
        .openSearch = OpenEuthanasiaAuthorizationSearch,
        .openExport = OpenEuthanasiaAuthorizationExport,
        .preview = [](QWidget *card) { PreviewCertificate(card, EuthanasiaAuthorizationType()); },
        .print = [](QWidget *card) { PrintCertificate(card, EuthanasiaAuthorizationType()); },
    };
    return type;
}

TfrmAutorizzazione_Eutanasia::TfrmAutorizzazione_Eutanasia(QWidget *parent)
    : CertificateCard(EuthanasiaAuthorizationType(), parent)
{
}
