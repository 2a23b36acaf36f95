#include "owners/Privacy.h"
#include "common/ui/WindowBuild.h"

#include "common/Cp1252.h"
#include "common/Guard.h"
#include "common/IniFile.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/Rtf.h"
#include "common/Text.h"
#include "common/WholeFileExport.h"
#include "common/ui/CardPanel.h"
#include "common/ui/CodeCombo.h"
#include "common/ui/FieldTable.h"
#include "common/ui/Look.h"
#include "common/ui/RecordCard.h"
#include "common/ui/Widgets.h"
#include "owners/OwnerRecord.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <exception>

WindowHandle<TfrmPrivacy> frmPrivacy;

namespace {

const QString Section = QStringLiteral("Modulo Privacy");
const QString DocumentName = QStringLiteral("Modulo_Privacy.rtf");

constexpr int WindowWidth = 760;
constexpr int WindowHeight = 582;
constexpr int PanelLeft = 12;
constexpr int PanelWidth = WindowWidth - 2 * PanelLeft;
constexpr int PanelGap = 10;

const FieldGrid Grid{.rowPitch = 58, .captionTop = 8, .editTop = 26, .editHeight = 28,
                     .editFont = Look::VerdanaPixels(13, true)};

// A white section under the previous one (or at the top), `rows` rows of the grid high.
QFrame *makeSection(QWidget *window, const QString &name, const QWidget *above, int rows)
{
    QFrame *f = MakeRoundedPanel(window, name, Qt::white);
    const int top = above ? above->geometry().bottom() + 1 + PanelGap : 12;
    f->setGeometry(PanelLeft, top, PanelWidth, rows * Grid.rowPitch + 10);
    return f;
}

// The trimmed text of an edit or of an editable combo box.
QString fieldText(const QWidget *field) { return TrimText(ControlText(field)); }

} // namespace

TfrmPrivacy::TfrmPrivacy(QWidget *parent) : QDialog(parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmPrivacy"));
        setWindowTitle(QStringLiteral(" Esporta e stampa Modulo Privacy"));
        MakeFixedWindow(this, WindowWidth, WindowHeight);
        SetGradientBackground(this, Look::WindowTop, Qt::white);

        QFrame *studio = makeSection(this, QStringLiteral("shpStudio"), nullptr, 3);
        QFrame *client = makeSection(this, QStringLiteral("shpCliente"), studio, 4);
        QFrame *signature = makeSection(this, QStringLiteral("shpFirma"), client, 1);
        const EditRules upper{.typing = EditRules::Case::UpperTrim};
        const EditRules province{.maxLength = 2};
        const QStringList *provinces = &ProvinceCodes();
        const Qt::Alignment centred = Qt::AlignCenter;
        // Screen order, which is also the tab order and the Enter chain.
        const FieldTable fields(
            Grid, {
                      {studio,
                       {
                           {&txtStudioDent, "StudioDent", "Studio Veterinario:", 14, 0, 440},
                           {&txtTelDent, "TelDent", "Recapiti telefonici:", 466, 0, 256},
                           {&txtIvaDent, "IvaDent", "Partita IVA:", 14, 1, 200, {.digitsOnly = true}},
                           {&txtCodFiscDent, "CodFiscDent", "C.F.", 226, 1, 228, upper},
                           {&txtCittaDent, "CittaDent", "Comune sede legale:", 14, 2, 250},
                           {&txtProvDent, "ProvDent", "Prov.", 276, 2, 64, province, provinces},
                           {&txtIndirizzoDent, "IndirizzoDent", "Via e numero civico:", 352, 2, 270},
                           {&txtCapDent, "CapDent", "CAP:", 634, 2, 88},
                       }},
                      {client,
                       {
                           {&txtPaziente, "Paziente", "Cognome e nome Cliente:", 14, 0, 440},
                           {&txtComuneNasc, "ComuneNasc", "Comune di nascita:", 14, 1, 250},
                           {&txtProvNasc, "ProvNasc", "Prov.", 276, 1, 64, province, provinces},
                           {&txtDataNasc, "DataNasc", "Data di nascita:", 352, 1, 140, {}, nullptr, centred},
                           {&txtCodFisc, "CodFisc", "C.F.", 504, 1, 218, upper},
                           {&txtComuneRes, "ComuneRes", "Comune di residenza:", 14, 2, 250},
                           {&txtProvRes, "ProvRes", "Prov.", 276, 2, 64, province, provinces},
                           {&txtIndirizzo, "Indirizzo", "Via e numero civico:", 352, 2, 270},
                           {&txtCapRes, "CapRes", "CAP:", 634, 2, 88},
                           {&txtRecapito, "Recapito", "Tel.", 14, 3, 250},
                       }},
                      {signature,
                       {
                           {&txtPrivacy, "Privacy", "Titolare Privacy:", 14, 0, 300},
                           {&txtData, "Data", "Data:", 326, 0, 140, {}, nullptr, centred},
                           {&txtLuogo, "Luogo", "Luogo:", 478, 0, 244},
                       }},
                  });

        const int buttonsTop = signature->geometry().bottom() + 1 + 12;
        btnChiudi = MakeNamed<QPushButton>(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"));
        btnChiudi->setGeometry(WindowWidth - PanelLeft - 110, buttonsTop, 110, 32);
        btnRTF = MakeNamed<QPushButton>(this, QStringLiteral("btnRTF"), QStringLiteral("Crea file RTF"));
        btnRTF->setGeometry(btnChiudi->x() - 10 - 130, buttonsTop, 130, 32);
        btnRTF->setAutoDefault(false);
        btnChiudi->setAutoDefault(false);
        setTabOrder(fields.controls().back(), btnRTF);
        setTabOrder(btnRTF, btnChiudi);

        connect(btnRTF, &QPushButton::clicked, this, &TfrmPrivacy::btnRTFClick);
        connect(btnChiudi, &QPushButton::clicked, this, &TfrmPrivacy::btnChiudiClick);
    });
}

SettingsBinding TfrmPrivacy::settings() const
{
    return SettingsBinding({
        {txtStudioDent, Section, QStringLiteral("Studio Veterinario")},
        {txtTelDent, Section, QStringLiteral("Recapiti Studio")},
        {txtIvaDent, Section, QStringLiteral("Partita Iva Studio")},
        {txtCodFiscDent, Section, QStringLiteral("Codice Fiscale Studio")},
        {txtCittaDent, Section, QStringLiteral("Comune Sede")},
        {txtProvDent, Section, QStringLiteral("Provincia Sede")},
        {txtIndirizzoDent, Section, QStringLiteral("Via Sede")},
        {txtCapDent, Section, QStringLiteral("Cap Sede")},
        {txtPrivacy, Section, QStringLiteral("Titolare")},
        {txtLuogo, Section, QStringLiteral("Luogo")},
    });
}

void TfrmPrivacy::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    CenterWindow(this, parentWidget());
    // The provinces copied from the owner card stay; only their list selection goes.
    for (QComboBox *box : {txtProvDent, txtProvNasc, txtProvRes})
        DropComboSelection(box);
    settings().load(ProgramFile(SettingsFileName));
}

bool TfrmPrivacy::writeSettings()
{
    // A value the file could not keep as shown is named and nothing is written.
    if (!settings().storable())
        return false;
    // No guard of its own: a failure reaches the error box.
    return RunReportingErrors(
        [this] {
            settings().save(ProgramFile(SettingsFileName));
        },
        SettingsWriteFailureMessage());
}

void TfrmPrivacy::btnChiudiClick()
{
    // The window stays open when the settings cannot be written.
    if (!writeSettings())
        return;
    settingsWritten = true;
    accept();
}

void TfrmPrivacy::done(int result)
{
    // Escape or the system's close: the settings are written too, and the window closes whatever
    // came of it, so that an unwritable folder never holds the user in the window. A value the file
    // could not keep as shown does hold it, with the focus on that value to be corrected.
    if (!settingsWritten) {
        if (!settings().storable())
            return;
        writeSettings();
    }
    settingsWritten = false;
    QDialog::done(result);
}

void TfrmPrivacy::btnRTFClick()
{
    const WholeFileExportResult result = ExportWholeFile(
        DocumentName, [this] { return ToCp1252(RtfExport()); },
        QStringLiteral("Questa procedura esporter\u00e0 il modulo per il consenso al trattamento dei dati personali "
                       "in un documento in formato RTF.\r\n\r\nSi conferma la creazione del file?"),
        QStringLiteral("Il file del modulo per il trattamento dei dati personali \u00e8 stato creato con successo."
                       "\r\n\r\nSi vuole aprire il documento?"),
        RtfExportMessage());
    // Once the document is open the window closes, keeping the practice's data as "Chiudi" does.
    if (result == WholeFileExportResult::Opened)
        btnChiudiClick();
}

QString TfrmPrivacy::RtfExport() const
{
    RtfWriter rtf;
    const auto fixed = [&rtf](const char *text) { rtf.fixed(text); };
    const auto value = [&rtf](const QWidget *field) { rtf.value(fieldText(field)); };
    // A numbered heading in bold, its text, and an empty line.
    const auto section = [&rtf](const char *heading, const char *text) {
        rtf.paragraph(heading).paragraph(text).paragraph();
    };
    using Parts = std::initializer_list<std::pair<const char *, const QWidget *>>;
    // Each fixed text followed by the value of its field.
    const auto parts = [&](Parts list) {
        for (const auto &[text, field] : list) {
            fixed(text);
            value(field);
        }
    };
    // The client's birth, residence and tax code, alike in the notice and in the declaration.
    const auto clientDetails = [&] {
        parts({
            {R"rtf(\b0 , nato a \b )rtf", txtComuneNasc},
            {R"rtf(\b0  (\b )rtf", txtProvNasc},
            {R"rtf(\b0 ) il \b )rtf", txtDataNasc},
            {R"rtf(\b0 , residente a \b )rtf", txtComuneRes},
            {R"rtf(\b0  (\b )rtf", txtProvRes},
            {R"rtf(\b0 ), CAP: \b )rtf", txtCapRes},
            {R"rtf(\b0  in \b )rtf", txtIndirizzo},
            {R"rtf(\b0 , codice fiscale: \b )rtf", txtCodFisc},
        });
    };

    fixed(R"rtf({\rtf1\ansi\ansicpg1252\deff0\deflang1040{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fnil Verdana;}})rtf");
    fixed(R"rtf({\colortbl ;\red0\green0\blue0;})rtf");
    fixed(R"rtf(\viewkind4\uc1\pard\qc\b\f0\fs40 Consenso al trattamento dei dati personali e sensibili)rtf");
    rtf.paragraph(R"rtf(\b0\fs28 (Informativa ai sensi del Regolamento UE 2016/679))rtf");
    rtf.paragraph("").repeat(u'_', 54);
    rtf.paragraph();

    // The opening paragraph: the practice and the client.
    parts({
        {R"rtf(\par \pard\qj\fs24 Ai sensi del Regolamento UE 2016/679 (Regolamento Generale sulla Protezione dei Dati - General Data Protection Regulation - GDPR), il presente Studio Veterinario \b )rtf",
         txtStudioDent},
        {R"rtf(\b0 , con sede a \b )rtf", txtCittaDent},
        {R"rtf(\b0  (\b )rtf", txtProvDent},
        {R"rtf(\b0 ), CAP: \b )rtf", txtCapDent},
        {R"rtf(\b0 , in \b )rtf", txtIndirizzoDent},
        {R"rtf(\b0 , codice fiscale: \b )rtf", txtCodFiscDent},
        {R"rtf(\b0 , partita IVA: \b )rtf", txtIvaDent},
        {R"rtf(\b0 , recapiti telefonici: \b )rtf", txtTelDent},
        {R"rtf(\b0 , informa che i dati anagrafici e sanitari qualificati come personali dalla legge (ivi compresi dati personali inerenti allo stato di salute, alla vita sessuale e all'origine razziale ed etnica), ad esso forniti dal Cliente Sig. \b )rtf",
         txtPaziente},
    });
    clientDetails();
    parts({{R"rtf(\b0 , recapito telefonico: \b )rtf", txtRecapito}});
    fixed(R"rtf(\b0 , saranno trattati come di seguito descritto:)rtf");
    rtf.paragraph();

    section(R"rtf(\b 1. Finalit\'e0 e modalit\'e0 del trattamento cui sono destinati i dati.)rtf",
            R"rtf(\b0 I dati vengono trattati in relazione alle esigenze contrattuali e ai conseguenti adempimenti degli obblighi legali e contrattuali che ne derivano, nonch\'e9 per le finalit\'e0 amministrative e contabili, quali la fatturazione delle prestazioni, l'eventuale recupero dei crediti e l'archiviazione della documentazione sanitaria e fiscale. Il trattamento avviene mediante supporti cartacei e strumenti elettronici, nel rispetto di misure tecniche e organizzative idonee a garantire la sicurezza e la riservatezza dei dati e a prevenirne la perdita, l'uso illecito o non corretto e l'accesso non autorizzato. I dati sono conservati per il tempo necessario al perseguimento delle finalit\'e0 indicate e, in ogni caso, per il periodo prescritto dalle norme di legge.)rtf");

    section(R"rtf(\b 2. Natura obbligatoria o facoltativa del conferimento e conseguenze al rifiuto del consenso.)rtf",
            R"rtf(\b0 Il conferimento dei dati \'e8 obbligatorio per quanto riguarda i dati anagrafici, fiscali e di contatto del Cliente e i dati relativi agli animali affidati alle cure dello Studio, necessari all'esecuzione delle prestazioni richieste e all'adempimento degli obblighi di legge. L'eventuale rifiuto di fornire tali dati, o di prestare il consenso al loro trattamento, comporta l'impossibilit\'e0 per lo Studio di erogare le prestazioni veterinarie richieste e di dare corso agli adempimenti amministrativi e fiscali a esse connessi.)rtf");

    section(R"rtf(\b 3. Soggetti che possono venire a conoscenza dei dati.)rtf",
            R"rtf(\b0 I soggetti o le categorie di soggetti ai quali i dati personali possono essere comunicati, esclusivamente per le finalit\'e0 sopra indicate, sono: i medici veterinari che sostituiscono il titolare in caso di sua assenza, i laboratori di analisi, i medici veterinari specialisti e le strutture cliniche e ospedaliere veterinarie cui il Cliente sia indirizzato, i farmacisti e i consulenti fiscali e contabili dello Studio. I dati possono inoltre essere comunicati agli enti pubblici e alle autorit\'e0 sanitarie nei casi previsti dalla legge, quali l'anagrafe degli animali d'affezione e i servizi veterinari dell'Azienda Sanitaria Locale. I dati non sono trasferiti verso Paesi che non appartengono all'Unione Europea. All'interno dello Studio hanno accesso ai dati esclusivamente i collaboratori incaricati del trattamento, ciascuno dei quali \'e8 tenuto al segreto professionale e al rispetto della riservatezza.)rtf");

    section(R"rtf(\b 4. Diritti degli interessati.)rtf",
            R"rtf(\b0 Relativamente ai propri dati, gli interessati possono esercitare i diritti previsti dagli articoli da 15 a 22 del Regolamento UE 2016/679, ossia il diritto di accesso ai dati personali, di rettifica, di cancellazione e di limitazione del trattamento, il diritto di opporsi al trattamento e il diritto di ricevere i propri dati in un formato strutturato, di uso comune e leggibile da dispositivo automatico; possono inoltre revocare in ogni momento il consenso prestato e proporre reclamo al Garante per la protezione dei dati personali. Le richieste vanno rivolte per iscritto allo Studio Veterinario.)rtf");

    rtf.paragraph(R"rtf(\b 5. Titolare del trattamento dati.)rtf");
    rtf.paragraph(R"rtf(\b0 Titolare del trattamento dei dati, nonché Responsabile del trattamento e Responsabile protezione dati (RPD) o Data Protection Officer (DPO) è lo Studio Veterinario, rappresentato dal Dott. \b )rtf");
    value(txtPrivacy);
    fixed(R"rtf(\b0 , domiciliato per la carica nella sede dello stesso Studio.)rtf");
    rtf.paragraph();

    rtf.paragraph(R"rtf(\pard\qc\b Consenso dell'interessato)rtf");
    rtf.paragraph(R"rtf(\pard\qj\b0 Preso atto dell'informativa ricevuta ai sensi del Regolamento UE 2016/679, il Cliente esprime il proprio consenso al trattamento dei dati personali, compresi quelli appartenenti a categorie particolari, per le finalit\'e0 sopra descritte. Il consenso al trattamento dei dati sensibili deve essere manifestato in forma scritta. I dati personali sono conservati per il tempo strettamente necessario alle finalit\'e0 per le quali sono stati raccolti; i dati contabili e fiscali sono conservati per dieci anni, come previsto dalla normativa civilistica e fiscale.)rtf");
    rtf.paragraph();

    rtf.paragraph(R"rtf(\pard\qc\b Diritto di accesso ai dati personali ed altri diritti)rtf");
    rtf.paragraph(R"rtf(\pard\qj 1.\b0  Il Cliente ha diritto di ottenere la conferma dell'esistenza o meno di dati personali che lo riguardano, anche se non ancora registrati, e la loro comunicazione in forma intelligibile.)rtf");
    rtf.paragraph(R"rtf(\b 2.\b0  Il Cliente ha diritto di ottenere l'indicazione: a) dell'origine dei dati personali; b) delle finalit\'e0 e modalit\'e0 del trattamento; c) della logica applicata in caso di trattamento effettuato con l'ausilio di strumenti elettronici; d) degli estremi identificativi del titolare e dei responsabili del trattamento; e) dei soggetti o delle categorie di soggetti ai quali i dati personali possono essere comunicati o che possono venirne a conoscenza in qualit\'e0 di responsabili o incaricati.)rtf");
    rtf.paragraph(R"rtf(\b 3.\b0  Il Cliente ha diritto di ottenere: a) l'aggiornamento, la rettifica ovvero, quando vi ha interesse, l'integrazione dei dati; b) la cancellazione, la trasformazione in forma anonima o il blocco dei dati trattati in violazione di legge, compresi quelli di cui non \'e8 necessaria la conservazione in relazione agli scopi per i quali i dati sono stati raccolti o successivamente trattati; c) l'attestazione che le operazioni di cui alle lettere a) e b) sono state portate a conoscenza di coloro ai quali i dati sono stati comunicati, eccettuato il caso in cui tale adempimento si riveli impossibile o comporti un impiego di mezzi manifestamente sproporzionato rispetto al diritto tutelato; d) la portabilità dei dati.)rtf");
    rtf.paragraph(R"rtf(\b 4.\b0  Il Cliente ha diritto di opporsi, in tutto o in parte: a) per motivi legittimi, al trattamento dei dati personali che lo riguardano, ancorch\'e9 pertinenti allo scopo della raccolta; b) al trattamento dei dati personali che lo riguardano a fini di invio di materiale pubblicitario o di vendita diretta, o per il compimento di ricerche di mercato o di comunicazione commerciale. Il Cliente ha altresì il diritto di revocare il consenso in qualsiasi momento, senza pregiudicare la liceità del trattamento basata sul consenso prestato prima della revoca, e di proporre reclamo a un’autorità di controllo, individuata in Italia nel Garante per la protezione dei dati personali.)rtf");
    rtf.paragraph();

    rtf.paragraph(R"rtf(\pard\qc\b DICHIARAZIONE DEL CLIENTE)rtf");
    rtf.paragraph();
    parts({{R"rtf(\par \pard\qj\b0 Io sottoscritto \b )rtf", txtPaziente}});
    clientDetails();
    fixed(R"rtf(\b0 , esprimo il mio libero consenso al trattamento dei dati personali e particolari. A tal fine dichiaro di essere stato informato su:)rtf");
    rtf.paragraph(R"rtf(\b 1)\b0  le finalit\'e0 e le modalit\'e0 del trattamento cui sono destinati i dati, connesse alle attivit\'e0 di prevenzione, diagnosi, cura e riabilitazione svolte a tutela della salute dei miei animali e di me medesimo;)rtf");
    rtf.paragraph(R"rtf(\b 2)\b0  i soggetti o le categorie di soggetti ai quali i dati possono essere comunicati o che possono venirne a conoscenza in qualit\'e0 di incaricati del trattamento;)rtf");
    rtf.paragraph(R"rtf(\b 3)\b0  il diritto di accesso ai dati personali, nonch\'e9 il diritto di ottenerne la rettifica o la cancellazione e di oppormi al loro trattamento a fini di invio di materiale pubblicitario o di comunicazione commerciale;)rtf");
    rtf.paragraph(R"rtf(\b 4)\b0  il nome del medico veterinario titolare del trattamento dei dati, al quale rivolgermi per ogni necessit\'e0 relativa ai miei dati personali;)rtf");
    rtf.paragraph(R"rtf(\b 5)\b0  la necessit\'e0 di fornire i dati richiesti per ricevere le prestazioni veterinarie e per consentire allo Studio l'adempimento degli obblighi di legge.)rtf");
    rtf.paragraph(R"rtf(Con la presente, esprimo il mio consenso al trattamento dei dati personali e sensibili al Dottor \b )rtf");
    value(txtPrivacy);
    fixed(R"rtf(\b0  esclusivamente per le attivit\'e0 di prevenzione, diagnosi, cura e riabilitazione svolte a tutela della salute degli animali di mia propriet\'e0 e di me medesimo.)rtf");
    rtf.paragraph();

    rtf.paragraph(R"rtf(\b )rtf");
    value(txtLuogo);
    fixed(R"rtf(\b0 , \b )rtf");
    value(txtData);
    fixed(R"rtf(\b0 .)rtf");
    rtf.paragraph();
    rtf.paragraph(R"rtf(\pard\qr\b Firma del Cliente per accettazione)rtf");
    rtf.paragraph();
    rtf.paragraph("").repeat(u'_', 31);
    rtf.paragraph(R"rtf(\b0)rtf");
    rtf.paragraph(R"rtf(\pard\cf1\b\f1)rtf");
    rtf.paragraph(R"rtf(})rtf");
    return rtf.text();
}
