#pragma once
#include "common/ui/WindowBuild.h"
#include <QString>
#include <QWidget>

#include <array>

class ClickLabel;
class QFrame;
class QLabel;
class QPushButton;

// The certificates menu: one button per kind of document; pressing one closes the menu and shows
// that kind's card. Leaving without a choice returns to the launcher.
class TfrmMenuCertificati : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMenuCertificati(QWidget *parent = nullptr);

    QLabel *icoTitolo;
    QLabel *lblIstruzioni;
    QLabel *icoCertificati;
    QPushButton *btnCertificato_Sanitario;
    QPushButton *btnCertificato_Vaccinazione;
    QPushButton *btnCertificato_Malattia;
    QPushButton *btnCertificato_Decesso;
    QPushButton *btnAutorizzazione_Eutanasia;
    QPushButton *btnConsenso_Intervento;
    QPushButton *btnConsenso_Privacy;
    ClickLabel *imgGuida;
    ClickLabel *imgEsci;
    QLabel *lblMemory;  // the route of the next close: "avvio" or the tag of the chosen card

public slots:
    void imgGuidaClick();
    void imgEsciClick();

protected:
    void showEvent(QShowEvent *e) override;    // FormShow
    void closeEvent(QCloseEvent *e) override;  // FormClose: MenuCloseRouting

private:
    void choose(const QString &tag);
};

extern WindowHandle<TfrmMenuCertificati> frmMenuCertificati;

// `MenuCloseRouting`: the window that a route (trimmed) shows when the menu closes: the card of a
// tag, or nullptr for "avvio", for a card not built yet and for anything else (the launcher).
QWidget *CertificateMenuRoute(const QString &route);
