#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// True when the text is 11 digits "0".."9" whose last one is the right control digit.
bool CheckVatNumber(const QString &number);

// One row of the table of VAT offices: the office code (characters 8 to 10 of a VAT number) and
// the name of the office's town.
struct VatOffice {
    const char *code;
    const char *name;  // UTF-8
};
extern const VatOffice VatOfficeTable[104];

// The town of the office whose code is exactly `code3`; empty when no row has it.
QString VatOfficeName(const QString &code3);

// The VAT-number check dialog.
class TfrmPartitaIva : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget *parent = nullptr);

    QLabel *imgLogo;
    QLabel *lblTitolo;
    QWidget *shpPartitaIva;
    QLineEdit *txtPartitaIva;
    QPushButton *btnControlla;
    QPushButton *btnChiudi;

public slots:
    void btnControllaClick();
    void btnChiudiClick();

protected:
    void showEvent(QShowEvent *e) override;
};

extern TfrmPartitaIva *frmPartitaIva;

// The VAT-number check command of the cards: the VAT-number dialog with the field's trimmed text.
void OpenVatCheck(QWidget *owner, const QString &fieldText);
