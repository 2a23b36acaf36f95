#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/ExcelExport.h"

#include <QDate>

// The imminent entries of the current year (`IsImminent` on today's date), in chronological order,
// exported to "Scadenze_Imminenti.xls".
class TfrmExpImminenti : public ExcelExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpImminenti(QWidget *owner = nullptr);

public slots:
    void FormShow() override;

private:
    QDate today_;
};

extern WindowHandle<TfrmExpImminenti> frmExpImminenti;
