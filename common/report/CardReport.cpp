#include "common/report/CardReport.h"

#include "common/Dates.h"
#include "common/Platform.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor DarkOrange(255, 140, 0);
const QColor Teal(0, 128, 128);

ReportTextStyle cardStyle(double pointSize, const QColor &color, std::optional<QColor> fill, ReportHAlign hAlign)
{
    ReportTextStyle style;
    style.font.family = QStringLiteral("Arial");
    style.font.pointSize = pointSize;
    style.color = color;
    style.fill = fill;
    style.hAlign = hAlign;
    style.vAlign = ReportVAlign::Center;
    return style;
}

} // namespace

QImage CardLogoPicture()
{
    // 17 x 13 mm at 20 pixels a millimetre.
    QImage image(340, 260, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor outline(176, 124, 0);
    p.setPen(QPen(outline, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    // The back with its tab.
    QPainterPath back;
    back.moveTo(20, 60);
    back.lineTo(20, 36);
    back.quadTo(20, 24, 32, 24);
    back.lineTo(118, 24);
    back.quadTo(128, 24, 136, 34);
    back.lineTo(148, 48);
    back.lineTo(306, 48);
    back.quadTo(318, 48, 318, 60);
    back.lineTo(318, 230);
    back.lineTo(20, 230);
    back.closeSubpath();
    p.setBrush(QColor(240, 190, 40));
    p.drawPath(back);

    // A sheet of paper showing from inside.
    p.setPen(QPen(QColor(190, 190, 190), 4));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(44, 66, 250, 90));

    // The front, slanted open.
    QPainterPath front;
    front.moveTo(20, 236);
    front.lineTo(50, 100);
    front.quadTo(53, 88, 66, 88);
    front.lineTo(326, 88);
    front.quadTo(338, 88, 335, 100);
    front.lineTo(318, 236);
    front.closeSubpath();
    QLinearGradient shade(0, 88, 0, 236);
    shade.setColorAt(0, QColor(255, 224, 102));
    shade.setColorAt(1, QColor(250, 200, 40));
    p.setPen(QPen(outline, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shade);
    p.drawPath(front);
    return image;
}

CardReportTemplate::CardReportTemplate(const QString &author, const QString &creator)
    : ReportTemplate(QStringLiteral("Scheda informativa"))
{
    orientation = QPageLayout::Portrait;
    margins = QMarginsF(10, 10, 10, 10);
    pdfInfo = {QStringLiteral("Scheda informativa"), QStringLiteral("Scheda informativa"), author, creator};

    add<ReportPicture>(QStringLiteral("imgLogo"), QRectF(3, 3, 17, 13)).picture = CardLogoPicture();

    auto &title = add<ReportText>(QStringLiteral("txtTitolo"), QRectF(23, 3, 165, 9));
    title.style = cardStyle(16, Qt::white, DarkOrange, ReportHAlign::Center);
    title.setText(QStringLiteral("Titolo Scheda"));

    add<ReportLine>(QStringLiteral("linSepara01"), QRectF(23, 16, 165, 0));

    for (int i = 1; i <= LineCount; ++i) {
        const double top = 24 + 10 * (i - 1);
        auto &caption = add<ReportText>(captionName(i), QRectF(3, top, 52, 6));
        caption.style = cardStyle(9, Qt::white, Teal, ReportHAlign::Left);
        caption.setText(QStringLiteral("Campo %1").arg(i));
        auto &value = add<ReportText>(valueName(i), QRectF(60, top, 128, 6));
        value.style = cardStyle(10, Qt::black, std::nullopt, ReportHAlign::Left);
        value.setText(QStringLiteral("Campo %1").arg(i));
    }

    add<ReportLine>(QStringLiteral("linSepara02"), QRectF(3, 265, 185, 0));

    auto &footer = add<ReportText>(QStringLiteral("txtCalce"), QRectF(3, 269, 185, 6));
    footer.style = cardStyle(10, Qt::white, DarkOrange, ReportHAlign::Center);
    footer.setText(QStringLiteral("Termine scheda"));
}

PreparedReport CardReportTemplate::fill(const QString &title, const QList<CardLine> &lines)
{
    orientation = QPageLayout::Portrait;
    find<ReportText>(QStringLiteral("txtTitolo")).setText(title);
    for (int i = 1; i <= LineCount; ++i) {
        const CardLine line = i <= lines.size() ? lines[i - 1] : CardLine{};
        find<ReportText>(captionName(i)).setText(line.caption);
        find<ReportText>(valueName(i)).setText(line.value);
    }
    find<ReportText>(QStringLiteral("txtCalce"))
        .setText(QStringLiteral("Stampa eseguita in data ") + FormatDate(Today()) + QStringLiteral(" alle ore ") +
                 FormatTime(TimeOfDay()));
    return prepare();
}

QString CardReportTemplate::captionName(int i) { return QStringLiteral("titCampo%1").arg(i, 2, 10, QLatin1Char('0')); }

QString CardReportTemplate::valueName(int i) { return QStringLiteral("txtCampo%1").arg(i, 2, 10, QLatin1Char('0')); }
