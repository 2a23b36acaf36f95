#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/SearchWindow.h"

// The animal search over "Anagrafica_Animali.pro": the chosen animal goes to the window that the
// context tag names (`AnimalHandBack`).
class TfrmTrovaCani : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaCani(QWidget *parent = nullptr);

    // The ten criteria, in the order of the Enter cycle.
    QLineEdit *txtNome;
    QLineEdit *txtDataNasc;
    QLineEdit *txtGruppo;
    QLineEdit *txtRazza;
    QLineEdit *txtMedico;
    QLineEdit *txtMicrochip;
    QLineEdit *txtProprietario;
    QLineEdit *txtCodFisc;
    QLineEdit *txtROI;
    QLineEdit *txtNote;
    HighlightRect *effCampo01;
    HighlightRect *effCampo02;
    HighlightRect *effCampo09;
    HighlightRect *effCampo10;
    HighlightRect *effCampo05;
    HighlightRect *effCampo06;
    HighlightRect *effCampo07;
    HighlightRect *effCampo08;
    HighlightRect *effCampo03;
    HighlightRect *effCampo04;
};

extern WindowHandle<TfrmTrovaCani> frmTrovaCani;

// How a window opens the animal search: owned by the window, with its tag, shown modally and
// destroyed when it closes.
void OpenAnimalSearch(QWidget *caller, const QString &tag);
