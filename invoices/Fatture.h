#pragma once
#include "common/ui/WindowBuild.h"
#include "invoices/InvoiceRecord.h"

#include <QWidget>

#include <array>

class ClickLabel;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class Record;
class RecordCard;
class RecordNavigator;
class SettingsBinding;
class StatusLine;

// The pro-forma invoice card: one invoice of one year's archive at a time. The archive is the file
// named in `lblFile`, written by the invoices menu before it shows the card. The named controls are
// the interface through which the other invoice windows read and fill the invoice.
class TfrmFatture : public QWidget {
    Q_OBJECT
public:
    template <typename T>
    using Lines = std::array<T *, InvoiceLineCount>;  // [0] is line 1, named "...01"

    explicit TfrmFatture(QWidget *parent = nullptr);
    ~TfrmFatture() override;

    // Issuer block.
    QLineEdit *txtDitta;
    QLineEdit *txtViaDitta;
    QLineEdit *txtCapDitta;
    QLineEdit *txtCittaDitta;
    QComboBox *txtProvDitta;
    QLineEdit *txtIvaDitta;
    QLineEdit *txtCodFiscDitta;
    QLineEdit *txtLibero01;
    QLineEdit *txtLibero02;
    // Customer block, with the six additional texts kept in hidden labels.
    QLineEdit *txtCliente;
    QLineEdit *txtViaCliente;
    QLineEdit *txtCapCliente;
    QLineEdit *txtCittaCliente;
    QComboBox *txtProvCliente;
    QLineEdit *txtIvaCliente;
    QLineEdit *txtCodFiscCliente;
    QLineEdit *txtRiferimenti;
    QLabel *memVeicolo;
    QLabel *memMarca;
    QLabel *memColore;
    QLabel *memImmatricolazione;
    QLabel *memAlimentazione;
    QLabel *memTarga;
    // Document block.
    QLineEdit *txtNumFatt;
    QLineEdit *txtData;
    QLineEdit *txtPagamento;
    QLineEdit *txtBanca;
    QLineEdit *txtIban;
    // The thirty article lines, five to a page.
    Lines<QLabel> lblNum{};
    Lines<QLineEdit> txtQuant{};
    Lines<QLineEdit> txtCodice{};
    Lines<QLineEdit> txtDesc{};
    Lines<QLineEdit> txtPrezzo{};
    Lines<QLineEdit> txtPercSconto{};
    Lines<QLabel> txtImporto{};
    Lines<QCheckBox> chkEs{};
    Lines<ClickLabel> impMag{};
    std::array<QFrame *, 6> grpPage{};  // "grpPage01".."grpPage06"
    // Totals and the bottom row.
    QLabel *txtTotImponibile;
    QLineEdit *txtPercIva;
    QLabel *txtTotImposta;
    QLabel *txtTotIva;
    QLabel *txtTotEsente;
    QLabel *txtTotFattura;
    QLineEdit *txtNote;
    QCheckBox *chkSaldata;
    // State labels.
    QLabel *lblFile;       // hidden: the full path of the year's archive
    QLabel *lblAnno;       // hidden: the year
    QLabel *lblPosizione;  // the record number of the invoice on the card; empty for a new one
    QLabel *lblInizio;     // hidden: the numbering start as New last read it
    QLabel *lblSolare;     // hidden: the year-suffix setting as New last read it
    StatusLine *panInfo;

    // Commands.
    ClickLabel *cmdNuovo;
    ClickLabel *cmdSalva;
    ClickLabel *cmdTrova;
    ClickLabel *cmdSospese;
    ClickLabel *cmdAnteprima;
    ClickLabel *cmdStampa;
    ClickLabel *cmdPDF;
    ClickLabel *cmdNumerazione;
    ClickLabel *cmdEsporta;
    ClickLabel *cmdRiepMensile;
    ClickLabel *cmdRiepTrimestrale;
    ClickLabel *cmdRiepAnnuale;
    ClickLabel *cmdGuida;
    ClickLabel *cmdEsci;
    ClickLabel *btnLogo;
    ClickLabel *btnCancDitta;
    ClickLabel *btnIvaDitta;
    ClickLabel *btnCodFiscDitta;
    ClickLabel *impCliente;
    ClickLabel *btnIvaCliente;
    ClickLabel *btnCodFiscCliente;
    ClickLabel *impOggi;
    QPushButton *cmdDatiComputer;
    QPushButton *cmdCalcola;

    // The record-card mechanics over the year's archive.
    RecordCard *card;

    // Empties the card for a new invoice, keeping the issuer, payment terms, bank, IBAN and VAT rate;
    // shows the first page of lines and puts the focus on the customer.
    void ClearInvoiceCard();
    // Puts a stored invoice on the card with its record number; the page shown and the focus stay.
    void LoadInvoiceIntoCard(const Record &invoice, int number);
    // Makes page `page` (1 to 6) of the lines the only one visible.
    void showPage(int page);
    // A page arrow: shows page `page` and puts the focus on the quantity of its first line.
    void turnPage(int page);

public slots:
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdCalcolaClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnCancDittaClick();
    void btnIvaDittaClick();
    void btnCodFiscDittaClick();
    void btnIvaClienteClick();
    void btnCodFiscClienteClick();
    void impClienteClick();
    void impOggiClick();
    void impMagClick(int line);

protected:
    void showEvent(QShowEvent *e) override;   // FormShow
    void closeEvent(QCloseEvent *e) override; // FormClose

private:
    void buildLayout();
    void buildLines(QWidget *area);
    void FormCreate();
    // Save's own checks after the required fields: the date, rewritten dd/mm/yyyy, and the number
    // texts that must fit their fields.
    bool checkBeforeSave();
    // Shows the line page that holds a field a message names.
    void revealField(QWidget *field);
    // When the date's year is not the archive's, asks whether to save all the same; No puts the
    // focus on the date and returns false.
    bool confirmArchiveYear();
    // Works out the line amounts and the totals into the card; on a text that does not convert
    // shows the warning naming it, puts the focus there and returns false.
    bool calculate();
    // What Calcola, Save and the document commands do first: every number edit takes its exit rule
    // (TidyInvoiceNumberEdit), then calculate().
    bool workOutFigures();
    // What any key in a line's number edit does first: the line's amount and the totals empty.
    void clearLineAmount(int line);
    void clearTotals();

    RecordNavigator *navigator_ = nullptr;
    SettingsBinding *issuerSettings_ = nullptr;
};

extern WindowHandle<TfrmFatture> frmFatture;
