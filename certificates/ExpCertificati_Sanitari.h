#pragma once
#include "certificates/CertificateExport.h"

// The health certificate's export: the certificates from the number to the distinguishing marks,
// the practice header left out, written to "Certificati_Sanitari.xls".
CertificateExport HealthCertificateExport();

// The health export's columns less those named, then `added`: the other certificates export the
// same columns with the same titles and widths, less a few and with their own at the end.
std::vector<ExportColumn> HealthExportColumnsWithout(const QStringList &left, const std::vector<ExportColumn> &added);

// The health certificates' export window: "Certificati_Sanitari.pro" in a grid, written to
// "Certificati_Sanitari.xls".
class TfrmExpCertificati_Sanitari : public CertificateExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpCertificati_Sanitari(QWidget *owner = nullptr);
};

extern TfrmExpCertificati_Sanitari *frmExpCertificati_Sanitari;

// How the health card opens its export: owned by the card, shown modally, destroyed when it closes.
void OpenHealthCertificateExport(QWidget *card);
