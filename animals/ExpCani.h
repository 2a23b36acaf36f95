#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/ExcelExport.h"

// The animals' export: "Anagrafica_Animali.pro" in a grid, written to "Anagrafica_Animali.xls".
class TfrmExpCani : public ExcelExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpCani(QWidget *owner = nullptr);
};

extern WindowHandle<TfrmExpCani> frmExpCani;
