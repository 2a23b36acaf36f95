#include "dialogs/CodFisc.h"
#include "common/ui/WindowBuild.h"

#include "dialogs/PartitaIVA.h"

#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

WindowHandle<TfrmCodFisc> frmCodFisc;

namespace {

// Values of the characters "0" to "Z", in character-code order; ":" to "@" count 0.
constexpr int TaxCodeTableSize = 'Z' - '0' + 1;
constexpr int OddValues[TaxCodeTableSize] = {
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21,                       // 0-9
    0, 0, 0, 0, 0, 0, 0,                                     // : ; < = > ? @
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3,  // A-P
    6, 8, 12, 14, 16, 10, 22, 25, 24, 23,                    // Q-Z
};
constexpr int EvenValues[TaxCodeTableSize] = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9,                                          // 0-9
    0, 0, 0, 0, 0, 0, 0,                                                   // : ; < = > ? @
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,                  // A-P
    16, 17, 18, 19, 20, 21, 22, 23, 24, 25,                                // Q-Z
};

using namespace CheckColors;

// The heading's icon: a tax-code card.
qreal TaxCodeIcon(QPainter &p, qreal h)
{
    const QRectF card(6, h * 0.14, h * 1.15, h * 0.72);
    QLinearGradient face(card.topLeft(), card.bottomRight());
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, Pale);
    p.setPen(QPen(Navy, 2));
    p.setBrush(face);
    p.drawRoundedRect(card, 6, 6);
    // The band across the top, the photograph and the printed lines.
    QPainterPath band;
    band.addRoundedRect(card, 6, 6);
    p.save();
    p.setClipPath(band);
    p.fillRect(QRectF(card.left(), card.top(), card.width(), card.height() * 0.22), Blue);
    p.restore();
    const QRectF photo(card.left() + card.width() * 0.08, card.top() + card.height() * 0.34,
                       card.width() * 0.26, card.height() * 0.52);
    p.setPen(Qt::NoPen);
    p.setBrush(Sky);
    p.drawRect(photo);
    p.setBrush(Navy);
    const qreal r = photo.width() * 0.22;
    p.drawEllipse(QPointF(photo.center().x(), photo.top() + photo.height() * 0.36), r, r);
    p.drawChord(QRectF(photo.left() + photo.width() * 0.12, photo.top() + photo.height() * 0.62,
                       photo.width() * 0.76, photo.height() * 0.7),
                0, 180 * 16);
    p.setPen(QPen(Navy, 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = card.top() + card.height() * (0.40 + 0.14 * i);
        const qreal x0 = photo.right() + card.width() * 0.08;
        const qreal x1 = card.right() - card.width() * (i == 3 ? 0.30 : 0.08);
        p.drawLine(QPointF(x0, y), QPointF(x1, y));
    }
    return card.right() + 18;
}

} // namespace

bool CheckTaxCode(const QString &code)
{
    if (code.size() != 16)
        return false;
    int sum = 0;
    for (int i = 0; i < 15; ++i) {
        const char16_t c = code[i].unicode();
        if (c < u'0' || c > u'Z')
            return false;  // no value for it in the tables: it cannot stand in a tax code
        // Position i + 1 counts from 1: odd positions use the odd table.
        sum += (i % 2 == 0) ? OddValues[c - u'0'] : EvenValues[c - u'0'];
    }
    return code[15].unicode() == u'A' + sum % 26;
}

TfrmCodFisc::TfrmCodFisc(QWidget *parent)
    : CheckDialog(parent, {QStringLiteral("frmCodFisc"), QSize(478, 254), QStringLiteral(" Controllo codice fiscale"),
                           TaxCodeIcon, QStringLiteral("Controllo codice fiscale"),
                           QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
                           QStringLiteral("txtCodFisc"), QStringLiteral("shpCodFisc"),
                           {16, false, EditRules::Case::UpperTrim}, true})
{
    BuildWhenNeeded(this, [this] {
        shpCodFisc = shape;
        txtCodFisc = edit;
    });
}

void TfrmCodFisc::btnControllaClick()
{
    const QString code = UpperText(txtCodFisc->text());
    if (code.size() != 16) {
        warnAndRetry(QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
        return;
    }
    if (CheckTaxCode(code))
        giveVerdict(NoticeKind::Information, QStringLiteral("Il codice fiscale digitato è VALIDO."));
    else
        giveVerdict(NoticeKind::Warning, QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
}

void OpenTaxCodeCheck(QWidget *owner, const QString &fieldText)
{
    const QString t = TrimText(fieldText);
    if (!t.isEmpty() && IsDigitsOnly(t))
        OpenVatCheck(owner, t);
    else
        CheckDialogCall(owner, &TfrmCodFisc::txtCodFisc, t);
}
