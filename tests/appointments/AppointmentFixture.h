#pragma once
// What the tests of the appointment search, lists and views share: records made from a few
// fields, a year archive in the test's program folder, and the appointment card with a year open.
#include "appointments/AppointmentHandBack.h"
#include "appointments/AppointmentRecord.h"
#include "appointments/Scadenzario.h"
#include "common/Record.h"
#include "common/ui/Widgets.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
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

// The text of every named control of a window (not of the windows opened over it), by name.
inline std::map<QString, QString> ControlTexts(const QWidget *window)
{
    std::map<QString, QString> s;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window || w->objectName().isEmpty())
            continue;
        if (auto *e = qobject_cast<const QLineEdit *>(w))
            s[w->objectName()] = e->text();
        else if (auto *c = qobject_cast<const QComboBox *>(w))
            s[w->objectName()] = c->currentText();
        else if (auto *l = qobject_cast<const QLabel *>(w))
            s[w->objectName()] = l->text();
        else if (auto *b = qobject_cast<const QCheckBox *>(w))
            s[w->objectName()] = b->isChecked() ? "checked" : "clear";
    }
    s["caption"] = window->windowTitle();
    return s;
}

// Each test: a program folder, and the appointment card shown with the year 2026 open.
class AppointmentWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        card = std::make_unique<TfrmScadenzario>();
        frmScadenzario = card.get();
        card->show();
        ASSERT_TRUE(WaitActive(card.get()));
        card->txtAnno->setText("2026");
        QTest::mouseClick(card->btnApri, Qt::LeftButton);
        ASSERT_EQ(card->lblFile->text(), sp.file("2026.sca"));
        sp.clear();
    }
    void TearDown() override { frmScadenzario = nullptr; }

    void writeYear(const std::vector<Record> &records, const QString &year = "2026")
    {
        writeBytes(sp.file(year + ".sca"), ArchiveBytes(records));
    }
    std::map<QString, QString> cardState() const { return ControlTexts(card.get()); }
    // What the card shows of a field.
    QString shown(const QString &field) const
    {
        // The year, date, time and position live in labels (txtAnno is the year box of the start panel).
        const bool label = QStringList{"Anno", "Data", "Ora", "Posizione"}.contains(field);
        const std::map<QString, QString> s = cardState();
        const auto it = s.find((label ? "lbl" : "txt") + field);
        return it != s.end() ? it->second : "(none)";
    }

    ScriptedPlatform sp;
    std::unique_ptr<TfrmScadenzario> card;
};
