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

// The export columns of a record that begins with the shared base, from the number to the
// distinguishing marks, the practice header left out: the number under its own title, read-only
// or not, and the place and the owner's sex only where the type exports them.
std::vector<ExportColumn> CertificateExportColumns(const char *numberTitle, bool numberReadOnly,
                                                   bool placeAndOwnerSex);
