#pragma once
#include "certificates/CertificateType.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class ClickLabel;
class QLabel;
class QLineEdit;
class RecordCard;
class RecordNavigator;
class SettingsBinding;
class StatusLine;

// The record card of a certificate type: one certificate of the type's archive in its edits, the
// practice header kept in "Intestazione Studio", New numbering from the type's start number, the
// date picker on the date edit, the owner and animal imports, the numbering dialog, the tax-code
// check, help and hints. Everything that differs between types comes from the declaration.
class CertificateCard : public QWidget {
    Q_OBJECT
public:
    explicit CertificateCard(const CertificateType &type, QWidget *parent = nullptr);
    ~CertificateCard() override;

    const CertificateType &type() const { return type_; }
    // The edit of a record field ("Data": txtData), or nullptr.
    QLineEdit *edit(const QString &field) const;

    RecordCard *card = nullptr;
    StatusLine *panInfo = nullptr;
    QLabel *lblPosizione = nullptr;
    ClickLabel *cmdNuovo = nullptr;
    ClickLabel *cmdDuplica = nullptr;
    ClickLabel *cmdSalva = nullptr;
    ClickLabel *cmdTrova = nullptr;
    ClickLabel *cmdAnteprima = nullptr;
    ClickLabel *cmdStampa = nullptr;
    ClickLabel *cmdEsporta = nullptr;
    ClickLabel *cmdNumerazione = nullptr;
    ClickLabel *cmdGuida = nullptr;
    ClickLabel *cmdEsci = nullptr;
    ClickLabel *impProprietario = nullptr;
    ClickLabel *impNomeAni = nullptr;
    ClickLabel *btnCodFisc = nullptr;

public slots:
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdEsportaClick();
    void cmdNumerazioneClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void impProprietarioClick();
    void impNomeAniClick();
    void btnCodFiscClick();

    // `ClearCertificateCard`: empties every edit but the issuer's data and the record number,
    // puts the type's presets and focuses its first field.
    void ClearCertificateCard();

protected:
    void showEvent(QShowEvent *e) override;    // FormShow
    void closeEvent(QCloseEvent *e) override;  // FormClose
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void buildLayout();
    void FormCreate();
    void today(const char *field);
    void runDeclared(const std::function<void(QWidget *)> &command);

    const CertificateType &type_;
    std::vector<QLineEdit *> edits_;  // one per field of the layout, in layout order
    QHash<QString, QLineEdit *> byField_;
    RecordNavigator *navigator_ = nullptr;
    std::unique_ptr<SettingsBinding> header_;
};
