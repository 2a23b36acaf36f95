#include "dialogs/Artwork.h"
#include "common/ui/Look.h"
#include "common/FitSize.h"
#include "common/Maker.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>

// Every picture is vector art drawn at the size asked, so it stays sharp at any size. The colours
// are the calm blues and whites of a practice; shapes are drawn in a small design space and scaled.
namespace Artwork {
namespace {

using Look::Navy;
using Look::Blue;
using Look::Sky;
using Look::Pale;
using Look::Mist;
using Look::Teal;
using Look::Leaf;
using Look::Steel;
using Look::Ink;
using Look::Amber;
using Look::Crimson;
using Look::Sand;
using Look::Cream;

const QString Family = QStringLiteral("Liberation Sans");

QFont makeFont(qreal pixelSize, bool bold, bool italic = false)
{
    QFont f(Family);
    f.setFamilies({Family, QStringLiteral("DejaVu Sans")});
    f.setPixelSize(std::max(1, qFloor(pixelSize)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// The largest font, up to maxPixels, at which the text fits in the rectangle with these flags.
QFont fitted(const QString &text, const QRectF &rect, qreal maxPixels, bool bold, int flags,
             bool italic = false)
{
    // Fonts come in whole pixel sizes; 6 is the smallest, used when no larger one fits.
    const int size = LargestFittingSize(7, qFloor(std::max<qreal>(maxPixels, 6)), [&](int px) {
        const QRectF r = QFontMetricsF(makeFont(px, bold, italic)).boundingRect(rect, flags, text);
        return r.width() <= rect.width() + 0.5 && r.height() <= rect.height() + 0.5;
    });
    return makeFont(std::max(size, 6), bold, italic);
}

void drawFitted(QPainter &p, const QString &text, const QRectF &rect, qreal maxPixels, bool bold,
                const QColor &colour, int flags, bool italic = false)
{
    p.setFont(fitted(text, rect, maxPixels, bold, flags, italic));
    p.setPen(colour);
    p.drawText(rect, flags, text);
}

// Runs a drawing function on a transparent pixmap of the given size with antialiasing on.
template <typename Draw>
QPixmap paint(QSize size, Draw draw)
{
    if (size.isEmpty())
        return {};
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    draw(p, QRectF(QPointF(0, 0), QSizeF(size)));
    p.end();
    return pm;
}

// Maps a design square of side `design` onto the centre of r, keeping proportions.
void fitSquare(QPainter &p, const QRectF &r, qreal design)
{
    const qreal side = std::min(r.width(), r.height());
    p.translate(r.center().x() - side / 2, r.center().y() - side / 2);
    p.scale(side / design, side / design);
}

// Maps a design area onto r, keeping proportions and centring it.
void fitArea(QPainter &p, const QRectF &r, QSizeF design)
{
    const qreal s = std::min(r.width() / design.width(), r.height() / design.height());
    p.translate(r.center().x() - design.width() * s / 2, r.center().y() - design.height() * s / 2);
    p.scale(s, s);
}

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// A heading card: a soft white panel with a thin blue border, readable on any window background.
void headingCard(QPainter &p, const QRectF &r)
{
    const QRectF card = r.adjusted(1, 1, -1, -1);
    const qreal radius = std::min(card.height() * 0.14, 14.0);
    p.setPen(QPen(Sky, 1.2));
    p.setBrush(vertical(card, Qt::white, Mist));
    p.drawRoundedRect(card, radius, radius);
    // A thin accent line along the left edge.
    QPainterPath clip;
    clip.addRoundedRect(card, radius, radius);
    p.save();
    p.setClipPath(clip);
    p.fillRect(QRectF(card.left(), card.top(), std::max<qreal>(4, card.height() * 0.04),
                      card.height()), Blue);
    p.restore();
}

// --- Icons, each drawn in a 100 x 100 design square ---

void padlock(QPainter &p, const QRectF &r)
{
    p.save();
    fitSquare(p, r, 100);
    // Shackle.
    QPainterPath shackle;
    shackle.moveTo(30, 48);
    shackle.lineTo(30, 32);
    shackle.arcTo(QRectF(30, 10, 40, 40), 180, -180);
    shackle.lineTo(70, 48);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Steel, 10, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(shackle);
    p.setPen(QPen(QColor(0xc4, 0xcf, 0xda), 3, Qt::SolidLine, Qt::FlatCap));
    QPainterPath shine;
    shine.moveTo(27.5, 46);
    shine.lineTo(27.5, 32);
    shine.arcTo(QRectF(27.5, 7.5, 45, 45), 180, -60);
    p.drawPath(shine);
    // Body.
    const QRectF body(16, 44, 68, 50);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 35));
    p.drawRoundedRect(body.translated(2, 3), 10, 10);
    p.setBrush(vertical(body, Blue.lighter(115), Navy));
    p.drawRoundedRect(body, 10, 10);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(QRectF(body.left() + 4, body.top() + 4, body.width() - 8, 12), 6, 6);
    // Keyhole.
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 64), 7, 7);
    QPainterPath slot;
    slot.moveTo(46, 66);
    slot.lineTo(54, 66);
    slot.lineTo(56, 82);
    slot.lineTo(44, 82);
    slot.closeSubpath();
    p.drawPath(slot);
    p.restore();
}

// A round glossy badge filling the 100 x 100 design square.
void badge(QPainter &p, const QColor &light, const QColor &dark)
{
    const QRectF c(6, 6, 88, 88);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 35));
    p.drawEllipse(c.translated(1.5, 2.5));
    QRadialGradient g(QPointF(38, 30), 70);
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setBrush(g);
    p.drawEllipse(c);
    p.setPen(QPen(QColor(255, 255, 255, 200), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c.adjusted(4, 4, -4, -4));
}

void infoBadge(QPainter &p, const QRectF &r)
{
    p.save();
    fitSquare(p, r, 100);
    badge(p, Sky, Blue.darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 29), 7, 7);
    p.drawRoundedRect(QRectF(43.5, 42, 13, 36), 5, 5);
    p.drawRoundedRect(QRectF(37, 42, 18, 7), 3, 3);
    p.drawRoundedRect(QRectF(37, 73, 26, 7), 3, 3);
    p.restore();
}

void helpBadge(QPainter &p, const QRectF &r)
{
    p.save();
    fitSquare(p, r, 100);
    badge(p, QColor(0x7f, 0xd1, 0xc4), Teal.darker(120));
    // Question mark: an arc with a short stem and a dot.
    QPainterPath q;
    q.moveTo(35, 38);
    q.arcTo(QRectF(35, 22, 30, 30), 180, -220);
    q.quadTo(50, 52, 50, 62);
    p.setPen(QPen(Qt::white, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(q);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 76), 6, 6);
    p.restore();
}

void envelope(QPainter &p, const QRectF &r)
{
    p.save();
    fitSquare(p, r, 100);
    const QRectF body(8, 22, 84, 58);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 30));
    p.drawRoundedRect(body.translated(2, 3), 6, 6);
    p.setPen(QPen(Navy, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(vertical(body, Qt::white, Pale));
    p.drawRoundedRect(body, 6, 6);
    // Lower folds, then the flap.
    p.setPen(QPen(Sky.darker(120), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(11, 77), QPointF(40, 52));
    p.drawLine(QPointF(89, 77), QPointF(60, 52));
    QPainterPath flap;
    flap.moveTo(10, 25);
    flap.lineTo(50, 56);
    flap.lineTo(90, 25);
    p.setPen(QPen(Navy, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawPath(flap);
    p.restore();
}

void globe(QPainter &p, const QRectF &r)
{
    p.save();
    fitSquare(p, r, 100);
    const QRectF c(8, 8, 84, 84);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 30));
    p.drawEllipse(c.translated(1.5, 2.5));
    QRadialGradient g(QPointF(36, 30), 75);
    g.setColorAt(0, Sky.lighter(110));
    g.setColorAt(1, Blue.darker(110));
    p.setBrush(g);
    p.drawEllipse(c);
    // Two soft land masses, clipped to the sphere.
    QPainterPath sphere;
    sphere.addEllipse(c);
    p.setClipPath(sphere);
    p.setBrush(QColor(0x7c, 0xc2, 0x8f, 200));
    QPainterPath land;
    land.moveTo(20, 30);
    land.cubicTo(32, 18, 50, 24, 46, 38);
    land.cubicTo(42, 50, 28, 46, 30, 60);
    land.cubicTo(31, 70, 18, 66, 14, 52);
    land.closeSubpath();
    land.moveTo(60, 52);
    land.cubicTo(72, 44, 88, 52, 84, 66);
    land.cubicTo(80, 80, 64, 84, 62, 72);
    land.closeSubpath();
    p.drawPath(land);
    p.setClipping(false);
    // Meridians and parallels.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 210), 2.2));
    p.drawEllipse(c);
    p.drawEllipse(QRectF(31, 8, 38, 84));
    p.drawLine(QPointF(50, 8), QPointF(50, 92));
    p.drawLine(QPointF(8, 50), QPointF(92, 50));
    p.drawLine(QPointF(15, 30), QPointF(85, 30));
    p.drawLine(QPointF(15, 70), QPointF(85, 70));
    p.restore();
}

void pdfDocument(QPainter &p, const QRectF &r)
{
    p.save();
    fitSquare(p, r, 100);
    QPainterPath page;
    page.moveTo(20, 6);
    page.lineTo(64, 6);
    page.lineTo(82, 24);
    page.lineTo(82, 94);
    page.lineTo(20, 94);
    page.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 30));
    p.drawPath(page.translated(2, 3));
    p.setPen(QPen(Steel, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(page);
    QPainterPath fold;
    fold.moveTo(64, 6);
    fold.lineTo(64, 24);
    fold.lineTo(82, 24);
    fold.closeSubpath();
    p.setBrush(Pale);
    p.drawPath(fold);
    // Text lines and the red band.
    p.setPen(QPen(Sky, 3, Qt::SolidLine, Qt::RoundCap));
    for (int y : {18, 28})
        p.drawLine(QPointF(28, y), QPointF(56, y));
    for (int y : {78, 86})
        p.drawLine(QPointF(28, y), QPointF(74, y));
    const QRectF band(10, 38, 66, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(band, Crimson.lighter(115), Crimson.darker(115)));
    p.drawRoundedRect(band, 5, 5);
    drawFitted(p, QStringLiteral("PDF"), band.adjusted(6, 3, -6, -3), 24, true, Qt::white,
               Qt::AlignCenter);
    p.restore();
}

// A paw: a main pad and four toes, in a 100 x 100 square.
void paw(QPainter &p, const QRectF &r, const QBrush &brush)
{
    p.save();
    fitSquare(p, r, 100);
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    QPainterPath pad;
    pad.moveTo(50, 46);
    pad.cubicTo(66, 46, 80, 66, 76, 80);
    pad.cubicTo(73, 92, 60, 88, 50, 88);
    pad.cubicTo(40, 88, 27, 92, 24, 80);
    pad.cubicTo(20, 66, 34, 46, 50, 46);
    p.drawPath(pad);
    const struct { qreal x, y, angle; } toes[] = {
        {18, 44, -30}, {36, 24, -10}, {64, 24, 10}, {82, 44, 30}};
    for (const auto &t : toes) {
        p.save();
        p.translate(t.x, t.y);
        p.rotate(t.angle);
        p.drawEllipse(QPointF(0, 0), 9, 12);
        p.restore();
    }
    p.restore();
}

// The maker's mark: a paw whose toes are leaves, inside a ring.
void makerMark(QPainter &p, const QRectF &r)
{
    p.save();
    fitSquare(p, r, 100);
    const QRectF ring(4, 4, 92, 92);
    QRadialGradient g(QPointF(40, 32), 80);
    g.setColorAt(0, Blue.lighter(125));
    g.setColorAt(1, Navy);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(ring);
    p.setPen(QPen(QColor(255, 255, 255, 170), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ring.adjusted(5, 5, -5, -5));
    // Main pad.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath pad;
    pad.moveTo(50, 50);
    pad.cubicTo(63, 50, 74, 64, 71, 74);
    pad.cubicTo(68, 83, 58, 80, 50, 80);
    pad.cubicTo(42, 80, 32, 83, 29, 74);
    pad.cubicTo(26, 64, 37, 50, 50, 50);
    p.drawPath(pad);
    // Leaf-shaped toes with a vein.
    const struct { qreal x, y, angle; } toes[] = {
        {27, 47, -38}, {41, 32, -12}, {59, 32, 12}, {73, 47, 38}};
    for (const auto &t : toes) {
        p.save();
        p.translate(t.x, t.y);
        p.rotate(t.angle);
        QPainterPath leaf;
        leaf.moveTo(0, 10);
        leaf.cubicTo(9, 4, 9, -6, 0, -13);
        leaf.cubicTo(-9, -6, -9, 4, 0, 10);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xb9, 0xe4, 0xc4));
        p.drawPath(leaf);
        p.setPen(QPen(Leaf.darker(110), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, 8), QPointF(0, -9));
        p.restore();
    }
    p.restore();
}

// --- Figures for the application illustrations; origin at the feet, about 100 units tall ---

void dog(QPainter &p, QPointF at, qreal scale, const QColor &fur, const QColor &light)
{
    p.save();
    p.translate(at);
    p.scale(scale / 100, scale / 100);
    const QColor dark = fur.darker(135);
    // Tail.
    QPainterPath tail;
    tail.moveTo(18, -10);
    tail.cubicTo(34, -14, 40, -30, 36, -44);
    p.setPen(QPen(fur, 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    p.setPen(Qt::NoPen);
    // Body, chest and front legs.
    p.setBrush(fur);
    p.drawEllipse(QRectF(-25, -60, 50, 60));
    p.setBrush(light);
    p.drawEllipse(QRectF(-12, -52, 24, 34));
    p.setBrush(fur.darker(108));
    p.drawRoundedRect(QRectF(-15, -32, 11, 31), 5, 5);
    p.drawRoundedRect(QRectF(4, -32, 11, 31), 5, 5);
    p.setBrush(light);
    p.drawEllipse(QRectF(-17, -6, 14, 7));
    p.drawEllipse(QRectF(3, -6, 14, 7));
    // Collar with its tag.
    p.setBrush(Crimson);
    p.drawRoundedRect(QRectF(-14, -56, 28, 6), 3, 3);
    p.setBrush(Amber);
    p.drawEllipse(QPointF(0, -48.5), 3.2, 3.2);
    // Ears behind the head.
    p.setBrush(dark);
    for (int side : {-1, 1}) {
        p.save();
        p.translate(side * 18, -74);
        p.rotate(side * 18);
        p.drawEllipse(QRectF(-6.5, -8, 13, 28));
        p.restore();
    }
    // Head, muzzle, nose and eyes.
    p.setBrush(fur);
    p.drawEllipse(QRectF(-19, -92, 38, 36));
    p.setBrush(light);
    p.drawEllipse(QRectF(-11, -71, 22, 15));
    p.setBrush(Ink);
    p.drawEllipse(QRectF(-4.5, -71, 9, 6));
    p.drawEllipse(QPointF(-7.5, -78), 2.8, 3.2);
    p.drawEllipse(QPointF(7.5, -78), 2.8, 3.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-6.7, -79), 0.9, 0.9);
    p.drawEllipse(QPointF(8.3, -79), 0.9, 0.9);
    p.setPen(QPen(Ink, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-5, -66, 5, 4), 180 * 16, 180 * 16);
    p.drawArc(QRectF(0, -66, 5, 4), 180 * 16, 180 * 16);
    p.restore();
}

void cat(QPainter &p, QPointF at, qreal scale, const QColor &fur, const QColor &light)
{
    p.save();
    p.translate(at);
    p.scale(scale / 100, scale / 100);
    // Tail curling up at the side.
    QPainterPath tail;
    tail.moveTo(14, -6);
    tail.cubicTo(38, -4, 40, -30, 30, -46);
    tail.cubicTo(26, -54, 34, -60, 38, -54);
    p.setPen(QPen(fur, 7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    p.setPen(Qt::NoPen);
    p.setBrush(fur);
    p.drawEllipse(QRectF(-21, -58, 42, 58));
    p.setBrush(light);
    p.drawEllipse(QRectF(-10, -50, 20, 30));
    p.setBrush(fur.darker(108));
    p.drawRoundedRect(QRectF(-12, -28, 9, 28), 4.5, 4.5);
    p.drawRoundedRect(QRectF(3, -28, 9, 28), 4.5, 4.5);
    // Ears.
    for (int side : {-1, 1}) {
        QPolygonF ear({QPointF(side * 17, -78), QPointF(side * 15, -100), QPointF(side * 3, -88)});
        p.setBrush(fur);
        p.drawPolygon(ear);
        QPolygonF inner({QPointF(side * 14.5, -81), QPointF(side * 13.5, -94), QPointF(side * 6, -87)});
        p.setBrush(QColor(0xf2, 0xb8, 0xc0));
        p.drawPolygon(inner);
    }
    p.setBrush(fur);
    p.drawEllipse(QRectF(-19, -91, 38, 34));
    // Stripes on the forehead.
    p.setPen(QPen(fur.darker(130), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -90), QPointF(0, -83));
    p.drawLine(QPointF(-5, -89), QPointF(-4, -84));
    p.drawLine(QPointF(5, -89), QPointF(4, -84));
    p.setPen(Qt::NoPen);
    // Eyes with slit pupils.
    for (int side : {-1, 1}) {
        p.setBrush(QColor(0x9c, 0xcc, 0x65));
        p.drawEllipse(QPointF(side * 8, -76), 4.2, 4.6);
        p.setBrush(Ink);
        p.drawEllipse(QPointF(side * 8, -76), 1.3, 3.8);
    }
    p.setBrush(QColor(0xe8, 0x8f, 0x9c));
    p.drawPolygon(QPolygonF({QPointF(-3, -69), QPointF(3, -69), QPointF(0, -66)}));
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        p.drawLine(QPointF(side * 6, -67), QPointF(side * 22, -70));
        p.drawLine(QPointF(side * 6, -65.5), QPointF(side * 22, -64));
    }
    p.restore();
}

void person(QPainter &p, QPointF at, qreal scale, const QColor &clothes, const QColor &skin)
{
    p.save();
    p.translate(at);
    p.scale(scale / 100, scale / 100);
    p.setPen(Qt::NoPen);
    QPainterPath body;
    body.moveTo(-27, 0);
    body.lineTo(-27, -36);
    body.cubicTo(-27, -56, -14, -63, 0, -63);
    body.cubicTo(14, -63, 27, -56, 27, -36);
    body.lineTo(27, 0);
    body.closeSubpath();
    p.setBrush(clothes);
    p.drawPath(body);
    // Collar.
    p.setBrush(clothes.lighter(135));
    p.drawPolygon(QPolygonF({QPointF(-9, -62), QPointF(0, -48), QPointF(9, -62)}));
    p.setBrush(skin);
    p.drawRoundedRect(QRectF(-5, -68, 10, 9), 3, 3);
    p.drawEllipse(QPointF(0, -81), 14, 15);
    p.setBrush(skin.darker(160));
    QPainterPath hair;
    hair.moveTo(-14.5, -80);
    hair.cubicTo(-16, -98, 16, -100, 14.5, -80);
    hair.cubicTo(10, -88, -6, -90, -14.5, -80);
    p.drawPath(hair);
    p.restore();
}

// The soft background of an illustration: a pale sky, a floor and a few light circles.
void photoBackground(QPainter &p, const QRectF &r, const QColor &tint)
{
    p.fillRect(r, vertical(r, tint, Qt::white));
    p.setPen(Qt::NoPen);
    const struct { qreal x, y, rad; int alpha; } blobs[] = {
        {0.12, 0.18, 0.16, 70}, {0.86, 0.14, 0.12, 80}, {0.70, 0.36, 0.07, 60}, {0.25, 0.45, 0.06, 50}};
    for (const auto &b : blobs) {
        p.setBrush(QColor(255, 255, 255, b.alpha));
        p.drawEllipse(QPointF(r.left() + b.x * r.width(), r.top() + b.y * r.height()),
                      b.rad * r.width(), b.rad * r.width());
    }
    const QRectF floor(r.left(), r.top() + r.height() * 0.8, r.width(), r.height() * 0.2);
    p.fillRect(floor, vertical(floor, QColor(tint.red(), tint.green(), tint.blue(), 110),
                               QColor(tint.red(), tint.green(), tint.blue(), 170)));
}

void shadow(QPainter &p, QPointF at, qreal width)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4e, 0x79, 40));
    p.drawEllipse(at, width / 2, width / 9);
}

void sheet(QPainter &p, const QRectF &r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 30));
    p.drawRoundedRect(r.translated(3, 4), 4, 4);
    p.setPen(QPen(Sky.darker(110), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 4, 4);
}

void textLines(QPainter &p, qreal x, qreal y, const QList<qreal> &widths, qreal gap)
{
    p.setPen(QPen(Sky, 3, Qt::SolidLine, Qt::RoundCap));
    for (qreal w : widths) {
        p.drawLine(QPointF(x, y), QPointF(x + w, y));
        y += gap;
    }
}

// Illustrations, drawn in a 226 x 196 design area.
void drawOwners(QPainter &p)
{
    shadow(p, QPointF(96, 172), 130);
    person(p, QPointF(70, 172), 125, Navy, QColor(0xf1, 0xc2, 0x9a));
    person(p, QPointF(120, 174), 108, Teal, QColor(0xe0, 0xac, 0x85));
    shadow(p, QPointF(172, 174), 60);
    dog(p, QPointF(172, 174), 70, Sand, Cream);
}

void drawAnimals(QPainter &p)
{
    shadow(p, QPointF(82, 172), 90);
    shadow(p, QPointF(158, 172), 66);
    dog(p, QPointF(82, 172), 120, Sand, Cream);
    cat(p, QPointF(152, 172), 92, QColor(0x8f, 0x9a, 0xa6), QColor(0xe9, 0xee, 0xf2));
}

void drawCertificates(QPainter &p)
{
    p.save();
    p.translate(113, 98);
    p.rotate(-4);
    const QRectF page(-58, -78, 116, 152);
    sheet(p, page);
    p.fillRect(QRectF(page.left() + 10, page.top() + 12, 96, 10), Blue);
    textLines(p, page.left() + 12, page.top() + 36, {90, 78, 90, 64, 86, 52}, 10);
    // Signature.
    QPainterPath sign;
    sign.moveTo(-8, 56);
    sign.cubicTo(0, 44, 6, 64, 14, 52);
    sign.cubicTo(20, 44, 24, 60, 40, 52);
    p.setPen(QPen(Navy, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sign);
    p.restore();
    // Seal with ribbons.
    const QPointF c(72, 142);
    p.setPen(Qt::NoPen);
    p.setBrush(Crimson.darker(105));
    p.drawPolygon(QPolygonF({c + QPointF(-14, 8), c + QPointF(-22, 44), c + QPointF(-12, 38),
                             c + QPointF(-4, 46), c + QPointF(2, 10)}));
    p.drawPolygon(QPolygonF({c + QPointF(14, 8), c + QPointF(22, 44), c + QPointF(12, 38),
                             c + QPointF(4, 46), c + QPointF(-2, 10)}));
    QPolygonF rosette;
    for (int i = 0; i < 32; ++i) {
        const qreal a = i * M_PI / 16;
        const qreal rad = (i % 2) ? 26 : 30;
        rosette << c + QPointF(rad * qCos(a), rad * qSin(a));
    }
    p.setBrush(Amber);
    p.drawPolygon(rosette);
    p.setBrush(Amber.lighter(115));
    p.drawEllipse(c, 22, 22);
    p.setPen(QPen(Amber.darker(120), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 19, 19);
    paw(p, QRectF(c.x() - 15, c.y() - 15, 30, 30), Amber.darker(145));
}

void drawAppointments(QPainter &p)
{
    const QRectF cal(34, 28, 132, 130);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 30));
    p.drawRoundedRect(cal.translated(3, 4), 10, 10);
    p.setBrush(Qt::white);
    p.drawRoundedRect(cal, 10, 10);
    QPainterPath top;
    top.addRoundedRect(cal, 10, 10);
    p.save();
    p.setClipPath(top);
    p.fillRect(QRectF(cal.left(), cal.top(), cal.width(), 30), vertical(cal, Blue, Navy));
    p.restore();
    // Rings.
    for (qreal x : {62.0, 138.0}) {
        p.setBrush(Navy.darker(130));
        p.drawEllipse(QPointF(x, cal.top() + 8), 4, 4);
        p.setBrush(Steel);
        p.drawRoundedRect(QRectF(x - 2.5, cal.top() - 10, 5, 20), 2.5, 2.5);
    }
    // Day grid, one day picked out.
    const qreal cell = 16.5;
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 7; ++col) {
            const QRectF d(cal.left() + 9 + col * cell, cal.top() + 40 + row * cell, cell - 4, cell - 4);
            const bool picked = (row == 2 && col == 3);
            const bool weekend = (col >= 5);
            p.setBrush(picked ? Crimson : weekend ? Pale.darker(106) : Pale);
            p.drawRoundedRect(d, 2.5, 2.5);
        }
    }
    // Clock in front.
    const QPointF c(170, 140);
    p.setBrush(QColor(0, 0, 0, 35));
    p.drawEllipse(c + QPointF(2, 3), 34, 34);
    p.setBrush(Teal);
    p.drawEllipse(c, 34, 34);
    p.setBrush(Qt::white);
    p.drawEllipse(c, 28, 28);
    p.setPen(QPen(Navy, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        const qreal inner = (i % 3 == 0) ? 20 : 23;
        p.drawLine(c + QPointF(inner * qCos(a), inner * qSin(a)),
                   c + QPointF(25 * qCos(a), 25 * qSin(a)));
    }
    p.setPen(QPen(Ink, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, -17));
    p.setPen(QPen(Ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(13, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(Crimson);
    p.drawEllipse(c, 3, 3);
}

void bottle(QPainter &p, const QRectF &r, const QColor &glass, const QColor &cap)
{
    const qreal neck = r.width() * 0.45;
    p.setPen(Qt::NoPen);
    p.setBrush(cap);
    p.drawRoundedRect(QRectF(r.center().x() - neck / 2 - 1, r.top(), neck + 2, r.height() * 0.16), 2, 2);
    p.setBrush(glass);
    p.drawRect(QRectF(r.center().x() - neck / 2, r.top() + r.height() * 0.14, neck, r.height() * 0.1));
    const QRectF body(r.left(), r.top() + r.height() * 0.22, r.width(), r.height() * 0.78);
    p.drawRoundedRect(body, r.width() * 0.2, r.width() * 0.2);
    const QRectF label(body.left() + 3, body.top() + body.height() * 0.3, body.width() - 6,
                       body.height() * 0.4);
    p.setBrush(Qt::white);
    p.drawRoundedRect(label, 2, 2);
    // A small cross on the label.
    const QPointF c = label.center();
    const qreal s = std::min(label.width(), label.height()) * 0.28;
    p.setBrush(Crimson);
    p.drawRect(QRectF(c.x() - s / 3, c.y() - s, s * 2 / 3, s * 2));
    p.drawRect(QRectF(c.x() - s, c.y() - s / 3, s * 2, s * 2 / 3));
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawRoundedRect(QRectF(body.left() + 2.5, body.top() + 4, 3, body.height() - 10), 1.5, 1.5);
}

void box(QPainter &p, const QRectF &r, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(r);
    p.setBrush(colour.lighter(125));
    p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.18));
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawRect(QRectF(r.left() + r.width() * 0.15, r.top() + r.height() * 0.38, r.width() * 0.7,
                      r.height() * 0.3));
    p.setPen(QPen(colour.darker(130), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + r.width() * 0.25, r.top() + r.height() * 0.53),
               QPointF(r.right() - r.width() * 0.25, r.top() + r.height() * 0.53));
}

void drawPriceList(QPainter &p)
{
    // Shelf frame.
    const QColor wood(0xb8, 0xc7, 0xd6);
    p.setPen(Qt::NoPen);
    p.setBrush(wood.darker(115));
    p.drawRect(QRectF(22, 20, 8, 160));
    p.drawRect(QRectF(196, 20, 8, 160));
    for (qreal y : {88.0, 166.0}) {
        p.setBrush(QColor(0, 0, 0, 25));
        p.drawRect(QRectF(22, y + 8, 182, 4));
        p.setBrush(wood);
        p.drawRect(QRectF(16, y, 194, 9));
    }
    // Upper shelf: bottles.
    bottle(p, QRectF(38, 40, 26, 48), Blue, Navy);
    bottle(p, QRectF(70, 52, 22, 36), Teal, Teal.darker(140));
    bottle(p, QRectF(98, 34, 30, 54), QColor(0xb0, 0x78, 0x4c), Ink);
    bottle(p, QRectF(134, 48, 24, 40), Sky.darker(115), Navy);
    bottle(p, QRectF(164, 44, 26, 44), Leaf, Leaf.darker(150));
    // Lower shelf: boxes.
    box(p, QRectF(36, 120, 46, 46), Blue);
    box(p, QRectF(86, 132, 36, 34), Amber);
    box(p, QRectF(126, 112, 34, 54), Teal);
    box(p, QRectF(164, 128, 30, 38), Crimson.lighter(110));
}

void drawInvoices(QPainter &p)
{
    const QRectF page(40, 14, 118, 162);
    sheet(p, page);
    // Header and the customer block.
    p.fillRect(QRectF(page.left() + 10, page.top() + 12, 40, 16), Blue);
    textLines(p, page.right() - 50, page.top() + 15, {40, 30}, 8);
    // Table of lines with amounts.
    p.setPen(Qt::NoPen);
    p.setBrush(Pale);
    p.drawRect(QRectF(page.left() + 10, page.top() + 44, page.width() - 20, 10));
    for (int i = 0; i < 6; ++i) {
        const qreal y = page.top() + 64 + i * 12;
        p.setPen(QPen(Sky, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(page.left() + 12, y), QPointF(page.left() + 12 + (i % 2 ? 50 : 62), y));
        p.drawLine(QPointF(page.right() - 30, y), QPointF(page.right() - 12, y));
    }
    // Total.
    p.setPen(QPen(Navy, 1.5));
    p.drawLine(QPointF(page.left() + 60, page.bottom() - 28), QPointF(page.right() - 10, page.bottom() - 28));
    p.setPen(QPen(Navy, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(page.right() - 40, page.bottom() - 18), QPointF(page.right() - 12, page.bottom() - 18));
    // Euro coin.
    const QPointF c(170, 136);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 35));
    p.drawEllipse(c + QPointF(2, 3), 32, 32);
    QRadialGradient g(c + QPointF(-10, -12), 46);
    g.setColorAt(0, Amber.lighter(125));
    g.setColorAt(1, Amber.darker(115));
    p.setBrush(g);
    p.drawEllipse(c, 32, 32);
    p.setPen(QPen(QColor(255, 255, 255, 160), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 26, 26);
    drawFitted(p, QString(QChar(0x20ac)), QRectF(c.x() - 22, c.y() - 22, 44, 44), 40, true,
               Ink.lighter(120), Qt::AlignCenter);
}

QString caption(Application app)
{
    switch (app) {
    case Application::Owners: return QStringLiteral("ANAGRAFICA PROPRIETARI");
    case Application::Animals: return QStringLiteral("ANAGRAFICA ANIMALI");
    case Application::Certificates: return QStringLiteral("CERTIFICATI E CONSENSI");
    case Application::Appointments: return QStringLiteral("SCADENZE E APPUNTAMENTI");
    case Application::PriceList: return QStringLiteral("TARIFFARIO SERVIZI");
    case Application::Invoices: return QStringLiteral("FATTURE PROFORMA");
    }
    return {};
}

// An icon at the left of a heading card and a text beside it.
QRectF headingIconAndText(QPainter &p, const QRectF &r, void (*icon)(QPainter &, const QRectF &))
{
    headingCard(p, r);
    const qreal m = std::max<qreal>(4, r.height() * 0.12);
    const qreal side = r.height() - 2 * m;
    icon(p, QRectF(r.left() + m * 1.6, r.top() + m, side, side));
    return QRectF(r.left() + m * 2.6 + side, r.top() + m, r.width() - side - m * 4.2, side);
}

} // namespace

QPixmap LoginHeading(QSize size)
{
    return paint(size, [](QPainter &p, const QRectF &r) {
        const QRectF t = headingIconAndText(p, r, padlock);
        const qreal h = t.height();
        drawFitted(p, QStringLiteral("Password"), QRectF(t.left(), t.top(), t.width(), h * 0.36),
                   h * 0.3, true, Navy, Qt::AlignLeft | Qt::AlignVCenter);
        drawFitted(p, QStringLiteral("Proteggi l'accesso a Tavoren con una password di tua scelta."),
                   QRectF(t.left(), t.top() + h * 0.38, t.width(), h * 0.36), h * 0.18, false, Ink,
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
        drawFitted(p, QStringLiteral("Password di primo accesso: bromeliaspunto"),
                   QRectF(t.left(), t.top() + h * 0.74, t.width(), h * 0.26), h * 0.12, true, Blue,
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    });
}

QPixmap ChangeHeading(QSize size)
{
    return paint(size, [](QPainter &p, const QRectF &r) {
        const QRectF t = headingIconAndText(p, r, padlock);
        const qreal h = t.height();
        drawFitted(p, QStringLiteral("Cambia password"), QRectF(t.left(), t.top() + h * 0.08, t.width(), h * 0.46),
                   h * 0.34, true, Navy, Qt::AlignLeft | Qt::AlignVCenter);
        drawFitted(p, QStringLiteral("Compila i campi sottostanti e premi OK."),
                   QRectF(t.left(), t.top() + h * 0.56, t.width(), h * 0.36), h * 0.17, false, Ink,
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    });
}

QPixmap LauncherTitle(QSize size)
{
    return paint(size, [](QPainter &p, const QRectF &r) {
        const QString name = QStringLiteral("Tavoren");
        const QFont f = fitted(name, r.adjusted(2, 2, -2, -4), r.height() * 0.92, true,
                               Qt::AlignCenter);
        QPainterPath path;
        path.addText(0, 0, f, name);
        const QRectF b = path.boundingRect();
        path.translate(r.center() - b.center());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x4e, 0x79, 45));
        p.drawPath(path.translated(1.5, 2.5));
        const QRectF pb = path.boundingRect();
        p.setBrush(vertical(pb, Blue.lighter(110), Navy));
        p.drawPath(path);
    });
}

QPixmap LauncherSubtitle(QSize size)
{
    return paint(size, [](QPainter &p, const QRectF &r) {
        drawFitted(p,
                   QStringLiteral("Software rivolto ad ambulatori veterinari per gestire l'anagrafica "
                                  "di animali e proprietari, gli appuntamenti, l'emissione di "
                                  "certificati e di fatture proforma"),
                   r.adjusted(4, 1, -4, -1), std::min<qreal>(r.height() * 0.42, 22), false, Navy,
                   Qt::AlignCenter, true);
    });
}

QPixmap InfoIcon(QSize size)
{
    return paint(size, [](QPainter &p, const QRectF &r) { infoBadge(p, r); });
}

QPixmap HelpIcon(QSize size)
{
    return paint(size, [](QPainter &p, const QRectF &r) { helpBadge(p, r); });
}

QPixmap ApplicationPhoto(Application app, QSize size)
{
    return paint(size, [app](QPainter &p, const QRectF &r) {
        QColor tint = Pale;
        switch (app) {
        case Application::Owners: tint = QColor(0xd6, 0xe8, 0xf5); break;
        case Application::Animals: tint = QColor(0xd9, 0xee, 0xe4); break;
        case Application::Certificates: tint = QColor(0xe4, 0xe6, 0xf5); break;
        case Application::Appointments: tint = QColor(0xd8, 0xec, 0xf2); break;
        case Application::PriceList: tint = QColor(0xe2, 0xec, 0xf4); break;
        case Application::Invoices: tint = QColor(0xe6, 0xee, 0xe2); break;
        }
        photoBackground(p, r, tint);
        p.save();
        fitArea(p, r, QSizeF(226, 196));
        switch (app) {
        case Application::Owners: drawOwners(p); break;
        case Application::Animals: drawAnimals(p); break;
        case Application::Certificates: drawCertificates(p); break;
        case Application::Appointments: drawAppointments(p); break;
        case Application::PriceList: drawPriceList(p); break;
        case Application::Invoices: drawInvoices(p); break;
        }
        p.restore();
        p.setPen(QPen(Sky, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    });
}

QPixmap ApplicationButton(Application app, QSize size)
{
    return paint(size, [app](QPainter &p, const QRectF &r) {
        const QRectF b = r.adjusted(1, 1, -1, -2);
        const qreal radius = b.height() * 0.35;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRoundedRect(b.translated(0, 1.5), radius, radius);
        p.setBrush(vertical(b, Blue.lighter(112), Navy));
        p.setPen(QPen(Navy.darker(115), 1));
        p.drawRoundedRect(b, radius, radius);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 45));
        p.drawRoundedRect(QRectF(b.left() + 3, b.top() + 2, b.width() - 6, b.height() * 0.42),
                          radius * 0.8, radius * 0.8);
        drawFitted(p, caption(app), b.adjusted(radius, 2, -radius, -2), b.height() * 0.46, true,
                   Qt::white, Qt::AlignCenter);
    });
}

QPixmap MakerStrip(QSize size)
{
    return paint(size, [](QPainter &p, const QRectF &r) {
        const QRectF band = r.adjusted(1, 1, -1, -1);
        const qreal radius = band.height() * 0.3;
        p.setPen(QPen(Sky, 1));
        p.setBrush(vertical(band, QColor(255, 255, 255, 220), QColor(0xdd, 0xeb, 0xf7, 220)));
        p.drawRoundedRect(band, radius, radius);
        const qreal side = band.height() * 0.8;
        const QString text = MakerName + QStringLiteral("   \u2022   ") + MakerWebAddress;
        const QRectF textArea = band.adjusted(side + band.height() * 0.6, 1, -band.height() * 0.4, -1);
        const QFont f = fitted(text, textArea, band.height() * 0.5, true, Qt::AlignCenter);
        // The mark sits just before the centred text.
        const qreal textWidth = QFontMetricsF(f).horizontalAdvance(text);
        const qreal left = std::max(band.left() + band.height() * 0.2,
                                    textArea.center().x() - textWidth / 2 - side - band.height() * 0.25);
        makerMark(p, QRectF(left, band.center().y() - side / 2, side, side));
        p.setFont(f);
        p.setPen(Navy);
        p.drawText(textArea, Qt::AlignCenter, text);
    });
}

QPixmap CopyrightMark(QSize size)
{
    return paint(size, [](QPainter &p, const QRectF &r) {
        p.save();
        fitSquare(p, r, 100);
        p.setPen(QPen(Navy, 9));
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QRectF(8, 8, 84, 84));
        p.setPen(QPen(Navy, 10, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(30, 30, 40, 40), 45 * 16, 270 * 16);
        p.restore();
    });
}

QPixmap ExitCross(QSize size)
{
    return paint(size, [](QPainter &p, const QRectF &r) {
        p.save();
        fitSquare(p, r, 100);
        p.setPen(QPen(Crimson.darker(130), 22, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 22), QPointF(78, 78));
        p.drawLine(QPointF(78, 22), QPointF(22, 78));
        p.setPen(QPen(Crimson, 16, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 22), QPointF(78, 78));
        p.drawLine(QPointF(78, 22), QPointF(22, 78));
        p.restore();
    });
}

QPixmap InfoHeading(QSize size)
{
    return paint(size, [](QPainter &p, const QRectF &r) {
        const QRectF t = headingIconAndText(p, r, infoBadge);
        drawFitted(p, QStringLiteral("Informazioni sul programma"), t, t.height() * 0.42, true, Navy,
                   Qt::AlignLeft | Qt::AlignVCenter);
    });
}

QPixmap EnvelopeIcon(QSize size)
{
    return paint(size, [](QPainter &p, const QRectF &r) { envelope(p, r); });
}

QPixmap MakerLogo(QSize size)
{
    return paint(size, [](QPainter &p, const QRectF &r) {
        const QRectF card = r.adjusted(2, 2, -2, -2);
        const qreal radius = std::min(card.width(), card.height()) * 0.06;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRoundedRect(card.translated(1, 2), radius, radius);
        QLinearGradient g(card.topLeft(), card.bottomRight());
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, Pale);
        p.setBrush(g);
        p.setPen(QPen(Sky, 1.5));
        p.drawRoundedRect(card, radius, radius);
        // A wide soft arc behind the mark.
        QPainterPath clip;
        clip.addRoundedRect(card, radius, radius);
        p.save();
        p.setClipPath(clip);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x9d, 0xc3, 0xe6, 60));
        p.drawEllipse(QPointF(card.right(), card.bottom()), card.width() * 0.55, card.height() * 0.7);
        p.setBrush(QColor(0x5b, 0xa5, 0x6e, 35));
        p.drawEllipse(QPointF(card.left(), card.bottom()), card.width() * 0.35, card.height() * 0.4);
        p.restore();
        // Mark above, the name and the trade below.
        const qreal side = card.height() * 0.46;
        makerMark(p, QRectF(card.center().x() - side / 2, card.top() + card.height() * 0.08, side, side));
        const QRectF nameArea(card.left() + card.width() * 0.08, card.top() + card.height() * 0.58,
                              card.width() * 0.84, card.height() * 0.2);
        const QFont f = fitted(MakerName, nameArea, nameArea.height() * 0.95, true, Qt::AlignCenter);
        QPainterPath name;
        name.addText(0, 0, f, MakerName);
        name.translate(nameArea.center() - name.boundingRect().center());
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(name.boundingRect(), Blue, Navy));
        p.drawPath(name);
        const QRectF lineArea(nameArea.left(), nameArea.bottom() + card.height() * 0.03,
                              nameArea.width(), card.height() * 0.08);
        p.setPen(QPen(Sky, 1.5));
        const qreal ly = lineArea.top() - card.height() * 0.015;
        p.drawLine(QPointF(card.center().x() - card.width() * 0.18, ly),
                   QPointF(card.center().x() + card.width() * 0.18, ly));
        drawFitted(p, QStringLiteral("software per ambulatori veterinari"), lineArea,
                   lineArea.height() * 0.7, false, Teal.darker(115), Qt::AlignCenter);
    });
}

QPixmap GlobeIcon(QSize size)
{
    return paint(size, [](QPainter &p, const QRectF &r) { globe(p, r); });
}

QPixmap HelpHeading(QSize size)
{
    return paint(size, [](QPainter &p, const QRectF &r) {
        const QRectF t = headingIconAndText(p, r, helpBadge);
        drawFitted(p, QStringLiteral("Guida all'utilizzo del software"), t, t.height() * 0.42, true,
                   Navy, Qt::AlignLeft | Qt::AlignVCenter);
    });
}

QPixmap PdfIcon(QSize size)
{
    return paint(size, [](QPainter &p, const QRectF &r) { pdfDocument(p, r); });
}

} // namespace Artwork
