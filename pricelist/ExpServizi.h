#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/ExcelExport.h"

// The price list's export: "Magazzino.pro" in a grid, written to "Magazzino.xls".
class TfrmExpServizi : public ExcelExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpServizi(QWidget *owner = nullptr);
};

extern WindowHandle<TfrmExpServizi> frmExpServizi;

// How the price-list card opens the export: owned by the card, shown modally and destroyed when
// it closes.
void OpenPriceListExport(QWidget *caller);
