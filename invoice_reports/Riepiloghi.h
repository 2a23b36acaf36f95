#pragma once
#include "common/ui/WindowBuild.h"
#include <QDialog>
#include <QStringList>

class ClickLabel;
class LineListView;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The summaries of the invoices of the open year: the annual one fills its list when shown; the
// monthly and quarterly ones first ask for the month or quarter on `panSelezione`.
class SummaryWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int Width = 1016;
    static constexpr int Height = 713;
    static constexpr int PanelWidth = 995;
    static constexpr int PanelHeight = 692;

    QFrame *panContainer;
    QLabel *lblTipologia;
    QLabel *titTipologia;
    QLabel *lblRigo01;
    QLabel *lblRigo02;
    ClickLabel *imgGuida;
    QLineEdit *txtTrova;
    QPushButton *btnTrova;
    LineListView *lstRecords;
    QLabel *infTotImponibile;
    QLabel *infTotImposta;
    QLabel *infTotEsente;
    QLabel *infTotale;
    QLabel *lblTotImponibile;
    QLabel *lblTotImposta;
    QLabel *lblTotEsente;
    QLabel *lblTotale;
    QLabel *panInfo;
    QPushButton *btnStampa;
    QPushButton *btnEsci;

    // Monthly and quarterly only (null in the annual summary).
    QFrame *panSelezione = nullptr;
    QLabel *lblApri = nullptr;
    QComboBox *cboSelezione = nullptr;
    QLabel *lblAnno = nullptr;
    QPushButton *btnVisualizza = nullptr;
    ClickLabel *icoGuida = nullptr;
    ClickLabel *icoEsci = nullptr;

    // The printout's lines: the list, a rule, the four sums.
    QStringList printedLines() const;

public slots:
    // Lists the invoices of the period with their sums; an archive that cannot be read or an
    // amount that is not a number shows the archive message and no figures.
    void Fill();
    void btnVisualizzaClick() { Fill(); }
    void btnTrovaClick();
    void btnStampaClick();
    void imgGuidaClick();
    void btnEsciClick() { close(); }

protected:
    enum class Period { Year, Month, Quarter };
    SummaryWindow(Period period, QWidget *parent);
    void showEvent(QShowEvent *e) override;
    void done(int result) override;

private:
    void buildSelection();
    QString openYear() const;
    bool inPeriod(const QString &month) const;
    QString periodTitle() const;

    Period period_;
    QString rememberedFind_;
};

class TfrmRiepAnnuale : public SummaryWindow {
    Q_OBJECT
public:
    explicit TfrmRiepAnnuale(QWidget *parent = nullptr);
};

class TfrmRiepMensile : public SummaryWindow {
    Q_OBJECT
public:
    explicit TfrmRiepMensile(QWidget *parent = nullptr);
};

class TfrmRiepTrimestrale : public SummaryWindow {
    Q_OBJECT
public:
    explicit TfrmRiepTrimestrale(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmRiepAnnuale> frmRiepAnnuale;
extern WindowHandle<TfrmRiepMensile> frmRiepMensile;
extern WindowHandle<TfrmRiepTrimestrale> frmRiepTrimestrale;

// The invoice card's three summary commands: the window owned by the card, the monthly and
// quarterly ones with the card's year, shown modally and destroyed when it closes.
void OpenAnnualSummary(QWidget *card);
void OpenMonthlySummary(QWidget *card);
void OpenQuarterlySummary(QWidget *card);
