#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/SearchWindow.h"

// The search over the year open in the appointment card: the chosen entry goes back into the card
// when the context tag is "Scadenzario" (`AppointmentHandBack`).
class TfrmTrovaScadenzario : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaScadenzario(QWidget *parent = nullptr);

    // The ten criteria, in the order of the Enter cycle.
    QLineEdit *txtData;
    QLineEdit *txtOra;
    QLineEdit *txtProprietario;
    QLineEdit *txtCodFisc;
    QLineEdit *txtNome;
    QLineEdit *txtRazza;
    QLineEdit *txtMicrochip;
    QLineEdit *txtPersona;
    QLineEdit *txtDettagli;
    QLineEdit *txtNote;
};

extern WindowHandle<TfrmTrovaScadenzario> frmTrovaScadenzario;

// How the card opens the search: owned by the card, with its tag, shown modally and destroyed when
// it closes.
void OpenAppointmentSearch(QWidget *card, const QString &tag);
