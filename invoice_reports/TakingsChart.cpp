#include "invoice_reports/TakingsChart.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>

namespace {

// Point sizes: the painter's device scales them to its own resolution.
QFont verdana(qreal points, bool bold, const QPainter &)
{
    QFont f(QStringLiteral("Verdana"));
    f.setBold(bold);
    f.setPointSizeF(points);
    return f;
}

QString amountText(long long v) { return QString::number(v); }

// A "nice" step for the value axis, so that about five lines fit the highest value.
long long axisStep(long long top)
{
    if (top <= 0)
        return 1;
    const double raw = double(top) / 5.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * magnitude)
            return std::max<long long>(1, llround(m * magnitude));
    return std::max<long long>(1, llround(10 * magnitude));
}

void drawBars(QPainter &p, const QRectF &plot, const MonthValues &values, bool hasPoints, qreal unit)
{
    const qreal depthX = unit * 10, depthY = unit * 8;
    const QRectF front(plot.left() + unit * 50, plot.top() + depthY + unit * 18, plot.width() - unit * 50 - depthX,
                       plot.height() - depthY - unit * 18);
    long long top = 0;
    for (long long v : values)
        top = std::max(top, v);
    const long long step = axisStep(top);
    const long long axisTop = std::max<long long>(step, ((top + step - 1) / step) * step);

    // The walls: back and floor in orthogonal projection, with the value lines.
    p.setPen(QPen(Qt::gray, unit * 0.6));
    p.setBrush(QColor(0xf4, 0xf4, 0xf4));
    p.drawRect(front.translated(depthX, -depthY));
    QPolygonF floor{front.bottomLeft(), front.bottomRight(), front.bottomRight() + QPointF(depthX, -depthY),
                    front.bottomLeft() + QPointF(depthX, -depthY)};
    p.setBrush(QColor(0xe0, 0xe0, 0xe0));
    p.drawPolygon(floor);
    p.setFont(verdana(8, false, p));
    for (long long v = 0; v <= axisTop; v += step) {
        const qreal y = front.bottom() - front.height() * qreal(v) / qreal(axisTop);
        p.setPen(QPen(Qt::lightGray, unit * 0.5));
        p.drawLine(QPointF(front.left() + depthX, y - depthY), QPointF(front.right() + depthX, y - depthY));
        p.drawLine(QPointF(front.left(), y), QPointF(front.left() + depthX, y - depthY));
        p.setPen(Qt::black);
        p.drawText(QRectF(plot.left(), y - unit * 8, unit * 46, unit * 16), Qt::AlignRight | Qt::AlignVCenter,
                   amountText(v));
    }
    if (!hasPoints)
        return;

    const qreal slot = front.width() / 12.0;
    const qreal barWidth = slot * 0.6;
    const auto &colours = TakingsChart::colours();
    const auto &labels = TakingsChart::labels();
    for (int i = 0; i < 12; ++i) {
        const qreal height = front.height() * qreal(values[size_t(i)]) / qreal(axisTop);
        const QRectF bar(front.left() + slot * i + (slot - barWidth) / 2, front.bottom() - height, barWidth, height);
        const QColor c = colours[size_t(i)];
        const QPointF d(depthX * 0.7, -depthY * 0.7);
        p.setPen(QPen(Qt::black, unit * 0.4));
        p.setBrush(c.darker(130));
        p.drawPolygon(QPolygonF{bar.topRight(), bar.bottomRight(), bar.bottomRight() + d, bar.topRight() + d});
        p.setBrush(c.lighter(115));
        p.drawPolygon(QPolygonF{bar.topLeft(), bar.topRight(), bar.topRight() + d, bar.topLeft() + d});
        p.setBrush(c);
        p.drawRect(bar);
        // The mark: the value in a small yellow box above the bar.
        const QString mark = amountText(values[size_t(i)]);
        p.setFont(verdana(7.5, false, p));
        const qreal w = p.fontMetrics().horizontalAdvance(mark) + unit * 6;
        const QRectF box(bar.center().x() - w / 2, bar.top() - depthY - unit * 16, w, unit * 13);
        p.setBrush(QColor(0xff, 0xff, 0xe1));
        p.setPen(QPen(Qt::gray, unit * 0.4));
        p.drawRect(box);
        p.setPen(Qt::black);
        p.drawText(box, Qt::AlignCenter, mark);
        p.setFont(verdana(7.5, false, p));
        p.drawText(QRectF(bar.center().x() - slot / 2, front.bottom() + unit * 2, slot, unit * 14),
                   Qt::AlignHCenter | Qt::AlignTop, QString::fromLatin1(labels[size_t(i)]).left(3));
    }
}

void drawPie(QPainter &p, const QRectF &plot, const MonthValues &values, bool hasPoints, qreal unit)
{
    if (!hasPoints)
        return;
    long long total = 0;
    for (long long v : values)
        total += v;
    const qreal size = std::min(plot.width() * 0.55, plot.height() * 1.05);
    const qreal thickness = unit * 14;
    const QRectF disc(plot.center().x() - size / 2, plot.center().y() - size * 0.35 - thickness / 2, size, size * 0.7);
    const auto &colours = TakingsChart::colours();
    if (total <= 0) {
        p.setPen(QPen(Qt::gray, unit * 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(disc);
        return;
    }
    // The rim first, from the back, then the top of each slice, then the marks.
    for (int layer = int(thickness); layer > 0; layer -= std::max(1, int(unit))) {
        qreal start = 90;
        for (int i = 0; i < 12; ++i) {
            const qreal span = 360.0 * qreal(values[size_t(i)]) / qreal(total);
            p.setPen(Qt::NoPen);
            p.setBrush(colours[size_t(i)].darker(140));
            p.drawPie(disc.translated(0, layer), int(start * 16), int(-span * 16) - 1);
            start -= span;
        }
    }
    qreal start = 90;
    p.setFont(verdana(8, false, p));
    for (int i = 0; i < 12; ++i) {
        const qreal span = 360.0 * qreal(values[size_t(i)]) / qreal(total);
        p.setPen(QPen(Qt::black, unit * 0.4));
        p.setBrush(colours[size_t(i)]);
        p.drawPie(disc, int(start * 16), int(-span * 16));
        if (values[size_t(i)] > 0) {
            const qreal middle = qDegreesToRadians(start - span / 2);
            const QPointF at(disc.center().x() + std::cos(middle) * (disc.width() / 2 + unit * 22),
                             disc.center().y() - std::sin(middle) * (disc.height() / 2 + unit * 18));
            const QString mark = amountText(values[size_t(i)]);
            const qreal w = p.fontMetrics().horizontalAdvance(mark) + unit * 6;
            const QRectF box(at.x() - w / 2, at.y() - unit * 7, w, unit * 14);
            p.setBrush(QColor(0xff, 0xff, 0xe1));
            p.setPen(QPen(Qt::gray, unit * 0.4));
            p.drawRect(box);
            p.setPen(Qt::black);
            p.drawText(box, Qt::AlignCenter, mark);
        }
        start -= span;
    }
}

} // namespace

void PaintTakingsChart(QPainter &p, const QRectF &area, const MonthValues &values, bool hasPoints, ChartKind kind)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    // One unit is a pixel of a 96 dpi screen.
    const qreal unit = p.device()->logicalDpiX() / 96.0;

    p.setFont(verdana(20.08, true, p));
    p.setPen(QColor(0xD0, 0x44, 0x98));
    const qreal titleHeight = p.fontMetrics().height() + unit * 8;
    p.drawText(QRectF(area.left(), area.top() + unit * 4, area.width(), titleHeight), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Statistiche incassi mensili"));

    p.setFont(verdana(10.93, true, p));
    const qreal footHeight = p.fontMetrics().height() + unit * 6;
    p.setPen(QColor(0x72, 0x94, 0xF9));
    p.drawText(QRectF(area.left(), area.bottom() - footHeight, area.width(), footHeight), Qt::AlignCenter,
               QStringLiteral("Tutti gli importi sono arrotondati all'euro"));

    // The legend below the chart: its title and the twelve points with their colours, two rows.
    p.setFont(verdana(8, false, p));
    const qreal rowHeight = p.fontMetrics().height() + unit * 4;
    const qreal legendHeight = rowHeight * 2 + unit * 10;
    const QRectF legend(area.left() + unit * 20, area.bottom() - footHeight - legendHeight, area.width() - unit * 40,
                        legendHeight);
    p.setPen(QPen(Qt::gray, unit * 0.5));
    p.setBrush(Qt::white);
    p.drawRect(legend);
    p.setPen(Qt::black);
    QFont legendTitle = verdana(8, true, p);
    p.setFont(legendTitle);
    const qreal titleWidth = p.fontMetrics().horizontalAdvance(QStringLiteral("Incassi:")) + unit * 16;
    p.drawText(QRectF(legend.left() + unit * 8, legend.top(), titleWidth, legend.height()), Qt::AlignVCenter,
               QStringLiteral("Incassi:"));
    p.setFont(verdana(8, false, p));
    const qreal cell = (legend.width() - titleWidth - unit * 8) / 6;
    for (int i = 0; i < 12; ++i) {
        if (!hasPoints)
            break;
        const QPointF at(legend.left() + unit * 8 + titleWidth + cell * (i % 6), legend.top() + unit * 5 + rowHeight * (i / 6));
        p.setPen(QPen(Qt::black, unit * 0.4));
        p.setBrush(TakingsChart::colours()[size_t(i)]);
        p.drawRect(QRectF(at.x(), at.y() + unit * 3, unit * 12, rowHeight - unit * 6));
        p.setPen(Qt::black);
        p.drawText(QRectF(at.x() + unit * 16, at.y(), cell - unit * 16, rowHeight), Qt::AlignVCenter,
                   QString::fromLatin1(TakingsChart::labels()[size_t(i)]));
    }

    const QRectF plot(area.left() + unit * 20, area.top() + titleHeight + unit * 8, area.width() - unit * 40,
                      legend.top() - area.top() - titleHeight - unit * 36);
    if (kind == ChartKind::Bars)
        drawBars(p, plot, values, hasPoints, unit);
    else
        drawPie(p, plot, values, hasPoints, unit);
    p.restore();
}

TakingsChart::TakingsChart(QWidget *parent) : QWidget(parent) {}

void TakingsChart::setPoints(const MonthValues &values)
{
    values_ = values;
    hasPoints_ = true;
    update();
}

void TakingsChart::clearPoints()
{
    values_ = {};
    hasPoints_ = false;
    update();
}

void TakingsChart::setKind(ChartKind kind)
{
    kind_ = kind;
    update();
}

const std::array<const char *, 12> &TakingsChart::labels()
{
    static const std::array<const char *, 12> names{"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                                    "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
    return names;
}

const std::array<QColor, 12> &TakingsChart::colours()
{
    static const std::array<QColor, 12> c{QColor(0xFF, 0x00, 0x00), QColor(0x00, 0x00, 0xFF), QColor(0xFF, 0xE4, 0xC4),
                                          QColor(0xFF, 0x00, 0xFF), QColor(0xC0, 0xDC, 0xC0), QColor(0xFF, 0xFF, 0x00),
                                          QColor(0x00, 0xFF, 0x00), QColor(0xC0, 0xC0, 0xC0), QColor(0xF0, 0xFB, 0xFF),
                                          QColor(0x87, 0xCE, 0xEB), QColor(0x80, 0x00, 0x00), QColor(0x00, 0x80, 0x00)};
    return c;
}

void TakingsChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    PaintTakingsChart(p, QRectF(rect()), values_, hasPoints_, kind_);
}
