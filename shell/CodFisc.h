#pragma once
#include "common/Platform.h"
#include "common/Text.h"

#include <QDialog>
#include <QPixmap>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

// True when the 16-character tax code carries the right control character. A text of any other
// length, or with a character outside "0".."Z" among its first fifteen, is not valid.
bool CheckTaxCode(const QString &code);

// The tax-code check dialog.
class TfrmCodFisc : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget *parent = nullptr);

    QLabel *imgLogo;
    QLabel *lblTitolo;
    QWidget *shpCodFisc;
    QLineEdit *txtCodFisc;
    QPushButton *btnControlla;
    QPushButton *btnChiudi;

public slots:
    void btnControllaClick();
    void btnChiudiClick();

protected:
    void showEvent(QShowEvent *e) override;
};

extern TfrmCodFisc *frmCodFisc;

// The controls both check dialogs share, created and laid out alike: the heading picture, the
// prompt, the edit on its gradient shape, "Controlla" beside the edit and "Chiudi" under it.
struct CheckDialogParts {
    QLabel *imgLogo;
    QLabel *lblTitolo;
    QWidget *shape;
    QLineEdit *edit;
    QPushButton *btnControlla;
    QPushButton *btnChiudi;
};
// Sets up the frame (fixed client width x 254, no title-bar buttons, centred, gradient) and the
// controls. Enter in the edit moves the focus to "Controlla" without pressing it; Enter on a
// focused button presses that button.
CheckDialogParts BuildCheckDialog(QDialog *dialog, int width, const QString &caption,
                                  QPixmap (*heading)(QSize), const QString &prompt,
                                  const QString &shapeName, const QString &editName);

// How a card opens a check dialog: a new dialog owned by the card, the trimmed field text in its
// edit, shown modally and destroyed when it closes. Nothing comes back to the card.
template <typename Dialog, typename Edit>
void CheckDialogCall(QWidget *owner, Edit *Dialog::*edit, const QString &fieldText)
{
    std::unique_ptr<Dialog> dialog(new Dialog(owner));
    (dialog.get()->*edit)->setText(TrimText(fieldText));
    ShowModal(dialog.get());
}

// The tax-code check command of the cards: a field of digits only goes to the VAT-number dialog,
// anything else (empty too) to the tax-code dialog.
void OpenTaxCodeCheck(QWidget *owner, const QString &fieldText);
