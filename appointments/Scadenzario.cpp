#include "appointments/Scadenzario.h"
#include "common/ui/WindowBuild.h"

#include "animals/AnimalHandBack.h"
#include "animals/TrovaCani.h"
#include "appointments/AppointmentHandBack.h"
#include "appointments/AppointmentHelp.h"
#include "appointments/AppointmentPictures.h"
#include "appointments/AppointmentPrint.h"
#include "appointments/AppointmentRecord.h"
#include "appointments/Confermati.h"
#include "appointments/DaConfermare.h"
#include "appointments/ExpGiornaliere.h"
#include "appointments/ExpImminenti.h"
#include "appointments/ExpMensili.h"
#include "appointments/ExpScadenzario.h"
#include "appointments/NonConfermati.h"
#include "appointments/TrovaScadenzario.h"
#include "common/Dates.h"
#include "common/Guard.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/ui/CardPanel.h"
#include "common/ui/CodeCombo.h"
#include "common/ui/CommandPictures.h"
#include "common/ui/CommandStrip.h"
#include "common/ui/EditRules.h"
#include "common/ui/FieldTable.h"
#include "common/ui/Look.h"
#include "common/ui/RecordCard.h"
#include "common/ui/RecordNavigator.h"
#include "common/ui/StatusLine.h"
#include "common/ui/Widgets.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "dialogs/ReturnToLauncher.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>
#include <functional>

WindowHandle<TfrmScadenzario> frmScadenzario;

namespace {

// Both panels have the size of the cards' panel.
using namespace CardFrame;
constexpr int L = FieldLeft;

const FieldGrid Grid{.rowPitch = 56, .captionTop = 2, .editTop = 22, .editHeight = 28,
                     .editFont = Look::Verdana(12, true)};

QStringList twoDigitNumbers(int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    return list;
}

const QStringList &dayItems()
{
    static const QStringList items = twoDigitNumbers(1, 31);
    return items;
}
const QStringList &monthItems()
{
    static const QStringList items = [] {
        QStringList list;
        for (const MonthName &m : MonthNames())
            list << QString::fromLatin1(m.name);
        return list;
    }();
    return items;
}
const QStringList &hourItems()
{
    static const QStringList items = twoDigitNumbers(0, 23);
    return items;
}
const QStringList &minuteItems()
{
    static const QStringList items = twoDigitNumbers(0, 59);
    return items;
}

QLabel *makeText(QWidget *parent, const QString &name, const QString &text, const QRect &place, const QFont &font,
                 const QColor &colour = Look::Navy)
{
    auto *l = MakeNamed<QLabel>(parent, name);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setFont(font);
    l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(Look::Css(colour)));
    l->setGeometry(place);
    return l;
}

// A group box whose fields stand on the card's grid below its title.
QWidget *groupArea(QWidget *section, const QString &name, const QString &title, const QRect &place)
{
    auto *group = MakeNamed<QGroupBox>(section, name);
    group->setTitle(title);
    group->setFont(Look::TahomaPixels(12, true));
    group->setStyleSheet(QStringLiteral("QGroupBox { color: %1; border: 1px solid %2; border-radius: 6px; margin-top: 8px; }"
                                        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }")
                             .arg(Look::Css(Look::Navy), Look::Css(Look::Sky)));
    group->setGeometry(place);
    auto *area = MakeNamed<QWidget>(group, name + QStringLiteral("Campi"));
    area->setGeometry(0, 14, place.width(), place.height() - 14);
    return area;
}

const QString NoticeSound = QStringLiteral("Avviso.mp3");

} // namespace

TfrmScadenzario::TfrmScadenzario(QWidget *parent) : QWidget(parent)
{
    // The pickers write into this card whether or not it is built yet.
    RegisterAnimalTarget(QStringLiteral("scadenzario"), [] { return frmScadenzario; });
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmScadenzario"));
        setWindowTitle(QStringLiteral(" Tavoren - Scadenze e Appuntamenti"));
        ApplyFormatSettings();
        SetGradientBackground(this, Look::WindowTop, Qt::white);
        setMouseTracking(true);
        // Its start panel and its card, panAvvio and panContainer, stand on the card's panel.
        QFrame *panel = PlaceCardPanel(this, QSize(PanelWidth, PanelHeight), QStringLiteral("panScheda"));
        panAvvio = MakeNamed<QFrame>(panel, QStringLiteral("panAvvio"));
        panAvvio->setGeometry(0, 0, PanelWidth, PanelHeight);
        panContainer = MakeNamed<QFrame>(panel, QStringLiteral("panContainer"));
        panContainer->setGeometry(0, 0, PanelWidth, PanelHeight);
        buildStartPanel(panAvvio);
        buildCard(panContainer);
        panContainer->hide();
        FormCreate();
        setWindowState(Qt::WindowMaximized);
    });
}

void TfrmScadenzario::buildStartPanel(QFrame *panel)
{
    const QFont info = Look::TahomaPixels(14, true);
    MakeDrawnPicture(panel, QStringLiteral("imgTitolo"), QRect(214, 14, 580, 58),
                     [](QSize size) { return AppointmentTitlePicture(size); });
    MakeDrawnPicture(panel, QStringLiteral("imgDecorazione01"), QRect(40, 10, 64, 64),
                     [](QSize size) { return AppointmentBellPicture(size); });
    MakeDrawnPicture(panel, QStringLiteral("imgDecorazione02"), QRect(PanelWidth - 104, 10, 64, 64),
                     [](QSize size) { return DecorationPicture(size); });

    // Left: the year box, the reminder and its OK command.
    QFrame *left = MakeRoundedPanel(panel, QStringLiteral("shpAnno"), Qt::white);
    left->setGeometry(40, 96, 440, 480);
    makeText(left, QStringLiteral("lblInfo05"),
             QStringLiteral("Accedi all'archivio annuale per inserire o modificare le scadenze."),
             QRect(20, 16, 400, 40), info)
        ->setWordWrap(true);
    makeText(left, QStringLiteral("lblApri"), QStringLiteral("Indicare l'anno solare e premere Apri."),
             QRect(20, 62, 400, 20), Look::TahomaPixels(13));
    txtAnno = MakeNamed<QLineEdit>(left, QStringLiteral("txtAnno"));
    txtAnno->setGeometry(20, 88, 120, 32);
    txtAnno->setFont(Look::Verdana(14, true));
    txtAnno->setAlignment(Qt::AlignCenter);
    ApplyEditRules(txtAnno, {.maxLength = 4, .digitsOnly = true});
    btnApri = MakeNamed<QPushButton>(left, QStringLiteral("btnApri"), QStringLiteral("Apri"));
    btnApri->setGeometry(152, 88, 110, 32);
    btnApri->setFont(Look::TahomaPixels(14, true));
    connect(btnApri, &QPushButton::clicked, this, &TfrmScadenzario::btnApriClick);

    makeText(left, QStringLiteral("lblInfo06"), QStringLiteral("Visualizza le scadenze imminenti."),
             QRect(20, 150, 400, 20), info);
    makeText(left, QStringLiteral("lblOK"), QStringLiteral("Premere OK per ottenere l'elenco delle scadenze."),
             QRect(20, 176, 400, 20), Look::TahomaPixels(13));
    btnOK = MakeNamed<QPushButton>(left, QStringLiteral("btnOK"), QStringLiteral("OK"));
    btnOK->setGeometry(20, 202, 110, 32);
    btnOK->setFont(Look::TahomaPixels(14, true));
    connect(btnOK, &QPushButton::clicked, this, &TfrmScadenzario::btnOKClick);
    MakeEnterButtons({btnApri, btnOK});
    EnterMovesTo(txtAnno, btnApri);

    // The reminder: exactly one of the two pictures is visible.
    const QRect reminder(20, 260, 400, 110);
    imgAssenti = MakeDrawnPicture(left, QStringLiteral("imgAssenti"), reminder, [](QSize size) {
        return AppointmentBandPicture(QStringLiteral("Non ci sono scadenze"), Look::Blue, size);
    });
    imgPresenti = MakeDrawnPicture(left, QStringLiteral("imgPresenti"), reminder, [](QSize size) {
        return AppointmentBandPicture(QStringLiteral("Ci sono scadenze"), Look::Crimson, size);
    });
    imgPresenti->hide();

    imgGuida = MakeNamed<ClickLabel>(left, QStringLiteral("imgGuida"));
    imgGuida->setGeometry(20, 416, 190, 40);
    DrawPictureOnFirstShow(imgGuida, [](QSize size) { return CommandPicture(QStringLiteral("Guida"), size); });
    connect(imgGuida, &ClickLabel::clicked, this, &TfrmScadenzario::cmdGuidaClick);
    imgEsci = MakeNamed<ClickLabel>(left, QStringLiteral("imgEsci"));
    imgEsci->setGeometry(230, 416, 190, 40);
    DrawPictureOnFirstShow(imgEsci, [](QSize size) { return CommandPicture(QStringLiteral("Esci"), size); });
    connect(imgEsci, &ClickLabel::clicked, this, &TfrmScadenzario::cmdEsciClick);

    // Right: the calendar and the views of a day or a month.
    QFrame *right = MakeRoundedPanel(panel, QStringLiteral("shpCalendario"), Qt::white);
    right->setGeometry(500, 96, 468, 480);
    MakeDrawnPicture(right, QStringLiteral("icoIstruzioni"), QRect(16, 14, 436, 70), [](QSize size) {
        return AppointmentInstructionsPicture(
            QStringLiteral("Selezionare una data dal calendario e fare clic sui pulsanti in calce per visualizzare "
                           "le scadenze relative a un giorno o a un mese dell'anno."),
            size);
    });
    calAppuntamenti = MakeNamed<QCalendarWidget>(right, QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setGeometry(16, 96, 436, 300);
    calAppuntamenti->setGridVisible(true);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setFont(Look::TahomaPixels(13));
    btnGiorno = MakeNamed<ClickLabel>(right, QStringLiteral("btnGiorno"));
    btnGiorno->setGeometry(16, 412, 212, 48);
    DrawPictureOnFirstShow(btnGiorno, [](QSize size) {
        return AppointmentBandPicture(QStringLiteral("SCADENZE DEL GIORNO"), Look::Teal, size);
    });
    connect(btnGiorno, &ClickLabel::clicked, this, &TfrmScadenzario::btnGiornoClick);
    btnMese = MakeNamed<ClickLabel>(right, QStringLiteral("btnMese"));
    btnMese->setGeometry(240, 412, 212, 48);
    DrawPictureOnFirstShow(btnMese, [](QSize size) {
        return AppointmentBandPicture(QStringLiteral("SCADENZE DEL MESE"), Look::Teal, size);
    });
    connect(btnMese, &ClickLabel::clicked, this, &TfrmScadenzario::btnMeseClick);

    lblFile = MakeNamed<QLabel>(panel, QStringLiteral("lblFile"));
    lblFile->setTextFormat(Qt::PlainText);
    lblFile->hide();
}

void TfrmScadenzario::buildCard(QFrame *panel)
{
    // Three sections: date, time and notice; owner and animal; the entry itself.
    const QList<QFrame *> s = MakeCardSections(panel, QPoint(Margin, Margin), SectionWidth, SectionGap,
                                               {GlyphSection(SectionGlyph::Notes, 104),
                                                GlyphSection(SectionGlyph::Person, 4 * Grid.rowPitch + 4),
                                                GlyphSection(SectionGlyph::Payment, 4 * Grid.rowPitch + 4)});
    const int footTop = s.last()->geometry().bottom() + 1 + Margin;

    auto *status = new StatusLine(panel, QStringLiteral("Pronto per archiviare una nuova scheda..."));
    panInfo = status;
    // The footer runs under the sections, beside the command column.
    const int navigatorLeft = Margin + SectionWidth - RecordNavigator::Width;
    status->setGeometry(Margin, footTop, navigatorLeft - 12 - Margin, RecordNavigator::Arrow);
    navigator_ = new RecordNavigator(panel, QPoint(navigatorLeft, footTop), status);
    lblPosizione = navigator_->position();

    // The date and time groups of the first section, and the days of notice beside them.
    QWidget *date = groupArea(s[0], QStringLiteral("grpData"), QStringLiteral(" Data scadenza: "), QRect(L, 8, 330, 88));
    QWidget *time = groupArea(s[0], QStringLiteral("grpOra"), QStringLiteral(" Ora appuntamento: "),
                              QRect(L + 340, 8, 170, 88));
    QWidget *notice = MakeNamed<QWidget>(s[0], QStringLiteral("panAvviso"));
    notice->setGeometry(L + 522, 22, SectionWidth - L - 530, 74);

    lblAnno = makeText(date, QStringLiteral("lblAnno"), QStringLiteral("ANNO"), QRect(236, 10, 90, 44),
                       Look::VerdanaPixels(26, true), Look::Crimson);
    lblData = MakeNamed<QLabel>(panel, QStringLiteral("lblData"));
    lblOra = MakeNamed<QLabel>(panel, QStringLiteral("lblOra"));
    for (QLabel *hidden : {lblData, lblOra}) {
        hidden->setTextFormat(Qt::PlainText);
        hidden->hide();
    }
    makeText(time, QStringLiteral("lblDuePunti"), QStringLiteral(":"), QRect(73, Grid.editTop, 12, Grid.editHeight),
             Look::VerdanaPixels(18, true));
    makeText(notice, QStringLiteral("lblGiorniPrima"), QStringLiteral("giorni prima della scadenza."),
             QRect(64, Grid.editTop - 6, 160, 40), Look::TahomaPixels(13, true))
        ->setWordWrap(true);

    const Qt::Alignment centred = Qt::AlignCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    FieldTable(Grid,
               {
                   {date,
                    {
                        {&txtGiorno, "Giorno", "Giorno:", 8, 0, 66, {}, &dayItems(), centred, 1, nullptr, true},
                        {&txtMese, "Mese", "Mese:", 82, 0, 146, {}, &monthItems(), centred, 1, nullptr, true},
                    }},
                   {time,
                    {
                        {&txtOreApp, "OreApp", "Ore:", 8, 0, 62, {}, &hourItems(), centred, 1, nullptr, true},
                        {&txtMinutiApp, "MinutiApp", "Minuti:", 88, 0, 62, {}, &minuteItems(), centred, 1, nullptr, true},
                    }},
                   {notice,
                    {
                        {&txtAvviso, "Avviso", "Avvisa n.", 0, 0, 56, {.digitsOnly = true}, nullptr, centred},
                    }},
                   {s[1],
                    {
                        {&txtProprietario, "Proprietario", "Proprietario:", L, 0, 300},
                        {&txtCodFisc, "CodFisc", "Codice fiscale:", L + 308, 0, 200,
                         {.typing = EditRules::Case::UpperTrim}},
                        {&txtRecapito, "Recapito", "Telefono preferenziale:", L + 548, 0, 204},
                        {&txtNome, "Nome", "Nome animale:", L, 1, 240},
                        {&txtDataNasc, "DataNasc", "Data nascita:", L + 248, 1, 180},
                        {&txtRazza, "Razza", "Razza:", L + 436, 1, 316},
                        {&txtMantello, "Mantello", "Colore mantello:", L, 2, 300},
                        {&txtMicrochip, "Microchip", "Codice microchip:", L + 308, 2, 444},
                        {&txtSegni, "Segni", "Segni particolari:", L, 3, 440},
                        {&txtPersona, "Persona", "Persona da incontrare:", L + 448, 3, 304},
                    }},
                   {s[2],
                    {
                        {&txtDettagli, "Dettagli", "Causale scadenza:", L, 0, 752},
                        {&txtOfficina, "Officina", "Modalità di pagamento:", L, 1, 560},
                        {&txtCosto, "Costo", "Importo in euro:", L + 568, 1, 184,
                         {.digitsOnly = true, .commaToo = true}, nullptr, right},
                        {&txtContatto, "Contatto", "Estremi ricevuta:", L, 2, 300},
                        {&chkDaConfermare, "DaConfermare", "Appuntamento da confermare", L + 316, 2, 236},
                        {&chkEffettuata, "Effettuata", "Pagamento effettuato", L + 568, 2, 184},
                        {&txtNote, "Note", "Note:", L, 3, 752},
                    }},
               },
               &AppointmentRecordLayout());
    txtCosto->installEventFilter(this);
    status->hint(chkDaConfermare,
                 QString::fromUtf8("Spunta questa casella per annotare che l'appuntamento è in attesa di conferma."));
    status->hint(chkEffettuata,
                 QString::fromUtf8("Spunta questa casella per annotare che il pagamento è stata effettuato."));

    MakePictureCommands(s[1],
                        {{&btnCodFisc, "btnCodFisc", "Controlla il codice fiscale.",
                          std::bind_front(&TfrmScadenzario::btnCodFiscClick, this),
                          [](QSize size) { return CheckPicture(size); },
                          QRect(L + 512, Grid.editTop, 28, 28)}},
                        status);

    const auto run = [this](void (TfrmScadenzario::*handler)()) { return std::bind_front(handler, this); };
    MakeCommandColumn(
        panel, QRect(Margin + SectionWidth + Margin, Margin, PanelWidth - SectionWidth - 3 * Margin, PanelHeight - 2 * Margin),
        {
            {&cmdNuovo, "cmdNuovo", "Nuovo", "Prepara la schermata per la registrazione di una nuova scheda.",
             run(&TfrmScadenzario::cmdNuovoClick)},
            {&cmdDuplica, "cmdDuplica", "Duplica",
             "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.",
             run(&TfrmScadenzario::cmdDuplicaClick)},
            {&cmdImporta, "cmdImporta", "Importa dati", "Importa i dati dall'archivio anagrafico degli animali.",
             run(&TfrmScadenzario::cmdImportaClick)},
            {&cmdSalva, "cmdSalva", "Salva", "Salva la scheda corrente in archivio.",
             run(&TfrmScadenzario::cmdSalvaClick)},
            {&cmdTrova, "cmdTrova", "Trova", "Trova una scheda in archivio.", run(&TfrmScadenzario::cmdTrovaClick)},
            {&cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda corrente.", run(&TfrmScadenzario::cmdStampaClick)},
            {&cmdEsporta, "cmdEsporta", "Esporta archivio",
             "Esporta le schede in archivio in un file di Microsoft Excel.", run(&TfrmScadenzario::cmdEsportaClick)},
            {&cmdDaConfermare, "cmdDaConfermare", "Da confermare",
             "Visualizza l'elenco degli appuntamenti in attesa di conferma.",
             run(&TfrmScadenzario::cmdDaConfermareClick)},
            {&cmdDaEffettuare, "cmdDaEffettuare", "Da effettuare",
             "Visualizza il riepilogo dei pagamenti da effettuare, sia scaduti che non.",
             run(&TfrmScadenzario::cmdDaEffettuareClick)},
            {&cmdEffettuate, "cmdEffettuate", "Effettuati", "Visualizza il riepilogo storico dei pagamenti effettuati.",
             run(&TfrmScadenzario::cmdEffettuateClick)},
            {&cmdGuida, "cmdGuida", "Guida", "Visualizza la pagina della guida sensibile al contesto.",
             run(&TfrmScadenzario::cmdGuidaClick)},
            {&cmdEsci, "cmdEsci", "Esci", "Esci da questa schermata di lavoro.", run(&TfrmScadenzario::cmdEsciClick)},
        },
        status);

    status->clearOverBackground(this);
}

void TfrmScadenzario::FormCreate()
{
    calAppuntamenti->setSelectedDate(Today());
    txtOreApp->setEditText(QStringLiteral("00"));
    txtMinutiApp->setEditText(QStringLiteral("00"));
    txtCosto->setText(QStringLiteral("0,00"));

    card = new RecordCard(panContainer, {
        .archiveFile = [this] { return TrimText(lblFile->text()); },
        .layout = &AppointmentRecordLayout(),
        .keptByNew = {lblAnno, lblData, lblOra},
        .resetOnDuplicate = {txtGiorno, txtMese},
        .duplicateOpensArchive = true,
        .firstField = txtGiorno,
        .appendedMessage = QString::fromUtf8("La scheda corrente è stata salvata in archivio."),
        .afterClear =
            [this] {
                txtOreApp->setEditText(QStringLiteral("00"));
                txtMinutiApp->setEditText(QStringLiteral("00"));
                txtCosto->setText(QStringLiteral("0,00"));
            },
        .afterDuplicate =
            [this] {
                txtOreApp->setEditText(QStringLiteral("00"));
                txtMinutiApp->setEditText(QStringLiteral("00"));
                dropComboSelections();
            },
        .beforeSave = [this] { return saveChecks(); },
    });
    navigator_->attach(card);
}

void TfrmScadenzario::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // Restoring a minimised window is not a new showing.
    if (e->spontaneous())
        return;
    setWindowTitle(QStringLiteral(" Tavoren - Scadenze e Appuntamenti"));
    panContainer->hide();
    panAvvio->show();
    txtAnno->setText(QStringLiteral("%1").arg(Today().year(), 4, 10, QLatin1Char('0')));
    txtAnno->setFocus();
    CheckReminder();
}

void TfrmScadenzario::closeEvent(QCloseEvent *e)
{
    e->accept();
    panContainer->hide();
    panAvvio->show();
    if (soundLoaded_)
        platform().stopSound();
    ReturnToLauncher(this);
}

bool TfrmScadenzario::eventFilter(QObject *watched, QEvent *e)
{
    // The amount leaves its edit in its stored form; what is not a number becomes "0,00".
    if (watched == txtCosto && e->type() == QEvent::FocusOut)
        txtCosto->setText(AppointmentAmountText(txtCosto->text()).value_or(QStringLiteral("0,00")));
    return QWidget::eventFilter(watched, e);
}

void TfrmScadenzario::CheckReminder()
{
    // A failure to open or read the archive leaves the pictures and OK as they were, silently; a
    // record whose date or days of notice do not convert is skipped, never hiding the others.
    ImminentCount count;
    const QDate today = Today();
    if (!RunGuarded([&] { count = CountImminent(AppointmentArchivePath(ProgramFolder(), today), today); }, [] {}))
        return;
    const bool imminent = count.imminent > 0;
    imgAssenti->setVisible(!imminent);
    imgPresenti->setVisible(imminent);
    btnOK->setEnabled(imminent);
    if (imminent) {
        platform().playSound(ProgramFile(NoticeSound));
        soundLoaded_ = true;
    }
}

void TfrmScadenzario::btnApriClick()
{
    // Only a year of four ASCII digits names an archive, however the text got into the box.
    const QString year = txtAnno->text();
    if (!IsFourDigitYearText(year)) {
        ShowNotice(NoticeKind::Warning, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        txtAnno->setFocus();
        return;
    }
    lblFile->setText(AppointmentArchivePath(ProgramFolder(), year));
    lblAnno->setText(year);
    setWindowTitle(QStringLiteral(" Tavoren - Scadenze e appuntamenti anno ") + year);
    panAvvio->hide();
    panContainer->show();
    ClearAppointmentCard();
}

void TfrmScadenzario::ClearAppointmentCard() { card->New(); }

void TfrmScadenzario::dropComboSelections()
{
    for (QComboBox *box : {txtGiorno, txtMese, txtOreApp, txtMinutiApp})
        DropComboSelection(box);
}

bool TfrmScadenzario::saveChecks()
{
    const auto trimmed = [](const QWidget *w) { return TrimText(ControlText(w)); };
    const QString day = trimmed(txtGiorno), hour = trimmed(txtOreApp), minutes = trimmed(txtMinutiApp);
    const QString opening = QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare ");
    const struct {
        bool fails;
        QWidget *field;
        const char *phrase;
    } checks[] = {
        {day.isEmpty(), txtGiorno, "il giorno della scadenza."},
        {day.size() < 2, txtGiorno, "il giorno della scadenza usando due cifre."},
        {trimmed(txtMese).isEmpty(), txtMese, "il mese della scadenza."},
        {hour.isEmpty(), txtOreApp, "l'ora dell'appuntamento."},
        {minutes.isEmpty(), txtMinutiApp, "i minuti dell'ora dell'appuntamento."},
        {hour.size() < 2, txtOreApp, "l'ora dell'appuntamento usando due cifre."},
        {minutes.size() < 2, txtMinutiApp, "i minuti dell'ora dell'appuntamento usando due cifre."},
        {trimmed(txtAvviso).isEmpty(), txtAvviso, "i giorni di preavviso."},
        {trimmed(txtProprietario).isEmpty(), txtProprietario, "il nome del proprietario dell'animale."},
        {trimmed(txtNome).isEmpty(), txtNome, "il nome dell'animale a cui la scadenza si riferisce."},
        {trimmed(txtDettagli).isEmpty(), txtDettagli, "la causale della scadenza."},
    };
    for (const auto &check : checks) {
        if (check.fails) {
            ShowNotice(NoticeKind::Warning, opening + QString::fromUtf8(check.phrase));
            check.field->setFocus();
            return false;
        }
    }

    // The amount is stored in its amount form, also when Save runs with the text as typed.
    const std::optional<QString> amount = AppointmentAmountText(txtCosto->text());
    if (!amount) {
        ShowNotice(NoticeKind::Warning,
                   QString::fromUtf8("Attenzione: l'importo in euro indicato non è un numero valido.\n\r\n\r"
                                     "Per poter salvare la scheda è necessario indicare un importo valido."));
        txtCosto->setFocus();
        return false;
    }
    txtCosto->setText(*amount);
    const RecordLayout &layout = AppointmentRecordLayout();
    if (!NumberFitsField(txtCosto, *amount, QStringLiteral("\"Importo in euro\""),
                         layout.capacity(layout.indexOf(QStringLiteral("Costo")))))
        return false;

    lblOra->setText(hour + ":" + minutes);
    const QString month = MonthNumber(txtMese->currentText());
    if (month.isEmpty()) {
        ShowNotice(NoticeKind::Warning,
                   QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r"
                                  "Per poter salvare la scheda è necessario indicare una data valida."));
        txtMese->setFocus();
        return false;
    }
    lblData->setText(day + "/" + month + "/" + TrimText(lblAnno->text()));
    if (!IsValidDateText(lblData->text())) {
        ShowPlainBox(QStringLiteral("Attenzione: la data ") + TrimText(lblData->text()) + QStringLiteral(" non esiste.") +
                     QStringLiteral("\n\r\n\r") +
                     QStringLiteral("Per poter salvare la scheda è necessario indicare una data valida."));
        txtGiorno->setFocus();
        return false;
    }
    return true;
}

void TfrmScadenzario::cmdSalvaClick()
{
    dropComboSelections();
    if (TrimText(txtCosto->text()).isEmpty())
        txtCosto->setText(QStringLiteral("0,00"));
    card->Save();
}

void TfrmScadenzario::cmdNuovoClick() { ClearAppointmentCard(); }
void TfrmScadenzario::cmdDuplicaClick() { card->Duplicate(); }
void TfrmScadenzario::cmdPrimoClick() { card->First(); }
void TfrmScadenzario::cmdIndietroClick() { card->Previous(); }
void TfrmScadenzario::cmdAvantiClick() { card->Next(); }
void TfrmScadenzario::cmdUltimoClick() { card->Last(); }

void TfrmScadenzario::cmdImportaClick() { OpenAnimalSearch(this, QStringLiteral("scadenzario")); }

void TfrmScadenzario::cmdStampaClick() { PrintAppointmentCard(*this); }

void TfrmScadenzario::cmdGuidaClick()
{
    ShowHelp(this, AppointmentHelpTitle(), AppointmentHelpParagraphs().join(QStringLiteral("\r\n\r\n")));
}

void TfrmScadenzario::cmdEsciClick() { close(); }

void TfrmScadenzario::btnCodFiscClick() { OpenTaxCodeCheck(this, txtCodFisc->text()); }

void TfrmScadenzario::cmdTrovaClick() { OpenAppointmentSearch(this, AppointmentCardTag); }
void TfrmScadenzario::cmdEsportaClick() { OpenModal<TfrmExpScadenzario>(this); }
void TfrmScadenzario::cmdDaConfermareClick() { OpenModal<TfrmDaConfermare>(this); }
void TfrmScadenzario::cmdDaEffettuareClick() { OpenModal<TfrmConfermati>(this); }
void TfrmScadenzario::cmdEffettuateClick() { OpenModal<TfrmNonConfermati>(this); }

// The views read the calendar's date and the current year themselves.
void TfrmScadenzario::btnOKClick() { OpenModal<TfrmExpImminenti>(this); }
void TfrmScadenzario::btnGiornoClick() { OpenModal<TfrmExpGiornaliere>(this); }
void TfrmScadenzario::btnMeseClick() { OpenModal<TfrmExpMensili>(this); }
