#include "dialogs/NumerazioneDoc.h"
#include "common/ui/WindowBuild.h"
#include "common/ui/Look.h"

#include "common/Messages.h"
#include "common/Guard.h"
#include "common/Dates.h"
#include "common/Decimal.h"
#include "common/ui/EditRules.h"
#include "common/IniFile.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/ui/Widgets.h"
#include "dialogs/DialogPictures.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <exception>
#include <memory>
#include <optional>

WindowHandle<TfrmNumerazioneDoc> frmNumerazioneDoc;

namespace {

const QString StartKey = QStringLiteral("Inizio");

struct NumberingType {
    const char *tag;
    const char *section;
    const char *caption;
};

const NumberingType NumberingTypes[] = {
    {"certificato_sanitario", "Numerazione Certificati Sanitari", " Numerazione certificati sanitari"},
    {"certificato_vaccinazione", "Numerazione Certificati Vaccinazione", " Numerazione certificati vaccinazione"},
    {"certificato_movimento", "Numerazione Certificati Movimento", " Numerazione certificati movimento"},
    {"certificato_malattia", "Numerazione Certificati Malattia", " Numerazione certificati malattia"},
    {"certificato_decesso", "Numerazione Certificati Decesso", " Numerazione certificati decesso"},
    {"autorizzazione_eutanasia", "Numerazione Autorizzazioni Eutanasia", " Numerazione autorizzazioni eutanasia"},
    {"consenso_intervento", "Numerazione Consensi Interventi", " Numerazione consensi interventi"},
};

const NumberingType *numberingType(const QString &tag)
{
    const QString t = TrimText(tag);
    for (const NumberingType &type : NumberingTypes)
        if (t == QLatin1String(type.tag))
            return &type;
    return nullptr;
}

using Look::Pale;

const QString Paragraph1 = QStringLiteral(
    "Utilizzare la presente funzione se si vuole far partire la numerazione automatica dei documenti "
    "da un numero superiore a 1.");
const QString Paragraph2 = QStringLiteral(
    "Attenzione: per sfruttare la numerazione automatica bisogna premere il pulsante Nuovo prima di "
    "compilare il documento.");

} // namespace

QString NumberingStartByTag(const QString &tag)
{
    const NumberingType *type = numberingType(tag);
    return type ? QString::fromLatin1(type->section) : QString();
}

TfrmNumerazioneDoc::TfrmNumerazioneDoc(QWidget *parent) : QDialog(parent)
{
    BuildWhenNeeded(this, [this] {
        // FormCreate.
        setObjectName(QStringLiteral("frmNumerazioneDoc"));
        ApplyFormatSettings();
        setWindowTitle(QStringLiteral(" Numerazione"));
        MakeFixedWindow(this, 420, 307);
        SetGradientBackground(this, Pale, Qt::white);

        // The two bands: instructions above, the number below.
        auto *upper = new QFrame(this);
        upper->setGeometry(0, 0, 420, 140);
        SetGradientBackground(upper, Qt::white, Pale);
        auto *lower = new QFrame(this);
        lower->setGeometry(0, 140, 420, 110);
        SetGradientBackground(lower, Pale, Qt::white);

        imgLogo = MakeNamed<QLabel>(this, QStringLiteral("imgLogo"));
        imgLogo->setGeometry(10, 22, 72, 84);
        icoIstruzioni = MakeNamed<QLabel>(this, QStringLiteral("icoIstruzioni"));
        icoIstruzioni->setGeometry(92, 10, 318, 122);
        icoIstruzioni->setAccessibleDescription(Paragraph1 + QStringLiteral("\n") + Paragraph2);
        icoMano = MakeNamed<QLabel>(this, QStringLiteral("icoMano"));
        icoMano->setGeometry(14, 160, 68, 68);
        DrawOnFirstShow(this, [this] {
            imgLogo->setPixmap(DialogPictures::Documents(imgLogo->size()));
            icoIstruzioni->setPixmap(
                DialogPictures::NumberingInstructions(icoIstruzioni->size(), Paragraph1, Paragraph2));
            icoMano->setPixmap(DialogPictures::PointingHand(icoMano->size()));
        });

        grpNumerazione =
            MakeNamed<QGroupBox>(this, QStringLiteral("grpNumerazione"), QStringLiteral(" Inizia numerazione da: "));
        grpNumerazione->setGeometry(92, 148, 318, 94);
        txtInizio = MakeNamed<QLineEdit>(grpNumerazione, QStringLiteral("txtInizio"), QStringLiteral("1"));
        txtInizio->setGeometry(104, 36, 110, 34);
        txtInizio->setFont(Look::Verdana(12, true));
        txtInizio->setAlignment(Qt::AlignCenter);
        effInizio = AttachFieldHighlight(txtInizio, QStringLiteral("effInizio"));
        EditRules rules;
        rules.maxLength = 5;
        rules.digitsOnly = true;
        ApplyEditRules(txtInizio, rules);
        txtInizio->installEventFilter(this);

        btnAnnulla = MakeNamed<QPushButton>(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"));
        btnAnnulla->setGeometry(176, 262, 110, 34);
        btnApplica = MakeNamed<QPushButton>(this, QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"));
        btnApplica->setGeometry(296, 262, 114, 34);
        // Enter only moves the focus to "Applica e chiudi"; the dialog presses no button for it.
        EnterMovesTo(txtInizio, btnApplica);

        lblMemory = MakeNamed<QLabel>(this, QStringLiteral("lblMemory"));
        lblMemory->hide();

        connect(btnApplica, &QPushButton::clicked, this, &TfrmNumerazioneDoc::btnApplicaClick);
        connect(btnAnnulla, &QPushButton::clicked, this, &TfrmNumerazioneDoc::btnAnnullaClick);
    });
}

void TfrmNumerazioneDoc::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    CenterWindow(this, parentWidget());
    const QString section = settingsSection();
    if (!section.isEmpty())
        readSettings(IniFile(ProgramFile(SettingsFileName)), section);
    if (TrimText(txtInizio->text()).isEmpty())
        txtInizio->setText(QStringLiteral("1"));
    txtInizio->setFocus(Qt::OtherFocusReason);
}

bool TfrmNumerazioneDoc::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == txtInizio) {
        if (e->type() == QEvent::FocusOut) {
            txtInizioExit();
        }
    }
    return QDialog::eventFilter(watched, e);
}

void TfrmNumerazioneDoc::txtInizioExit()
{
    // A whole number, rounded; anything that is no number starts the numbering at 1.
    const QString text = TrimText(txtInizio->text());
    const std::optional<Decimal> value = text.isEmpty() ? std::nullopt : Decimal::parse(text);
    const QString normalised = value ? RoundDecimals(*value, 0).toFixedText(0) : QStringLiteral("1");
    if (normalised != txtInizio->text())
        txtInizio->setText(normalised);
}

void TfrmNumerazioneDoc::btnApplicaClick()
{
    const QString section = settingsSection();
    if (!section.isEmpty()) {
        // No guard of its own: a failed write reaches the error box and the dialog stays.
        if (!RunReportingErrors(
                [&] {
                    IniFile settings(ProgramFile(SettingsFileName));
                    writeSettings(settings, section);
                    settings.save();
                },
                SettingsWriteFailureMessage()))
            return;
    }
    accept();
}

QString TfrmNumerazioneDoc::settingsSection() const { return NumberingStartByTag(lblMemory->text()); }

void TfrmNumerazioneDoc::readSettings(const IniFile &settings, const QString &section)
{
    txtInizio->setText(settings.readString(section, StartKey));
}

void TfrmNumerazioneDoc::writeSettings(IniFile &settings, const QString &section) const
{
    settings.writeString(section, StartKey, TrimText(txtInizio->text()));
}

void TfrmNumerazioneDoc::btnAnnullaClick() { close(); }

void OpenNumberingDialog(QWidget *card, const QString &tag)
{
    OpenModal<TfrmNumerazioneDoc>(card, [&](TfrmNumerazioneDoc &dialog) {
        dialog.lblMemory->setText(tag);
        if (const NumberingType *type = numberingType(tag))
            dialog.setWindowTitle(QString::fromLatin1(type->caption));
    });
}
