#pragma once
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

// Heights set while printing come in report units of 1/96 inch; the page model works in millimetres.
constexpr double ReportUnitsToMm(double units) { return units * 25.4 / 96.0; }
constexpr double MmToReportUnits(double mm) { return mm * 96.0 / 25.4; }

struct ReportFont {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum class ReportHAlign { Left, Center, Right };
enum class ReportVAlign { Top, Center };

// How a text box looks. Without word wrap the text stays on one line and is cut at the box's
// right edge, whatever its alignment.
struct ReportTextStyle {
    ReportFont font;
    QColor color = Qt::black;
    std::optional<QColor> fill;   // none: the page shows through
    bool frame = false;           // thin black outline
    ReportHAlign hAlign = ReportHAlign::Left;
    ReportVAlign vAlign = ReportVAlign::Top;
    bool wordWrap = false;
};

// A named object of a template. Its geometry is in millimetres from the top left of its container:
// the printable area of the page, or the band that holds it.
class ReportObject {
public:
    ReportObject(const QString &name, const QRectF &geometry) : name_(name), geometry(geometry) {}
    virtual ~ReportObject() = default;
    ReportObject(const ReportObject &) = delete;
    ReportObject &operator=(const ReportObject &) = delete;

    const QString &name() const { return name_; }

private:
    QString name_;

public:
    QRectF geometry;
};

// A text box; its text is printed literally.
class ReportText : public ReportObject {
public:
    using ReportObject::ReportObject;
    const QString &text() const { return text_; }
    void setText(const QString &text) { text_ = text; }
    ReportTextStyle style;

private:
    QString text_;
};

// The outline of a rectangle: its colour and its width in millimetres (0: the thin line of one
// report unit).
struct ReportPen {
    QColor color = Qt::black;
    double width = 0;
};

// A rectangle with an optional fill and an optional outline, thin and black unless told otherwise.
class ReportRectangle : public ReportObject {
public:
    using ReportObject::ReportObject;
    std::optional<QColor> fill;
    std::optional<ReportPen> frame = ReportPen{};  // none: no outline
};

// Draws into the box it is given. One routine serves a window and the printed page alike, so what
// is printed is what the window shows.
using ReportPaintRoutine = std::function<void(QPainter &, const QRectF &)>;

// An object drawn by a routine of its own (a chart). The renderer gives the routine the object's
// box in the device's own pixels and clips the drawing to it.
class ReportPainting : public ReportObject {
public:
    using ReportObject::ReportObject;
    ReportPaintRoutine paint;
};

// A thin black line from the top left to the bottom right of its geometry: a horizontal line
// has no height, a vertical one no width.
class ReportLine : public ReportObject {
public:
    using ReportObject::ReportObject;
};

// A picture scaled into its box with its proportions kept, anchored at the top left corner or
// centred in the box.
class ReportPicture : public ReportObject {
public:
    using ReportObject::ReportObject;
    QImage picture;
    bool centred = false;
};

// Lines of text one below the other at a fixed pitch. Inside a band that may split, the block
// continues on the next page at a line boundary. Lines below the block's height are not printed.
class ReportTextBlock : public ReportObject {
public:
    using ReportObject::ReportObject;
    const QStringList &lines() const { return lines_; }
    void clear() { lines_.clear(); }
    void addLine(const QString &line) { lines_.append(line); }
    // The height in report units of 1/96 inch.
    void setHeightUnits(double units) { geometry.setHeight(ReportUnitsToMm(units)); }
    double heightUnits() const { return MmToReportUnits(geometry.height()); }
    ReportTextStyle style;
    double linePitch = 3;   // millimetres from one line to the next

private:
    QStringList lines_;
};

// A horizontal strip of the page printed once, below the band before it; its objects are placed
// from its top left. A band that may split continues on the next page when it does not fit.
class ReportBand : public ReportObject {
public:
    ReportBand(const QString &name, double height, bool canSplit)
        : ReportObject(name, QRectF(0, 0, 0, height)), canSplit(canSplit) {}
    double height() const { return geometry.height(); }
    void setHeightUnits(double units) { geometry.setHeight(ReportUnitsToMm(units)); }
    double heightUnits() const { return MmToReportUnits(geometry.height()); }
    bool canSplit;

    template <typename T>
    T &add(const QString &name, const QRectF &geometry)
    {
        auto object = std::make_unique<T>(name, geometry);
        T &ref = *object;
        objects_.push_back(std::move(object));
        return ref;
    }
    const std::vector<std::unique_ptr<ReportObject>> &objects() const { return objects_; }

private:
    std::vector<std::unique_ptr<ReportObject>> objects_;
};
