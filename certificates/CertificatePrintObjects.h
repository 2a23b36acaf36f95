#pragma once
// Short ways to write the objects of a certificate printout's table.
#include "certificates/CertificateType.h"

#include <QPointF>

namespace print_objects {

using Kind = CertificatePrintObject::Kind;

enum Face { Plain, Bold, Italic };

inline const QColor Beige(245, 245, 220);
inline const QColor Lavender(230, 230, 250);
inline const QColor AliceBlue(240, 248, 255);

inline CertificatePrintObject text(const char *name, QRectF mm, double points, Face face, const char *words,
                                   ReportHAlign align = ReportHAlign::Left)
{
    CertificatePrintObject o{name, Kind::Text, mm, QString::fromUtf8(words), points, face == Bold, face == Italic};
    o.hAlign = align;
    return o;
}

inline CertificatePrintObject band(const char *name, QRectF mm, const QColor &fill)
{
    CertificatePrintObject o{name, Kind::Rectangle, mm};
    o.fill = fill;
    return o;
}

inline CertificatePrintObject frame(const char *name, QRectF mm) { return {name, Kind::Rectangle, mm}; }

inline CertificatePrintObject line(const char *name, QPointF from, QPointF to)
{
    return {name, Kind::Line, QRectF(from, to)};
}

// Where an Italian printout puts the rows of its animal and owner box.
struct RowGeometry {
    double captionLeft, captionWidth, valueLeft, valueWidth;
    double pitch;     // from one row to the next
    double animalTop; // the first animal row
    double ruleAt;    // the rule Line5 between the animal and the owner
    double ownerTop;  // the first owner row
};

// The eleven animal rows from `top`, `pitch` apart.
void animalRows(std::vector<CertificatePrintObject> &to, const RowGeometry &g, double top);
// The nine owner rows from `top`, the first captioned `nameCaption`.
void ownerRows(std::vector<CertificatePrintObject> &to, const RowGeometry &g, double top, const char *nameCaption);

// The eleven animal rows, the rule and the nine owner rows, with their Italian captions.
void animalAndOwnerRows(std::vector<CertificatePrintObject> &to, const RowGeometry &g);

} // namespace print_objects
