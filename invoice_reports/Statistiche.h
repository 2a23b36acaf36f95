#pragma once
#include "common/ui/WindowBuild.h"
#include <QWidget>

#include <array>

class ClickLabel;
class QFrame;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class TakingsChart;

// The chart of a year's takings, month by month, as three-dimensional bars or a pie. It asks for
// its own year and reads that year's archive in the program folder; closing it returns to the
// launcher.
class TfrmStatistiche : public QWidget {
    Q_OBJECT
public:
    explicit TfrmStatistiche(QWidget *parent = nullptr);

    // The year panel.
    QFrame *panAvvio;
    QLineEdit *txtAnno;
    QLabel *lblApri;
    QPushButton *btnApri;
    ClickLabel *imgGuida;
    ClickLabel *imgEsci;
    QLabel *lblFile;  // hidden: the archive of the last "Apri"
    std::array<QLabel *, 12> memMesi{};  // hidden: memGennaio .. memDicembre, the month values
    // The chart panel.
    QFrame *panContainer;
    QLabel *lblTitolo;
    QLabel *lblRigo04;
    QLabel *lblRigo05;
    TakingsChart *ChartStats;
    QPushButton *btnTorta;
    QPushButton *btnBarre;
    QPushButton *btnStampa;
    QPushButton *btnEsci;
    ClickLabel *cmdGuida;
    QLabel *panInfo;

    // Draws the chart once per copy on `printer`, landscape; returns the pages drawn.
    int printChart(QPrinter &printer, int copies) const;

public slots:
    void btnApriClick();
    void btnBarreClick();
    void btnTortaClick();
    void btnStampaClick();
    void btnEsciClick() { close(); }
    void imgEsciClick() { close(); }
    void imgGuidaClick();

protected:
    void showEvent(QShowEvent *e) override;   // FormShow
    void closeEvent(QCloseEvent *e) override; // FormClose
};

extern WindowHandle<TfrmStatistiche> frmStatistiche;

// The copies typed in the copies box: a number of digits only, anything else (blank, a letter, a
// leading blank) one copy.
int ChartCopiesAnswer(const QString &answer);
