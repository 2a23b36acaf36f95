#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/ExcelExport.h"

// The entries of the day chosen in the appointment card's calendar, in chronological order, exported
// to "Scadenze_Giornaliere.xls".
class TfrmExpGiornaliere : public ExcelExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpGiornaliere(QWidget *owner = nullptr);

public slots:
    void FormShow() override;

private:
    QString day_;  // the chosen day as the card stores dates
};

extern WindowHandle<TfrmExpGiornaliere> frmExpGiornaliere;
