#pragma once
#include "common/ui/WindowBuild.h"
#include "common/Record.h"
#include "common/ui/ListWindow.h"

#include <QStringList>
#include <optional>

class ClickLabel;

// The record of an animal's cost file: one cost paid for the animal.
const RecordLayout &AnimalCostRecordLayout();
// The list line of one entry: date, payer, payee, reason and amount in columns as wide as their fields.
QString CostListLine(const Record &entry);
// The cost file of the animal whose card shows `position` in its record number, where the
// animal archive holds `recordCount` records: "Costi_Animale_" + number + ".pro" when the number
// is a saved record (1..recordCount), and nothing otherwise (empty, 0, past the end, not a number).
std::optional<QString> CostFileName(const QString &position, int recordCount);

// The cost register of one animal: the list of its costs with their total, and the entry panel
// where a cost is added or changed. Entries are never deleted.
class TfrmCostiCane : public ListWindow {
    Q_OBJECT
public:
    explicit TfrmCostiCane(QWidget *parent = nullptr);

    // The animal the register is about: its name and breed for the title and the printout, and
    // its cost file (a name in the program folder). Set before the window is shown.
    void setAnimal(const QString &name, const QString &breed, const QString &costFile);

    QLabel *lblTitolo;
    QLabel *lblTotale;
    QPushButton *btnAggiungi;
    QPushButton *btnModifica;
    QFrame *panCosti;
    QLineEdit *txtData;
    QLineEdit *txtCausale;
    QLineEdit *txtPagatore;
    QLineEdit *txtBeneficiario;
    QLineEdit *txtImporto;
    ClickLabel *impData;
    QPushButton *btnSalva;
    QPushButton *cmdClose;
    QLabel *lblPosizione;
    QLabel *lblFile;

    // The printout's title and lines: the list, a line of dashes and the total.
    QString printTitle() const;
    QStringList printLines() const;

public slots:
    void btnAggiungiClick();
    void btnModificaClick();
    void btnSalvaClick();
    void impDataClick();
    void btnStampaClick() override;

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void fillList();
    void showEntryPanel();

    QString name_;
    QString breed_;
    QString costFile_;
};

// The animal card's "Registra prestazioni": opens the register of the animal shown in `card`
// (record number `position` of an archive of `recordCount` records, with its name and breed),
// modally, owned by the card. A number that names no saved record opens nothing and warns that
// the card must be saved first. Returns whether the register was opened.
bool OpenAnimalCosts(QWidget *card, const QString &position, int recordCount, const QString &name,
                     const QString &breed);

extern WindowHandle<TfrmCostiCane> frmCostiCane;
