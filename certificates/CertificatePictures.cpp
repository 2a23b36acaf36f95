#include "certificates/CertificatePictures.h"

#include "common/ui/Look.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

QPixmap blank(QSize size)
{
    QPixmap p(size);
    p.fill(Qt::transparent);
    return p;
}

} // namespace

QPixmap EmblemPicture(QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    // The cross, a third of the width across.
    const QColor lightBlue(0x7e, 0xc8, 0xf0);
    p.setPen(Qt::NoPen);
    p.setBrush(lightBlue);
    p.drawRect(QRectF(w / 3, 0, w / 3, h));
    p.drawRect(QRectF(0, h / 3, w, h / 3));
    // The staff with its wings and the two snakes around it.
    QPen pen(Qt::black, std::max<qreal>(1.5, w / 28));
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(QPointF(w / 2, h * 0.08), QPointF(w / 2, h * 0.94));
    QPainterPath wings;
    wings.moveTo(w / 2, h * 0.16);
    wings.cubicTo(w * 0.36, h * 0.04, w * 0.2, h * 0.1, w * 0.14, h * 0.2);
    wings.moveTo(w / 2, h * 0.16);
    wings.cubicTo(w * 0.64, h * 0.04, w * 0.8, h * 0.1, w * 0.86, h * 0.2);
    p.setBrush(Qt::NoBrush);
    p.drawPath(wings);
    for (int side : {-1, 1}) {
        QPainterPath snake;
        snake.moveTo(w / 2, h * 0.9);
        for (int i = 0; i < 4; ++i) {
            const qreal y = h * (0.9 - 0.17 * i);
            const qreal s = (i % 2 ? -side : side) * w * 0.2;
            snake.cubicTo(w / 2 + s, y - h * 0.04, w / 2 + s, y - h * 0.13, w / 2, y - h * 0.17);
        }
        p.drawPath(snake);
    }
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(w / 2, h * 0.07), w / 22, w / 22);
    return pixmap;
}

QPixmap ImportArrowPicture(QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    p.setPen(QPen(Look::DarkGreen, 1));
    p.setBrush(Look::Green);
    // Pointing left, into the edit beside it.
    QPolygonF arrow{{0, h / 2},         {w * 0.5, h * 0.08}, {w * 0.5, h * 0.32}, {w - 1, h * 0.32},
                    {w - 1, h * 0.68},  {w * 0.5, h * 0.68}, {w * 0.5, h * 0.92}};
    p.drawPolygon(arrow);
    return pixmap;
}

QPixmap AnimalIconPicture(QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    p.setPen(Qt::NoPen);
    p.setBrush(Look::Sand);
    p.drawEllipse(QRectF(w * 0.26, h * 0.46, w * 0.48, h * 0.42));
    const QPointF toes[] = {{0.16, 0.38}, {0.36, 0.2}, {0.64, 0.2}, {0.84, 0.38}};
    for (QPointF t : toes)
        p.drawEllipse(QPointF(w * t.x(), h * t.y()), w * 0.1, h * 0.12);
    return pixmap;
}

QPixmap TitleBandPicture(const QString &words, QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f = Look::Verdana(-1, true);
    f.setPixelSize(std::max(8, size.height() / 2));
    p.setFont(f);
    p.setPen(Look::Navy);
    p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, words);
    return pixmap;
}

QPixmap DeclarationPicture(const QString &italian, const QString &english, QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f = Look::Verdana(-1, true);
    f.setPixelSize(12);
    p.setFont(f);
    p.setPen(Look::Navy);
    const int half = size.height() / 2;
    p.drawText(QRect(0, 0, size.width(), half), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, italian);
    f.setBold(false);
    f.setItalic(true);
    p.setFont(f);
    p.drawText(QRect(0, half, size.width(), size.height() - half), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
               english);
    return pixmap;
}

QPixmap SignaturePicture(QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f = Look::Verdana(-1, true);
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(Look::Navy);
    const int w = size.width();
    p.drawText(QRect(0, 2, w, 16), Qt::AlignCenter, QStringLiteral("FIRMA DEL VETERINARIO"));
    f.setBold(false);
    f.setItalic(true);
    p.setFont(f);
    p.drawText(QRect(0, 18, w, 16), Qt::AlignCenter, QStringLiteral("VETERINARIAN'S SIGNATURE"));
    p.drawLine(8, size.height() - 8, w - 8, size.height() - 8);
    return pixmap;
}
