#pragma once
#include "common/ui/WindowBuild.h"
#include <QWidget>

class ClickLabel;
class QLabel;

// The launcher: a maximised window whose pictures open the applications, the about, logo and
// help windows, the maker's web site, and end the run.
class TfrmAvvio : public QWidget {
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget *parent = nullptr);

    QWidget *panContainer;
    QWidget *shpSfondo;
    QLabel *imgTitolo;
    QLabel *imgSottotitolo;
    ClickLabel *imgInfo;
    ClickLabel *imgGuida;
    ClickLabel *imgProprietari;
    ClickLabel *btnProprietari;
    ClickLabel *imgAnimali;
    ClickLabel *btnAnimali;
    ClickLabel *imgCertificati;
    ClickLabel *btnCertificati;
    ClickLabel *imgAppuntamenti;
    ClickLabel *btnAppuntamenti;
    ClickLabel *imgTariffario;
    ClickLabel *btnTariffario;
    ClickLabel *imgFatture;
    ClickLabel *btnFatture;
    ClickLabel *imgSito;
    ClickLabel *imgCopyright;
    ClickLabel *imgEsci;

public slots:
    void imgProprietariClick();
    void imgAnimaliClick();
    void imgCertificatiClick();
    void imgAppuntamentiClick();
    void imgTariffarioClick();
    void imgFattureClick();
    void imgInfoClick();
    void imgCopyrightClick();
    void imgGuidaClick();
    void imgSitoClick();
    void imgEsciClick();

protected:
    void resizeEvent(QResizeEvent *e) override;
    void closeEvent(QCloseEvent *e) override; // FormClose

private:
    void centerPanel();
};

extern WindowHandle<TfrmAvvio> frmAvvio;
