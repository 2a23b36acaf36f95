#pragma once
#include "common/ui/WindowBuild.h"
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

// The stock update dialog: the stock of the price-list card raised or lowered by a quantity.
// It writes only the stock edit it was given, and only on "Applica e chiudi".
class TfrmGiacenza : public QDialog {
    Q_OBJECT
public:
    explicit TfrmGiacenza(QWidget *parent = nullptr);

    // The captions of the quantity, which are also the dialog's mode.
    static QString AddCaption();
    static QString SubtractCaption();

    QLabel *lblGiacenza;
    QLineEdit *txtGiacenza;
    QLabel *lblAggiunta;
    QLineEdit *txtAggiunta;
    QPushButton *btnTotale;
    QLineEdit *txtTotale;
    QPushButton *btnAggiorna;
    QPushButton *btnChiudi;

    // The stock edit that "Applica e chiudi" writes (the card's `txtGiacenza`).
    QLineEdit *target = nullptr;

public slots:
    void btnTotaleClick();
    void btnAggiornaClick();
    void btnChiudiClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
};

extern WindowHandle<TfrmGiacenza> frmGiacenza;
