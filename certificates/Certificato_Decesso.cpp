#include "certificates/Certificato_Decesso.h"
#include "common/ui/WindowBuild.h"

#include "certificates/CertificatePictures.h"
#include "certificates/CertificatePrintout.h"
#include "certificates/CertificateRecord.h"
#include "certificates/ExpCertificati_Decesso.h"
#include "certificates/TrovaCertificati_Decesso.h"
#include "common/ui/CardPanel.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

WindowHandle<TfrmCertificato_Decesso> frmCertificato_Decesso;

namespace {

constexpr int ChoiceLeft = 600;

QRadioButton *radio(QWidget *card, const char *name)
{
    return card->findChild<QRadioButton *>(QString::fromLatin1(name));
}

// The choice at the right of the band: its heading, the two buttons with their clickable
// captions, and the signature box; the beige panel of the date and cause at the left.
void makeChoice(QWidget *band)
{
    // The date of death stands out: centred and bold.
    if (auto *date = band->findChild<QLineEdit *>(QStringLiteral("txtDataDecesso"))) {
        date->setAlignment(Qt::AlignCenter);
        QFont bold = date->font();
        bold.setBold(true);
        date->setFont(bold);
    }
    auto *panel = MakeNamed<QFrame>(band, QStringLiteral("shpEutanasia"));
    panel->setGeometry(6, 4, ChoiceLeft - 18, band->height() - 8);
    panel->setStyleSheet(QStringLiteral("background: #f5f5dc; border-radius: 6px;"));
    panel->lower();
    auto *separator = MakeNamed<QFrame>(band, QStringLiteral("linSepara"));
    separator->setGeometry(12, 53, ChoiceLeft - 30, 1);
    separator->setStyleSheet(QStringLiteral("background: white;"));

    const auto words = [band](const char *name, const QString &text, QRect place, bool bold) {
        auto *l = MakeNamed<QLabel>(band, QString::fromLatin1(name), text);
        l->setFont(Look::TahomaPixels(13, bold));
        l->setStyleSheet(QStringLiteral("color: %1;").arg(Look::Css(Look::Navy)));
        l->setGeometry(place);
        return l;
    };
    words("icoDichiarazione", DeathCertificateType().declaration, QRect(ChoiceLeft, 4, 380, 20), true);
    const struct {
        const char *button;
        const char *caption;
        const char *words;
        int top;
    } choices[] = {
        {"radMorte", "icoMorte", "è deceduto per cause diverse dall'eutanasia.", 28},
        {"radEutanasia", "icoEutanasia", "è stato sottoposto a eutanasia per grave malattia.", 52},
    };
    QRadioButton *buttons[2];
    for (int i = 0; i < 2; ++i) {
        // Not exclusive by Qt's rule, so that a record may leave both unchecked; checking one
        // unchecks the other.
        auto *b = MakeNamed<QRadioButton>(band, QString::fromLatin1(choices[i].button));
        b->setAutoExclusive(false);
        b->setGeometry(ChoiceLeft, choices[i].top, 20, 20);
        buttons[i] = b;
        auto *caption = new ClickLabel(band, QString::fromLatin1(choices[i].caption));
        caption->setText(QString::fromUtf8(choices[i].words));
        caption->setFont(Look::TahomaPixels(13));
        caption->setStyleSheet(QStringLiteral("color: %1;").arg(Look::Css(Look::Navy)));
        caption->setCursor(Qt::PointingHandCursor);
        caption->setGeometry(ChoiceLeft + 24, choices[i].top, 360, 20);
        QObject::connect(caption, &ClickLabel::clicked, b, [b] { b->setChecked(true); });
    }
    for (int i = 0; i < 2; ++i)
        QObject::connect(buttons[i], &QRadioButton::toggled, buttons[1 - i], [other = buttons[1 - i]](bool on) {
            if (on)
                other->setChecked(false);
        });
    MakeDrawnPicture(band, QStringLiteral("icoFirma"), QRect(ChoiceLeft, 80, 240, band->height() - 84), [](QSize size) {
        const CertificateType &t = DeathCertificateType();
        return SignaturePicture(t.signature, t.signatureEnglish, size);
    });

    // The buttons follow the cause in the tab order, outside the Enter chain.
    if (auto *cause = band->findChild<QLineEdit *>(QStringLiteral("txtCausaDecesso"))) {
        QWidget::setTabOrder(cause, buttons[0]);
        QWidget::setTabOrder(buttons[0], buttons[1]);
    }
}

// Sets the choice from one record: euthanasia when its flag says so, else death when that flag
// does, else neither. Nothing of the card before decides it.
void showChoice(QWidget *card, const Record &record)
{
    const QString yes = YesNoFlag(true);
    const bool euthanasia = record.text("Eutanasia") == yes;
    const bool death = !euthanasia && record.text("Morte") == yes;
    radio(card, "radMorte")->setChecked(false);
    radio(card, "radEutanasia")->setChecked(false);
    radio(card, "radMorte")->setChecked(death);
    radio(card, "radEutanasia")->setChecked(euthanasia);
}

CertificateBand deathBand()
{
    CertificateBand band{CertificateBandKind::Own, 112};
    band.edits = {CaptionNumbered(Centred({"DataDecesso", "Data decesso / Data eutanasia:", 16, 0, 130}), 30),
                  CaptionNumbered({"CausaDecesso", "Causa decesso / Eutanasia per la seguente grave malattia:", 16, 1, 540},
                                  31)};
    return band;
}

} // namespace

const CertificateType &DeathCertificateType()
{
    // The health card's bands and values; the date and cause of death and the choice in place of
    // its declaration.
    static const CertificateType type{
        .contextTag = QStringLiteral("certificato_decesso"),
        .menuTag = QStringLiteral("certificato_decesso"),
        .objectName = QStringLiteral("frmCertificato_Decesso"),
        .caption = QStringLiteral(" Tavoren - Certificato di decesso per animale da compagnia"),
        .archiveName = DeathCertificateArchiveName,
        .layout = &DeathCertificateLayout(),
        .headerKeys = PracticeHeaderKeys(),
        .numberingSection = QStringLiteral("Numerazione Certificati Decesso"),
        .bands = {PracticeHeaderBand(), {CertificateBandKind::Title, 34}, IssueBand("Certificato n."), OwnerBand(),
                  AnimalBand(), deathBand()},
        .title = QStringLiteral("CERTIFICATO DI DECESSO PER ANIMALE DA COMPAGNIA"),
        .declaration = QStringLiteral("Il Veterinario certifica che l'animale:"),
        .declarationEnglish = QString(),
        .signature = QStringLiteral("FIRMA DEL VETERINARIO:"),
        .signatureEnglish = QString(),
        .required = PracticeRequired(QStringLiteral("certificato")),
        .dateMessage = InvalidDateMessage(QStringLiteral("certificato")),
        .clearFocus = "Proprietario",
        .search = DeathCertificateSearch(),
        .exportWindow = DeathCertificateExport(),
        .printName = QStringLiteral("Certificato Decesso"),
        .printout = DeathCertificatePrintout(),
        .openSearch = OpenDeathCertificateSearch,
        .openExport = OpenDeathCertificateExport,
        .preview = [](QWidget *card) { PreviewCertificate(card, DeathCertificateType()); },
        .print = [](QWidget *card) { PrintCertificate(card, DeathCertificateType()); },
        .ownControls = makeChoice,
        .ownClear =
            [](QWidget *card) {
                radio(card, "radEutanasia")->setChecked(false);
                radio(card, "radMorte")->setChecked(true);
            },
        .ownShow = showChoice,
    };
    return type;
}

TfrmCertificato_Decesso::TfrmCertificato_Decesso(QWidget *parent) : CertificateCard(DeathCertificateType(), parent)
{
    BuildWhenNeeded(this, [this] {
        radMorte = radio(this, "radMorte");
        radEutanasia = radio(this, "radEutanasia");
        icoMorte = findChild<ClickLabel *>(QStringLiteral("icoMorte"));
        icoEutanasia = findChild<ClickLabel *>(QStringLiteral("icoEutanasia"));
        radMorte->setChecked(true);
    });
}
