#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/ListWindow.h"

// The open year's appointments waiting for confirmation; a double-click loads the entry into the
// appointment card.
class TfrmDaConfermare : public ListWindow {
    Q_OBJECT
public:
    explicit TfrmDaConfermare(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmDaConfermare> frmDaConfermare;
