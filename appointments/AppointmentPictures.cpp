#include "appointments/AppointmentPictures.h"

#include "common/ui/Look.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap transparent(QSize size)
{
    QPixmap p(size);
    p.fill(Qt::transparent);
    return p;
}

// A calendar page: a white sheet with a coloured top and two rings, within `r`.
void drawCalendarPage(QPainter &g, const QRectF &r, const QColor &top)
{
    g.setPen(QPen(Look::Navy, std::max(1.0, r.width() / 30)));
    g.setBrush(Qt::white);
    g.drawRoundedRect(r, r.width() / 10, r.width() / 10);
    const QRectF band(r.left(), r.top(), r.width(), r.height() * 0.28);
    QPainterPath path;
    path.addRoundedRect(band, r.width() / 10, r.width() / 10);
    g.fillPath(path, top);
    g.setBrush(Look::Ink);
    const double ring = r.width() / 9;
    g.drawEllipse(QPointF(r.left() + r.width() * 0.3, r.top()), ring / 2, ring);
    g.drawEllipse(QPointF(r.left() + r.width() * 0.7, r.top()), ring / 2, ring);
    g.setPen(QPen(Look::Steel, std::max(1.0, r.width() / 40)));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) {
            const QPointF c(r.left() + r.width() * (0.2 + col * 0.2), r.top() + r.height() * (0.45 + row * 0.17));
            g.drawPoint(c);
        }
}

} // namespace

QPixmap AppointmentTitlePicture(QSize size)
{
    QPixmap p = transparent(size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const double side = size.height() * 0.9;
    drawCalendarPage(g, QRectF(4, size.height() * 0.08, side * 0.9, side * 0.88), Look::Crimson);
    QFont f = Look::Verdana();
    f.setBold(true);
    f.setPixelSize(int(size.height() * 0.5));
    g.setFont(f);
    g.setPen(Look::Navy);
    g.drawText(QRectF(side + 8, 0, size.width() - side - 8, size.height()), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("SCADENZE E APPUNTAMENTI"));
    return p;
}

QPixmap AppointmentBandPicture(const QString &text, const QColor &fill, QSize size)
{
    QPixmap p = transparent(size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0, fill.lighter(125));
    shade.setColorAt(1, fill);
    g.setPen(QPen(fill.darker(140), 2));
    g.setBrush(shade);
    g.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 10, 10);
    QFont f = Look::Verdana();
    f.setBold(true);
    // The largest size up to 22 px at which the text stands on one line; wrapped below 11 px.
    int pixels = std::min(size.height() / 3, 22);
    f.setPixelSize(pixels);
    while (pixels > 11 && QFontMetrics(f).horizontalAdvance(text) > size.width() - 24)
        f.setPixelSize(--pixels);
    g.setFont(f);
    g.setPen(Qt::white);
    g.drawText(QRectF(10, 4, size.width() - 20, size.height() - 8), Qt::AlignCenter | Qt::TextWordWrap, text);
    return p;
}

QPixmap AppointmentInstructionsPicture(const QString &text, QSize size)
{
    QPixmap p = transparent(size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Look::Sky, 2));
    g.setBrush(Look::Mist);
    g.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 8, 8);
    // An arrow pointing down to the calendar.
    const double a = size.height() * 0.5;
    QPainterPath arrow;
    arrow.moveTo(10 + a * 0.3, 8);
    arrow.lineTo(10 + a * 0.7, 8);
    arrow.lineTo(10 + a * 0.7, size.height() * 0.55);
    arrow.lineTo(10 + a, size.height() * 0.55);
    arrow.lineTo(10 + a * 0.5, size.height() - 8);
    arrow.lineTo(10, size.height() * 0.55);
    arrow.lineTo(10 + a * 0.3, size.height() * 0.55);
    arrow.closeSubpath();
    g.fillPath(arrow, Look::Blue);
    QFont f = Look::Tahoma();
    f.setBold(true);
    f.setPixelSize(13);
    g.setFont(f);
    g.setPen(Look::Navy);
    g.drawText(QRectF(a + 20, 4, size.width() - a - 28, size.height() - 8), Qt::AlignVCenter | Qt::TextWordWrap, text);
    return p;
}

QPixmap AppointmentBellPicture(QSize size)
{
    QPixmap p = transparent(size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    drawCalendarPage(g, QRectF(w * 0.05, h * 0.12, w * 0.7, h * 0.75), Look::Blue);
    // The bell, at the lower right of the page.
    QPainterPath bell;
    const QRectF b(w * 0.5, h * 0.45, w * 0.45, h * 0.45);
    bell.moveTo(b.left(), b.bottom() - b.height() * 0.15);
    bell.cubicTo(b.left() + b.width() * 0.2, b.bottom() - b.height() * 0.3, b.left() + b.width() * 0.1, b.top(),
                 b.center().x(), b.top());
    bell.cubicTo(b.right() - b.width() * 0.1, b.top(), b.right() - b.width() * 0.2, b.bottom() - b.height() * 0.3,
                 b.right(), b.bottom() - b.height() * 0.15);
    bell.closeSubpath();
    g.setPen(QPen(Look::Ink, std::max(1.0, w / 40)));
    g.setBrush(Look::Amber);
    g.drawPath(bell);
    g.drawEllipse(QPointF(b.center().x(), b.bottom() - b.height() * 0.08), b.width() * 0.1, b.width() * 0.1);
    return p;
}
