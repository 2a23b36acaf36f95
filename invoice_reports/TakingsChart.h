#pragma once
#include <QWidget>

#include <array>

class QPainter;

// The twelve month values of the takings chart, whole euros, January first.
using MonthValues = std::array<long long, 12>;

enum class ChartKind { Bars, Pie };

// Draws the takings chart into `area`: title, the twelve points as three-dimensional bars or a
// pie in orthogonal projection with their values marked, the legend "Incassi:" below, and the
// foot. One routine for the screen and the printed page.
void PaintTakingsChart(QPainter &painter, const QRectF &area, const MonthValues &values, bool hasPoints,
                       ChartKind kind);

// The chart control: its points (none until a year is opened) and the kind of series.
class TakingsChart : public QWidget {
    Q_OBJECT
public:
    explicit TakingsChart(QWidget *parent = nullptr);

    void setPoints(const MonthValues &values);
    void clearPoints();
    bool hasPoints() const { return hasPoints_; }
    const MonthValues &values() const { return values_; }
    void setKind(ChartKind kind);
    ChartKind kind() const { return kind_; }

    // The labels and colours of the twelve points.
    static const std::array<const char *, 12> &labels();
    static const std::array<QColor, 12> &colours();

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    MonthValues values_{};
    bool hasPoints_ = false;
    ChartKind kind_ = ChartKind::Bars;
};
