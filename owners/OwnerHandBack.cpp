#include "owners/OwnerHandBack.h"

#include "common/ArchiveSearch.h"
#include "common/ui/RecordCard.h"
#include "common/Text.h"
#include "owners/Clienti.h"
#include "owners/OwnerRecord.h"
#include "dialogs/TagTargets.h"

#include <QList>
#include <QWidget>
#include <utility>
#include <vector>

namespace {

// What the six certificate cards take of an owner.
const QList<ControlField> CertificateOwner = {
    {"txtProprietario", "Cliente"}, {"txtSesso", "Sesso"},     {"txtDataNasc", "DataNasc"},
    {"txtCodFisc", "CodFisc"},      {"txtComuneNasc", "ComuneNasc"}, {"txtindirizzoRes", "IndirizzoRes"},
    {"txtCapRes", "CapRes"},        {"txtComuneRes", "ComuneRes"},   {"txtProvRes", "ProvRes"},
    {"txtRecapito", "Recapito"},
};

struct HandBackRow {
    const char *tag;
    QList<ControlField> controls;  // empty: the whole owner, on the owner card
};

const std::vector<HandBackRow> &handBackRows()
{
    static const std::vector<HandBackRow> rows = {
        {"clienti", {}},
        {"cani",
         {{"txtProprietario", "Cliente"}, {"txtRecapito", "Recapito"}, {"txtCodFisc", "CodFisc"},
          {"txtComuneRes", "ComuneRes"}}},
        {"fatture",
         {{"txtCliente", "Cliente"}, {"txtCodFiscCliente", "CodFisc"}, {"txtIvaCliente", "PartitaIva"},
          {"txtViaCliente", "IndirizzoRes"}, {"txtCapCliente", "CapRes"}, {"txtCittaCliente", "ComuneRes"},
          {"txtProvCliente", "ProvRes"}}},
        {"certificato_sanitario", CertificateOwner},
        {"certificato_vaccinazione", CertificateOwner},
        {"certificato_malattia", CertificateOwner},
        {"certificato_decesso", CertificateOwner},
        {"autorizzazione_eutanasia", CertificateOwner},
        {"consenso_intervento", CertificateOwner},
        {"certificato_movimento", {{"txtProprietario", "Cliente"}}},
    };
    return rows;
}

TagTargets<QWidget *> &ownerTargets()
{
    static TagTargets<QWidget *> targets = [] {
        TagTargets<QWidget *> t;
        t.add(QStringLiteral("clienti"), [] { return static_cast<QWidget *>(frmClienti); });
        return t;
    }();
    return targets;
}

// The owner's columns, then the whole trimmed text of `last`.
ColumnLine ownerColumns(const char *last)
{
    return ColumnLine(OwnerRecordLayout(), {{"", "Cliente", 26},
                                            {"  Tel. ", "Recapito", 15},
                                            {"  ", "Occupazione", 25},
                                            {"  Animali: ", "CaniOra", 30},
                                            {"  ", last, 0}});
}

} // namespace

QString OwnerListLine(const Record &owner)
{
    static const ColumnLine line = ownerColumns("Note");
    return line(owner);
}

QString RecontactListLine(const Record &owner)
{
    static const ColumnLine line = ownerColumns("Questioni");
    return line(owner);
}

void RegisterOwnerTarget(const QString &tag, std::function<QWidget *()> findWindow)
{
    ownerTargets().add(tag, std::move(findWindow));
}

void OwnerHandBack(const QString &tag, const Record &owner, int number)
{
    const QString wanted = TrimText(tag);
    for (const HandBackRow &row : handBackRows()) {
        if (wanted != QLatin1String(row.tag))
            continue;
        QWidget *target = ownerTargets().find(wanted);
        if (!target)
            return;
        if (row.controls.isEmpty()) {
            if (auto *card = qobject_cast<TfrmClienti *>(target))
                card->card->showRecord(owner, number);
            return;
        }
        WriteFieldsToControls(target, owner, row.controls);
        return;
    }
}
