#include "owners/Clienti.h"
#include "common/ui/WindowBuild.h"

#include "common/Dates.h"
#include "common/OpenURL.h"
#include "common/Text.h"
#include "common/ui/CardPanel.h"
#include "common/ui/CommandPictures.h"
#include "common/ui/CommandStrip.h"
#include "common/ui/FieldTable.h"
#include "common/ui/Look.h"
#include "common/ui/RecordCard.h"
#include "common/ui/RecordNavigator.h"
#include "common/ui/StatusLine.h"
#include "common/ui/Widgets.h"
#include "owners/Carta.h"
#include "owners/ExpClienti.h"
#include "owners/Iban.h"
#include "owners/OwnerHelp.h"
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
#include <functional>

WindowHandle<TfrmClienti> frmClienti;

namespace {

using namespace CardFrame;
constexpr int L = FieldLeft;
constexpr int Button = 28;       // the small checking and e-mail buttons

const FieldGrid Grid{.rowPitch = 52, .captionTop = 2, .editTop = 22, .editHeight = 28,
                     .editFont = Look::Verdana(12, true)};

int sectionHeight(int rows) { return rows * Grid.rowPitch + 4; }
QRect buttonAt(int x, int row) { return QRect(L + x, row * Grid.rowPitch + Grid.editTop, Button, Button); }

PictureMaker check() { return [](QSize size) { return CheckPicture(size); }; }

} // namespace

TfrmClienti::TfrmClienti(QWidget *parent) : QWidget(parent)
{
    // The pickers write into this card whether or not it is built yet.
    RegisterAttachmentTarget(QStringLiteral("clienti"), [] { return AttachmentLabelsOf(frmClienti.get()); });
    BuildWhenNeeded(this, [this] {
        PrepareCardWindow(this, QStringLiteral("frmClienti"), QStringLiteral(" Tavoren - Anagrafica Proprietari"));
        buildLayout();
        FormCreate();
    });
}

void TfrmClienti::buildLayout()
{
    QFrame *panel = PlaceCardPanel(this, QSize(PanelWidth, PanelHeight));

    // Five sections, one under the other, each with its picture at the left.
    const QList<QFrame *> s = MakeCardSections(panel, QPoint(Margin, Margin), SectionWidth, SectionGap,
                                               {GlyphSection(SectionGlyph::Person, sectionHeight(3)),
                                                GlyphSection(SectionGlyph::Phone, sectionHeight(2)),
                                                GlyphSection(SectionGlyph::Payment, sectionHeight(2)),
                                                GlyphSection(SectionGlyph::Identity, sectionHeight(2)),
                                                GlyphSection(SectionGlyph::Notes, sectionHeight(2))});
    const int footTop = s.last()->geometry().bottom() + 1 + Margin;

    auto *status = new StatusLine(panel, QStringLiteral("Pronto per archiviare una nuova scheda..."));
    const int navigatorLeft = PanelWidth - Margin - RecordNavigator::Width;
    status->setGeometry(Margin, footTop, navigatorLeft - 12 - Margin, RecordNavigator::Arrow);
    navigator_ = new RecordNavigator(panel, QPoint(navigatorLeft, footTop), status);
    lblPosizione = navigator_->position();

    using C = EditRules::Case;
    const QStringList *provinces = &ProvinceCodes();
    const Qt::Alignment centred = Qt::AlignCenter;
    FieldTable(Grid,
               {
                   {s[0],
                    {
                        {&txtCliente, "Cliente", "Cognome e nome:", L, 0, 300},
                        {&txtDataNasc, "DataNasc", "Data di nascita:", L + 308, 0, 130, {}, nullptr, centred},
                        {&txtComuneNasc, "ComuneNasc", "Comune di nascita:", L + 446, 0, 240},
                        {&txtProvNasc, "ProvNasc", "Prov.", L + 694, 0, 58, {}, provinces},
                        {&txtSesso, "Sesso", "Sesso:", L, 1, 50, {.typing = C::Upper}, nullptr, centred},
                        {&txtRecapito, "Recapito", "Telefono preferenziale:", L + 58, 1, 200},
                        {&txtIndirizzoRes, "IndirizzoRes", "Residente in Via / Piazza e numero civico:", L + 266, 1,
                         420},
                        {&txtProvRes, "ProvRes", "Prov.", L + 694, 1, 58, {}, provinces},
                        {&txtComuneRes, "ComuneRes", "Comune di residenza:", L, 2, 240},
                        {&txtCapRes, "CapRes", "CAP:", L + 248, 2, 80, {.upperOnKeyRelease = true}},
                        {&txtEstremi, "Estremi", "Modalità di pagamento:", L + 336, 2, 416},
                    }},
                   {s[1],
                    {
                        {&txtTelCasa, "TelCasa", "Tel. casa:", L, 0, 245},
                        {&txtTelUff, "TelUff", "Tel. ufficio:", L + 253, 0, 245},
                        {&txtTelCel, "TelCel", "Tel. cellulare:", L + 506, 0, 246},
                        {&txtFax, "Fax", "Fax:", L, 1, 245},
                        {&txtEmail, "Email", "E-mail:", L + 253, 1, 463, {.typing = C::Trim, .reapplyOnExit = true}},
                    }},
                   {s[2],
                    {
                        {&txtCodFisc, "CodFisc", "Codice fiscale:", L, 0, 200, {.typing = C::UpperTrim}},
                        {&txtCarta, "Carta", "Carta di credito n.", L + 248, 0, 250, {.digitsOnly = true}},
                        {&txtScadeCarta, "ScadeCarta", "Scadenza:", L + 546, 0, 206},
                        {&txtPartitaIva, "PartitaIva", "Partita IVA:", L, 1, 200, {.digitsOnly = true}},
                        {&txtIban, "Iban", "IBAN:", L + 248, 1, 340, {.typing = C::UpperTrim}},
                    }},
                   {s[3],
                    {
                        {&txtDocumento, "Documento", "Estremi documento:", L, 0, 360},
                        {&txtOccupazione, "Occupazione", "Occupazione:", L + 368, 0, 188},
                        {&txtCivile, "Civile", "Stato civile:", L + 564, 0, 188},
                        {&txtTitoli, "Titoli", "Titoli e qualifiche:", L, 1, 245},
                        {&txtCaniOra, "CaniOra", "Animali posseduti attualmente:", L + 253, 1, 245},
                        {&txtCaniPrima, "CaniPrima", "Animali posseduti in passato:", L + 506, 1, 246},
                    }},
                   {s[4],
                    {
                        {&txtQuestioni, "Questioni", "Questioni in sospeso:", L, 0, 560},
                        {&chkRicontatta, "Ricontatta", "Da ricontattare", L + 576, 0, 176},
                        {&txtNote, "Note", "Note:", L, 1, 560},
                    }},
               },
               &OwnerRecordLayout());
    status->hint(chkRicontatta, QStringLiteral("Annota che il proprietario è da ricontattare per questioni in sospeso."));

    // The small commands beside the fields.
    MakePictureCommands(s[1],
                        {{&btnEmail, "btnEmail", "Invia una e-mail all'indirizzo indicato.",
                          std::bind_front(&TfrmClienti::btnEmailClick, this),
                          [](QSize size) { return EmailPicture(size); }, buttonAt(724, 1)}},
                        status);
    MakePictureCommands(s[2],
                        {
                            {&btnCodFisc, "btnCodFisc", "Controlla il codice fiscale.",
                             std::bind_front(&TfrmClienti::btnCodFiscClick, this), check(), buttonAt(206, 0)},
                            {&btnCarta, "btnCarta", "Controlla il numero di carta di credito.",
                             std::bind_front(&TfrmClienti::btnCartaClick, this), check(), buttonAt(504, 0)},
                            {&btnPartitaIva, "btnPartitaIva", "Controlla il numero di partita IVA.",
                             std::bind_front(&TfrmClienti::btnPartitaIvaClick, this), check(), buttonAt(206, 1)},
                            {&btnIban, "btnIban", "Controlla l'IBAN.", std::bind_front(&TfrmClienti::btnIbanClick, this),
                             check(), buttonAt(594, 1)},
                        },
                        status);
    MakePictureCommands(s[4],
                        {{&btnPrivacy, "btnPrivacy", "Stampa l'informativa sulla privacy.",
                          std::bind_front(&TfrmClienti::btnPrivacyClick, this),
                          [](QSize size) { return PrivacyPicture(size); },
                          QRect(L + 576, Grid.rowPitch + Grid.editTop - 4, 176, 34)}},
                        status);

    // Attachments: values without an edit of their own.
    MakeAttachmentLabels(panel, lblFile, lblDesc);

    // The command column on the right, with the decoration under it.
    const auto run = [this](void (TfrmClienti::*handler)()) { return std::bind_front(handler, this); };
    MakeCommandColumn(
        panel, QRect(Margin + SectionWidth + Margin, Margin, PanelWidth - SectionWidth - 3 * Margin, footTop - 2 * Margin),
        {
            {&cmdNuovo, "cmdNuovo", "Nuovo", "Prepara la schermata per la registrazione di una nuova scheda.",
             run(&TfrmClienti::cmdNuovoClick)},
            {&cmdDuplica, "cmdDuplica", "Duplica",
             "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.",
             run(&TfrmClienti::cmdDuplicaClick)},
            {&cmdFile, "cmdFile", "Allega file", "Allega file alla scheda corrente.", run(&TfrmClienti::cmdFileClick)},
            {&cmdSalva, "cmdSalva", "Salva", "Salva la scheda corrente in archivio.", run(&TfrmClienti::cmdSalvaClick)},
            {&cmdTrova, "cmdTrova", "Trova", "Trova una scheda in archivio.", run(&TfrmClienti::cmdTrovaClick)},
            {&cmdAnteprima, "cmdAnteprima", "Anteprima", "Visualizza l'anteprima di stampa.",
             run(&TfrmClienti::cmdAnteprimaClick)},
            {&cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda corrente.", run(&TfrmClienti::cmdStampaClick)},
            {&cmdPDF, "cmdPDF", "Crea PDF", "Esporta la scheda in formato PDF.", run(&TfrmClienti::cmdPDFClick)},
            {&cmdRicontatta, "cmdRicontatta", "Da ricontattare",
             "Visualizza il riepilogo dei proprietari da ricontattare.", run(&TfrmClienti::cmdRicontattaClick)},
            {&cmdEsporta, "cmdEsporta", "Esporta archivio",
             "Esporta le schede in archivio in un file di Microsoft Excel.", run(&TfrmClienti::cmdEsportaClick)},
            {&cmdGuida, "cmdGuida", "Guida", "Visualizza la guida in linea.", run(&TfrmClienti::cmdGuidaClick)},
            {&cmdEsci, "cmdEsci", "Esci", "Esci dalla schermata di lavoro corrente.", run(&TfrmClienti::cmdEsciClick)},
        },
        status);

    status->clearOverBackground(this);
}

void TfrmClienti::FormCreate()
{
    ApplyFormatSettings();

    card = new RecordCard(this, {
        .archiveFile = [] { return OwnerArchiveName; },
        .layout = &OwnerRecordLayout(),
        .required = {{txtCliente, QStringLiteral("il nome del proprietario.")}},
        .resetOnDuplicate = {lblFile[0], lblFile[1], lblFile[2], lblDesc[0], lblDesc[1], lblDesc[2]},
        .duplicateOpensArchive = true,
        .firstField = txtCliente,
    });

    navigator_->attach(card);
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
