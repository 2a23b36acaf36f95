#pragma once
#include "common/ListLines.h"
#include "common/Record.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

class Archive;

// The openings of the count text of the search windows.
inline const QString SummaryCountOpening = QStringLiteral("Il presente riepilogo contiene ");
inline const QString ListCountOpening = QStringLiteral("Il presente elenco contiene ");

// The count text: the opening, the number of lines and " schede.".
QString SearchCountText(const QString &opening, int count);

// Whether `part` occurs in `text` with the letters A-Z and a-z taken as the same (no other
// character folds). An empty part occurs nowhere.
bool ContainsFolded(QStringView text, QStringView part);

// A field's text as stored: the bytes its length byte counts (clamped to the capacity), not trimmed.
QString StoredFieldText(const Record &record, int field);

// One criterion of a search: the text as typed and the index of the field it searches.
struct SearchCriterion {
    QString text;
    int field;
};

// The criteria of one search. A record is listed when every criterion that is not blank occurs
// in its field (as typed, blanks around it included, letter case folded for A-Z only). A blank
// criterion is left out altogether, so with none filled every record is listed.
class CriteriaMatcher {
public:
    explicit CriteriaMatcher(const QList<SearchCriterion> &criteria);
    // The number of criteria whose text, trimmed, is not empty.
    int nonBlankCount() const { return int(active_.size()); }
    bool matches(const Record &record) const;

private:
    QList<SearchCriterion> active_;
    // Each active criterion in Windows-1252 with A-Z taken as a-z, matched against the stored
    // bytes as they stand; none where a character has no byte (it occurs in no stored text).
    std::vector<std::optional<QByteArray>> folded_;
};

// The sorted order of list lines: character codes with a-z compared as A-Z; a line that begins
// another comes first. Equal lines keep their order. ListLines sorts by the same order on keys made
// once per line.
bool ListLineLess(QStringView a, QStringView b);
inline bool ListLineLess(const QString &a, const QString &b) { return ListLineLess(QStringView(a), QStringView(b)); }
void SortListLines(QStringList &lines);

// How a window turns a record into its list line.
using ListLineRecipe = std::function<QString(const Record &)>;
// What a window does with a record picked in its list, given with its 1-based number.
using ListHandBack = std::function<void(const Record &, int)>;

// One column of a list line built from fields: the fixed text before it, then the field through
// PadCut to `width` characters; a width of 0 (the last column) takes the trimmed field whole.
struct ListColumn {
    const char *separator;
    const char *field;
    int width;
};

// A list line made of columns, field names resolved once.
class ColumnLine {
public:
    ColumnLine(const RecordLayout &layout, std::initializer_list<ListColumn> columns);
    QString operator()(const Record &record) const;
    // The line appended to `out`, for a line that begins with text of its own.
    void appendTo(QString &out, const Record &record) const;
    // The most characters a line can take.
    int maxLength() const { return maxLength_; }

private:
    struct Column {
        QString separator;
        int field;
        int width;
    };
    std::vector<Column> columns_;
    int maxLength_ = 0;
};

// The size of the blocks in which scans read an archive: one read call for about a megabyte of
// whole records, so that a network folder sees few round trips.
inline constexpr int ScanBlockBytes = 1 << 20;

// Opens an archive (created when missing) and hands every record to `visit` in file order with
// its 1-based number, reading whole records in blocks of `blockBytes` (at least one record). The
// scan is long work (BusyWork): the windows repaint while it runs.
// The record handed over is a view of the block, valid only during the call: a caller that keeps
// a record copies its bytes. The archive is closed when the scan ends, also on failure; throws
// IoError, also when the file gets shorter during the scan.
void ScanArchive(const QString &file, const RecordLayout &layout,
                 const std::function<void(const Record &, int)> &visit, int blockBytes = ScanBlockBytes);
// The same over an archive already open: every record present when the scan starts, from record 1;
// the archive stays open.
void ScanRecords(Archive &archive, const RecordLayout &layout, const std::function<void(const Record &, int)> &visit,
                 int blockBytes = ScanBlockBytes);

// The double-click on a list line: reads the record the line was made from (its 1-based
// `number`), builds its line again and runs `handBack` with it only when that line, trimmed, still
// equals the chosen line trimmed (exact comparison). A record changed or gone since it was listed
// hands nothing back. Returns whether it handed the record back; throws IoError.
bool ListedRecordLookup(const QString &file, const RecordLayout &layout, const ListLineRecipe &line,
                        const QString &chosen, int number, const ListHandBack &handBack);

// The walk of `FindNextInList` over a list that is not empty: `selected` is the selected line
// (-1: none, taken as the first), `findText` the text typed, `remembered` the lower-cased text of
// the previous walk (updated). A new text is looked for from the top, the first line included;
// the same text from the line after the selected one, wrapping round back to it. Returns the line
// to select: the line found, or the selected one (the first when none was) when nothing is found.
int FindNextLine(const QStringList &lines, int selected, const QString &findText, QString &remembered);
int FindNextLine(const ListLines &lines, int selected, const QString &findText, QString &remembered);
