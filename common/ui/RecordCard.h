#pragma once
#include "common/Platform.h"
#include "common/Record.h"
#include "common/ui/StoredTexts.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QWidget;
class Archive;

// A field Save refuses to leave empty, and the end of its warning
// "Attenzione: per salvare la scheda è necessario indicare " + phrase.
struct RequiredField {
    QWidget *field;
    QString phrase;
};

// The notice in which each command shows the archive message when it fails.
struct CardFailureNotices {
    NoticeKind newCard = NoticeKind::Error;
    NoticeKind duplicate = NoticeKind::Error;
    NoticeKind save = NoticeKind::Error;
    NoticeKind first = NoticeKind::Error;
    NoticeKind previous = NoticeKind::Error;
    NoticeKind next = NoticeKind::Error;
    NoticeKind last = NoticeKind::Error;
};

// How New numbers a document: the start number "Inizio" of a settings section plus the records
// already in the archive (`NextDocumentNumber`). A start that is not a whole number is reported
// naming the settings value. Save of a new record keeps the numbers unique: under the archive's
// append lock, a number (trimmed, not empty) that another record already carries is refused with
// a warning naming it, nothing is written and the focus goes to `target`.
struct DocumentNumbering {
    QString section{};                      // section of "Tavoren.ini" holding "Inizio"
    QWidget *target = nullptr;              // the control that receives the number
    std::function<QString(qint64)> text{};  // the number's text; none: the number in decimal
};

// What a card says of itself; the mechanics are the same in every card. Every member has a
// default, so a card names only what it needs, in this order.
struct RecordCardSetup {
    std::function<QString()> archiveFile{};  // names the archive when a command runs (a name or a path)
    const RecordLayout *layout = nullptr;    // lives as long as the card
    QList<RequiredField> required{};         // checked in this order by Save
    QList<std::pair<QString, QString>> renamed{};  // (field, control) where the control is not prefix + field
    QList<QWidget *> keptByNew{};            // bound controls New leaves as they are
    std::optional<DocumentNumbering> numbering{};
    QList<QWidget *> resetOnDuplicate{};     // emptied by Duplicate
    bool duplicateOpensArchive = false;      // Duplicate opens (and so creates) the archive
    QWidget *firstField = nullptr;           // focused by New and Duplicate
    RevealField reveal{};                    // shows the page or section of a field Save names
    QString appendedMessage = QString::fromUtf8("La scheda corrente è stata inserita in archivio.");
    CardFailureNotices failures{};
    std::function<void()> afterClear{};      // the card's own part of clearing (a page, presets)
    std::function<void()> afterNew{};        // after New has cleared (and numbered) the card
    std::function<void()> afterDuplicate{};  // after Duplicate has detached the card, before its notice
    std::function<void(int)> afterShow{};    // after a record has been put on the card
    std::function<bool()> beforeSave{};      // own checks after the required fields; false stops
    std::function<void()> beforeWrite{};     // inside Save's guard, before the archive opens; may throw
    std::function<void(int)> afterSave{};    // after the record has been written
    std::function<void(const Record &)> showOwn{};  // reads a record just put on the card, before afterShow
};

// The start number read from the settings ("" counts as 1) plus the records in the archive.
// Throws ConversionError when the start is not a whole number.
qint64 NextDocumentNumber(const QString &start, int recordCount);

// The mechanics every record card shares: one record of one archive on screen in named controls
// (field F lives in exactly one of txtF, chkF, radF, lblF, memF), the record number in
// lblPosizione, and the commands New, Duplicate, Save, First, Previous, Next and Last with their
// notices. A wiring fault (a field without a control, a field with two, a control that holds no
// value, no lblPosizione) throws std::logic_error naming it when the card is built.
class RecordCard : public QObject {
    Q_OBJECT
public:
    RecordCard(QWidget *window, RecordCardSetup setup);

    // --- commands ---
    void New();
    void Duplicate();
    void Save();
    void First();
    void Previous();
    void Next();
    void Last();

    // --- record and controls ---
    // Empties every bound control but those New keeps, and lblPosizione; then afterClear.
    void clear();
    void showRecord(const Record &record, int number);
    Record takeRecord() const;

    const RecordLayout &layout() const { return *setup_.layout; }
    QLabel *position() const { return position_; }
    QWidget *control(int field) const { return controls_[size_t(field)]; }

private:
    QString archivePath() const { return setup_.archiveFile(); }
    bool guarded(NoticeKind failure, const std::function<void()> &body);
    void emptyArchiveNotice() const;
    // The record number in lblPosizione; throws ConversionError when it is not a number.
    int currentNumber() const;
    // Reads record `number` (1-based) and shows it; throws when it is outside the archive.
    void showRecordNumber(Archive &archive, int number);
    void focusFirstField();
    // Whether another record of `locked` already carries the number of `record` (Save of a new
    // numbered record, under the append lock).
    bool numberTaken(Archive &locked, const Record &record) const;

    QWidget *window_;
    RecordCardSetup setup_;
    std::vector<QWidget *> controls_;
    QLabel *position_ = nullptr;
    int numberField_ = -1;  // the field of the numbering's target
};

// Text of an edit, combo box, multi-line text or label; check state of a box as "Sì"/"No" aside.
QString ControlText(const QWidget *w);
// Sets a control's text as the program does: an edit shows it from its first character.
void SetControlText(QWidget *w, const QString &text);
// The trimmed text of the control of `window` named `name`; empty when the window has none.
QString NamedControlText(const QWidget *window, const QString &name);

// A control of a window, by name, and the record field it receives.
using ControlField = std::pair<QString, QString>;
// Writes each field of `record` (trimmed) into the control of `window` named beside it, in order;
// a control the window lacks is skipped.
void WriteFieldsToControls(QWidget *window, const Record &record, const QList<ControlField> &controls);
