#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/CheckDialog.h"

class QLineEdit;

// Every letter A to Z replaced by its number 10 to 35; every other character kept.
QString IbanLettersToDigits(const QString &text);

// The remainder (0 to 96) of the IBAN check: upper-cased, the first "IBAN" deleted, the first
// four characters moved to the end, the letters replaced by numbers, and the whole read as one
// number modulo 97. 0 when any character other than a digit is left after the letters.
int IbanMod97(const QString &text);

// True when the text, without its blanks, passes the check (IbanMod97 gives 1).
bool CheckIban(const QString &text);

// The IBAN check dialog.
class TfrmIban : public CheckDialog {
    Q_OBJECT
public:
    explicit TfrmIban(QWidget *parent = nullptr);

    QLineEdit *txtIban;

public slots:
    void btnControllaClick() override;
};

extern WindowHandle<TfrmIban> frmIban;

// The IBAN check command of the owner card: the dialog with the field's trimmed text.
void OpenIbanCheck(QWidget *owner, const QString &fieldText);
