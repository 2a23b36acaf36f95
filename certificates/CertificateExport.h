#pragma once
#include "certificates/CertificateType.h"
#include "common/ui/ExcelExport.h"

// The export window of a certificate type: every record of its archive in a grid, written to the
// type's Excel file in the program folder.
class CertificateExportWindow : public ExcelExportWindow {
    Q_OBJECT
public:
    CertificateExportWindow(const CertificateType &type, QWidget *owner);
};
