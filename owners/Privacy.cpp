#include "owners/Privacy.h"

#include "common/Messages.h"
#include "common/Guard.h"
#include "common/ui/CodeCombo.h"
#include "common/Cp1252.h"
#include "common/ui/EditRules.h"
#include "common/IniFile.h"
#include "common/Platform.h"
#include "common/Rtf.h"
#include "common/Text.h"
#include "common/ui/Widgets.h"
#include "common/WholeFileExport.h"
#include "owners/OwnerRecord.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <exception>

TfrmPrivacy *frmPrivacy = nullptr;

namespace {

const QString Section = QStringLiteral("Modulo Privacy");
const QString DocumentName = QStringLiteral("Modulo_Privacy.rtf");

constexpr int WindowWidth = 760;
constexpr int WindowHeight = 582;
constexpr int PanelLeft = 12;
constexpr int PanelWidth = WindowWidth - 2 * PanelLeft;
constexpr int PanelGap = 10;
constexpr int RowPitch = 58;
constexpr int EditHeight = 28;

int captionTop(int row) { return 8 + row * RowPitch; }
int editTop(int row) { return 26 + row * RowPitch; }
int panelHeight(int rows) { return rows * RowPitch + 10; }

QFont editFont()
{
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(13);
    f.setBold(true);
    return f;
}

QFrame *makePanel(QWidget *parent, int top, int rows)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QStringLiteral("shpPanel%1").arg(top));
    f->setStyleSheet(QStringLiteral("QFrame#%1 { background: white; border: 1px solid #9dc3e6; border-radius: 8px; }")
                         .arg(f->objectName()));
    f->setGeometry(PanelLeft, top, PanelWidth, panelHeight(rows));
    return f;
}

void makeCaption(QWidget *panel, const QString &text, int x, int row, int width)
{
    auto *l = new QLabel(text, panel);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(12);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: #1f4e79;"));
    l->setGeometry(x, captionTop(row), width, 18);
}

template <typename Edit>
Edit *makeField(QWidget *panel, const QString &name, const QString &caption, int x, int row, int width)
{
    makeCaption(panel, caption, x, row, width + 40);
    auto *e = MakeNamed<Edit>(panel, name);
    e->setFont(editFont());
    e->setGeometry(x, editTop(row), width, EditHeight);
    return e;
}

QComboBox *makeProvince(QWidget *panel, const QString &name, int x, int row)
{
    auto *c = makeField<QComboBox>(panel, name, QStringLiteral("Prov."), x, row, 64);
    MakeCodeCombo(c, ProvinceCodes(), 2);
    c->lineEdit()->setFont(editFont());
    return c;
}

// The trimmed text of an edit or of an editable combo box.
QString fieldText(const QWidget *field)
{
    if (auto *combo = qobject_cast<const QComboBox *>(field))
        return TrimText(combo->currentText());
    return TrimText(static_cast<const QLineEdit *>(field)->text());
}

void setFieldText(QWidget *field, const QString &text)
{
    if (auto *combo = qobject_cast<QComboBox *>(field))
        combo->setEditText(text);
    else
        static_cast<QLineEdit *>(field)->setText(text);
}

} // namespace

TfrmPrivacy::TfrmPrivacy(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPrivacy"));
    setWindowTitle(QStringLiteral(" Esporta e stampa Modulo Privacy"));
    MakeFixedWindow(this, WindowWidth, WindowHeight);
    SetGradientBackground(this, QColor(70, 130, 180), Qt::white);

    // The practice.
    QFrame *studio = makePanel(this, 12, 3);
    txtStudioDent = makeField<QLineEdit>(studio, "txtStudioDent", QStringLiteral("Studio Veterinario:"), 14, 0, 440);
    txtTelDent = makeField<QLineEdit>(studio, "txtTelDent", QStringLiteral("Recapiti telefonici:"), 466, 0, 256);
    txtIvaDent = makeField<QLineEdit>(studio, "txtIvaDent", QStringLiteral("Partita IVA:"), 14, 1, 200);
    txtCodFiscDent = makeField<QLineEdit>(studio, "txtCodFiscDent", QStringLiteral("C.F."), 226, 1, 228);
    txtCittaDent = makeField<QLineEdit>(studio, "txtCittaDent", QStringLiteral("Comune sede legale:"), 14, 2, 250);
    txtProvDent = makeProvince(studio, "txtProvDent", 276, 2);
    txtIndirizzoDent = makeField<QLineEdit>(studio, "txtIndirizzoDent", QStringLiteral("Via e numero civico:"), 352, 2, 270);
    txtCapDent = makeField<QLineEdit>(studio, "txtCapDent", QStringLiteral("CAP:"), 634, 2, 88);

    // The client.
    QFrame *client = makePanel(this, studio->geometry().bottom() + 1 + PanelGap, 4);
    txtPaziente = makeField<QLineEdit>(client, "txtPaziente", QStringLiteral("Cognome e nome Cliente:"), 14, 0, 440);
    txtComuneNasc = makeField<QLineEdit>(client, "txtComuneNasc", QStringLiteral("Comune di nascita:"), 14, 1, 250);
    txtProvNasc = makeProvince(client, "txtProvNasc", 276, 1);
    txtDataNasc = makeField<QLineEdit>(client, "txtDataNasc", QStringLiteral("Data di nascita:"), 352, 1, 140);
    txtCodFisc = makeField<QLineEdit>(client, "txtCodFisc", QStringLiteral("C.F."), 504, 1, 218);
    txtComuneRes = makeField<QLineEdit>(client, "txtComuneRes", QStringLiteral("Comune di residenza:"), 14, 2, 250);
    txtProvRes = makeProvince(client, "txtProvRes", 276, 2);
    txtIndirizzo = makeField<QLineEdit>(client, "txtIndirizzo", QStringLiteral("Via e numero civico:"), 352, 2, 270);
    txtCapRes = makeField<QLineEdit>(client, "txtCapRes", QStringLiteral("CAP:"), 634, 2, 88);
    txtRecapito = makeField<QLineEdit>(client, "txtRecapito", QStringLiteral("Tel."), 14, 3, 250);

    // The data controller and the signature.
    QFrame *signature = makePanel(this, client->geometry().bottom() + 1 + PanelGap, 1);
    txtPrivacy = makeField<QLineEdit>(signature, "txtPrivacy", QStringLiteral("Titolare Privacy:"), 14, 0, 300);
    txtData = makeField<QLineEdit>(signature, "txtData", QStringLiteral("Data:"), 326, 0, 140);
    txtLuogo = makeField<QLineEdit>(signature, "txtLuogo", QStringLiteral("Luogo:"), 478, 0, 244);
    txtDataNasc->setAlignment(Qt::AlignCenter);
    txtData->setAlignment(Qt::AlignCenter);

    const int buttonsTop = signature->geometry().bottom() + 1 + 12;
    btnChiudi = MakeNamed<QPushButton>(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"));
    btnChiudi->setGeometry(WindowWidth - PanelLeft - 110, buttonsTop, 110, 32);
    btnRTF = MakeNamed<QPushButton>(this, QStringLiteral("btnRTF"), QStringLiteral("Crea file RTF"));
    btnRTF->setGeometry(btnChiudi->x() - 10 - 130, buttonsTop, 130, 32);
    btnRTF->setAutoDefault(false);
    btnChiudi->setAutoDefault(false);

    // Screen order, which is also the tab order and the Enter chain.
    const QList<QWidget *> fields{txtStudioDent, txtTelDent,   txtIvaDent,    txtCodFiscDent, txtCittaDent,
                                  txtProvDent,   txtIndirizzoDent, txtCapDent, txtPaziente,    txtComuneNasc,
                                  txtProvNasc,   txtDataNasc,  txtCodFisc,    txtComuneRes,   txtProvRes,
                                  txtIndirizzo,  txtCapRes,    txtRecapito,   txtPrivacy,     txtData,
                                  txtLuogo};
    HighlightRect **highlights[] = {&effStudioDent, &effTelDent,   &effIvaDent,    &effCodFiscDent, &effCittaDent,
                                    &effProvDent,   &effIndirizzoDent, &effCapDent, &effPaziente,   &effComuneNasc,
                                    &effProvNasc,   &effDataNasc,  &effCodFisc,    &effComuneRes,   &effProvRes,
                                    &effIndirizzo,  &effCapRes,    &effRecapito,   &effPrivacy,     &effData,
                                    &effLuogo};
    for (int i = 0; i < fields.size(); ++i) {
        *highlights[i] = AttachFieldHighlight(fields[i], QStringLiteral("eff") + fields[i]->objectName().mid(3));
        if (i + 1 < fields.size())
            setTabOrder(fields[i], fields[i + 1]);
    }
    setTabOrder(fields.last(), btnRTF);
    setTabOrder(btnRTF, btnChiudi);
    EnterFocusChain(fields);

    DigitOnlyKeyFilter(txtIvaDent);
    UpperCaseWhileTyping(txtCodFiscDent);
    UpperCaseWhileTyping(txtCodFisc);

    connect(btnRTF, &QPushButton::clicked, this, &TfrmPrivacy::btnRTFClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmPrivacy::btnChiudiClick);
}

namespace {

// The fields kept in the settings, with their keys.
struct Setting {
    QWidget *field;
    QString key;
};

QList<Setting> settingsOf(const TfrmPrivacy &w)
{
    return {
        {w.txtStudioDent, QStringLiteral("Studio Veterinario")},
        {w.txtTelDent, QStringLiteral("Recapiti Studio")},
        {w.txtIvaDent, QStringLiteral("Partita Iva Studio")},
        {w.txtCodFiscDent, QStringLiteral("Codice Fiscale Studio")},
        {w.txtCittaDent, QStringLiteral("Comune Sede")},
        {w.txtProvDent, QStringLiteral("Provincia Sede")},
        {w.txtIndirizzoDent, QStringLiteral("Via Sede")},
        {w.txtCapDent, QStringLiteral("Cap Sede")},
        {w.txtPrivacy, QStringLiteral("Titolare")},
        {w.txtLuogo, QStringLiteral("Luogo")},
    };
}

} // namespace

void TfrmPrivacy::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    CenterWindow(this, parentWidget());
    // The provinces copied from the owner card stay; only their list selection goes.
    for (QComboBox *box : {txtProvDent, txtProvNasc, txtProvRes})
        DropComboSelection(box);
    // A missing file or key reads as the empty text.
    const IniFile settings(ProgramFile(SettingsFileName));
    for (const Setting &s : settingsOf(*this))
        setFieldText(s.field, settings.readString(Section, s.key));
}

bool TfrmPrivacy::writeSettings()
{
    // No guard of its own: a failure reaches the error box.
    return RunReportingErrors(
        [this] {
            IniFile settings(ProgramFile(SettingsFileName));
            for (const Setting &s : settingsOf(*this))
                settings.writeString(Section, s.key, fieldText(s.field));
            settings.save();
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
    // came of it, so that an unwritable folder never holds the user in the window.
    if (!settingsWritten)
        writeSettings();
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
    QString doc;
    // The fixed text is UTF-8 here; the whole document becomes Windows-1252 when it is written.
    const auto fixed = [&doc](const char *text) { doc += QString::fromUtf8(text); };
    const auto value = [&doc](const QWidget *field) { doc += RtfEscape(fieldText(field)); };
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
    fixed(R"rtf(\par \b0\fs28 (Informativa ai sensi del Regolamento UE 2016/679))rtf");
    doc += QStringLiteral("\\par ") + QString(54, u'_');
    fixed(R"rtf(\par)rtf");

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
    fixed(R"rtf(\par)rtf");

    fixed(R"rtf(\par \b 1. Finalit\'e0 e modalit\'e0 del trattamento cui sono destinati i dati.)rtf");
    fixed(R"rtf(\par \b0 I dati vengono trattati in relazione alle esigenze contrattuali e ai conseguenti adempimenti degli obblighi legali e contrattuali che ne derivano, nonch\'e9 per le finalit\'e0 amministrative e contabili, quali la fatturazione delle prestazioni, l'eventuale recupero dei crediti e l'archiviazione della documentazione sanitaria e fiscale. Il trattamento avviene mediante supporti cartacei e strumenti elettronici, nel rispetto di misure tecniche e organizzative idonee a garantire la sicurezza e la riservatezza dei dati e a prevenirne la perdita, l'uso illecito o non corretto e l'accesso non autorizzato. I dati sono conservati per il tempo necessario al perseguimento delle finalit\'e0 indicate e, in ogni caso, per il periodo prescritto dalle norme di legge.)rtf");
    fixed(R"rtf(\par)rtf");

    fixed(R"rtf(\par \b 2. Natura obbligatoria o facoltativa del conferimento e conseguenze al rifiuto del consenso.)rtf");
    fixed(R"rtf(\par \b0 Il conferimento dei dati \'e8 obbligatorio per quanto riguarda i dati anagrafici, fiscali e di contatto del Cliente e i dati relativi agli animali affidati alle cure dello Studio, necessari all'esecuzione delle prestazioni richieste e all'adempimento degli obblighi di legge. L'eventuale rifiuto di fornire tali dati, o di prestare il consenso al loro trattamento, comporta l'impossibilit\'e0 per lo Studio di erogare le prestazioni veterinarie richieste e di dare corso agli adempimenti amministrativi e fiscali a esse connessi.)rtf");
    fixed(R"rtf(\par)rtf");

    fixed(R"rtf(\par \b 3. Soggetti che possono venire a conoscenza dei dati.)rtf");
    fixed(R"rtf(\par \b0 I soggetti o le categorie di soggetti ai quali i dati personali possono essere comunicati, esclusivamente per le finalit\'e0 sopra indicate, sono: i medici veterinari che sostituiscono il titolare in caso di sua assenza, i laboratori di analisi, i medici veterinari specialisti e le strutture cliniche e ospedaliere veterinarie cui il Cliente sia indirizzato, i farmacisti e i consulenti fiscali e contabili dello Studio. I dati possono inoltre essere comunicati agli enti pubblici e alle autorit\'e0 sanitarie nei casi previsti dalla legge, quali l'anagrafe degli animali d'affezione e i servizi veterinari dell'Azienda Sanitaria Locale. I dati non sono trasferiti verso Paesi che non appartengono all'Unione Europea. All'interno dello Studio hanno accesso ai dati esclusivamente i collaboratori incaricati del trattamento, ciascuno dei quali \'e8 tenuto al segreto professionale e al rispetto della riservatezza.)rtf");
    fixed(R"rtf(\par)rtf");

    fixed(R"rtf(\par \b 4. Diritti degli interessati.)rtf");
    fixed(R"rtf(\par \b0 Relativamente ai propri dati, gli interessati possono esercitare i diritti previsti dagli articoli da 15 a 22 del Regolamento UE 2016/679, ossia il diritto di accesso ai dati personali, di rettifica, di cancellazione e di limitazione del trattamento, il diritto di opporsi al trattamento e il diritto di ricevere i propri dati in un formato strutturato, di uso comune e leggibile da dispositivo automatico; possono inoltre revocare in ogni momento il consenso prestato e proporre reclamo al Garante per la protezione dei dati personali. Le richieste vanno rivolte per iscritto allo Studio Veterinario.)rtf");
    fixed(R"rtf(\par)rtf");

    fixed(R"rtf(\par \b 5. Titolare del trattamento dati.)rtf");
    fixed(R"rtf(\par \b0 Titolare del trattamento dei dati, nonché Responsabile del trattamento e Responsabile protezione dati (RPD) o Data Protection Officer (DPO) è lo Studio Veterinario, rappresentato dal Dott. \b )rtf");
    value(txtPrivacy);
    fixed(R"rtf(\b0 , domiciliato per la carica nella sede dello stesso Studio.)rtf");
    fixed(R"rtf(\par)rtf");

    fixed(R"rtf(\par \pard\qc\b Consenso dell'interessato)rtf");
    fixed(R"rtf(\par \pard\qj\b0 Preso atto dell'informativa ricevuta ai sensi del Regolamento UE 2016/679, il Cliente esprime il proprio consenso al trattamento dei dati personali, compresi quelli appartenenti a categorie particolari, per le finalit\'e0 sopra descritte. Il consenso al trattamento dei dati sensibili deve essere manifestato in forma scritta. I dati personali sono conservati per il tempo strettamente necessario alle finalit\'e0 per le quali sono stati raccolti; i dati contabili e fiscali sono conservati per dieci anni, come previsto dalla normativa civilistica e fiscale.)rtf");
    fixed(R"rtf(\par)rtf");

    fixed(R"rtf(\par \pard\qc\b Diritto di accesso ai dati personali ed altri diritti)rtf");
    fixed(R"rtf(\par \pard\qj 1.\b0  Il Cliente ha diritto di ottenere la conferma dell'esistenza o meno di dati personali che lo riguardano, anche se non ancora registrati, e la loro comunicazione in forma intelligibile.)rtf");
    fixed(R"rtf(\par \b 2.\b0  Il Cliente ha diritto di ottenere l'indicazione: a) dell'origine dei dati personali; b) delle finalit\'e0 e modalit\'e0 del trattamento; c) della logica applicata in caso di trattamento effettuato con l'ausilio di strumenti elettronici; d) degli estremi identificativi del titolare e dei responsabili del trattamento; e) dei soggetti o delle categorie di soggetti ai quali i dati personali possono essere comunicati o che possono venirne a conoscenza in qualit\'e0 di responsabili o incaricati.)rtf");
    fixed(R"rtf(\par \b 3.\b0  Il Cliente ha diritto di ottenere: a) l'aggiornamento, la rettifica ovvero, quando vi ha interesse, l'integrazione dei dati; b) la cancellazione, la trasformazione in forma anonima o il blocco dei dati trattati in violazione di legge, compresi quelli di cui non \'e8 necessaria la conservazione in relazione agli scopi per i quali i dati sono stati raccolti o successivamente trattati; c) l'attestazione che le operazioni di cui alle lettere a) e b) sono state portate a conoscenza di coloro ai quali i dati sono stati comunicati, eccettuato il caso in cui tale adempimento si riveli impossibile o comporti un impiego di mezzi manifestamente sproporzionato rispetto al diritto tutelato; d) la portabilità dei dati.)rtf");
    fixed(R"rtf(\par \b 4.\b0  Il Cliente ha diritto di opporsi, in tutto o in parte: a) per motivi legittimi, al trattamento dei dati personali che lo riguardano, ancorch\'e9 pertinenti allo scopo della raccolta; b) al trattamento dei dati personali che lo riguardano a fini di invio di materiale pubblicitario o di vendita diretta, o per il compimento di ricerche di mercato o di comunicazione commerciale. Il Cliente ha altresì il diritto di revocare il consenso in qualsiasi momento, senza pregiudicare la liceità del trattamento basata sul consenso prestato prima della revoca, e di proporre reclamo a un’autorità di controllo, individuata in Italia nel Garante per la protezione dei dati personali.)rtf");
    fixed(R"rtf(\par)rtf");

    fixed(R"rtf(\par \pard\qc\b DICHIARAZIONE DEL CLIENTE)rtf");
    fixed(R"rtf(\par)rtf");
    parts({{R"rtf(\par \pard\qj\b0 Io sottoscritto \b )rtf", txtPaziente}});
    clientDetails();
    fixed(R"rtf(\b0 , esprimo il mio libero consenso al trattamento dei dati personali e particolari. A tal fine dichiaro di essere stato informato su:)rtf");
    fixed(R"rtf(\par \b 1)\b0  le finalit\'e0 e le modalit\'e0 del trattamento cui sono destinati i dati, connesse alle attivit\'e0 di prevenzione, diagnosi, cura e riabilitazione svolte a tutela della salute dei miei animali e di me medesimo;)rtf");
    fixed(R"rtf(\par \b 2)\b0  i soggetti o le categorie di soggetti ai quali i dati possono essere comunicati o che possono venirne a conoscenza in qualit\'e0 di incaricati del trattamento;)rtf");
    fixed(R"rtf(\par \b 3)\b0  il diritto di accesso ai dati personali, nonch\'e9 il diritto di ottenerne la rettifica o la cancellazione e di oppormi al loro trattamento a fini di invio di materiale pubblicitario o di comunicazione commerciale;)rtf");
    fixed(R"rtf(\par \b 4)\b0  il nome del medico veterinario titolare del trattamento dei dati, al quale rivolgermi per ogni necessit\'e0 relativa ai miei dati personali;)rtf");
    fixed(R"rtf(\par \b 5)\b0  la necessit\'e0 di fornire i dati richiesti per ricevere le prestazioni veterinarie e per consentire allo Studio l'adempimento degli obblighi di legge.)rtf");
    fixed(R"rtf(\par Con la presente, esprimo il mio consenso al trattamento dei dati personali e sensibili al Dottor \b )rtf");
    value(txtPrivacy);
    fixed(R"rtf(\b0  esclusivamente per le attivit\'e0 di prevenzione, diagnosi, cura e riabilitazione svolte a tutela della salute degli animali di mia propriet\'e0 e di me medesimo.)rtf");
    fixed(R"rtf(\par)rtf");

    fixed(R"rtf(\par \b )rtf");
    value(txtLuogo);
    fixed(R"rtf(\b0 , \b )rtf");
    value(txtData);
    fixed(R"rtf(\b0 .)rtf");
    fixed(R"rtf(\par)rtf");
    fixed(R"rtf(\par \pard\qr\b Firma del Cliente per accettazione)rtf");
    fixed(R"rtf(\par)rtf");
    doc += QStringLiteral("\\par ") + QString(31, u'_');
    fixed(R"rtf(\par \b0)rtf");
    fixed(R"rtf(\par \pard\cf1\b\f1)rtf");
    fixed(R"rtf(\par })rtf");
    return doc;
}
