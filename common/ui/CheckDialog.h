#pragma once
#include "common/ui/EditRules.h"
#include "common/ui/Look.h"
#include "common/Platform.h"
#include "common/Text.h"

#include <QColor>
#include <QDialog>
#include <QSize>
#include <memory>

class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;

// Colours of the check dialogs and of their heading pictures.
namespace CheckColors {
using Look::Navy;
using Look::Blue;
using Look::Sky;
using Look::Pale;
} // namespace CheckColors

// The small modal dialogs that check a code typed or put in by a card: a fixed frame (no
// title-bar buttons, centred, gradient), a heading picture, a prompt, the edit on a gradient
// shape, "Controlla" beside the edit and "Chiudi" under it. Enter in the edit moves the focus to
// "Controlla" without pressing it; Enter on a focused button presses that button. Showing the
// dialog puts the focus in the edit. Each dialog runs its own check in btnControllaClick.
class CheckDialog : public QDialog {
    Q_OBJECT
public:
    QLabel *imgLogo;
    QLabel *lblTitolo;
    QPushButton *btnControlla;
    QPushButton *btnChiudi;

public slots:
    virtual void btnControllaClick() = 0;
    void btnChiudiClick();

protected:
    struct Look {
        QString name;      // the dialog's object name
        QSize client;
        QString caption;
        // Draws the heading's icon at the left of a picture `height` high and returns where the
        // heading's title may begin.
        qreal (*drawIcon)(QPainter &p, qreal height);
        QString title;     // the words of the heading picture
        QString prompt;
        QString editName;
        QString shapeName; // empty: the shape behind the edit is decoration only
        EditRules rules;   // what typing may do in the edit
        bool boldEdit;
    };
    CheckDialog(QWidget *parent, const Look &look);

    QWidget *shape;
    QLineEdit *edit;

    void showEvent(QShowEvent *e) override;
    // A warning after which the dialog stays open with the focus back in the edit.
    void warnAndRetry(const QString &text);
    // The verdict notice; the dialog closes after it.
    void giveVerdict(NoticeKind kind, const QString &text);
};

// How a card opens a check dialog: a new dialog owned by the card, the trimmed field text in its
// edit, shown modally and destroyed when it closes. Nothing comes back to the card.
template <typename Dialog, typename Edit>
void CheckDialogCall(QWidget *owner, Edit *Dialog::*edit, const QString &fieldText)
{
    std::unique_ptr<Dialog> dialog(new Dialog(owner));
    (dialog.get()->*edit)->setText(TrimText(fieldText));
    ShowModal(dialog.get());
}
