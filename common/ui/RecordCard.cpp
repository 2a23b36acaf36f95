#include "common/ui/RecordCard.h"

#include "common/Archive.h"
#include "common/Errors.h"
#include "common/Guard.h"
#include "common/Messages.h"
#include "common/Text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

const QString EmptyArchive = QString::fromUtf8("L'archivio non contiene nessuna scheda.");

bool isFlag(const QWidget *w) { return qobject_cast<const QAbstractButton *>(w) != nullptr; }

} // namespace

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
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(text);
    else if (auto *c = qobject_cast<QComboBox *>(w))
        c->setCurrentText(text);
    else if (auto *p = qobject_cast<QPlainTextEdit *>(w))
        p->setPlainText(text);
    else if (auto *t = qobject_cast<QTextEdit *>(w))
        t->setPlainText(text);
    else if (auto *l = qobject_cast<QLabel *>(w))
        l->setText(text);
}

RecordCard::RecordCard(QWidget *window, const RecordLayout &layout, std::function<QString()> archiveFile)
    : QObject(window), window_(window), layout_(layout), archiveFile_(std::move(archiveFile))
{
    for (int i = 0; i < layout_.fieldCount(); ++i) {
        QString name = QString::fromLatin1(layout_.field(i).name);
        QWidget *w = nullptr;
        for (const char *prefix : {"txt", "chk", "rad", "lbl"}) {
            w = window_->findChild<QWidget *>(QString::fromLatin1(prefix) + name);
            if (w)
                break;
        }
        if (!w)
            qFatal("RecordCard: no control for field %s", qPrintable(name));
        controls_.push_back(w);
    }
    position_ = window_->findChild<QLabel *>(QStringLiteral("lblPosizione"));
    if (!position_)
        qFatal("RecordCard: no lblPosizione");
}

QString RecordCard::archivePath() const { return archiveFile_(); }

void RecordCard::reportFailure() const { ShowNotice(failureKind, ArchiveAccessMessage()); }

bool RecordCard::guarded(const std::function<void()> &body)
{
    return RunGuarded(body, [this] { reportFailure(); });
}

void RecordCard::emptyArchiveNotice() const { ShowNotice(NoticeKind::Information, EmptyArchive); }

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
        if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            b->setChecked(false);
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            c->setCurrentIndex(-1);
            c->setCurrentText(QString());
        } else {
            SetControlText(w, QString());
        }
    }
    position_->clear();
}

void RecordCard::showRecord(const Record &record, int number)
{
    for (int i = 0; i < layout_.fieldCount(); ++i) {
        QWidget *w = controls_[size_t(i)];
        QString value = record.text(i);
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            b->setChecked(LoadYesNoFlag(value, b->isChecked()));
        else
            SetControlText(w, value);
    }
    position_->setText(QString::number(number));
    if (afterShow)
        afterShow(number);
}

Record RecordCard::takeRecord() const
{
    Record r(layout_);
    for (int i = 0; i < layout_.fieldCount(); ++i) {
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
    Record r(layout_, archive.read());
    showRecord(r, number);
}

bool RecordCard::load(int number)
{
    return guarded([&] {
        Archive a = OpenOrCreateArchive(archivePath(), layout_.recordSize());
        showRecordNumber(a, number);
        a.close();
    });
}

void RecordCard::New()
{
    clear();
    if (firstField)
        firstField->setFocus();
    if (afterNew)
        afterNew();
}

void RecordCard::Duplicate()
{
    guarded([&] {
        if (TrimText(position_->text()).isEmpty()) {
            ShowNotice(NoticeKind::Warning,
                       QString::fromUtf8("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo "
                                         "che questa è stata inserita in archivio."));
            return;
        }
        for (QWidget *w : resetOnDuplicate)
            SetControlText(w, QString());
        position_->clear();
        if (duplicateOpensArchive) {
            Archive a = OpenOrCreateArchive(archivePath(), layout_.recordSize());
            if (firstField)
                firstField->setFocus();
            a.close();
        } else if (firstField) {
            firstField->setFocus();
        }
        ShowNotice(NoticeKind::Information,
                   QString::fromUtf8("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                     "Al termine premere Salva per inserire la scheda in archivio."));
    });
}

void RecordCard::Save()
{
    for (const Required &req : required) {
        if (TrimText(ControlText(req.field)).isEmpty()) {
            ShowNotice(NoticeKind::Warning,
                       QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare ") + req.phrase);
            req.field->setFocus();
            return;
        }
    }
    if (beforeSave && !beforeSave())
        return;
    guarded([&] {
        Archive a = OpenOrCreateArchive(archivePath(), layout_.recordSize());
        Record r = takeRecord();
        int number;
        QString message;
        if (!TrimText(position_->text()).isEmpty()) {
            int k = currentNumber();
            // A record that no longer exists (another workstation shortened the file) is never written.
            if (k < 1 || k > a.count())
                throw IoError("record number outside the archive");
            a.seek(k - 1);
            a.write(r.bytes());
            number = a.position();
            message = QString::fromUtf8("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
        } else {
            number = a.append(r.bytes());
            message = appendedMessage;
        }
        position_->setText(QString::number(number));
        a.close();
        if (afterSave)
            afterSave(number);
        ShowNotice(NoticeKind::Information, message);
    });
}

void RecordCard::First()
{
    guarded([&] {
        Archive a = OpenOrCreateArchive(archivePath(), layout_.recordSize());
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
    guarded([&] {
        Archive a = OpenOrCreateArchive(archivePath(), layout_.recordSize());
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
    guarded([&] {
        Archive a = OpenOrCreateArchive(archivePath(), layout_.recordSize());
        if (TrimText(position_->text()).isEmpty())
            position_->setText(QStringLiteral("0"));
        int k = currentNumber();
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
    guarded([&] {
        Archive a = OpenOrCreateArchive(archivePath(), layout_.recordSize());
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
