#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/ListWindow.h"

// The open year's entries whose payment is still to be made (the name is the card's, not the
// content's); a double-click loads the entry into the appointment card.
class TfrmConfermati : public ListWindow {
    Q_OBJECT
public:
    explicit TfrmConfermati(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmConfermati> frmConfermati;
