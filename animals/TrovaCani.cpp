#include "animals/TrovaCani.h"
#include "common/ui/WindowBuild.h"
#include "common/ui/Widgets.h"

#include "animals/AnimalHandBack.h"
#include "animals/AnimalRecord.h"

#include <QLabel>

WindowHandle<TfrmTrovaCani> frmTrovaCani;

namespace {

SearchWindowSetup animalSearchSetup(TfrmTrovaCani *window)
{
    SearchWindowSetup s;
    s.caption = QStringLiteral(" Trova animali in archivio");
    s.archiveFile = [] { return AnimalArchiveName; };
    s.layout = &AnimalRecordLayout();
    s.line = AnimalListLine;
    s.sorted = true;
    s.printTitle = QStringLiteral("Riepilogo animali in archivio");
    s.handBack = [window](const Record &animal, int number) { AnimalHandBack(window->contextTag(), animal, number); };
    s.criteria = {{
        {"txtNome", "Nome:", "Nome", "effCampo01"},
        {"txtDataNasc", "Data nascita:", "DataNasc", "effCampo02"},
        {"txtGruppo", "Specie:", "Gruppo", "effCampo09"},
        {"txtRazza", "Razza:", "Razza", "effCampo10"},
        {"txtMedico", "Medico veterinario:", "Medico", "effCampo05"},
        {"txtMicrochip", "Codice microchip:", "Microchip", "effCampo06"},
        {"txtProprietario", "Proprietario attuale:", "Proprietario", "effCampo07"},
        {"txtCodFisc", "Codice fiscale:", "CodFisc", "effCampo08"},
        {"txtROI", "Numero ROI/LOI/RSR/LIR/ES:", "ROI", "effCampo03", true},
        {"txtNote", "Note:", "Note", "effCampo04", true},
    }};
    return s;
}

} // namespace

TfrmTrovaCani::TfrmTrovaCani(QWidget *parent) : SearchWindow(animalSearchSetup(this), parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmTrovaCani"));
        exposeCriteria({&txtNome, &txtDataNasc, &txtGruppo, &txtRazza, &txtMedico, &txtMicrochip, &txtProprietario,
                        &txtCodFisc, &txtROI, &txtNote},
                       {&effCampo01, &effCampo02, &effCampo09, &effCampo10, &effCampo05, &effCampo06, &effCampo07,
                        &effCampo08, &effCampo03, &effCampo04});
    });
}

void OpenAnimalSearch(QWidget *caller, const QString &tag)
{
    OpenModal<TfrmTrovaCani>(caller, [&](TfrmTrovaCani &search) { search.lblMemory->setText(tag); });
}
