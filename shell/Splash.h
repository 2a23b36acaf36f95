#pragma once
#include "common/ui/WindowBuild.h"
#include <QDialog>

class ClickLabel;
class QLabel;
class QPushButton;

// The window with the maker's logo and web link.
class TfrmSplash : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *owner = nullptr);

    QLabel *imgLogo;
    ClickLabel *imgWeb;
    ClickLabel *lnkWeb;
    QPushButton *btnChiudi;

public slots:
    void lnkWebClick();
    void btnChiudiClick();
};

extern WindowHandle<TfrmSplash> frmSplash;
