#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/ListWindow.h"

// The owners whose flag "Da ricontattare" is set; a double-click loads the owner into the owner card.
class TfrmRicontatta : public ListWindow {
    Q_OBJECT
public:
    explicit TfrmRicontatta(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmRicontatta> frmRicontatta;
