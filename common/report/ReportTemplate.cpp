#include "common/report/ReportTemplate.h"

#include "common/Errors.h"

#include <algorithm>
#include <limits>

namespace {

constexpr double Epsilon = 1e-6;

QSizeF a4(QPageLayout::Orientation orientation)
{
    return orientation == QPageLayout::Landscape ? QSizeF(297, 210) : QSizeF(210, 297);
}

// Appends the draw items of one object placed at `origin` (millimetres from the paper's corner).
void appendItems(const ReportObject &object, const QPointF &origin, std::vector<PreparedItem> &out)
{
    const QRectF rect = object.geometry.translated(origin);
    if (auto *text = dynamic_cast<const ReportText *>(&object)) {
        out.push_back(PreparedText{text->name(), rect, text->text(), text->style});
    } else if (auto *block = dynamic_cast<const ReportTextBlock *>(&object)) {
        if (block->linePitch <= 0)
            return;
        const qsizetype fitting = qsizetype(rect.height() / block->linePitch + Epsilon);
        const qsizetype count = std::min(fitting, block->lines().size());
        for (qsizetype i = 0; i < count; ++i) {
            const QRectF line(rect.left(), rect.top() + double(i) * block->linePitch, rect.width(),
                              block->linePitch);
            out.push_back(PreparedText{block->name(), line, block->lines()[i], block->style});
        }
    } else if (auto *box = dynamic_cast<const ReportRectangle *>(&object)) {
        out.push_back(PreparedRectangle{rect, box->fill, box->frame});
    } else if (dynamic_cast<const ReportLine *>(&object)) {
        out.push_back(PreparedLine{rect.topLeft(), rect.bottomRight()});
    } else if (auto *picture = dynamic_cast<const ReportPicture *>(&object)) {
        out.push_back(PreparedPicture{picture->name(), rect, picture->picture, picture->centred});
    } else if (auto *painting = dynamic_cast<const ReportPainting *>(&object)) {
        out.push_back(PreparedPainting{painting->name(), rect, painting->paint});
    }
}

QRectF bounds(const PreparedItem &item)
{
    if (auto *line = std::get_if<PreparedLine>(&item))
        return QRectF(line->from, line->to).normalized();
    return std::visit(
        [](const auto &i) -> QRectF {
            if constexpr (requires { i.rect; })
                return i.rect;
            else
                return QRectF();
        },
        item);
}

void move(PreparedItem &item, const QPointF &delta)
{
    if (auto *line = std::get_if<PreparedLine>(&item)) {
        line->from += delta;
        line->to += delta;
        return;
    }
    std::visit(
        [&delta](auto &i) {
            if constexpr (requires { i.rect; })
                i.rect.translate(delta);
        },
        item);
}

// The lowest place at or above `limit` (and below `from`) where the band can be cut without
// cutting through an item; `from` when there is none.
double bestCut(const std::vector<PreparedItem> &items, double from, double limit)
{
    std::vector<double> candidates{limit};
    for (const auto &item : items) {
        const QRectF b = bounds(item);
        for (double y : {b.top(), b.bottom()})
            if (y > from + Epsilon && y < limit)
                candidates.push_back(y);
    }
    std::sort(candidates.begin(), candidates.end(), std::greater<>());
    for (double cut : candidates) {
        const bool crossed = std::any_of(items.begin(), items.end(), [cut](const PreparedItem &item) {
            const QRectF b = bounds(item);
            return b.top() < cut - Epsilon && b.bottom() > cut + Epsilon;
        });
        if (!crossed)
            return cut;
    }
    return from;
}

} // namespace

ReportTemplate::ReportTemplate(const QString &name) : name_(name) {}

ReportTemplate::~ReportTemplate() = default;

QSizeF ReportTemplate::paperSize() const { return a4(orientation); }

QSizeF ReportTemplate::printableSize() const
{
    const QSizeF paper = paperSize();
    return QSizeF(paper.width() - margins.left() - margins.right(),
                  paper.height() - margins.top() - margins.bottom());
}

ReportBand &ReportTemplate::addBand(const QString &name, double height, bool canSplit)
{
    bands_.push_back(std::make_unique<ReportBand>(name, height, canSplit));
    return *bands_.back();
}

ReportObject *ReportTemplate::findObject(const QString &name) const
{
    for (const auto &object : objects_)
        if (object->name() == name)
            return object.get();
    for (const auto &band : bands_) {
        if (band->name() == name)
            return band.get();
        for (const auto &object : band->objects())
            if (object->name() == name)
                return object.get();
    }
    return nullptr;
}

void ReportTemplate::missingObject(const QString &name)
{
    throw TavorenError("Oggetto del report non trovato: " + name.toStdString());
}

PreparedReport ReportTemplate::prepare() const
{
    PreparedReport report;
    report.name = name_;
    report.orientation = orientation;
    report.pdfInfo = pdfInfo;

    const QPointF origin(margins.left(), margins.top());
    const double top = margins.top();
    const double bottom = paperSize().height() - margins.bottom();

    auto newPage = [&] {
        PreparedPage page;
        for (const auto &object : objects_)
            appendItems(*object, origin, page.items);
        report.pages.push_back(std::move(page));
    };
    // Moves the band's items whose top lies in [from, to) onto the current page, `from` at `y`.
    auto place = [&](const std::vector<PreparedItem> &items, double from, double to, double y) {
        for (PreparedItem item : items) {
            const double itemTop = bounds(item).top();
            if (itemTop >= from - Epsilon && itemTop < to - Epsilon) {
                move(item, QPointF(margins.left(), y - from));
                report.pages.back().items.push_back(std::move(item));
            }
        }
    };

    newPage();
    double y = top;
    constexpr double End = std::numeric_limits<double>::infinity();
    for (const auto &band : bands_) {
        std::vector<PreparedItem> items;
        for (const auto &object : band->objects())
            appendItems(*object, QPointF(0, 0), items);
        const double height = band->height();
        double offset = 0;   // how much of the band is already on earlier pages
        while (true) {
            const double room = bottom - y;
            const double rest = height - offset;
            if (rest <= room + Epsilon) {
                place(items, offset, End, y);
                y += rest;
                break;
            }
            if (!band->canSplit) {
                if (y > top + Epsilon) {
                    newPage();
                    y = top;
                    continue;
                }
                // Taller than a whole page: printed as it is and cut by the paper.
                place(items, offset, End, y);
                y += rest;
                break;
            }
            double cut = bestCut(items, offset, offset + room);
            if (cut <= offset + Epsilon) {
                if (y > top + Epsilon) {
                    newPage();
                    y = top;
                    continue;
                }
                cut = offset + room;   // not even one item fits an empty page: cut through it
            }
            place(items, offset, cut, y);
            const bool moreToCome = std::any_of(items.begin(), items.end(), [cut](const PreparedItem &item) {
                return bounds(item).top() >= cut - Epsilon;
            });
            if (!moreToCome) {
                // Only empty space of the band is left: it ends with the page.
                y = bottom;
                break;
            }
            newPage();
            y = top;
            offset = cut;
        }
    }
    return report;
}
