#include "common/ui/CommandPictures.h"
#include "common/ui/Look.h"

#include "common/FitSize.h"
#include "common/Text.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>

// Every glyph is drawn in a 100 x 100 design square that the painter scales to the place it gets,
// so the pictures stay sharp at any size.
namespace {

using Look::Navy;
using Look::Blue;
using Look::TileTop;
using Look::TileBottom;
using Look::Sky;
using Look::Pale;
using Look::Crimson;
using Look::Green;
using Look::DarkGreen;

QFont pictureFont(qreal pixels, bool bold)
{
    QFont f = Look::Tahoma();
    f.setPixelSize(std::max(6, qFloor(pixels)));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// The largest font up to `maxPixels` at which one line of text fits the width.
QFont fittedFont(const QString &text, qreal width, qreal maxPixels, bool bold)
{
    // Fonts come in whole pixel sizes; 6 is the smallest, used when no larger one fits.
    const int size = LargestFittingSize(7, qFloor(maxPixels), [&](int px) {
        return QFontMetricsF(pictureFont(px, bold)).horizontalAdvance(text) <= width;
    });
    return pictureFont(std::max(size, 6), bold);
}

QPixmap blank(QSize size)
{
    QPixmap pm(size.expandedTo(QSize(1, 1)));
    pm.fill(Qt::transparent);
    return pm;
}

void prepare(QPainter &p)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

void drawTile(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom, const QColor &edge)
{
    const qreal radius = std::min(r.height(), r.width()) * 0.18;
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(edge, 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

// Maps the 100 x 100 design square onto `r` for the drawing that follows.
class Design {
public:
    Design(QPainter &p, const QRectF &r) : p(p)
    {
        p.save();
        p.translate(r.topLeft());
        p.scale(r.width() / 100.0, r.height() / 100.0);
    }
    ~Design() { p.restore(); }

private:
    QPainter &p;
};

QPen stroke(const QColor &c, qreal width = 7)
{
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPainterPath pageOutline(qreal x, qreal y, qreal w, qreal h)
{
    const qreal fold = w * 0.3;
    QPainterPath path;
    path.moveTo(x, y);
    path.lineTo(x + w - fold, y);
    path.lineTo(x + w, y + fold);
    path.lineTo(x + w, y + h);
    path.lineTo(x, y + h);
    path.closeSubpath();
    path.moveTo(x + w - fold, y);
    path.lineTo(x + w - fold, y + fold);
    path.lineTo(x + w, y + fold);
    return path;
}

void glyphNew(QPainter &p, const QColor &c)
{
    p.setPen(stroke(c));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pageOutline(16, 8, 54, 78));
    p.setBrush(c);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(70, 72), 22, 22);
    p.setPen(stroke(TileBottom, 7));
    p.drawLine(QPointF(70, 61), QPointF(70, 83));
    p.drawLine(QPointF(59, 72), QPointF(81, 72));
}

void glyphDuplicate(QPainter &p, const QColor &c)
{
    p.setPen(stroke(c));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pageOutline(10, 8, 50, 66));
    p.setBrush(TileBottom);
    p.drawPath(pageOutline(38, 26, 50, 66));
    p.setBrush(Qt::NoBrush);
    for (qreal y : {56.0, 68.0, 80.0})
        p.drawLine(QPointF(48, y), QPointF(78, y));
}

void glyphAttach(QPainter &p, const QColor &c)
{
    p.save();
    p.translate(50, 50);
    p.rotate(40);
    p.translate(-50, -50);
    QPainterPath clip;
    clip.moveTo(56, 34);
    clip.lineTo(56, 72);
    clip.arcTo(QRectF(40, 64, 16, 16), 0, -180);
    clip.lineTo(40, 24);
    clip.arcTo(QRectF(40, 6, 24, 24), 180, -180);
    clip.lineTo(64, 78);
    clip.arcTo(QRectF(32, 62, 32, 32), 0, -180);
    clip.lineTo(32, 30);
    p.setPen(stroke(c, 6.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(clip);
    p.restore();
}

void glyphSave(QPainter &p, const QColor &c)
{
    QPainterPath disk;
    disk.moveTo(12, 12);
    disk.lineTo(76, 12);
    disk.lineTo(88, 24);
    disk.lineTo(88, 88);
    disk.lineTo(12, 88);
    disk.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(disk);
    p.setBrush(TileBottom);
    p.drawRect(QRectF(28, 12, 40, 24));
    p.setBrush(c);
    p.drawRect(QRectF(54, 16, 9, 16));
    p.setBrush(TileBottom);
    p.drawRoundedRect(QRectF(24, 50, 52, 32), 3, 3);
}

void glyphFind(QPainter &p, const QColor &c)
{
    p.setPen(stroke(c, 8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(42, 42), 26, 26);
    p.setPen(stroke(c, 14));
    p.drawLine(QPointF(62, 62), QPointF(86, 86));
}

void glyphPreview(QPainter &p, const QColor &c)
{
    QPainterPath eye;
    eye.moveTo(6, 50);
    eye.quadTo(50, 4, 94, 50);
    eye.quadTo(50, 96, 6, 50);
    p.setPen(stroke(c, 6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(eye);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(50, 50), 17, 17);
    p.setBrush(TileBottom);
    p.drawEllipse(QPointF(50, 50), 7, 7);
}

void glyphPrint(QPainter &p, const QColor &c)
{
    p.setPen(stroke(c, 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(28, 10, 44, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(8, 34, 84, 38), 8, 8);
    p.setBrush(TileBottom);
    p.drawEllipse(QPointF(78, 46), 4, 4);
    p.setPen(stroke(c, 6));
    p.setBrush(TileBottom);
    p.drawRect(QRectF(26, 58, 48, 32));
    p.drawLine(QPointF(36, 70), QPointF(64, 70));
    p.drawLine(QPointF(36, 80), QPointF(58, 80));
}

void glyphPdf(QPainter &p, const QColor &c)
{
    p.setPen(stroke(c));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pageOutline(18, 6, 64, 88));
    p.setPen(Qt::NoPen);
    p.setBrush(Crimson);
    p.drawRoundedRect(QRectF(4, 48, 72, 30), 5, 5);
    p.setPen(Qt::white);
    QFont f = pictureFont(24, true);
    p.setFont(f);
    p.drawText(QRectF(4, 48, 72, 30), Qt::AlignCenter, QStringLiteral("PDF"));
}

void glyphPhone(QPainter &p, const QColor &c)
{
    // A handset: a curved grip widening at both ends.
    QPainterPath h;
    h.moveTo(22, 10);
    h.cubicTo(4, 18, 8, 50, 30, 72);
    h.cubicTo(50, 92, 80, 98, 90, 78);
    h.lineTo(74, 62);
    h.cubicTo(68, 60, 62, 70, 58, 70);
    h.cubicTo(48, 66, 34, 52, 30, 42);
    h.cubicTo(30, 38, 40, 32, 38, 26);
    h.closeSubpath();
    p.setPen(stroke(c, 3));
    p.setBrush(c);
    p.drawPath(h);
    // Call-back arrows.
    p.setPen(stroke(c, 5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(52, 8, 40, 40), 0, 90 * 16);
    p.drawLine(QPointF(92, 28), QPointF(86, 18));
    p.drawLine(QPointF(92, 28), QPointF(98, 19));
}

void glyphExport(QPainter &p, const QColor &c)
{
    p.setPen(stroke(c, 5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(8, 14, 56, 72));
    for (qreal y : {32.0, 50.0, 68.0})
        p.drawLine(QPointF(8, y), QPointF(64, y));
    p.drawLine(QPointF(30, 14), QPointF(30, 86));
    p.setPen(stroke(c, 9));
    p.drawLine(QPointF(48, 50), QPointF(90, 50));
    p.drawLine(QPointF(90, 50), QPointF(76, 36));
    p.drawLine(QPointF(90, 50), QPointF(76, 64));
}

void glyphHelp(QPainter &p, const QColor &c)
{
    p.setPen(stroke(c, 7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 50), 42, 42);
    QPainterPath q;
    q.moveTo(34, 38);
    q.cubicTo(34, 18, 66, 18, 66, 38);
    q.cubicTo(66, 52, 50, 50, 50, 62);
    p.setPen(stroke(c, 9));
    p.drawPath(q);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(50, 77), 6, 6);
}

void glyphExit(QPainter &p, const QColor &c)
{
    p.setPen(stroke(c, 6));
    p.setBrush(Qt::NoBrush);
    QPainterPath frame;
    frame.moveTo(52, 30);
    frame.lineTo(52, 10);
    frame.lineTo(12, 10);
    frame.lineTo(12, 90);
    frame.lineTo(52, 90);
    frame.lineTo(52, 70);
    p.drawPath(frame);
    p.setPen(stroke(c, 9));
    p.drawLine(QPointF(30, 50), QPointF(88, 50));
    p.drawLine(QPointF(88, 50), QPointF(72, 34));
    p.drawLine(QPointF(88, 50), QPointF(72, 66));
}

// A picture frame with hills and a sun, and a round badge at its lower right for the action.
void glyphPicture(QPainter &p, const QColor &c)
{
    p.setPen(stroke(c, 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(6, 14, 70, 56));
    QPainterPath hills;
    hills.moveTo(12, 64);
    hills.lineTo(32, 40);
    hills.lineTo(46, 54);
    hills.lineTo(56, 46);
    hills.lineTo(70, 64);
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(hills);
    p.drawEllipse(QPointF(58, 28), 6, 6);
    p.drawEllipse(QPointF(74, 74), 22, 22);
    p.setPen(stroke(TileBottom, 7));
}

void glyphLoadPhoto(QPainter &p, const QColor &c)
{
    glyphPicture(p, c);
    p.drawLine(QPointF(74, 63), QPointF(74, 85));
    p.drawLine(QPointF(63, 74), QPointF(85, 74));
}

void glyphSavePhoto(QPainter &p, const QColor &c)
{
    glyphPicture(p, c);
    p.drawLine(QPointF(74, 62), QPointF(74, 84));
    p.drawLine(QPointF(74, 84), QPointF(65, 75));
    p.drawLine(QPointF(74, 84), QPointF(83, 75));
}

void glyphClearPhoto(QPainter &p, const QColor &c)
{
    glyphPicture(p, c);
    p.drawLine(QPointF(66, 66), QPointF(82, 82));
    p.drawLine(QPointF(82, 66), QPointF(66, 82));
}

void glyphZoom(QPainter &p, const QColor &c)
{
    glyphFind(p, c);
    p.setPen(stroke(c, 7));
    p.drawLine(QPointF(42, 30), QPointF(42, 54));
    p.drawLine(QPointF(30, 42), QPointF(54, 42));
}

// A written page: the document a card is exported to.
void glyphDocument(QPainter &p, const QColor &c)
{
    p.setPen(stroke(c));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pageOutline(18, 6, 64, 88));
    p.setPen(stroke(c, 6));
    for (qreal y : {44.0, 58.0, 72.0})
        p.drawLine(QPointF(30, y), QPointF(70, y));
    p.drawLine(QPointF(30, 30), QPointF(50, 30));
}

void glyphInitial(QPainter &p, const QColor &c, const QString &word)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(50, 50), 42, 42);
    p.setPen(TileBottom);
    p.setFont(pictureFont(52, true));
    p.drawText(QRectF(0, 0, 100, 100), Qt::AlignCenter, UpperText(LeftChars(TrimText(word), 1)));
}

void drawCommandGlyph(QPainter &p, const QString &word, const QRectF &r)
{
    Design d(p, r);
    const QColor c = Qt::white;
    const QString w = TrimText(word);
    if (w == QLatin1String("Nuovo"))
        glyphNew(p, c);
    else if (w == QLatin1String("Duplica"))
        glyphDuplicate(p, c);
    else if (w == QLatin1String("Allega file"))
        glyphAttach(p, c);
    else if (w == QLatin1String("Salva"))
        glyphSave(p, c);
    else if (w == QLatin1String("Trova"))
        glyphFind(p, c);
    else if (w == QLatin1String("Anteprima"))
        glyphPreview(p, c);
    else if (w == QLatin1String("Stampa"))
        glyphPrint(p, c);
    else if (w == QLatin1String("Crea PDF"))
        glyphPdf(p, c);
    else if (w == QLatin1String("Da ricontattare"))
        glyphPhone(p, c);
    else if (w == QLatin1String("Esporta archivio"))
        glyphExport(p, c);
    else if (w == QLatin1String("Guida"))
        glyphHelp(p, c);
    else if (w == QLatin1String("Esci"))
        glyphExit(p, c);
    else if (w == QLatin1String("RTF"))
        glyphDocument(p, c);
    else if (w == QLatin1String("Carica foto"))
        glyphLoadPhoto(p, c);
    else if (w == QLatin1String("Salva foto"))
        glyphSavePhoto(p, c);
    else if (w == QLatin1String("Cancella foto"))
        glyphClearPhoto(p, c);
    else if (w == QLatin1String("Zoom"))
        glyphZoom(p, c);
    else
        glyphInitial(p, c, w);
}

} // namespace

namespace {

// Where a tile puts its glyph and its word, and the word's font and text (on two lines where a
// long word would otherwise shrink below its nominal size).
struct TileLayout {
    QRectF glyph;
    QRectF text;
    QFont font;
    QString word;
    int flags;
};

TileLayout tileLayout(const QString &word, QSizeF size)
{
    const qreal w = size.width(), h = size.height();
    const int blank = int(word.lastIndexOf(QLatin1Char(' ')));
    const QString first = word.left(blank), second = word.mid(blank + 1);
    const QString &longer = first.size() > second.size() ? first : second;
    if (w >= h * 1.6) {
        // Wide tile: glyph at the left, word beside it.
        const qreal g = h * 0.62;
        const qreal margin = (h - g) / 2;
        const QRectF text(margin + g + 14, 0, w - (margin + g + 14) - 8, h);
        const qreal nominal = h * 0.32;
        const int flags = Qt::AlignVCenter | Qt::AlignLeft;
        const QFont one = fittedFont(word, text.width(), nominal, true);
        if (one.pixelSize() >= qFloor(nominal))
            return {QRectF(margin + 4, margin, g, g), text, one, word, flags};
        if (blank < 0) {
            // One long word on a short tile: a smaller glyph closer to it leaves the word room.
            const qreal small = h * 0.5;
            const qreal edge = (h - small) / 2;
            const QRectF close(edge + small + 6, 0, w - (edge + small + 6) - 4, h);
            const QFont tight = fittedFont(word, close.width(), nominal, true);
            if (tight.pixelSize() > one.pixelSize())
                return {QRectF(edge + 2, edge, small, small), close, tight, word, flags};
            return {QRectF(margin + 4, margin, g, g), text, one, word, flags};
        }
        // A long command keeps its letters large on two lines.
        QFont two = fittedFont(longer, text.width(), nominal, true);
        two.setPixelSize(std::min(two.pixelSize(), int(h * 0.36)));
        return {QRectF(margin + 4, margin, g, g), text, two, first + QLatin1Char('\n') + second, flags};
    }
    // Tall tile: glyph above, word below; a long word of two takes two lines and a smaller glyph.
    const qreal textHeight = h * 0.28;
    const qreal nominal = textHeight * 0.8;
    const QFont one = fittedFont(word, w - 8, nominal, true);
    if (one.pixelSize() < 7 && blank < 0) {
        // A button too small for any readable word shows its glyph alone, as large as it can.
        const qreal g = std::min(w, h) * 0.7;
        return {QRectF((w - g) / 2, (h - g) / 2, g, g), QRectF(), QFont(), QString(), Qt::AlignCenter};
    }
    if (one.pixelSize() >= qFloor(nominal * 0.85) || blank < 0) {
        const qreal g = std::min(w * 0.6, h - textHeight - 10);
        return {QRectF((w - g) / 2, 6, g, g), QRectF(4, h - textHeight - 4, w - 8, textHeight), one, word,
                Qt::AlignCenter};
    }
    const QFont two = fittedFont(longer, w - 8, nominal, true);
    const qreal lines = 2 * QFontMetricsF(two).height();
    const qreal g = std::min(w * 0.6, h - lines - 10);
    return {QRectF((w - g) / 2, 4, g, g), QRectF(4, h - lines - 3, w - 8, lines), two,
            first + QLatin1Char('\n') + second, Qt::AlignCenter};
}

} // namespace

QPixmap CommandPicture(const QString &word, QSize size)
{
    QPixmap pm = blank(size);
    QPainter p(&pm);
    prepare(p);
    const QRectF r(QPointF(0, 0), QSizeF(pm.size()));
    drawTile(p, r, TileTop, TileBottom, Navy);
    const TileLayout layout = tileLayout(word, r.size());
    drawCommandGlyph(p, word, layout.glyph);
    if (!layout.word.isEmpty()) {
        p.setFont(layout.font);
        p.setPen(Qt::white);
        p.drawText(layout.text, layout.flags, layout.word);
    }
    return pm;
}

int CommandWordPixels(const QString &word, QSize size)
{
    const TileLayout layout = tileLayout(word, QSizeF(size));
    return layout.word.isEmpty() ? 0 : layout.font.pixelSize();
}

namespace {

// A small blue tile with a white glyph in a centred design square of `share` of its shorter side.
template <typename Glyph>
QPixmap glyphTile(QSize size, qreal share, Glyph glyph)
{
    QPixmap pm = blank(size);
    QPainter p(&pm);
    prepare(p);
    const QRectF r(QPointF(0, 0), QSizeF(pm.size()));
    drawTile(p, r, TileTop, TileBottom, Navy);
    const qreal side = std::min(r.width(), r.height()) * share;
    Design d(p, QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side));
    glyph(p);
    return pm;
}

} // namespace

QPixmap ArrowPicture(int direction, QSize size)
{
    return glyphTile(size, 0.7, [direction](QPainter &p) {
        // Drawn pointing right; the first and previous arrows are mirrored.
        if (direction == ArrowFirst || direction == ArrowPrevious) {
            p.translate(100, 0);
            p.scale(-1, 1);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const bool toEnd = direction == ArrowFirst || direction == ArrowLast;
        const qreal tip = toEnd ? 76 : 84;
        QPolygonF tri;
        tri << QPointF(tip - 56, 14) << QPointF(tip, 50) << QPointF(tip - 56, 86);
        p.drawPolygon(tri);
        if (toEnd)
            p.drawRect(QRectF(78, 14, 12, 72));
    });
}

QPixmap PageArrowPicture(int direction, bool leads, QSize size)
{
    QPixmap pm = blank(size);
    QPainter p(&pm);
    prepare(p);
    const QRectF r(QPointF(0, 0), QSizeF(pm.size()));
    const qreal side = std::min(r.width(), r.height());
    Design d(p, QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side));
    // Drawn pointing right; the back arrow is mirrored.
    if (direction == ArrowPrevious || direction == ArrowFirst) {
        p.translate(100, 0);
        p.scale(-1, 1);
    }
    const QColor fill = leads ? Green : Look::Steel;
    p.setPen(QPen(leads ? DarkGreen : fill.darker(125), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    for (const qreal x : {8.0, 48.0}) {
        QPolygonF chevron;
        chevron << QPointF(x, 10) << QPointF(x + 22, 10) << QPointF(x + 44, 50) << QPointF(x + 22, 90)
                << QPointF(x, 90) << QPointF(x + 22, 50);
        p.drawPolygon(chevron);
    }
    return pm;
}

QPixmap BandHeadingPicture(const QString &text, QSize size)
{
    QPixmap pm = blank(size);
    QPainter p(&pm);
    prepare(p);
    const QRectF r(QPointF(0, 0), QSizeF(pm.size()));
    drawTile(p, r, TileTop, TileBottom, Navy);
    p.setFont(fittedFont(text, r.width() - 16, r.height() * 0.6, true));
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, text);
    return pm;
}

QPixmap CheckPicture(QSize size)
{
    return glyphTile(size, 0.74, [](QPainter &p) {
        p.setPen(stroke(Qt::white, 15));
        p.setBrush(Qt::NoBrush);
        QPainterPath tick;
        tick.moveTo(14, 52);
        tick.lineTo(40, 78);
        tick.lineTo(88, 22);
        p.drawPath(tick);
    });
}

QPixmap EmailPicture(QSize size)
{
    return glyphTile(size, 0.74, [](QPainter &p) {
        p.setPen(stroke(TileBottom, 5));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(6, 20, 88, 60), 6, 6);
        QPainterPath flap;
        flap.moveTo(8, 24);
        flap.lineTo(50, 56);
        flap.lineTo(92, 24);
        p.setBrush(Qt::NoBrush);
        p.drawPath(flap);
    });
}

QPixmap PrivacyPicture(QSize size)
{
    QPixmap pm = blank(size);
    QPainter p(&pm);
    prepare(p);
    const QRectF r(QPointF(0, 0), QSizeF(pm.size()));
    drawTile(p, r, Green.lighter(112), Green, DarkGreen);
    const qreal h = r.height();
    const qreal g = h * 0.64;
    {
        // A shield with a keyhole.
        Design d(p, QRectF((h - g) / 2 + 4, (h - g) / 2, g, g));
        QPainterPath shield;
        shield.moveTo(50, 4);
        shield.cubicTo(66, 14, 80, 16, 92, 16);
        shield.cubicTo(92, 60, 76, 84, 50, 96);
        shield.cubicTo(24, 84, 8, 60, 8, 16);
        shield.cubicTo(20, 16, 34, 14, 50, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(shield);
        p.setBrush(DarkGreen);
        p.drawEllipse(QPointF(50, 42), 11, 11);
        QPolygonF slot;
        slot << QPointF(44, 46) << QPointF(56, 46) << QPointF(60, 72) << QPointF(40, 72);
        p.drawPolygon(slot);
    }
    const qreal left = (h - g) / 2 + g + 14;
    const QRectF text(left, 0, r.width() - left - 8, h);
    const QString word = QStringLiteral("PRIVACY");
    p.setFont(fittedFont(word, text.width(), h * 0.42, true));
    p.setPen(Qt::white);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, word);
    return pm;
}

namespace {

void sectionPerson(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawEllipse(QPointF(50, 34), 18, 18);
    QPainterPath body;
    body.moveTo(16, 88);
    body.cubicTo(16, 60, 30, 56, 50, 56);
    body.cubicTo(70, 56, 84, 60, 84, 88);
    body.closeSubpath();
    p.drawPath(body);
}

void sectionPhone(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRoundedRect(QRectF(30, 10, 40, 80), 8, 8);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(35, 20, 30, 52));
    p.setBrush(Blue.lighter(150));
    p.drawEllipse(QPointF(50, 81), 4, 4);
    p.setPen(stroke(Blue, 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(62, 26, 22, 22), -60 * 16, 120 * 16);
    p.drawArc(QRectF(60, 18, 34, 38), -60 * 16, 120 * 16);
}

void sectionPayment(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Navy);
    p.drawRoundedRect(QRectF(8, 24, 84, 54), 7, 7);
    p.setBrush(QColor(0x24, 0x32, 0x40));
    p.drawRect(QRectF(8, 34, 84, 12));
    p.setBrush(QColor(0xf2, 0xb1, 0x34));
    p.drawRoundedRect(QRectF(16, 52, 16, 12), 2, 2);
    p.setPen(stroke(Pale, 4));
    p.drawLine(QPointF(40, 64), QPointF(80, 64));
}

void sectionIdentity(QPainter &p)
{
    p.setPen(stroke(Blue, 4));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(6, 22, 88, 58), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(Sky);
    p.drawRect(QRectF(14, 32, 28, 38));
    p.setBrush(Blue);
    p.drawEllipse(QPointF(28, 44), 7, 7);
    QPainterPath bust;
    bust.moveTo(16, 68);
    bust.cubicTo(16, 54, 40, 54, 40, 68);
    bust.closeSubpath();
    p.drawPath(bust);
    p.setPen(stroke(Blue, 4));
    for (qreal y : {40.0, 52.0, 64.0})
        p.drawLine(QPointF(50, y), QPointF(84, y));
}

void sectionNotes(QPainter &p)
{
    p.setPen(stroke(Blue, 4));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(14, 10, 58, 80), 4, 4);
    for (qreal y : {28.0, 42.0, 56.0, 70.0})
        p.drawLine(QPointF(24, y), QPointF(60, y));
    // A pencil across the page.
    p.save();
    p.translate(70, 56);
    p.rotate(-55);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0xb1, 0x34));
    p.drawRect(QRectF(-6, -30, 12, 44));
    p.setBrush(Navy);
    p.drawRect(QRectF(-6, -36, 12, 6));
    p.setBrush(QColor(0xc9, 0x9a, 0x6b));
    QPolygonF tip;
    tip << QPointF(-6, 14) << QPointF(6, 14) << QPointF(0, 26);
    p.drawPolygon(tip);
    p.restore();
}

void paw(QPainter &p, QPointF at, qreal scale, qreal angle)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.scale(scale, scale);
    p.drawEllipse(QPointF(0, 8), 14, 11);
    p.drawEllipse(QPointF(-15, -8), 5.5, 7);
    p.drawEllipse(QPointF(-5, -16), 5.5, 7);
    p.drawEllipse(QPointF(6, -16), 5.5, 7);
    p.drawEllipse(QPointF(16, -8), 5.5, 7);
    p.restore();
}

} // namespace

QPixmap SectionPicture(SectionGlyph glyph, QSize size)
{
    QPixmap pm = blank(size);
    QPainter p(&pm);
    prepare(p);
    const QRectF r(QPointF(0, 0), QSizeF(pm.size()));
    p.setPen(QPen(Sky, 1));
    p.setBrush(Pale);
    const qreal radius = std::min(r.width(), r.height()) * 0.12;
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    const qreal side = std::min(r.width(), r.height()) * 0.8;
    Design d(p, QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side));
    switch (glyph) {
    case SectionGlyph::Person: sectionPerson(p); break;
    case SectionGlyph::Phone: sectionPhone(p); break;
    case SectionGlyph::Payment: sectionPayment(p); break;
    case SectionGlyph::Identity: sectionIdentity(p); break;
    case SectionGlyph::Notes: sectionNotes(p); break;
    }
    return pm;
}

QPixmap DecorationPicture(QSize size)
{
    QPixmap pm = blank(size);
    QPainter p(&pm);
    prepare(p);
    const QRectF r(QPointF(0, 0), QSizeF(pm.size()));
    const qreal side = std::min(r.width(), r.height()) - 4;
    Design d(p, QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side));
    QRadialGradient g(QPointF(50, 40), 60);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, Pale);
    p.setPen(QPen(Sky, 3));
    p.setBrush(g);
    p.drawEllipse(QPointF(50, 50), 47, 47);
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    paw(p, QPointF(38, 64), 0.9, -20);
    p.setBrush(Sky.darker(115));
    paw(p, QPointF(64, 34), 0.75, 15);
    return pm;
}
