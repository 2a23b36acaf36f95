#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/SearchWindow.h"

// The price-list search over "Magazzino.pro" and the picker of articles: the chosen article goes
// to the window that the context tag names (`PriceItemHandBack`), the price-list card or a line
// of the invoice card. It reads the archive and never writes it.
class TfrmTrovaServizi : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaServizi(QWidget *parent = nullptr);

    // The ten criteria, in the order of the Enter cycle.
    QLineEdit *txtDescrizione;
    QLineEdit *txtTipologia;
    QLineEdit *txtTempi;
    QLineEdit *txtSupplementi;
    QLineEdit *txtPersonale;
    QLineEdit *txtNote;
    QLineEdit *txtMarca;
    QLineEdit *txtCollocazione;
    QLineEdit *txtFornitore;
    QLineEdit *txtOrdine;
    HighlightRect *effDescrizione;
    HighlightRect *effTipologia;
    HighlightRect *effTempi;
    HighlightRect *effSupplementi;
    HighlightRect *effPersonale;
    HighlightRect *effNote;
    HighlightRect *effMarca;
    HighlightRect *effCollocazione;
    HighlightRect *effFornitore;
    HighlightRect *effOrdine;
};

extern WindowHandle<TfrmTrovaServizi> frmTrovaServizi;

// How a window opens the price-list search: owned by the window, with its tag ("servizi" from the
// price-list card, "fat_art_01" .. "fat_art_30" from the invoice lines), shown modally and
// destroyed when it closes.
void OpenPriceListSearch(QWidget *caller, const QString &tag);
