#include "certificates/CertificatePrintout.h"

#include "common/Errors.h"
#include "common/Guard.h"
#include "common/Messages.h"
#include "common/Text.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/RecordCard.h"
#include "common/ui/report/ReportOutput.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <cmath>

namespace {

using Kind = CertificatePrintObject::Kind;

CertificatePrintObject headerText(const char *name, QRectF mm, double points, bool bold)
{
    CertificatePrintObject o{name, Kind::Text, mm, QStringLiteral("{%1}").arg(QLatin1String(name)), points, bold};
    o.hAlign = ReportHAlign::Center;
    return o;
}

// One of the snakes of the caduceus: a wave round the staff from its tail to its head.
QPainterPath snake(double centre, double top, double bottom, double amplitude, double phase)
{
    QPainterPath path;
    constexpr int Steps = 120;
    for (int i = 0; i <= Steps; ++i) {
        const double y = bottom - (bottom - top) * i / Steps;
        // Narrow at the tail, wide near the head, which ends beside the top of the staff.
        const double width = amplitude * (0.35 + 0.65 * i / Steps);
        const double x = centre + width * std::sin(phase + 4.5 * M_PI * i / Steps);
        if (i == 0)
            path.moveTo(x, y);
        else
            path.lineTo(x, y);
    }
    return path;
}

// A wing spreading from the top of the staff; `side` is -1 for the left, 1 for the right.
QPainterPath wing(double centre, double base, int side)
{
    QPainterPath path;
    path.moveTo(centre + side * 8, base);
    path.cubicTo(centre + side * 40, base - 44, centre + side * 92, base - 52, centre + side * 128, base - 40);
    path.cubicTo(centre + side * 104, base - 30, centre + side * 110, base - 20, centre + side * 96, base - 14);
    path.cubicTo(centre + side * 86, base - 8, centre + side * 90, base, centre + side * 74, base + 4);
    path.cubicTo(centre + side * 60, base + 8, centre + side * 60, base + 14, centre + side * 44, base + 16);
    path.cubicTo(centre + side * 30, base + 18, centre + side * 18, base + 12, centre + side * 8, base + 8);
    path.closeSubpath();
    return path;
}

// The emblem: a black caduceus over a light-blue cross.
QImage drawEmblem()
{
    QImage image(320, 324, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The light-blue cross with rounded ends.
    const QColor blue(120, 180, 230);
    p.setPen(QPen(QColor(70, 130, 190), 4));
    p.setBrush(blue);
    QPainterPath cross;
    cross.setFillRule(Qt::WindingFill);
    cross.addRoundedRect(QRectF(112, 12, 96, 300), 10, 10);
    cross.addRoundedRect(QRectF(10, 114, 300, 96), 10, 10);
    p.drawPath(cross.simplified());

    // The caduceus: a staff with a knob, two wings and two snakes.
    const double centre = 160;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(centre - 6, 58, 12, 250), 5, 5);
    p.drawEllipse(QPointF(centre, 50), 14, 14);
    p.drawPath(wing(centre, 74, -1));
    p.drawPath(wing(centre, 74, 1));

    QPen body(Qt::black, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setBrush(Qt::NoBrush);
    p.setPen(body);
    p.drawPath(snake(centre, 112, 296, 34, 0));
    p.drawPath(snake(centre, 112, 296, 34, M_PI));
    // The heads, facing each other under the wings.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(centre - 30, 104), 12, 8);
    p.drawEllipse(QPointF(centre + 30, 104), 12, 8);
    return image;
}

void addObject(ReportTemplate &report, const CertificatePrintObject &o, const QWidget *card)
{
    const QString name = QString::fromLatin1(o.name);
    switch (o.kind) {
    case Kind::Text: {
        auto &text = report.add<ReportText>(name, o.mm);
        text.style.font.family = QStringLiteral("Arial");
        text.style.font.pointSize = o.pointSize;
        text.style.font.bold = o.bold;
        text.style.font.italic = o.italic;
        text.style.hAlign = o.hAlign;
        text.style.vAlign = o.vAlign;
        text.style.wordWrap = o.wordWrap;
        text.style.fill = o.fill;
        if (o.value) {
            text.setText(o.value(card));
            break;
        }
        text.setText(ComposeCertificateText(o.text, [card](const QString &edit) {
            const QWidget *control = card->findChild<const QWidget *>(edit);
            if (!control)
                throw TavorenError("the certificate card has no edit " + edit.toStdString());
            return TrimText(ControlText(control));
        }));
        break;
    }
    case Kind::Line:
        report.add<ReportLine>(name, o.mm);
        break;
    case Kind::Rectangle: {
        auto &box = report.add<ReportRectangle>(name, o.mm);
        box.fill = o.fill;
        // A filled rectangle shows as a band of one colour: its frame takes the fill's colour.
        box.frame = ReportPen{o.fill.value_or(Qt::black), 0};
        break;
    }
    case Kind::Picture:
        report.add<ReportPicture>(name, o.mm).picture = o.picture ? o.picture() : QImage();
        break;
    }
}

} // namespace

CertificatePrintObject PrintText(const char *name, QRectF mm, double points, PrintFace face, const char *words,
                                 ReportHAlign align)
{
    CertificatePrintObject o{name, Kind::Text, mm, QString::fromUtf8(words), points, face == PrintFace::Bold,
                             face == PrintFace::Italic};
    o.hAlign = align;
    return o;
}

CertificatePrintObject PrintBand(const char *name, QRectF mm, const QColor &fill)
{
    CertificatePrintObject o{name, Kind::Rectangle, mm};
    o.fill = fill;
    return o;
}

CertificatePrintObject PrintLine(const char *name, QPointF from, QPointF to) { return {name, Kind::Line, QRectF(from, to)}; }

const std::vector<CertificatePrintObject> &CertificatePageFrame()
{
    static const std::vector<CertificatePrintObject> frame = [] {
        CertificatePrintObject logo{"imgLogo", Kind::Picture, QRectF(10.2, 10.2, 20.0, 18.2)};
        logo.picture = CertificateEmblemPicture;
        return std::vector<CertificatePrintObject>{
            headerText("txtStudio", QRectF(35.2, 10.0, 164.6, 5.6), 14, true),
            logo,
            headerText("txtIntRigo02", QRectF(35.2, 15.8, 164.6, 4.2), 9, false),
            headerText("txtIntRigo03", QRectF(35.2, 20.0, 164.6, 4.2), 9, false),
            headerText("txtIntRigo04", QRectF(35.2, 24.6, 164.6, 4.2), 9, false),
            PrintLine("Line3", QPointF(10.2, 29.6), QPointF(199.8, 29.6)),
            PrintLine("Line1", QPointF(10.0, 30.0), QPointF(10.0, 287.0)),
            PrintLine("Line4", QPointF(200.0, 30.0), QPointF(200.0, 287.0)),
            PrintLine("Line2", QPointF(10.0, 287.0), QPointF(200.0, 287.0)),
        };
    }();
    return frame;
}

QImage CertificateEmblemPicture()
{
    // Drawn once; the page shares the one image.
    static const QImage emblem = drawEmblem();
    return emblem;
}

QString ComposeCertificateText(const QString &text, const std::function<QString(const QString &)> &editText)
{
    QString out;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('{'), at);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('}'), open);
        if (close < 0) {
            out += QStringView(text).mid(at);
            break;
        }
        out += QStringView(text).mid(at, open - at);
        out += editText(text.mid(open + 1, close - open - 1));
        at = close + 1;
    }
    return out;
}

PreparedReport PrepareCertificate(const QWidget *card, const CertificateType &type)
{
    ReportTemplate report(type.printName);
    report.orientation = QPageLayout::Portrait;
    report.margins = QMarginsF(0, 0, 0, 0);
    report.pdfInfo.title = type.printName;
    for (const CertificatePrintObject &o : type.printout)
        addObject(report, o, card);
    return report.prepare();
}

void PrintCertificate(QWidget *card, const CertificateType &type)
{
    RunReportingErrors([card, &type] { PrintReport(PrepareCertificate(card, type), card); }, PrintFailureMessage());
}

void PreviewCertificate(QWidget *card, const CertificateType &type)
{
    RunReportingErrors([card, &type] { PreviewReport(PrepareCertificate(card, type), card); },
                       PreviewFailureMessage());
}
