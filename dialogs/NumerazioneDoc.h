#pragma once
#include "common/ui/WindowBuild.h"
#include <QDialog>
#include <QString>

class HighlightRect;
class IniFile;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The certificate numbering dialog: the number from which one certificate type's automatic
// numbering starts, kept in "Tavoren.ini" under the section that the tag names.
class TfrmNumerazioneDoc : public QDialog {
    Q_OBJECT
public:
    explicit TfrmNumerazioneDoc(QWidget *parent = nullptr);

    QLabel *imgLogo;
    QLabel *icoIstruzioni;
    QLabel *icoMano;
    QGroupBox *grpNumerazione;
    HighlightRect *effInizio;
    QLineEdit *txtInizio;
    QPushButton *btnAnnulla;
    QPushButton *btnApplica;
    QLabel *lblMemory;

public slots:
    void txtInizioExit();
    void btnApplicaClick();
    void btnAnnullaClick();

protected:
    void showEvent(QShowEvent *e) override; // FormShow
    bool eventFilter(QObject *watched, QEvent *e) override;

    // The settings section that the tag selects, or the empty text when it selects none.
    virtual QString settingsSection() const;
    // Fill the controls from the section, and write them into it (saved afterwards as one file).
    virtual void readSettings(const IniFile &settings, const QString &section);
    virtual void writeSettings(IniFile &settings, const QString &section) const;
};

extern WindowHandle<TfrmNumerazioneDoc> frmNumerazioneDoc;

// The settings section of the certificate type that a tag names (the tag is trimmed first), or
// the empty text when it names none.
QString NumberingStartByTag(const QString &tag);

// How a certificate card opens the numbering dialog: owned by the card, with the card's tag and
// the caption that goes with it, shown modally and destroyed when it closes.
void OpenNumberingDialog(QWidget *card, const QString &tag);
