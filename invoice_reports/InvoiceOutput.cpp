#include "invoice_reports/InvoiceOutput.h"
#include "common/ui/WindowBuild.h"

#include "common/Dates.h"
#include "common/Errors.h"
#include "common/Platform.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"
#include "invoices/Fatture.h"
#include "invoices/InvoiceLogo.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QShowEvent>

namespace {

constexpr QSize LogoSize(297, 184);
const QColor SteelBlue(70, 130, 180);

// Runs `draw` in a frame where the box `r` is 64 units wide from its top left corner.
template <typename Draw>
void inBox(QPainter &p, const QRectF &r, Draw draw)
{
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / 64, r.width() / 64);
    draw();
    p.restore();
}

// A person seen from the front, reading an open book held before the chest.
void drawReader(QPainter &p, const QRectF &r)
{
    inBox(p, r, [&p] {
        p.setPen(Qt::NoPen);
        p.setBrush(Look::Navy);
        QPainterPath body;
        body.moveTo(8, 78);
        body.cubicTo(8, 52, 20, 44, 32, 44);
        body.cubicTo(44, 44, 56, 52, 56, 78);
        body.closeSubpath();
        p.drawPath(body);
        p.setBrush(Look::Cream);
        p.drawEllipse(QPointF(32, 26), 13, 15);
        p.setBrush(Look::Ink);
        p.drawChord(QRectF(19, 10, 26, 24), 0, 180 * 16);
        // The open book.
        p.setPen(QPen(Look::Ink, 1.2));
        p.setBrush(Qt::white);
        QPolygonF left{{32, 56}, {12, 52}, {12, 72}, {32, 76}};
        QPolygonF right{{32, 56}, {52, 52}, {52, 72}, {32, 76}};
        p.drawPolygon(left);
        p.drawPolygon(right);
        p.setPen(QPen(Look::Steel, 1));
        for (int i = 0; i < 3; ++i) {
            p.drawLine(QPointF(15, 57 + 5 * i), QPointF(29, 60 + 5 * i));
            p.drawLine(QPointF(35, 60 + 5 * i), QPointF(49, 57 + 5 * i));
        }
    });
}

// A desk printer with a sheet coming out, in a 64-wide box.
void drawPrinter(QPainter &p, const QRectF &r)
{
    inBox(p, r, [&p] {
        p.setPen(QPen(Look::Ink, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(18, 6, 28, 18)); // the sheet waiting at the back
        p.setBrush(Look::Steel);
        p.drawRoundedRect(QRectF(6, 22, 52, 24), 4, 4);
        p.setBrush(Look::Pale);
        p.drawRect(QRectF(12, 40, 40, 4));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(16, 42, 32, 20)); // the printed sheet
        p.setPen(QPen(Look::Blue, 1.5));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(20, 48 + 5 * i), QPointF(44, 48 + 5 * i));
        p.setPen(Qt::NoPen);
        p.setBrush(Look::Leaf);
        p.drawEllipse(QPointF(50, 30), 2.5, 2.5);
    });
}

// A magnifying glass over a smaller printer.
void drawPreview(QPainter &p, const QRectF &r)
{
    drawPrinter(p, r.adjusted(0, 0, -r.width() / 4, -r.height() / 4));
    inBox(p, r, [&p] {
        p.setPen(QPen(Look::Ink, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(46, 50), QPointF(60, 64));
        p.setPen(QPen(Look::Navy, 3));
        p.setBrush(QColor(157, 195, 230, 110));
        p.drawEllipse(QPointF(36, 40), 14, 14);
    });
}

// A document with a folded corner and a red "PDF" band.
void drawPdfFile(QPainter &p, const QRectF &r)
{
    inBox(p, r, [&p] {
        p.setPen(QPen(Look::Ink, 1.5));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF{{12, 4}, {42, 4}, {54, 16}, {54, 74}, {12, 74}});
        p.setBrush(Look::Pale);
        p.drawPolygon(QPolygonF{{42, 4}, {42, 16}, {54, 16}});
        p.setPen(QPen(Look::Steel, 1.5));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(18, 22 + 6 * i), QPointF(48, 22 + 6 * i));
        p.setPen(Qt::NoPen);
        p.setBrush(Look::Crimson);
        p.drawRect(QRectF(6, 48, 44, 18));
        QFont f = Look::VerdanaPixels(13, true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(6, 48, 44, 18), Qt::AlignCenter, QStringLiteral("PDF"));
    });
}

} // namespace

QPixmap InvoiceOutputPicture(const InvoiceOutputSetup &setup, QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    constexpr int Side = 64;
    constexpr int Gap = 10;
    drawReader(p, QRectF(4, 6, Side, Side * 1.25));
    const QRectF device(4, size.height() - Side - 6, Side, Side);
    switch (setup.device) {
    case InvoiceOutputDevice::Printer:
        drawPrinter(p, device);
        break;
    case InvoiceOutputDevice::Preview:
        drawPreview(p, device);
        break;
    case InvoiceOutputDevice::PdfFile:
        drawPdfFile(p, device);
        break;
    }

    const int left = 4 + Side + Gap;
    const int width = size.width() - left - 4;
    p.setPen(Look::Navy);
    p.setFont(Look::VerdanaPixels(15, true));
    QRectF heading = p.boundingRect(QRectF(left, 6, width, 40), Qt::TextWordWrap, setup.heading);
    p.drawText(heading, Qt::TextWordWrap, setup.heading);
    p.setPen(Qt::black);
    p.setFont(Look::TahomaPixels(12));
    double top = heading.bottom() + 8;
    for (const QString &paragraph : {setup.first, setup.second}) {
        const QRectF box = p.boundingRect(QRectF(left, top, width, size.height()), Qt::TextWordWrap, paragraph);
        p.drawText(box, Qt::TextWordWrap, paragraph);
        top = box.bottom() + 10;
    }
    return picture;
}

InvoiceOutputWindow::InvoiceOutputWindow(QWidget *parent, const InvoiceOutputSetup &setup)
    : ActionDialog(parent, setup.name, setup.caption, setup.clientSize,
                   ActionPictureSetup{
                       .top = SteelBlue,
                       .ground = setup.ground,
                       .picture = setup.picture,
                       .draw = [setup](QSize size) { return InvoiceOutputPicture(setup, size); },
                       .words = setup.heading + u'\n' + setup.first + u'\n' + setup.second,
                       .cancelPlace = setup.cancelPlace,
                       .actionPlace = setup.actionPlace,
                       .actionButton = setup.actionButton,
                   })
{
    BuildWhenNeeded(this, [this] {
        ApplyFormatSettings();
        imgLogo = MakeNamed<QLabel>(this, QStringLiteral("imgLogo"));
        imgLogo->setGeometry(QRect(QPoint(0, 0), LogoSize));
        imgLogo->hide();
        imgTemp = MakeNamed<QLabel>(this, QStringLiteral("imgTemp"));
        imgTemp->setGeometry(QRect(QPoint(0, 0), LogoSize));
        imgTemp->hide();
    });
}

void InvoiceOutputWindow::showEvent(QShowEvent *e)
{
    ActionDialog::showEvent(e);
    if (!e->spontaneous())
        loadLogo();
}

void InvoiceOutputWindow::loadLogo()
{
    if (imgTemp->pixmap().isNull())
        imgTemp->setPixmap(QPixmap::fromImage(DefaultInvoiceLogo()));
    // Any failure to read "Logo.bmp" is silent and gives the default.
    imgLogo->setPixmap(QPixmap::fromImage(LoadInvoiceLogo()));
}

PreparedReport InvoiceOutputWindow::PrepareDocument()
{
    // A window driven without being shown takes its logo now.
    if (imgLogo->pixmap().isNull())
        loadLogo();
    if (!frmFatture)
        throw TavorenError("the invoice card does not exist");
    return FillInvoiceDocument(repDocumento, imgLogo->pixmap().toImage(), *frmFatture);
}
