#pragma once
#include "common/ui/CardPanel.h"

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

struct ActionPanelButtons {
    QPushButton *cancel;  // btnAnnulla
    QPushButton *action;  // btnStampa
};

// Builds the panel and the buttons into a fixed window of the given client size; the pictures are
// drawn when the window is first shown.
ActionPanelButtons MakeActionPanel(QWidget *window, QSize clientSize, const ActionPanelSetup &setup);
