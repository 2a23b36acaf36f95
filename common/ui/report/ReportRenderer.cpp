#include "common/ui/report/ReportRenderer.h"

#include "common/Errors.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

namespace {

// Everything is laid out at 1200 dots per inch and scaled to the device, so fonts and cuts come
// out the same on paper, on screen and in the PDF file.
constexpr double DotsPerInch = 1200;
constexpr double DotsPerMm = DotsPerInch / 25.4;
constexpr double ThinLine = DotsPerInch / 96;      // one report unit
constexpr double GapX = 2 * DotsPerInch / 96;      // inner margin of text boxes, left and right
constexpr double GapY = 1 * DotsPerInch / 96;      // inner margin above top-aligned text

QRectF toDots(const QRectF &mm)
{
    return QRectF(mm.x() * DotsPerMm, mm.y() * DotsPerMm, mm.width() * DotsPerMm, mm.height() * DotsPerMm);
}

QPointF toDots(const QPointF &mm) { return mm * DotsPerMm; }

QPen outlinePen(const QColor &color, double width)
{
    return QPen(QBrush(color), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

QPen thinPen() { return outlinePen(Qt::black, ThinLine); }

QFont makeFont(const ReportFont &f)
{
    QFont font(f.family);
    font.setPixelSize(qMax(1, qRound(f.pointSize * DotsPerInch / 72)));
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void drawText(QPainter &p, const PreparedText &t)
{
    const QRectF box = toDots(t.rect);
    const ReportTextStyle &s = t.style;
    if (s.fill)
        p.fillRect(box, *s.fill);
    if (!t.text.isEmpty()) {
        const QFont font = makeFont(s.font);
        p.save();
        p.setClipRect(box, Qt::IntersectClip);
        p.setFont(font);
        p.setPen(s.color);
        const bool top = s.vAlign == ReportVAlign::Top;
        const QRectF inner = box.adjusted(GapX, top ? GapY : 0, -GapX, 0);
        int flags = top ? Qt::AlignTop : Qt::AlignVCenter;
        Qt::Alignment h = s.hAlign == ReportHAlign::Center  ? Qt::AlignHCenter
                        : s.hAlign == ReportHAlign::Right   ? Qt::AlignRight
                                                            : Qt::AlignLeft;
        if (s.wordWrap) {
            flags |= Qt::TextWordWrap;
        } else {
            flags |= Qt::TextSingleLine;
            // A text wider than its box starts at the left and is cut at the right edge.
            if (QFontMetricsF(font).horizontalAdvance(t.text) > inner.width())
                h = Qt::AlignLeft;
        }
        p.drawText(inner, flags | int(h), t.text);
        p.restore();
    }
    if (s.frame) {
        p.setPen(thinPen());
        p.setBrush(Qt::NoBrush);
        p.drawRect(box);
    }
}

void drawRectangle(QPainter &p, const PreparedRectangle &r)
{
    const QRectF box = toDots(r.rect);
    if (r.fill)
        p.fillRect(box, *r.fill);
    if (r.frame) {
        p.setPen(outlinePen(r.frame->color, r.frame->width > 0 ? r.frame->width * DotsPerMm : ThinLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box);
    }
}

void drawLine(QPainter &p, const PreparedLine &l)
{
    p.setPen(thinPen());
    p.drawLine(toDots(l.from), toDots(l.to));
}

void drawPicture(QPainter &p, const PreparedPicture &pic)
{
    if (pic.picture.isNull())
        return;
    const QRectF box = toDots(pic.rect);
    const QSizeF size = QSizeF(pic.picture.size()).scaled(box.size(), Qt::KeepAspectRatio);
    QRectF target(box.topLeft(), size);
    if (pic.centred)
        target.moveCenter(box.center());
    p.drawImage(target, pic.picture);
}

// Hands a painting its box in the device's pixels: the layout scale (device pixels per dot) is
// undone around the routine, so its fonts and pens measure as on any other device.
void drawPainting(QPainter &p, const PreparedPainting &item, qreal scaleX, qreal scaleY)
{
    if (!item.paint)
        return;
    const QRectF dots = toDots(item.rect);
    const QRectF box(dots.x() * scaleX, dots.y() * scaleY, dots.width() * scaleX, dots.height() * scaleY);
    p.save();
    p.scale(1 / scaleX, 1 / scaleY);
    p.setClipRect(box, Qt::IntersectClip);
    item.paint(p, box);
    p.restore();
}

} // namespace

void RenderReportPage(QPainter &painter, const PreparedPage &page)
{
    painter.save();
    const QPaintDevice *device = painter.device();
    const qreal scaleX = device->logicalDpiX() / DotsPerInch, scaleY = device->logicalDpiY() / DotsPerInch;
    painter.scale(scaleX, scaleY);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const PreparedItem &item : page.items) {
        if (auto *t = std::get_if<PreparedText>(&item))
            drawText(painter, *t);
        else if (auto *r = std::get_if<PreparedRectangle>(&item))
            drawRectangle(painter, *r);
        else if (auto *l = std::get_if<PreparedLine>(&item))
            drawLine(painter, *l);
        else if (auto *pic = std::get_if<PreparedPicture>(&item))
            drawPicture(painter, *pic);
        else if (auto *painting = std::get_if<PreparedPainting>(&item))
            drawPainting(painter, *painting, scaleX, scaleY);
    }
    painter.restore();
}

void ApplyReportPage(const PreparedReport &report, QPagedPaintDevice &device)
{
    device.setPageLayout(report.pageLayout());
    if (auto *printer = dynamic_cast<QPrinter *>(&device))
        printer->setFullPage(true);
}

void RenderReport(const PreparedReport &report, QPagedPaintDevice &device, int fromPage, int toPage)
{
    const int count = int(report.pages.size());
    const int first = qMax(1, fromPage);
    const int last = toPage <= 0 ? count : qMin(toPage, count);
    if (first > last)
        return;
    QPainter painter;
    if (!painter.begin(&device))
        throw TavorenError("Impossibile stampare il report \"" + report.name.toStdString() +
                           "\": la stampante o il file di destinazione non sono disponibili.");
    for (int i = first; i <= last; ++i) {
        if (i > first && !device.newPage())
            throw TavorenError("Impossibile stampare il report \"" + report.name.toStdString() +
                               "\": errore durante il cambio di pagina.");
        RenderReportPage(painter, report.pages[size_t(i - 1)]);
    }
    if (!painter.end())
        throw TavorenError("Impossibile completare la stampa del report \"" + report.name.toStdString() + "\".");
}
