#pragma once
// The pieces that the Italian certificate printouts share: the animal and owner rows, the signature.
#include "certificates/CertificatePrintout.h"

#include <vector>

// The colours of the printouts' bands and boxes.
inline const QColor PrintBeige(245, 245, 220);
inline const QColor PrintLavender(230, 230, 250);
inline const QColor PrintAliceBlue(240, 248, 255);

// Where a printout puts the rows of its animal and owner box.
struct PrintRowGeometry {
    double captionLeft, captionWidth, valueLeft, valueWidth;
    double pitch;     // from one row to the next
    double animalTop; // the first animal row
    double ruleAt;    // the rule Line5 between the animal and the owner
    double ownerTop;  // the first owner row
};

// The eleven animal rows from `top`, `pitch` apart.
void PrintAnimalRows(std::vector<CertificatePrintObject> &to, const PrintRowGeometry &g, double top);
// The nine owner rows from `top`, the first captioned `nameCaption`.
void PrintOwnerRows(std::vector<CertificatePrintObject> &to, const PrintRowGeometry &g, double top,
                    const char *nameCaption);
// The eleven animal rows, the rule and the nine owner rows, with their Italian captions.
void PrintAnimalAndOwnerRows(std::vector<CertificatePrintObject> &to, const PrintRowGeometry &g);

// The foot of an Italian certificate: the statement on the left (object `statementName` at
// `statementTop`), "FIRMA DEL VETERINARIO" at `captionTop` on the right, the signature rule at
// `lineAt` and the vet's name "Dr. ..." under it at `nameTop`.
void PrintVetSignature(std::vector<CertificatePrintObject> &to, const char *statementName, double statementTop,
                       double captionTop, double lineAt, double nameTop);
