#include "common/ui/RecordNavigator.h"

#include "common/ui/CommandPictures.h"
#include "common/ui/CommandStrip.h"
#include "common/ui/Look.h"
#include "common/ui/RecordCard.h"
#include "common/ui/Widgets.h"

#include <QLabel>

RecordNavigator::RecordNavigator(QWidget *parent, QPoint at, StatusLine *status, const NavigatorHints &hints)
    : QObject(parent)
{
    const auto arrow = [](int direction) { return [direction](QSize size) { return ArrowPicture(direction, size); }; };
    const QSize side(Arrow, Arrow);
    const int y = at.y();
    int x = at.x();
    const QRect first(QPoint(x, y), side);
    const QRect previous(QPoint(x += Arrow + Gap, y), side);
    const QRect number(QPoint(x += Arrow + Gap, y), QSize(NumberWidth, Arrow));
    const QRect next(QPoint(x += NumberWidth + Gap, y), side);
    const QRect last(QPoint(x + Arrow + Gap, y), side);
    const QList<ClickLabel *> made = MakePictureCommands(
        parent,
        {
            {&arrows_[0], "cmdPrimo", hints.first, nullptr, arrow(ArrowFirst), first},
            {&arrows_[1], "cmdIndietro", hints.previous, nullptr,
             arrow(ArrowPrevious), previous},
            {&arrows_[2], "cmdAvanti", hints.next, nullptr, arrow(ArrowNext), next},
            {&arrows_[3], "cmdUltimo", hints.last, nullptr, arrow(ArrowLast), last},
        },
        status);
    position_ = MakeNamed<QLabel>(parent, QStringLiteral("lblPosizione"));
    position_->setTextFormat(Qt::PlainText);
    position_->setGeometry(number);
    position_->setAlignment(Qt::AlignCenter);
    position_->setMouseTracking(true);
    position_->setFont(Look::VerdanaPixels(15, true));
    position_->setStyleSheet(QStringLiteral("QLabel { background: white; color: %1; border: 1px solid %2; border-radius: 6px; }")
                                 .arg(Look::Css(Look::Navy), Look::Css(Look::Sky)));
}

void RecordNavigator::attach(RecordCard *card)
{
    connect(arrows_[0], &ClickLabel::clicked, card, &RecordCard::First);
    connect(arrows_[1], &ClickLabel::clicked, card, &RecordCard::Previous);
    connect(arrows_[2], &ClickLabel::clicked, card, &RecordCard::Next);
    connect(arrows_[3], &ClickLabel::clicked, card, &RecordCard::Last);
}
