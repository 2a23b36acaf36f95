#include "certificates/Autorizzazione_Eutanasia.h"

#include "certificates/CertificatePictures.h"
#include "certificates/CertificatePrintout.h"
#include "certificates/CertificateRecord.h"
#include "certificates/ExpAutorizzazioni_Eutanasia.h"
#include "certificates/TrovaAutorizzazioni_Eutanasia.h"
#include "common/ui/CardPanel.h"

TfrmAutorizzazione_Eutanasia *frmAutorizzazione_Eutanasia = nullptr;

namespace {

constexpr int BandWidth = 992;
constexpr int Signature = 240;

// Below the disposal edit: the declaration at the left and the owner's signature box at the right.
void makeDeclaration(QWidget *band)
{
    const int top = 60;
    MakeDrawnPicture(band, QStringLiteral("imgDichiarazione"), QRect(12, top, BandWidth - Signature - 36, band->height() - top - 4),
                     [](QSize size) { return DeclarationPicture(EuthanasiaAuthorizationType().declaration, QString(), size); });
    MakeDrawnPicture(band, QStringLiteral("imgFirma"),
                     QRect(BandWidth - Signature - 12, top, Signature, band->height() - top - 4), [](QSize size) {
                         return SignaturePicture(size, QStringLiteral("\u2712  FIRMA DEL PROPRIETARIO"), QString());
                     });
}

CertificateBand disposalBand()
{
    CertificateBand band{CertificateBandKind::Own, 112};
    band.edits = {{"Smaltimento", "Smaltimento salma animale:", 16, 0, 930}};
    return band;
}

} // namespace

QString DefaultDisposalText()
{
    return QString::fromUtf8("Il corpo dell'animale sarà consegnato a un centro di cremazione per essere incenerito.");
}

const CertificateType &EuthanasiaAuthorizationType()
{
    static const CertificateType type = [] {
        CertificateType t = HealthCertificateType();
        t.contextTag = t.menuTag = QStringLiteral("autorizzazione_eutanasia");
        t.objectName = QStringLiteral("frmAutorizzazione_Eutanasia");
        t.caption = QStringLiteral(" Tavoren - Autorizzazione all'eutanasia");
        t.archiveName = EuthanasiaAuthorizationArchiveName;
        t.layout = &EuthanasiaAuthorizationLayout();
        t.numberingSection = QStringLiteral("Numerazione Autorizzazioni Eutanasia");
        for (CertificateBand &band : t.bands)
            for (CertificateEdit &edit : band.edits)
                if (QByteArray(edit.field) == "Num")
                    edit.caption = "Autorizzazione n.";
        t.bands.removeLast();
        t.bands.append(disposalBand());
        t.title = QStringLiteral("AUTORIZZAZIONE ALL'EUTANASIA");
        t.declaration = QStringLiteral(
            "Il proprietario autorizza il Veterinario a eseguire l'eutanasia preceduta da anestesia generale.");
        t.declarationEnglish.clear();
        for (RequiredPhrase &r : t.required) {
            r.phrase.replace(QStringLiteral("del certificato."), QStringLiteral("dell'autorizzazione."));
        }
        t.dateMessage.replace(QStringLiteral("il certificato"), QStringLiteral("l'autorizzazione"));
        t.clearValues = {{"Smaltimento", DefaultDisposalText()}};
        t.search = EuthanasiaAuthorizationSearch();
        t.exportWindow = EuthanasiaAuthorizationExport();
        t.printName = QStringLiteral("Autorizzazione Eutanasia");
        t.printout = EuthanasiaAuthorizationPrintout();
        t.ownControls = makeDeclaration;
        t.openSearch = OpenEuthanasiaAuthorizationSearch;
        t.openExport = OpenEuthanasiaAuthorizationExport;
        t.preview = [](QWidget *card) { PreviewCertificate(card, EuthanasiaAuthorizationType()); };
        t.print = [](QWidget *card) { PrintCertificate(card, EuthanasiaAuthorizationType()); };
        return t;
    }();
    return type;
}

TfrmAutorizzazione_Eutanasia::TfrmAutorizzazione_Eutanasia(QWidget *parent)
    : CertificateCard(EuthanasiaAuthorizationType(), parent)
{
}
