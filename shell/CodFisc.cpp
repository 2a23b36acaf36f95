#include "shell/CodFisc.h"

#include "common/Dates.h"
#include "common/EditRules.h"
#include "common/Widgets.h"
#include "shell/PartitaIVA.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

TfrmCodFisc *frmCodFisc = nullptr;

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

// Enter in the check dialog's edit moves the focus to "Controlla"; the key goes no further, so
// the dialog presses no button for it.
class EnterToButton : public QObject {
public:
    EnterToButton(QLineEdit *edit, QPushButton *button) : QObject(edit), button(button)
    {
        edit->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                button->setFocus(Qt::OtherFocusReason);
                return true;
            }
        }
        return false;
    }

private:
    QPushButton *button;
};

const QColor Navy(0x1f, 0x4e, 0x79);
const QColor Blue(0x2e, 0x75, 0xb6);
const QColor Sky(0x9d, 0xc3, 0xe6);
const QColor Pale(0xdd, 0xeb, 0xf7);

// The heading: a tax-code card and the words "Controllo codice fiscale".
QPixmap TaxCodeHeading(QSize size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    const qreal h = size.height();
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

    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(qMax(8, int(h * 0.42)));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Navy);
    p.drawText(QRectF(card.right() + 18, 0, size.width() - card.right() - 18, h),
               Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Controllo codice fiscale"));
    return pm;
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

CheckDialogParts BuildCheckDialog(QDialog *dialog, int width, const QString &caption,
                                  QPixmap (*heading)(QSize), const QString &prompt,
                                  const QString &shapeName, const QString &editName)
{
    dialog->setWindowTitle(caption);
    MakeFixedWindow(dialog, width, 254);
    SetGradientBackground(dialog, Pale, Qt::white);

    CheckDialogParts parts;
    parts.imgLogo = MakeNamed<QLabel>(dialog, QStringLiteral("imgLogo"));
    parts.imgLogo->setGeometry(12, 8, width - 24, 64);
    parts.imgLogo->setPixmap(heading(parts.imgLogo->size()));

    parts.lblTitolo = MakeNamed<QLabel>(dialog, QStringLiteral("lblTitolo"), prompt);
    parts.lblTitolo->setGeometry(18, 76, width - 36, 32);
    parts.lblTitolo->setWordWrap(true);

    const int buttonWidth = 112;
    const int buttonLeft = width - 18 - buttonWidth;
    parts.shape = MakeNamed<QWidget>(dialog, shapeName);
    parts.shape->setGeometry(14, 112, buttonLeft - 14 - 12, 56);
    SetGradientBackground(parts.shape, Blue, Sky);

    parts.edit = MakeNamed<QLineEdit>(dialog, editName);
    parts.edit->setGeometry(parts.shape->geometry().adjusted(8, 8, -8, -8));
    QFont editFont(QStringLiteral("Courier New"), 20, QFont::Bold);
    editFont.setStyleHint(QFont::TypeWriter);
    parts.edit->setFont(editFont);

    parts.btnControlla = MakeNamed<QPushButton>(dialog, QStringLiteral("btnControlla"), QStringLiteral("Controlla"));
    parts.btnControlla->setGeometry(buttonLeft, 120, buttonWidth, 40);
    parts.btnChiudi = MakeNamed<QPushButton>(dialog, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"));
    parts.btnChiudi->setGeometry(buttonLeft, 198, buttonWidth, 36);

    new EnterToButton(parts.edit, parts.btnControlla);
    CenterWindow(dialog);
    return parts;
}

TfrmCodFisc::TfrmCodFisc(QWidget *parent) : QDialog(parent)
{
    // FormCreate.
    setObjectName(QStringLiteral("frmCodFisc"));
    ApplyFormatSettings();
    const CheckDialogParts parts = BuildCheckDialog(
        this, 478, QStringLiteral(" Controllo codice fiscale"), TaxCodeHeading,
        QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
        QStringLiteral("shpCodFisc"), QStringLiteral("txtCodFisc"));
    imgLogo = parts.imgLogo;
    lblTitolo = parts.lblTitolo;
    shpCodFisc = parts.shape;
    txtCodFisc = parts.edit;
    btnControlla = parts.btnControlla;
    btnChiudi = parts.btnChiudi;

    EditRules rules;
    rules.maxLength = 16;
    rules.typing = EditRules::Case::UpperTrim;
    ApplyEditRules(txtCodFisc, rules);

    connect(btnControlla, &QPushButton::clicked, this, &TfrmCodFisc::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmCodFisc::btnChiudiClick);
}

void TfrmCodFisc::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    txtCodFisc->setFocus(Qt::OtherFocusReason);
}

void TfrmCodFisc::btnControllaClick()
{
    const QString code = UpperText(txtCodFisc->text());
    if (code.size() != 16) {
        ShowNotice(NoticeKind::Warning,
                   QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
        txtCodFisc->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (CheckTaxCode(code))
        ShowNotice(NoticeKind::Information, QStringLiteral("Il codice fiscale digitato è VALIDO."));
    else
        ShowNotice(NoticeKind::Warning, QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
    accept();
}

void TfrmCodFisc::btnChiudiClick() { close(); }

void OpenTaxCodeCheck(QWidget *owner, const QString &fieldText)
{
    const QString t = TrimText(fieldText);
    if (!t.isEmpty() && IsDigitsOnly(t))
        OpenVatCheck(owner, t);
    else
        CheckDialogCall(owner, &TfrmCodFisc::txtCodFisc, t);
}
