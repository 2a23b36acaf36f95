#pragma once
#include "common/ui/WindowBuild.h"
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TfrmFatture;

// The additional-information dialog: the six short free texts of the invoice on the card (animal,
// discounts, total of the therapy, instalments, payments, late-payment interest), which the card
// keeps in hidden labels and stores with the invoice.
class TfrmDatiVeicolo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDatiVeicolo(QWidget *parent = nullptr);

    QLabel *imgFoto;
    QLabel *lblIstruzioni;
    QLineEdit *txtVeicolo;
    QLineEdit *txtMarca;
    QLineEdit *txtColore;
    QLineEdit *txtImmatricolazione;
    QLineEdit *txtAlimentazione;
    QLineEdit *txtTarga;
    QPushButton *btnAnnulla;
    QPushButton *btnApplica;
    QLabel *lblMemory;

public slots:
    void btnApplicaClick();
    void btnAnnullaClick();

protected:
    void showEvent(QShowEvent *e) override;
};

extern WindowHandle<TfrmDatiVeicolo> frmDatiVeicolo;

// `ExtraInfoHandBack`: with the tag "fatture" (trimmed), each of the invoice card's six hidden
// labels takes the trimmed text of its edit; any other tag writes nothing.
void ExtraInfoHandBack(const TfrmDatiVeicolo &dialog);

// How the invoice card opens the dialog: owned by the card, with the tag "fatture" and the card's
// six texts trimmed, shown modally and destroyed when it closes.
void OpenExtraInfo(TfrmFatture *card);
