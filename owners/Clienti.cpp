#include "owners/Clienti.h"

#include "common/ui/CodeCombo.h"
#include "common/ui/CommandPictures.h"
#include "common/Dates.h"
#include "common/ui/EditRules.h"
#include "common/OpenURL.h"
#include "common/ui/RecordCard.h"
#include "common/Text.h"
#include "common/ui/Widgets.h"
#include "owners/Carta.h"
#include "owners/ExpClienti.h"
#include "owners/Iban.h"
#include "owners/OwnerPrint.h"
#include "owners/OwnerRecord.h"
#include "owners/Privacy.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"
#include "dialogs/AllegaCartella.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "dialogs/PartitaIVA.h"
#include "dialogs/ReturnToLauncher.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include <algorithm>
#include <memory>

TfrmClienti *frmClienti = nullptr;

namespace {

constexpr int PanelWidth = 1240;
constexpr int PanelHeight = 830;
constexpr int SectionLeft = 12;
constexpr int SectionWidth = 1036;
constexpr int FieldLeft = 106;   // fields start right of the section picture
constexpr int RowPitch = 62;     // caption and edit
constexpr int EditHeight = 30;
constexpr int SectionGap = 8;

int sectionHeight(int rows) { return rows * RowPitch + 8; }
int captionTop(int row) { return 8 + row * RowPitch; }
int editTop(int row) { return 27 + row * RowPitch; }

QFont editFont() { return QFont(QStringLiteral("Verdana"), 12, QFont::Bold); }

QFont captionFont()
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(12);
    return f;
}

QString OwnerHelpTitle() { return QStringLiteral("Applicazione Anagrafica Proprietari."); }

QStringList OwnerHelpParagraphs()
{
    return {
        QStringLiteral("L'Anagrafica Proprietari è l'archivio delle persone che si rivolgono all'ambulatorio con i "
                       "propri animali. Ogni proprietario viene registrato una sola volta: i suoi dati possono poi "
                       "essere importati con un clic nelle schede degli animali, nei certificati e nelle fatture "
                       "proforma, senza doverli digitare di nuovo."),
        QStringLiteral("Per ogni proprietario la scheda raccoglie cognome e nome, data, comune e provincia di "
                       "nascita, sesso, il telefono preferenziale, l'indirizzo, il comune, la provincia e il CAP di "
                       "residenza, le modalità di pagamento preferite, i numeri di telefono di casa, dell'ufficio e "
                       "del cellulare, il fax, l'indirizzo e-mail, il codice fiscale, la carta di credito con la sua "
                       "scadenza, la partita IVA, l'IBAN, gli estremi di un documento di identità, l'occupazione, lo "
                       "stato civile, i titoli e le qualifiche, gli animali posseduti attualmente e in passato, le "
                       "questioni in sospeso e le note."),
        QStringLiteral("Per registrare un nuovo proprietario premere Nuovo, compilare i campi desiderati e premere "
                       "Salva: l'unico dato obbligatorio è il cognome e nome. Per modificare una scheda già in "
                       "archivio occorre prima visualizzarla, scorrendo l'archivio con le frecce in basso a destra "
                       "oppure cercandola con il comando Trova; dopo aver apportato le modifiche, premere di nuovo "
                       "Salva."),
        QStringLiteral("Nel campo Questioni in sospeso si possono annotare le faccende ancora aperte con il cliente, "
                       "come un pagamento da saldare o un esito da comunicare. Spuntando la casella Da ricontattare "
                       "il proprietario entra nel riepilogo dei proprietari da ricontattare, che si apre con il "
                       "comando omonimo della colonna di destra."),
        QStringLiteral("Il comando Duplica serve a creare una nuova scheda partendo da quella visualizzata, per "
                       "esempio quando due componenti della stessa famiglia condividono indirizzo e recapiti. "
                       "Visualizzare la scheda di partenza, premere Duplica, correggere i dati che cambiano e "
                       "premere Salva: la copia viene aggiunta in fondo all'archivio senza i file allegati, mentre "
                       "la scheda originale resta invariata."),
        QStringLiteral("Il comando Trova apre la finestra di ricerca, nella quale si possono indicare più filtri "
                       "contemporaneamente, per esempio una parte del cognome insieme al comune di residenza. "
                       "L'elenco mostra le sole schede che soddisfano tutti i filtri indicati; con un doppio clic "
                       "su una riga la scheda corrispondente viene caricata nella finestra di lavoro."),
        QStringLiteral("Il pulsante verde Privacy prepara l'informativa sul trattamento dei dati personali, "
                       "compilata con i dati del proprietario visualizzato, da stampare e far firmare al cliente."),
        QStringLiteral("Con il comando Allega file si possono abbinare alla scheda fino a tre file di qualsiasi "
                       "tipo, per esempio documenti acquisiti con lo scanner, fotografie o referti, ciascuno con una "
                       "breve descrizione. I file vengono copiati nella cartella Documenti_Allegati del programma e "
                       "possono essere riaperti in ogni momento dalla stessa finestra."),
        QStringLiteral("I piccoli pulsanti accanto ai campi controllano il codice fiscale, il numero della carta "
                       "di credito, l'IBAN e la partita IVA; il controllo della partita IVA indica anche l'ufficio "
                       "provinciale che ha rilasciato il numero. Il pulsante accanto al campo E-mail avvia il "
                       "programma di posta elettronica con l'indirizzo del proprietario già inserito."),
        QStringLiteral("La scheda visualizzata può essere vista in anteprima, stampata oppure salvata in formato "
                       "PDF con i comandi Anteprima, Stampa e Crea PDF. Il comando Esporta archivio trasferisce "
                       "tutte le schede dei proprietari in un foglio di lavoro di Microsoft Excel."),
    };
}

// A rounded panel painted by its style sheet.
QFrame *makePanel(QWidget *parent, const QString &name, const QString &fill, const QString &border, int radius)
{
    auto *f = MakeNamed<QFrame>(parent, name);
    f->setStyleSheet(QStringLiteral("QFrame#%1 { background: %2; border: 1px solid %3; border-radius: %4px; }")
                         .arg(name, fill, border)
                         .arg(radius));
    f->setMouseTracking(true);
    return f;
}

QLabel *makeCaption(QWidget *section, const QString &name, const QString &text, int x, int row, int width)
{
    auto *l = MakeNamed<QLabel>(section, name, text);
    l->setFont(captionFont());
    l->setStyleSheet(QStringLiteral("color: #1f4e79;"));
    l->setGeometry(x, captionTop(row), width, 18);
    return l;
}

template <typename Edit>
Edit *makeEdit(QWidget *section, const QString &field, const QString &caption, int x, int row, int width)
{
    makeCaption(section, QStringLiteral("tit") + field, caption, x, row, width + 40);
    auto *e = MakeNamed<Edit>(section, QStringLiteral("txt") + field);
    e->setFont(editFont());
    e->setGeometry(x, editTop(row), width, EditHeight);
    // Moving the mouse over an edit leaves the hint as it is.
    e->setAttribute(Qt::WA_NoMousePropagation);
    return e;
}

ClickLabel *makePicture(QWidget *parent, const QString &name, const QRect &r, const QPixmap &pm)
{
    auto *c = new ClickLabel(parent, name);
    c->setGeometry(r);
    c->setPixmap(pm);
    return c;
}

QComboBox *makeProvince(QWidget *section, const QString &field, int x, int row)
{
    auto *c = makeEdit<QComboBox>(section, field, QStringLiteral("Prov."), x, row, 72);
    MakeCodeCombo(c, ProvinceCodes(), 2);
    c->lineEdit()->setAttribute(Qt::WA_NoMousePropagation);
    c->lineEdit()->setFont(editFont());
    return c;
}

} // namespace

TfrmClienti::TfrmClienti(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmClienti"));
    setWindowTitle(QStringLiteral(" Tavoren - Anagrafica Proprietari"));
    SetGradientBackground(this, QColor(70, 130, 180), Qt::white);
    setMouseTracking(true);
    resize(PanelWidth, PanelHeight);
    buildLayout();
    FormCreate();
    setWindowState(Qt::WindowMaximized);
    centerPanel();
}

void TfrmClienti::buildLayout()
{
    panScheda = makePanel(this, QStringLiteral("panScheda"), QStringLiteral("#ecf3fa"), QStringLiteral("#9dc3e6"), 10);
    panScheda->setGeometry(0, 0, PanelWidth, PanelHeight);

    // Five sections, one under the other, each with its picture at the left.
    const int rows[5] = {3, 2, 2, 2, 2};
    const SectionGlyph glyphs[5] = {SectionGlyph::Person, SectionGlyph::Phone, SectionGlyph::Payment,
                                    SectionGlyph::Identity, SectionGlyph::Notes};
    QFrame **sections[5] = {&shpSezione01, &shpSezione02, &shpSezione03, &shpSezione04, &shpSezione05};
    QLabel **pictures[5] = {&imgSezione01, &imgSezione02, &imgSezione03, &imgSezione04, &imgSezione05};
    int top = 12;
    for (int i = 0; i < 5; ++i) {
        const QString n = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        QFrame *s = makePanel(panScheda, QStringLiteral("shpSezione") + n, QStringLiteral("white"),
                              QStringLiteral("#9dc3e6"), 8);
        const int h = sectionHeight(rows[i]);
        s->setGeometry(SectionLeft, top, SectionWidth, h);
        top += h + SectionGap;
        const int side = std::min(84, h - 20);
        auto *img = MakeNamed<QLabel>(s, QStringLiteral("imgSezione") + n);
        img->setGeometry(10 + (84 - side) / 2, (h - side) / 2, side, side);
        img->setPixmap(SectionPicture(glyphs[i], img->size()));
        img->setMouseTracking(true);
        *sections[i] = s;
        *pictures[i] = img;
    }

    const int x = FieldLeft;
    QWidget *s1 = shpSezione01;
    txtCliente = makeEdit<QLineEdit>(s1, "Cliente", QStringLiteral("Cognome e nome:"), x, 0, 380);
    txtDataNasc = makeEdit<QLineEdit>(s1, "DataNasc", QStringLiteral("Data di nascita:"), x + 388, 0, 160);
    txtComuneNasc = makeEdit<QLineEdit>(s1, "ComuneNasc", QStringLiteral("Comune di nascita:"), x + 556, 0, 282);
    txtProvNasc = makeProvince(s1, "ProvNasc", x + 846, 0);
    txtSesso = makeEdit<QLineEdit>(s1, "Sesso", QStringLiteral("Sesso:"), x, 1, 60);
    txtRecapito = makeEdit<QLineEdit>(s1, "Recapito", QStringLiteral("Telefono preferenziale:"), x + 68, 1, 250);
    txtIndirizzoRes = makeEdit<QLineEdit>(s1, "IndirizzoRes",
                                          QStringLiteral("Residente in Via / Piazza e numero civico:"), x + 326, 1, 512);
    txtProvRes = makeProvince(s1, "ProvRes", x + 846, 1);
    txtComuneRes = makeEdit<QLineEdit>(s1, "ComuneRes", QStringLiteral("Comune di residenza:"), x, 2, 282);
    txtCapRes = makeEdit<QLineEdit>(s1, "CapRes", QStringLiteral("CAP:"), x + 290, 2, 90);
    txtEstremi = makeEdit<QLineEdit>(s1, "Estremi", QStringLiteral("Modalità di pagamento:"), x + 388, 2, 530);
    txtDataNasc->setAlignment(Qt::AlignCenter);
    txtSesso->setAlignment(Qt::AlignCenter);

    QWidget *s2 = shpSezione02;
    txtTelCasa = makeEdit<QLineEdit>(s2, "TelCasa", QStringLiteral("Tel. casa:"), x, 0, 300);
    txtTelUff = makeEdit<QLineEdit>(s2, "TelUff", QStringLiteral("Tel. ufficio:"), x + 308, 0, 301);
    txtTelCel = makeEdit<QLineEdit>(s2, "TelCel", QStringLiteral("Tel. cellulare:"), x + 617, 0, 301);
    txtFax = makeEdit<QLineEdit>(s2, "Fax", QStringLiteral("Fax:"), x, 1, 300);
    txtEmail = makeEdit<QLineEdit>(s2, "Email", QStringLiteral("E-mail:"), x + 308, 1, 566);
    btnEmail = makePicture(s2, QStringLiteral("btnEmail"), QRect(x + 882, editTop(1), 30, 30), EmailPicture(QSize(30, 30)));

    QWidget *s3 = shpSezione03;
    const QPixmap check = CheckPicture(QSize(30, 30));
    txtCodFisc = makeEdit<QLineEdit>(s3, "CodFisc", QStringLiteral("Codice fiscale:"), x, 0, 232);
    btnCodFisc = makePicture(s3, QStringLiteral("btnCodFisc"), QRect(x + 238, editTop(0), 30, 30), check);
    txtCarta = makeEdit<QLineEdit>(s3, "Carta", QStringLiteral("Carta di credito n."), x + 282, 0, 300);
    btnCarta = makePicture(s3, QStringLiteral("btnCarta"), QRect(x + 588, editTop(0), 30, 30), check);
    txtScadeCarta = makeEdit<QLineEdit>(s3, "ScadeCarta", QStringLiteral("Scadenza:"), x + 632, 0, 286);
    txtPartitaIva = makeEdit<QLineEdit>(s3, "PartitaIva", QStringLiteral("Partita IVA:"), x, 1, 232);
    btnPartitaIva = makePicture(s3, QStringLiteral("btnPartitaIva"), QRect(x + 238, editTop(1), 30, 30), check);
    txtIban = makeEdit<QLineEdit>(s3, "Iban", QStringLiteral("IBAN:"), x + 282, 1, 400);
    btnIban = makePicture(s3, QStringLiteral("btnIban"), QRect(x + 688, editTop(1), 30, 30), check);

    QWidget *s4 = shpSezione04;
    txtDocumento = makeEdit<QLineEdit>(s4, "Documento", QStringLiteral("Estremi documento:"), x, 0, 440);
    txtOccupazione = makeEdit<QLineEdit>(s4, "Occupazione", QStringLiteral("Occupazione:"), x + 448, 0, 231);
    txtCivile = makeEdit<QLineEdit>(s4, "Civile", QStringLiteral("Stato civile:"), x + 687, 0, 231);
    txtTitoli = makeEdit<QLineEdit>(s4, "Titoli", QStringLiteral("Titoli e qualifiche:"), x, 1, 300);
    txtCaniOra = makeEdit<QLineEdit>(s4, "CaniOra", QStringLiteral("Animali posseduti attualmente:"), x + 308, 1, 301);
    txtCaniPrima = makeEdit<QLineEdit>(s4, "CaniPrima", QStringLiteral("Animali posseduti in passato:"), x + 617, 1, 301);

    QWidget *s5 = shpSezione05;
    txtQuestioni = makeEdit<QLineEdit>(s5, "Questioni", QStringLiteral("Questioni in sospeso:"), x, 0, 700);
    chkRicontatta = MakeNamed<QCheckBox>(s5, QStringLiteral("chkRicontatta"), QStringLiteral("Da ricontattare"));
    QFont chkFont(QStringLiteral("Tahoma"));
    chkFont.setPixelSize(13);
    chkFont.setBold(true);
    chkRicontatta->setFont(chkFont);
    chkRicontatta->setStyleSheet(QStringLiteral("color: #1f4e79;"));
    chkRicontatta->setGeometry(x + 720, editTop(0), 190, EditHeight);
    txtNote = makeEdit<QLineEdit>(s5, "Note", QStringLiteral("Note:"), x, 1, 700);
    btnPrivacy = makePicture(s5, QStringLiteral("btnPrivacy"), QRect(x + 720, editTop(1) - 8, 190, 46),
                             PrivacyPicture(QSize(190, 46)));

    // Attachments: values without an edit of their own.
    QLabel **hidden[6] = {&lblFile01, &lblFile02, &lblFile03, &lblDesc01, &lblDesc02, &lblDesc03};
    const char *hiddenNames[6] = {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"};
    for (int i = 0; i < 6; ++i) {
        *hidden[i] = MakeNamed<QLabel>(panScheda, QString::fromLatin1(hiddenNames[i]));
        (*hidden[i])->hide();
    }

    // The command column on the right, with the decoration under it.
    shpComandi = makePanel(panScheda, QStringLiteral("shpComandi"), QStringLiteral("#ddebf7"),
                           QStringLiteral("#9dc3e6"), 8);
    const int columnHeight = top - SectionGap - 12;
    shpComandi->setGeometry(SectionLeft + SectionWidth + 12, 12, PanelWidth - SectionWidth - 2 * SectionLeft - 12,
                            columnHeight);
    const struct {
        ClickLabel *&command;
        const char *name;
        const char *word;
    } commands[] = {
        {cmdNuovo, "cmdNuovo", "Nuovo"},
        {cmdDuplica, "cmdDuplica", "Duplica"},
        {cmdFile, "cmdFile", "Allega file"},
        {cmdSalva, "cmdSalva", "Salva"},
        {cmdTrova, "cmdTrova", "Trova"},
        {cmdAnteprima, "cmdAnteprima", "Anteprima"},
        {cmdStampa, "cmdStampa", "Stampa"},
        {cmdPDF, "cmdPDF", "Crea PDF"},
        {cmdRicontatta, "cmdRicontatta", "Da ricontattare"},
        {cmdEsporta, "cmdEsporta", "Esporta archivio"},
        {cmdGuida, "cmdGuida", "Guida"},
        {cmdEsci, "cmdEsci", "Esci"},
    };
    const QSize tile(shpComandi->width() - 16, 46);
    int y = 10;
    for (const auto &c : commands) {
        c.command = makePicture(shpComandi, QString::fromLatin1(c.name), QRect(QPoint(8, y), tile),
                                CommandPicture(QString::fromUtf8(c.word), tile));
        y += 52;
    }
    const int decoration = std::min(tile.width(), columnHeight - y - 8);
    imgDecorazione = MakeNamed<QLabel>(shpComandi, QStringLiteral("imgDecorazione"));
    imgDecorazione->setGeometry((shpComandi->width() - decoration) / 2, y + (columnHeight - y - decoration) / 2,
                                decoration, decoration);
    imgDecorazione->setPixmap(DecorationPicture(imgDecorazione->size()));
    imgDecorazione->setMouseTracking(true);

    // The foot: the status text and the arrows on either side of the record number.
    const int footTop = top + 4;
    const int arrow = 40;
    const int right = PanelWidth - SectionLeft;
    cmdUltimo = makePicture(panScheda, QStringLiteral("cmdUltimo"), QRect(right - arrow, footTop, arrow, arrow),
                            ArrowPicture(ArrowLast, QSize(arrow, arrow)));
    cmdAvanti = makePicture(panScheda, QStringLiteral("cmdAvanti"), QRect(right - 2 * arrow - 6, footTop, arrow, arrow),
                            ArrowPicture(ArrowNext, QSize(arrow, arrow)));
    lblPosizione = MakeNamed<QLabel>(panScheda, QStringLiteral("lblPosizione"));
    lblPosizione->setGeometry(right - 2 * arrow - 102, footTop, 90, arrow);
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setMouseTracking(true);
    QFont posFont(QStringLiteral("Verdana"));
    posFont.setPixelSize(15);
    posFont.setBold(true);
    lblPosizione->setFont(posFont);
    lblPosizione->setStyleSheet(
        QStringLiteral("QLabel { background: white; color: #1f4e79; border: 1px solid #9dc3e6; border-radius: 6px; }"));
    cmdIndietro = makePicture(panScheda, QStringLiteral("cmdIndietro"),
                              QRect(lblPosizione->x() - arrow - 6, footTop, arrow, arrow),
                              ArrowPicture(ArrowPrevious, QSize(arrow, arrow)));
    cmdPrimo = makePicture(panScheda, QStringLiteral("cmdPrimo"), QRect(cmdIndietro->x() - arrow - 6, footTop, arrow, arrow),
                           ArrowPicture(ArrowFirst, QSize(arrow, arrow)));
    panInfo = MakeNamed<QLabel>(panScheda, QStringLiteral("panInfo"),
                                QStringLiteral("Pronto per archiviare una nuova scheda..."));
    panInfo->setGeometry(SectionLeft, footTop, cmdPrimo->x() - SectionLeft - 12, arrow);
    panInfo->setFont(QFont(QStringLiteral("Tahoma"), 12));
    panInfo->setStyleSheet(QStringLiteral(
        "QLabel#panInfo { background: #2e75b6; color: white; border-radius: 6px; padding-left: 12px; }"));
    panInfo->setMouseTracking(true);

    // Highlights go behind the edits once these have their places.
    const struct {
        HighlightRect *&rect;
        QWidget *edit;
    } highlights[] = {
        {effCliente, txtCliente},     {effDataNasc, txtDataNasc},         {effComuneNasc, txtComuneNasc},
        {effProvNasc, txtProvNasc},   {effSesso, txtSesso},               {effRecapito, txtRecapito},
        {effIndirizzoRes, txtIndirizzoRes}, {effProvRes, txtProvRes},     {effComuneRes, txtComuneRes},
        {effCapRes, txtCapRes},       {effEstremi, txtEstremi},           {effTelCasa, txtTelCasa},
        {effTelUff, txtTelUff},       {effTelCel, txtTelCel},             {effFax, txtFax},
        {effEmail, txtEmail},         {effCodFisc, txtCodFisc},           {effCarta, txtCarta},
        {effScadeCarta, txtScadeCarta}, {effPartitaIva, txtPartitaIva},   {effIban, txtIban},
        {effDocumento, txtDocumento}, {effOccupazione, txtOccupazione},   {effCivile, txtCivile},
        {effTitoli, txtTitoli},       {effCaniOra, txtCaniOra},           {effCaniPrima, txtCaniPrima},
        {effQuestioni, txtQuestioni}, {effNote, txtNote},
    };
    for (const auto &h : highlights)
        h.rect = AttachFieldHighlight(h.edit, QStringLiteral("eff") + h.edit->objectName().mid(3));

    // Tab order: the fields in record order, the check box between the pending issues and the notes.
    const QList<QWidget *> tabs{txtCliente,    txtDataNasc,  txtComuneNasc, txtProvNasc,     txtSesso,
                                txtRecapito,   txtIndirizzoRes, txtProvRes, txtComuneRes,    txtCapRes,
                                txtEstremi,    txtTelCasa,   txtTelUff,     txtTelCel,       txtFax,
                                txtEmail,      txtCodFisc,   txtCarta,      txtScadeCarta,   txtPartitaIva,
                                txtIban,       txtDocumento, txtOccupazione, txtCivile,      txtTitoli,
                                txtCaniOra,    txtCaniPrima, txtQuestioni,  chkRicontatta,   txtNote};
    for (int i = 0; i + 1 < tabs.size(); ++i)
        setTabOrder(tabs[i], tabs[i + 1]);
}

void TfrmClienti::FormCreate()
{
    ApplyFormatSettings();

    const RecordLayout &layout = OwnerRecordLayout();
    card = new RecordCard(this, {
        .archiveFile = [] { return OwnerArchiveName; },
        .layout = &layout,
        .required = {{txtCliente, QStringLiteral("il nome del proprietario.")}},
        .resetOnDuplicate = {lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03},
        .duplicateOpensArchive = true,
        .firstField = txtCliente,
    });
    RegisterAttachmentTarget(QStringLiteral("clienti"), [] { return AttachmentLabelsOf(frmClienti); });

    // Typing limits are the field capacities; a few edits have rules of their own.
    for (int i = 0; i < 29; ++i) {
        QWidget *w = card->control(i);
        QLineEdit *edit = qobject_cast<QLineEdit *>(w);
        if (auto *combo = qobject_cast<QComboBox *>(w))
            edit = combo->lineEdit();
        EditRules rules;
        rules.maxLength = layout.field(i).capacity;
        if (w == txtCarta || w == txtPartitaIva) {
            rules.digitsOnly = true;
        } else if (w == txtSesso) {
            rules.typing = EditRules::Case::Upper;
        } else if (w == txtCodFisc || w == txtIban) {
            rules.typing = EditRules::Case::UpperTrim;
        } else if (w == txtProvNasc || w == txtProvRes) {
            // The focus rules of the province boxes come with MakeCodeCombo.
            rules.typing = EditRules::Case::UpperTrim;
        } else if (w == txtCapRes) {
            rules.upperOnKeyRelease = true;
        } else if (w == txtEmail) {
            rules.typing = EditRules::Case::Trim;
            rules.reapplyOnExit = true;
        }
        ApplyEditRules(edit, rules);
    }

    EnterFocusChain({txtCliente,    txtDataNasc,  txtComuneNasc, txtProvNasc,     txtSesso,
                     txtRecapito,   txtIndirizzoRes, txtProvRes, txtComuneRes,    txtCapRes,
                     txtEstremi,    txtTelCasa,   txtTelUff,     txtTelCel,       txtFax,
                     txtEmail,      txtCodFisc,   txtCarta,      txtScadeCarta,   txtPartitaIva,
                     txtIban,       txtDocumento, txtOccupazione, txtCivile,      txtTitoli,
                     txtCaniOra,    txtCaniPrima, txtQuestioni,  txtNote});

    const struct {
        ClickLabel *command;
        void (TfrmClienti::*handler)();
        const char *hint;
    } commands[] = {
        {cmdNuovo, &TfrmClienti::cmdNuovoClick, "Prepara la schermata per la registrazione di una nuova scheda."},
        {cmdDuplica, &TfrmClienti::cmdDuplicaClick,
         "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {cmdFile, &TfrmClienti::cmdFileClick, "Allega file alla scheda corrente."},
        {cmdSalva, &TfrmClienti::cmdSalvaClick, "Salva la scheda corrente in archivio."},
        {cmdTrova, &TfrmClienti::cmdTrovaClick, "Trova una scheda in archivio."},
        {cmdAnteprima, &TfrmClienti::cmdAnteprimaClick, "Visualizza l'anteprima di stampa."},
        {cmdStampa, &TfrmClienti::cmdStampaClick, "Stampa la scheda corrente."},
        {cmdPDF, &TfrmClienti::cmdPDFClick, "Esporta la scheda in formato PDF."},
        {cmdRicontatta, &TfrmClienti::cmdRicontattaClick, "Visualizza il riepilogo dei proprietari da ricontattare."},
        {cmdEsporta, &TfrmClienti::cmdEsportaClick, "Esporta le schede in archivio in un file di Microsoft Excel."},
        {cmdGuida, &TfrmClienti::cmdGuidaClick, "Visualizza la guida in linea."},
        {cmdEsci, &TfrmClienti::cmdEsciClick, "Esci dalla schermata di lavoro corrente."},
        {cmdPrimo, &TfrmClienti::cmdPrimoClick, "Visualizza la prima scheda in archivio."},
        {cmdIndietro, &TfrmClienti::cmdIndietroClick, "Visualizza la scheda precedente in archivio."},
        {cmdAvanti, &TfrmClienti::cmdAvantiClick, "Visualizza la scheda successiva in archivio."},
        {cmdUltimo, &TfrmClienti::cmdUltimoClick, "Visualizza l'ultima scheda in archivio."},
        {btnCodFisc, &TfrmClienti::btnCodFiscClick, "Controlla il codice fiscale."},
        {btnPartitaIva, &TfrmClienti::btnPartitaIvaClick, "Controlla il numero di partita IVA."},
        {btnCarta, &TfrmClienti::btnCartaClick, "Controlla il numero di carta di credito."},
        {btnIban, &TfrmClienti::btnIbanClick, "Controlla l'IBAN."},
        {btnEmail, &TfrmClienti::btnEmailClick, "Invia una e-mail all'indirizzo indicato."},
        {btnPrivacy, &TfrmClienti::btnPrivacyClick, "Stampa l'informativa sulla privacy."},
    };
    for (const auto &c : commands) {
        connect(c.command, &ClickLabel::clicked, this, c.handler);
        HoverHint(c.command, panInfo, QString::fromUtf8(c.hint));
    }
    HoverHint(chkRicontatta, panInfo,
              QStringLiteral("Annota che il proprietario è da ricontattare per questioni in sospeso."));

    // The background and its parts clear the hint.
    const QList<QWidget *> background{this,         panScheda,    shpSezione01, shpSezione02, shpSezione03,
                                      shpSezione04, shpSezione05, imgSezione01, imgSezione02, imgSezione03,
                                      imgSezione04, imgSezione05, shpComandi,   imgDecorazione, panInfo,
                                      lblPosizione};
    for (QWidget *w : background)
        ClearHintOver(w, panInfo);
}

void TfrmClienti::centerPanel()
{
    // Centred in the client area; a client smaller than the panel keeps its top left corner.
    panScheda->move(std::max(0, (width() - PanelWidth) / 2), std::max(0, (height() - PanelHeight) / 2));
}

void TfrmClienti::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    centerPanel();
}

void TfrmClienti::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // The card always opens empty; restoring a minimised window is not a new showing.
    if (!e->spontaneous())
        cmdNuovoClick();
}

void TfrmClienti::closeEvent(QCloseEvent *e)
{
    e->accept();
    ReturnToLauncher(this);
}

void TfrmClienti::cmdNuovoClick() { card->New(); }
void TfrmClienti::cmdDuplicaClick() { card->Duplicate(); }
void TfrmClienti::cmdSalvaClick() { card->Save(); }
void TfrmClienti::cmdPrimoClick() { card->First(); }
void TfrmClienti::cmdIndietroClick() { card->Previous(); }
void TfrmClienti::cmdAvantiClick() { card->Next(); }
void TfrmClienti::cmdUltimoClick() { card->Last(); }

void TfrmClienti::cmdFileClick()
{
    OpenAttachFiles(this, QStringLiteral("clienti"), AttachmentLabelsOf(this));
}

void TfrmClienti::cmdTrovaClick() { OpenOwnerSearch(this, QStringLiteral("clienti")); }

void TfrmClienti::cmdAnteprimaClick() { PreviewOwnerCard(*this); }

void TfrmClienti::cmdStampaClick() { PrintOwnerCard(*this); }

void TfrmClienti::cmdPDFClick() { ExportOwnerCardPdf(*this); }

void TfrmClienti::cmdRicontattaClick()
{
    OpenModal<TfrmRicontatta>(this);
}

void TfrmClienti::cmdEsportaClick()
{
    OpenModal<TfrmExpClienti>(this);
}

void TfrmClienti::cmdGuidaClick()
{
    ShowHelp(this, OwnerHelpTitle(), OwnerHelpParagraphs().join(QStringLiteral("\r\n\r\n")));
}

void TfrmClienti::cmdEsciClick() { close(); }

void TfrmClienti::btnCodFiscClick() { OpenTaxCodeCheck(this, txtCodFisc->text()); }
void TfrmClienti::btnPartitaIvaClick() { OpenVatCheck(this, txtPartitaIva->text()); }

void TfrmClienti::btnCartaClick() { OpenCardCheck(this, txtCarta->text()); }

void TfrmClienti::btnIbanClick() { OpenIbanCheck(this, txtIban->text()); }

void TfrmClienti::btnEmailClick()
{
    TMisc::Open(QStringLiteral("\"mailto:") + TrimText(txtEmail->text()) + QStringLiteral("\""));
}

void TfrmClienti::btnPrivacyClick()
{
    OpenModal<TfrmPrivacy>(this, [this](TfrmPrivacy &p) {
    TfrmPrivacy *privacy = &p;
    privacy->txtPaziente->setText(TrimText(txtCliente->text()));
    privacy->txtComuneNasc->setText(TrimText(txtComuneNasc->text()));
    privacy->txtProvNasc->setEditText(TrimText(txtProvNasc->currentText()));
    privacy->txtDataNasc->setText(TrimText(txtDataNasc->text()));
    privacy->txtComuneRes->setText(TrimText(txtComuneRes->text()));
    privacy->txtProvRes->setEditText(TrimText(txtProvRes->currentText()));
    privacy->txtCapRes->setText(TrimText(txtCapRes->text()));
    privacy->txtIndirizzo->setText(TrimText(txtIndirizzoRes->text()));
    privacy->txtCodFisc->setText(TrimText(txtCodFisc->text()));
    privacy->txtRecapito->setText(TrimText(txtRecapito->text()));
    privacy->txtData->setText(FormatDate(Today()));
    });
}
