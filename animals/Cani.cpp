#include "animals/Cani.h"
#include "common/ui/WindowBuild.h"

#include "animals/AnimalHandBack.h"
#include "animals/AnimalHelp.h"
#include "animals/AnimalRecord.h"
#include "common/Log.h"
#include "animals/CostiCane.h"
#include "animals/CreaRTF.h"
#include "animals/ExpCani.h"
#include "animals/StampaCane.h"
#include "animals/TrovaCani.h"
#include "animals/Zoom.h"
#include "common/Dates.h"
#include "common/Errors.h"
#include "common/Files.h"
#include "common/Guard.h"
#include "common/OpenURL.h"
#include "common/PictureFiles.h"
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
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "dialogs/ReturnToLauncher.h"
#include "owners/OwnerHandBack.h"
#include "owners/TrovaClienti.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

#include <functional>

WindowHandle<TfrmCani> frmCani;

namespace {

// The card fits the launcher's design area (1016 x 713, a maximised window on a 1024 x 768 screen).
constexpr int PanelWidth = 996;
constexpr int PanelHeight = 692;
constexpr int Margin = 8;
constexpr int InnerWidth = PanelWidth - 2 * Margin;
constexpr int StripTop = 8;
constexpr QSize Tile(62, 54);
constexpr int Pitch = 66;
constexpr int HeadTop = 70;
constexpr int HeadHeight = 54;
constexpr int ButtonsTop = 132;
constexpr int ButtonHeight = 30;
constexpr int SectionTop = 168;
constexpr int SectionHeight = 480;
constexpr int StatusTop = 656;
constexpr QSize PhotoSize(306, 353);
constexpr int PhotoLeft = InnerWidth - PhotoSize.width() - 12;
constexpr int Small = 24;  // the small picture commands beside an edit

const FieldGrid HeadGrid{.rowPitch = 48, .captionTop = 4, .editTop = 25, .editHeight = 22,
                         .editFont = Look::Verdana(12, true)};
const FieldGrid SectionGrid{.rowPitch = 47, .captionTop = 4, .editTop = 21, .editHeight = 22,
                            .editFont = Look::Verdana(12, true)};

// Records in the animals' archive, counted without creating it.
int AnimalCount()
{
    const QFileInfo archive(ResolveProgramPath(AnimalArchiveName));
    return archive.exists() ? int(archive.size() / AnimalRecordLayout().recordSize()) : 0;
}

const QString AlbumFolder = QStringLiteral("Album");
const QString DocumentFolders = QStringLiteral("Cartelle_Abbinate");

// The photo frame: the picture is held at its own size and drawn scaled to fit, proportions kept.
class PhotoFrame : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Look::Mist);
        const QPixmap photo = pixmap();
        if (!photo.isNull()) {
            const QSize fitted = photo.size().scaled(size(), Qt::KeepAspectRatio);
            const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawPixmap(target, photo);
        }
        p.setPen(Look::Sky);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// The picture that stands for a missing photo.
QPixmap PlaceholderPicture(QSize size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, Look::Pale);
    p.fillRect(pm.rect(), g);
    const int side = size.width() * 3 / 5;
    p.drawPixmap((size.width() - side) / 2, size.height() / 2 - side / 2 - 24, DecorationPicture(QSize(side, side)));
    p.setPen(Look::Navy);
    p.setFont(Look::TahomaPixels(18, true));
    p.drawText(QRect(0, size.height() - 78, size.width(), 28), Qt::AlignCenter, QStringLiteral("Nessuna foto"));
    p.setPen(Look::Slate);
    p.setFont(Look::TahomaPixels(13));
    p.drawText(QRect(0, size.height() - 50, size.width(), 24), Qt::AlignCenter,
               QStringLiteral("Premere \"Carica foto\" per aggiungerne una."));
    return pm;
}

// A small glyph that imports from the owners' archive: a person with an arrow.
QPixmap ImportPicture(QSize size) { return SectionPicture(SectionGlyph::Person, size); }

PictureMaker word(const char *w)
{
    return [text = QString::fromUtf8(w)](QSize size) { return CommandPicture(text, size); };
}

// A folder of the program folder (an existing one whose name differs in letter case is used),
// created with any missing parent.
QString ProgramSubfolder(const QString &name)
{
    const QString folder = ResolveProgramPath(name);
    if (!QDir().mkpath(folder))
        throw IoError("cannot create " + folder.toStdString());
    return folder;
}

const QString PhotoNotLoaded = QString::fromUtf8(
    "Attenzione: il file selezionato non contiene un'immagine leggibile in formato JPEG, PNG o Bitmap.\n\r\n\r"
    "La foto della scheda non è stata modificata.");
const QString PhotoNotWritten =
    QString::fromUtf8("Attenzione: non è stato possibile salvare la foto nel file indicato.");
const QString AlbumNotWritten = QString::fromUtf8(
    "Attenzione: la scheda è stata salvata, ma non è stato possibile salvare la foto dell'animale nella "
    "cartella Album.\n\r\n\rLa foto rimane visualizzata e verrà salvata di nuovo al prossimo salvataggio.");

} // namespace

TfrmCani::TfrmCani(QWidget *parent) : QWidget(parent)
{
    // The pickers write into this card whether or not it is built yet.
    RegisterAttachmentTarget(QStringLiteral("cani"), [] { return AttachmentLabelsOf(frmCani.get()); });
    RegisterOwnerTarget(QStringLiteral("cani"), []() -> QWidget * { return frmCani; });
    RegisterAnimalTarget(QStringLiteral("cani"), []() -> QWidget * { return frmCani; });
    BuildWhenNeeded(this, [this] {
        PrepareCardWindow(this, QStringLiteral("frmCani"), QStringLiteral(" Tavoren - Anagrafica Animali"));
        buildLayout();
        FormCreate();
    });
}

void TfrmCani::buildLayout()
{
    QFrame *panel = PlaceCardPanel(this, QSize(PanelWidth, PanelHeight));
    auto *status = new StatusLine(panel, QStringLiteral("Pronto per archiviare una nuova scheda..."));
    status->setGeometry(Margin, StatusTop, InnerWidth, 28);

    buildCommands(panel, status);
    QFrame *head = buildHead(panel, status);
    buildSections(panel, status);

    // The fields: the head, then the three sections with edits; the fourth is entered at its button.
    using C = EditRules::Case;
    const Qt::Alignment centred = Qt::AlignCenter;
    // A caption may run 40 pixels past its edit: the last edit of a row leaves that room.
    const int half = (PhotoLeft - 64) / 2;  // two columns beside the photo
    const int x2 = 12 + half + 12;
    const int wide = 450;                    // two columns across the section
    const int w2 = InnerWidth - 40 - wide;
    const int full = InnerWidth - 52;
    FieldTable(
        HeadGrid,
        {
            {head,
             {
                 {&txtNome, "Nome", "Nome:", 12, 0, 290},
                 {&txtSesso, "Sesso", "Sesso:", 310, 0, 60, {.typing = C::UpperTrim}, nullptr, centred},
                 {&txtDataNasc, "DataNasc", "Data nascita:", 378, 0, 130, {.typing = C::UpperTrim}},
                 {&txtGruppo, "Gruppo", "Specie:", 516, 0, 210},
                 {&txtRazza, "Razza", "Razza:", 734, 0, 206},
             }},
            {panPsicosomatica,
             {
                 {&txtMantello, "Mantello", "Colore mantello:", 12, 0, half},
                 {&txtPelo, "Pelo", "Tipologia pelo:", x2, 0, half},
                 {&txtSegni, "Segni", "Segni particolari:", 12, 1, half},
                 {&txtAltezza, "Altezza", "Altezza:", x2, 1, half},
                 {&txtLunghezza, "Lunghezza", "Lunghezza:", 12, 2, half},
                 {&txtTaglia, "Taglia", "Taglia:", x2, 2, half},
                 {&txtPeso, "Peso", "Peso:", 12, 3, half},
                 {&txtSterilizzato, "Sterilizzato", "Sterilizzato:", x2, 3, half},
                 {&txtLibretto, "Libretto", "Libretto sanitario:", 12, 4, half},
                 {&txtMedico, "Medico", "Medico veterinario:", x2, 4, half},
                 {&txtROI, "ROI", "Numero ROI/LOI/RSR/LIR/ES:", 12, 5, half},
                 {&txtMicrochip, "Microchip", "Codice microchip:", x2, 5, half},
                 {&txtDataApp, "DataApp", "Data applicazione:", 12, 6, half},
                 {&txtLocalizzazione, "Localizzazione", "Localizzazione:", x2, 6, half},
                 {&txtTatuaggio, "Tatuaggio", "Tatuaggio:", 12, 7, half},
                 {&txtPedigree, "Pedigree", "Pedigree:", x2, 7, half},
                 {&txtAggressivo, "Aggressivo", "Aggressività verso persone o altri animali:", 12, 8, half},
                 {&txtGuinzaglio, "Guinzaglio", "Comportamento al guinzaglio:", x2, 8, half},
                 {&txtGiochi, "Giochi", "Giochi preferiti:", 12, 9, half},
                 {&txtNote, "Note", "Note:", x2, 9, half},
             }},
            {panAlbero,
             {
                 {&txtProprietario, "Proprietario", "Proprietario attuale:", 12, 0, 250},
                 {&txtRecapito, "Recapito", "Telefono preferenziale:", 270, 0, 170},
                 {&txtCodFisc, "CodFisc", "Codice fiscale:", 448, 0, 220, {.typing = C::UpperTrim}},
                 {&txtComuneRes, "ComuneRes", "Comune di residenza:", 704, 0, 222},
                 {&txtInizioProp, "InizioProp", "Data inizio proprietà:", 12, 1, 150},
                 {&txtAllevatore, "Allevatore", "Allevatore:", 170, 1, 394},
                 {&txtPassaggi, "Passaggi", "Passaggi di proprietà:", 572, 1, 368},
                 {&txtPadre, "Padre", "Padre:", 12, 2, wide},
                 {&txtNonniPat, "NonniPat", "Nonni paterni:", 12, 3, wide},
                 {&txtBisnonniPat, "BisnonniPat", "Bisnonni paterni:", 12, 4, wide},
                 {&txtTrisnonniPat, "TrisnonniPat", "Trisnonni paterni:", 12, 5, wide},
                 {&txtMadre, "Madre", "Madre:", w2, 2, wide},
                 {&txtNonniMat, "NonniMat", "Nonni materni:", w2, 3, wide},
                 {&txtBisnonniMat, "BisnonniMat", "Bisnonni materni:", w2, 4, wide},
                 {&txtTrisnonniMat, "TrisnonniMat", "Trisnonni materni:", w2, 5, wide},
                 {&txtCampionatiIta, "CampionatiIta", "Campionati italiani:", 12, 6, wide},
                 {&txtCampionatiInt, "CampionatiInt", "Campionati internazionali:", w2, 6, wide},
                 {&txtTitoli, "Titoli", "Titoli e brevetti vari:", 12, 7, wide},
                 {&txtAccompagnatori, "Accompagnatori", "Accompagnatori (escluso proprietario):", w2, 7, wide},
                 {&txtIscrizioni, "Iscrizioni", "Iscrizioni a club:", 12, 8, wide},
             }},
            {panSanitaria,
             {
                 {&txtVaccinazioni, "Vaccinazioni", "Vaccinazioni:", 12, 0, full},
                 {&txtSverminazioni, "Sverminazioni", "Sverminazioni:", 12, 1, full},
                 {&txtTrattamenti, "Trattamenti", "Trattamenti antiparassitari:", 12, 2, full},
                 {&txtAccertamenti, "Accertamenti", "Accertamenti diagnostici:", 12, 3, full},
                 {&txtMalattie, "Malattie", "Malattie pregresse:", 12, 4, full},
                 {&txtInterventi, "Interventi", "Interventi chirurgici:", 12, 5, full},
                 {&txtProfilassi, "Profilassi", "Profilassi in corso:", 12, 6, full},
                 {&txtDifetti, "Difetti", "Difetti fisici:", 12, 7, full},
                 {&txtAlimentazione, "Alimentazione", "Alimentazione:", 12, 8, full},
             }},
            {panDocumenti, {}, btnCartella},
        },
        &AnimalRecordLayout(),
        {.highlight = FieldBehaviour::Highlight::Background, .chain = FieldBehaviour::Chain::HeadThenSection});

    // The head's edits, the enabled section buttons, then the section shown.
    QWidget::setTabOrder(txtRazza, btnPsicosomatica);
    QWidget::setTabOrder(btnPsicosomatica, btnAlbero);
    QWidget::setTabOrder(btnAlbero, btnSanitaria);
    QWidget::setTabOrder(btnSanitaria, btnDocumenti);
    QWidget::setTabOrder(btnDocumenti, txtMantello);
    QWidget::setTabOrder(txtAlimentazione, btnCartella);
    QWidget::setTabOrder(btnCartella, btnCosti);

    // The small commands beside the owner's tax code and town.
    const int smallTop = SectionGrid.editTop - 1;
    MakePictureCommands(panAlbero,
                        {
                            {&btnCodFisc, "btnCodFisc", "Controlla il codice fiscale.",
                             std::bind_front(&TfrmCani::btnCodFiscClick, this),
                             [](QSize size) { return CheckPicture(size); }, QRect(672, smallTop, Small, Small)},
                            {&btnCarta, "btnCarta", "Importa i dati dall'archivio anagrafico dei proprietari.",
                             std::bind_front(&TfrmCani::btnCartaClick, this), ImportPicture,
                             QRect(930, smallTop, Small, Small)},
                        },
                        status);

    // Attachments: values without an edit of their own.
    MakeAttachmentLabels(panel, lblFile, lblDesc);

    status->clearOverBackground(this);
}

void TfrmCani::buildCommands(QFrame *panel, StatusLine *status)
{
    const auto run = [this](void (TfrmCani::*handler)()) { return std::bind_front(handler, this); };
    const auto strip = [&](int left, const QList<StripCommand> &commands) {
        MakeCommandStrip(panel,
                         {.orientation = Qt::Horizontal, .origin = QPoint(left, StripTop), .tile = Tile, .pitch = Pitch},
                         commands, status);
    };
    strip(Margin,
          {
              {&cmdNuovo, "cmdNuovo", "Nuovo", "Prepara la schermata per l'inserimento di una nuova scheda.",
               run(&TfrmCani::cmdNuovoClick)},
              {&cmdDuplica, "cmdDuplica", "Duplica",
               "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.",
               run(&TfrmCani::cmdDuplicaClick)},
              {&cmdSalva, "cmdSalva", "Salva", "Salva la scheda corrente in archivio.", run(&TfrmCani::cmdSalvaClick)},
              {&cmdTrova, "cmdTrova", "Trova", "Trova una scheda in archivio.", run(&TfrmCani::cmdTrovaClick)},
          });
    strip(Margin + 4 * Pitch + 4,
          {{&cmdFile, "cmdFile", "Allega file", "Allega file alla scheda corrente.", run(&TfrmCani::cmdFileClick)}});
    strip(Margin + 5 * Pitch + 8,
          {
              {&cmdAnteprima, "cmdAnteprima", "RTF", "Esporta la scheda corrente in formato RTF.",
               run(&TfrmCani::cmdAnteprimaClick)},
              {&cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda corrente.", run(&TfrmCani::cmdStampaClick)},
          });
    const int navigatorLeft = Margin + 7 * Pitch + 18;
    navigator_ = new RecordNavigator(panel, QPoint(navigatorLeft, StripTop + (Tile.height() - RecordNavigator::Arrow) / 2),
                                     status);
    lblPosizione = navigator_->position();
    const int right = navigatorLeft + RecordNavigator::Width + 10;
    strip(right, {{&cmdEsporta, "cmdEsporta", "Esporta archivio",
                   "Esporta le schede in archivio in un file di Microsoft Excel.", run(&TfrmCani::cmdEsportaClick)}});
    strip(right + Pitch + 8,
          {
              {&cmdGuida, "cmdGuida", "Guida", "Visualizza la guida in linea.", run(&TfrmCani::cmdGuidaClick)},
              {&cmdEsci, "cmdEsci", "Esci", "Esci dalla schermata di lavoro corrente.", run(&TfrmCani::cmdEsciClick)},
          });
}

QFrame *TfrmCani::buildHead(QFrame *panel, StatusLine *status)
{
    QFrame *head = MakeRoundedPanel(panel, QStringLiteral("shpTestata"), Qt::white);
    head->setGeometry(Margin, HeadTop, InnerWidth, HeadHeight);

    // The four section buttons side by side, each showing its panel.
    const struct {
        QPushButton **button;
        const char *name;
        const char *caption;
        const char *hint;
        void (TfrmCani::*click)();
    } buttons[4] = {
        {&btnPsicosomatica, "btnPsicosomatica", "Dati psicosomatici",
         "Visualizza la sezione relativa ai dati psicosomatici.", &TfrmCani::btnPsicosomaticaClick},
        {&btnAlbero, "btnAlbero", "Albero genealogico", "Visualizza la sezione relativa all'albero genealogico.",
         &TfrmCani::btnAlberoClick},
        {&btnSanitaria, "btnSanitaria", "Situazione sanitaria",
         "Visualizza la sezione relativa alla situazione sanitaria.", &TfrmCani::btnSanitariaClick},
        {&btnDocumenti, "btnDocumenti", "Documenti e costi", "Visualizza la sezione relativa ai documenti e costi.",
         &TfrmCani::btnDocumentiClick},
    };
    for (int i = 0; i < 4; ++i) {
        auto *b = MakeNamed<QPushButton>(panel, QString::fromLatin1(buttons[i].name), QString::fromUtf8(buttons[i].caption));
        b->setGeometry(Margin + i * 190, ButtonsTop, 184, ButtonHeight);
        b->setFont(Look::Tahoma(10, true));
        connect(b, &QPushButton::clicked, this, buttons[i].click);
        status->hint(b, QString::fromUtf8(buttons[i].hint));
        *buttons[i].button = b;
    }
    return head;
}

void TfrmCani::buildSections(QFrame *panel, StatusLine *status)
{
    const auto section = [panel](const char *name) {
        QFrame *f = MakeRoundedPanel(panel, QString::fromLatin1(name), Qt::white);
        f->setGeometry(Margin, SectionTop, InnerWidth, SectionHeight);
        return f;
    };
    panPsicosomatica = section("panPsicosomatica");
    panAlbero = section("panAlbero");
    panSanitaria = section("panSanitaria");
    panDocumenti = section("panDocumenti");

    // The photo with its commands.
    imgFoto = new PhotoFrame(panPsicosomatica);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setGeometry(QRect(QPoint(PhotoLeft, 12), PhotoSize));
    imgFoto->setMouseTracking(true);
    imgBianco = MakeNamed<QLabel>(panPsicosomatica, QStringLiteral("imgBianco"));
    imgBianco->setGeometry(imgFoto->geometry());
    imgBianco->setPixmap(PlaceholderPicture(PhotoSize));
    imgBianco->hide();
    const int commandTop = 12 + PhotoSize.height() + 10;
    const int commandWidth = (PhotoSize.width() - 3 * 6) / 4;
    const auto photoCommand = [&](int i) { return QRect(PhotoLeft + i * (commandWidth + 6), commandTop, commandWidth, 62); };
    MakePictureCommands(
        panPsicosomatica,
        {
            {&btnCaricaFoto, "btnCaricaFoto", "Carica una foto esistente.",
             std::bind_front(&TfrmCani::btnCaricaFotoClick, this), word("Carica foto"), photoCommand(0)},
            {&btnSalvaFoto, "btnSalvaFoto", "Salva la foto su disco.", std::bind_front(&TfrmCani::btnSalvaFotoClick, this),
             word("Salva foto"), photoCommand(1)},
            {&btnCancFoto, "btnCancFoto", "Cancella la foto.", std::bind_front(&TfrmCani::btnCancFotoClick, this),
             word("Cancella foto"), photoCommand(2)},
            {&btnZoomFoto, "btnZoomFoto", "Visualizza la foto nelle sue dimensioni reali.",
             std::bind_front(&TfrmCani::btnZoomFotoClick, this), word("Zoom"), photoCommand(3)},
        },
        status);

    // "Documenti e costi": the explanation and the two commands.
    const auto text = [this](const char *name, const QString &t, int top, int height, const QColor &colour, int px,
                             bool bold = false) {
        auto *l = MakeNamed<QLabel>(panDocumenti, QString::fromLatin1(name), t);
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setFont(Look::TahomaPixels(px, bold));
        l->setStyleSheet(QStringLiteral("color: %1;").arg(Look::Css(colour)));
        l->setGeometry(60, top, InnerWidth - 120, height);
        l->setMouseTracking(true);
        return l;
    };
    text("lblIntestazione", QStringLiteral("ARCHIVIO DOCUMENTI E COSTI"), 24, 36, Look::Navy, 26, true);
    text("imgTesto01",
         QString::fromUtf8("E' possibile utilizzare una cartella abbinata alla scheda corrente in cui conservare le "
                           "copie digitali di qualsiasi documento riguardante l'animale (ad esempio, pedigree, "
                           "libretto sanitario, passaporto, ecografie, lastre ecc.).\n"
                           "E' inoltre possibile registrare tutte le prestazioni veterinarie erogate "
                           "dall'ambulatorio a favore dell'animale tenendo traccia anche dei relativi costi."),
         84, 110, Look::Ink, 16);
    text("imgTesto02", QString::fromUtf8("Servirsi dei pulsanti qui sotto per accedere alle funzioni sopra illustrate."),
         200, 26, Look::Crimson, 16, true);
    btnCartella = MakeNamed<QPushButton>(panDocumenti, QStringLiteral("btnCartella"), QStringLiteral("Apri cartella"));
    btnCosti = MakeNamed<QPushButton>(panDocumenti, QStringLiteral("btnCosti"), QStringLiteral("Registra prestazioni"));
    btnCartella->setGeometry(InnerWidth / 2 - 230, 244, 220, 44);
    btnCosti->setGeometry(InnerWidth / 2 + 10, 244, 220, 44);
    for (QPushButton *b : {btnCartella, btnCosti})
        b->setFont(Look::Tahoma(11, true));
    connect(btnCartella, &QPushButton::clicked, this, &TfrmCani::btnCartellaClick);
    connect(btnCosti, &QPushButton::clicked, this, &TfrmCani::btnCostiClick);
    status->hint(btnCartella,
                 QStringLiteral("Apri la cartella abbinata all'animale per aggiungere o rimuovere documenti."));
    status->hint(btnCosti, QStringLiteral("Visualizza la finestra per l'annotazione dei costi sostenuti."));
    text("imgTesto03",
         QString::fromUtf8("La cartella abbinata alla scheda e il file con l'annotazione delle prestazioni "
                           "veterinarie sono posizionati nella stessa directory in cui è installato il software.\n"
                           "Per effettuare il backup del programma e di tutti i dati archiviati, basta copiare la "
                           "cartella di installazione di Tavoren e incollarla su un disco fisso esterno o su "
                           "chiavetta USB."),
         320, 130, Look::Ink, 15);

    // A focused button is pressed by Enter, as a dialog's would be.
    MakeEnterButtons({btnPsicosomatica, btnAlbero, btnSanitaria, btnDocumenti, btnCartella, btnCosti});
}

void TfrmCani::FormCreate()
{
    ApplyFormatSettings();

    card = new RecordCard(this, {
        .archiveFile = [] { return AnimalArchiveName; },
        .layout = &AnimalRecordLayout(),
        .required = {{txtNome, QString::fromUtf8("il nome assegnato all'animale.")},
                     {txtSesso, QString::fromUtf8("il sesso dell'animale.")},
                     {txtDataNasc, QString::fromUtf8("la data di nascita dell'animale nel formato gg/mm/aaaa.")},
                     {txtGruppo, QString::fromUtf8("la specie di appartenenza dell'animale.")},
                     {txtRazza, QString::fromUtf8("la razza di appartenenza dell'animale.")}},
        .resetOnDuplicate = {lblFile[0], lblFile[1], lblFile[2], lblDesc[0], lblDesc[1], lblDesc[2]},
        .firstField = txtNome,
        .reveal = [this](QWidget *field) {
            for (QFrame *section : {panPsicosomatica, panAlbero, panSanitaria, panDocumenti})
                if (section->isAncestorOf(field))
                    showSection(section);
        },
        .afterClear = [this] {
            showPlaceholder(PhotoSource::Missing);
            showSection(panPsicosomatica);
        },
        .afterDuplicate = [this] {
            // The copy is a new animal: it has no photo of its own yet.
            showPlaceholder(PhotoSource::Missing);
            showSection(panPsicosomatica);
            txtNome->setFocus();
        },
        .afterShow = [this](int) { LoadAnimalPhoto(); },
        .afterSave = [this](int) { SaveAnimalPhoto(); },
    });

    navigator_->attach(card);
    showPlaceholder(PhotoSource::Missing);
}

void TfrmCani::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // The card always opens empty; restoring a minimised window is not a new showing.
    if (!e->spontaneous())
        ClearAnimalCard();
}

void TfrmCani::closeEvent(QCloseEvent *e)
{
    e->accept();
    ReturnToLauncher(this);
}

void TfrmCani::ClearAnimalCard()
{
    card->clear();
    txtNome->setFocus();
}

void TfrmCani::showSection(QFrame *section)
{
    const std::array<std::pair<QFrame *, QPushButton *>, 4> sections{{{panPsicosomatica, btnPsicosomatica},
                                                                      {panAlbero, btnAlbero},
                                                                      {panSanitaria, btnSanitaria},
                                                                      {panDocumenti, btnDocumenti}}};
    for (const auto &[panel, button] : sections) {
        panel->setVisible(panel == section);
        button->setEnabled(panel != section);
    }
}

void TfrmCani::btnPsicosomaticaClick()
{
    showSection(panPsicosomatica);
    txtMantello->setFocus();
}
void TfrmCani::btnAlberoClick()
{
    showSection(panAlbero);
    txtProprietario->setFocus();
}
void TfrmCani::btnSanitariaClick()
{
    showSection(panSanitaria);
    txtVaccinazioni->setFocus();
}
void TfrmCani::btnDocumentiClick()
{
    showSection(panDocumenti);
    btnCartella->setFocus();
}

void TfrmCani::cmdNuovoClick() { card->New(); }
void TfrmCani::cmdDuplicaClick() { card->Duplicate(); }
void TfrmCani::cmdSalvaClick() { card->Save(); }
void TfrmCani::cmdPrimoClick() { card->First(); }
void TfrmCani::cmdIndietroClick() { card->Previous(); }
void TfrmCani::cmdAvantiClick() { card->Next(); }
void TfrmCani::cmdUltimoClick() { card->Last(); }

void TfrmCani::cmdTrovaClick() { OpenAnimalSearch(this, QStringLiteral("cani")); }

void TfrmCani::cmdFileClick() { OpenAttachFiles(this, QStringLiteral("cani"), AttachmentLabelsOf(this)); }

void TfrmCani::cmdAnteprimaClick() { OpenAnimalRtf(this); }
void TfrmCani::cmdStampaClick() { OpenAnimalPrintout(this); }

void TfrmCani::cmdEsportaClick() { OpenModal<TfrmExpCani>(this); }

void TfrmCani::cmdGuidaClick()
{
    ShowHelp(this, AnimalHelpTitle(), AnimalHelpParagraphs().join(QStringLiteral("\r\n\r\n")));
}

void TfrmCani::cmdEsciClick() { close(); }

void TfrmCani::btnCodFiscClick() { OpenTaxCodeCheck(this, txtCodFisc->text()); }

void TfrmCani::btnCartaClick() { OpenOwnerSearch(this, QStringLiteral("cani")); }

int TfrmCani::savedNumber() const
{
    return SavedAnimalNumber(lblPosizione->text(), AnimalCount()).value_or(0);
}

// --- the photo ---

void TfrmCani::showPlaceholder(PhotoSource source)
{
    imgFoto->setPixmap(imgBianco->pixmap());
    photoSource_ = source;
}

void TfrmCani::LoadAnimalPhoto()
{
    if (TrimText(lblPosizione->text()).isEmpty()) {
        showPlaceholder(PhotoSource::Missing);
        return;
    }
    // A number that names no saved record names no photo either: whatever is shown, nothing is
    // written for it.
    const int number = savedNumber();
    if (!number) {
        showPlaceholder(PhotoSource::Unreadable);
        return;
    }
    QString path;
    try {
        path = ResolveInFolder(ProgramSubfolder(AlbumFolder), QStringLiteral("Animale_%1.jpg").arg(number));
    } catch (const std::exception &e) {
        LogFailure(QStringLiteral("the photo of animal %1: ").arg(number) + QString::fromStdString(e.what()));
        showPlaceholder(PhotoSource::Unreadable);
        return;
    }
    if (!QFileInfo::exists(path)) {
        showPlaceholder(PhotoSource::Missing);
        return;
    }
    const QImage photo = ReadPicture(path);
    if (photo.isNull()) {
        // The file is kept as it is: a later Save never replaces it unless the user loads another.
        showPlaceholder(PhotoSource::Unreadable);
        return;
    }
    imgFoto->setPixmap(QPixmap::fromImage(photo));
    photoSource_ = PhotoSource::Album;
}

void TfrmCani::SaveAnimalPhoto()
{
    if (photoSource_ == PhotoSource::Album || photoSource_ == PhotoSource::Unreadable)
        return;
    const int number = savedNumber();
    if (!number)
        return;
    const bool written = RunGuarded(
        [&] {
            const QByteArray jpeg = EncodePicture(imgFoto->pixmap().toImage(), "jpg", 90);
            const QString folder = ProgramSubfolder(AlbumFolder);
            SaveFileWhole(ResolveInFolder(folder, QStringLiteral("Animale_%1.jpg").arg(number)), jpeg);
        },
        [] { ShowNotice(NoticeKind::Warning, AlbumNotWritten); });
    if (written)
        photoSource_ = PhotoSource::Album;
}

void TfrmCani::btnCaricaFotoClick()
{
    const QImage photo = ChoosePicture(
        this, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."),
        QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine PNG (*.png);;Immagine Bitmap (*.bmp)"), PhotoNotLoaded);
    if (photo.isNull())
        return;
    imgFoto->setPixmap(QPixmap::fromImage(photo));
    photoSource_ = PhotoSource::Changed;
}

void TfrmCani::btnSalvaFotoClick()
{
    QString chosen = platform().saveFileName(this, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."),
                                             QStringLiteral("Foto.jpg"), QStringLiteral("File Jpeg (*.jpg)"));
    if (chosen.isEmpty())
        return;
    if (QFileInfo(chosen).suffix().isEmpty()) {
        // The dialog asked about the name typed; the name with its extension is asked about here.
        chosen += QStringLiteral(".jpg");
        if (QFileInfo::exists(chosen)
            && !AskYesNo(QString::fromUtf8("Il file %1 esiste già.\n\r\n\rSi desidera sostituirlo?")
                             .arg(QFileInfo(chosen).fileName())))
            return;
    }
    RunGuarded(
        [&] {
            const QByteArray format = QFileInfo(chosen).suffix().toLower().toLatin1();
            SaveFileWhole(chosen, EncodePicture(imgFoto->pixmap().toImage(), format, 90));
        },
        [] { ShowNotice(NoticeKind::Warning, PhotoNotWritten); });
}

void TfrmCani::btnCancFotoClick() { showPlaceholder(PhotoSource::Changed); }

void TfrmCani::btnZoomFotoClick() { OpenPhotoZoom(this); }

// --- documents and costs ---

void TfrmCani::btnCartellaClick()
{
    const int number = savedNumber();
    if (!number) {
        ShowNotice(NoticeKind::Warning,
                   QString::fromUtf8("Attenzione: l'abbinamento della cartella all'animale può avvenire soltanto dopo "
                                     "che la scheda è stata inserita in archivio."));
        return;
    }
    RunReportingErrors(
        [&] {
            const QString folder = ProgramSubfolder(DocumentFolders + QStringLiteral("/Animale_%1").arg(number));
            TMisc::Open(u'"' + QDir::toNativeSeparators(folder) + u'"');
        },
        QString::fromUtf8("Attenzione: non è stato possibile creare la cartella abbinata all'animale."));
}

void TfrmCani::btnCostiClick()
{
    const QString position = TrimText(lblPosizione->text());
    if (!position.isEmpty()) {
        if (TrimText(txtNome->text()).isEmpty()) {
            ShowNotice(NoticeKind::Warning, QString::fromUtf8("Attenzione: per accedere alla gestione dei costi è "
                                                              "necessario indicare il nome dell'animale."));
            txtNome->setFocus();
            return;
        }
        if (TrimText(txtRazza->text()).isEmpty()) {
            ShowNotice(NoticeKind::Warning, QString::fromUtf8("Attenzione: per accedere alla gestione dei costi è "
                                                              "necessario indicare la razza dell'animale."));
            txtRazza->setFocus();
            return;
        }
    }
    // An empty or unsaved number gets the register's own warning.
    OpenAnimalCosts(this, position, AnimalCount(), TrimText(txtNome->text()), TrimText(txtRazza->text()));
}
