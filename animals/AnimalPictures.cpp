#include "animals/AnimalPictures.h"

#include "common/ui/Look.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

// A transparent picture of the given size, painted smoothly by `draw` on a 100 x 100 design.
QPixmap Painted(QSize size, const QColor &ground, const std::function<void(QPainter &p)> &draw)
{
    QPixmap pm(size.expandedTo(QSize(1, 1)));
    pm.fill(ground);
    QPainter p(&pm);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    draw(p);
    return pm;
}

// Centres a square design of 100 x 100 in the picture.
void designSquare(QPainter &p, QSize size)
{
    const qreal side = std::min(size.width(), size.height());
    p.translate((size.width() - side) / 2, (size.height() - side) / 2);
    p.scale(side / 100.0, side / 100.0);
}

// A sheet of paper with a folded corner.
void sheet(QPainter &p, const QRectF &r)
{
    const qreal fold = r.width() * 0.28;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(Look::Navy, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(path);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(Look::Pale);
    p.drawPath(corner);
}

// A paw print: one pad and four toes, centred at `at`, `scale` 1 for a pad 20 wide.
void paw(QPainter &p, QPointF at, qreal scale, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(at + QPointF(0, 6 * scale), 10 * scale, 8 * scale);
    const QPointF toes[] = {{-11, -5}, {-4, -11}, {4, -11}, {11, -5}};
    for (const QPointF &t : toes)
        p.drawEllipse(at + t * scale, 3.6 * scale, 4.6 * scale);
}

void textLines(QPainter &p, qreal left, qreal top, qreal width, int count)
{
    p.setPen(QPen(Look::Sky, 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + 9 * i), QPointF(left + width * (i % 3 == 2 ? 0.6 : 1.0), top + 9 * i));
}

} // namespace

namespace AnimalPictures {

QPixmap CardPhoto(const QWidget *card)
{
    const auto *photo = card ? card->findChild<QLabel *>(QStringLiteral("imgFoto")) : nullptr;
    return photo ? photo->pixmap() : QPixmap();
}

QPixmap PrintoutHeading(QSize size)
{
    return Painted(size, Qt::transparent, [size](QPainter &p) {
        designSquare(p, size);
        sheet(p, QRectF(18, 6, 64, 88));
        paw(p, QPointF(50, 36), 1.1, Look::Sand);
        textLines(p, 28, 62, 44, 3);
    });
}

QPixmap RtfHeading(QSize size)
{
    return Painted(size, Qt::transparent, [size](QPainter &p) {
        designSquare(p, size);
        sheet(p, QRectF(18, 6, 64, 88));
        textLines(p, 28, 24, 40, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(Look::Blue);
        p.drawRoundedRect(QRectF(6, 50, 66, 28), 5, 5);
        QFont f = Look::VerdanaPixels(18, true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(6, 50, 66, 28), Qt::AlignCenter, QStringLiteral("RTF"));
    });
}

QPixmap EditDocument(QSize size)
{
    return Painted(size, Qt::transparent, [size](QPainter &p) {
        designSquare(p, size);
        sheet(p, QRectF(10, 6, 60, 84));
        textLines(p, 20, 28, 40, 5);
        // A pencil lying across the lower right corner.
        p.save();
        p.translate(70, 66);
        p.rotate(-45);
        p.setPen(QPen(Look::Ink, 1.5));
        p.setBrush(Look::Amber);
        p.drawRect(QRectF(-30, -6, 44, 12));
        p.setBrush(Look::Cream);
        QPainterPath tip;
        tip.moveTo(14, -6);
        tip.lineTo(26, 0);
        tip.lineTo(14, 6);
        tip.closeSubpath();
        p.drawPath(tip);
        p.setBrush(Look::Crimson);
        p.drawRect(QRectF(-36, -6, 6, 12));
        p.restore();
    });
}

QPixmap PhotoPlaceholder(QSize size)
{
    return Painted(size, Look::Mist, [size](QPainter &p) {
        const qreal w = size.width(), h = size.height();
        p.setPen(QPen(Look::Sky, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1, 1, w - 2, h - 2));
        const qreal side = std::min(w, h);
        paw(p, QPointF(w / 2, h * 0.42), side / 60.0, Look::Sky);
        QFont f = Look::Verdana(-1, true);
        f.setPixelSize(std::max(8, int(side / 14)));
        p.setFont(f);
        p.setPen(Look::Navy);
        p.drawText(QRectF(0, h * 0.42 + side * 0.3, w, side * 0.15), Qt::AlignCenter,
                   QStringLiteral("Foto non disponibile"));
    });
}

} // namespace AnimalPictures
