#pragma once
#include "common/ui/WindowBuild.h"
#include "certificates/CertificateSearch.h"

// The movement certificate's search window: caption, the ten criteria, list line and print title.
CertificateSearch MovementCertificateSearch();

// The movement certificates' search over "Certificati_Movimento.pro".
class TfrmTrovaCertificati_Movimento : public CertificateSearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaCertificati_Movimento(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmTrovaCertificati_Movimento> frmTrovaCertificati_Movimento;

// How the movement card opens its search.
void OpenMovementCertificateSearch(QWidget *card);
