#include "dialogs/PartitaIVA.h"
#include "common/ui/WindowBuild.h"
#include "common/ui/Look.h"

#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

WindowHandle<TfrmPartitaIva> frmPartitaIva;

const VatOffice VatOfficeTable[104] = {
    {"001", "Torino"}, {"002", "Vercelli"}, {"003", "Novara"}, {"004", "Cuneo"}, {"005", "Asti"},
    {"006", "Alessandria"}, {"007", "Aosta"}, {"008", "Imperia"}, {"009", "Savona"}, {"010", "Genova 1"},
    {"011", "La Spezia"}, {"012", "Varese"}, {"013", "Como"}, {"014", "Sondrio"}, {"015", "Milano 1"},
    {"016", "Bergamo"}, {"017", "Brescia 1"}, {"018", "Pavia"}, {"019", "Cremona"}, {"020", "Mantova"},
    {"021", "Bolzano"}, {"022", "Trento"}, {"023", "Verona"}, {"024", "Vicenza"}, {"025", "Belluno"},
    {"026", "Treviso"}, {"027", "Venezia"}, {"028", "Padova"}, {"029", "Rovigo"}, {"030", "Udine"},
    {"031", "Gorizia"}, {"032", "Trieste"}, {"033", "Piacenza"}, {"034", "Parma"}, {"035", "Reggio Emilia"},
    {"036", "Modena"}, {"037", "Bologna 1"}, {"038", "Ferrara"}, {"039", "Ravenna"}, {"040", "Forlì"},
    {"041", "Pesaro"}, {"042", "Ancona"}, {"043", "Macerata"}, {"044", "Ascoli Piceno"},
    {"045", "Massa Carrara"}, {"046", "Lucca"}, {"047", "Pistoia"}, {"048", "Firenze 1"},
    {"049", "Livorno"}, {"050", "Pisa"}, {"051", "Arezzo"}, {"052", "Siena"}, {"053", "Grosseto"},
    {"054", "Perugia"}, {"055", "Terni"}, {"056", "Viterbo"}, {"057", "Rieti"}, {"058", "Roma 1"},
    {"059", "Latina"}, {"060", "Frosinone"}, {"061", "Caserta"}, {"062", "Benevento"}, {"063", "Napoli 1"},
    {"064", "Avellino"}, {"065", "Salerno"}, {"066", "Aquila"}, {"067", "Teramo"}, {"068", "Pescara"},
    {"069", "Chieti"}, {"070", "Campobasso"}, {"071", "Foggia"}, {"072", "Bari"}, {"073", "Taranto"},
    {"074", "Brindisi"}, {"075", "Lecce"}, {"076", "Potenza"}, {"077", "Matera"}, {"078", "Cosenza"},
    {"079", "Catanzaro"}, {"080", "Reggio Calabria"}, {"081", "Trapani"}, {"082", "Palermo"},
    {"083", "Messina"}, {"084", "Agrigento"}, {"085", "Caltanissetta"}, {"086", "Enna"},
    {"087", "Catania"}, {"088", "Ragusa"}, {"089", "Siracusa"}, {"090", "Sassari"}, {"091", "Nuoro"},
    {"092", "Cagliari"}, {"093", "Pordenone"}, {"094", "Isernia"}, {"095", "Oristano"},
    {"096", "Monza (Milano 2)"}, {"097", "Prato (Firenze 2)"}, {"098", "Brescia 2"},
    {"099", "Chiavari (Genova 2)"}, {"100", "Roma 2"}, {"101", "Bologna 2"}, {"102", "Napoli 2"},
    {"120", "Bologna 2"}, {"121", "Napoli 2"},
};

namespace {

using Look::Steel;
using Look::Olive;

// A five-pointed star centred on c, its points on a circle of radius r, one pointing up.
QPainterPath Star(QPointF c, qreal r)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = (i % 2 == 0) ? r : r * 0.40;
        const qreal a = qDegreesToRadians(-90.0 + 36.0 * i);
        const QPointF pt(c.x() + radius * qCos(a), c.y() + radius * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

// A cogwheel centred on c: `teeth` teeth around a ring of radius r.
QPainterPath Cogwheel(QPointF c, qreal r, int teeth)
{
    QPainterPath path;
    const qreal outer = r, inner = r * 0.84;
    const qreal step = 360.0 / teeth;
    for (int i = 0; i < teeth; ++i) {
        const qreal a0 = -90.0 + step * i;
        const qreal angles[4] = {a0 - step * 0.25, a0 - step * 0.15, a0 + step * 0.15, a0 + step * 0.25};
        const qreal radii[4] = {inner, outer, outer, inner};
        for (int k = 0; k < 4; ++k) {
            const qreal a = qDegreesToRadians(angles[k]);
            const QPointF pt(c.x() + radii[k] * qCos(a), c.y() + radii[k] * qSin(a));
            if (i == 0 && k == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
    }
    path.closeSubpath();
    path.addEllipse(c, r * 0.62, r * 0.62);  // the hole, left empty by the odd-even fill
    return path;
}

// One branch of the wreath: leaves along an arc under the wheel, on the left or the right.
void Branch(QPainter &p, QPointF c, qreal r, bool left)
{
    const qreal sign = left ? -1 : 1;
    p.setPen(QPen(Olive.darker(120), 1.4));
    p.setBrush(Olive);
    for (int i = 0; i < 6; ++i) {
        const qreal deg = 100.0 + 22.0 * i;  // from the bottom up the side
        const qreal a = qDegreesToRadians(90.0 - sign * (deg - 90.0));
        const QPointF at(c.x() + r * qCos(a), c.y() + r * qSin(a));
        p.save();
        p.translate(at);
        p.rotate(qRadiansToDegrees(a) + 90.0 + sign * 25.0);
        p.drawEllipse(QRectF(-r * 0.09, -r * 0.20, r * 0.18, r * 0.40));
        p.restore();
    }
}

// The heading's icon: an emblem of a star on a cogwheel in a wreath.
qreal VatIcon(QPainter &p, qreal h)
{
    const QPointF c(h * 0.55, h * 0.5);
    const qreal r = h * 0.36;
    Branch(p, c, r * 1.15, true);
    Branch(p, c, r * 1.15, false);
    p.setPen(QPen(Steel.darker(140), 1.2));
    p.setBrush(Steel);
    p.drawPath(Cogwheel(c, r, 12));
    p.setPen(QPen(Qt::red, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(Star(c, r * 0.72));
    return c.x() + r * 1.5 + 14;
}

} // namespace

bool CheckVatNumber(const QString &number)
{
    if (number.size() != 11)
        return false;
    for (QChar c : number)
        if (c < u'0' || c > u'9')
            return false;
    int sum = 0;
    for (int j = 1; j <= 10; ++j) {
        const int digit = number[j - 1].unicode() - u'0';
        if (j % 2 == 1) {
            sum += digit;
        } else {
            const int twice = digit * 2;
            sum += twice / 10 + twice % 10;
        }
    }
    return number[10].unicode() - u'0' == (10 - sum % 10) % 10;
}

QString VatOfficeName(const QString &code3)
{
    for (const VatOffice &row : VatOfficeTable)
        if (code3 == QLatin1String(row.code))
            return QString::fromUtf8(row.name);
    return QString();
}

TfrmPartitaIva::TfrmPartitaIva(QWidget *parent)
    : CheckDialog(parent, {QStringLiteral("frmPartitaIva"), QSize(480, 254), QStringLiteral(" Controllo partita IVA"),
                           VatIcon, QStringLiteral("Controllo partita IVA"),
                           QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
                           QStringLiteral("txtPartitaIva"), QStringLiteral("shpPartitaIva"), {11, true}, true})
{
    BuildWhenNeeded(this, [this] {
        shpPartitaIva = shape;
        txtPartitaIva = edit;
    });
}

void TfrmPartitaIva::btnControllaClick()
{
    const QString number = UpperText(txtPartitaIva->text());
    if (number.size() != 11) {
        warnAndRetry(QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        return;
    }
    if (CheckVatNumber(number))
        giveVerdict(NoticeKind::Information,
                    QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                   "E' stato rilasciato dall'Ufficio IVA del Comune di ")
                        + VatOfficeName(MidChars(number, 8, 3)) + u'.');
    else
        giveVerdict(NoticeKind::Warning,
                    QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                   "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che "
                                   "lo ha rilasciato."));
}

void OpenVatCheck(QWidget *owner, const QString &fieldText)
{
    CheckDialogCall(owner, &TfrmPartitaIva::txtPartitaIva, fieldText);
}
