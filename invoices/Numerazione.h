#pragma once
#include "common/ui/WindowBuild.h"
#include "dialogs/NumerazioneDoc.h"

class QCheckBox;

// The invoice numbering dialog: the number from which New numbers the invoices and whether the
// number carries the current year, kept in "Tavoren.ini" under "Numerazione Fatture".
class TfrmNumerazione : public TfrmNumerazioneDoc {
    Q_OBJECT
public:
    explicit TfrmNumerazione(QWidget *parent = nullptr);

    QCheckBox *chkTipo;

protected:
    QString settingsSection() const override;
    void readSettings(const IniFile &settings, const QString &section) override;
    void writeSettings(IniFile &settings, const QString &section) const override;
};

extern WindowHandle<TfrmNumerazione> frmNumerazione;

// How the invoice card opens the dialog: owned by the card, with the tag "fatture" and its
// caption, shown modally and destroyed when it closes.
void OpenInvoiceNumbering(QWidget *card);
