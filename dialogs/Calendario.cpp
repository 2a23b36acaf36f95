#include "dialogs/Calendario.h"
#include "common/ui/WindowBuild.h"
#include "common/ui/Look.h"

#include "common/Dates.h"
#include "common/Platform.h"
#include "common/ui/Widgets.h"
#include "dialogs/TagTargets.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <memory>
#include <utility>

WindowHandle<TfrmCalendario> frmCalendario;

namespace {

TagTargets<QLineEdit *> &dateTargets()
{
    static TagTargets<QLineEdit *> targets;
    return targets;
}

} // namespace

void RegisterDateTarget(const QString &tag, std::function<QLineEdit *()> findDateEdit)
{
    dateTargets().add(tag, std::move(findDateEdit));
}

TfrmCalendario::TfrmCalendario(QWidget *parent) : QDialog(parent)
{
    BuildWhenNeeded(this, [this] {
        // FormCreate.
        setObjectName(QStringLiteral("frmCalendario"));
        ApplyFormatSettings();
        setWindowTitle(QStringLiteral(" Importazione data"));
        MakeFixedWindow(this, 253, 294);
        SetGradientBackground(this, Look::Pale, Qt::white);

        lblCampo001 = MakeNamed<QLabel>(this, QStringLiteral("lblCampo001"), QStringLiteral("Importare una data:"));
        lblCampo001->setGeometry(10, 8, 233, 22);
        QFont bold = lblCampo001->font();
        bold.setBold(true);
        lblCampo001->setFont(bold);

        bkgCalendario = MakeNamed<QFrame>(this, QStringLiteral("bkgCalendario"));
        bkgCalendario->setGeometry(6, 34, 241, 206);
        bkgCalendario->setFrameShape(QFrame::Box);
        SetGradientBackground(bkgCalendario, Look::Blue, Look::Sky);

        calAppuntamenti = MakeNamed<QCalendarWidget>(this, QStringLiteral("calAppuntamenti"));
        calAppuntamenti->setGeometry(10, 38, 233, 198);
        calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
        calAppuntamenti->setSelectedDate(Today());

        btnAnnulla = MakeNamed<QPushButton>(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"));
        btnAnnulla->setGeometry(10, 250, 112, 34);
        btnImportaData = MakeNamed<QPushButton>(this, QStringLiteral("btnImportaData"), QStringLiteral("Importa"));
        btnImportaData->setGeometry(131, 250, 112, 34);

        lblMemory = MakeNamed<QLabel>(this, QStringLiteral("lblMemory"));
        lblMemory->hide();

        connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
        connect(btnAnnulla, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);
    });
}

void TfrmCalendario::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        CenterWindow(this, parentWidget());
}

void TfrmCalendario::btnImportaDataClick()
{
    // The tag is compared exactly as written: a tag with a blank names no card.
    QLineEdit *target = dateTargets().find(lblMemory->text());
    if (!target)
        return;
    target->setText(FormatDate(calAppuntamenti->selectedDate()));
    accept();
}

void TfrmCalendario::btnAnnullaClick() { close(); }

void OpenDatePicker(QWidget *card, const QString &tag)
{
    OpenModal<TfrmCalendario>(card, [&](TfrmCalendario &picker) { picker.lblMemory->setText(tag); });
}
