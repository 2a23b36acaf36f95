#include "appointments/AppointmentHandBack.h"

#include "appointments/AppointmentRecord.h"
#include "common/ArchiveSearch.h"
#include "common/Platform.h"
#include "common/Text.h"
#include "common/ui/RecordCard.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QLabel>
#include <QList>
#include <QWidget>
#include <utility>

namespace {

std::function<QWidget *()> &cardFinder()
{
    static std::function<QWidget *()> find;
    return find;
}

// The fields the card shows, each in its control, in the order written.
const QList<ControlField> &cardControls()
{
    static const QList<ControlField> controls = [] {
        QList<ControlField> c = {{"txtGiorno", "Giorno"}, {"txtMese", "Mese"},           {"lblAnno", "Anno"},
                                 {"lblData", "Data"},     {"txtOreApp", "OreApp"},       {"txtMinutiApp", "MinutiApp"},
                                 {"lblOra", "Ora"}};
        for (const char *field : {"Avviso", "Proprietario", "CodFisc", "Recapito", "Nome", "DataNasc", "Razza",
                                  "Mantello", "Microchip", "Segni", "Persona", "Dettagli", "Officina", "Costo",
                                  "Contatto", "Note"})
            c.append({QStringLiteral("txt") + QLatin1String(field), QLatin1String(field)});
        return c;
    }();
    return controls;
}

} // namespace

QString AppointmentListLine(const Record &appointment)
{
    static const ColumnLine line(AppointmentRecordLayout(), {{"", "Dettagli", 30},
                                                             {"  Data: ", "Data", 10},
                                                             {"  Ora: ", "Ora", 5},
                                                             {"  Prop. ", "Proprietario", 26},
                                                             {"  Animale: ", "Nome", 26},
                                                             {"  \u20ac ", "Costo", 0}});
    return line(appointment);
}

void RegisterAppointmentCard(std::function<QWidget *()> findCard) { cardFinder() = std::move(findCard); }

QWidget *AppointmentCard() { return cardFinder() ? cardFinder()() : nullptr; }

QString OpenYearArchive()
{
    QWidget *card = AppointmentCard();
    const auto *file = card ? card->findChild<QLabel *>(QStringLiteral("lblFile")) : nullptr;
    return file ? TrimText(file->text()) : QString();
}

QDate AppointmentCalendarDate()
{
    QWidget *card = AppointmentCard();
    const auto *calendar = card ? card->findChild<QCalendarWidget *>(QStringLiteral("calAppuntamenti")) : nullptr;
    return calendar ? calendar->selectedDate() : Today();
}

void AppointmentHandBack(const QString &tag, const Record &appointment, int number)
{
    if (TrimText(tag) != AppointmentCardTag)
        return;
    QWidget *card = AppointmentCard();
    if (!card)
        return;
    WriteFieldsToControls(card, appointment, cardControls());
    for (const char *flag : {"DaConfermare", "Effettuata"})
        if (auto *box = card->findChild<QAbstractButton *>(QStringLiteral("chk") + QLatin1String(flag)))
            box->setChecked(LoadYesNoFlag(appointment.text(QLatin1String(flag)), box->isChecked()));
    if (auto *position = card->findChild<QWidget *>(QStringLiteral("lblPosizione")))
        SetControlText(position, QString::number(number));
}
