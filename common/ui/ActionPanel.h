#pragma once
#include "common/ui/CardPanel.h"

#include <QDialog>
#include <QRect>
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

// The other face of such a dialog: the window's gradient from `top` to white, a white ground
// (shpSfondo) behind one explanatory picture (imgLogo02) that carries the heading and the texts
// as drawn text, and the buttons "Annulla" and the command's own at the places given, in Verdana
// with a hand cursor.
struct ActionPictureSetup {
    QColor top;
    QRect ground;          // shpSfondo
    QRect picture;         // imgLogo02, shown at its own size
    PictureMaker draw;
    QString words;         // what the picture says, as its accessible description
    QRect cancelPlace;     // btnAnnulla
    QRect actionPlace;     // btnStampa
    QString actionButton;
};

// A fixed dialog with either face, which runs its command for the window that opened it (its
// source, a card whose controls it reads): centred on the source when shown, closed by "Annulla".
// The pictures are drawn when the window is first shown.
class ActionDialog : public QDialog {
    Q_OBJECT
public:
    ActionDialog(QWidget *parent, const QString &name, const QString &caption, QSize clientSize,
                 const ActionPanelSetup &setup);
    ActionDialog(QWidget *parent, const QString &name, const QString &caption, QSize clientSize,
                 const ActionPictureSetup &setup);

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
    void setUp(const QString &name, const QString &caption, QSize clientSize);
    void makeButtons(const QString &action, const QRect &cancelPlace, const QRect &actionPlace);

    QWidget *source_ = nullptr;
};
