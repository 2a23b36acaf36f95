#pragma once
#include "common/ui/WindowBuild.h"
#include <QDialog>

class ClickLabel;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The help window: a topic title and its text, with a link to the help document.
class TfrmGuida : public QDialog {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget *owner = nullptr);

    QLabel *imgLogo;
    QLabel *lblTitolo;
    QPlainTextEdit *txtGuida;
    ClickLabel *imgPDF;
    ClickLabel *lnkWeb;
    QPushButton *btnChiudi;

public slots:
    void lnkWebClick();
    void btnChiudiClick();
};

extern WindowHandle<TfrmGuida> frmGuida;

// Shows a help window owned by `owner` with the topic title and text (paragraphs joined by an
// empty line), modally, and destroys it when it closes.
void ShowHelp(QWidget *owner, const QString &title, const QString &text);
