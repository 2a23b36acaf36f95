#pragma once
#include "common/ui/WindowBuild.h"
#include <QDialog>
#include <QString>

#include "common/ui/SettingsBinding.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// The privacy-notice window: the practice's data, kept in the section "Modulo Privacy" of
// "Tavoren.ini", and the client's, copied in by the owner card, written as the document
// "Modulo_Privacy.rtf" for the client to sign.
class TfrmPrivacy : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPrivacy(QWidget *parent = nullptr);

    // The practice.
    QLineEdit *txtStudioDent;
    QLineEdit *txtTelDent;
    QLineEdit *txtIvaDent;
    QLineEdit *txtCodFiscDent;
    QLineEdit *txtCittaDent;
    QComboBox *txtProvDent;
    QLineEdit *txtIndirizzoDent;
    QLineEdit *txtCapDent;
    // The client.
    QLineEdit *txtPaziente;
    QLineEdit *txtComuneNasc;
    QComboBox *txtProvNasc;
    QLineEdit *txtDataNasc;
    QLineEdit *txtCodFisc;
    QLineEdit *txtComuneRes;
    QComboBox *txtProvRes;
    QLineEdit *txtIndirizzo;
    QLineEdit *txtCapRes;
    QLineEdit *txtRecapito;
    // The data controller, and the date and place of signature.
    QLineEdit *txtPrivacy;
    QLineEdit *txtData;
    QLineEdit *txtLuogo;

    QPushButton *btnRTF;
    QPushButton *btnChiudi;

    // The document "Modulo_Privacy.rtf" from the fields as they stand, before its conversion to
    // Windows-1252: one line, the values trimmed and escaped.
    QString RtfExport() const;

public slots:
    void btnRTFClick();
    void btnChiudiClick();

protected:
    void showEvent(QShowEvent *e) override; // FormShow
    // Every way out of the window keeps the practice's data in the settings.
    void done(int result) override;

private:
    // The practice's ten fields and their keys in "Modulo Privacy".
    SettingsBinding settings() const;
    // Writes the ten settings; a failure is reported in the standard error box.
    bool writeSettings();
    bool settingsWritten = false;
};

extern WindowHandle<TfrmPrivacy> frmPrivacy;
