#include "invoices/InvoiceLogo.h"
#include "common/Files.h"
#include "common/PictureFiles.h"
#include "common/Platform.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

const QSize LogoSize(297, 184);

const QColor Deep(0x12, 0x3f, 0x8c);    // outlines
const QColor Royal(0x1f, 0x5f, 0xc8);   // staff, snakes
const QColor Light(0x7f, 0xb0, 0xf0);   // highlights of the snakes and the wings
const QColor Feather(0xc8, 0xdc, 0xfa); // the inner feathers

// One feather of the right wing, from the root at the origin to a tip at `length` along `angle`
// degrees (0 points right, positive upward).
QPainterPath FeatherPath(qreal length, qreal angle, qreal width)
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(length * 0.35, -width, length * 0.8, -width * 0.9, length, 0);
    path.cubicTo(length * 0.8, width * 0.55, length * 0.35, width * 0.6, 0, 0);
    QTransform turn;
    turn.rotate(-angle);
    return turn.map(path);
}

// The right wing, rooted at the origin; the left one is its mirror.
void PaintWing(QPainter &p)
{
    struct Plume {
        qreal length, angle, width;
    };
    // Lower, shorter plumes first so that the long upper ones lie on top.
    const Plume plumes[] = {{58, -20, 8}, {74, -8, 9}, {88, 3, 10}, {100, 13, 11}, {106, 23, 11}};
    for (const Plume &f : plumes) {
        QLinearGradient fill(QPointF(0, 0), QPointF(f.length, 0));
        fill.setColorAt(0, Royal);
        fill.setColorAt(0.55, Light);
        fill.setColorAt(1, Feather);
        p.setPen(QPen(Deep, 1.4));
        p.setBrush(fill);
        p.drawPath(FeatherPath(f.length, f.angle, f.width));
    }
    // The shoulder that joins the plumes to the staff.
    p.setBrush(Royal);
    p.drawPath(FeatherPath(40, 10, 13));
}

// One snake wound round the staff: a helix seen from the front, its head at the top.
struct SnakePoint {
    QPointF at;
    qreal width;
    bool front;  // in front of the staff
};

std::vector<SnakePoint> Snake(qreal cx, qreal top, qreal bottom, qreal amplitude, bool mirrored)
{
    std::vector<SnakePoint> points;
    const int steps = 240;
    const qreal turns = 1.5;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal theta = 2 * std::numbers::pi * turns * t + (mirrored ? std::numbers::pi : 0);
        const qreal a = amplitude * (1.0 - 0.45 * t);  // the coils narrow toward the tail
        points.push_back({QPointF(cx + a * std::cos(theta), top + (bottom - top) * t),
                          7.5 * (1.0 - 0.7 * t * t), std::sin(theta) > 0});
    }
    return points;
}

// The segments of the snakes that lie on one side of the staff: outlines first, then the bodies,
// so that a crossing shows which snake passes over.
void PaintCoils(QPainter &p, const std::vector<std::vector<SnakePoint>> &snakes, bool front)
{
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto &snake : snakes) {
            for (size_t i = 0; i + 1 < snake.size(); ++i) {
                if (snake[i].front != front)
                    continue;
                const qreal w = snake[i].width + (pass == 0 ? 2.6 : 0);
                p.setPen(QPen(pass == 0 ? Deep : Royal, w, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(snake[i].at, snake[i + 1].at);
            }
        }
    }
    // A thin light stripe along the bodies gives them some roundness.
    for (const auto &snake : snakes) {
        for (size_t i = 0; i + 1 < snake.size(); ++i) {
            if (snake[i].front != front)
                continue;
            p.setPen(QPen(Light, snake[i].width * 0.28, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(snake[i].at - QPointF(snake[i].width * 0.2, 0),
                       snake[i + 1].at - QPointF(snake[i + 1].width * 0.2, 0));
        }
    }
}

// A snake's head at the top of its coil, raised and turned toward the other one.
void PaintHead(QPainter &p, QPointF neck, bool facingLeft)
{
    p.save();
    p.translate(neck);
    if (facingLeft)
        p.scale(-1, 1);
    // Neck rising from the coil, then the head leaning over toward the staff.
    QPainterPath neckPath;
    neckPath.moveTo(0, 4);
    neckPath.cubicTo(2, -6, 2, -12, -6, -16);
    p.setPen(QPen(Deep, 10.1, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(neckPath);
    p.setPen(QPen(Royal, 7.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(neckPath);
    p.translate(-9, -17);
    p.rotate(-15);
    p.setPen(QPen(Deep, 1.3));
    p.setBrush(Royal);
    p.drawEllipse(QRectF(-8, -5, 14, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-3, -1.5), 1.8, 1.8);
    p.setBrush(Deep);
    p.drawEllipse(QPointF(-3.3, -1.5), 0.9, 0.9);
    // Forked tongue.
    p.setPen(QPen(QColor(0xc8, 0x2a, 0x2a), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-8, 1), QPointF(-12, 1));
    p.drawLine(QPointF(-12, 1), QPointF(-14, -0.5));
    p.drawLine(QPointF(-12, 1), QPointF(-14, 2.5));
    p.restore();
}

// The caduceus in the 297 x 184 frame of the logo; callers scale the painter to other sizes.
void PaintCaduceus(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const qreal cx = LogoSize.width() / 2.0;
    const qreal wingRoot = 52;
    const qreal coilTop = 70, coilBottom = 172, amplitude = 24;

    const std::vector<std::vector<SnakePoint>> snakes = {
        Snake(cx, coilTop, coilBottom, amplitude, false), Snake(cx, coilTop, coilBottom, amplitude, true)};

    // Wings behind everything else.
    for (int side = 0; side < 2; ++side) {
        p.save();
        p.translate(cx, wingRoot);
        if (side == 1)
            p.scale(-1, 1);
        PaintWing(p);
        p.restore();
    }

    PaintCoils(p, snakes, false);

    // The staff with its knob.
    QLinearGradient staff(QPointF(cx - 4, 0), QPointF(cx + 4, 0));
    staff.setColorAt(0, Royal);
    staff.setColorAt(0.4, Light);
    staff.setColorAt(1, Deep);
    p.setPen(QPen(Deep, 1.2));
    p.setBrush(staff);
    p.drawRoundedRect(QRectF(cx - 4, 18, 8, 162), 3, 3);
    QRadialGradient knob(QPointF(cx - 2.5, 11), 9);
    knob.setColorAt(0, Light);
    knob.setColorAt(1, Royal);
    p.setBrush(knob);
    p.drawEllipse(QPointF(cx, 14), 8, 8);

    PaintCoils(p, snakes, true);

    // Heads at the top of each coil, facing each other across the staff.
    PaintHead(p, snakes[0].front().at, false);
    PaintHead(p, snakes[1].front().at, true);
}

QImage DrawDefaultLogo()
{
    QImage image(LogoSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    PaintCaduceus(p);
    return image;
}

} // namespace

QImage DefaultInvoiceLogo()
{
    static const QImage logo = DrawDefaultLogo();
    return logo;
}

QImage LoadInvoiceLogo()
{
    const QImage logo = ReadPicture(ResolveInFolder(ProgramFolder(), QString::fromLatin1(InvoiceLogoFileName)));
    return logo.isNull() ? DefaultInvoiceLogo() : logo;
}

QImage BlankInvoiceLogo()
{
    QImage blank(2, 2, QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

QPixmap CaduceusPicture(QSize size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    // The figure without the white margins of the logo, fitted and centred.
    const QRectF figure(46, 4, 205, 178);
    const qreal scale = std::min(size.width() / figure.width(), size.height() / figure.height());
    p.translate((size.width() - figure.width() * scale) / 2, (size.height() - figure.height() * scale) / 2);
    p.scale(scale, scale);
    p.translate(-figure.topLeft());
    PaintCaduceus(p);
    return pm;
}
