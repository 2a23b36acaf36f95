#include "invoices/Numerazione.h"
#include "common/ui/WindowBuild.h"
#include "common/IniFile.h"
#include "common/Record.h"
#include "common/Text.h"
#include "common/ui/Widgets.h"

#include <QCheckBox>
#include <QPushButton>

WindowHandle<TfrmNumerazione> frmNumerazione;

namespace {

const QString InvoiceTag = QStringLiteral("fatture");
const QString InvoiceSection = QStringLiteral("Numerazione Fatture");
const QString YearKey = QStringLiteral("Indicazione Anno Solare");

} // namespace

TfrmNumerazione::TfrmNumerazione(QWidget *parent) : TfrmNumerazioneDoc(parent)
{
    BuildWhenNeeded(this, [this] {
        setObjectName(QStringLiteral("frmNumerazione"));
        // The box about the year sits under the number; the buttons move down to make room.
        setFixedSize(420, 343);
        chkTipo = MakeNamed<QCheckBox>(this, QStringLiteral("chkTipo"),
                                       QStringLiteral("Indica l'anno solare dopo il numero progressivo del documento"));
        chkTipo->setGeometry(10, 254, 406, 24);
        btnAnnulla->move(btnAnnulla->x(), 298);
        btnApplica->move(btnApplica->x(), 298);
    });
}

QString TfrmNumerazione::settingsSection() const
{
    return TrimText(lblMemory->text()) == InvoiceTag ? InvoiceSection : QString();
}

void TfrmNumerazione::readSettings(const IniFile &settings, const QString &section)
{
    TfrmNumerazioneDoc::readSettings(settings, section);
    // Read trimmed, as New reads it, so blanks around the value don't untick the box.
    chkTipo->setChecked(TrimText(settings.readString(section, YearKey)) == YesNoFlag(true));
}

void TfrmNumerazione::writeSettings(IniFile &settings, const QString &section) const
{
    TfrmNumerazioneDoc::writeSettings(settings, section);
    settings.writeString(section, YearKey, YesNoFlag(chkTipo->isChecked()));
}

void OpenInvoiceNumbering(QWidget *card)
{
    OpenModal<TfrmNumerazione>(card, [](TfrmNumerazione &dialog) {
        dialog.lblMemory->setText(InvoiceTag);
        dialog.setWindowTitle(QStringLiteral(" Impostazione inizio numerazione fatture"));
    });
}
