#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/ExcelExport.h"

// The owners' export: the whole of "Proprietari.pro" in a grid, written to "Proprietari.xls".
class TfrmExpClienti : public ExcelExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpClienti(QWidget *owner = nullptr);
};

extern WindowHandle<TfrmExpClienti> frmExpClienti;
