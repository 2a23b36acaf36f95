#include "pricelist/Giacenza.h"
#include "common/ui/WindowBuild.h"

#include "common/Text.h"
#include "common/ui/EditRules.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"
#include "pricelist/PriceListRecord.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <optional>

WindowHandle<TfrmGiacenza> frmGiacenza;

namespace {

const QString Zero = QStringLiteral("0");
// An edit holding more than this many characters is emptied by the next key.
constexpr int LongestQuantity = 15;

QLineEdit *quantityEdit(QWidget *parent, const char *name, int top)
{
    QLineEdit *e = MakeNamed<QLineEdit>(parent, QString::fromLatin1(name), Zero);
    e->setGeometry(194, top, 150, 34);
    e->setFont(Look::Verdana(12, true));
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return e;
}

QLabel *caption(QWidget *parent, const char *name, const QString &text, int top)
{
    QLabel *l = MakeNamed<QLabel>(parent, QString::fromLatin1(name), text);
    l->setGeometry(20, top, 170, 34);
    l->setFont(Look::Verdana(10, true));
    l->setTextFormat(Qt::PlainText);
    return l;
}

void blankToZero(QLineEdit *e)
{
    if (TrimText(e->text()).isEmpty())
        e->setText(Zero);
}

} // namespace

QString TfrmGiacenza::AddCaption() { return QString::fromUtf8("Quantità da aggiungere:"); }
QString TfrmGiacenza::SubtractCaption() { return QString::fromUtf8("Quantità da sottrarre:"); }

TfrmGiacenza::TfrmGiacenza(QWidget *parent) : QDialog(parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmGiacenza"));
        setWindowTitle(QStringLiteral(" Aggiornamento giacenza"));
        MakeFixedWindow(this, 364, 339);
        SetGradientBackground(this, Look::Pale, Qt::white);

        lblGiacenza = caption(this, "lblGiacenza", QStringLiteral("Giacenza attuale:"), 30);
        txtGiacenza = quantityEdit(this, "txtGiacenza", 30);
        lblAggiunta = caption(this, "lblAggiunta", AddCaption(), 90);
        txtAggiunta = quantityEdit(this, "txtAggiunta", 90);
        btnTotale = MakeNamed<QPushButton>(this, QStringLiteral("btnTotale"), QStringLiteral("Calcola totale"));
        btnTotale->setGeometry(194, 150, 150, 34);
        txtTotale = quantityEdit(this, "txtTotale", 210);
        txtTotale->setReadOnly(true);
        QPalette crimson = txtTotale->palette();
        crimson.setColor(QPalette::Text, Look::Crimson);
        txtTotale->setPalette(crimson);
        btnAggiorna = MakeNamed<QPushButton>(this, QStringLiteral("btnAggiorna"), QStringLiteral("Applica e chiudi"));
        btnAggiorna->setGeometry(194, 285, 150, 34);
        btnChiudi = MakeNamed<QPushButton>(this, QStringLiteral("btnChiudi"), QStringLiteral("Annulla"));
        btnChiudi->setGeometry(20, 285, 150, 34);

        for (QLineEdit *e : {txtGiacenza, txtAggiunta}) {
            DigitOnlyKeyFilter(e);
            // Installed after the digit filter, so it sees each key first.
            e->installEventFilter(this);
        }
        MakeEnterButtons({btnTotale, btnAggiorna, btnChiudi});
        setTabOrder(txtGiacenza, txtAggiunta);
        setTabOrder(txtAggiunta, btnTotale);
        setTabOrder(btnTotale, txtTotale);
        setTabOrder(txtTotale, btnAggiorna);
        setTabOrder(btnAggiorna, btnChiudi);

        connect(btnTotale, &QPushButton::clicked, this, &TfrmGiacenza::btnTotaleClick);
        connect(btnAggiorna, &QPushButton::clicked, this, &TfrmGiacenza::btnAggiornaClick);
        connect(btnChiudi, &QPushButton::clicked, this, &TfrmGiacenza::btnChiudiClick);
    });
}

void TfrmGiacenza::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    CenterWindow(this);
    txtGiacenza->setFocus(Qt::OtherFocusReason);
}

bool TfrmGiacenza::eventFilter(QObject *watched, QEvent *e)
{
    if (watched != txtGiacenza && watched != txtAggiunta)
        return QDialog::eventFilter(watched, e);
    auto *edit = static_cast<QLineEdit *>(watched);
    if (e->type() == QEvent::FocusOut && LeavesWithinWindow(static_cast<QFocusEvent *>(e))) {
        // Leaving an edit leaves a whole number; a text that is not a number becomes 0.
        edit->setText(WholeQuantityText(edit->text()).value_or(Zero));
    } else if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (edit == txtGiacenza)
                txtAggiunta->setFocus(Qt::TabFocusReason);
            else
                btnTotale->setFocus(Qt::TabFocusReason);
            return true;
        }
        // Any other key but the editing ones first empties an edit grown past a quantity's length.
        if (key != Qt::Key_Backspace && key != Qt::Key_Delete && key != Qt::Key_Left && key != Qt::Key_Right &&
            !TrimText(edit->text()).isEmpty() && edit->text().size() > LongestQuantity)
            edit->clear();
    }
    return QDialog::eventFilter(watched, e);
}

void TfrmGiacenza::btnTotaleClick()
{
    for (QLineEdit *e : {txtGiacenza, txtAggiunta, txtTotale})
        blankToZero(e);
    const QString mode = TrimText(lblAggiunta->text());
    const bool add = mode == AddCaption();
    if (!add && mode != SubtractCaption())
        return;
    const std::optional<QString> total = StockTotalText(txtGiacenza->text(), txtAggiunta->text(), add);
    if (!total) {
        for (QLineEdit *e : {txtGiacenza, txtAggiunta, txtTotale})
            e->setText(Zero);
        return;
    }
    txtTotale->setText(*total);
}

void TfrmGiacenza::btnAggiornaClick()
{
    // The total is worked out again, so the stock written always matches what the dialog shows.
    btnTotaleClick();
    if (target)
        target->setText(TrimText(txtTotale->text()));
    accept();
}

void TfrmGiacenza::btnChiudiClick() { reject(); }
