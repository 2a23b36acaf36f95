#include "owners/Carta.h"
#include "common/ui/WindowBuild.h"

#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

#include <vector>

WindowHandle<TfrmCarta> frmCarta;

namespace {

struct CardType {
    int result;          // of CheckCardNumber
    const char *prefix;  // first two characters of the trimmed number; empty: any
    const char *name;
};
const CardType CardTypes[] = {
    {1, "30", "Diner's Club / Carte Blanche"},
    {1, "36", "Diner's Club / Carte Blanche"},
    {1, "38", "Diner's Club / Carte Blanche"},
    {1, "34", "American Express"},
    {1, "37", "American Express"},
    {1, "31", "JCB"},
    {1, "33", "JCB"},
    {1, "35", "JCB"},
    {2, "", "Visa"},
    {3, "", "MasterCard"},
    {4, "", "Discover"},
};

// Result of CheckCardNumber for a number beginning with 3.
constexpr int BeginsWithThree = 1;

using namespace CheckColors;

// One payment card with its stripe and chip, its top left corner at `at`.
void Card(QPainter &p, QPointF at, qreal w, const QColor &face)
{
    const QRectF card(at, QSizeF(w, w * 0.63));
    p.setPen(QPen(Navy, 1.6));
    p.setBrush(face);
    p.drawRoundedRect(card, w * 0.08, w * 0.08);
    QPainterPath outline;
    outline.addRoundedRect(card, w * 0.08, w * 0.08);
    p.save();
    p.setClipPath(outline);
    p.fillRect(QRectF(card.left(), card.top() + card.height() * 0.18, card.width(), card.height() * 0.16), Navy);
    p.restore();
    p.setPen(QPen(QColor(0x9c, 0x7a, 0x1c), 1));
    p.setBrush(QColor(0xf2, 0xc9, 0x4c));
    p.drawRoundedRect(QRectF(card.left() + w * 0.10, card.top() + card.height() * 0.46, w * 0.18, w * 0.13), 2, 2);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal x = card.left() + w * (0.10 + 0.21 * i);
        p.drawLine(QPointF(x, card.bottom() - card.height() * 0.16), QPointF(x + w * 0.15, card.bottom() - card.height() * 0.16));
    }
}

// The heading's icon: two payment cards, one over the other.
qreal CardsIcon(QPainter &p, qreal h)
{
    const qreal w = h * 1.05;
    Card(p, QPointF(6, h * 0.08), w, Sky);
    Card(p, QPointF(6 + w * 0.32, h * 0.30), w, Blue);
    return 6 + w * 1.32 + 16;
}

} // namespace

int CheckCardNumber(const QString &text)
{
    std::vector<int> digits;
    for (QChar c : LeftChars(text, 20))
        if (c >= u'0' && c <= u'9')
            digits.push_back(c.unicode() - u'0');
    if (digits.empty())
        return 0;

    // From the last digit but one back to the first, every second digit doubled.
    int sum = 0;
    bool doubled = true;
    for (auto it = digits.rbegin() + 1; it != digits.rend(); ++it, doubled = !doubled) {
        int value = *it;
        if (doubled) {
            value *= 2;
            if (value > 9)
                value -= 9;
        }
        sum += value;
    }
    if (digits.back() != (10 - sum % 10) % 10)
        return 0;
    return digits.front() - 2;
}

QString CardTypeName(int result, const QString &trimmed)
{
    const QString firstTwo = LeftChars(trimmed, 2);
    for (const CardType &type : CardTypes)
        if (type.result == result && (!*type.prefix || firstTwo == QLatin1String(type.prefix)))
            return QString::fromLatin1(type.name);
    return QString();
}

TfrmCarta::TfrmCarta(QWidget *parent)
    : CheckDialog(parent, {QStringLiteral("frmCarta"), QSize(519, 254), QStringLiteral(" Controllo carta di credito"),
                           CardsIcon, QStringLiteral("Controllo carta di credito"),
                           QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."),
                           QStringLiteral("txtNumero"), QString(), {30, true, EditRules::Case::UpperTrim}, false})
{
    BuildWhenNeeded(this, [this] { txtNumero = edit; });
}

void TfrmCarta::btnControllaClick()
{
    const QString number = TrimText(txtNumero->text());
    if (number.isEmpty()) {
        warnAndRetry(QStringLiteral(
            "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo."));
        return;
    }
    // Leading blanks count as positions of the check, so it reads the edit's own text.
    const int result = CheckCardNumber(txtNumero->text());
    const QString type = CardTypeName(result, number);
    const QString valid = QStringLiteral("Il numero di carta di credito ") + number
                          + QStringLiteral(" risulta valido.\r\n\r\n");
    if (!type.isEmpty())
        giveVerdict(NoticeKind::Information,
                    valid + QStringLiteral("La carta di credito è del tipo ") + type + u'.');
    else if (result == BeginsWithThree)
        // The check digit is right but the first two characters name no type of card.
        giveVerdict(NoticeKind::Information,
                    valid + QStringLiteral("Non è possibile stabilire il tipo di carta di credito."));
    else
        giveVerdict(NoticeKind::Warning,
                    QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                                   "Non è quindi possibile fornire informazioni relative al tipo di carta di credito."));
}

void OpenCardCheck(QWidget *owner, const QString &fieldText)
{
    CheckDialogCall(owner, &TfrmCarta::txtNumero, fieldText);
}
