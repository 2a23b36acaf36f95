#pragma once
#include "common/ui/WindowBuild.h"
#include <QPixmap>
#include <QWidget>

#include <array>

class ClickLabel;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class RecordCard;
class RecordNavigator;
class StatusLine;

// The animal card: one animal of "Anagrafica_Animali.pro" at a time, with its photo in "Album",
// its document folder under "Cartelle_Abbinate", its attachments and its cost register.
class TfrmCani : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCani(QWidget *parent = nullptr);

    // The head, always shown.
    QLineEdit *txtNome;
    QLineEdit *txtSesso;
    QLineEdit *txtDataNasc;
    QLineEdit *txtGruppo;
    QLineEdit *txtRazza;
    // "Dati psicosomatici".
    QLineEdit *txtMantello;
    QLineEdit *txtPelo;
    QLineEdit *txtSegni;
    QLineEdit *txtAltezza;
    QLineEdit *txtLunghezza;
    QLineEdit *txtTaglia;
    QLineEdit *txtPeso;
    QLineEdit *txtSterilizzato;
    QLineEdit *txtLibretto;
    QLineEdit *txtMedico;
    QLineEdit *txtROI;
    QLineEdit *txtMicrochip;
    QLineEdit *txtDataApp;
    QLineEdit *txtLocalizzazione;
    QLineEdit *txtTatuaggio;
    QLineEdit *txtPedigree;
    QLineEdit *txtAggressivo;
    QLineEdit *txtGuinzaglio;
    QLineEdit *txtGiochi;
    QLineEdit *txtNote;
    // "Albero genealogico".
    QLineEdit *txtProprietario;
    QLineEdit *txtRecapito;
    QLineEdit *txtCodFisc;
    QLineEdit *txtComuneRes;
    QLineEdit *txtInizioProp;
    QLineEdit *txtAllevatore;
    QLineEdit *txtPassaggi;
    QLineEdit *txtPadre;
    QLineEdit *txtNonniPat;
    QLineEdit *txtBisnonniPat;
    QLineEdit *txtTrisnonniPat;
    QLineEdit *txtMadre;
    QLineEdit *txtNonniMat;
    QLineEdit *txtBisnonniMat;
    QLineEdit *txtTrisnonniMat;
    QLineEdit *txtCampionatiIta;
    QLineEdit *txtCampionatiInt;
    QLineEdit *txtTitoli;
    QLineEdit *txtAccompagnatori;
    QLineEdit *txtIscrizioni;
    // "Situazione sanitaria".
    QLineEdit *txtVaccinazioni;
    QLineEdit *txtSverminazioni;
    QLineEdit *txtTrattamenti;
    QLineEdit *txtAccertamenti;
    QLineEdit *txtMalattie;
    QLineEdit *txtInterventi;
    QLineEdit *txtProfilassi;
    QLineEdit *txtDifetti;
    QLineEdit *txtAlimentazione;
    // Attachments, written by the attach-files dialog.
    std::array<QLabel *, 3> lblFile{};  // "lblFile01".."lblFile03"
    std::array<QLabel *, 3> lblDesc{};  // "lblDesc01".."lblDesc03"

    // The record number of the card.
    QLabel *lblPosizione;
    // The photo (held at its own size, drawn scaled to the frame) and the placeholder picture.
    QLabel *imgFoto;
    QLabel *imgBianco;

    // The four sections, exactly one shown, and their buttons.
    QFrame *panPsicosomatica;
    QFrame *panAlbero;
    QFrame *panSanitaria;
    QFrame *panDocumenti;
    QPushButton *btnPsicosomatica;
    QPushButton *btnAlbero;
    QPushButton *btnSanitaria;
    QPushButton *btnDocumenti;
    QPushButton *btnCartella;
    QPushButton *btnCosti;

    // Commands.
    ClickLabel *cmdNuovo;
    ClickLabel *cmdDuplica;
    ClickLabel *cmdSalva;
    ClickLabel *cmdTrova;
    ClickLabel *cmdFile;
    ClickLabel *cmdAnteprima;
    ClickLabel *cmdStampa;
    ClickLabel *cmdEsporta;
    ClickLabel *cmdGuida;
    ClickLabel *cmdEsci;
    ClickLabel *btnCaricaFoto;
    ClickLabel *btnSalvaFoto;
    ClickLabel *btnCancFoto;
    ClickLabel *btnZoomFoto;
    ClickLabel *btnCodFisc;
    ClickLabel *btnCarta;

    // The record-card mechanics over "Anagrafica_Animali.pro".
    RecordCard *card;

    // Where the picture on screen comes from; it decides whether Save writes the album file.
    enum class PhotoSource {
        Album,       // the album's own photo of this record, read as it is: never rewritten
        Unreadable,  // the album holds a file for this record that could not be read: never replaced
        Changed,     // loaded or cleared by the user: written at the next Save
        Missing,     // no photo exists (a new card, or a record without a file): the placeholder is written
    };
    PhotoSource photoSource() const { return photoSource_; }

public slots:
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdFileClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void btnPsicosomaticaClick();
    void btnAlberoClick();
    void btnSanitariaClick();
    void btnDocumentiClick();
    void btnCaricaFotoClick();
    void btnSalvaFotoClick();
    void btnCancFotoClick();
    void btnZoomFotoClick();
    void btnCodFiscClick();
    void btnCartaClick();
    void btnCartellaClick();
    void btnCostiClick();

    // Empties the card and shows section 1.
    void ClearAnimalCard();
    // The photo of the record on screen, or the placeholder (after navigation and the hand-back).
    void LoadAnimalPhoto();
    // Writes the picture on screen as the photo of the record on screen, when it is not already
    // the album's own.
    void SaveAnimalPhoto();

protected:
    void showEvent(QShowEvent *e) override;   // FormShow
    void closeEvent(QCloseEvent *e) override; // FormClose

private:
    void FormCreate();
    void buildLayout();
    QFrame *buildHead(QFrame *panel, StatusLine *status);
    void buildSections(QFrame *panel, StatusLine *status);
    void buildCommands(QFrame *panel, StatusLine *status);
    void showSection(QFrame *section);
    void showPlaceholder(PhotoSource source);
    // The number of the record on screen when it is a saved record; 0 otherwise.
    int savedNumber() const;

    RecordNavigator *navigator_ = nullptr;
    PhotoSource photoSource_ = PhotoSource::Missing;
};

extern WindowHandle<TfrmCani> frmCani;
