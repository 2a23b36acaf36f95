#include "certificates/CertificatePictures.h"

#include "certificates/CertificatePrintout.h"
#include "common/ui/Look.h"

#include <QPainter>

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

QPixmap SignaturePicture(QSize size, const QString &words, const QString &english)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f = Look::Verdana(-1, true);
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(Look::Navy);
    const int w = size.width();
    p.drawText(QRect(0, 2, w, 16), Qt::AlignCenter, words);
    f.setBold(false);
    f.setItalic(true);
    p.setFont(f);
    p.drawText(QRect(0, 18, w, 16), Qt::AlignCenter, english);
    p.drawLine(8, size.height() - 8, w - 8, size.height() - 8);
    return pixmap;
}
