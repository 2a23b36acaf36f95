#pragma once
#include "common/ui/WindowBuild.h"
#include "common/WholeFileExport.h"
#include "common/ui/ActionPanel.h"

#include <QString>

class QLabel;

// The window that writes the animal on the card as the document "Scheda_Animale.rtf" in the
// program folder, for the user to edit and print with a word processor. It acts only when its
// context tag `lblMemory` holds "cani".
class TfrmCreaRTF : public ActionDialog {
    Q_OBJECT
public:
    explicit TfrmCreaRTF(QWidget *parent = nullptr);

    QLabel *lblMemory;

public slots:
    void btnStampaClick() override;
};

extern WindowHandle<TfrmCreaRTF> frmCreaRTF;

// The file the document is written to, in the program folder.
QString AnimalRtfFileName();

// The document of the card's 54 edits, read by name, before its conversion to Windows-1252: one
// line, each value trimmed and escaped. A missing edit gives an empty value.
QString AnimalRtfText(const QWidget *card);

// Asks, writes the document whole (a failure leaves an earlier document whole and shows the
// message), then offers to open it.
WholeFileExportResult WriteAnimalRtf(const QWidget *card);

// Opens the RTF window for the card with the tag "cani", modally, and destroys it when it closes.
void OpenAnimalRtf(QWidget *card);
