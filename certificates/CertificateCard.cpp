#include "certificates/CertificateCard.h"
#include "common/ui/WindowBuild.h"

#include "animals/AnimalHandBack.h"
#include "animals/TrovaCani.h"
#include "certificates/CertificateHelp.h"
#include "certificates/CertificateRecord.h"
#include "certificates/CertificateSearch.h"
#include "certificates/CertificatePictures.h"
#include "common/Dates.h"
#include "common/Guard.h"
#include "common/IniFile.h"
#include "common/Messages.h"
#include "common/ui/CardPanel.h"
#include "common/ui/CommandPictures.h"
#include "common/ui/CommandStrip.h"
#include "common/ui/FieldTable.h"
#include "common/ui/Look.h"
#include "common/ui/RecordCard.h"
#include "common/ui/RecordNavigator.h"
#include "common/ui/SettingsBinding.h"
#include "common/ui/StatusLine.h"
#include "common/ui/Widgets.h"
#include "dialogs/Calendario.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "dialogs/NumerazioneDoc.h"
#include "dialogs/ReturnToLauncher.h"
#include "owners/OwnerHandBack.h"
#include "owners/TrovaClienti.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QShowEvent>

#include <algorithm>
#include <functional>

namespace {

// The card fits the launcher's design area (1016 x 713).
constexpr int PanelWidth = 1008;
constexpr int Margin = 8;
constexpr int BandWidth = PanelWidth - 2 * Margin;
constexpr int BandGap = 6;
constexpr int BarHeight = 72;
constexpr int StatusHeight = 28;
constexpr int Tile = 64;  // command tiles, the glyph above the word
constexpr int TileHeight = 58;
constexpr int TilePitch = 68;
constexpr int Button = 26;  // the picture commands beside an edit

const FieldGrid Grid{.rowPitch = 52,
                     .captionTop = 2,
                     .editTop = 22,
                     .editHeight = 26,
                     .editFont = Look::Verdana(10, true)};

EditRules rulesFor(CertificateInput input)
{
    using C = EditRules::Case;
    switch (input) {
    case CertificateInput::UpperCase: return {.typing = C::UpperTrim};
    case CertificateInput::UpperCaseKeepBlanks: return {.typing = C::Upper};
    case CertificateInput::TaxCode: return {.digitsOnly = true, .typing = C::UpperTrim, .lettersToo = true};
    case CertificateInput::Plain:
    case CertificateInput::Date: break;
    }
    return {};
}

// Keys that leave the date edit as they would any other: moving on, back, and a modifier alone.
bool passesDateEdit(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

} // namespace

CertificateCard::CertificateCard(const CertificateType &type, QWidget *parent) : QWidget(parent), type_(type)
{
    // The pickers write into this card while it exists, built or not yet.
    const QPointer<CertificateCard> self(this);
    const auto built = [self]() -> CertificateCard * {
        if (self)
            BuildPending(self);
        return self.data();
    };
    RegisterDateTarget(type_.dateTag(), [built]() -> QLineEdit * {
        CertificateCard *card = built();
        return card ? card->edit(QStringLiteral("Data")) : nullptr;
    });
    RegisterOwnerTarget(type_.contextTag, built);
    RegisterAnimalTarget(type_.contextTag, built);
    RegisterCertificateTarget(type_.contextTag, built);
    BuildWhenNeeded(this, [this] {
        setObjectName(type_.objectName);
        setWindowTitle(type_.caption);
        SetGradientBackground(this, QColor(0x42, 0x7a, 0xa8), Qt::white);
        setMouseTracking(true);
        buildLayout();
        FormCreate();
        setWindowState(Qt::WindowMaximized);
    });
}

CertificateCard::~CertificateCard() = default;

QLineEdit *CertificateCard::edit(const QString &field) const { return byField_.value(field); }

void CertificateCard::buildLayout()
{
    // The panel is as tall as the bands of the type.
    int height = Margin + BarHeight + BandGap + StatusHeight + Margin;
    for (const CertificateBand &b : type_.bands)
        height += b.height + BandGap;
    QFrame *panel = PlaceCardPanel(this, QSize(PanelWidth, height));
    const RecordLayout &layout = *type_.layout;
    edits_.assign(size_t(layout.fieldCount()), nullptr);

    // The command bar: the record commands, the record arrows, then the archive commands.
    QFrame *bar = MakeRoundedPanel(panel, QStringLiteral("shpComandi"), Look::Pale);
    bar->setGeometry(Margin, Margin, BandWidth, BarHeight);
    int top = Margin + BarHeight + BandGap;

    // The bands, top to bottom, and the fields on them.
    struct Extra {
        QWidget *band;
        const CertificateEdit *edit;
    };
    QList<Extra> commandsBeside;
    QList<FieldSection> sections;
    int index = 0;
    for (const CertificateBand &b : type_.bands) {
        const QRect place(Margin, top, BandWidth, b.height);
        top += b.height + BandGap;
        if (b.kind == CertificateBandKind::Title) {
            // The title strip stands between the sections, a picture of its own.
            QLabel *title = MakeDrawnPicture(panel, QStringLiteral("icoNomeCert"), place,
                                             [title = type_.title](QSize size) { return TitleBandPicture(title, size); });
            title->setAccessibleName(type_.title);
            sections.append(FieldSection{title, {}});
            continue;
        }
        // The sections are numbered top to bottom, the title strip not counted.
        const QString n = QStringLiteral("%1").arg(++index, 2, 10, QLatin1Char('0'));
        QFrame *band = MakeRoundedPanel(panel, QStringLiteral("shpSez") + n, Qt::white);
        band->setGeometry(place);
        const QRect icon(8, (b.height - 56) / 2, 56, 56);
        switch (b.kind) {
        case CertificateBandKind::Header:
            MakeDrawnPicture(band, QStringLiteral("icoLogo"), QRect(10, 6, 48, 48),
                             [](QSize size) { return EmblemPicture(size); });
            break;
        case CertificateBandKind::Title:
            break;
        case CertificateBandKind::Owner:
            MakeDrawnPicture(band, QStringLiteral("icoProprietario"), icon,
                             [](QSize size) { return SectionPicture(SectionGlyph::Person, size); });
            break;
        case CertificateBandKind::Animal:
            MakeDrawnPicture(band, QStringLiteral("icoAnimale"), icon, [](QSize size) { return AnimalIconPicture(size); });
            break;
        case CertificateBandKind::Declaration: {
            // Below the band's edits, an inner panel holds the declaration, the signature box and
            // the type's photograph, left to right.
            constexpr int Signature = 240;
            int rows = 0;
            for (const CertificateEdit &e : b.edits)
                rows = std::max(rows, e.row + 1);
            const int bottomTop = rows * Grid.rowPitch + 4;
            QFrame *bottom = MakeNamed<QFrame>(band, QStringLiteral("shpBottom"));
            bottom->setGeometry(4, bottomTop, BandWidth - 8, b.height - bottomTop - 4);
            bottom->setMouseTracking(true);
            const int h = bottom->height();
            int right = bottom->width() - 8;
            if (type_.photo) {
                const int photoWidth = h * 4 / 3;
                right -= photoWidth;
                MakeDrawnPicture(bottom, QString::fromLatin1(type_.photoName), QRect(right, 4, photoWidth, h - 8),
                                 type_.photo);
                right -= 12;
            }
            right -= Signature;
            MakeDrawnPicture(bottom, QStringLiteral("icoFirma"), QRect(right, 0, Signature, h),
                             [it = type_.signature, en = type_.signatureEnglish](QSize size) {
                                 return SignaturePicture(it, en, size);
                             })
                ->setAccessibleName(DeclarationLines(type_.signature, type_.signatureEnglish).join(QLatin1Char('\n')));
            MakeDrawnPicture(bottom, QStringLiteral("icoDichiarazione"), QRect(8, 0, right - 24, h),
                             [it = type_.declaration, en = type_.declarationEnglish](QSize size) {
                                 return DeclarationPicture(it, en, size);
                             })
                ->setAccessibleName(DeclarationLines(type_.declaration, type_.declarationEnglish).join(QLatin1Char('\n')));
            break;
        }
        case CertificateBandKind::Fields:
        case CertificateBandKind::Own:
            break;
        }
        FieldSection section{band, {}};
        for (const CertificateEdit &e : b.edits) {
            const int i = layout.indexOf(QString::fromLatin1(e.field));
            if (i < 0)
                throw std::logic_error(std::string("certificate edit without a field: ") + e.field);
            section.fields.append({.control = &edits_[size_t(i)],
                                   .name = e.field,
                                   .caption = e.caption,
                                   .x = e.x,
                                   .row = e.row,
                                   .width = e.width,
                                   .rules = rulesFor(e.input),
                                   .alignment = e.alignment,
                                   .controlName = e.control,
                                   .rest = e.rest});
            if (e.command != CertificateEditCommand::None)
                commandsBeside.append({band, &e});
        }
        sections.append(section);
    }
    FieldTable(Grid, sections, &layout,
               {.highlight = FieldBehaviour::Highlight::Background, .rest = Qt::white});
    if (type_.ownControls)
        for (int i = 0; i < type_.bands.size(); ++i)
            if (type_.bands[i].kind == CertificateBandKind::Own)
                type_.ownControls(sections[i].panel);
    for (int i = 0; i < layout.fieldCount(); ++i)
        byField_.insert(layout.name(i), edits_[size_t(i)]);
    // An edit of its own colour writes in it, and so does its caption. The edit's palette carries
    // it, as the focus highlight rewrites the edit's style sheet; the caption's style sheet does.
    for (const CertificateBand &b : type_.bands)
        for (const CertificateEdit &e : b.edits) {
            if (!e.colour.isValid())
                continue;
            QLineEdit *edit = byField_.value(QString::fromLatin1(e.field));
            SetPaletteColour(edit, QPalette::Text, e.colour);
            if (auto *caption = panel->findChild<QLabel *>(QStringLiteral("tit") + QString::fromLatin1(e.field)))
                caption->setStyleSheet(QStringLiteral("color: %1;").arg(Look::Css(e.colour)));
        }
    // Captions that the type names otherwise than "tit" + the field.
    for (const CertificateBand &b : type_.bands)
        for (const CertificateEdit &e : b.edits)
            if (!e.captionName.isEmpty())
                if (auto *caption = panel->findChild<QLabel *>(QStringLiteral("tit") + QString::fromLatin1(e.field)))
                    caption->setObjectName(e.captionName);

    panInfo = PlaceStatusStrip(panel, QRect(Margin, top, BandWidth, StatusHeight),
                               QStringLiteral("Pronto per archiviare una nuova scheda..."));

    const auto run = [this](void (CertificateCard::*handler)()) { return std::bind_front(handler, this); };
    const int barTop = (BarHeight - TileHeight) / 2;
    const int navigatorTop = (BarHeight - RecordNavigator::Arrow) / 2;
    const CommandStripSetup strip{.orientation = Qt::Horizontal, .origin = QPoint(8, barTop),
                                  .tile = QSize(Tile, TileHeight), .pitch = TilePitch};
    MakeCommandStrip(bar, strip,
                     {
                         {&cmdNuovo, "cmdNuovo", "Nuovo", "Prepara la schermata per l'inserimento di una nuova scheda.",
                          run(&CertificateCard::cmdNuovoClick)},
                         {&cmdDuplica, "cmdDuplica", "Duplica",
                          "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.",
                          run(&CertificateCard::cmdDuplicaClick)},
                         {&cmdSalva, "cmdSalva", "Salva", "Salva la scheda corrente in archivio.",
                          run(&CertificateCard::cmdSalvaClick)},
                         {&cmdTrova, "cmdTrova", "Trova", "Trova una scheda in archivio.",
                          run(&CertificateCard::cmdTrovaClick)},
                         {&cmdAnteprima, "cmdAnteprima", "Anteprima",
                          "Visualizza l'anteprima di stampa della scheda corrente.",
                          run(&CertificateCard::cmdAnteprimaClick)},
                         {&cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda corrente.",
                          run(&CertificateCard::cmdStampaClick)},
                     },
                     panInfo);
    const int navigatorLeft = 8 + 6 * TilePitch;
    navigator_ = new RecordNavigator(bar, QPoint(navigatorLeft, navigatorTop), panInfo);
    lblPosizione = navigator_->position();
    MakeCommandStrip(bar,
                     {.orientation = Qt::Horizontal,
                      .origin = QPoint(navigatorLeft + RecordNavigator::Width + 8, barTop),
                      .tile = strip.tile,
                      .pitch = TilePitch},
                     {
                         {&cmdEsporta, "cmdEsporta", "Esporta archivio",
                          "Esporta le schede in archivio in un file di Microsoft Excel.",
                          run(&CertificateCard::cmdEsportaClick)},
                         {&cmdNumerazione, "cmdNumerazione", "N.",
                          "Imposta il numero iniziale per la numerazione delle schede.",
                          run(&CertificateCard::cmdNumerazioneClick)},
                         {&cmdGuida, "cmdGuida", "Guida", "Visualizza la guida in linea.",
                          run(&CertificateCard::cmdGuidaClick)},
                         {&cmdEsci, "cmdEsci", "Esci", "Esci dalla schermata di lavoro corrente.",
                          run(&CertificateCard::cmdEsciClick)},
                     },
                     panInfo);

    // The picture commands at the right of their edits.
    const PictureMaker arrow = [](QSize size) { return ImportArrowPicture(size); };
    const PictureMaker check = [](QSize size) { return CheckPicture(size); };
    for (const Extra &x : commandsBeside) {
        const QRect place(x.edit->x + x.edit->width + 4, x.edit->row * Grid.rowPitch + Grid.editTop, Button, Button);
        PictureCommand command;
        switch (x.edit->command) {
        case CertificateEditCommand::ImportOwner:
            command = {&impProprietario, "impProprietario", "Importa i dati dall'archivio anagrafico dei proprietari.",
                       run(&CertificateCard::impProprietarioClick), arrow, place};
            break;
        case CertificateEditCommand::ImportAnimal:
            command = {&impNomeAni, "impNomeAni", "Importa i dati dall'archivio anagrafico degli animali.",
                       run(&CertificateCard::impNomeAniClick), arrow, place};
            break;
        case CertificateEditCommand::CheckTaxCode:
            command = {&btnCodFisc, "btnCodFisc", "Controlla il codice fiscale.", run(&CertificateCard::btnCodFiscClick),
                       check, place};
            break;
        case CertificateEditCommand::None:
            continue;
        }
        MakePictureCommands(x.band, {command}, panInfo);
    }

    panInfo->clearOverBackground(this);
}

void CertificateCard::FormCreate()
{
    ApplyFormatSettings();

    const auto field = [this](const char *name) -> QWidget * { return edit(QString::fromLatin1(name)); };
    QList<std::pair<QString, QString>> renamed;
    for (const CertificateBand &b : type_.bands)
        for (const CertificateEdit &e : b.edits) {
            if (e.control)
                renamed.append({QString::fromLatin1(e.field), QString::fromLatin1(e.control)});
            // The date is typed by no one: the picker fills it, Backspace and Delete empty it. This
            // filter comes after the Enter chain's, so Enter opens the picker there too.
            if (e.input == CertificateInput::Date) {
                QLineEdit *date = edit(QString::fromLatin1(e.field));
                date->setReadOnly(true);
                date->installEventFilter(this);
            }
        }
    QList<RequiredField> required;
    for (const RequiredPhrase &r : type_.required)
        required.append({field(r.field), r.phrase});
    QList<QWidget *> issuer;
    QList<SettingsBinding::Entry> header;
    for (const HeaderKey &k : type_.headerKeys) {
        issuer.append(field(k.field));
        header.append({field(k.field), PracticeHeaderSection, QString::fromLatin1(k.key)});
    }
    header_ = std::make_unique<SettingsBinding>(header);

    card = new RecordCard(this, {
        .archiveFile = [this] { return type_.archiveName; },
        .layout = type_.layout,
        .required = required,
        .renamed = renamed,
        .keptByNew = issuer,
        .numbering = DocumentNumbering{.section = type_.numberingSection, .target = field("Num")},
        .resetOnDuplicate = {field("Num")},
        .firstField = type_.clearFocus ? field(type_.clearFocus) : nullptr,
        .afterClear =
            [this, field] {
                for (const ClearValue &v : type_.clearValues)
                    SetControlText(field(v.field), v.value);
                if (type_.ownClear)
                    type_.ownClear(this);
                if (type_.clearFocus)
                    field(type_.clearFocus)->setFocus();
            },
        .afterNew = [this] { today("Data"); },
        .afterDuplicate =
            [this, field] {
                today("Data");
                field("Num")->setFocus();
            },
        .beforeSave =
            [this, field] {
                if (IsValidDateText(edit(QStringLiteral("Data"))->text()))
                    return true;
                ShowNotice(NoticeKind::Warning, type_.dateMessage);
                field("Data")->setFocus();
                return false;
            },
        .showOwn =
            [this](const Record &record) {
                if (type_.ownShow)
                    type_.ownShow(this, record);
            },
    });
    navigator_->attach(card);
}

void CertificateCard::today(const char *field) { edit(QString::fromLatin1(field))->setText(FormatDate(Today())); }

void CertificateCard::ClearCertificateCard() { card->clear(); }

void CertificateCard::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // Every showing starts blank with the stored header; restoring a minimised window is not one.
    if (e->spontaneous())
        return;
    header_->load(ProgramFile(SettingsFileName));
    ClearCertificateCard();
}

void CertificateCard::closeEvent(QCloseEvent *e)
{
    // A header value the settings file could not keep as shown holds the card open, with the focus
    // on it; a settings file that cannot be written is reported, and the card closes all the same:
    // an unwritable folder must never hold the user in the card.
    if (!header_->storable()) {
        e->ignore();
        return;
    }
    e->accept();
    RunReportingErrors([this] { header_->save(ProgramFile(SettingsFileName)); }, SettingsWriteFailureMessage());
    ReturnToLauncher(this);
}

bool CertificateCard::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, e);
    auto *date = qobject_cast<QLineEdit *>(watched);
    const int key = static_cast<QKeyEvent *>(e)->key();
    if (!date || passesDateEdit(key))
        return false;
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete)
        date->clear();
    else
        OpenDatePicker(this, type_.dateTag());
    return true;
}

void CertificateCard::cmdNuovoClick() { card->New(); }
void CertificateCard::cmdDuplicaClick() { card->Duplicate(); }
void CertificateCard::cmdSalvaClick() { card->Save(); }
void CertificateCard::cmdPrimoClick() { card->First(); }
void CertificateCard::cmdIndietroClick() { card->Previous(); }
void CertificateCard::cmdAvantiClick() { card->Next(); }
void CertificateCard::cmdUltimoClick() { card->Last(); }

// A command the type does not declare does nothing.
void CertificateCard::cmdTrovaClick() { runDeclared(type_.openSearch); }
void CertificateCard::cmdEsportaClick() { runDeclared(type_.openExport); }
void CertificateCard::cmdAnteprimaClick() { runDeclared(type_.preview); }
void CertificateCard::cmdStampaClick() { runDeclared(type_.print); }

void CertificateCard::runDeclared(const std::function<void(QWidget *)> &command)
{
    if (command)
        command(this);
}

void CertificateCard::cmdNumerazioneClick() { OpenNumberingDialog(this, type_.contextTag); }

void CertificateCard::cmdGuidaClick() { ShowHelp(this, CertificateHelpTitle(), CertificateHelpText()); }

void CertificateCard::cmdEsciClick() { close(); }

void CertificateCard::impProprietarioClick() { OpenOwnerSearch(this, type_.contextTag); }

void CertificateCard::impNomeAniClick() { OpenAnimalSearch(this, type_.contextTag); }

void CertificateCard::btnCodFiscClick() { OpenTaxCodeCheck(this, edit(QStringLiteral("CodFisc"))->text()); }
