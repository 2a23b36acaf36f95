#include "dialogs/DialogPictures.h"
#include "common/ui/Look.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

using Look::Navy;
using Look::Blue;
using Look::Pale;

// A transparent picture of the given size, painted smoothly by `draw`.
QPixmap Painted(QSize size, const std::function<void(QPainter &p)> &draw)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pm;
}

} // namespace

namespace DialogPictures {

QPixmap Documents(QSize size)
{
    return Painted(size, [size](QPainter &p) {
        const qreal w = size.width(), h = size.height();
        const QRectF sheet(w * 0.18, h * 0.1, w * 0.56, h * 0.74);
        for (int i = 2; i >= 0; --i) {
            p.save();
            p.translate(sheet.center() + QPointF(i * w * 0.06, i * h * 0.03));
            p.rotate(-8.0 * i);
            p.translate(-sheet.center());
            p.setPen(QPen(Navy, 1.5));
            p.setBrush(i == 0 ? QColor(Qt::white) : Pale);
            p.drawRect(sheet);
            p.restore();
        }
        p.setPen(QPen(Blue, 2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i) {
            const qreal y = sheet.top() + sheet.height() * (0.2 + 0.13 * i);
            p.drawLine(QPointF(sheet.left() + sheet.width() * 0.15, y), QPointF(sheet.right() - sheet.width() * 0.15, y));
        }
        QFont f = Look::Verdana();
        f.setPixelSize(qMax(8, int(h * 0.2)));
        f.setBold(true);
        p.setFont(f);
        p.setPen(Navy);
        p.drawText(QRectF(sheet.left(), sheet.top() + sheet.height() * 0.68, sheet.width(), sheet.height() * 0.3),
                   Qt::AlignCenter, QStringLiteral("N. 1"));
    });
}

QPixmap NumberingInstructions(QSize size, const QString &first, const QString &second)
{
    return Painted(size, [&](QPainter &p) {
        const qreal d = 22;
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawEllipse(QRectF(0, 2, d, d));
        QFont icon = Look::Verdana();
        icon.setPixelSize(15);
        icon.setBold(true);
        p.setFont(icon);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 2, d, d), Qt::AlignCenter, QStringLiteral("i"));

        QFont text = Look::Verdana();
        text.setPixelSize(11);
        p.setFont(text);
        const QRectF area(d + 8, 0, size.width() - d - 8, size.height());
        QRectF used;
        p.setPen(Qt::black);
        p.drawText(area, Qt::TextWordWrap, first, &used);
        p.setPen(QColor(0xc0, 0, 0));
        p.drawText(area.adjusted(0, used.height() + 8, 0, 0), Qt::TextWordWrap, second);
    });
}

QPixmap PointingHand(QSize size)
{
    return Painted(size, [size](QPainter &p) {
        const qreal w = size.width(), h = size.height();
        QPainterPath hand;
        hand.addRoundedRect(QRectF(w * 0.12, h * 0.36, w * 0.42, h * 0.42), w * 0.1, w * 0.1);
        hand.addRoundedRect(QRectF(w * 0.36, h * 0.36, w * 0.54, h * 0.13), h * 0.06, h * 0.06);
        for (int i = 0; i < 3; ++i)
            hand.addRoundedRect(QRectF(w * 0.4, h * (0.5 + 0.095 * i), w * 0.2, h * 0.09), h * 0.04, h * 0.04);
        hand.addRoundedRect(QRectF(w * 0.28, h * 0.24, w * 0.12, h * 0.2), w * 0.05, w * 0.05);
        hand.setFillRule(Qt::WindingFill);
        p.setPen(QPen(QColor(0x8a, 0x5a, 0x2b), 1.5));
        p.setBrush(QColor(0xf6, 0xd0, 0xa8));
        p.drawPath(hand.simplified());
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawRect(QRectF(w * 0.02, h * 0.38, w * 0.1, h * 0.38));  // the cuff
    });
}

QPixmap AttachInstructions(QSize size, const QStringList &lines)
{
    return Painted(size, [&](QPainter &p) {
        const qreal h = size.height();
        // The clip: two nested loops of wire.
        const qreal cw = h * 0.36, x = 14, top = 6, bottom = h - 6;
        QPainterPath clip;
        clip.moveTo(x + cw * 0.7, top + cw * 0.9);
        clip.lineTo(x + cw * 0.7, bottom - cw * 0.7);
        clip.arcTo(QRectF(x + cw * 0.15, bottom - cw * 1.1, cw * 0.55, cw * 0.8), 0, -180);
        clip.lineTo(x + cw * 0.15, top + cw * 0.5);
        clip.arcTo(QRectF(x + cw * 0.15, top, cw * 0.85, cw), 180, -180);
        clip.lineTo(x + cw, bottom - cw * 0.5);
        clip.arcTo(QRectF(x, bottom - cw * 1.2, cw, cw * 1.2), 0, -180);
        clip.lineTo(x, top + cw * 1.2);
        p.setPen(QPen(Navy, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(clip);

        QFont f = Look::Verdana();
        f.setPixelSize(12);
        p.setFont(f);
        p.setPen(Qt::black);
        const qreal left = x + cw + 22, lineHeight = (h - 12) / lines.size();
        for (int i = 0; i < lines.size(); ++i)
            p.drawText(QRectF(left, 6 + i * lineHeight, size.width() - left, lineHeight), Qt::AlignVCenter,
                       lines[i]);
    });
}

QPixmap Eraser(QSize size)
{
    return Painted(size, [size](QPainter &p) {
        const qreal w = size.width(), h = size.height();
        p.translate(w / 2, h / 2);
        p.rotate(-35);
        const QRectF body(-w * 0.42, -h * 0.18, w * 0.84, h * 0.36);
        p.setPen(QPen(Navy, 1.2));
        p.setBrush(Blue);
        p.drawRoundedRect(body, 2, 2);
        p.setBrush(QColor(0xf4, 0x9a, 0xb0));
        p.drawRoundedRect(QRectF(body.left(), body.top(), body.width() * 0.4, body.height()), 2, 2);
    });
}

} // namespace DialogPictures
