#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/CheckDialog.h"

class QLineEdit;

// The Luhn check over the digits among the first 20 characters of the text. 0 when the check
// digit is wrong or there is no digit; otherwise the first digit's code minus the code of "2"
// (1 for a number beginning with 3, 2 for 4, 3 for 5, 4 for 6, and -2, -1, 0, 5, 6, 7 for
// 0, 1, 2, 7, 8, 9).
int CheckCardNumber(const QString &text);

// The type of card for a result of CheckCardNumber and the first two characters of the trimmed
// number; empty when the result names no type.
QString CardTypeName(int result, const QString &trimmed);

// The payment-card check dialog.
class TfrmCarta : public CheckDialog {
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget *parent = nullptr);

    QLineEdit *txtNumero;

public slots:
    void btnControllaClick() override;
};

extern WindowHandle<TfrmCarta> frmCarta;

// The payment-card check command of the owner card: the dialog with the field's trimmed text.
void OpenCardCheck(QWidget *owner, const QString &fieldText);
