#pragma once
#include "common/ui/WindowBuild.h"
#include <QWidget>

#include <array>

class ClickLabel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class RecordCard;
class RecordNavigator;

// The owner card: one owner of "Proprietari.pro" at a time.
class TfrmClienti : public QWidget {
    Q_OBJECT
public:
    explicit TfrmClienti(QWidget *parent = nullptr);

    // Fields of the owner record, in record order.
    QLineEdit *txtCliente;
    QLineEdit *txtDataNasc;
    QLineEdit *txtComuneNasc;
    QComboBox *txtProvNasc;
    QLineEdit *txtSesso;
    QLineEdit *txtRecapito;
    QLineEdit *txtIndirizzoRes;
    QComboBox *txtProvRes;
    QLineEdit *txtComuneRes;
    QLineEdit *txtCapRes;
    QLineEdit *txtEstremi;
    QLineEdit *txtTelCasa;
    QLineEdit *txtTelUff;
    QLineEdit *txtTelCel;
    QLineEdit *txtFax;
    QLineEdit *txtEmail;
    QLineEdit *txtCodFisc;
    QLineEdit *txtCarta;
    QLineEdit *txtScadeCarta;
    QLineEdit *txtPartitaIva;
    QLineEdit *txtIban;
    QLineEdit *txtDocumento;
    QLineEdit *txtOccupazione;
    QLineEdit *txtCivile;
    QLineEdit *txtTitoli;
    QLineEdit *txtCaniOra;
    QLineEdit *txtCaniPrima;
    QLineEdit *txtQuestioni;
    QLineEdit *txtNote;
    QCheckBox *chkRicontatta;
    // Attachments, written by the attach-files dialog.
    std::array<QLabel *, 3> lblFile{};  // "lblFile01".."lblFile03"
    std::array<QLabel *, 3> lblDesc{};  // "lblDesc01".."lblDesc03"

    // The record number of the card.
    QLabel *lblPosizione;

    // Commands.
    ClickLabel *cmdNuovo;
    ClickLabel *cmdDuplica;
    ClickLabel *cmdFile;
    ClickLabel *cmdSalva;
    ClickLabel *cmdTrova;
    ClickLabel *cmdAnteprima;
    ClickLabel *cmdStampa;
    ClickLabel *cmdPDF;
    ClickLabel *cmdRicontatta;
    ClickLabel *cmdEsporta;
    ClickLabel *cmdGuida;
    ClickLabel *cmdEsci;
    ClickLabel *btnCodFisc;
    ClickLabel *btnPartitaIva;
    ClickLabel *btnCarta;
    ClickLabel *btnIban;
    ClickLabel *btnEmail;
    ClickLabel *btnPrivacy;

    // The record-card mechanics over "Proprietari.pro".
    RecordCard *card;

public slots:
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdFileClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdPDFClick();
    void cmdRicontattaClick();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void btnCodFiscClick();
    void btnPartitaIvaClick();
    void btnCartaClick();
    void btnIbanClick();
    void btnEmailClick();
    void btnPrivacyClick();

protected:
    void showEvent(QShowEvent *e) override;   // FormShow
    void closeEvent(QCloseEvent *e) override; // FormClose

private:
    void FormCreate();
    void buildLayout();

    RecordNavigator *navigator_ = nullptr;
};

extern WindowHandle<TfrmClienti> frmClienti;
