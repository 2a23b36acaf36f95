#include "animals/AnimalHandBack.h"

#include "animals/AnimalRecord.h"
#include "common/Text.h"
#include "common/ui/RecordCard.h"
#include "dialogs/TagTargets.h"

#include <QList>
#include <QMetaObject>
#include <QWidget>
#include <utility>
#include <vector>

namespace {

// What the six certificate cards take of an animal, in the order written.
const QList<ControlField> CertificateAnimal = {
    {"txtNomeAni", "Nome"},         {"txtSessoAni", "Sesso"},   {"txtDataNascAni", "DataNasc"},
    {"txtSpecie", "Gruppo"},        {"txtRazza", "Razza"},      {"txtTaglia", "Taglia"},
    {"txtPelo", "Pelo"},            {"txtMantello", "Mantello"}, {"txtMicrochip", "Microchip"},
    {"txtTatuaggio", "Tatuaggio"},  {"txtSegni", "Segni"},
};

// The animal card takes every field: the edits from Nome to Alimentazione as "txt" + name, the
// attached files and their descriptions in hidden labels.
QList<ControlField> cardControls()
{
    QList<ControlField> controls;
    for (const QString &name : AnimalRecordLayout().names()) {
        const bool attachment = name.startsWith(QLatin1String("File")) || name.startsWith(QLatin1String("Desc"));
        controls.append({(attachment ? QStringLiteral("lbl") : QStringLiteral("txt")) + name, name});
    }
    return controls;
}

struct HandBackRow {
    const char *tag;
    QList<ControlField> controls;
    bool card = false;  // the animal card: the record number and the photo too
};

const std::vector<HandBackRow> &handBackRows()
{
    static const std::vector<HandBackRow> rows = {
        {"cani", cardControls(), true},
        {"scadenzario",
         {{"txtNome", "Nome"}, {"txtDataNasc", "DataNasc"}, {"txtRazza", "Razza"},
          {"txtMantello", "Mantello"}, {"txtMicrochip", "Microchip"}, {"txtSegni", "Segni"},
          {"txtProprietario", "Proprietario"}, {"txtRecapito", "Recapito"}, {"txtCodFisc", "CodFisc"}}},
        {"certificato_sanitario", CertificateAnimal},
        {"certificato_vaccinazione", CertificateAnimal},
        {"certificato_malattia", CertificateAnimal},
        {"certificato_decesso", CertificateAnimal},
        {"autorizzazione_eutanasia", CertificateAnimal},
        {"consenso_intervento", CertificateAnimal},
        {"certificato_movimento",
         {{"txtNomeAni", "Nome"}, {"txtSessoAni", "Sesso"}, {"txtDataNascAni", "DataNasc"}, {"txtSpecie", "Gruppo"}}},
    };
    return rows;
}

TagTargets<QWidget *> &animalTargets()
{
    static TagTargets<QWidget *> targets;
    return targets;
}

} // namespace

void RegisterAnimalTarget(const QString &tag, std::function<QWidget *()> findWindow)
{
    animalTargets().add(tag, std::move(findWindow));
}

void AnimalHandBack(const QString &tag, const Record &animal, int number)
{
    const QString wanted = TrimText(tag);
    for (const HandBackRow &row : handBackRows()) {
        if (wanted != QLatin1String(row.tag))
            continue;
        QWidget *target = animalTargets().find(wanted);
        if (!target)
            return;
        WriteFieldsToControls(target, animal, row.controls);
        if (row.card) {
            if (auto *w = target->findChild<QWidget *>(QStringLiteral("lblPosizione")))
                SetControlText(w, QString::number(number));
            // The photo of that number, or the placeholder; a card without the slot has no photo.
            if (target->metaObject()->indexOfMethod("LoadAnimalPhoto()") >= 0)
                QMetaObject::invokeMethod(target, "LoadAnimalPhoto");
        }
        return;
    }
}
