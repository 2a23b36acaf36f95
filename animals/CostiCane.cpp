#include "animals/CostiCane.h"
#include "common/ui/WindowBuild.h"
#include "common/ui/CardPanel.h"

#include "animals/AnimalRecord.h"

#include "common/Archive.h"
#include "common/ArchiveSearch.h"
#include "common/Dates.h"
#include "common/Decimal.h"
#include "common/Errors.h"
#include "common/Guard.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/ui/CommandPictures.h"
#include "common/ui/EditRules.h"
#include "common/ui/LineList.h"
#include "common/ui/Look.h"
#include "common/ui/StoredTexts.h"
#include "common/ui/Widgets.h"
#include "common/ui/report/ListReport.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

WindowHandle<TfrmCostiCane> frmCostiCane;

namespace {

enum CostField { Data, Causale, Pagatore, Beneficiario, Importo };

const QString Euro = QString::fromUtf8("€ ");

// The edits of the entry panel in field order, with their captions and the warning of an empty one.
struct CostEdit {
    QLineEdit *TfrmCostiCane::*edit;
    const char *name;
    const char *caption;
    const char *required;
    int width;
};

const CostEdit CostEdits[] = {
    {&TfrmCostiCane::txtData, "Data", "Data:", "la data del costo sostenuto.", 140},
    {&TfrmCostiCane::txtCausale, "Causale", "Causale:", "la causale del costo.", 520},
    {&TfrmCostiCane::txtPagatore, "Pagatore", "Pagatore:", "il nome del pagatore.", 360},
    {&TfrmCostiCane::txtBeneficiario, "Beneficiario", "Beneficiario:", "il nome del beneficiario.", 360},
    {&TfrmCostiCane::txtImporto, "Importo", "Importo: \u20ac", "l'importo pagato.", 200},
};

ListWindowSetup costSetup(TfrmCostiCane *window)
{
    ListWindowSetup s;
    s.caption = QStringLiteral(" Registro prestazioni veterinarie");
    // The file the window shows in lblFile, read when a command runs.
    s.archiveFile = [window] { return window->lblFile ? TrimText(window->lblFile->text()) : QString(); };
    s.layout = &AnimalCostRecordLayout();
    s.line = CostListLine;
    s.sorted = false;
    s.pickLine.clear();
    return s;
}

QLabel *panelCaption(QWidget *panel, const QString &name, const QString &text, const QRect &at)
{
    return MakePanelLabel(panel, name, text, at, Look::Verdana(10, true), Look::Navy);
}

} // namespace

const RecordLayout &AnimalCostRecordLayout()
{
    static const RecordLayout layout{
        {"Data", 10}, {"Causale", 40}, {"Pagatore", 26}, {"Beneficiario", 26}, {"Importo", 15}};
    return layout;
}

QString CostListLine(const Record &entry)
{
    static const ColumnLine line(AnimalCostRecordLayout(), {{"Data: ", "Data", 10},
                                                            {"   Da: ", "Pagatore", 26},
                                                            {"   A: ", "Beneficiario", 26},
                                                            {"  Causale: ", "Causale", 40},
                                                            {"  Costo: \u20ac ", "Importo", 0}});
    return line(entry);
}

std::optional<QString> CostFileName(const QString &position, int recordCount)
{
    const std::optional<int> number = SavedAnimalNumber(position, recordCount);
    if (!number)
        return std::nullopt;
    return QStringLiteral("Costi_Animale_") + QString::number(*number) + QStringLiteral(".pro");
}

TfrmCostiCane::TfrmCostiCane(QWidget *parent) : ListWindow(costSetup(this), parent), lblFile(nullptr)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmCostiCane"));

        // The list panel: the title above the instructions, the total below the list.
        lblTitolo = MakePanelLabel(panContainer, QStringLiteral("lblTitolo"), QString(), QRect(16, 6, 801, 32),
                                   Look::Verdana(18, true), Look::Navy);
        lblTitolo->setTextFormat(Qt::PlainText);
        lblTitolo->setWordWrap(false);
        lblRigo01->setGeometry(16, 42, 801, 22);
        lblRigo02->setText(QStringLiteral(
            "Per modificare una voce in elenco, selezionarla con un clic e premere il pulsante Modifica costo."));
        lblRigo02->setGeometry(16, 64, 801, 22);
        imgTrova->move(16, 92);
        txtTrova->move(60, 94);
        btnTrova->move(666, 94);
        lstRecords->setGeometry(16, 138, 801, 251);
        panelCaption(panContainer, QStringLiteral("lblRigo04"), QStringLiteral("TOTALE COSTI:"),
                     QRect(16, 404, 200, 28));
        lblTotale = MakePanelLabel(panContainer, QStringLiteral("lblTotale"), QStringLiteral("0,00"),
                                   QRect(220, 404, 400, 28), Look::Verdana(14, true), Look::Crimson);
        lblTotale->setTextFormat(Qt::PlainText);
        btnStampa->setText(QStringLiteral("Stampa riepilogo"));
        btnAggiungi =
            MakeNamed<QPushButton>(panContainer, QStringLiteral("btnAggiungi"), QStringLiteral("Aggiungi costo"));
        btnAggiungi->setGeometry(232, 472, 151, 40);
        btnModifica =
            MakeNamed<QPushButton>(panContainer, QStringLiteral("btnModifica"), QStringLiteral("Modifica costo"));
        btnModifica->setGeometry(449, 472, 151, 40);
        QWidget::setTabOrder(btnStampa, btnAggiungi);
        QWidget::setTabOrder(btnAggiungi, btnModifica);
        QWidget::setTabOrder(btnModifica, btnChiudi);

        // The entry panel, in the same place, hidden until a cost is added or changed.
        panCosti = MakeNamed<QFrame>(this, QStringLiteral("panCosti"));
        panCosti->setGeometry(panContainer->geometry());
        panCosti->setFrameShape(QFrame::StyledPanel);
        SetGradientBackground(panCosti, Qt::white, Look::Pale);
        panCosti->hide();
        MakePanelLabel(panCosti, QStringLiteral("lblRigo05"),
                       QStringLiteral("Immettere i dati nei campi sottostanti e premere Salva."),
                       QRect(16, 14, 801, 24), Look::Verdana(12, true), Look::Navy);
        QList<QWidget *> chain;
        int y = 70;
        for (const CostEdit &e : CostEdits) {
            const QString field = QLatin1String(e.name);
            panelCaption(panCosti, QStringLiteral("tit") + field, QString::fromUtf8(e.caption),
                         QRect(16, y + 4, 160, 24));
            QLineEdit *edit = MakeNamed<QLineEdit>(panCosti, QStringLiteral("txt") + field);
            edit->setGeometry(180, y, e.width, 30);
            edit->setFont(Look::Verdana(12));
            AttachBackgroundHighlight(edit, Look::AliceBlue);  // as the animal card colours its edits
            this->*e.edit = edit;
            chain.append(edit);
            y += 60;
        }
        const RecordLayout &layout = AnimalCostRecordLayout();
        for (int i = Data; i < Importo; ++i)
            ApplyEditRules(this->*CostEdits[i].edit, {.maxLength = layout.capacity(i)});
        AmountKeyFilter(txtImporto, layout.capacity(Importo));
        txtImporto->setText(QStringLiteral("0,00"));
        txtImporto->installEventFilter(this);
        EnterFocusChain(chain);

        impData = MakeNamed<ClickLabel>(panCosti, QStringLiteral("impData"));
        impData->setGeometry(332, 68, 34, 34);
        DrawPictureOnFirstShow(impData, [](QSize size) { return CommandPicture(QStringLiteral("Data"), size); });
        impData->setToolTip(QStringLiteral("Data odierna"));

        btnSalva = MakeNamed<QPushButton>(panCosti, QStringLiteral("btnSalva"), QStringLiteral("Salva"));
        btnSalva->setGeometry(16, 472, 151, 40);
        cmdClose = MakeNamed<QPushButton>(panCosti, QStringLiteral("cmdClose"), QStringLiteral("Chiudi"));
        cmdClose->setGeometry(666, 472, 151, 40);
        lblPosizione = MakeNamed<QLabel>(panCosti, QStringLiteral("lblPosizione"));
        lblPosizione->hide();
        lblFile = MakeNamed<QLabel>(panCosti, QStringLiteral("lblFile"));
        lblFile->setTextFormat(Qt::PlainText);
        lblFile->hide();

        MakeEnterButtons({btnTrova, btnStampa, btnAggiungi, btnModifica, btnChiudi, btnSalva, cmdClose});
        connect(btnAggiungi, &QPushButton::clicked, this, &TfrmCostiCane::btnAggiungiClick);
        connect(btnModifica, &QPushButton::clicked, this, &TfrmCostiCane::btnModificaClick);
        connect(btnSalva, &QPushButton::clicked, this, &TfrmCostiCane::btnSalvaClick);
        connect(cmdClose, &QPushButton::clicked, this, &TfrmCostiCane::btnChiudiClick);
        connect(impData, &ClickLabel::clicked, this, &TfrmCostiCane::impDataClick);
    });
}

void TfrmCostiCane::setAnimal(const QString &name, const QString &breed, const QString &costFile)
{
    name_ = TrimText(name);
    breed_ = TrimText(breed);
    costFile_ = costFile;
}

bool TfrmCostiCane::eventFilter(QObject *watched, QEvent *e)
{
    // Leaving the amount brings it to its amount form.
    if (watched == txtImporto && e->type() == QEvent::FocusOut)
        txtImporto->setText(AmountFormText(txtImporto->text()));
    return ListWindow::eventFilter(watched, e);
}

void TfrmCostiCane::showEvent(QShowEvent *e)
{
    ListWindow::showEvent(e);
    if (e->spontaneous())
        return;
    lblTitolo->setText(name_ + QStringLiteral("  -  Razza: ") + breed_);
    lblFile->setText(costFile_.isEmpty() ? QString() : ProgramFile(costFile_));
    fillList();
    if (panContainer->isVisible())
        txtTrova->setFocus(Qt::OtherFocusReason);
}

void TfrmCostiCane::fillList()
{
    // The total is exact; an amount that is not a number is listed but left out of it, and a
    // failure while reading keeps the lines and the sum read so far.
    const int amount = Importo;
    Decimal sum;
    lstRecords->clear();
    if (!TrimText(lblFile->text()).isEmpty()) {
        RunGuarded(
            [&] {
                listRecords([&](const Record &entry) {
                    const QString text = entry.text(amount);
                    if (TrimText(text).isEmpty())
                        return false;
                    if (const std::optional<Decimal> value = Decimal::parse(text))
                        sum += *value;
                    return true;
                });
            },
            nullptr);
    }
    lstRecords->selectRow(-1);
    lblTotale->setText(Euro + AmountFormText(RoundDecimals(sum, 2).toGeneralText()));
}

void TfrmCostiCane::showEntryPanel()
{
    panCosti->show();
    panContainer->hide();
    txtData->setFocus(Qt::OtherFocusReason);
}

void TfrmCostiCane::btnAggiungiClick()
{
    for (QLineEdit *edit : {txtData, txtCausale, txtPagatore, txtBeneficiario})
        edit->clear();
    txtImporto->setText(QStringLiteral("0,00"));
    lblPosizione->clear();
    showEntryPanel();
}

void TfrmCostiCane::btnModificaClick()
{
    if (lstRecords->count() == 0) {
        ShowNotice(NoticeKind::Information,
                   QStringLiteral("Modifica non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const int row = lstRecords->selectedRow();
    if (row < 0) {
        ShowNotice(NoticeKind::Warning,
                   QString::fromUtf8("Attenzione: selezionare una voce dall'elenco prima di premere il pulsante di "
                                     "modifica."));
        return;
    }
    const QString chosen = TrimText(lstRecords->line(row));
    const bool read = RunGuarded(
        [&] {
            // The entry the selected line was made from is the one changed, if it is still as listed.
            ListedRecordLookup(archiveFile(), AnimalCostRecordLayout(), CostListLine, chosen,
                               lstRecords->recordNumber(row), [&](const Record &entry, int number) {
                                   for (int i = Data; i <= Importo; ++i)
                                       (this->*CostEdits[i].edit)->setText(entry.text(i));
                                   lblPosizione->setText(QString::number(number));
                               });
        },
        [this] { close(); });
    if (read)
        showEntryPanel();
}

void TfrmCostiCane::btnSalvaClick()
{
    for (const CostEdit &e : CostEdits) {
        QLineEdit *edit = this->*e.edit;
        if (TrimText(edit->text()).isEmpty()) {
            ShowNotice(NoticeKind::Warning, QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare ") +
                                                QString::fromUtf8(e.required));
            edit->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    QList<QWidget *> edits;
    for (const CostEdit &e : CostEdits)
        edits.append(this->*e.edit);
    if (!TextsStorable(edits))
        return;
    // The amount is stored as shown, or not at all.
    txtImporto->setText(AmountFormText(txtImporto->text()));
    if (!NumberFitsField(txtImporto, txtImporto->text(), QStringLiteral("\"Importo\""),
                         AnimalCostRecordLayout().capacity(Importo)))
        return;
    QString saved;
    const bool ok = RunGuarded(
        [&] {
            Record entry(AnimalCostRecordLayout());
            for (int i = Data; i <= Importo; ++i)
                entry.setText(i, (this->*CostEdits[i].edit)->text());
            Archive file = OpenOrCreateArchive(archiveFile(), AnimalCostRecordLayout().recordSize());
            const QString position = TrimText(lblPosizione->text());
            if (position.isEmpty()) {
                lblPosizione->setText(QString::number(file.append(entry.bytes())));
                saved = QString::fromUtf8("La scheda corrente è stata inserita in archivio.");
            } else {
                bool isNumber = false;
                const int number = position.toInt(&isNumber);
                if (!isNumber || number < 1 || number > file.count())
                    throw IoError("cost entry " + position.toStdString() + " is not in the file");
                file.seek(number - 1);
                file.write(entry.bytes());
                lblPosizione->setText(QString::number(number));
                saved = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
            }
            file.close();
        },
        [] { ShowNotice(NoticeKind::Warning, ArchiveAccessMessage()); });
    if (ok)
        ShowNotice(NoticeKind::Information, saved);
}

void TfrmCostiCane::impDataClick() { txtData->setText(FormatDate(Today())); }

QString TfrmCostiCane::printTitle() const
{
    return QStringLiteral("Riepilogo costi sostenuti per ") + name_ + QStringLiteral("  -  Razza: ") + breed_;
}

QStringList TfrmCostiCane::printLines() const
{
    QStringList lines = lstRecords->lines();
    lines << QString(26, u'-') << QStringLiteral("TOTALE COSTI:") + QString(6, u' ') + TrimText(lblTotale->text());
    return lines;
}

void TfrmCostiCane::btnStampaClick() { PrintListReport(printTitle(), printLines(), this); }

bool OpenAnimalCosts(QWidget *card, const QString &position, int recordCount, const QString &name,
                     const QString &breed)
{
    const std::optional<QString> file = CostFileName(position, recordCount);
    if (!file) {
        ShowNotice(NoticeKind::Warning, QString::fromUtf8("Attenzione: la gestione dei costi può avvenire soltanto "
                                                          "dopo che la scheda dell'animale è stata salvata in "
                                                          "archivio."));
        return false;
    }
    OpenModal<TfrmCostiCane>(card, [&](TfrmCostiCane &w) { w.setAnimal(name, breed, *file); });
    return true;
}
