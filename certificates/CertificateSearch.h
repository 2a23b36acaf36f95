#pragma once
#include "certificates/CertificateType.h"
#include "common/ui/SearchWindow.h"
#include "common/ui/Widgets.h"

#include <QLabel>

#include <functional>

// `CertificateListLine`: the list line of the health certificates and of every certificate whose
// record begins with the shared base: number, date, owner, tax code, telephone and breed in fixed
// columns, then the animal's name whole.
QString CertificateListLine(const Record &record);
// The same line for the surgery consents, which begins "Cons. n. " in place of "Cert. n. ".
QString ConsentListLine(const Record &record);

// The ten criteria of every certificate search, the number under its own caption: number, date,
// owner, tax code, town, telephone, animal, species, breed and microchip.
std::array<CriterionSetup, 10> CertificateSearchCriteria(const char *numberCaption);

// `MovementCertificateListLine`: number, date, owner, animal and species in fixed columns, then the
// destination whole.
QString MovementCertificateListLine(const Record &record);
// The same line for the euthanasia authorisations, which begins "Aut. n. ", one character shorter,
// so every later column starts one earlier.
QString AuthorizationListLine(const Record &record);

// A certificate card that the certificate hand-back writes into registers its context tag with a
// function that finds its single instance (nullptr while there is none). Registering a tag again
// replaces its finder.
void RegisterCertificateTarget(const QString &tag, std::function<QWidget *()> findWindow);

// `CertificateHandBack`: writes a certificate chosen in a search into the card of its type, when
// the search window's tag (trimmed) is exactly the type's context tag: every field trimmed, in
// record order, into the card's edit of that field, then the record's number into lblPosizione.
// A card with a RecordCard shows it through that, exactly as its navigation would. Any other tag,
// or a card that is not registered or does not exist, writes nothing.
void CertificateHandBack(const CertificateType &type, const QString &windowTag, const Record &record, int number);

// The search window of a certificate type over its archive, in file order; a double-click hands
// the certificate back into the card (`CertificateHandBack`).
class CertificateSearchWindow : public SearchWindow {
    Q_OBJECT
public:
    CertificateSearchWindow(const CertificateType &type, QWidget *parent);
    const CertificateType &type() const { return *type_; }

private:
    const CertificateType *type_;
};

// How a card opens its search window: owned by the card, with the card's tag in lblMemory, shown
// modally and destroyed when it closes.
template <typename Window>
void OpenCertificateSearch(QWidget *card)
{
    OpenModal<Window>(card, [](Window &search) { search.lblMemory->setText(search.type().contextTag); });
}
