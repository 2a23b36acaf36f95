#pragma once
#include <QObject>
#include <QPoint>

class ClickLabel;
class QLabel;
class QWidget;
class RecordCard;
class StatusLine;

// The hints of the four arrows; a card names its records in its own words.
struct NavigatorHints {
    const char *first = "Visualizza la prima scheda in archivio.";
    const char *previous = "Visualizza la scheda precedente in archivio.";
    const char *next = "Visualizza la scheda successiva in archivio.";
    const char *last = "Visualizza l'ultima scheda in archivio.";
};

// The record arrows of a card and the record number between them: `cmdPrimo`, `cmdIndietro`,
// `lblPosizione`, `cmdAvanti`, `cmdUltimo`, left to right, each arrow with its hint.
class RecordNavigator : public QObject {
    Q_OBJECT
public:
    static constexpr int Arrow = 40;           // side of an arrow
    static constexpr int NumberWidth = 90;     // width of lblPosizione
    static constexpr int Gap = 6;
    static constexpr int Width = 4 * Arrow + NumberWidth + 4 * Gap;

    // Places the row with its top left corner at `at` in `parent`.
    RecordNavigator(QWidget *parent, QPoint at, StatusLine *status, const NavigatorHints &hints = {});

    QLabel *position() const { return position_; }
    // The arrows run the card's First, Previous, Next and Last.
    void attach(RecordCard *card);

private:
    ClickLabel *arrows_[4];
    QLabel *position_;
};
