#pragma once
#include "common/Platform.h"
#include "common/Record.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QWidget;
class Archive;

// The mechanics every record card shares: one record of one archive on screen in named controls
// (field F lives in txtF, chkF or lblF), the record number in lblPosizione, and the commands
// New, Duplicate, Save, First, Previous, Next and Last with their notices.
class RecordCard : public QObject {
    Q_OBJECT
public:
    struct Required {
        QWidget *field;
        QString phrase;  // completes "Attenzione: per salvare la scheda è necessario indicare "
    };

    // `archiveFile` names the archive when a command runs (a name in the program folder or a path).
    RecordCard(QWidget *window, const RecordLayout &layout, std::function<QString()> archiveFile);

    // --- what a card says of itself ---
    QList<Required> required;                 // checked in this order by Save
    QList<QWidget *> resetOnDuplicate;         // emptied by Duplicate
    bool duplicateOpensArchive = false;        // Duplicate opens (and so creates) the archive
    QWidget *firstField = nullptr;             // focused by New and Duplicate
    QString appendedMessage = QString::fromUtf8("La scheda corrente è stata inserita in archivio.");
    NoticeKind failureKind = NoticeKind::Error;
    std::function<void()> afterNew;            // after New has cleared the card
    std::function<void(int)> afterShow;        // after a record has been put on the card
    std::function<bool()> beforeSave;          // own checks after the required fields; false stops
    std::function<void(int)> afterSave;        // after the record has been written

    // --- commands ---
    void New();
    void Duplicate();
    void Save();
    void First();
    void Previous();
    void Next();
    void Last();

    // --- record and controls ---
    void clear();                              // empties every bound control and lblPosizione
    void showRecord(const Record &record, int number);
    Record takeRecord() const;
    // Reads record `number` (1-based) and shows it; throws on failure.
    void showRecordNumber(Archive &archive, int number);
    // Loads a record by number through the guard; false after a failure.
    bool load(int number);

    const RecordLayout &layout() const { return layout_; }
    QString archivePath() const;
    QLabel *position() const { return position_; }
    QWidget *control(int field) const { return controls_[size_t(field)]; }
    // Shows the failure notice with the archive message.
    void reportFailure() const;
    // The record number in lblPosizione; throws ConversionError when it is not a number.
    int currentNumber() const;

private:
    bool guarded(const std::function<void()> &body);
    void emptyArchiveNotice() const;

    QWidget *window_;
    const RecordLayout &layout_;
    std::function<QString()> archiveFile_;
    std::vector<QWidget *> controls_;
    QLabel *position_ = nullptr;
};

// Text of an edit, combo box, multi-line text or label; check state of a box as "Sì"/"No" aside.
QString ControlText(const QWidget *w);
void SetControlText(QWidget *w, const QString &text);
