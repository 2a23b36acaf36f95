#pragma once
#include "common/ui/WindowBuild.h"
#include <QDialog>
#include <QString>

#include <functional>

class QCalendarWidget;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The date picker: the certificate cards open it from their date edit; "Importa" writes the
// picked date into the edit of the card that the tag names.
class TfrmCalendario : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget *parent = nullptr);

    QLabel *lblCampo001;
    QFrame *bkgCalendario;
    QCalendarWidget *calAppuntamenti;
    QPushButton *btnAnnulla;
    QPushButton *btnImportaData;
    QLabel *lblMemory;

public slots:
    void btnImportaDataClick(); // DateHandBack
    void btnAnnullaClick();

protected:
    void showEvent(QShowEvent *e) override;
};

extern WindowHandle<TfrmCalendario> frmCalendario;

// The date edit that a date-picker tag names: each certificate card registers its tag with a
// function that finds its `txtData` (nullptr while the card does not exist). Tags are compared
// exactly as written; registering a tag again replaces its finder.
void RegisterDateTarget(const QString &tag, std::function<QLineEdit *()> findDateEdit);

// How a card opens the date picker: owned by the card, with the card's tag, shown modally and
// destroyed when it closes.
void OpenDatePicker(QWidget *card, const QString &tag);
