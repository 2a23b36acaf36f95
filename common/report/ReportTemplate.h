#pragma once
#include "common/report/PreparedReport.h"
#include "common/report/ReportObjects.h"

#include <QMarginsF>

// A report template built in code: page settings, objects placed on the page (drawn on every page)
// and bands printed one below the other. Objects are found by name and given their texts before
// the report is prepared.
class ReportTemplate {
public:
    explicit ReportTemplate(const QString &name);
    virtual ~ReportTemplate();
    ReportTemplate(const ReportTemplate &) = delete;
    ReportTemplate &operator=(const ReportTemplate &) = delete;

    const QString &name() const { return name_; }
    // The page is A4; margins in millimetres.
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{10, 10, 10, 10};
    ReportPdfInfo pdfInfo;

    QSizeF paperSize() const;
    // The area inside the margins, where objects are placed.
    QSizeF printableSize() const;

    // Adds an object placed from the top left of the printable area.
    template <typename T>
    T &add(const QString &name, const QRectF &geometry)
    {
        auto object = std::make_unique<T>(name, geometry);
        T &ref = *object;
        objects_.push_back(std::move(object));
        return ref;
    }
    // Adds a band below the bands added before; height in millimetres.
    ReportBand &addBand(const QString &name, double height, bool canSplit = false);

    // The object (or band) of that name and kind; throws TavorenError when there is none.
    template <typename T>
    T &find(const QString &name) const
    {
        auto *object = dynamic_cast<T *>(findObject(name));
        if (!object)
            missingObject(name);
        return *object;
    }

    // Lays the template out into pages as its objects stand now.
    PreparedReport prepare() const;

private:
    ReportObject *findObject(const QString &name) const;
    [[noreturn]] static void missingObject(const QString &name);

    QString name_;
    std::vector<std::unique_ptr<ReportObject>> objects_;
    std::vector<std::unique_ptr<ReportBand>> bands_;
};
