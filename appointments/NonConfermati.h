#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/ListWindow.h"

// The open year's entries whose payment has been made (the name is the card's, not the content's);
// a double-click loads the entry into the appointment card.
class TfrmNonConfermati : public ListWindow {
    Q_OBJECT
public:
    explicit TfrmNonConfermati(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmNonConfermati> frmNonConfermati;
