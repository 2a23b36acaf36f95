#pragma once
#include <QWidget>

class ClickLabel;
class HighlightRect;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class RecordCard;

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
    QLabel *lblFile01;
    QLabel *lblFile02;
    QLabel *lblFile03;
    QLabel *lblDesc01;
    QLabel *lblDesc02;
    QLabel *lblDesc03;

    // Focus highlights, one behind each edit.
    HighlightRect *effCliente;
    HighlightRect *effDataNasc;
    HighlightRect *effComuneNasc;
    HighlightRect *effProvNasc;
    HighlightRect *effSesso;
    HighlightRect *effRecapito;
    HighlightRect *effIndirizzoRes;
    HighlightRect *effProvRes;
    HighlightRect *effComuneRes;
    HighlightRect *effCapRes;
    HighlightRect *effEstremi;
    HighlightRect *effTelCasa;
    HighlightRect *effTelUff;
    HighlightRect *effTelCel;
    HighlightRect *effFax;
    HighlightRect *effEmail;
    HighlightRect *effCodFisc;
    HighlightRect *effCarta;
    HighlightRect *effScadeCarta;
    HighlightRect *effPartitaIva;
    HighlightRect *effIban;
    HighlightRect *effDocumento;
    HighlightRect *effOccupazione;
    HighlightRect *effCivile;
    HighlightRect *effTitoli;
    HighlightRect *effCaniOra;
    HighlightRect *effCaniPrima;
    HighlightRect *effQuestioni;
    HighlightRect *effNote;

    // Frame of the card.
    QFrame *panScheda;
    QFrame *shpSezione01;
    QFrame *shpSezione02;
    QFrame *shpSezione03;
    QFrame *shpSezione04;
    QFrame *shpSezione05;
    QLabel *imgSezione01;
    QLabel *imgSezione02;
    QLabel *imgSezione03;
    QLabel *imgSezione04;
    QLabel *imgSezione05;
    QFrame *shpComandi;
    QLabel *imgDecorazione;
    QLabel *panInfo;
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
    ClickLabel *cmdPrimo;
    ClickLabel *cmdIndietro;
    ClickLabel *cmdAvanti;
    ClickLabel *cmdUltimo;
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
    void resizeEvent(QResizeEvent *e) override;

private:
    void FormCreate();
    void buildLayout();
    void centerPanel();
};

extern TfrmClienti *frmClienti;
