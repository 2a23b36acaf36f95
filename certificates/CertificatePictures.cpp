#include "certificates/CertificatePictures.h"

#include "certificates/CertificatePrintout.h"
#include "common/FitSize.h"
#include "common/ui/Look.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <functional>

#include <algorithm>

namespace {

// The strip behind a card's title.
const QColor DarkRed(0x8b, 0x00, 0x00);

QPixmap blank(QSize size)
{
    QPixmap p(size);
    p.fill(Qt::transparent);
    return p;
}

QRectF titleTextPlace(QSize size) { return QRectF(8, 1, size.width() - 16, size.height() - 2); }

bool fitsWrapped(const QString &text, const QFont &font, const QRectF &place)
{
    const QRectF need = QFontMetricsF(font).boundingRect(place, Qt::AlignCenter | Qt::TextWordWrap, text);
    return need.width() <= place.width() + 0.5 && need.height() <= place.height() + 0.5;
}

// "e/o", "and/or": a line may break between words, never inside one at its slash.
QString joinedAtSlashes(QString text) { return text.replace(QLatin1Char('/'), QStringLiteral("/\u2060")); }

// The Italian lines of a declaration are bold, the English ones italic.
QFont lineFont(int px, bool english)
{
    QFont f = Look::VerdanaPixels(px, !english);
    f.setItalic(english);
    return f;
}

// The space after a line: small between a line and its translation, larger after the translation.
qreal gapAfter(bool english, int px) { return english ? px * 0.5 : px * 0.15; }

// The lines of a declaration in the order drawn: each Italian line followed by its English one.
struct DeclarationLine {
    QString text;
    bool english;
};

QList<DeclarationLine> declarationLines(const QString &italian, const QString &english)
{
    const QStringList it = italian.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList en = english.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QList<DeclarationLine> lines;
    for (qsizetype i = 0; i < std::max(it.size(), en.size()); ++i) {
        if (i < it.size())
            lines.append({it[i], false});
        if (i < en.size())
            lines.append({en[i], true});
    }
    return lines;
}

// A line of a declaration broken into rows at the picture's width; `draw` gets each row and where
// it stands from the line's top.
void layOut(const DeclarationLine &line, int width, int px,
            const std::function<void(const QTextLine &, const QTextLayout &)> &row)
{
    QTextLayout layout(joinedAtSlashes(line.text), lineFont(px, line.english));
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
        l.setLineWidth(width);
        l.setPosition(QPointF(0, y));
        y += l.height();
    }
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i)
        row(layout.lineAt(i), layout);
}

qreal lineHeight(const DeclarationLine &line, int width, int px)
{
    qreal height = 0;
    layOut(line, width, px, [&](const QTextLine &row, const QTextLayout &) { height += row.height(); });
    return height;
}

qreal declarationHeight(const QList<DeclarationLine> &lines, int width, int px)
{
    qreal height = 0;
    for (const DeclarationLine &line : lines)
        height += lineHeight(line, width, px) + gapAfter(line.english, px);
    return height;
}

} // namespace

QPixmap EmblemPicture(QSize size)
{
    // The printouts' emblem, scaled to the place it stands in.
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage emblem = CertificateEmblemPicture().scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawImage(QPoint((size.width() - emblem.width()) / 2, (size.height() - emblem.height()) / 2), emblem);
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

QFont TitleBandFont(const QString &words, QSize size)
{
    // As large as half the strip's height, on one line where it fits, else over two.
    const QRectF place = titleTextPlace(size);
    const int largest = LargestFittingSize(7, std::max(7, size.height() / 2), [&](int px) {
        return fitsWrapped(words, Look::VerdanaPixels(px, true), place);
    });
    return Look::VerdanaPixels(std::max(largest, 6), true);
}

QPixmap TitleBandPicture(const QString &words, QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(DarkRed);
    const QRectF strip = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    p.drawRoundedRect(strip, 6, 6);
    p.setFont(TitleBandFont(words, size));
    p.setPen(Qt::white);
    p.drawText(titleTextPlace(size), Qt::AlignCenter | Qt::TextWordWrap, words);
    return pixmap;
}

QStringList DeclarationLines(const QString &italian, const QString &english)
{
    QStringList texts;
    for (const DeclarationLine &line : declarationLines(italian, english))
        texts << line.text;
    return texts;
}

QFont DeclarationFont(const QString &italian, const QString &english, QSize size)
{
    const QList<DeclarationLine> lines = declarationLines(italian, english);
    const int largest = LargestFittingSize(
        7, 13, [&](int px) { return declarationHeight(lines, size.width(), px) <= size.height(); });
    return Look::VerdanaPixels(std::max(largest, 6), true);
}

QStringList DeclarationRows(const QString &italian, const QString &english, QSize size)
{
    const QList<DeclarationLine> lines = declarationLines(italian, english);
    const int px = DeclarationFont(italian, english, size).pixelSize();
    QStringList rows;
    for (const DeclarationLine &line : lines)
        layOut(line, size.width(), px, [&](const QTextLine &row, const QTextLayout &layout) {
            rows << layout.text().mid(row.textStart(), row.textLength()).remove(QChar(0x2060));
        });
    return rows;
}

QPixmap DeclarationPicture(const QString &italian, const QString &english, QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Look::Navy);
    const QList<DeclarationLine> lines = declarationLines(italian, english);
    const int px = DeclarationFont(italian, english, size).pixelSize();
    // The lines stand in the middle of the picture, top to bottom.
    qreal top = (size.height() - declarationHeight(lines, size.width(), px)) / 2.0;
    for (const DeclarationLine &line : lines) {
        layOut(line, size.width(), px, [&](const QTextLine &row, const QTextLayout &) { row.draw(&p, QPointF(0, top)); });
        top += lineHeight(line, size.width(), px) + gapAfter(line.english, px);
    }
    return pixmap;
}

QPixmap SignaturePicture(const QString &italian, const QString &english, QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f = Look::Verdana(-1, true);
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(Look::Navy);
    const int w = size.width();
    p.drawText(QRect(0, 2, w, 16), Qt::AlignCenter, italian);
    f.setBold(false);
    f.setItalic(true);
    p.setFont(f);
    p.drawText(QRect(0, 18, w, 16), Qt::AlignCenter, english);
    p.drawLine(8, size.height() - 8, w - 8, size.height() - 8);
    return pixmap;
}

QPixmap DogInCarPicture(QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn in a 100 x 100 square scaled to the picture: the side of a car seen close up, a dog
    // leaning out of its open window, the sky and the hills behind it.
    p.scale(size.width() / 100.0, size.height() / 100.0);
    const QColor body(0xb2, 0x22, 0x22);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRect(QRectF(0, 0, 100, 100));

    const QRectF opening(8, 10, 84, 54);
    QLinearGradient sky(opening.topLeft(), opening.bottomLeft());
    sky.setColorAt(0, QColor(0x87, 0xce, 0xeb));
    sky.setColorAt(1, QColor(0xe8, 0xf4, 0xfb));
    p.setBrush(sky);
    p.drawRoundedRect(opening, 8, 8);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(opening, 8, 8);
    p.setClipPath(clip);
    p.setBrush(Look::Leaf);  // hills far away
    p.drawEllipse(QRectF(-10, 48, 70, 30));
    p.drawEllipse(QRectF(45, 52, 70, 26));
    p.restore();

    // The dog: neck on the sill, head turned to the wind, ears flying, tongue out.
    const QColor fur = Look::Sand;
    const QColor ear(0x8b, 0x5a, 0x2b);
    p.setBrush(fur);
    p.drawRoundedRect(QRectF(30, 44, 30, 26), 10, 10);  // neck and chest
    p.drawEllipse(QRectF(28, 18, 36, 34));               // head
    p.setBrush(ear);
    QPainterPath flying;
    flying.moveTo(32, 24);
    flying.quadTo(14, 18, 10, 30);
    flying.quadTo(20, 34, 34, 34);
    flying.closeSubpath();
    p.drawPath(flying);
    p.drawEllipse(QRectF(38, 16, 10, 18));
    p.setBrush(Look::Cream);
    p.drawEllipse(QRectF(52, 30, 28, 16));   // muzzle
    p.setBrush(Look::Ink);
    p.drawEllipse(QRectF(76, 31, 7, 6));     // nose
    p.drawEllipse(QRectF(50, 25, 4.5, 4.5)); // eye
    p.setBrush(QColor(0xe9, 0x7a, 0x8a));
    p.drawRoundedRect(QRectF(64, 42, 7, 12), 3, 3);  // tongue

    // The door below the window: its sill over the dog's chest, the handle, a shine.
    p.setBrush(body.darker(115));
    p.drawRect(QRectF(0, 64, 100, 5));
    p.setBrush(body);
    p.drawRect(QRectF(0, 69, 100, 31));
    p.setBrush(QColor(0xd8, 0xd8, 0xd8));
    p.drawRoundedRect(QRectF(66, 80, 18, 5), 2, 2);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRect(QRectF(0, 90, 100, 3));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Look::Navy, 1.2));
    p.drawRect(QRectF(0.6, 0.6, 98.8, 98.8));
    return pixmap;
}
