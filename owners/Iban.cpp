#include "owners/Iban.h"
#include "common/ui/WindowBuild.h"

#include <QLineEdit>
#include <QPainter>

WindowHandle<TfrmIban> frmIban;

namespace {

// The length of an Italian IBAN, the only length the dialog checks.
constexpr int IbanLength = 27;

using namespace CheckColors;

// The heading's icon: a bank, a pediment on columns over a plinth.
qreal BankIcon(QPainter &p, qreal h)
{
    const qreal left = 6, w = h * 1.1;
    p.setPen(QPen(Navy, 1.6));
    p.setBrush(Blue);
    const QPointF roof[3] = {QPointF(left, h * 0.34), QPointF(left + w / 2, h * 0.06), QPointF(left + w, h * 0.34)};
    p.drawPolygon(roof, 3);
    p.setBrush(Sky);
    p.drawRect(QRectF(left + w * 0.04, h * 0.34, w * 0.92, h * 0.08));
    p.setBrush(Pale);
    const int columns = 4;
    const qreal gap = w * 0.84 / columns;
    for (int i = 0; i < columns; ++i)
        p.drawRect(QRectF(left + w * 0.12 + gap * i, h * 0.44, gap * 0.5, h * 0.34));
    p.setBrush(Blue);
    p.drawRect(QRectF(left, h * 0.80, w, h * 0.12));
    return left + w + 18;
}

} // namespace

QString IbanLettersToDigits(const QString &text)
{
    QString out;
    out.reserve(text.size() * 2);
    for (QChar c : text) {
        if (c >= u'A' && c <= u'Z')
            out += QString::number(c.unicode() - u'A' + 10);
        else
            out += c;
    }
    return out;
}

int IbanMod97(const QString &text)
{
    QString iban = UpperText(text);
    const qsizetype at = iban.indexOf(QLatin1String("IBAN"));
    if (at >= 0)
        iban.remove(at, 4);
    const QString digits = IbanLettersToDigits(iban.mid(4) + iban.left(4));
    // Digit by digit with the remainder, so no number grows with the text.
    int remainder = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return 0;
        remainder = (remainder * 10 + (c.unicode() - u'0')) % 97;
    }
    return remainder;
}

bool CheckIban(const QString &text)
{
    QString compact = text;
    compact.remove(u' ');
    return IbanMod97(compact) == 1;
}

TfrmIban::TfrmIban(QWidget *parent)
    : CheckDialog(parent, {QStringLiteral("frmIban"), QSize(608, 270), QStringLiteral(" Controllo IBAN"), BankIcon,
                           QStringLiteral("Controllo IBAN"),
                           QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
                           QStringLiteral("txtIban"), QString(), {IbanLength, false, EditRules::Case::UpperTrim},
                           false})
{
    BuildWhenNeeded(this, [this] { txtIban = edit; });
}

void TfrmIban::btnControllaClick()
{
    const QString iban = TrimText(txtIban->text());
    if (iban.size() != IbanLength) {
        warnAndRetry(QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."));
        return;
    }
    if (CheckIban(iban))
        giveVerdict(NoticeKind::Information, QStringLiteral("L'IBAN digitato è VALIDO."));
    else
        giveVerdict(NoticeKind::Warning, QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"));
}

void OpenIbanCheck(QWidget *owner, const QString &fieldText)
{
    CheckDialogCall(owner, &TfrmIban::txtIban, fieldText);
}
