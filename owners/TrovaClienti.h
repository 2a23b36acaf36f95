#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/SearchWindow.h"

// The owner search over "Proprietari.pro": the chosen owner goes to the window that the context
// tag names (`OwnerHandBack`).
class TfrmTrovaClienti : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaClienti(QWidget *parent = nullptr);

    // The ten criteria, in the order of the Enter cycle.
    QLineEdit *txtCliente;
    QLineEdit *txtComuneRes;
    QLineEdit *txtPartitaIva;
    QLineEdit *txtCodFisc;
    QLineEdit *txtDocumento;
    QLineEdit *txtOccupazione;
    QLineEdit *txtCaniOra;
    QLineEdit *txtCaniPrima;
    QLineEdit *txtQuestioni;
    QLineEdit *txtNote;
    HighlightRect *effCliente;
    HighlightRect *effComuneRes;
    HighlightRect *effPartitaIva;
    HighlightRect *effCodFisc;
    HighlightRect *effDocumento;
    HighlightRect *effOccupazione;
    HighlightRect *effCaniOra;
    HighlightRect *effCaniPrima;
    HighlightRect *effQuestioni;
    HighlightRect *effNote;
};

extern WindowHandle<TfrmTrovaClienti> frmTrovaClienti;

// How a window opens the owner search: owned by the window, with its tag, shown modally and
// destroyed when it closes.
void OpenOwnerSearch(QWidget *caller, const QString &tag);
