#include "invoices/Fatture.h"
#include "common/ui/WindowBuild.h"

#include "common/Dates.h"
#include "common/IniFile.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/Guard.h"
#include "common/Text.h"
#include "common/ui/CardPanel.h"
#include "common/ui/CommandPictures.h"
#include "common/ui/CommandStrip.h"
#include "common/ui/EditRules.h"
#include "common/ui/FieldTable.h"
#include "common/ui/Look.h"
#include "common/ui/RecordCard.h"
#include "common/ui/RecordNavigator.h"
#include "common/ui/SettingsBinding.h"
#include "common/ui/StatusLine.h"
#include "common/ui/Widgets.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "dialogs/PartitaIVA.h"
#include "dialogs/ReturnToLauncher.h"
#include "invoices/InvoiceEntry.h"
#include "invoices/InvoiceFields.h"
#include "invoice_reports/AnteprimaFat.h"
#include "invoice_reports/Crea_PDF_Fat.h"
#include "invoice_reports/ExpFatture.h"
#include "invoice_reports/Riepiloghi.h"
#include "invoice_reports/Sospese.h"
#include "invoice_reports/StampaFat.h"
#include "invoice_reports/TrovaFatture.h"
#include "invoices/InvoiceHelp.h"
#include "invoices/InvoiceMoney.h"
#include "invoices/DatiVeicolo.h"
#include "invoices/Logo.h"
#include "invoices/Numerazione.h"
#include "owners/OwnerHandBack.h"
#include "owners/OwnerRecord.h"
#include "owners/TrovaClienti.h"
#include "pricelist/PriceItemHandBack.h"
#include "pricelist/TrovaServizi.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QShowEvent>

#include <functional>
#include <optional>

WindowHandle<TfrmFatture> frmFatture;

namespace {

constexpr int PanelWidth = 995;
constexpr int PanelHeight = 692;
constexpr int Margin = 8;
constexpr int LinesPerPage = 5;
constexpr int Pages = InvoiceLineCount / LinesPerPage;
// The pages of lines lie one over the other between the blocks and the totals.
constexpr QSize PageSize(945, 230);
constexpr int BottomRowTop = 617;

const FieldGrid Grid{.rowPitch = 41, .captionTop = 0, .editTop = 18, .editHeight = 22,
                     .editFont = Look::Verdana(9)};

// The two-digit suffix of line or page `n`: "07".
QString Two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
// The letter of page `n` in the names of its arrows and heading: 1 is "A".
QString PageLetter(int n) { return QString(QLatin1Char(char('A' + n - 1))); }

PictureMaker word(const char *text)
{
    return [w = QString::fromUtf8(text)](QSize size) { return CommandPicture(w, size); };
}
PictureMaker check() { return [](QSize size) { return CheckPicture(size); }; }
PictureMaker arrow(int direction) { return [direction](QSize size) { return ArrowPicture(direction, size); }; }

QLabel *hiddenLabel(QWidget *parent, const char *name)
{
    auto *l = MakeNamed<QLabel>(parent, QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->hide();
    return l;
}

// A bold amount label on its pale shape: a line amount or a total.
QLabel *amountLabel(QWidget *parent, const QString &name, const QString &shape, const QRect &place)
{
    // Painted by its palette: seventy style sheets would slow the start-up.
    auto *back = MakeNamed<QFrame>(parent, shape);
    QPalette cream = back->palette();
    cream.setColor(QPalette::Window, QColor(0xfb, 0xf6, 0xe4));
    back->setPalette(cream);
    back->setAutoFillBackground(true);
    back->setMouseTracking(true);
    back->setGeometry(place);
    auto *l = MakeNamed<QLabel>(parent, name);
    l->setTextFormat(Qt::PlainText);
    l->setFont(Look::Verdana(9, true));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setGeometry(place.adjusted(2, 0, -6, 0));
    return l;
}

// A group of commands on its white shape, in a row.
QList<ClickLabel *> commandGroup(QWidget *panel, const char *shape, QPoint at, const QList<StripCommand> &commands,
                                 StatusLine *status, int tileWidth = 80)
{
    constexpr int tileHeight = 36;
    const int pitch = tileWidth + 4;
    QFrame *group = MakeRoundedPanel(panel, QString::fromLatin1(shape), Qt::white);
    group->setGeometry(at.x(), at.y(), 2 * Margin + int(commands.size()) * pitch - (pitch - tileWidth), tileHeight + 12);
    return MakeCommandStrip(group, {.orientation = Qt::Horizontal, .origin = QPoint(Margin, 6),
                                    .tile = QSize(tileWidth, tileHeight), .pitch = pitch},
                            commands, status);
}

} // namespace

TfrmFatture::TfrmFatture(QWidget *parent) : QWidget(parent)
{
    // The pickers write into this card whether or not it is built yet.
    RegisterOwnerTarget(QStringLiteral("fatture"), [] { return frmFatture; });
    for (int line = 1; line <= InvoiceLineCount; ++line)
        RegisterPriceItemTarget(InvoiceLineTag(line), [] { return frmFatture; });
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmFatture"));
        setWindowTitle(QStringLiteral(" Tavoren - Archivio Fatture Proforma"));
        SetGradientBackground(this, Look::WindowTop, Qt::white);
        setMouseTracking(true);
        buildLayout();
        InstallInvoiceFields(*this);
        FormCreate();
        setWindowState(Qt::WindowMaximized);
    });
}

TfrmFatture::~TfrmFatture() { delete issuerSettings_; }

void TfrmFatture::buildLayout()
{
    QFrame *panel = PlaceCardPanel(this, QSize(PanelWidth, PanelHeight));
    const auto run = [this](void (TfrmFatture::*handler)()) { return std::bind_front(handler, this); };

    // The bottom row first: the status line, on its strip, receives every hint.
    panInfo = PlaceStatusStrip(panel, QRect(Margin, BottomRowTop, 400, 44),
                               QStringLiteral("Pronto per archiviare una nuova scheda..."));

    // The command bar: two rows of groups, the record arrows and number in the first.
    commandGroup(panel, "shpNuovo", QPoint(Margin, 6),
                 {{&cmdNuovo, "cmdNuovo", "Nuovo",
                   "Predispone la schermata per l'emissione di una nuova fattura proforma.", run(&TfrmFatture::cmdNuovoClick)},
                  {&cmdSalva, "cmdSalva", "Salva", "Salva o aggiorna la fattura proforma corrente.",
                   run(&TfrmFatture::cmdSalvaClick)},
                  {&cmdTrova, "cmdTrova", "Trova", "Trova una fattura proforma in archivio.", [this] { OpenInvoiceSearch(this); }}},
                 panInfo);
    commandGroup(panel, "Rectangle1", QPoint(278, 6),
                 {{&cmdSospese, "cmdSospese", "Soggette IVA",
                   "Visualizza il riepilogo delle prestazioni soggette a IVA.", [this] { OpenVatInvoiceList(this); }}},
                 panInfo, 96);
    commandGroup(panel, "shpStampa", QPoint(396, 6),
                 {{&cmdAnteprima, "cmdAnteprima", "Anteprima",
                   "Visualizza l'anteprima di stampa della fattura proforma corrente.", [this] { if (workOutFigures()) OpenInvoicePreview(this); }},
                  {&cmdStampa, "cmdStampa", "Stampa", "Stampa la fattura proforma corrente.", [this] { if (workOutFigures()) OpenInvoicePrint(this); }},
                  {&cmdPDF, "cmdPDF", "PDF", "Esporta la fattura proforma corrente in formato PDF.", [this] { if (workOutFigures()) OpenInvoicePdf(this); }}},
                 panInfo, 90);
    QFrame *record = MakeRoundedPanel(panel, QStringLiteral("shpRecord"), Qt::white);
    record->setGeometry(PanelWidth - Margin - RecordNavigator::Width - 2 * Margin, 6, RecordNavigator::Width + 2 * Margin, RecordNavigator::Arrow + 8);
    navigator_ = new RecordNavigator(record, QPoint(Margin, 4), panInfo,
                                     {.first = "Visualizza la prima fattura proforma in archivio.",
                                      .previous = "Visualizza la fattura proforma precedente in archivio.",
                                      .next = "Visualizza la fattura proforma successiva in archivio.",
                                      .last = "Visualizza l'ultima fattura proforma in archivio."});
    lblPosizione = navigator_->position();
    commandGroup(panel, "shpNumerazione", QPoint(Margin, 58),
                 {{&cmdNumerazione, "cmdNumerazione", "Numerazione",
                   "Imposta il numero iniziale per la numerazione delle fatture proforma.", [this] { OpenInvoiceNumbering(this); }},
                  {&cmdEsporta, "cmdEsporta", "Esporta",
                   "Esporta le fatture proforma in archivio in un file di Microsoft Excel.", [this] { OpenInvoiceExport(this); }}},
                 panInfo, 110);
    commandGroup(panel, "shpRiepiloghi", QPoint(252, 58),
                 {{&cmdRiepMensile, "cmdRiepMensile", "Mensile",
                   "Visualizza il riepilogo mensile delle fatture proforma emesse.", [this] { OpenMonthlySummary(this); }},
                  {&cmdRiepTrimestrale, "cmdRiepTrimestrale", "Trimestrale",
                   "Visualizza il riepilogo trimestrale delle fatture proforma emesse.", [this] { OpenQuarterlySummary(this); }},
                  {&cmdRiepAnnuale, "cmdRiepAnnuale", "Annuale",
                   "Visualizza il riepilogo annuale delle fatture proforma emesse.", [this] { OpenAnnualSummary(this); }}},
                 panInfo, 110);
    commandGroup(panel, "shpEsci", QPoint(614, 58),
                 {{&cmdGuida, "cmdGuida", "Guida", "Visualizza la pagina della guida sensibile al contesto.",
                   run(&TfrmFatture::cmdGuidaClick)},
                  {&cmdEsci, "cmdEsci", "Esci", "Esci da questa schermata di lavoro.", run(&TfrmFatture::cmdEsciClick)}},
                 panInfo);

    // The three blocks: issuer, customer, document.
    constexpr int blockTop = 112, blockHeight = 5 * 41 + 4;
    QFrame *panDitta = MakeRoundedPanel(panel, QStringLiteral("panDitta"), Qt::white);
    panDitta->setGeometry(Margin, blockTop, 330, blockHeight);
    QFrame *panCliente = MakeRoundedPanel(panel, QStringLiteral("panCliente"), Qt::white);
    panCliente->setGeometry(344, blockTop, 330, blockHeight);
    QFrame *panNumFattura = MakeRoundedPanel(panel, QStringLiteral("panNumFattura"), Qt::white);
    panNumFattura->setGeometry(680, blockTop, PanelWidth - 680 - Margin, blockHeight);

    // The pages of article lines, all at one place.
    auto *lines = MakeNamed<QWidget>(panel, QStringLiteral("panRighe"));
    lines->setGeometry((PanelWidth - PageSize.width()) / 2, blockTop + blockHeight + 6, PageSize.width(),
                       PageSize.height());
    buildLines(lines);

    // The totals strip and the notes.
    QFrame *totals = MakeRoundedPanel(panel, QStringLiteral("shpTotali"), Qt::white);
    totals->setGeometry(Margin, lines->geometry().bottom() + 7, PanelWidth - 2 * Margin, 46);
    QFrame *bottom = MakeRoundedPanel(panel, QStringLiteral("shpNote"), Qt::white);
    bottom->setGeometry(416, BottomRowTop, PanelWidth - 416 - Margin, 46);

    using C = EditRules::Case;
    const QStringList *provinces = &ProvinceCodes();
    const Qt::Alignment centred = Qt::AlignCenter;
    FieldTable(Grid,
               {
                   {panDitta,
                    {
                        {&txtDitta, "Ditta", "Ditta emittente:", 8, 0, 250},
                        {&txtViaDitta, "ViaDitta", "Via e numero civico:", 8, 1, 314},
                        {&txtCapDitta, "CapDitta", "CAP:", 8, 2, 60},
                        {&txtCittaDitta, "CittaDitta", "Città:", 74, 2, 180},
                        {&txtProvDitta, "ProvDitta", "Prov.", 260, 2, 62, {}, provinces},
                        {&txtIvaDitta, "IvaDitta", "Partita IVA:", 8, 3, 104, {.digitsOnly = true}},
                        {&txtCodFiscDitta, "CodFiscDitta", "Codice fiscale:", 144, 3, 150, {.typing = C::UpperTrim}},
                        {&txtLibero01, "Libero01", "Campo libero 1:", 8, 4, 153},
                        {&txtLibero02, "Libero02", "Campo libero 2:", 169, 4, 153},
                    }},
                   {panCliente,
                    {
                        {&txtCliente, "Cliente", "Cognome e nome o ragione sociale Cliente:", 8, 0, 286},
                        {&txtViaCliente, "ViaCliente", "Via e numero civico:", 8, 1, 314},
                        {&txtCapCliente, "CapCliente", "CAP:", 8, 2, 60},
                        {&txtCittaCliente, "CittaCliente", "Città:", 74, 2, 180},
                        {&txtProvCliente, "ProvCliente", "Prov.", 260, 2, 62, {}, provinces},
                        {&txtIvaCliente, "IvaCliente", "Partita IVA:", 8, 3, 104, {.digitsOnly = true}},
                        {&txtCodFiscCliente, "CodFiscCliente", "Codice fiscale:", 144, 3, 150,
                         {.typing = C::UpperTrim}},
                        {&txtRiferimenti, "Riferimenti", "Riferimenti:", 8, 4, 190},
                    }},
                   {panNumFattura,
                    {
                        {&txtNumFatt, "NumFatt", "Proforma n.", 8, 0, 120, {}, nullptr, centred},
                        {&txtData, "Data", "Data emissione:", 136, 0, 120, {}, nullptr, centred},
                        {&txtPagamento, "Pagamento", "Pagamento:", 8, 1, 283},
                        {&txtBanca, "Banca", "Banca d'appoggio:", 8, 2, 283},
                        {&txtIban, "Iban", "IBAN:", 8, 3, 283, {.typing = C::UpperTrim}},
                    }},
                   {totals,
                    {
                        {&txtPercIva, "PercIva", "IVA:", 146, 0, 70, {}, nullptr, centred},
                    }},
                   {bottom,
                    {
                        {&txtNote, "Note", "NOTE:", 8, 0, 420},
                        {&chkSaldata, "Saldata", "IVA esente", 440, 0, 120},
                    }},
               },
               &InvoiceRecordLayout(), {.chain = FieldBehaviour::Chain::Own});
    panInfo->hint(chkSaldata, QStringLiteral("Contrassegna come documento IVA esente."));
    InstallInvoiceNumberRules(txtPercIva, InvoiceNumberKind::Rate, [this] { clearTotals(); });

    // The additional texts of the invoice and the card's state, without an edit of their own.
    memVeicolo = hiddenLabel(panCliente, "memVeicolo");
    memMarca = hiddenLabel(panCliente, "memMarca");
    memColore = hiddenLabel(panCliente, "memColore");
    memImmatricolazione = hiddenLabel(panCliente, "memImmatricolazione");
    memAlimentazione = hiddenLabel(panCliente, "memAlimentazione");
    memTarga = hiddenLabel(panCliente, "memTarga");
    lblFile = hiddenLabel(panel, "lblFile");
    lblAnno = hiddenLabel(panel, "lblAnno");
    lblInizio = hiddenLabel(panel, "lblInizio");
    lblSolare = hiddenLabel(panel, "lblSolare");

    // The small commands beside the fields.
    const auto beside = [](int x, int row, int width = 22) { return QRect(x, row * Grid.rowPitch + Grid.editTop, width, 22); };
    MakePictureCommands(panDitta,
                        {
                            {&btnLogo, "btnLogo", "Carica il logo della Ditta emittente.", [this] { OpenLogoDialog(this); }, word("Logo"),
                             beside(262, 0, 32)},
                            {&btnCancDitta, "btnCancDitta", "Cancella i dati della Ditta emittente.",
                             run(&TfrmFatture::btnCancDittaClick), word("X"), beside(298, 0)},
                            {&btnIvaDitta, "btnIvaDitta", "Controlla il numero di partita IVA.",
                             run(&TfrmFatture::btnIvaDittaClick), check(), beside(116, 3)},
                            {&btnCodFiscDitta, "btnCodFiscDitta", "Controlla il codice fiscale.",
                             run(&TfrmFatture::btnCodFiscDittaClick), check(), beside(298, 3)},
                        },
                        panInfo);
    MakePictureCommands(panCliente,
                        {
                            {&impCliente, "impCliente", "Importa i dati del cliente dall'archivio anagrafico.",
                             run(&TfrmFatture::impClienteClick), arrow(ArrowPrevious), beside(298, 0)},
                            {&btnIvaCliente, "btnIvaCliente", "Controlla il numero di partita IVA.",
                             run(&TfrmFatture::btnIvaClienteClick), check(), beside(116, 3)},
                            {&btnCodFiscCliente, "btnCodFiscCliente", "Controlla il codice fiscale.",
                             run(&TfrmFatture::btnCodFiscClienteClick), check(), beside(298, 3)},
                        },
                        panInfo);
    MakePictureCommands(panNumFattura,
                        {{&impOggi, "impOggi", "Inserisci la data corrente.", run(&TfrmFatture::impOggiClick),
                          word("Oggi"), beside(260, 0, 36)}},
                        panInfo);
    cmdDatiComputer = MakeNamed<QPushButton>(panCliente, QStringLiteral("cmdDatiComputer"));
    cmdDatiComputer->setText(QStringLiteral("Altre informazioni"));
    cmdDatiComputer->setFocusPolicy(Qt::NoFocus);
    cmdDatiComputer->setGeometry(206, 4 * Grid.rowPitch + Grid.editTop - 2, 116, 26);
    panInfo->hint(cmdDatiComputer, QStringLiteral("Apri la finestra per l'inserimento dei dati del veicolo."));

    // The totals.
    const auto total = [&](QLabel **label, const char *field, const char *caption, int x, int width) {
        MakeCaption(totals, QStringLiteral("tit") + QLatin1String(field), QString::fromUtf8(caption),
                    QRect(x, Grid.captionTop, width, 18));
        *label = amountLabel(totals, QStringLiteral("txt") + QLatin1String(field),
                             QStringLiteral("shp") + QLatin1String(field),
                             QRect(x, Grid.editTop, width, Grid.editHeight));
    };
    total(&txtTotImponibile, "TotImponibile", "Tot. imponibile:", 8, 130);
    MakeCaption(totals, QStringLiteral("titPercento"), QStringLiteral("%"), QRect(220, Grid.editTop + 2, 14, 18));
    total(&txtTotImposta, "TotImposta", "Tot. imposta:", 240, 120);
    total(&txtTotIva, "TotIva", "Tot. IVA inclusa:", 368, 130);
    total(&txtTotEsente, "TotEsente", "Tot. esente:", 506, 120);
    total(&txtTotFattura, "TotFattura", "TOTALE:", 756, 160);
    txtTotFattura->setStyleSheet(QStringLiteral("color: maroon;"));
    totals->findChild<QLabel *>(QStringLiteral("titTotFattura"))->setStyleSheet(QStringLiteral("color: crimson;"));
    cmdCalcola = MakeNamed<QPushButton>(totals, QStringLiteral("cmdCalcola"));
    cmdCalcola->setText(QStringLiteral("Calcola"));
    cmdCalcola->setFocusPolicy(Qt::NoFocus);
    cmdCalcola->setGeometry(640, Grid.editTop - 3, 100, 28);
    panInfo->hint(cmdCalcola, QStringLiteral("Effettua il calcolo dei totali."));

    connect(cmdCalcola, &QPushButton::clicked, this, &TfrmFatture::cmdCalcolaClick);
    connect(cmdDatiComputer, &QPushButton::clicked, this, [this] { OpenExtraInfo(this); });
    panInfo->clearOverBackground(this);
}

void TfrmFatture::buildLines(QWidget *area)
{
    // Columns of a line, left to right: x and width.
    struct Column {
        int x, width;
    };
    constexpr Column Num{4, 32}, Quant{40, 56}, Codice{100, 140}, Desc{244, 350}, Prezzo{598, 100},
        Sconto{702, 56}, Importo{762, 120}, Es{892, 20}, Mag{916, 22};
    constexpr int headTop = 6, headHeight = 30, captionTop = 42, firstLine = 62, linePitch = 32, lineHeight = 24;
    constexpr QSize arrowShape(48, headHeight);
    const QFont font = Look::Verdana(9);
    QPalette navy = area->palette();
    navy.setColor(QPalette::WindowText, Look::Navy);

    for (int p = 1; p <= Pages; ++p) {
        QFrame *page = MakeRoundedPanel(area, QStringLiteral("grpPage") + Two(p), Qt::white);
        page->setGeometry(QRect(QPoint(0, 0), PageSize));
        grpPage[size_t(p - 1)] = page;
        const QString letter = PageLetter(p);
        const int from = (p - 1) * LinesPerPage + 1;
        MakeDrawnPicture(page, QStringLiteral("titProdotti_") + letter,
                         QRect((PageSize.width() - 420) / 2, headTop, 420, headHeight),
                         [](QSize size) { return BandHeadingPicture(QStringLiteral("PRODOTTI E SERVIZI FORNITI"), size); });

        // The arrows on their shapes: back at the left, forward at the right. The back arrow of
        // the first page and the forward arrow of the last lead nowhere: grey, and inert.
        const auto pageArrow = [&](const char *stem, int direction, int x, int target) {
            QFrame *shape = MakeRoundedPanel(page, QStringLiteral("shp") + QLatin1String(stem) + letter, Qt::white, 6);
            shape->setGeometry(QRect(QPoint(x, headTop), arrowShape));
            const QString name = QStringLiteral("img") + QLatin1String(stem) + letter;
            const QRect place(6, 3, arrowShape.width() - 12, arrowShape.height() - 6);
            const bool leads = target >= 1 && target <= Pages;
            if (!leads) {
                auto *grey = new ClickLabel(shape, name);
                grey->setCursor(Qt::ArrowCursor);
                // Over it the status text stays as it was.
                grey->setAttribute(Qt::WA_NoMousePropagation);
                grey->setGeometry(place);
                DrawPictureOnFirstShow(grey, [direction](QSize size) { return PageArrowPicture(direction, false, size); });
                return;
            }
            const QByteArray latin = name.toLatin1();
            MakePictureCommands(shape,
                                {{nullptr, latin.constData(),
                                  direction == ArrowNext ? "Visualizza i prossimi cinque articoli."
                                                         : "Visualizza i cinque articoli precedenti.",
                                  [this, target] { turnPage(target); },
                                  [direction](QSize size) { return PageArrowPicture(direction, true, size); }, place}},
                                panInfo);
        };
        pageArrow("Indietro_", ArrowPrevious, 8, p - 1);
        pageArrow("Avanti_", ArrowNext, PageSize.width() - 8 - arrowShape.width(), p + 1);

        const auto caption = [&](const char *name, const char *text, Column c) {
            auto *l = MakeNamed<QLabel>(page, QLatin1String(name) + QStringLiteral("_") + letter, QString::fromUtf8(text));
            l->setFont(Look::TahomaPixels(12));
            l->setPalette(navy);
            l->setGeometry(c.x, captionTop, c.width + 20, 18);
        };
        caption("titQuant", "Quant.", Quant);
        caption("titCodice", "Codice articolo:", Codice);
        caption("titDesc", "Descrizione:", Desc);
        caption("titPrezzo", "Prezzo:", Prezzo);
        caption("titPercSconto", "% Sc.", Sconto);
        caption("titImporto", "Importo tot.", Importo);
        caption("titEs", "Es.", Es);

        for (int k = 0; k < LinesPerPage; ++k) {
            const int line = from + k;
            const size_t i = size_t(line - 1);
            const int y = firstLine + k * linePitch;
            const QString nn = Two(line);
            const auto place = [y](Column c) { return QRect(c.x, y, c.width, lineHeight); };

            lblNum[i] = MakeNamed<QLabel>(page, QStringLiteral("lblNum") + nn);
            lblNum[i]->setText(QString::number(line) + QLatin1Char('.'));
            lblNum[i]->setFont(Look::Verdana(9, true));
            lblNum[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            lblNum[i]->setGeometry(place(Num));

            // Text edits type up to their capacity; number edits take the invoice's number rules,
            // and any key in them first empties the line's amount and the totals.
            const auto edit = [&](const char *column, Column c, Qt::Alignment alignment,
                                  std::optional<InvoiceNumberKind> number) {
                const QString name = QLatin1String(column) + nn;
                auto *e = MakeNamed<QLineEdit>(page, QStringLiteral("txt") + name);
                e->setFont(font);
                e->setAlignment(alignment);
                e->setGeometry(place(c));
                if (number)
                    InstallInvoiceNumberRules(e, *number, [this, line] { clearLineAmount(line); });
                else
                    ApplyEditRules(e, {.maxLength = InvoiceRecordLayout().capacity(InvoiceRecordLayout().indexOf(name))});
                AttachFieldHighlight(e, QStringLiteral("eff") + name);
                return e;
            };
            const auto left = Qt::AlignLeft | Qt::AlignVCenter;
            txtQuant[i] = edit("Quant", Quant, Qt::AlignCenter, InvoiceNumberKind::Quantity);
            txtCodice[i] = edit("Codice", Codice, left, std::nullopt);
            txtDesc[i] = edit("Desc", Desc, left, std::nullopt);
            // Named in messages by their column and line.
            txtCodice[i]->setAccessibleName(QStringLiteral("Codice articolo della riga %1").arg(line));
            txtDesc[i]->setAccessibleName(QStringLiteral("Descrizione della riga %1").arg(line));
            txtPrezzo[i] = edit("Prezzo", Prezzo, Qt::AlignRight | Qt::AlignVCenter, InvoiceNumberKind::UnitPrice);
            txtPercSconto[i] = edit("PercSconto", Sconto, Qt::AlignCenter, InvoiceNumberKind::Discount);
            txtImporto[i] = amountLabel(page, QStringLiteral("txtImporto") + nn, QStringLiteral("shpImporto") + nn,
                                        place(Importo));
            chkEs[i] = MakeNamed<QCheckBox>(page, QStringLiteral("chkEs") + nn);
            chkEs[i]->setGeometry(place(Es));
            panInfo->hint(chkEs[i], QStringLiteral("Contrassegna come articolo esente da IVA."));
            const QByteArray mag = (QStringLiteral("impMag") + nn).toLatin1();
            MakePictureCommands(page,
                                {{&impMag[i], mag.constData(),
                                  "Importa i dati dell'articolo dal Tariffario Prodotti e Servizi.",
                                  [this, line] { impMagClick(line); }, arrow(ArrowPrevious), place(Mag)}},
                                panInfo);
        }
    }
    showPage(1);
}

void TfrmFatture::FormCreate()
{
    ApplyFormatSettings();

    card = new RecordCard(this, {
        .archiveFile = [this] { return TrimText(lblFile->text()); },
        .layout = &InvoiceRecordLayout(),
        .required = {{txtCliente, QStringLiteral("il nome o la ragione sociale del cliente.")},
                     {txtNumFatt, QStringLiteral("il numero della fattura proforma.")},
                     {txtData, QStringLiteral("la data della fattura proforma.")}},
        .keptByNew = {txtDitta, txtViaDitta, txtCapDitta, txtCittaDitta, txtProvDitta, txtIvaDitta, txtCodFiscDitta,
                      txtLibero01, txtLibero02, txtPagamento, txtBanca, txtIban, txtPercIva},
        .numbering = DocumentNumbering{
            .section = QStringLiteral("Numerazione Fatture"),
            .target = txtNumFatt,
            .text =
                [this](qint64 n) {
                    // The year suffix is today's year, whatever the year of the archive.
                    const QString settings = ProgramFile(SettingsFileName);
                    const QString section = QStringLiteral("Numerazione Fatture");
                    const QString start = IniReadString(settings, section, QStringLiteral("Inizio"));
                    lblInizio->setText(TrimText(start).isEmpty() ? QStringLiteral("1") : start);
                    lblSolare->setText(IniReadString(settings, section, QStringLiteral("Indicazione Anno Solare")));
                    QString number = QString::number(n);
                    if (TrimText(lblSolare->text()) == YesNoFlag(true))
                        number += QLatin1Char('/') + Today().toString(QStringLiteral("yyyy"));
                    return number;
                },
        },
        .firstField = txtCliente,
        .reveal = [this](QWidget *field) { revealField(field); },
        .failures = {.newCard = NoticeKind::Error, .save = NoticeKind::Warning, .first = NoticeKind::Warning,
                     .previous = NoticeKind::Error, .next = NoticeKind::Error, .last = NoticeKind::Error},
        .afterClear = [this] { showPage(1); },
        .afterNew = [this] { txtData->setText(FormatDate(Today())); },
        .beforeSave = [this] { return checkBeforeSave() && confirmArchiveYear(); },
    });
    navigator_->attach(card);

    // The issuer defaults kept in the settings file, read at every showing and written at close.
    const QString section = QStringLiteral("Ditta Emittente");
    issuerSettings_ = new SettingsBinding({
        {txtDitta, section, QStringLiteral("Nome")},
        {txtViaDitta, section, QStringLiteral("Indirizzo")},
        {txtCapDitta, section, QStringLiteral("CAP")},
        {txtCittaDitta, section, QStringLiteral("Comune")},
        {txtProvDitta, section, QStringLiteral("Provincia")},
        {txtIvaDitta, section, QStringLiteral("Partita IVA")},
        {txtCodFiscDitta, section, QStringLiteral("Codice Fiscale")},
        {txtLibero01, section, QStringLiteral("Campo Libero 1")},
        {txtLibero02, section, QStringLiteral("Campo Libero 2")},
        {txtPagamento, section, QStringLiteral("Pagamento")},
        {txtBanca, section, QStringLiteral("Banca Appoggio")},
        {txtIban, section, QStringLiteral("Iban")},
        {txtPercIva, section, QStringLiteral("Aliquota Iva")},
    });
}

void TfrmFatture::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // Restoring a minimised window is not a new showing.
    if (e->spontaneous())
        return;
    issuerSettings_->load(ProgramFile(SettingsFileName));
    ClearInvoiceCard();
}

void TfrmFatture::closeEvent(QCloseEvent *e)
{
    // An issuer value the settings file could not keep as shown holds the card open, with the focus
    // on it; a settings file that cannot be written is reported, and the card closes all the same.
    if (!issuerSettings_->storable()) {
        e->ignore();
        return;
    }
    e->accept();
    RunReportingErrors([this] { issuerSettings_->save(ProgramFile(SettingsFileName)); },
                       SettingsWriteFailureMessage());
    ReturnToLauncher(this);
}

void TfrmFatture::ClearInvoiceCard()
{
    card->clear();
    txtCliente->setFocus();
}

void TfrmFatture::LoadInvoiceIntoCard(const Record &invoice, int number) { card->showRecord(invoice, number); }

void TfrmFatture::showPage(int page)
{
    for (int p = 1; p <= Pages; ++p)
        grpPage[size_t(p - 1)]->setVisible(p == page);
}

void TfrmFatture::revealField(QWidget *field)
{
    for (int p = 1; p <= Pages; ++p)
        if (grpPage[size_t(p - 1)]->isAncestorOf(field))
            showPage(p);
}

void TfrmFatture::turnPage(int page)
{
    showPage(page);
    txtQuant[size_t((page - 1) * LinesPerPage)]->setFocus();
}

bool TfrmFatture::checkBeforeSave()
{
    // The date as typed must exist; it is kept in the one form the summaries read.
    if (!IsValidDateText(txtData->text())) {
        ShowNotice(NoticeKind::Warning,
                   QString::fromUtf8("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda è "
                                     "necessario indicare una data valida nel formato gg/mm/anno."));
        txtData->setFocus();
        return false;
    }
    txtData->setText(FormatDate(*ParseDateText(txtData->text())));

    // A number cut to its field would be stored as another number: refuse it, naming the field.
    struct NumberField {
        QWidget *control;
        QString name;
        int line;  // 0: not a line field
    };
    QList<NumberField> numbers;
    for (int i = 0; i < InvoiceLineCount; ++i) {
        numbers.append({txtQuant[size_t(i)], QStringLiteral("Quant."), i + 1});
        numbers.append({txtPrezzo[size_t(i)], QStringLiteral("Prezzo"), i + 1});
        numbers.append({txtPercSconto[size_t(i)], QStringLiteral("% Sc."), i + 1});
        numbers.append({txtImporto[size_t(i)], QStringLiteral("Importo tot."), i + 1});
    }
    numbers.append({txtTotImponibile, QStringLiteral("Tot. imponibile"), 0});
    numbers.append({txtPercIva, QStringLiteral("IVA"), 0});
    numbers.append({txtTotImposta, QStringLiteral("Tot. imposta"), 0});
    numbers.append({txtTotIva, QStringLiteral("Tot. IVA inclusa"), 0});
    numbers.append({txtTotEsente, QStringLiteral("Tot. esente"), 0});
    numbers.append({txtTotFattura, QStringLiteral("TOTALE"), 0});
    const RecordLayout &layout = InvoiceRecordLayout();
    for (const NumberField &f : numbers) {
        const int capacity = layout.capacity(layout.indexOf(f.control->objectName().mid(3)));
        const QString where = f.line ? QStringLiteral("\"%1\" della riga %2").arg(f.name).arg(f.line)
                                     : QStringLiteral("\"%1\"").arg(f.name);
        if (!NumberFitsField(f.control, ControlText(f.control), where, capacity,
                             [this](QWidget *field) { revealField(field); }))
            return false;
    }
    return true;
}

bool TfrmFatture::confirmArchiveYear()
{
    // Saved in another year's archive, an invoice would be counted by no summary and no chart.
    const QString archiveYear = TrimText(lblAnno->text());
    const std::optional<QDate> date = ParseDateText(txtData->text());
    const QString dateYear = date ? FormatDate(*date).mid(6) : QString();
    if (archiveYear.isEmpty() || !date || dateYear == archiveYear)
        return true;
    if (AskYesNo(QString::fromUtf8("Attenzione: la data della fattura proforma appartiene all'anno %1, mentre "
                                   "l'archivio aperto è quello dell'anno %2: la fattura non comparirebbe nei "
                                   "riepiloghi e nelle statistiche di nessuno dei due anni.\r\n\r\n"
                                   "Si vuole salvare ugualmente la fattura proforma?")
                     .arg(dateYear, archiveYear)))
        return true;
    txtData->setFocus();
    return false;
}

void TfrmFatture::cmdNuovoClick() { card->New(); }

void TfrmFatture::cmdSalvaClick()
{
    // The totals are worked out first; a text that does not convert refuses the Save.
    if (workOutFigures())
        card->Save();
}

void TfrmFatture::cmdPrimoClick() { card->First(); }
void TfrmFatture::cmdIndietroClick() { card->Previous(); }
void TfrmFatture::cmdAvantiClick() { card->Next(); }
void TfrmFatture::cmdUltimoClick() { card->Last(); }

void TfrmFatture::cmdCalcolaClick() { workOutFigures(); }

bool TfrmFatture::workOutFigures()
{
    // The commands take no focus: the edit being typed in has not been left, so its exit rule is
    // applied here, with every other's, before its text is read.
    for (int i = 0; i < InvoiceLineCount; ++i)
        for (QLineEdit *e : {txtQuant[size_t(i)], txtPrezzo[size_t(i)], txtPercSconto[size_t(i)]})
            TidyInvoiceNumberEdit(e);
    TidyInvoiceNumberEdit(txtPercIva);
    return calculate();
}

bool TfrmFatture::calculate()
{
    InvoiceLines lines;
    for (size_t i = 0; i < lines.size(); ++i)
        lines[i] = {txtQuant[i]->text(), txtPrezzo[i]->text(), txtPercSconto[i]->text(), chkEs[i]->isChecked()};
    const InvoiceCalculation result = CalculateInvoice(lines, txtPercIva->text());
    if (!result.ok()) {
        const InvoiceFailure &failure = *result.failure;
        ShowNotice(NoticeKind::Warning, failure.message());
        QLineEdit *field = txtPercIva;
        if (failure.line >= 1) {
            const size_t i = size_t(failure.line - 1);
            field = failure.field == InvoiceField::Price      ? txtPrezzo[i]
                    : failure.field == InvoiceField::Discount ? txtPercSconto[i]
                                                              : txtQuant[i];
            showPage((failure.line - 1) / LinesPerPage + 1);
        }
        field->setFocus();
        return false;
    }
    const InvoiceTotals &t = *result.totals;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (txtQuant[i]->text() != t.quantities[i])
            txtQuant[i]->setText(t.quantities[i]);
        if (txtPrezzo[i]->text() != t.prices[i])
            txtPrezzo[i]->setText(t.prices[i]);
        txtImporto[i]->setText(t.amounts[i]);
    }
    if (txtPercIva->text() != t.rate)
        txtPercIva->setText(t.rate);
    txtTotImponibile->setText(t.taxable);
    txtTotImposta->setText(t.tax);
    txtTotIva->setText(t.withTax);
    txtTotEsente->setText(t.exempt);
    txtTotFattura->setText(t.total);
    return true;
}

void TfrmFatture::clearLineAmount(int line)
{
    txtImporto[size_t(line - 1)]->clear();
    clearTotals();
}

void TfrmFatture::clearTotals()
{
    for (QLabel *total : {txtTotImponibile, txtTotImposta, txtTotIva, txtTotEsente, txtTotFattura})
        total->clear();
}

void TfrmFatture::cmdGuidaClick()
{
    ShowHelp(this, InvoiceHelpTitle(), InvoiceHelpParagraphs().join(QStringLiteral("\r\n\r\n")));
}

void TfrmFatture::cmdEsciClick() { close(); }

void TfrmFatture::btnCancDittaClick()
{
    for (QLineEdit *e : {txtDitta, txtViaDitta, txtCapDitta, txtCittaDitta})
        e->clear();
    txtProvDitta->setCurrentText(QString());
    for (QLineEdit *e : {txtIvaDitta, txtCodFiscDitta, txtLibero01, txtLibero02})
        e->clear();
    txtDitta->setFocus();
}

void TfrmFatture::btnIvaDittaClick() { OpenVatCheck(this, txtIvaDitta->text()); }
void TfrmFatture::btnCodFiscDittaClick() { OpenTaxCodeCheck(this, txtCodFiscDitta->text()); }
void TfrmFatture::btnIvaClienteClick() { OpenVatCheck(this, txtIvaCliente->text()); }
void TfrmFatture::btnCodFiscClienteClick() { OpenTaxCodeCheck(this, txtCodFiscCliente->text()); }

void TfrmFatture::impClienteClick() { OpenOwnerSearch(this, QStringLiteral("fatture")); }

void TfrmFatture::impOggiClick() { txtData->setText(FormatDate(Today())); }

void TfrmFatture::impMagClick(int line) { OpenPriceListSearch(this, InvoiceLineTag(line)); }
