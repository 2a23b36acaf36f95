#include "certificates/CertificatePrintout.h"

#include "certificates/CertificatePictures.h"
#include "common/Errors.h"
#include "common/Guard.h"
#include "common/Messages.h"
#include "common/Text.h"
#include "common/report/ReportTemplate.h"
#include "common/ui/RecordCard.h"
#include "common/ui/report/ReportOutput.h"

#include <QPixmap>
#include <QWidget>

namespace {

using Kind = CertificatePrintObject::Kind;

CertificatePrintObject headerText(const char *name, QRectF mm, double points, bool bold)
{
    CertificatePrintObject o{name, Kind::Text, mm, QStringLiteral("{%1}").arg(QLatin1String(name)), points, bold};
    o.hAlign = ReportHAlign::Center;
    return o;
}

CertificatePrintObject line(const char *name, QPointF from, QPointF to)
{
    return {name, Kind::Line, QRectF(from, to)};
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
            line("Line3", QPointF(10.2, 29.6), QPointF(199.8, 29.6)),
            line("Line1", QPointF(10.0, 30.0), QPointF(10.0, 287.0)),
            line("Line4", QPointF(200.0, 30.0), QPointF(200.0, 287.0)),
            line("Line2", QPointF(10.0, 287.0), QPointF(200.0, 287.0)),
        };
    }();
    return frame;
}

QImage CertificateEmblemPicture()
{
    // The cards' emblem, drawn once at the printout's size; every page shares the one image.
    static const QImage emblem = EmblemPicture(QSize(320, 324)).toImage();
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
