#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/CheckDialog.h"

class QLineEdit;

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
class TfrmPartitaIva : public CheckDialog {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget *parent = nullptr);

    QWidget *shpPartitaIva;
    QLineEdit *txtPartitaIva;

public slots:
    void btnControllaClick() override;
};

extern WindowHandle<TfrmPartitaIva> frmPartitaIva;

// The VAT-number check command of the cards: the VAT-number dialog with the field's trimmed text.
void OpenVatCheck(QWidget *owner, const QString &fieldText);
