#pragma once
#include "common/ui/CardPanel.h"

#include <QDialog>
#include <QString>

class QPushButton;
class QWidget;

// The face of a small dialog that runs one command: a white panel with a picture beside a heading
// and its explanation, a blue dividing line, a second picture beside what the command will do,
// and below the panel the buttons "Annulla" and the command's own.
struct ActionPanelSetup {
    PictureMaker headingPicture;   // beside the heading (imgTitolo)
    QString heading;               // lblTitolo
    QString explanation;           // lblSpiegazione, under the heading
    PictureMaker actionPicture;    // beside the action text (imgAzione)
    QString actionText;            // lblAzione
    QString actionButton;          // the command's button, named btnStampa
};

// A fixed dialog with that face, which runs its command for the window that opened it (its
// source, a card whose controls it reads): centred on the source when shown, closed by "Annulla".
// The pictures are drawn when the window is first shown.
class ActionDialog : public QDialog {
    Q_OBJECT
public:
    ActionDialog(QWidget *parent, const QString &name, const QString &caption, QSize clientSize,
                 const ActionPanelSetup &setup);

    // The window the command reads; set by the opener before the dialog is shown.
    void setSource(QWidget *source) { source_ = source; }
    QWidget *source() const { return source_; }

    QPushButton *btnAnnulla;
    QPushButton *btnStampa;

public slots:
    void btnAnnullaClick();
    virtual void btnStampaClick() = 0;

protected:
    void showEvent(QShowEvent *e) override;

private:
    QWidget *source_ = nullptr;
};
