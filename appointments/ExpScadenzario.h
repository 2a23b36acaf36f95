#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/ExcelExport.h"

// Every entry of the year open in the appointment card, in file order, exported to
// "Scadenze_e_Appuntamenti.xls".
class TfrmExpScadenzario : public ExcelExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpScadenzario(QWidget *owner = nullptr);

public slots:
    void FormShow() override;
};

extern WindowHandle<TfrmExpScadenzario> frmExpScadenzario;
