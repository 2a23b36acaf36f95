#pragma once
#include "common/ui/ListWindow.h"

#include <array>

class HighlightRect;

// One criterion of a search window: its edit, caption, the record field it searches and its
// highlight rectangle. A wide criterion takes a whole row; the others stand two to a row.
struct CriterionSetup {
    const char *edit;
    const char *caption;
    const char *field;
    const char *highlight;
    bool wide = false;
};

// The lettering of the banner over every search window's results.
inline const QString SearchResultsBanner = QStringLiteral("RISULTATI DI RICERCA");

struct SearchWindowSetup : ListWindowSetup {
    std::array<CriterionSetup, 10> criteria;  // in the order of the Enter cycle
    QString countOpening = SummaryCountOpening;
};

// A search window: it opens on its criteria panel `panAvvio`; "Cerca" lists the line of every
// record that the criteria find (`ArchiveSearch`) and moves to the result panel for good.
class SearchWindow : public ListWindow {
    Q_OBJECT
public:
    static constexpr int CriterionCount = 10;

    SearchWindow(const SearchWindowSetup &setup, QWidget *parent);

    QFrame *panAvvio;
    QLabel *imgAvvio;
    QLabel *lblRigo04;
    QLabel *lblRigo05;
    QLabel *lblRigo06;
    QLabel *lblCampo01;
    QLabel *lblCampo02;
    QLabel *lblCampo03;
    QLabel *lblCampo04;
    QLabel *lblCampo05;
    QLabel *lblCampo06;
    QLabel *lblCampo07;
    QLabel *lblCampo08;
    QLabel *lblCampo09;
    QLabel *lblCampo10;
    QLabel *lblConta;      // the number of non-blank criteria of the last search
    QLabel *lblAttendere;  // the wait line, shown when the mouse is pressed on "Cerca"
    QLabel *lblMemory;     // the context tag written by the creator
    QPushButton *btnAnnulla;
    QPushButton *btnCerca;
    QLabel *lblTrovate;    // the count of the lines listed

    // The criterion edits and their highlights, in the order of the Enter cycle.
    QLineEdit *criterion(int i) const { return criteria_[size_t(i)]; }
    HighlightRect *highlight(int i) const { return highlights_[size_t(i)]; }
    // The trimmed context tag.
    QString contextTag() const;

public slots:
    void btnCercaClick();
    // Lists the line of every record that the criteria find, counts them and shows the result panel.
    void ArchiveSearch();
    void btnAnnullaClick();

protected:
    void showEvent(QShowEvent *e) override;
    void done(int result) override;
    // Points a concrete window's named members at its criteria and their highlights, in the order
    // of the Enter cycle.
    void exposeCriteria(const std::array<QLineEdit **, CriterionCount> &edits,
                        const std::array<HighlightRect **, CriterionCount> &highlights) const;

private:
    std::array<QLineEdit *, CriterionCount> criteria_{};
    std::array<HighlightRect *, CriterionCount> highlights_{};
    std::array<int, CriterionCount> fields_{};
    QString countOpening_;
};
