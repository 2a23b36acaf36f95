#include "common/ui/ActionPanel.h"
#include "common/ui/WindowBuild.h"

#include "common/ui/Look.h"
#include "common/ui/Widgets.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr int Margin = 8;
constexpr int Inner = 12;
constexpr int PictureSide = 56;
constexpr int ButtonWidth = 120;
constexpr int ButtonHeight = 30;

QLabel *makeText(QWidget *parent, const QString &name, const QString &text, const QRect &place, const QFont &font,
                 const QColor &colour)
{
    auto *l = MakeNamed<QLabel>(parent, name, text);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setFont(font);
    l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(Look::Css(colour)));
    l->setGeometry(place);
    return l;
}

} // namespace

ActionDialog::ActionDialog(QWidget *parent, const QString &name, const QString &caption, QSize clientSize,
                           const ActionPanelSetup &setup)
    : QDialog(parent)
{
    BuildWhenNeeded(this, [this, name, caption, clientSize, setup] {
        setUp(name, caption, clientSize);
        PaintStyledBackground(this, QStringLiteral("background: %1;").arg(Look::Css(Look::CardPanel)));

        const int panelWidth = clientSize.width() - 2 * Margin;
        const int buttonsTop = clientSize.height() - Margin - ButtonHeight;
        QFrame *panel = MakeRoundedPanel(this, QStringLiteral("panBianco"), Qt::white);
        panel->setGeometry(Margin, Margin, panelWidth, buttonsTop - 2 * Margin);

        const int textLeft = Inner + PictureSide + Inner;
        const int textWidth = panelWidth - textLeft - Inner;
        MakeDrawnPicture(panel, QStringLiteral("imgTitolo"), QRect(Inner, Inner, PictureSide, PictureSide),
                         setup.headingPicture);
        makeText(panel, QStringLiteral("lblTitolo"), setup.heading, QRect(textLeft, Inner, textWidth, 22),
                 Look::VerdanaPixels(15, true), Look::Navy);
        QLabel *explanation = makeText(panel, QStringLiteral("lblSpiegazione"), setup.explanation,
                                       QRect(textLeft, Inner + 26, textWidth, 64), Look::TahomaPixels(12), Qt::black);

        const int lineTop = explanation->geometry().bottom() + 1 + 8;
        auto *line = MakeNamed<QFrame>(panel, QStringLiteral("shpLinea"));
        line->setGeometry(Inner, lineTop, panelWidth - 2 * Inner, 2);
        line->setStyleSheet(QStringLiteral("background: %1; border: none;").arg(Look::Css(Look::Blue)));

        const int actionTop = lineTop + 2 + 12;
        MakeDrawnPicture(panel, QStringLiteral("imgAzione"), QRect(Inner, actionTop, PictureSide, PictureSide),
                         setup.actionPicture);
        makeText(panel, QStringLiteral("lblAzione"), setup.actionText,
                 QRect(textLeft, actionTop, textWidth, panel->height() - actionTop - Inner), Look::TahomaPixels(12),
                 Qt::black);

        const QRect actionPlace(clientSize.width() - Margin - ButtonWidth, buttonsTop, ButtonWidth, ButtonHeight);
        makeButtons(setup.actionButton, actionPlace.translated(-8 - ButtonWidth, 0), actionPlace);
    });
}

ActionDialog::ActionDialog(QWidget *parent, const QString &name, const QString &caption, QSize clientSize,
                           const ActionPictureSetup &setup)
    : QDialog(parent)
{
    BuildWhenNeeded(this, [this, name, caption, clientSize, setup] {
        setUp(name, caption, clientSize);
        SetGradientBackground(this, setup.top, Qt::white);

        auto *ground = MakeNamed<QFrame>(this, QStringLiteral("shpSfondo"));
        ground->setGeometry(setup.ground);
        ground->setStyleSheet(QStringLiteral("background: white; border: 1px solid white;"));
        QLabel *picture = MakeDrawnPicture(this, QStringLiteral("imgLogo02"), setup.picture, setup.draw);
        picture->setAccessibleDescription(setup.words);

        makeButtons(setup.actionButton, setup.cancelPlace, setup.actionPlace);
        for (QPushButton *b : {btnAnnulla, btnStampa}) {
            b->setFont(Look::Verdana(9));
            b->setCursor(Qt::PointingHandCursor);
        }
    });
}

void ActionDialog::setUp(const QString &name, const QString &caption, QSize clientSize)
{
    setObjectName(name);
    setWindowTitle(caption);
    MakeFixedWindow(this, clientSize.width(), clientSize.height());
}

void ActionDialog::makeButtons(const QString &action, const QRect &cancelPlace, const QRect &actionPlace)
{
    btnStampa = MakeNamed<QPushButton>(this, QStringLiteral("btnStampa"), action);
    btnStampa->setGeometry(actionPlace);
    btnAnnulla = MakeNamed<QPushButton>(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"));
    btnAnnulla->setGeometry(cancelPlace);
    MakeEnterButtons({btnAnnulla, btnStampa});
    setTabOrder(btnAnnulla, btnStampa);
    connect(btnAnnulla, &QPushButton::clicked, this, &ActionDialog::btnAnnullaClick);
    connect(btnStampa, &QPushButton::clicked, this, &ActionDialog::btnStampaClick);
}

void ActionDialog::btnAnnullaClick() { reject(); }

void ActionDialog::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) {
        CenterWindow(this, parentWidget());
        // "Annulla" is first in the tab order, so it holds the focus when the window opens.
        btnAnnulla->setFocus(Qt::TabFocusReason);
    }
}
