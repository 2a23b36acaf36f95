#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/CheckDialog.h"

class QLineEdit;

// True when the 16-character tax code carries the right control character. A text of any other
// length, or with a character outside "0".."Z" among its first fifteen, is not valid.
bool CheckTaxCode(const QString &code);

// The tax-code check dialog.
class TfrmCodFisc : public CheckDialog {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget *parent = nullptr);

    QWidget *shpCodFisc;
    QLineEdit *txtCodFisc;

public slots:
    void btnControllaClick() override;
};

extern WindowHandle<TfrmCodFisc> frmCodFisc;

// The tax-code check command of the cards: a field of digits only goes to the VAT-number dialog,
// anything else (empty too) to the tax-code dialog.
void OpenTaxCodeCheck(QWidget *owner, const QString &fieldText);
