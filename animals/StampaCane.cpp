#include "animals/StampaCane.h"
#include "common/ui/WindowBuild.h"

#include "animals/AnimalPictures.h"
#include "common/Dates.h"
#include "common/Guard.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/ActionPanel.h"
#include "common/ui/CommandPictures.h"
#include "common/ui/RecordCard.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ReportOutput.h"

#include <QLabel>
#include <QShowEvent>

WindowHandle<TfrmStampaCane> frmStampaCane;

namespace {

constexpr int WindowWidth = 364;
constexpr int WindowHeight = 287;
// The fallback picture, drawn at the proportions of the page's photo box.
constexpr QSize FallbackSize(752, 448);

const QColor LightSteelBlue(176, 196, 222);
const QColor Lavender(230, 230, 250);
const QColor Gold(255, 215, 0);

constexpr double PageWidth = 188;
constexpr double ValueHeight = 6;
constexpr double CaptionRise = 5;   // a caption stands this far above its value box
constexpr double ValueIndent = 0.5; // with the renderer's own inner gap, the value starts 1 mm inside

ReportTextStyle textStyle(double points, ReportHAlign h = ReportHAlign::Left, ReportVAlign v = ReportVAlign::Top)
{
    ReportTextStyle s;
    s.font.pointSize = points;
    s.hAlign = h;
    s.vAlign = v;
    return s;
}

// One value on the page: its caption, its framed box and the text object named after the card's edit.
struct PrintedValue {
    const char *edit;
    const char *caption;
    double left;
    double width;
};

struct PrintedRow {
    double top;   // the captions' top; the boxes stand CaptionRise below
    std::initializer_list<PrintedValue> values;
};

// The 23 values in the order they are filled: the title and then row by row as printed.
const PrintedRow Rows[] = {
    {131,
     {{"txtDataNasc", "DATA NASCITA:", 1, 39},
      {"txtSesso", "SESSO:", 42, 17},
      {"txtSterilizzato", "STERILIZZATO:", 61, 32},
      {"txtGruppo", "SPECIE:", 97, 92}}},
    {145, {{"txtRazza", "RAZZA:", 1, 92}, {"txtMantello", "COLORE MANTELLO:", 97, 92}}},
    {159, {{"txtSegni", "SEGNI PARTICOLARI:", 1, 92}, {"txtLibretto", "LIBRETTO SANITARIO:", 97, 92}}},
    {173, {{"txtMedico", "MEDICO VETERINARIO:", 1, 92}, {"txtMicrochip", "CODICE MICROCHIP:", 97, 92}}},
    {187, {{"txtLocalizzazione", "LOCALIZZAZIONE MICROCHIP:", 1, 92}, {"txtTatuaggio", "TATUAGGIO:", 97, 92}}},
    {201,
     {{"txtProprietario", "PROPRIETARIO ATTUALE:", 1, 92},
      {"txtRecapito", "TELEFONO PREFERENZIALE:", 97, 53},
      {"txtInizioProp", "INIZIO PROPRIETA':", 152, 36}}},
    {215, {{"txtROI", "NUMERO ROI:", 1, 92}, {"txtAllevatore", "ALLEVATORE:", 97, 92}}},
    {229, {{"txtPadre", "PADRE:", 1, 92}, {"txtMadre", "MADRE:", 97, 92}}},
    {243, {{"txtVaccinazioni", "VACCINAZIONI:", 1, 92}, {"txtAlimentazione", "ALIMENTAZIONE:", 97, 92}}},
};

// The edits whose values the page prints, in the order they are filled.
const char *const PrintedEdits[] = {
    "txtNome",         "txtSesso",          "txtDataNasc",  "txtGruppo",       "txtRazza",
    "txtMantello",     "txtSegni",          "txtSterilizzato", "txtLibretto",  "txtMedico",
    "txtROI",          "txtMicrochip",      "txtLocalizzazione", "txtTatuaggio", "txtProprietario",
    "txtRecapito",     "txtInizioProp",     "txtAllevatore", "txtPadre",       "txtMadre",
    "txtVaccinazioni", "txtAlimentazione",  "txtNote",
};

void addValueBox(ReportTemplate &t, const QString &edit, const QRectF &box)
{
    t.add<ReportRectangle>(QStringLiteral("shp") + edit.mid(3), box);
    auto &value = t.add<ReportText>(edit, box.adjusted(ValueIndent, 0, 0, 0));
    value.style = textStyle(8, ReportHAlign::Left, ReportVAlign::Center);
}

// The printout "Scheda Animale": one A4 portrait page with 10 mm margins and every object placed on it.
class AnimalReportTemplate : public ReportTemplate {
public:
    AnimalReportTemplate() : ReportTemplate(QStringLiteral("Scheda Animale"))
    {
        auto &title = add<ReportRectangle>(QStringLiteral("shpTitolo"), QRectF(1, 1, PageWidth, 10));
        title.fill = LightSteelBlue;
        title.frame.reset();
        add<ReportText>(QStringLiteral("txtNome"), QRectF(1, 1, PageWidth, 10)).style =
            textStyle(12, ReportHAlign::Center, ReportVAlign::Center);

        add<ReportPicture>(QStringLiteral("imgLogo"), QRectF(1, 14, PageWidth, 112)).centred = true;

        for (const PrintedRow &row : Rows) {
            for (const PrintedValue &v : row.values) {
                const QString edit = QString::fromLatin1(v.edit);
                auto &caption = add<ReportText>(QStringLiteral("tit") + edit.mid(3),
                                                QRectF(v.left, row.top, v.width, CaptionRise));
                caption.setText(QString::fromUtf8(v.caption));
                caption.style = textStyle(8);
                addValueBox(*this, edit, QRectF(v.left, row.top + CaptionRise, v.width, ValueHeight));
            }
        }

        auto &notesBand = add<ReportRectangle>(QStringLiteral("shpNote"), QRectF(1, 257, PageWidth, 6));
        notesBand.fill = Lavender;
        notesBand.frame.reset();
        auto &notesCaption = add<ReportText>(QStringLiteral("titNote"), QRectF(1, 257, PageWidth, 6));
        notesCaption.setText(QStringLiteral("NOTE:"));
        notesCaption.style = textStyle(9, ReportHAlign::Center, ReportVAlign::Center);
        addValueBox(*this, QStringLiteral("txtNote"), QRectF(1, 263, PageWidth, ValueHeight));

        auto &footerBand = add<ReportRectangle>(QStringLiteral("shpCalce"), QRectF(1, 270, PageWidth, 6));
        footerBand.fill = Gold;
        footerBand.frame.reset();
        add<ReportText>(QStringLiteral("txtCalce"), QRectF(1, 270, PageWidth, 6)).style =
            textStyle(8, ReportHAlign::Center, ReportVAlign::Center);
    }
};

} // namespace

TfrmStampaCane::TfrmStampaCane(QWidget *parent)
    : ActionDialog(
          parent, QStringLiteral("frmStampaCane"), QStringLiteral(" Stampa scheda"), QSize(WindowWidth, WindowHeight),
          {
              .headingPicture = &AnimalPictures::PrintoutHeading,
              .heading = QStringLiteral("Stampa scheda"),
              .explanation = QString::fromUtf8("Questa operazione provvederà a stampare la scheda corrente su carta "
                                               "con i dati immessi dall'utente."),
              .actionPicture = [](QSize size) { return CommandPicture(QStringLiteral("Stampa"), size); },
              .actionText = QString::fromUtf8("Premere il pulsante Stampa per dare avvio alla stampa oppure "
                                              "premere Annulla per annullare l'operazione."),
              .actionButton = QStringLiteral("Stampa"),
          })
{
    BuildWhenNeeded(this, [this] {
        ApplyFormatSettings();
        imgLogo = MakeNamed<QLabel>(this, QStringLiteral("imgLogo"));
        imgLogo->hide();
        imgTemp = MakeNamed<QLabel>(this, QStringLiteral("imgTemp"));
        imgTemp->hide();
    });
}

void TfrmStampaCane::showEvent(QShowEvent *e)
{
    ActionDialog::showEvent(e);
    if (!e->spontaneous())
        takePhoto();
}

void TfrmStampaCane::takePhoto()
{
    const QPixmap photo = AnimalPictures::CardPhoto(source());
    if (!photo.isNull()) {
        imgLogo->setPixmap(photo);
        return;
    }
    if (imgTemp->pixmap().isNull())
        imgTemp->setPixmap(AnimalPictures::PhotoPlaceholder(FallbackSize));
    imgLogo->setPixmap(imgTemp->pixmap());
}

PreparedReport TfrmStampaCane::PrepareReport() const
{
    AnimalReportTemplate report;
    report.orientation = QPageLayout::Portrait;
    report.find<ReportPicture>(QStringLiteral("imgLogo")).picture = imgLogo->pixmap().toImage();
    for (const char *edit : PrintedEdits) {
        const QString name = QString::fromLatin1(edit);
        report.find<ReportText>(name).setText(NamedControlText(source(), name));
    }
    report.find<ReportText>(QStringLiteral("txtCalce"))
        .setText(QStringLiteral("Stampa eseguita in data ") + FormatDate(Today()) + QStringLiteral(" alle ore ") +
                 FormatTime(TimeOfDay()));
    return report.prepare();
}

void TfrmStampaCane::btnStampaClick()
{
    // The photo is taken again in case the window was never shown.
    if (imgLogo->pixmap().isNull())
        takePhoto();
    RunReportingErrors([this] { PrintReport(PrepareReport(), this); }, PrintFailureMessage());
    // The window closes whether or not the user printed.
    accept();
}

void OpenAnimalPrintout(QWidget *card)
{
    OpenModal<TfrmStampaCane>(card, [card](TfrmStampaCane &w) { w.setSource(card); });
}
