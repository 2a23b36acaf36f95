#pragma once
#include "common/ui/WindowBuild.h"
#include <QWidget>

class ClickLabel;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class RecordCard;
class RecordNavigator;

// The deadlines and appointments of one calendar year, one entry at a time, in the year's archive
// "YYYY.sca". The start panel, shown at every showing of the window, opens a year, reminds of the
// imminent entries of the current year and opens the views of a day or a month.
class TfrmScadenzario : public QWidget {
    Q_OBJECT
public:
    explicit TfrmScadenzario(QWidget *parent = nullptr);

    // --- start panel ---
    QFrame *panAvvio;
    QLineEdit *txtAnno;
    QPushButton *btnApri;
    QPushButton *btnOK;
    ClickLabel *btnGiorno;
    ClickLabel *btnMese;
    QCalendarWidget *calAppuntamenti;
    QLabel *imgPresenti;
    QLabel *imgAssenti;
    ClickLabel *imgGuida;
    ClickLabel *imgEsci;
    // The full path of the archive of the open year.
    QLabel *lblFile;

    // --- card ---
    QFrame *panContainer;
    QComboBox *txtGiorno;
    QComboBox *txtMese;
    QLabel *lblAnno;
    QLabel *lblData;
    QComboBox *txtOreApp;
    QComboBox *txtMinutiApp;
    QLabel *lblOra;
    QLineEdit *txtAvviso;
    QLineEdit *txtProprietario;
    QLineEdit *txtCodFisc;
    QLineEdit *txtRecapito;
    QLineEdit *txtNome;
    QLineEdit *txtDataNasc;
    QLineEdit *txtRazza;
    QLineEdit *txtMantello;
    QLineEdit *txtMicrochip;
    QLineEdit *txtSegni;
    QLineEdit *txtPersona;
    QLineEdit *txtDettagli;
    QLineEdit *txtOfficina;
    QLineEdit *txtCosto;
    QLineEdit *txtContatto;
    QLineEdit *txtNote;
    QCheckBox *chkDaConfermare;
    QCheckBox *chkEffettuata;
    QLabel *lblPosizione;
    QLabel *panInfo;

    ClickLabel *cmdNuovo;
    ClickLabel *cmdDuplica;
    ClickLabel *cmdImporta;
    ClickLabel *cmdSalva;
    ClickLabel *cmdTrova;
    ClickLabel *cmdStampa;
    ClickLabel *cmdEsporta;
    ClickLabel *cmdDaConfermare;
    ClickLabel *cmdDaEffettuare;
    ClickLabel *cmdEffettuate;
    ClickLabel *cmdGuida;
    ClickLabel *cmdEsci;
    ClickLabel *btnCodFisc;

    RecordCard *card;

    // `ClearAppointmentCard`: the new card of the open year.
    void ClearAppointmentCard();

public slots:
    void btnApriClick();
    void btnOKClick();
    void btnGiornoClick();
    void btnMeseClick();
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdImportaClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdDaConfermareClick();
    void cmdDaEffettuareClick();
    void cmdEffettuateClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void btnCodFiscClick();

protected:
    void showEvent(QShowEvent *e) override;    // FormShow
    void closeEvent(QCloseEvent *e) override;  // FormClose
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void FormCreate();
    void buildStartPanel(QFrame *panel);
    void buildCard(QFrame *panel);
    // The reminder of the current year's imminent entries: pictures, OK command and sound.
    void CheckReminder();
    // Save's checks of the card, in order; false when one failed (its warning shown).
    bool saveChecks();
    void dropComboSelections();

    RecordNavigator *navigator_ = nullptr;
    bool soundLoaded_ = false;
};

extern WindowHandle<TfrmScadenzario> frmScadenzario;
