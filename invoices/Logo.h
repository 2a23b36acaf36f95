#pragma once
#include "common/ui/WindowBuild.h"
#include <QDialog>
#include <QImage>

class ClickLabel;
class QLabel;
class QPushButton;

// The logo dialog: the picture that the invoices print as the issuing practice's logo, kept as
// "Logo.bmp" in the program folder. Only "Applica e chiudi" writes the file.
class TfrmLogo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLogo(QWidget *parent = nullptr);

    QLabel *imgTitolo;
    QLabel *imgLogo;
    QLabel *imgTemp;     // hidden: the default picture
    QLabel *imgBianco;   // hidden: the blank picture
    QPushButton *btnSfoglia;
    ClickLabel *btnCancLogo;
    ClickLabel *imgEuro;
    QPushButton *btnAnnulla;
    QPushButton *btnApplica;

    // The picture being edited, at its own size.
    const QImage &logo() const { return logo_; }

public slots:
    void btnSfogliaClick();
    void btnCancLogoClick();
    void imgEuroClick();
    void btnApplicaClick();
    void btnAnnullaClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void setLogo(const QImage &picture);
    QImage logo_;
};

extern WindowHandle<TfrmLogo> frmLogo;

// How the invoice card opens the dialog: owned by the card, shown modally, destroyed when it closes.
void OpenLogoDialog(QWidget *card);
