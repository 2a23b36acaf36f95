#pragma once
#include "common/ui/WindowBuild.h"
#include "common/report/PreparedReport.h"
#include "common/ui/ActionPanel.h"

class QLabel;

// The animal's printout: one A4 page with the animal's name, its photo and 23 of its values, taken
// from the card's edits as they stand, saved or not. It reads the card's controls by name: the
// edits `txtNome`, `txtSesso`, ... and the picture of the label `imgFoto`.
class TfrmStampaCane : public ActionDialog {
    Q_OBJECT
public:
    explicit TfrmStampaCane(QWidget *parent = nullptr);

    // Receives the card's photo when the window is shown, or the fallback picture of imgTemp.
    QLabel *imgLogo;
    QLabel *imgTemp;

    // The page as it would print now: the card's values trimmed, the photo held by imgLogo and the
    // footer with today's date and the time.
    PreparedReport PrepareReport() const;

public slots:
    void btnStampaClick() override;

protected:
    void showEvent(QShowEvent *e) override; // FormShow

private:
    // Takes the card's photo into imgLogo, or the fallback picture when the card has none.
    void takePhoto();
};

extern WindowHandle<TfrmStampaCane> frmStampaCane;

// Opens the printout window for the card, modally, and destroys it when it closes.
void OpenAnimalPrintout(QWidget *card);
