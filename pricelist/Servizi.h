#pragma once
#include "common/ui/WindowBuild.h"
#include <QWidget>

#include <array>

class ClickLabel;
class QLabel;
class QLineEdit;
class QPushButton;
class RecordCard;
class RecordNavigator;

// The price-list card: one product or service of "Magazzino.pro" at a time, with its stock.
class TfrmServizi : public QWidget {
    Q_OBJECT
public:
    explicit TfrmServizi(QWidget *parent = nullptr);

    // Fields of the price-list record, in record order.
    QLineEdit *txtDescrizione;
    QLineEdit *txtPrezzo;
    QLineEdit *txtTipologia;
    QLineEdit *txtTempi;
    QLineEdit *txtSupplementi;
    QLineEdit *txtPersonale;
    QLineEdit *txtNote;
    QLineEdit *txtMarca;
    QLineEdit *txtCollocazione;
    QLineEdit *txtGiacenza;
    QLineEdit *txtSottoscorta;
    QLineEdit *txtCosto;
    QLineEdit *txtValore;
    QLineEdit *txtFornitore;
    QLineEdit *txtOrdine;
    // Attachments, written by the attach-files dialog.
    std::array<QLabel *, 3> lblFile{};  // "lblFile01".."lblFile03"
    std::array<QLabel *, 3> lblDesc{};  // "lblDesc01".."lblDesc03"

    // The record number of the card.
    QLabel *lblPosizione;

    // Commands.
    ClickLabel *cmdNuovo;
    ClickLabel *cmdDuplica;
    ClickLabel *cmdSalva;
    ClickLabel *cmdTrova;
    ClickLabel *cmdFile;
    ClickLabel *cmdStampa;
    ClickLabel *cmdEsporta;
    ClickLabel *cmdSottoscorta;
    ClickLabel *cmdGuida;
    ClickLabel *cmdEsci;
    QPushButton *btnAggiungi;
    QPushButton *btnSottrai;
    QPushButton *btnValore;

    // The record-card mechanics over "Magazzino.pro".
    RecordCard *card;

public slots:
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdFileClick();
    void cmdStampaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdEsportaClick();
    void cmdSottoscortaClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnAggiungiClick();
    void btnSottraiClick();
    void btnValoreClick();

protected:
    void showEvent(QShowEvent *e) override;   // FormShow
    void closeEvent(QCloseEvent *e) override; // FormClose
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void FormCreate();
    void buildLayout();
    // Brings the price, cost, stock, minimum stock and value to their saved form, or refuses
    // with a warning naming the field and the focus on it; a refusal changes nothing.
    bool normaliseNumbers();
    void openStockDialog(bool add);

    RecordNavigator *navigator_ = nullptr;
};

extern WindowHandle<TfrmServizi> frmServizi;
