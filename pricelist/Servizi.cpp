#include "pricelist/Servizi.h"
#include "common/ui/WindowBuild.h"

#include "common/Dates.h"
#include "common/Messages.h"
#include "common/Platform.h"
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
#include "dialogs/AllegaCartella.h"
#include "dialogs/Guida.h"
#include "dialogs/ReturnToLauncher.h"
#include "pricelist/ExpServizi.h"
#include "pricelist/Giacenza.h"
#include "pricelist/PriceItemHandBack.h"
#include "pricelist/PriceListHelp.h"
#include "pricelist/PriceListRecord.h"
#include "pricelist/Sottoscorta.h"
#include "pricelist/StampaServizi.h"
#include "pricelist/TrovaServizi.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <functional>
#include <optional>

WindowHandle<TfrmServizi> frmServizi;

namespace {

const QString ZeroAmount = QStringLiteral("0,00");
const QString ZeroQuantity = QStringLiteral("0");

// The card fits the launcher's design area (1016 x 713, a maximised window on a 1024 x 768 screen).
constexpr int PanelWidth = 1008;
constexpr int Margin = 8;
constexpr int BarHeight = 76;
constexpr int SectionWidth = PanelWidth - 2 * Margin;
constexpr int SectionGap = 6;
constexpr int L = 72;       // fields start right of the section picture
constexpr int Heading = 26; // the heading line of the store section

const FieldGrid Grid{.rowPitch = 52, .captionTop = 2, .editTop = 22, .editHeight = 28,
                     .editFont = Look::Verdana(12, true)};

int sectionHeight(int rows) { return rows * Grid.rowPitch + 4; }

const Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;
const Qt::Alignment Centred = Qt::AlignCenter;
const EditRules AmountKeys{.digitsOnly = true, .commaToo = true};
const EditRules QuantityKeys{.digitsOnly = true};

// A warning that names the field, with the focus put on it.
bool refuse(QLineEdit *field, const QString &text)
{
    ShowNotice(NoticeKind::Warning, text);
    field->setFocus();
    return false;
}

QString notAnAmount(const char *caption)
{
    return QString::fromUtf8("Attenzione: il campo \"%1\" non contiene un importo valido. Correggere il valore "
                             "prima di salvare la scheda.")
        .arg(QString::fromUtf8(caption));
}

} // namespace

TfrmServizi::TfrmServizi(QWidget *parent) : QWidget(parent)
{
    // The pickers write into this card whether or not it is built yet.
    RegisterAttachmentTarget(PriceListCardTag, [] { return AttachmentLabelsOf(frmServizi.get()); });
    RegisterPriceItemTarget(PriceListCardTag, []() -> QWidget * { return frmServizi; });
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmServizi"));
        setWindowTitle(QStringLiteral(" Tavoren - Tariffario Prodotti e Servizi"));
        SetGradientBackground(this, Look::WindowTop, Qt::white);
        setMouseTracking(true);
        buildLayout();
        FormCreate();
        setWindowState(Qt::WindowMaximized);
    });
}

void TfrmServizi::buildLayout()
{
    const int rows[3] = {2, 2, 3};
    const int heights[3] = {sectionHeight(rows[0]), sectionHeight(rows[1]), Heading + sectionHeight(rows[2])};
    const int sectionsTop = Margin + BarHeight + Margin;
    const int footTop = sectionsTop + heights[0] + heights[1] + heights[2] + 2 * SectionGap + Margin;
    const int panelHeight = footTop + 34 + Margin;
    QFrame *panel = PlaceCardPanel(this, QSize(PanelWidth, panelHeight));

    // The command bar along the top.
    QFrame *bar = MakeRoundedPanel(panel, QStringLiteral("shpComandi"), Look::Pale);
    bar->setGeometry(Margin, Margin, SectionWidth, BarHeight);

    // Three sections, one under the other, each with its picture at the left.
    const SectionGlyph glyphs[3] = {SectionGlyph::Payment, SectionGlyph::Person, SectionGlyph::Notes};
    QList<CardSection> sections;
    for (int i = 0; i < 3; ++i)
        sections.append({heights[i], [glyph = glyphs[i]](QSize size) { return SectionPicture(glyph, size); }});
    const QList<QFrame *> s = MakeCardSections(panel, QPoint(Margin, sectionsTop), SectionWidth, SectionGap, sections);
    auto *heading = MakeCaption(s[2], QStringLiteral("lblMagazzino"),
                                QStringLiteral("INFORMAZIONI SU PRODOTTO IN MAGAZZINO"), QRect(L, 6, 600, 18));
    heading->setFont(Look::Verdana(10, true));
    // The store section's fields stand below its heading.
    auto *store = new QWidget(s[2]);
    store->setObjectName(QStringLiteral("panMagazzino"));
    store->setGeometry(0, Heading, SectionWidth, sectionHeight(rows[2]));

    auto *status = new StatusLine(panel, QStringLiteral("Pronto per salvare una nuova scheda..."));
    status->setGeometry(Margin, footTop, SectionWidth, 34);

    FieldTable(Grid,
               {
                   {s[0],
                    {
                        {&txtDescrizione, "Descrizione", "Descrizione prodotto o servizio:", L, 0, 480},
                        {&txtPrezzo, "Prezzo", "Importo:", L + 488, 0, 120, AmountKeys, nullptr, Right},
                        {&txtTipologia, "Tipologia", "Tipologia:", L + 616, 0, 256},
                        {&txtTempi, "Tempi", "Tempi e orari di erogazione:", L, 1, 608},
                        {&txtSupplementi, "Supplementi", "Codice articolo:", L + 616, 1, 256},
                    }},
                   {s[1],
                    {
                        {&txtPersonale, "Personale", "Personale addetto:", L, 0, 872},
                        {&txtNote, "Note", "Note:", L, 1, 872},
                    }},
                   {store,
                    {
                        {&txtMarca, "Marca", "Marca e modello:", L, 0, 432},
                        {&txtCollocazione, "Collocazione", "Collocazione in magazzino:", L + 440, 0, 432},
                        {&txtGiacenza, "Giacenza", "Giacenza:", L, 1, 110, QuantityKeys, nullptr, Centred},
                        {&txtSottoscorta, "Sottoscorta", "Avviso sottoscorta n.", L + 200, 1, 110, QuantityKeys,
                         nullptr, Centred},
                        {&txtCosto, "Costo", "Costo:", L + 430, 1, 130, AmountKeys, nullptr, Right},
                        {&txtValore, "Valore", "Valore (costo x giacenza):", L + 568, 1, 150, AmountKeys, nullptr,
                         Right},
                        {&txtFornitore, "Fornitore", "Fornitore:", L, 2, 432},
                        {&txtOrdine, "Ordine", "Modalità di ordine merce:", L + 440, 2, 432},
                    }},
               },
               &PriceListItemRecordLayout());
    MakeCaption(store, QStringLiteral("lblPezzi"), QStringLiteral("pezzi rimasti."),
                QRect(L + 316, Grid.rowPitch + Grid.editTop + 6, 100, 18));

    // The stock buttons beside the stock, the value button beside the value.
    const int buttonTop = Grid.rowPitch + Grid.editTop;
    btnAggiungi = MakeNamed<QPushButton>(store, QStringLiteral("btnAggiungi"), QStringLiteral("+"));
    btnAggiungi->setGeometry(L + 116, buttonTop, 32, 28);
    btnSottrai = MakeNamed<QPushButton>(store, QStringLiteral("btnSottrai"), QStringLiteral("-"));
    btnSottrai->setGeometry(L + 152, buttonTop, 32, 28);
    btnValore = MakeNamed<QPushButton>(store, QStringLiteral("btnValore"), QStringLiteral("Calcola valore"));
    btnValore->setGeometry(L + 726, buttonTop, 146, 28);
    for (QPushButton *b : {btnAggiungi, btnSottrai, btnValore})
        b->setFont(Look::Verdana(10, true));
    status->hint(btnAggiungi, QString::fromUtf8("Aggiorna la giacenza aggiungendo una certa quantità."));
    status->hint(btnSottrai, QString::fromUtf8("Aggiorna la giacenza sottraendo una certa quantità."));
    status->hint(btnValore, QString::fromUtf8("Calcola il valore totale della merce in magazzino moltiplicando il "
                                              "costo per la giacenza."));
    connect(btnAggiungi, &QPushButton::clicked, this, &TfrmServizi::btnAggiungiClick);
    connect(btnSottrai, &QPushButton::clicked, this, &TfrmServizi::btnSottraiClick);
    connect(btnValore, &QPushButton::clicked, this, &TfrmServizi::btnValoreClick);

    // Attachments: values without an edit of their own.
    MakeAttachmentLabels(panel, lblFile, lblDesc);

    // The bar: New, Duplicate, Save, Find, attach, print; the arrows; export, low stock, help, exit.
    const auto run = [this](void (TfrmServizi::*handler)()) { return std::bind_front(handler, this); };
    const QSize tile(64, 64);
    const int pitch = 68;
    const int tileTop = (BarHeight - tile.height()) / 2;
    MakeCommandStrip(bar, {.orientation = Qt::Horizontal, .origin = QPoint(8, tileTop), .tile = tile, .pitch = pitch},
                     {
                         {&cmdNuovo, "cmdNuovo", "Nuovo", "Prepara la schermata per la registrazione di una nuova scheda.",
                          run(&TfrmServizi::cmdNuovoClick)},
                         {&cmdDuplica, "cmdDuplica", "Duplica",
                          "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.",
                          run(&TfrmServizi::cmdDuplicaClick)},
                         {&cmdSalva, "cmdSalva", "Salva", "Salva la scheda corrente in archivio.",
                          run(&TfrmServizi::cmdSalvaClick)},
                         {&cmdTrova, "cmdTrova", "Trova", "Trova una scheda in archivio.", run(&TfrmServizi::cmdTrovaClick)},
                         {&cmdFile, "cmdFile", "Allega file", "Allega file alla scheda corrente.",
                          run(&TfrmServizi::cmdFileClick)},
                         {&cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda corrente.",
                          run(&TfrmServizi::cmdStampaClick)},
                     },
                     status);
    const int navigatorLeft = 8 + 6 * pitch + 8;
    navigator_ = new RecordNavigator(bar, QPoint(navigatorLeft, (BarHeight - RecordNavigator::Arrow) / 2), status);
    lblPosizione = navigator_->position();
    const int restLeft = navigatorLeft + RecordNavigator::Width + 12;
    MakeCommandStrip(bar, {.orientation = Qt::Horizontal, .origin = QPoint(restLeft, tileTop), .tile = tile, .pitch = pitch},
                     {
                         {&cmdEsporta, "cmdEsporta", "Esporta archivio", "Esporta le schede in archivio in un file di Microsoft Excel.",
                          run(&TfrmServizi::cmdEsportaClick)},
                         {&cmdSottoscorta, "cmdSottoscorta", "Sottoscorta", "Visualizza l'elenco dei prodotti in esaurimento.",
                          run(&TfrmServizi::cmdSottoscortaClick)},
                         {&cmdGuida, "cmdGuida", "Guida", "Visualizza la guida in linea.", run(&TfrmServizi::cmdGuidaClick)},
                         {&cmdEsci, "cmdEsci", "Esci", "Esci da questa schermata di lavoro.",
                          run(&TfrmServizi::cmdEsciClick)},
                     },
                     status);

    // Leaving a number edit brings it to its form.
    for (QLineEdit *e : {txtPrezzo, txtCosto, txtValore, txtGiacenza, txtSottoscorta})
        e->installEventFilter(this);

    status->clearOverBackground(this);
}

void TfrmServizi::FormCreate()
{
    ApplyFormatSettings();

    card = new RecordCard(this, {
        .archiveFile = [] { return PriceListArchiveName; },
        .layout = &PriceListItemRecordLayout(),
        .required = {{txtDescrizione, QString::fromUtf8("una descrizione del prodotto o servizio.")},
                     {txtPrezzo, QString::fromUtf8("l'importo del prodotto o servizio.")}},
        .resetOnDuplicate = {lblFile[0], lblFile[1], lblFile[2], lblDesc[0], lblDesc[1], lblDesc[2]},
        .duplicateOpensArchive = true,
        .firstField = txtDescrizione,
        .failures = {.save = NoticeKind::Warning},
        .afterNew =
            [this] {
                for (QLineEdit *e : {txtPrezzo, txtCosto, txtValore})
                    e->setText(ZeroAmount);
                for (QLineEdit *e : {txtGiacenza, txtSottoscorta})
                    e->setText(ZeroQuantity);
            },
        .beforeSave = [this] { return normaliseNumbers(); },
    });

    navigator_->attach(card);
}

bool TfrmServizi::normaliseNumbers()
{
    // Everything is checked before anything is written back, so a refusal leaves the card as it was.
    const std::optional<QString> price = AmountText(txtPrezzo->text());
    if (!price)
        return refuse(txtPrezzo, notAnAmount("Importo"));
    const std::optional<QString> cost = AmountText(txtCosto->text());
    if (!cost)
        return refuse(txtCosto, notAnAmount("Costo"));
    const std::optional<QString> stock = WholeQuantityText(txtGiacenza->text());
    const std::optional<QString> minimum = WholeQuantityText(txtSottoscorta->text());
    if (!stock || !minimum) {
        // Only a record read from the archive can bring such a text: the digit filter lets none be typed.
        ShowNotice(NoticeKind::Warning, ArchiveAccessMessage());
        return false;
    }
    const std::optional<QString> value = StockValueText(*cost, *stock);
    const struct {
        QLineEdit *edit;
        const std::optional<QString> &text;
        const char *caption;
    } numbers[] = {
        {txtPrezzo, price, "Importo"},
        {txtGiacenza, stock, "Giacenza"},
        {txtSottoscorta, minimum, "Avviso sottoscorta"},
        {txtCosto, cost, "Costo"},
        {txtValore, value, "Valore (costo x giacenza)"},
    };
    const RecordLayout &layout = PriceListItemRecordLayout();
    for (const auto &n : numbers) {
        const int capacity = layout.capacity(layout.indexOf(n.edit->objectName().mid(3)));
        const QString where = QStringLiteral("\"%1\"").arg(QString::fromUtf8(n.caption));
        // A value too large to be worked out is a number longer than its field as well.
        if (!n.text)
            return refuse(n.edit, NumberTooLongMessage(where, capacity));
        if (!NumberFitsField(n.edit, *n.text, where, capacity))
            return false;
    }
    for (const auto &n : numbers)
        n.edit->setText(*n.text);
    return true;
}

void TfrmServizi::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // The card always opens empty; restoring a minimised window is not a new showing.
    if (!e->spontaneous())
        cmdNuovoClick();
}

void TfrmServizi::closeEvent(QCloseEvent *e)
{
    e->accept();
    ReturnToLauncher(this);
}

bool TfrmServizi::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::FocusOut && LeavesWithinWindow(static_cast<QFocusEvent *>(e))) {
        // Leaving an amount leaves two to four decimals, leaving a quantity a whole number; a text
        // that is not a number becomes zero.
        if (watched == txtPrezzo || watched == txtCosto || watched == txtValore) {
            auto *edit = static_cast<QLineEdit *>(watched);
            edit->setText(AmountText(edit->text()).value_or(ZeroAmount));
        } else if (watched == txtGiacenza || watched == txtSottoscorta) {
            auto *edit = static_cast<QLineEdit *>(watched);
            edit->setText(WholeQuantityText(edit->text()).value_or(ZeroQuantity));
        }
    }
    return QWidget::eventFilter(watched, e);
}

void TfrmServizi::cmdNuovoClick() { card->New(); }
void TfrmServizi::cmdDuplicaClick() { card->Duplicate(); }
void TfrmServizi::cmdSalvaClick() { card->Save(); }
void TfrmServizi::cmdPrimoClick() { card->First(); }
void TfrmServizi::cmdIndietroClick() { card->Previous(); }
void TfrmServizi::cmdAvantiClick() { card->Next(); }
void TfrmServizi::cmdUltimoClick() { card->Last(); }

void TfrmServizi::cmdTrovaClick() { OpenPriceListSearch(this, PriceListCardTag); }
void TfrmServizi::cmdSottoscortaClick() { OpenLowStockList(this); }
void TfrmServizi::cmdEsportaClick() { OpenPriceListExport(this); }

void TfrmServizi::cmdFileClick() { OpenAttachFiles(this, PriceListCardTag, AttachmentLabelsOf(this)); }

void TfrmServizi::cmdStampaClick()
{
    OpenModal<TfrmStampaServizi>(this, [this](TfrmStampaServizi &dialog) { dialog.card = this; });
}

void TfrmServizi::cmdGuidaClick()
{
    ShowHelp(this, PriceListHelpTitle(), PriceListHelpParagraphs().join(QStringLiteral("\r\n\r\n")));
}

void TfrmServizi::cmdEsciClick() { close(); }

void TfrmServizi::btnAggiungiClick() { openStockDialog(true); }
void TfrmServizi::btnSottraiClick() { openStockDialog(false); }

void TfrmServizi::openStockDialog(bool add)
{
    if (TrimText(txtGiacenza->text()).isEmpty())
        txtGiacenza->setText(ZeroQuantity);
    OpenModal<TfrmGiacenza>(this, [this, add](TfrmGiacenza &dialog) {
        dialog.lblAggiunta->setText(add ? TfrmGiacenza::AddCaption() : TfrmGiacenza::SubtractCaption());
        const QString stock = TrimText(txtGiacenza->text());
        dialog.txtGiacenza->setText(stock);
        dialog.txtTotale->setText(stock);
        dialog.txtAggiunta->setText(ZeroQuantity);
        dialog.target = txtGiacenza;
    });
}

void TfrmServizi::btnValoreClick()
{
    for (QLineEdit *e : {txtCosto, txtValore})
        if (TrimText(e->text()).isEmpty())
            e->setText(ZeroAmount);
    if (TrimText(txtGiacenza->text()).isEmpty())
        txtGiacenza->setText(ZeroQuantity);
    // A cost or stock that is not a number counts as zero and is shown so; the other keeps its text.
    if (!AmountText(txtCosto->text()))
        txtCosto->setText(ZeroAmount);
    if (!WholeQuantityText(txtGiacenza->text()))
        txtGiacenza->setText(ZeroQuantity);
    txtValore->setText(StockValueText(txtCosto->text(), txtGiacenza->text()).value_or(ZeroAmount));
}
