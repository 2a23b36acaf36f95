#include "certificates/CertificateSearch.h"
#include "common/ui/WindowBuild.h"

#include "certificates/CertificateRecord.h"
#include "common/Text.h"
#include "common/ui/RecordCard.h"
#include "dialogs/TagTargets.h"

#include <QHash>
#include <QLabel>
#include <QWidget>

namespace {

TagTargets<QWidget *> &certificateTargets()
{
    static TagTargets<QWidget *> targets;
    return targets;
}

// The card's control of every field of the type's record, in record order: the edit the card
// declares for it, otherwise "txt" + the field's name.
QList<ControlField> cardControls(const CertificateType &type)
{
    QHash<QString, QString> declared;
    for (const CertificateBand &band : type.bands)
        for (const CertificateEdit &edit : band.edits)
            declared.insert(QString::fromLatin1(edit.field), CertificateEditName(edit));
    QList<ControlField> controls;
    for (const QString &field : type.layout->names())
        controls.append({declared.value(field, QStringLiteral("txt") + field), field});
    return controls;
}

SearchWindowSetup searchSetup(const CertificateType &type, CertificateSearchWindow *window)
{
    SearchWindowSetup s;
    s.caption = type.search.caption;
    s.archiveFile = [archive = type.archiveName] { return archive; };
    s.layout = type.layout;
    s.line = type.search.listLine;
    s.sorted = false;
    s.printTitle = type.search.printTitle;
    s.handBack = [window](const Record &record, int number) {
        CertificateHandBack(window->type(), window->contextTag(), record, number);
    };
    s.criteria = type.search.criteria;
    return s;
}

} // namespace

namespace {

// The fixed columns of a certificate's list line after the caption of its number.
ColumnLine certificateLine(const char *numberCaption)
{
    return ColumnLine(CertificateBaseLayout(), {
                                                   {numberCaption, "Num", 6},
                                                   {"  Data: ", "Data", 10},
                                                   {"  ", "Proprietario", 30},
                                                   {"  C.F. ", "CodFisc", 16},
                                                   {"  Tel. ", "Recapito", 16},
                                                   {"  ", "Razza", 20},
                                                   {"  Nome: ", "NomeAni", 0},
                                               });
}

} // namespace

QString CertificateListLine(const Record &record)
{
    static const ColumnLine line = certificateLine("Cert. n. ");
    return line(record);
}

QString ConsentListLine(const Record &record)
{
    static const ColumnLine line = certificateLine("Cons. n. ");
    return line(record);
}

std::array<CriterionSetup, 10> CertificateSearchCriteria(const char *numberCaption)
{
    return {{
        {"txtNum", numberCaption, "Num", "effNum"},
        {"txtData", "Data emissione (gg/mm/aaaa):", "Data", "effData"},
        {"txtProprietario", "Proprietario dell'animale:", "Proprietario", "effProprietario"},
        {"txtCodFisc", "Codice fiscale:", "CodFisc", "effCodFisc"},
        {"txtComuneRes", "Comune di residenza:", "ComuneRes", "effComuneRes"},
        {"txtRecapito", "Tel. preferenziale:", "Recapito", "effRecapito"},
        {"txtNomeAni", "Nome dell'animale:", "NomeAni", "effNomeAni"},
        {"txtSpecie", "Specie:", "Specie", "effSpecie"},
        {"txtRazza", "Razza:", "Razza", "effRazza"},
        {"txtMicrochip", "Codice microchip:", "Microchip", "effMicrochip"},
    }};
}

QString MovementCertificateListLine(const Record &record)
{
    static const ColumnLine line(MovementCertificateLayout(), {
                                                                  {"Cert. n. ", "Num", 6},
                                                                  {"  Data: ", "Data", 10},
                                                                  {"  ", "Proprietario", 30},
                                                                  {"  Animale: ", "NomeAni", 30},
                                                                  {"  ", "Specie", 20},
                                                                  {"  ", "Destinazione", 0},
                                                              });
    return line(record);
}

QString AuthorizationListLine(const Record &record)
{
    static const ColumnLine line = certificateLine("Aut. n. ");
    return line(record);
}

void RegisterCertificateTarget(const QString &tag, std::function<QWidget *()> findWindow)
{
    certificateTargets().add(tag, std::move(findWindow));
}

void CertificateHandBack(const CertificateType &type, const QString &windowTag, const Record &record, int number)
{
    if (TrimText(windowTag) != type.contextTag)
        return;
    QWidget *card = certificateTargets().find(type.contextTag);
    if (!card)
        return;
    // A card with the record mechanics shows the certificate as its navigation would.
    if (auto *records = card->findChild<RecordCard *>(QString(), Qt::FindDirectChildrenOnly)) {
        records->showRecord(record, number);
        return;
    }
    WriteFieldsToControls(card, record, cardControls(type));
    if (auto *position = card->findChild<QWidget *>(QStringLiteral("lblPosizione")))
        SetControlText(position, QString::number(number));
}

CertificateSearchWindow::CertificateSearchWindow(const CertificateType &type, QWidget *parent)
    : SearchWindow(searchSetup(type, this), parent), type_(&type)
{
    BuildWhenNeeded(this, [this] { setObjectName(type_->search.objectName); });
}
