#pragma once
#include "common/ui/WindowBuild.h"
#include <QDialog>

class ClickLabel;
class QLabel;
class QPushButton;

// The about window, with the maker's e-mail link.
class TfrmInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget *owner = nullptr);

    QLabel *imgLogo;
    ClickLabel *imgEmail;
    ClickLabel *lnkWeb;
    QPushButton *btnChiudi;

public slots:
    void lnkWebClick();
    void btnChiudiClick();
};

extern WindowHandle<TfrmInfo> frmInfo;
