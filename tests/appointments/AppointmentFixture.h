#pragma once
// What the tests of the appointment search, lists and views share: records made from a few
// fields, a year archive in the test's program folder, and a stand-in for the appointment card
// with the controls that these windows read and write.
#include "appointments/AppointmentHandBack.h"
#include "appointments/AppointmentRecord.h"
#include "common/Record.h"
#include "common/ui/Widgets.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <vector>

inline const QString Si = QString::fromUtf8("S\xc3\xac");

inline Record appointment(const std::map<QString, QString> &fields)
{
    Record r(AppointmentRecordLayout());
    for (const auto &[field, value] : fields)
        r.setText(field, value);
    return r;
}

// An entry as the card saves it: day, month, date and time consistent, and a reason.
inline Record entry(const QString &date, const QString &time, const QString &reason,
                    const std::map<QString, QString> &more = {})
{
    static const char *const months[] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                         "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
    Record r = appointment({{"Giorno", date.left(2)},
                            {"Mese", months[date.mid(3, 2).toInt() - 1]},
                            {"Anno", date.right(4)},
                            {"Data", date},
                            {"OreApp", time.left(2)},
                            {"MinutiApp", time.right(2)},
                            {"Ora", time},
                            {"Avviso", "0"},
                            {"Dettagli", reason},
                            {"Costo", "0,00"},
                            {"DaConfermare", "No"},
                            {"Effettuata", "No"}});
    for (const auto &[field, value] : more)
        r.setText(field, value);
    return r;
}

// An entry with a text of its own in every field, marked by `tag`.
inline Record fullEntry(const QString &tag)
{
    Record r(AppointmentRecordLayout());
    for (const QString &name : AppointmentRecordLayout().names())
        r.setText(name, name.left(4) + tag);
    return r;
}

// A stand-in for the appointment card: the year's archive in lblFile, the calendar, and every
// control that the hand-back writes.
class FakeAppointmentCard : public QWidget {
public:
    FakeAppointmentCard()
    {
        lblFile = MakeNamed<QLabel>(this, "lblFile");
        calAppuntamenti = MakeNamed<QCalendarWidget>(this, "calAppuntamenti");
        for (const char *combo : {"txtGiorno", "txtMese", "txtOreApp", "txtMinutiApp"})
            MakeNamed<QComboBox>(this, combo)->setEditable(true);
        for (const char *label : {"lblAnno", "lblData", "lblOra", "lblPosizione"})
            MakeNamed<QLabel>(this, label);
        for (const QString &field : AppointmentRecordLayout().names())
            if (!findChild<QWidget *>("txt" + field) && !findChild<QWidget *>("lbl" + field) &&
                field != "DaConfermare" && field != "Effettuata")
                MakeNamed<QLineEdit>(this, "txt" + field);
        chkDaConfermare = MakeNamed<QCheckBox>(this, "chkDaConfermare");
        chkEffettuata = MakeNamed<QCheckBox>(this, "chkEffettuata");
        setWindowTitle(" Tavoren - Scadenze e appuntamenti anno 2026");
    }

    // The text of every control, by name.
    std::map<QString, QString> state() const
    {
        std::map<QString, QString> s;
        for (const QWidget *w : findChildren<QWidget *>()) {
            if (w->window() != this)
                continue;  // a window opened over the card
            if (auto *e = qobject_cast<const QLineEdit *>(w); e && !qobject_cast<QComboBox *>(w->parentWidget()))
                s[w->objectName()] = e->text();
            else if (auto *c = qobject_cast<const QComboBox *>(w))
                s[w->objectName()] = c->currentText();
            else if (auto *l = qobject_cast<const QLabel *>(w); l && !l->objectName().isEmpty())
                s[w->objectName()] = l->text();
            else if (auto *b = qobject_cast<const QCheckBox *>(w))
                s[w->objectName()] = b->isChecked() ? "checked" : "clear";
        }
        s["caption"] = windowTitle();
        return s;
    }
    // The value of the control that shows `field`.
    QString shown(const QString &field) const
    {
        const std::map<QString, QString> s = state();
        for (const char *prefix : {"txt", "lbl", "chk"})
            if (auto it = s.find(prefix + field); it != s.end())
                return it->second;
        return "(none)";
    }

    QLabel *lblFile;
    QCalendarWidget *calAppuntamenti;
    QCheckBox *chkDaConfermare;
    QCheckBox *chkEffettuata;
};

// Each test: a program folder, the stand-in card registered, and the year 2026 open in it.
class AppointmentWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        card = std::make_unique<FakeAppointmentCard>();
        card->lblFile->setText("  " + sp.file("2026.sca") + " ");
        card->calAppuntamenti->setSelectedDate(sp.todayValue);
        RegisterAppointmentCard([this]() -> QWidget * { return card.get(); });
    }
    void TearDown() override { RegisterAppointmentCard(nullptr); }

    void writeYear(const std::vector<Record> &records, const QString &year = "2026")
    {
        writeBytes(sp.file(year + ".sca"), ArchiveBytes(records));
    }

    ScriptedPlatform sp;
    std::unique_ptr<FakeAppointmentCard> card;
};
