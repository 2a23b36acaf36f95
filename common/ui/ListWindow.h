#pragma once
#include "common/ArchiveSearch.h"

#include <QDialog>
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <functional>

class LineListView;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// What a concrete list window says of itself; the mechanics are the same in every one.
struct ListWindowSetup {
    QString caption;                            // begins with a blank
    std::function<QString()> archiveFile;       // a name in the program folder, or a path
    const RecordLayout *layout = nullptr;
    ListLineRecipe line;                        // the list line of a record
    bool sorted = false;                        // sorted lines, or file order
    QString printTitle;                         // title of the printout
    ListHandBack handBack;                      // run by the double-click; none: it does nothing
    std::function<bool(const Record &)> listed; // the records listed when the window is shown
    int itemWidth = 1600;
    // The line under the list; empty: the window has none.
    QString pickLine = QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic.");
    // The lettering of the picture across the top of the list panel (`imgTitolo`); empty: none.
    QString banner{};
};

// A window over one archive showing a list of record lines on its panel `panContainer`, with
// find-next ("Trova"), the printout ("Stampa"), the double-click that reads the record behind a
// line again and hands it back, and "Chiudi". A list window fills its list each time it is shown.
class ListWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int Width = 862;
    static constexpr int Height = 560;
    static constexpr int PanelWidth = 833;
    static constexpr int PanelHeight = 529;

    ListWindow(const ListWindowSetup &setup, QWidget *parent);

    QFrame *panContainer;
    QLabel *imgTitolo;  // nullptr when the window has no banner
    QLabel *lblRigo01;
    QLabel *lblRigo02;
    QLabel *imgTrova;
    QLineEdit *txtTrova;
    QPushButton *btnTrova;
    LineListView *lstRecords;
    QLabel *imgRigo03;
    QLabel *lblRigo03;  // nullptr when the window has no such line
    QPushButton *btnChiudi;
    QPushButton *btnStampa;

    const ListWindowSetup &setup() const { return setup_; }
    // The archive's path or name as the window uses it now.
    QString archiveFile() const { return setup_.archiveFile(); }

    // Reads the archive and lists the line of every record that `take` accepts (sorted when the
    // window is). Lines read before a failure stay listed; the failure is thrown on.
    void listRecords(const std::function<bool(const Record &)> &take);

public slots:
    void btnTrovaClick();
    // Selects the next line that holds the text of txtTrova, wrapping round.
    void FindNextInList();
    virtual void btnStampaClick();  // ListReportTemplate
    void lstRecordsDblClick();  // the listed record, then the hand-back
    void btnChiudiClick();

protected:
    // Where a line under the list's pick line goes (a search window's count of lines).
    QRect lineBelowList() const;

    void showEvent(QShowEvent *e) override;
    // Closing empties the list.
    void done(int result) override;
    // Find-next on an empty list.
    virtual void reportEmptyList();

private:
    ListWindowSetup setup_;
    QString rememberedFind_;
};

// The text of find-next on an empty list.
inline const QString EmptyListFindMessage = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

// Find-next over a list: selects the next line holding `findText` (`FindNextLine`); on an empty
// list it runs `reportEmpty` instead. A failure ends it without a message.
void FindNextInList(LineListView *list, const QString &findText, QString &remembered,
                    const std::function<void()> &reportEmpty);

// A word-wrapped label on a panel, in the given font and colour.
QLabel *MakePanelLabel(QWidget *panel, const QString &name, const QString &text, const QRect &at, const QFont &font,
                       const QColor &colour = Qt::black);

// The pictures of the search and list windows: a magnifying glass and a pointing hand.
QPixmap MagnifierPicture(QSize size);
QPixmap HandPicture(QSize size);
// The banner across the top of a list panel: `lettering` in white italic capitals on a blue band,
// between two magnifying glasses.
QPixmap BannerPicture(const QString &lettering, QSize size);
