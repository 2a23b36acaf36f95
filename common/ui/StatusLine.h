#pragma once
#include <QLabel>

// The status line of a card, `panInfo`: a blue bar with white Tahoma 12 text that shows the hint
// of the command under the mouse and is emptied over the card's background.
class StatusLine : public QLabel {
    Q_OBJECT
public:
    StatusLine(QWidget *parent, const QString &readyText);

    // Moving the mouse over `control` shows `hint`.
    void hint(QWidget *control, const QString &hint);
    // Every widget of `window` that is neither a field, a command nor part of one becomes
    // background: moving over it empties the status text. Call once the card is complete.
    void clearOverBackground(QWidget *window);
};

// The status line filling its strip `shpInfo`, placed at `place` in `panel`.
StatusLine *PlaceStatusStrip(QWidget *panel, const QRect &place, const QString &readyText);
