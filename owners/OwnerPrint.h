#pragma once
#include "common/report/CardReport.h"

class TfrmClienti;

// The owner card's printout: print, preview and the PDF file "Proprietario.pdf". They take what the
// card shows, saved or not, and never read the archive. They have no guard of their own: a failure
// is reported in the framework's error box.

// The title and the 24 lines of the printout, each value trimmed.
QString OwnerCardTitle();
QList<CardLine> OwnerCardLines(const TfrmClienti &card);
// Fills the card printout with the owner on the card and prepares it.
PreparedReport PrepareOwnerCard(const TfrmClienti &card);

void PrintOwnerCard(TfrmClienti &card);
void PreviewOwnerCard(TfrmClienti &card);
void ExportOwnerCardPdf(TfrmClienti &card);
