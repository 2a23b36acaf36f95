#pragma once
#include "certificates/CertificateType.h"
#include "common/ui/ExcelExport.h"

// How a card opens the export window of its type: owned by the card, shown modally, destroyed when
// it closes. A type without an export opens nothing.
void OpenCertificateExport(QWidget *card, const CertificateType &type);

// The export window of a certificate type: every record of its archive in a grid, written to the
// type's Excel file in the program folder.
class CertificateExportWindow : public ExcelExportWindow {
    Q_OBJECT
public:
    CertificateExportWindow(const CertificateType &type, QWidget *owner);
};
