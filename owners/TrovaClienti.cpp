#include "owners/TrovaClienti.h"
#include "common/ui/WindowBuild.h"
#include "common/ui/Widgets.h"

#include "common/Platform.h"
#include "owners/OwnerHandBack.h"
#include "owners/OwnerRecord.h"

#include <QLabel>

WindowHandle<TfrmTrovaClienti> frmTrovaClienti;

namespace {

SearchWindowSetup ownerSearchSetup(TfrmTrovaClienti *window)
{
    SearchWindowSetup s;
    s.caption = QStringLiteral(" Trova proprietari in archivio");
    s.archiveFile = [] { return OwnerArchiveName; };
    s.layout = &OwnerRecordLayout();
    s.line = OwnerListLine;
    s.sorted = true;
    s.printTitle = QStringLiteral("Riepilogo proprietari animali");
    s.handBack = [window](const Record &owner, int number) { OwnerHandBack(window->contextTag(), owner, number); };
    s.criteria = {{
        {"txtCliente", "Cognome e nome:", "Cliente", "effCliente"},
        {"txtComuneRes", "Comune di residenza:", "ComuneRes", "effComuneRes"},
        {"txtPartitaIva", "Partita IVA:", "PartitaIva", "effPartitaIva"},
        {"txtCodFisc", "Codice fiscale:", "CodFisc", "effCodFisc"},
        {"txtDocumento", "Estremi documento:", "Documento", "effDocumento"},
        {"txtOccupazione", "Occupazione:", "Occupazione", "effOccupazione"},
        {"txtCaniOra", "Animali posseduti attualmente:", "CaniOra", "effCaniOra"},
        {"txtCaniPrima", "Animali posseduti in passato:", "CaniPrima", "effCaniPrima"},
        {"txtQuestioni", "Questioni in sospeso:", "Questioni", "effQuestioni", true},
        {"txtNote", "Note:", "Note", "effNote", true},
    }};
    return s;
}

} // namespace

TfrmTrovaClienti::TfrmTrovaClienti(QWidget *parent) : SearchWindow(ownerSearchSetup(this), parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmTrovaClienti"));
        exposeCriteria({&txtCliente, &txtComuneRes, &txtPartitaIva, &txtCodFisc, &txtDocumento, &txtOccupazione,
                        &txtCaniOra, &txtCaniPrima, &txtQuestioni, &txtNote},
                       {&effCliente, &effComuneRes, &effPartitaIva, &effCodFisc, &effDocumento, &effOccupazione,
                        &effCaniOra, &effCaniPrima, &effQuestioni, &effNote});
    });
}

void OpenOwnerSearch(QWidget *caller, const QString &tag)
{
    OpenModal<TfrmTrovaClienti>(caller, [&](TfrmTrovaClienti &search) { search.lblMemory->setText(tag); });
}
