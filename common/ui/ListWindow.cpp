#include "common/ui/ListWindow.h"
#include "common/ui/WindowBuild.h"
#include "common/ui/CardPanel.h"

#include "common/BusyWork.h"
#include "common/Dates.h"
#include "common/FitSize.h"
#include "common/Guard.h"
#include "common/ui/LineList.h"
#include "common/ui/Look.h"
#include "common/Platform.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ListReport.h"

#include <QFontMetricsF>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShowEvent>

namespace {

// The list windows' own shades, which the suite's palette does not hold.
const QColor WebCrimson(0xdc, 0x14, 0x3c);  // the line under the list, the hand's cuff
const QColor Skin(0xff, 0xe0, 0xbd);

const QFont &lineFont()
{
    static const QFont font = Look::Verdana(10);
    return font;
}

// The tops of the rows of the list panel; a banner above them moves them down and closes them up
// so that the list keeps its height.
struct PanelRows {
    int rigo01, rigo02, find, list, pick, below, buttons;
};
constexpr PanelRows PlainRows{10, 34, 70, 116, 398, 430, 472};
constexpr PanelRows BannerRows{46, 68, 98, 138, 418, 446, 476};
constexpr QRect BannerPlace(16, 8, 801, 34);
constexpr int ListHeight = 273;

const PanelRows &rowsOf(const ListWindowSetup &setup) { return setup.banner.isEmpty() ? PlainRows : BannerRows; }

} // namespace

QLabel *MakePanelLabel(QWidget *panel, const QString &name, const QString &text, const QRect &at, const QFont &font,
                       const QColor &colour)
{
    auto *label = MakeNamed<QLabel>(panel, name, text);
    label->setGeometry(at);
    label->setFont(font);
    label->setWordWrap(true);
    SetPaletteColour(label, QPalette::WindowText, colour);
    return label;
}

QPixmap MagnifierPicture(QSize size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = qMin(size.width(), size.height());
    const QRectF lens(s * 0.08, s * 0.08, s * 0.58, s * 0.58);
    // The handle, then the rim over it, then the glass with a glint.
    p.setPen(QPen(Look::Navy, s * 0.14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.62, s * 0.62), QPointF(s * 0.9, s * 0.9));
    QRadialGradient glass(lens.center(), lens.width() / 2);
    glass.setColorAt(0, Qt::white);
    glass.setColorAt(1, Look::Sky);
    p.setPen(QPen(Look::Navy, s * 0.08));
    p.setBrush(glass);
    p.drawEllipse(lens);
    p.setPen(QPen(Qt::white, s * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(lens.adjusted(s * 0.1, s * 0.1, -s * 0.1, -s * 0.1), 100 * 16, 60 * 16);
    return pm;
}

QPixmap HandPicture(QSize size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 32.0, size.height() / 32.0);
    // A hand pointing right: the palm with the thumb, the stretched index finger, folded fingers.
    QPainterPath hand;
    hand.moveTo(4, 12);
    hand.lineTo(14, 12);
    hand.quadTo(16, 8, 19, 9);
    hand.lineTo(28, 9);
    hand.quadTo(31, 10.5, 28, 12);
    hand.lineTo(18, 12);
    hand.lineTo(18, 24);
    hand.quadTo(18, 26, 16, 26);
    hand.lineTo(8, 26);
    hand.quadTo(4, 26, 4, 22);
    hand.closeSubpath();
    p.setPen(QPen(Look::Navy, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Skin);
    p.drawPath(hand);
    for (qreal y : {16.0, 20.0})
        p.drawLine(QPointF(11, y), QPointF(18, y));
    p.fillRect(QRectF(0, 11, 4, 16), WebCrimson);
    return pm;
}

QPixmap BannerPicture(const QString &lettering, QSize size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRectF band = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(band.topLeft(), band.topRight());
    fill.setColorAt(0, Look::Navy);
    fill.setColorAt(0.5, Look::Blue);
    fill.setColorAt(1, Look::Navy);
    p.setPen(QPen(Look::Navy, 1));
    p.setBrush(fill);
    const qreal radius = band.height() / 3;
    p.drawRoundedRect(band, radius, radius);

    // A white magnifying glass at either end, the lettering between them as large as the band allows.
    const qreal glass = band.height() * 0.7;
    const qreal margin = (band.height() - glass) / 2;
    p.setBrush(Qt::NoBrush);
    for (const qreal left : {band.left() + margin + 6, band.right() - margin - 6 - glass}) {
        const QRectF lens(left, band.top() + margin, glass * 0.66, glass * 0.66);
        p.setPen(QPen(Qt::white, glass * 0.12, Qt::SolidLine, Qt::RoundCap));
        p.drawEllipse(lens);
        p.drawLine(lens.center() + QPointF(lens.width() * 0.36, lens.height() * 0.36),
                   QPointF(left + glass, band.top() + margin + glass));
    }
    const QRectF text = band.adjusted(glass + 2 * margin + 12, 0, -(glass + 2 * margin + 12), 0);
    QFont f = Look::Verdana(-1, true);
    f.setItalic(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    const int largest = LargestFittingSize(8, qRound(band.height() * 0.55), [&](int px) {
        f.setPixelSize(px);
        return QFontMetricsF(f).horizontalAdvance(lettering) <= text.width();
    });
    f.setPixelSize(qMax(8, largest));
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(text.translated(1.5, 1.5), Qt::AlignCenter, lettering);
    p.setPen(Qt::white);
    p.drawText(text, Qt::AlignCenter, lettering);
    return pm;
}

ListWindow::ListWindow(const ListWindowSetup &setup, QWidget *parent) : QDialog(parent), setup_(setup)
{
    BuildWhenNeeded(this, [this] {
        // FormCreate.
        ApplyFormatSettings();
        setWindowTitle(setup_.caption);
        MakeFixedWindow(this, Width, Height);
        SetGradientBackground(this, Look::Pale, Qt::white);

        panContainer = MakeNamed<QFrame>(this, QStringLiteral("panContainer"));
        panContainer->setGeometry((Width - PanelWidth) / 2, (Height - PanelHeight) / 2, PanelWidth, PanelHeight);
        panContainer->setFrameShape(QFrame::StyledPanel);
        SetGradientBackground(panContainer, Qt::white, Look::Pale);

        const PanelRows &rows = rowsOf(setup_);
        imgTitolo = nullptr;
        if (!setup_.banner.isEmpty()) {
            imgTitolo = MakeDrawnPicture(panContainer, QStringLiteral("imgTitolo"), BannerPlace,
                                         [lettering = setup_.banner](QSize size) {
                                             return BannerPicture(lettering, size);
                                         });
            imgTitolo->setAccessibleName(setup_.banner);  // the picture's words
        }
        lblRigo01 = MakePanelLabel(panContainer, QStringLiteral("lblRigo01"),
                                   QString::fromUtf8("Immettere una o più parole consecutive presenti nella scheda in "
                                                     "elenco da cercare e premere il pulsante Trova."),
                                   QRect(16, rows.rigo01, 801, 22), lineFont());
        lblRigo02 =
            MakePanelLabel(panContainer, QStringLiteral("lblRigo02"),
                           QString::fromUtf8("Per spostarsi sulla voce successiva contenente la stessa chiave di "
                                             "ricerca, fare di nuovo clic su Trova."),
                           QRect(16, rows.rigo02, 801, 22), lineFont());

        imgTrova = MakeNamed<QLabel>(panContainer, QStringLiteral("imgTrova"));
        imgTrova->setGeometry(16, rows.find - 2, 36, 36);
        DrawPictureOnFirstShow(imgTrova, MagnifierPicture);
        txtTrova = MakeNamed<QLineEdit>(panContainer, QStringLiteral("txtTrova"));
        txtTrova->setGeometry(60, rows.find, 590, 32);
        txtTrova->setFont(Look::Verdana(12, true));
        btnTrova = MakeNamed<QPushButton>(panContainer, QStringLiteral("btnTrova"), QStringLiteral("Trova"));
        btnTrova->setGeometry(666, rows.find, 151, 32);

        lstRecords = MakeNamed<LineListView>(panContainer, QStringLiteral("lstRecords"));
        lstRecords->setGeometry(16, rows.list, 801, ListHeight);
        lstRecords->setItemWidth(setup_.itemWidth);

        imgRigo03 = nullptr;
        lblRigo03 = nullptr;
        if (!setup_.pickLine.isEmpty()) {
            imgRigo03 = MakeNamed<QLabel>(panContainer, QStringLiteral("imgRigo03"));
            imgRigo03->setGeometry(16, rows.pick - 2, 28, 28);
            imgRigo03->setPixmap(HandPicture(imgRigo03->size()));
            lblRigo03 = MakePanelLabel(panContainer, QStringLiteral("lblRigo03"), setup_.pickLine,
                                       QRect(52, rows.pick, 765, 24), lineFont(), WebCrimson);
        }

        btnStampa = MakeNamed<QPushButton>(panContainer, QStringLiteral("btnStampa"), QStringLiteral("Stampa"));
        btnStampa->setGeometry(16, rows.buttons, 151, 40);
        btnChiudi = MakeNamed<QPushButton>(panContainer, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"));
        btnChiudi->setGeometry(666, rows.buttons, 151, 40);

        MakeEnterButtons({btnTrova, btnStampa, btnChiudi});
        EnterMovesTo(txtTrova, btnTrova);
        connect(btnTrova, &QPushButton::clicked, this, &ListWindow::btnTrovaClick);
        connect(btnStampa, &QPushButton::clicked, this, &ListWindow::btnStampaClick);
        connect(btnChiudi, &QPushButton::clicked, this, &ListWindow::btnChiudiClick);
        connect(lstRecords, &LineListView::listDoubleClicked, this, &ListWindow::lstRecordsDblClick);
        CenterWindow(this);
    });
}

QRect ListWindow::lineBelowList() const { return QRect(16, rowsOf(setup_).below, PanelWidth - 32, 24); }

void ListWindow::listRecords(const std::function<bool(const Record &)> &take)
{
    const BusyWork busy;
    ListLines lines;
    lstRecords->clear();
    auto publish = [&] {
        if (setup_.sorted)
            lines.sort();
        lstRecords->setLines(std::move(lines));
    };
    try {
        ScanArchive(archiveFile(), *setup_.layout, [&](const Record &record, int number) {
            if (take(record))
                lines.append(setup_.line(record), number);
        });
    } catch (...) {
        publish();
        throw;
    }
    publish();
}

void ListWindow::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    rememberedFind_.clear();
    txtTrova->clear();
    lstRecords->selectRow(-1);
    if (setup_.listed) {
        // A failure shows nothing: the lines read before it stay.
        RunGuarded([this] { listRecords(setup_.listed); }, nullptr);
        lstRecords->selectRow(-1);
    }
    if (panContainer->isVisible())
        txtTrova->setFocus(Qt::OtherFocusReason);
}

void ListWindow::done(int result)
{
    lstRecords->clear();
    QDialog::done(result);
}

void ListWindow::reportEmptyList()
{
    ShowPlainBox(EmptyListFindMessage);
}

void ListWindow::btnTrovaClick() { FindNextInList(); }

void FindNextInList(LineListView *list, const QString &findText, QString &remembered,
                    const std::function<void()> &reportEmpty)
{
    if (list->count() == 0) {
        reportEmpty();
        return;
    }
    RunGuarded([&] { list->selectRow(FindNextLine(list->listLines(), list->selectedRow(), findText, remembered)); },
               nullptr);
}

void ListWindow::FindNextInList()
{
    ::FindNextInList(lstRecords, txtTrova->text(), rememberedFind_, [this] { reportEmptyList(); });
}

void ListWindow::btnStampaClick() { PrintListReport(setup_.printTitle, lstRecords->lines(), this); }

void ListWindow::lstRecordsDblClick()
{
    if (!setup_.handBack)
        return;
    const int row = lstRecords->selectedRow();
    if (row >= 0) {
        const QString chosen = lstRecords->line(row);
        const int number = lstRecords->recordNumber(row);
        // A failure shows nothing and hands nothing back.
        RunGuarded([&] { ListedRecordLookup(archiveFile(), *setup_.layout, setup_.line, chosen, number, setup_.handBack); },
                   nullptr);
    }
    close();
}

void ListWindow::btnChiudiClick() { close(); }
