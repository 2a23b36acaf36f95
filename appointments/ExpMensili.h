#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/ExcelExport.h"

// The entries of the month chosen in the appointment card's calendar, in chronological order,
// exported to "Scadenze_Mensili.xls".
class TfrmExpMensili : public ExcelExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpMensili(QWidget *owner = nullptr);

public slots:
    void FormShow() override;

private:
    QString month_;  // the chosen month's name in lower case
    QString year_;
};

extern WindowHandle<TfrmExpMensili> frmExpMensili;
