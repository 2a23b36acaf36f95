#include "common/ui/RecordCard.h"

#include "common/Archive.h"
#include "common/ArchiveSearch.h"
#include "common/Errors.h"
#include "common/Guard.h"
#include "common/IniFile.h"
#include "common/Messages.h"
#include "common/Text.h"
#include "common/ui/EditRules.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <QHash>
#include <algorithm>
#include <span>
#include <limits>
#include <stdexcept>

namespace {

const QString EmptyArchive = QString::fromUtf8("L'archivio non contiene nessuna scheda.");

bool isFlag(const QWidget *w) { return qobject_cast<const QAbstractButton *>(w) != nullptr; }

// A control that holds a text value.
bool holdsText(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w) ||
           qobject_cast<const QLabel *>(w);
}

struct Prefix {
    const char *text;
    bool flag;  // the control is a check box or radio button
};
const Prefix Prefixes[] = {{"txt", false}, {"chk", true}, {"rad", true}, {"lbl", false}, {"mem", false}};

[[noreturn]] void wiringFault(const QString &what) { throw std::logic_error("RecordCard: " + what.toStdString()); }

// Whole number with an optional sign, in the range of a 32-bit integer.
bool readWholeNumber(const QString &text, qint64 &value)
{
    const QString t = TrimText(text);
    const QString digits = t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+')) ? t.mid(1) : t;
    if (digits.isEmpty() || !IsDigitsOnly(digits) || digits.size() > 10)
        return false;
    value = t.toLongLong();
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

} // namespace

QString NamedControlText(const QWidget *window, const QString &name)
{
    const QWidget *control = window ? window->findChild<QWidget *>(name) : nullptr;
    return control ? TrimText(ControlText(control)) : QString();
}

QString ControlText(const QWidget *w)
{
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    if (auto *c = qobject_cast<const QComboBox *>(w))
        return c->currentText();
    if (auto *p = qobject_cast<const QPlainTextEdit *>(w))
        return p->toPlainText();
    if (auto *t = qobject_cast<const QTextEdit *>(w))
        return t->toPlainText();
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    return QString();
}

void SetControlText(QWidget *w, const QString &text)
{
    if (auto *e = qobject_cast<QLineEdit *>(w)) {
        e->setText(text);
        e->setCursorPosition(0);
    } else if (auto *c = qobject_cast<QComboBox *>(w)) {
        c->setCurrentText(text);
        if (c->lineEdit())
            c->lineEdit()->setCursorPosition(0);
    }
    else if (auto *p = qobject_cast<QPlainTextEdit *>(w))
        p->setPlainText(text);
    else if (auto *t = qobject_cast<QTextEdit *>(w))
        t->setPlainText(text);
    else if (auto *l = qobject_cast<QLabel *>(w))
        l->setText(text);
}

void WriteFieldsToControls(QWidget *window, const Record &record, const QList<ControlField> &controls)
{
    for (const auto &[control, field] : controls)
        if (auto *w = window->findChild<QWidget *>(control))
            SetControlText(w, record.text(field));
}

qint64 NextDocumentNumber(const QString &start, int recordCount)
{
    qint64 first = 1;
    if (!TrimText(start).isEmpty() && !readWholeNumber(start, first))
        throw ConversionError("the start number is not a whole number");
    return first + recordCount;
}

RecordCard::RecordCard(QWidget *window, RecordCardSetup setup)
    : QObject(window), window_(window), setup_(std::move(setup))
{
    if (!setup_.layout || !setup_.archiveFile)
        wiringFault(QStringLiteral("no layout or no archive"));
    if (setup_.numbering && !setup_.numbering->target)
        wiringFault(QStringLiteral("numbering without a target control"));

    // One pass over the window: every named control by its name.
    QHash<QString, QList<QWidget *>> byName;
    for (QWidget *w : window_->findChildren<QWidget *>())
        if (!w->objectName().isEmpty())
            byName[w->objectName()].append(w);

    const RecordLayout &layout = *setup_.layout;
    controls_.reserve(size_t(layout.fieldCount()));
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const QString name = layout.name(i);
        QList<QWidget *> found;
        QString renamed;
        for (const auto &[field, control] : setup_.renamed)
            if (field == name)
                renamed = control;
        if (!renamed.isEmpty()) {
            found = byName.value(renamed);
            for (QWidget *w : found)
                if (!holdsText(w) && !isFlag(w))
                    wiringFault(QStringLiteral("control %1 cannot hold field %2").arg(w->objectName(), name));
        }
        for (const Prefix &prefix : renamed.isEmpty() ? std::span<const Prefix>(Prefixes) : std::span<const Prefix>()) {
            for (QWidget *w : byName.value(QLatin1String(prefix.text) + name)) {
                if (prefix.flag ? !isFlag(w) : !holdsText(w))
                    wiringFault(QStringLiteral("control %1 cannot hold field %2").arg(w->objectName(), name));
                found.append(w);
            }
        }
        if (found.isEmpty())
            wiringFault(QStringLiteral("no control for field ") + name);
        if (found.size() > 1)
            wiringFault(QStringLiteral("more than one control for field ") + name);
        controls_.push_back(found.front());
    }

    // Every value the card puts in an edit shows from its first character, whoever sets it.
    for (QLineEdit *edit : window_->findChildren<QLineEdit *>())
        ShowProgramTextFromStart(edit);
    if (setup_.numbering) {
        const auto target = std::find(controls_.begin(), controls_.end(), setup_.numbering->target);
        if (target == controls_.end())
            wiringFault(QStringLiteral("the numbering's target holds no field"));
        numberField_ = int(target - controls_.begin());
    }

    const QList<QWidget *> positions = byName.value(QStringLiteral("lblPosizione"));
    if (positions.size() != 1 || !qobject_cast<QLabel *>(positions.front()))
        wiringFault(QStringLiteral("no single label lblPosizione"));
    position_ = static_cast<QLabel *>(positions.front());
}

bool RecordCard::guarded(NoticeKind failure, const std::function<void()> &body)
{
    return RunGuarded(body, [failure] { ShowNotice(failure, ArchiveAccessMessage()); });
}

void RecordCard::emptyArchiveNotice() const { ShowNotice(NoticeKind::Information, EmptyArchive); }

void RecordCard::focusFirstField()
{
    if (setup_.firstField)
        setup_.firstField->setFocus();
}

int RecordCard::currentNumber() const
{
    QString t = TrimText(position_->text());
    bool ok = false;
    int n = t.toInt(&ok);
    if (!ok || !IsDigitsOnly(t))
        throw ConversionError("record number is not a number");
    return n;
}

void RecordCard::clear()
{
    for (QWidget *w : controls_) {
        const bool kept = setup_.keptByNew.contains(w);
        if (auto *c = qobject_cast<QComboBox *>(w)) {
            // Every list loses its selection; a kept combo edit keeps its text.
            const QString text = kept ? c->currentText() : QString();
            c->setCurrentIndex(-1);
            c->setCurrentText(text);
        } else if (kept) {
            continue;
        } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            b->setChecked(false);
        } else {
            SetControlText(w, QString());
        }
    }
    position_->clear();
    if (setup_.afterClear)
        setup_.afterClear();
}

void RecordCard::showRecord(const Record &record, int number)
{
    for (int i = 0; i < layout().fieldCount(); ++i) {
        QWidget *w = controls_[size_t(i)];
        QString value = record.text(i);
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            b->setChecked(LoadYesNoFlag(value, b->isChecked()));
        else
            SetControlText(w, value);
    }
    position_->setText(QString::number(number));
    if (setup_.showOwn)
        setup_.showOwn(record);
    if (setup_.afterShow)
        setup_.afterShow(number);
}

Record RecordCard::takeRecord() const
{
    Record r(layout());
    for (int i = 0; i < layout().fieldCount(); ++i) {
        QWidget *w = controls_[size_t(i)];
        if (isFlag(w))
            r.setText(i, YesNoFlag(static_cast<QAbstractButton *>(w)->isChecked()));
        else
            r.setText(i, ControlText(w));
    }
    return r;
}

void RecordCard::showRecordNumber(Archive &archive, int number)
{
    if (number < 1 || number > archive.count())
        throw IoError("record number outside the archive");
    archive.seek(number - 1);
    Record r(layout(), archive.read());
    showRecord(r, number);
}

void RecordCard::New()
{
    if (!setup_.numbering) {
        clear();
        if (setup_.afterNew)
            setup_.afterNew();
        focusFirstField();
        return;
    }
    // Read, count, clear, number: a start that is not a number leaves the card cleared but unnumbered.
    guarded(setup_.failures.newCard, [&] {
        const DocumentNumbering &numbering = *setup_.numbering;
        const QString start = IniReadString(ProgramFile(SettingsFileName), numbering.section, QStringLiteral("Inizio"));
        Archive a = OpenOrCreateArchive(archivePath(), layout().recordSize());
        const int count = a.count();
        a.close();
        clear();
        qint64 n = 0;
        try {
            n = NextDocumentNumber(start, count);
        } catch (const ConversionError &) {
            ShowNotice(setup_.failures.newCard,
                       QString::fromUtf8("Attenzione: il numero iniziale della numerazione indicato nel file %1 "
                                         "(voce \"Inizio\" della sezione \"%2\") non è un numero intero.\n\r\n\r"
                                         "Per poter numerare la scheda è necessario reimpostare il numero iniziale "
                                         "con l'apposita funzione di numerazione.")
                           .arg(SettingsFileName, numbering.section));
            return;
        }
        SetControlText(numbering.target, numbering.text ? numbering.text(n) : QString::number(n));
        if (setup_.afterNew)
            setup_.afterNew();
        focusFirstField();
    });
}

void RecordCard::Duplicate()
{
    guarded(setup_.failures.duplicate, [&] {
        if (TrimText(position_->text()).isEmpty()) {
            ShowNotice(NoticeKind::Warning,
                       QString::fromUtf8("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo "
                                         "che questa è stata inserita in archivio."));
            return;
        }
        for (QWidget *w : setup_.resetOnDuplicate)
            SetControlText(w, QString());
        position_->clear();
        if (setup_.duplicateOpensArchive) {
            Archive a = OpenOrCreateArchive(archivePath(), layout().recordSize());
            focusFirstField();
            a.close();
        } else {
            focusFirstField();
        }
        if (setup_.afterDuplicate)
            setup_.afterDuplicate();
        ShowNotice(NoticeKind::Information,
                   QString::fromUtf8("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                     "Al termine premere Salva per inserire la scheda in archivio."));
    });
}

bool RecordCard::numberTaken(Archive &locked, const Record &record) const
{
    if (numberField_ < 0)
        return false;
    const QByteArray number = record.trimmedBytes(numberField_).toByteArray();
    if (number.isEmpty())
        return false;
    bool taken = false;
    ScanRecords(locked, layout(), [&](const Record &other, int) {
        taken = taken || other.trimmedBytes(numberField_) == number;
    });
    return taken;
}

void RecordCard::Save()
{
    for (const RequiredField &req : setup_.required) {
        if (TrimText(ControlText(req.field)).isEmpty()) {
            ShowNotice(NoticeKind::Warning,
                       QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare ") + req.phrase);
            req.field->setFocus();
            return;
        }
    }
    // Nothing is written that the archive would keep otherwise than the card shows it.
    if (!TextsStorable(QList<QWidget *>(controls_.begin(), controls_.end()), setup_.reveal))
        return;
    if (setup_.beforeSave && !setup_.beforeSave())
        return;
    guarded(setup_.failures.save, [&] {
        if (setup_.beforeWrite)
            setup_.beforeWrite();
        Archive a = OpenOrCreateArchive(archivePath(), layout().recordSize());
        Record r = takeRecord();
        int number;
        QString message;
        if (!TrimText(position_->text()).isEmpty()) {
            int k = currentNumber();
            // A record that does not exist (another workstation replaced the file) is never written.
            if (k < 1 || k > a.count())
                throw IoError("record number outside the archive");
            a.seek(k - 1);
            a.write(r.bytes());
            number = a.position();
            message = QString::fromUtf8("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
        } else {
            number = a.appendIf(r.bytes(), [&](Archive &locked) { return !numberTaken(locked, r); });
            if (number == 0) {
                a.close();
                ShowNotice(NoticeKind::Warning,
                           QString::fromUtf8("Attenzione: il numero %1 è già stato assegnato a un'altra scheda in "
                                             "archivio.\n\r\n\rPer poter salvare la scheda è necessario "
                                             "indicare un numero diverso.")
                               .arg(r.text(numberField_)));
                setup_.numbering->target->setFocus();
                return;
            }
            message = setup_.appendedMessage;
        }
        position_->setText(QString::number(number));
        a.close();
        if (setup_.afterSave)
            setup_.afterSave(number);
        ShowNotice(NoticeKind::Information, message);
    });
}

void RecordCard::First()
{
    guarded(setup_.failures.first, [&] {
        Archive a = OpenOrCreateArchive(archivePath(), layout().recordSize());
        if (a.count() == 0) {
            a.close();
            emptyArchiveNotice();
            return;
        }
        showRecordNumber(a, 1);
        a.close();
    });
}

void RecordCard::Last()
{
    guarded(setup_.failures.last, [&] {
        Archive a = OpenOrCreateArchive(archivePath(), layout().recordSize());
        int count = a.count();
        if (count == 0) {
            a.close();
            emptyArchiveNotice();
            return;
        }
        showRecordNumber(a, count);
        a.close();
    });
}

void RecordCard::Next()
{
    guarded(setup_.failures.next, [&] {
        Archive a = OpenOrCreateArchive(archivePath(), layout().recordSize());
        // A new card counts as standing before record 1; its label stays empty until a record is
        // shown, so a failed read leaves it a new card that Save can still append.
        const int k = TrimText(position_->text()).isEmpty() ? 0 : currentNumber();
        int count = a.count();
        if (count == 0) {
            position_->clear();
            a.close();
            emptyArchiveNotice();
            return;
        }
        if (k < count)
            showRecordNumber(a, k + 1);
        a.close();
    });
}

void RecordCard::Previous()
{
    guarded(setup_.failures.previous, [&] {
        Archive a = OpenOrCreateArchive(archivePath(), layout().recordSize());
        QString pos = TrimText(position_->text());
        if (pos == QLatin1String("1")) {
            a.close();
            return;
        }
        if (a.count() == 0) {
            a.close();
            emptyArchiveNotice();
            return;
        }
        if (pos.isEmpty())
            showRecordNumber(a, 1);
        else
            showRecordNumber(a, currentNumber() - 1);
        a.close();
    });
}
